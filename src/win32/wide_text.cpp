#include "win32/wide_text.h"

#include "text/gbk_codec.h"

namespace win {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows keeps UTF-16 in wchar_t");

std::wstring wide(const std::string& gbkText) {
    const std::u16string utf16 = text::gbkToUtf16(gbkText);
    return std::wstring(utf16.begin(), utf16.end());
}

std::string gbk(const wchar_t* utf16, std::size_t length) {
    return text::utf16ToGbk(std::u16string(utf16, utf16 + length));
}

std::string gbk(const std::wstring& utf16) { return gbk(utf16.data(), utf16.size()); }

}  // namespace win
