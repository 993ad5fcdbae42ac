#pragma once
// A small test framework for the end-to-end driver: named test cases, CHECK macros that record
// failures with file and line and carry on, REQUIRE macros that end the current case.
#include <sstream>
#include <string>

namespace e2e {

using TestBody = void (*)();

struct TestRegistration {
    TestRegistration(const char* name, TestBody body);
};

// Thrown by REQUIRE to leave the current test case; the runner catches it.
struct TestAborted {};
// Thrown by SKIP: the case cannot run here (for example on another screen size). It counts
// neither as passed nor as failed.
struct TestSkipped {
    std::string reason;
};

void recordFailure(const char* file, int line, const std::string& message);
void note(const std::string& message);  // printed under the current test's name

std::string describe(const std::wstring& value);  // UTF-8, quoted
std::string describe(const wchar_t* value);
std::string describe(const std::string& value);   // quoted, non-printable bytes as \xNN
std::string describe(const char* value);
std::string describe(const std::u16string& value);
std::string describe(const char16_t* value);
std::string describe(bool value);
template <typename T>
std::string describe(const T& value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

int runTests(int argc, wchar_t** argv);

}  // namespace e2e

#define E2E_CONCAT_INNER(a, b) a##b
#define E2E_CONCAT(a, b) E2E_CONCAT_INNER(a, b)

// E2E_TEST(name) { body }: registers a test case that runs in the order of registration within
// one file; files run in link order. Names must be unique.
#define E2E_TEST(name)                                                                    \
    static void E2E_CONCAT(e2eTest_, name)();                                            \
    static const ::e2e::TestRegistration E2E_CONCAT(e2eRegistration_, name)(              \
        #name, &E2E_CONCAT(e2eTest_, name));                                              \
    static void E2E_CONCAT(e2eTest_, name)()

#define CHECK(condition)                                                                  \
    ((condition) ? true                                                                   \
                 : (::e2e::recordFailure(__FILE__, __LINE__, "CHECK(" #condition ") failed"), false))

#define E2E_CHECK_OP(a, op, b, onFailure)                                                 \
    do {                                                                                  \
        const auto& e2eLeft = (a);                                                        \
        const auto& e2eRight = (b);                                                       \
        if (!(e2eLeft op e2eRight)) {                                                     \
            ::e2e::recordFailure(__FILE__, __LINE__,                                      \
                                 std::string("expected " #a " " #op " " #b ", got ") +    \
                                     ::e2e::describe(e2eLeft) + " vs " +                  \
                                     ::e2e::describe(e2eRight));                          \
            onFailure;                                                                    \
        }                                                                                 \
    } while (0)

#define CHECK_EQ(a, b) E2E_CHECK_OP(a, ==, b, (void)0)
#define CHECK_NE(a, b) E2E_CHECK_OP(a, !=, b, (void)0)
#define CHECK_LT(a, b) E2E_CHECK_OP(a, <, b, (void)0)
#define CHECK_LE(a, b) E2E_CHECK_OP(a, <=, b, (void)0)

#define SKIP(reason) throw ::e2e::TestSkipped{reason}

#define REQUIRE(condition)                                                                \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            ::e2e::recordFailure(__FILE__, __LINE__, "REQUIRE(" #condition ") failed");   \
            throw ::e2e::TestAborted{};                                                   \
        }                                                                                 \
    } while (0)

#define REQUIRE_EQ(a, b) E2E_CHECK_OP(a, ==, b, throw ::e2e::TestAborted{})
