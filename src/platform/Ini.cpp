#include "platform/Ini.h"

#include <windows.h>

#include <vector>

namespace platform {

std::wstring IniGetString(const std::wstring& file, const std::wstring& section,
                          const std::wstring& key, std::size_t bufferChars) {
  if (bufferChars == 0) return {};
  std::vector<wchar_t> buffer(bufferChars, L'\0');
  DWORD got = GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer.data(),
                                       static_cast<DWORD>(bufferChars), file.c_str());
  if (got >= bufferChars) got = static_cast<DWORD>(bufferChars - 1);
  return std::wstring(buffer.data(), got);
}

bool IniWriteString(const std::wstring& file, const std::wstring& section,
                    const std::wstring& key, const std::wstring& value) {
  return WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(),
                                    file.c_str()) != FALSE;
}

std::wstring IniGetSection(const std::wstring& file, const std::wstring& section,
                           std::size_t bufferChars) {
  if (bufferChars == 0) return {};
  std::vector<wchar_t> buffer(bufferChars, L'\0');
  DWORD got = GetPrivateProfileSectionW(section.c_str(), buffer.data(),
                                        static_cast<DWORD>(bufferChars), file.c_str());
  if (got > bufferChars) got = static_cast<DWORD>(bufferChars);
  return std::wstring(buffer.data(), got);
}

bool IniDeleteSection(const std::wstring& file, const std::wstring& section) {
  return WritePrivateProfileStringW(section.c_str(), nullptr, nullptr, file.c_str()) != FALSE;
}

}  // namespace platform
