#pragma once

#include <windows.h>

#include <string>

namespace tw {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);

// The system's text for an error code, without the trailing line break.
std::string SystemMessage(DWORD code);

}  // namespace tw
