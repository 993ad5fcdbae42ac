#include "sim/sim_services.h"

#include "text/gbk_text.h"

namespace sim {

int SimShell::execute(platform::WindowHandle owner, const std::string& verb, const std::string& file,
                      const std::string& parameters, const std::string& directory,
                      platform::ShowCommand show) {
    calls.push_back({owner, verb, file, parameters, directory, show});
    if (const auto refused = refusals.find(file); refused != refusals.end()) return refused->second;
    if (verb == "open" && text::asciiLower(file) == "explorer.exe") {
        return explorer_.shellOpen(parameters, show) ? 42 : 2;
    }
    // Documents, scripts and links: the shell finds them or reports "file not found" (2).
    if (files_.fileExists(file) || file.find("://") != std::string::npos ||
        text::asciiLower(file).rfind("mailto:", 0) == 0) {
        return 42;
    }
    return 2;
}

int SimDialogs::messageBox(platform::WindowHandle owner, const std::string& text, const std::string& caption,
                           std::uint32_t flags) {
    boxes.push_back({owner, text, caption, flags});
    if (answer) return answer(boxes.back());
    return platform::mb::IdOk;
}

bool SimDialogs::chooseFont(platform::FontChoice& font) {
    ++fontRequests;
    if (!fontAnswer) return false;
    font = *fontAnswer;
    return true;
}

std::optional<std::string> SimDialogs::openFile(const platform::FileDialogOptions& options) {
    openRequests.push_back(options);
    if (openAnswers.empty()) return std::nullopt;
    auto a = openAnswers.front();
    openAnswers.pop_front();
    return a;
}

std::optional<std::string> SimDialogs::saveFile(const platform::FileDialogOptions& options) {
    saveRequests.push_back(options);
    while (!saveAnswers.empty()) {
        auto a = saveAnswers.front();
        saveAnswers.pop_front();
        if (!a || !options.confirmOverwrite || !files_.fileExists(*a)) return a;
        // The system's own question, as a box; "No" leaves the dialog open for the next answer.
        if (messageBox(0, *a + text::gbk(" 已存在。\n要替换它吗?"), text::gbk("确认另存为"),
                       platform::mb::YesNo | platform::mb::IconWarning) == platform::mb::IdYes) {
            return a;
        }
    }
    return std::nullopt;
}

SimApplication::SimApplication(SimWindowManager& windows, const std::string& executablePath)
    : windows_(windows), exePath_(executablePath) {
    const ProcessId pid = windows_.addProcess(executablePath);
    const std::uint32_t style = platform::style::OverlappedWindow | platform::style::Visible |
                                platform::style::ClipSiblings;
    main_ = windows_.createTopLevel(pid, "TForm1", "Folvaric2.1", style);
    windows_.window(main_).rect = platform::Rect{225, 142, 225 + 574, 142 + 483};
    windows_.setActive(main_);
}

void SimApplication::minimise() {
    ++minimiseCount;
    minimised_ = true;
    windows_.minimise(main_);
}

void SimApplication::restore() {
    if (!minimised_) return;
    ++restoreCount;
    minimised_ = false;
    windows_.show(main_, platform::ShowCommand::Restore);
    windows_.bringToTop(main_);
    if (onRestore) onRestore();
}

}  // namespace sim
