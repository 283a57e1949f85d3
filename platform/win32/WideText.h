// UTF-8 <-> UTF-16 for the wide Windows calls. Malformed text, and text holding a null character (which the wide
// calls would silently cut at), is refused rather than converted with replacement characters.
#pragma once

#include <string>

namespace platform {

bool toWide(const std::string& text, std::wstring& wide);
bool fromWide(const wchar_t* wide, size_t length, std::string& text);

}  // namespace platform
