#include "app/error_handler.h"

#include <exception>
#include <utility>

#include "app/program_texts.h"

namespace folvaric {
namespace {

void showError(Form1& f, const char* systemText) {
    f.p.dialogs.messageBox(f.p.app.mainWindow(), systemText, app_text::programTitle(),
                           platform::mb::Ok | platform::mb::IconError);
}

}  // namespace

bool runHandler(Form1& f, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const platform::FileError& e) {
        showError(f, e.what());
    } catch (const std::exception& e) {
        // Nothing else is meant to leave a handler; should something, the user sees it and
        // the program stays usable rather than vanishing with the ticked set unsaved.
        showError(f, e.what());
    }
    return false;
}

std::function<void()> guarded(Form1& f, std::function<void()> handler) {
    return [&f, h = std::move(handler)] { runHandler(f, h); };
}

}  // namespace folvaric
