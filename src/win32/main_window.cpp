#include "win32/main_window.h"

#include <commctrl.h>
#include <windows.h>

#include "app/error_handler.h"
#include "app/main_form.h"
#include "commands/ordering.h"
#include "options/layout.h"
#include "win32/child_windows.h"
#include "win32/gdi_values.h"
#include "win32/main_window_ids.h"
#include "win32/wide_text.h"

namespace win {

using namespace main_window_ids;

namespace {

constexpr wchar_t kWindowClass[] = L"TForm1";
// The menu bar's colour, the same as the toolbar strip below it.
constexpr COLORREF kMenuBarColour = RGB(228, 198, 208);

bool registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                      GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

Icon loadIconFile(const std::string& path, int size) {
    return Icon(static_cast<HICON>(LoadImageW(nullptr, wide(path).c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, folvaric::Form1& form, WinApplication& app)
    : instance_(instance), form_(form), app_(app) {}

MainWindow::~MainWindow() {
    form_.focus.onFocusChanged = nullptr;
    form_.closeMainWindow = nullptr;
    form_.endApplication = nullptr;
    form_.onMenuBarColour = nullptr;
    if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

bool MainWindow::create() {
    if (!registerWindowClass(instance_, windowProc)) return false;
    registerPlainPanelClass(instance_);
    const controls::Bounds& b = form_.bounds;
    // The window procedure takes ownership of the handle as soon as it exists (WM_NCCREATE).
    const HWND created =
        CreateWindowExW(0, kWindowClass, wide(form_.caption).c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, b.left,
                        b.top, b.width, b.height, nullptr, nullptr, instance_, this);
    if (created == nullptr || !window_) return false;
    createControls();
    bindModel();
    menuPainter_ = std::make_unique<MenuPainterHook>(window_.get(), form_);
    menuPainter_->attachControls(list_->hwnd(), panel_);
    rebuildMenuBar();
    return true;
}

// --- controls --------------------------------------------------------------------------------

void MainWindow::createControls() {
    const HWND parent = window_.get();
    tips_ = std::make_unique<HintTips>(instance_, parent);

    toolBar_ = createChild(instance_, parent, kPlainPanelClass, L"", WS_VISIBLE, 0, kToolBar, form_.ToolBar1.bounds());
    mirrorToolBar();

    // The painted label and buttons follow their models through their own views.
    labelView_ = GradientLabelView::create(parent, form_.GradientLabel1, kLabel);
    label_ = labelView_->hwnd();
    tips_->add(label_, form_.GradientLabel1);

    list_ = std::make_unique<CheckListView>(parent, instance_, kList, form_.CheckListBox1);
    list_->onStartDrag = [this](int x, int y) { startDrag(x, y); };
    list_->onDragOver = [this] { return folvaric::listDragOver(form_, &form_.CheckListBox1); };
    list_->onDragDrop = [this](int x, int y) { dragDrop(x, y); };
    list_->onContextMenu = [this](POINT at) { showPopupMenu(form_.PopupMenu1.root, at, window_.get()); };
    tips_->add(list_->hwnd(), form_.CheckListBox1);
    lastFocus_ = list_->hwnd();

    panel_ = createChild(instance_, parent, kPlainPanelClass, L"", WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                         kPanel, form_.Panel1.bounds());
    setPanelColour(panel_, GetSysColor(COLOR_BTNFACE), true);
    buttonModels_ = {&form_.Button4, &form_.Button1, &form_.Button2, &form_.Button3};
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        controls::ChromeBitBtn& model = *buttonModels_[i];
        buttonViews_[i] = ChromeButtonView::create(panel_, model, kFirstButton + static_cast<int>(i), &dialogKeys_);
        buttons_[i] = buttonViews_[i]->hwnd();
        dialogKeys_.add(model);
        tips_->add(buttons_[i], model);
    }

    status_ = std::make_unique<StatusLineView>(instance_, parent, kStatus, form_.StatusBar1);
    tips_->add(status_->hwnd(), form_.StatusBar1);
}

void MainWindow::bindModel() {
    form_.ToolBar1.onChanged = [this] { mirrorToolBar(); };
    form_.CheckListBox1.onChanged = [this] { list_->mirrorControl(); };
    form_.Panel1.onChanged = [this] { mirrorPlacement(panel_, form_.Panel1); };
    form_.StatusBar1.onChanged = [this] { status_->mirror(); };

    form_.focus.onFocusChanged = [this](controls::Control& control) {
        const HWND target = hwndOf(control);
        if (target == nullptr) return;
        lastFocus_ = target;
        // A minimised or hidden window takes the focus back when it is activated again.
        if (IsWindowVisible(window_.get()) && !IsIconic(window_.get()) && GetFocus() != target) SetFocus(target);
    };
    form_.closeMainWindow = [this] {
        if (window_) SendMessageW(window_.get(), WM_CLOSE, 0, 0);
    };
    form_.endApplication = [this] {
        if (window_) DestroyWindow(window_.get());
    };
    form_.onMenuBarColour = [this] { colourMenuBar(); };
    watchMenuTree(form_.MainMenu1.root, [this] { requestMenuRebuild(); });
}

void MainWindow::mirrorToolBar() {
    // Aligned to the top: it always spans the client width, whatever width the model holds.
    RECT client{};
    GetClientRect(window_.get(), &client);
    const controls::Bounds& b = form_.ToolBar1.bounds();
    MoveWindow(toolBar_, 0, 0, client.right, b.height, TRUE);
    setPanelColour(toolBar_, colourOf(form_.ToolBar1.color), false);
    ShowWindow(toolBar_, form_.ToolBar1.visible() ? SW_SHOWNA : SW_HIDE);
}

HWND MainWindow::hwndOf(const controls::Control& control) const {
    if (&control == &form_.CheckListBox1) return list_ ? list_->hwnd() : nullptr;
    if (&control == &form_.StatusBar1) return status_ ? status_->hwnd() : nullptr;
    if (&control == &form_.GradientLabel1) return label_;
    if (&control == &form_.Panel1) return panel_;
    if (&control == &form_.ToolBar1) return toolBar_;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (&control == buttonModels_[i]) return buttons_[i];
    }
    return nullptr;
}

// --- showing ---------------------------------------------------------------------------------

void MainWindow::startLayout() {
    layoutActive_ = true;
    syncAppIcon();
}

void MainWindow::showFirstTime() {
    const controls::Bounds& b = form_.bounds;
    SetWindowPos(window_.get(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
    // The layout rule also runs for the first layout of the shown window.
    readBoundsFromWindow();
    folvaric::runHandler(form_, [this] { folvaric::FormResize(form_); });
    ShowWindow(window_.get(), SW_SHOWNORMAL);
    UpdateWindow(window_.get());
    SetForegroundWindow(window_.get());
    if (lastFocus_ != nullptr) SetFocus(lastFocus_);
    // FormShow runs from the message loop, with the window on screen and active.
    PostMessageW(window_.get(), kRunFormShow, 0, 0);
}

bool MainWindow::navigate(MSG& message) {
    if (!window_ || message.hwnd == nullptr) return false;
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    if (message.hwnd != window_.get() && !IsChild(window_.get(), message.hwnd)) return false;
    return IsDialogMessageW(window_.get(), &message) != FALSE;
}

HICON MainWindow::smallIcon() const {
    if (smallIcon_) return smallIcon_.get();
    return reinterpret_cast<HICON>(GetClassLongPtrW(window_.get(), GCLP_HICONSM));
}

void MainWindow::syncAppIcon() {
    if (!window_ || form_.appIconFile == shownIconFile_) return;
    shownIconFile_ = form_.appIconFile;
    if (shownIconFile_.empty()) return;
    Icon big = loadIconFile(shownIconFile_, GetSystemMetrics(SM_CXICON));
    Icon small = loadIconFile(shownIconFile_, GetSystemMetrics(SM_CXSMICON));
    if (!big || !small) return;  // not an icon after all: the icons stay as they are
    SendMessageW(window_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(window_.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    bigIcon_ = std::move(big);
    smallIcon_ = std::move(small);
}

void MainWindow::showPopupMenu(controls::MenuItem& root, POINT at, HWND owner) {
    trackPopupMenu(root, commands_, owner, at, [this, &root](HMENU menu) {
        if (menuPainter_) menuPainter_->preparePopup(menu, root);
    });
    syncAppIcon();
}

// --- menus -----------------------------------------------------------------------------------

void MainWindow::requestMenuRebuild() {
    if (menuRebuildPosted_ || !window_) return;
    menuRebuildPosted_ = PostMessageW(window_.get(), kRebuildMenus, 0, 0) != FALSE;
}

void MainWindow::rebuildMenuBar() {
    Menu fresh = buildMenuBar(form_.MainMenu1.root, commands_);
    if (!fresh) return;
    const HMENU old = GetMenu(window_.get());
    if (!SetMenu(window_.get(), fresh.get())) return;
    fresh.release();  // the window owns its menu bar
    if (old != nullptr) DestroyMenu(old);
    if (menuBarBrush_) applyMenuBarBrush();
    if (menuPainter_) menuPainter_->menuBarBuilt(GetMenu(window_.get()));
    DrawMenuBar(window_.get());
}

void MainWindow::colourMenuBar() {
    if (menuPainter_) menuPainter_->sync();  // FormShow has just switched the painter on
    // A new brush at every showing; the one it replaces is freed once the menu lets go of it.
    Brush previous = std::move(menuBarBrush_);
    menuBarBrush_.reset(CreateSolidBrush(kMenuBarColour));
    applyMenuBarBrush();
    DrawMenuBar(window_.get());
}

void MainWindow::applyMenuBarBrush() {
    MENUINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND;
    info.hbrBack = menuBarBrush_.get();
    SetMenuInfo(GetMenu(window_.get()), &info);
}

// --- drag and drop of the list ---------------------------------------------------------------

void MainWindow::startDrag(int x, int y) {
    folvaric::runHandler(form_, [&] { folvaric::listDragStarted(form_, x, y); });
}

void MainWindow::dragDrop(int x, int y) {
    folvaric::runHandler(form_, [&] { folvaric::listDragDropped(form_, x, y); });
}

}  // namespace win
