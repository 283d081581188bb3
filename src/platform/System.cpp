#include "platform/System.h"

#include <windows.h>

#include "platform/DateTimeText.h"

#include <vector>

namespace platform {

std::wstring ExecutablePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD got = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (got == 0) return {};
    if (got < buffer.size()) return std::wstring(buffer.data(), got);
    if (buffer.size() > 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring WindowsDirectory() {
  wchar_t buffer[256] = {};
  UINT got = GetWindowsDirectoryW(buffer, 255);
  if (got == 0 || got >= 255) return {};
  return std::wstring(buffer, got);
}

bool WindowsVersion(int& major, int& minor) {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
  BOOL ok = GetVersionExW(&info);
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
  if (!ok) return false;
  major = static_cast<int>(info.dwMajorVersion);
  minor = static_cast<int>(info.dwMinorVersion);
  return true;
}

std::wstring EnvironmentVariable(const std::wstring& name, bool* found) {
  if (found) *found = false;
  SetLastError(ERROR_SUCCESS);
  DWORD needed = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
  if (needed == 0) {
    if (found) *found = GetLastError() != ERROR_ENVVAR_NOT_FOUND;
    return {};
  }
  std::vector<wchar_t> buffer(needed + 1);
  DWORD got = GetEnvironmentVariableW(name.c_str(), buffer.data(), needed + 1);
  if (got > needed) return {};
  if (found) *found = true;
  return std::wstring(buffer.data(), got);
}

std::wstring ProcessCommandLine() {
  const wchar_t* line = GetCommandLineW();
  return line ? std::wstring(line) : std::wstring();
}

std::wstring NowAsText() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return DateTimeText(now);
}

std::wstring DateTimeText(const SYSTEMTIME& local) {
  wchar_t date[128] = {};
  wchar_t time[128] = {};
  if (GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, 128) == 0) date[0] = 0;
  if (GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &local, nullptr, time, 128) == 0) time[0] = 0;
  std::wstring text = date;
  if (!text.empty() && time[0]) text += L' ';
  text += time;
  return text;
}

std::wstring LocaleDecimalSeparator() {
  wchar_t buffer[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 8) <= 1) return L".";
  return buffer;
}

}  // namespace platform
