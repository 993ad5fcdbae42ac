#pragma once
// The program as its entry starts it on a simulated desktop: the form built as designed,
// with a program folder that holds a settings file and the default folder set.
#include <gtest/gtest.h>

#include <string>

#include "app/main_form.h"
#include "options/layout.h"
#include "support/fixture.h"

namespace testing_support {

struct AppFixture : Fixture, ::testing::Test {
    AppFixture() {
        folvaric::buildForm1(form);
        form.endApplication = [this] { ++ends; };
    }

    // Where the program folder of the simulated desktop keeps them.
    static std::string settingsPath() { return "C:\\Folvaric\\set"; }
    static std::string defaultSetPath() { return "C:\\Folvaric\\" + gbk("文件夹集合保存目录\\默认.txt"); }

    // A valid settings file: list font, tray on, an icon name, and the three options.
    void writeSettings(bool autoRefresh = false, bool loadLastSet = true) {
        sim.files.addFile(settingsPath(), "16\r\n" + gbk("宋体") + "\r\n-16777208\r\n1\r\nmain.ico\r\n1\r\n" +
                                              (autoRefresh ? "1" : "0") + "\r\n" + (loadLastSet ? "1" : "0") + "\r\n");
    }

    void writeDefaultSet(const std::string& bytes) { sim.files.addFile(defaultSetPath(), bytes); }

    // What the view does when the window gets a new outer size.
    void resizeTo(int width, int height, bool maximised = false) {
        form.bounds.width = width;
        form.bounds.height = height;
        form.maximised = maximised;
        folvaric::FormResize(form);
    }

    // The entry's start: FormCreate, then the window appears (first layout, FormShow).
    void start() {
        folvaric::FormCreate(form);
        folvaric::FormResize(form);
        folvaric::FormShow(form);
    }

    std::string status() const { return form.StatusBar1.simpleText(); }
    std::string fileText(const std::string& path) const { return sim.files.contents(path).value_or("<none>"); }

    int ends = 0;
};

}  // namespace testing_support
