#include "engine/UserFolders.h"

#include "engine/regfun.h"
#include "platform/System.h"
#include "settings/Text.h"

namespace engine {

Folder FolderFromRegistry(const std::wstring& keyPath, const std::wstring& valueName) {
  // A well-formed constant path: no message can arise, so no prompts are needed.
  const std::wstring value = RegReadString(keyPath, valueName, nullptr);
  if (value == kRegReadStringError) return Folder::None();
  return Folder::At(ExpandUserProfile(settings::Trim(TrimAtNul(value))));
}

Folder ShellFolderPath(const std::wstring& name) { return FolderFromRegistry(kUserShellFoldersKey, name); }

std::wstring ExpandUserProfile(const std::wstring& path) {
  static constexpr std::wstring_view kVariable = L"%USERPROFILE%";
  const std::size_t at = path.find(kVariable);
  if (at == std::wstring::npos) return path;
  return platform::EnvironmentVariable(L"USERPROFILE") + path.substr(at + kVariable.size());
}

std::wstring ReadIEVersionDigit() {
  const std::wstring version = settings::Trim(TrimAtNul(
      RegReadString(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer", L"Version", nullptr)));
  return version.substr(0, 1);
}

void FillUserFolders(RunContext& context) {
  context.AppDataFolder = ShellFolderPath(L"AppData");
  context.LocalAppDataFolder = ShellFolderPath(L"Local AppData");
}

int ReadIEVersionNumber() {
  const std::wstring digit = ReadIEVersionDigit();
  if (digit.size() != 1 || digit[0] < L'0' || digit[0] > L'9') return 0;
  return digit[0] - L'0';
}

}  // namespace engine
