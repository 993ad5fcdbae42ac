// The main window's procedure: what Windows tells the form, turned into model calls and
// handlers. Every handler runs inside the general error handler.
#include <windows.h>
#include <commctrl.h>

#include "app/error_handler.h"
#include "app/main_form.h"
#include "app/single_copy.h"
#include "options/layout.h"
#include "win32/gdi_values.h"
#include "win32/main_window.h"
#include "win32/main_window_ids.h"
#include "win32/win_single_instance.h"

namespace win {

using namespace main_window_ids;

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_.reset(window);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_.release();
        self->app_.setMainWindow(nullptr);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // Nothing may unwind through Windows' own code: whatever a handler lets escape is shown by
    // the general error handler, and the message gets its default handling.
    LRESULT result = 0;
    if (!folvaric::runHandler(self->form_, [&] { result = self->handle(message, wParam, lParam); })) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return result;
}

LRESULT MainWindow::defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_.get(), message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == comeToFrontMessage() && message != 0) {
        // Still starting: the window shows itself when start-up is over.
        if (!startupFinished_) return 0;
        folvaric::runHandler(form_, [this] { folvaric::comeToFrontForSecondCopy(form_); });
        SetForegroundWindow(window_.get());
        return 0;
    }
    if (menuPainter_ && menuPainter_->onApplicationMessage(message, wParam, lParam)) return 0;
    switch (message) {
    case WM_ERASEBKGND:
        paintBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_SIZE:
        sizeChanged(wParam);
        return 0;
    case WM_MOVE:
        if (!IsIconic(window_.get())) readBoundsFromWindow();
        return 0;
    case WM_GETMINMAXINFO: {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize.x = folvaric::minimumWidth;
        limits->ptMinTrackSize.y = folvaric::minimumHeight;
        return 0;
    }
    case WM_SYSCOMMAND:
        systemCommand(wParam, lParam);
        return 0;
    case WM_COMMAND:
        command(wParam, lParam);
        return 0;
    case WM_NOTIFY:
        return notify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (menuPainter_ && menuPainter_->onMeasureItem(*item)) return TRUE;
        if (item->CtlType != ODT_LISTBOX || item->CtlID != kList) break;
        if (list_) {
            list_->measure(*item);
        } else {
            item->itemHeight = static_cast<UINT>(form_.CheckListBox1.itemHeight);
        }
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (menuPainter_ && menuPainter_->onDrawItem(*item)) return TRUE;
        if (list_ && item->hwndItem == list_->hwnd()) {
            list_->draw(*item);
            return TRUE;
        }
        if (status_ && item->hwndItem == status_->hwnd()) {
            status_->draw(*item);
            return TRUE;
        }
        break;
    }
    case WM_ACTIVATE:
        activated(wParam);
        return 0;
    case WM_SETFOCUS:
        if (lastFocus_ != nullptr && IsWindow(lastFocus_)) SetFocus(lastFocus_);
        return 0;
    case WM_ENTERMENULOOP:
        inMenuLoop_ = true;
        break;
    case WM_EXITMENULOOP:
        inMenuLoop_ = false;
        if (menuRebuildPosted_) PostMessageW(window_.get(), kRebuildMenus, 0, 0);
        break;
    case kRebuildMenus:
        // Never under an open menu: the rebuild waits for the menu to close.
        if (!inMenuLoop_) {
            menuRebuildPosted_ = false;
            rebuildMenuBar();
        }
        return 0;
    case kLeftMinimised:
        app_.leftMinimisedState();
        return 0;
    case kRunFormShow:
        folvaric::runHandler(form_, [this] { folvaric::FormShow(form_); });
        startupFinished_ = true;
        return 0;
    case WM_TIMER:
        if (wParam == kCloseRetryTimer) {
            retryClose();
            return 0;
        }
        break;
    case WM_QUERYENDSESSION:
        // The program never stands in the way of a log-off or shutdown.
        return TRUE;
    case WM_ENDSESSION:
        if (wParam) folvaric::runHandler(form_, [this] { folvaric::sessionEnding(form_); });
        return 0;
    case WM_CLOSE:
        closeRequested();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return defaultHandling(message, wParam, lParam);
}

void MainWindow::paintBackground(HDC dc) {
    RECT area{};
    GetClientRect(window_.get(), &area);
    FillRect(dc, &area, formBrush());
}

HBRUSH MainWindow::formBrush() {
    const COLORREF colour = colourOf(form_.color);
    if (!formBrush_ || colour != formBrushColour_) {
        formBrush_.reset(CreateSolidBrush(colour));
        formBrushColour_ = colour;
    }
    return formBrush_.get();
}

void MainWindow::readBoundsFromWindow() {
    RECT r{};
    if (!GetWindowRect(window_.get(), &r)) return;
    form_.bounds = {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void MainWindow::sizeChanged(WPARAM kind) {
    if (kind == SIZE_MINIMIZED) {
        minimised_ = true;
        return;
    }
    if (minimised_) {
        minimised_ = false;
        // Back from the minimised state by some other way than the application's own restore
        // (which reports it itself): the restore event still belongs to it.
        if (!app_.restoring()) PostMessageW(window_.get(), kLeftMinimised, 0, 0);
    }
    form_.maximised = kind == SIZE_MAXIMIZED;
    readBoundsFromWindow();
    if (toolBar_ != nullptr) mirrorToolBar();
    if (layoutActive_) folvaric::runHandler(form_, [this] { folvaric::FormResize(form_); });
}

void MainWindow::systemCommand(WPARAM command, LPARAM lParam) {
    const bool wasMinimised = IsIconic(window_.get()) != FALSE;
    if (appWindowHook) appWindowHook(WM_SYSCOMMAND, command);
    if (!window_) return;  // a handler ended the program
    switch (command & 0xFFF0) {
    case SC_MINIMIZE:
        // The hook may have minimised (and hidden) the window already; minimising again would
        // show it.
        if (IsIconic(window_.get())) return;
        break;
    case SC_RESTORE:
        if (wasMinimised) {
            // Leaving the minimised state is the application's restore, with its event.
            app_.restore();
            return;
        }
        break;
    default:
        break;
    }
    DefWindowProcW(window_.get(), WM_SYSCOMMAND, command, lParam);
}

void MainWindow::command(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    // Only menu commands arrive here: the painted label and buttons report their clicks through
    // their models, and there are no accelerators.
    if (lParam != 0 || code != 0) return;
    if (controls::MenuItem* item = commands_.itemOf(id)) item->userClick();
    syncAppIcon();
}

LRESULT MainWindow::notify(NMHDR& header) {
    if (tips_ && tips_->handleNotify(header)) return 0;
    if (status_ && status_->handleNotify(header)) return 0;
    return 0;
}

void MainWindow::closeRequested() {
    // FormClose saves the settings and the ticked rows. Before start-up is over the settings are
    // still the defaults and the list is not filled yet; during a refresh the list holds only
    // part of the protected folders. Saving then would overwrite the user's set with less, so
    // the close waits until the program is in a state worth saving.
    if (!startupFinished_ || form_.refreshBusy) {
        if (!closeWaiting_) closeWaiting_ = SetTimer(window_.get(), kCloseRetryTimer, kCloseRetryMs, nullptr) != 0;
        return;
    }
    closeWaiting_ = false;
    KillTimer(window_.get(), kCloseRetryTimer);
    // FormClose saves and then ends the application through form_.endApplication.
    folvaric::runHandler(form_, [this] { folvaric::FormClose(form_); });
}

void MainWindow::retryClose() {
    if (!startupFinished_ || form_.refreshBusy) return;
    KillTimer(window_.get(), kCloseRetryTimer);
    closeWaiting_ = false;
    closeRequested();
}

void MainWindow::activated(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_.get(), focus)) lastFocus_ = focus;
        return;
    }
    if (HIWORD(wParam) != 0) return;  // activated while minimised
    if (lastFocus_ != nullptr && IsWindow(lastFocus_)) SetFocus(lastFocus_);
}

}  // namespace win
