#include "win32/aux_about_box_view.h"

#include <windows.h>

#include "win32/wide_text.h"

namespace win {
namespace {

const wchar_t kAboutBoxClass[] = L"FolvaricAboutBox";

enum ControlId : int { kProductName = 101, kVersion, kLabel1, kComments };

RECT rectOf(const controls::Bounds& b, int dx = 0, int dy = 0) {
    return RECT{b.left + dx, b.top + dy, b.left + dx + b.width, b.top + dy + b.height};
}

Font fontOf(const platform::FontChoice& choice) {
    LOGFONTW log{};
    log.lfHeight = -choice.size;  // the About box gives its fonts in pixels
    log.lfWeight = choice.bold ? FW_BOLD : FW_NORMAL;
    log.lfItalic = choice.italic ? TRUE : FALSE;
    log.lfUnderline = choice.underline ? TRUE : FALSE;
    log.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = wide(choice.name);
    lstrcpynW(log.lfFaceName, face.c_str(), LF_FACESIZE);
    return Font(CreateFontIndirectW(&log));
}

void registerClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    if (GetClassInfoExW(instance, kAboutBoxClass, &cls)) return;
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = procedure;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    cls.lpszClassName = kAboutBoxClass;
    RegisterClassExW(&cls);
}

}  // namespace

AboutBoxView::AboutBoxView(HINSTANCE instance, folvaric::AboutBox& model) : instance_(instance), model_(model) {}

bool AboutBoxView::create(HWND owner) {
    registerClass(instance_, windowProc);
    // A fixed dialog frame: no sizing border, no minimise or maximise box.
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT frame{0, 0, model_.clientWidth, model_.clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    model_.bounds = {left, top, width, height};

    HWND window = CreateWindowExW(exStyle, kAboutBoxClass, wide(model_.caption).c_str(), style, left, top, width,
                                  height, owner, nullptr, instance_, this);
    if (window == nullptr) return false;
    window_.reset(window);
    model_.handle = handleOf(window);
    createControls();
    preparePicture();

    model_.onShow = [this] {
        ShowWindow(window_.get(), SW_SHOWNORMAL);
        SetForegroundWindow(window_.get());
        SetFocus(GetDlgItem(window_.get(), IDOK));
    };
    model_.onHide = [this] { ShowWindow(window_.get(), SW_HIDE); };
    model_.ProgramIcon.onChanged = [this] {
        preparePicture();
        InvalidateRect(window_.get(), nullptr, TRUE);
    };
    return true;
}

HWND AboutBoxView::createLabel(controls::Label& label, int id) {
    const RECT r = rectOf(label.bounds(), model_.Panel1.left(), model_.Panel1.top());
    // SS_NOTIFY: clicks and double-clicks come to the box as STN_CLICKED and STN_DBLCLK.
    HWND control = CreateWindowExW(0, L"STATIC", wide(label.caption()).c_str(),
                                   WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOTIFY | SS_NOPREFIX, r.left, r.top,
                                   r.right - r.left, r.bottom - r.top, window_.get(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    fonts_.push_back(fontOf(label.font));
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.back().get()), FALSE);
    if (label.showHint) tips_->add(control, label);
    return control;
}

void AboutBoxView::createControls() {
    tips_ = std::make_unique<HintTips>(instance_, window_.get());
    createLabel(model_.ProductName, kProductName);
    createLabel(model_.Version, kVersion);
    createLabel(model_.Label1, kLabel1);
    createLabel(model_.Comments, kComments);

    const RECT r = rectOf(model_.OKButton.bounds());
    HWND ok = CreateWindowExW(0, L"BUTTON", wide(model_.OKButton.caption()).c_str(),
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, r.left, r.top, r.right - r.left,
                              r.bottom - r.top, window_.get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)),
                              instance_, nullptr);
    fonts_.push_back(fontOf(model_.OKButton.font));
    SendMessageW(ok, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.back().get()), FALSE);
}

void AboutBoxView::preparePicture() {
    dibBits_.clear();
    if (!model_.ProgramIcon.picture) return;
    const folvaric::RgbImage& image = *model_.ProgramIcon.picture;
    const std::size_t width = static_cast<std::size_t>(image.width);
    const std::size_t stride = (width * 3 + 3) & ~static_cast<std::size_t>(3);
    dibBits_.assign(stride * static_cast<std::size_t>(image.height), 0);
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* from = image.rgb.data() + static_cast<std::size_t>(y) * width * 3;
        std::uint8_t* to = dibBits_.data() + static_cast<std::size_t>(y) * stride;
        for (std::size_t x = 0; x < width; ++x) {
            to[x * 3] = from[x * 3 + 2];
            to[x * 3 + 1] = from[x * 3 + 1];
            to[x * 3 + 2] = from[x * 3];
        }
    }
    dibInfo_ = BITMAPINFO{};
    dibInfo_.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    dibInfo_.bmiHeader.biWidth = image.width;
    dibInfo_.bmiHeader.biHeight = -image.height;  // top-down rows, as decoded
    dibInfo_.bmiHeader.biPlanes = 1;
    dibInfo_.bmiHeader.biBitCount = 24;
    dibInfo_.bmiHeader.biCompression = BI_RGB;
}

void AboutBoxView::paint() {
    PaintScope scope(window_.get());
    HDC dc = scope.dc();
    // Panel1: inner bevel raised, outer bevel lowered.
    RECT panel = rectOf(model_.Panel1.bounds());
    DrawEdge(dc, &panel, EDGE_ETCHED, BF_RECT);
    if (dibBits_.empty()) return;  // a picture that could not be read: the box stays empty
    const RECT box = rectOf(model_.ProgramIcon.bounds(), model_.Panel1.left(), model_.Panel1.top());
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    const folvaric::RgbImage& image = *model_.ProgramIcon.picture;
    StretchDIBits(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, 0, 0, image.width, image.height,
                  dibBits_.data(), &dibInfo_, DIB_RGB_COLORS, SRCCOPY);
}

void AboutBoxView::command(WPARAM wParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == IDOK) {
        model_.OKButton.userClick();
        return;
    }
    controls::Label* label = nullptr;
    switch (id) {
        case kProductName:
            label = &model_.ProductName;
            break;
        case kVersion:
            label = &model_.Version;
            break;
        case kLabel1:
            label = &model_.Label1;
            break;
        case kComments:
            label = &model_.Comments;
            break;
        default:
            return;
    }
    if (code == STN_CLICKED) label->userClick();
    if (code == STN_DBLCLK) label->userDoubleClick();
}

bool AboutBoxView::navigate(MSG& message) {
    HWND window = window_.get();
    if (window == nullptr || !IsWindowVisible(window)) return false;
    if (message.hwnd != window && !IsChild(window, message.hwnd)) return false;
    return IsDialogMessageW(window, &message) != FALSE;
}

LRESULT CALLBACK AboutBoxView::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<AboutBoxView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->window_.get() != window) return DefWindowProcW(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT AboutBoxView::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_.get();
    switch (message) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_COMMAND:
            command(wParam);
            return 0;
        case WM_NOTIFY:
            if (tips_ && tips_->handleNotify(*reinterpret_cast<NMHDR*>(lParam))) return 0;
            break;
        case WM_CTLCOLORSTATIC:
            // The labels lie on the panel, in the dialog's colour.
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        case DM_GETDEFID:
            return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_CLOSE:
            model_.hide();
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            window_.release();
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace win
