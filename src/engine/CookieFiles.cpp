#include "engine/CookieFiles.h"

#include <algorithm>
#include <functional>

#include "engine/UserFolders.h"
#include "platform/FileSystem.h"

namespace engine {

Folder CookieFolder() { return ShellFolderPath(L"Cookies"); }

std::wstring CookieFilePath(const std::wstring& folder, const std::wstring& name) {
  return folder + L"\\" + name;
}

std::vector<std::wstring> CookieFilesOffered(const Folder& folder) {
  std::vector<std::wstring> files;
  const std::wstring* path = folder.Path();
  std::vector<platform::FolderEntry> entries;
  if (!path || !platform::ListFolderEntries(*path, entries)) return files;
  for (const platform::FolderEntry& entry : entries) {
    if (!entry.IsFolder() && entry.Name.find(L".txt") != std::wstring::npos)
      files.push_back(CookieFilePath(*path, entry.Name));
  }
  return files;
}

double EraseCookieFiles(const Folder& folder, const std::vector<std::wstring>& keep, const YieldHook& yield) {
  const std::wstring* path = folder.Path();
  if (!path) return 0;
  // A file is kept when a line names it as the folder walk reports it: the
  // folder as recorded, a backslash and the name.
  const std::function<bool(const std::wstring&)> kept = [&](const std::wstring& name) {
    return std::find(keep.begin(), keep.end(), CookieFilePath(*path, name)) != keep.end();
  };
  return EraseFilesInFolderExcept(folder, kept, yield);
}

}  // namespace engine
