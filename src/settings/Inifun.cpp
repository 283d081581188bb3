#include "settings/Inifun.h"

#include "platform/Ini.h"
#include "platform/System.h"
#include "settings/Text.h"

namespace settings {

namespace {
constexpr std::size_t kValueBuffer = 128;
constexpr std::size_t kSectionBuffer = 32767;
}  // namespace

std::wstring ReadIniValue(const std::wstring& file, const std::wstring& section,
                          const std::wstring& key) {
  if (file.empty()) return {};
  return Trim(TrimAtNul(platform::IniGetString(file, section, key, kValueBuffer)));
}

void WriteIniValue(const std::wstring& file, const std::wstring& section,
                   const std::wstring& key, const std::wstring& value) {
  if (file.empty()) return;
  std::wstring stored = TrimAtNul(value);
  if (stored.size() > kValueBuffer) stored.resize(kValueBuffer);
  platform::IniWriteString(file, section, key, stored);
}

std::vector<std::wstring> ReadIniSection(const std::wstring& section, const std::wstring& file) {
  std::vector<std::wstring> lines;
  if (file.empty()) return lines;
  std::wstring raw = platform::IniGetSection(file, section, kSectionBuffer);
  // A section that does not fit comes back filling the buffer but for its two
  // closing NULs, its last line cut short. That piece is not the line the
  // file holds (a cut path can name a folder or key above the one meant), so
  // it is left out with everything after it.
  if (raw.size() + 2 >= kSectionBuffer) {
    std::size_t end = raw.find_last_not_of(L'\0');
    std::size_t last = end == std::wstring::npos ? std::wstring::npos : raw.find_last_of(L'\0', end);
    raw.resize(last == std::wstring::npos ? 0 : last + 1);
  }
  std::size_t start = 0;
  while (start < raw.size()) {
    std::size_t nul = raw.find(L'\0', start);
    std::size_t end = nul == std::wstring::npos ? raw.size() : nul;
    if (end == start) break;  // an empty piece ends the data
    lines.emplace_back(raw, start, end - start);
    if (nul == std::wstring::npos) break;
    start = nul + 1;
  }
  return lines;
}

std::wstring GetWindowsVersionText() {
  int major = 0;
  int minor = 0;
  if (!platform::WindowsVersion(major, minor)) return {};
  return std::to_wstring(major) + L"." + std::to_wstring(minor);
}

std::wstring AppPathOf(const std::wstring& executablePath) {
  std::size_t slash = executablePath.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return {};
  std::wstring folder = executablePath.substr(0, slash);
  // The root of a drive keeps its backslash: "C:\".
  if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
  return folder;
}

std::wstring AppPath() { return AppPathOf(platform::ExecutablePath()); }

std::wstring SettingsFile(const std::wstring& appPath) { return appPath + L"\\sorvd.dat"; }

}  // namespace settings
