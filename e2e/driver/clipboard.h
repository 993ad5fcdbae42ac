#pragma once
// The clipboard as another program sees it: plain text in the system code page (CF_TEXT), which
// is what the program puts there.
#include <string>

namespace e2e {

// The CF_TEXT item decoded from GBK; empty when there is none.
std::wstring clipboardAnsiText();
// Replaces the clipboard's contents with this text (as CF_TEXT), so that a later copy can be told
// from what was there before.
bool setClipboardAnsiText(const std::wstring& text);

}  // namespace e2e
