// The GBK conversions and path helpers on any bytes: no read past the text, conversions that
// never fail, and the helpers' promises (prefixes and suffixes on character boundaries).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "text/gbk_codec.h"
#include "text/gbk_text.h"
#include "text/unicode.h"

namespace {

// Offsets at which a character starts, walking from the front as every helper does.
std::vector<bool> characterStarts(const std::string& s) {
    std::vector<bool> starts(s.size() + 1, false);
    for (std::size_t i = 0; i < s.size(); i += text::charLengthAt(s, i)) {
        const std::size_t length = text::charLengthAt(s, i);
        FUZZ_REQUIRE(length == 1 || length == 2);
        FUZZ_REQUIRE(i + length <= s.size());
        starts[i] = true;
    }
    starts[s.size()] = true;
    return starts;
}

bool isSeparatorAt(const std::string& s, std::size_t i, const std::vector<bool>& starts) {
    return starts[i] && text::charLengthAt(s, i) == 1 && (s[i] == '\\' || s[i] == ':');
}

void checkPathHelpers(const std::string& s, std::size_t limit) {
    const std::vector<bool> starts = characterStarts(s);

    const std::string lower = text::asciiLower(s);
    FUZZ_REQUIRE(lower.size() == s.size());
    FUZZ_REQUIRE(text::asciiLower(lower) == lower);

    const std::string last = text::lastPathComponent(s);
    FUZZ_REQUIRE(last.size() <= s.size());
    const std::size_t lastStart = s.size() - last.size();
    FUZZ_REQUIRE(s.compare(lastStart, std::string::npos, last) == 0);
    FUZZ_REQUIRE(starts[lastStart]);
    FUZZ_REQUIRE(lastStart == 0 || isSeparatorAt(s, lastStart - 1, starts));
    for (std::size_t i = lastStart; i < s.size(); ++i) FUZZ_REQUIRE(!isSeparatorAt(s, i, starts));

    const std::string cut = text::cutAtCharBoundary(s, limit);
    FUZZ_REQUIRE(s.compare(0, cut.size(), cut) == 0 && starts[cut.size()]);
    if (s.size() <= limit) {
        FUZZ_REQUIRE(cut == s);
    } else {
        FUZZ_REQUIRE(cut.size() <= limit && cut.size() + 1 >= limit);
    }
    const std::string cut255 = text::cut255(s);
    FUZZ_REQUIRE(cut255.size() <= 255 && s.compare(0, cut255.size(), cut255) == 0 && starts[cut255.size()]);

    // A tail of the text is its suffix exactly when it starts a character.
    const std::size_t tailStart = s.empty() ? 0 : limit % (s.size() + 1);
    const std::string tail = s.substr(tailStart);
    FUZZ_REQUIRE(text::endsWithText(tail, s) == starts[tailStart]);
    FUZZ_REQUIRE(text::endsWithText(text::asciiLower(tail), s) == starts[tailStart]);
}

void checkConversions(const std::string& s, const std::u16string& wide) {
    const std::u16string fromGbk = text::gbkToUtf16(s);
    FUZZ_REQUIRE(fromGbk.size() <= s.size());
    // A text that decodes without a replacement character comes back byte for byte: the
    // address toolbar's path is cut in UTF-16 and must name the same folder afterwards.
    const std::string back = text::utf16ToGbk(fromGbk);
    if (fromGbk.find(u'\xFFFD') == std::u16string::npos) FUZZ_REQUIRE(back == s);
    // Through UTF-8 the same.
    FUZZ_REQUIRE(text::utf8ToGbk(text::gbkToUtf8(s)) == back);

    // UTF-8 <-> UTF-16: one round cleans a text, and a clean text survives a round unchanged.
    const std::string clean = text::utf16ToUtf8(text::utf8ToUtf16(s));
    FUZZ_REQUIRE(text::utf16ToUtf8(text::utf8ToUtf16(clean)) == clean);
    const std::string wideAsUtf8 = text::utf16ToUtf8(wide);
    FUZZ_REQUIRE(text::utf16ToUtf8(text::utf8ToUtf16(wideAsUtf8)) == wideAsUtf8);

    // Any UTF-16, lone surrogates included, becomes GBK; at most two bytes per unit.
    const std::string narrowed = text::utf16ToGbk(wide);
    FUZZ_REQUIRE(narrowed.size() <= wide.size() * 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::size_t limit = input.ConsumeIntegralInRange<std::size_t>(0, 300);
    const std::string s = input.ConsumeRandomLengthString(1024);
    std::u16string wide;
    while (input.remaining_bytes() >= 2) wide.push_back(input.ConsumeIntegral<char16_t>());
    checkPathHelpers(s, limit);
    checkConversions(s, wide);
    return 0;
}
