// Linux implementation of the GBK codec, on glibc's iconv. "CP936" is Windows'
// own variant of GBK (it maps 0x80 to the euro sign as Windows does).
#include <errno.h>
#include <iconv.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "text/gbk_codec.h"
#include "text/gbk_text.h"

namespace text {
namespace {

class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (valid()) iconv_close(cd_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

// Converts as much as possible; on an invalid or incomplete sequence appends
// `replacement` (already in the target encoding) and skips the bytes of one source character.
// `cd` is one of the two conversions below, opened once per thread: opening one costs far
// more than converting a path.
std::string convert(const IconvHandle& cd, const char* in, std::size_t inLeft, const std::string& replacement,
                    const std::function<std::size_t(const char*, std::size_t)>& characterBytes) {
    std::string out;
    if (!cd.valid()) return out;
    iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    char buffer[1024];
    char* inPtr = const_cast<char*>(in);
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t r = iconv(cd.get(), &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
            out += replacement;
            const std::size_t unit = characterBytes(inPtr, inLeft);
            const std::size_t skip = inLeft < unit ? inLeft : unit;
            inPtr += skip;
            inLeft -= skip;
            iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

}  // namespace

std::u16string gbkToUtf16(const std::string& gbk) {
    // ASCII is the same characters in both.
    if (isAscii(gbk)) return std::u16string(gbk.begin(), gbk.end());
    static const std::string kReplacementLE("\xFD\xFF", 2);
    thread_local const IconvHandle toUtf16("UTF-16LE", "CP936");
    const std::string bytes = convert(toUtf16, gbk.data(), gbk.size(), kReplacementLE,
                                      [](const char*, std::size_t) -> std::size_t { return 1; });
    std::u16string out(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    return out;
}

std::string utf16ToGbk(const std::u16string& utf16) {
    if (std::all_of(utf16.begin(), utf16.end(), [](char16_t c) { return c < 0x80; })) {
        return std::string(utf16.begin(), utf16.end());
    }
    std::string bytes(utf16.size() * 2, '\0');
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        bytes[2 * i] = static_cast<char>(utf16[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(utf16[i] >> 8);
    }
    // A surrogate pair is one character: one '?' for it, not two.
    const auto unitBytes = [](const char* p, std::size_t left) -> std::size_t {
        const auto unit = [p](std::size_t i) {
            return static_cast<unsigned>(static_cast<unsigned char>(p[i]) |
                                         (static_cast<unsigned char>(p[i + 1]) << 8));
        };
        if (left >= 4 && unit(0) >= 0xD800 && unit(0) <= 0xDBFF && unit(2) >= 0xDC00 && unit(2) <= 0xDFFF) return 4;
        return 2;
    };
    thread_local const IconvHandle toGbk("CP936", "UTF-16LE");
    return convert(toGbk, bytes.data(), bytes.size(), "?", unitBytes);
}

}  // namespace text
