#include "check.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <exception>
#include <vector>

namespace e2e {

namespace {

struct TestCase {
    std::string name;
    TestBody body;
};

std::vector<TestCase>& registry() {
    static std::vector<TestCase> tests;
    return tests;
}

int currentFailures = 0;

std::string toUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size, nullptr, nullptr);
    return out;
}

void print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace

TestRegistration::TestRegistration(const char* name, TestBody body) {
    registry().push_back({name, body});
}

void recordFailure(const char* file, int line, const std::string& message) {
    ++currentFailures;
    std::string shortFile = file;
    const auto slash = shortFile.find_last_of("/\\");
    if (slash != std::string::npos) shortFile = shortFile.substr(slash + 1);
    print("    FAILED " + shortFile + ":" + std::to_string(line) + ": " + message);
}

void note(const std::string& message) {
    print("    " + message);
}

std::string describe(const std::wstring& value) {
    // Control characters would break the one-line failure report; show them as escapes.
    std::wstring visible;
    for (const wchar_t c : value) {
        if (c < 0x20) {
            wchar_t escape[8];
            swprintf(escape, 8, L"\\x%02X", static_cast<unsigned>(c));
            visible += escape;
        } else {
            visible.push_back(c);
        }
    }
    return "\"" + toUtf8(visible) + "\"";
}
std::string describe(const wchar_t* value) {
    return value ? describe(std::wstring(value)) : "null";
}
std::string describe(const std::u16string& value) {
    return describe(std::wstring(value.begin(), value.end()));
}
std::string describe(const char16_t* value) {
    return value ? describe(std::u16string(value)) : "null";
}
std::string describe(const std::string& value) {
    std::string out = "\"";
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f) {
            out.push_back(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        }
    }
    return out + "\"";
}
std::string describe(const char* value) {
    return value ? describe(std::string(value)) : "null";
}
std::string describe(bool value) {
    return value ? "true" : "false";
}

// Tests that need a particular screen size carry this in their names ("..._on_screen_1920x1080");
// the runner starts an X server of that size for them.
constexpr char kScreenTestMark[] = "on_screen_";

// Arguments: names (or parts of names) of the tests to run; none runs all. "--list" lists the
// selected tests instead of running them; "--screen-tests" keeps only the screen-size tests.
int runTests(int argc, wchar_t** argv) {
    std::vector<std::string> filters;
    bool listOnly = false;
    bool screenTestsOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = toUtf8(argv[i]);
        if (argument == "--list") {
            listOnly = true;
        } else if (argument == "--screen-tests") {
            screenTestsOnly = true;
        } else {
            filters.push_back(argument);
        }
    }

    int passed = 0;
    int failed = 0;
    int skipped = 0;
    for (const auto& test : registry()) {
        bool selected = filters.empty();
        for (const auto& filter : filters) selected = selected || test.name.find(filter) != std::string::npos;
        if (screenTestsOnly && test.name.find(kScreenTestMark) == std::string::npos) selected = false;
        if (!selected) continue;
        if (listOnly) {
            print(test.name);
            continue;
        }

        print("[ RUN  ] " + test.name);
        currentFailures = 0;
        bool skippedHere = false;
        std::string skipReason;
        const DWORD started = GetTickCount();
        try {
            test.body();
        } catch (const TestAborted&) {
            // The failure that aborted the case is already recorded.
        } catch (const TestSkipped& skip) {
            skippedHere = true;
            skipReason = skip.reason;
        } catch (const std::exception& error) {
            recordFailure(__FILE__, __LINE__, std::string("exception: ") + error.what());
        } catch (...) {
            recordFailure(__FILE__, __LINE__, "unknown exception");
        }
        const std::string elapsed = " (" + std::to_string(GetTickCount() - started) + " ms)";
        if (currentFailures == 0 && skippedHere) {
            ++skipped;
            print("[ SKIP ] " + test.name + ": " + skipReason);
        } else if (currentFailures == 0) {
            ++passed;
            print("[  OK  ] " + test.name + elapsed);
        } else {
            ++failed;
            print("[ FAIL ] " + test.name + elapsed);
        }
    }
    if (listOnly) return 0;
    if (skipped > 0) print(std::to_string(skipped) + " skipped");
    print(std::to_string(passed) + " passed, " + std::to_string(failed) + " failed");
    // A run that selected nothing is a mistake; one whose tests all belong to another screen is not.
    return failed == 0 && passed + skipped > 0 ? 0 : 1;
}

}  // namespace e2e

int wmain(int argc, wchar_t** argv) {
    // The runner matches the summary line exactly; no CR before the line feeds.
    _setmode(_fileno(stdout), _O_BINARY);
    return e2e::runTests(argc, argv);
}
