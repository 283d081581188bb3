#include "engine/CookieFiles.h"

#include <algorithm>
#include <functional>

#include "engine/UserFolders.h"
#include "platform/FileSystem.h"
#include "platform/Files.h"

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
    const std::wstring full = CookieFilePath(*path, name);
    if (std::find(keep.begin(), keep.end(), full) != keep.end()) return true;
    // The keep file holds a path the code page cannot hold as the code page
    // gives it (a stand-in for each character it lacks), so such a path is
    // looked for in that form; a file whose path reads the same is spared too.
    const std::string stored = platform::ToAnsi(full);
    if (platform::FromAnsi(stored) == full) return false;
    return std::any_of(keep.begin(), keep.end(),
                       [&](const std::wstring& line) { return platform::ToAnsi(line) == stored; });
  };
  return EraseFilesInFolderExcept(folder, kept, yield);
}

}  // namespace engine
