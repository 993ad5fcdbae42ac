#pragma once
// The recorded services of the simulated desktop: shell, message boxes and
// dialogs, clipboard, sound and the program's own application object.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/single_instance.h"
#include "sim/sim_explorer.h"

namespace sim {

struct ShellCall {
    platform::WindowHandle owner = 0;
    std::string verb, file, parameters, directory;
    platform::ShowCommand show = platform::ShowCommand::ShowNormal;
};

class SimShell : public platform::Shell {
public:
    SimShell(SimExplorer& explorer, SimFileSystem& files) : explorer_(explorer), files_(files) {}
    int execute(platform::WindowHandle owner, const std::string& verb, const std::string& file,
                const std::string& parameters, const std::string& directory, platform::ShowCommand show) override;
    std::vector<ShellCall> calls;
    // Targets the shell cannot open, with the value it answers for each (32 or less).
    std::map<std::string, int> refusals;

private:
    SimExplorer& explorer_;
    SimFileSystem& files_;
};

struct MessageBoxRecord {
    platform::WindowHandle owner = 0;
    std::string text, caption;
    std::uint32_t flags = 0;
};

class SimDialogs : public platform::Dialogs {
public:
    explicit SimDialogs(SimFileSystem& files) : files_(files) {}
    int messageBox(platform::WindowHandle owner, const std::string& text, const std::string& caption,
                   std::uint32_t flags) override;
    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool chooseFont(platform::FontChoice& font) override;
    std::optional<std::string> openFile(const platform::FileDialogOptions&) override;
    std::optional<std::string> saveFile(const platform::FileDialogOptions&) override;

    std::vector<MessageBoxRecord> boxes;
    std::vector<std::string> messages;  // plain message dialogs
    // Answers the boxes; it may also act as a user would while the box is up.
    // Without one every box is answered with OK (which a yes/no question takes as no).
    std::function<int(const MessageBoxRecord&)> answer;
    std::optional<platform::FontChoice> fontAnswer;  // nullopt: the user cancels
    std::deque<std::optional<std::string>> openAnswers, saveAnswers;
    std::vector<platform::FileDialogOptions> openRequests, saveRequests;
    int fontRequests = 0;

private:
    SimFileSystem& files_;
};

class SimClipboard : public platform::Clipboard {
public:
    bool setText(const std::string& gbk) override {
        text_ = gbk;
        ++sets;
        return true;
    }
    std::string text() override { return text_; }
    int sets = 0;

private:
    std::string text_;
};

class SimSound : public platform::Sound {
public:
    void beep(std::uint32_t type) override { beeps.push_back(type); }
    bool play(const std::string& path, bool) override {
        played.push_back(path);
        return true;
    }
    std::vector<std::uint32_t> beeps;
    std::vector<std::string> played;
};

class SimApplication : public platform::Application {
public:
    SimApplication(SimWindowManager& windows, const std::string& executablePath);
    std::string executablePath() override { return exePath_; }
    platform::WindowHandle mainWindow() override { return main_; }
    void minimise() override;
    void restore() override;
    bool isMinimised() override { return minimised_; }
    int minimiseCount = 0;
    int restoreCount = 0;

private:
    SimWindowManager& windows_;
    std::string exePath_;
    platform::WindowHandle main_;
    bool minimised_ = false;
};

// The named object of the user's session that the first copy holds, as all copies see it.
struct SimSessionObject {
    bool held = false;
    int calls = 0;                   // second starts that called the running copy
    std::function<void()> onCalled;  // the running copy's answer
};

// One copy's view of it.
class SimSingleInstance : public platform::SingleInstance {
public:
    explicit SimSingleInstance(SimSessionObject& object) : object_(object) {}
    ~SimSingleInstance() override {
        if (mine_) object_.held = false;
    }
    SimSingleInstance(const SimSingleInstance&) = delete;
    SimSingleInstance& operator=(const SimSingleInstance&) = delete;
    bool claim() override {
        if (object_.held) return false;
        object_.held = mine_ = true;
        return true;
    }
    void callRunningCopy() override {
        ++object_.calls;
        if (object_.onCalled) object_.onCalled();
    }

private:
    SimSessionObject& object_;
    bool mine_ = false;
};

}  // namespace sim
