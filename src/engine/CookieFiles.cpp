#include "engine/CookieFiles.h"

#include <algorithm>

#include "engine/UserFolders.h"
#include "platform/FileSystem.h"

namespace engine {
namespace {

bool IsLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

std::wstring WithoutTrailingBackslashes(std::wstring path) {
  while (!path.empty() && path.back() == L'\\') path.pop_back();
  return path;
}

// Whether a full path ("C:\x", "\\server\share\x", with or without the
// long-path prefix) names a whole drive or share.
bool IsRootPath(std::wstring path) {
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) {
    path = L"\\\\" + path.substr(8);
  } else if (path.compare(0, 4, L"\\\\?\\") == 0) {
    path = path.substr(4);
  }
  path = WithoutTrailingBackslashes(path);
  if (path.size() == 2 && IsLetter(path[0]) && path[1] == L':') return true;
  if (path.compare(0, 2, L"\\\\") == 0) {
    const std::size_t server = path.find(L'\\', 2);
    return server == std::wstring::npos || path.find(L'\\', server + 1) == std::wstring::npos;
  }
  return false;
}

// The folder's path when the cookie walk may work in it: an absolute path to
// a folder below a drive or share root, reached directly or through a link
// that does not lead to a root.
const std::wstring* WorkableFolder(const Folder& folder) {
  const std::wstring* path = folder.Path();
  if (!path) return nullptr;
  const bool driveAbsolute = path->size() >= 3 && IsLetter((*path)[0]) && (*path)[1] == L':' &&
                             ((*path)[2] == L'\\' || (*path)[2] == L'/');
  const bool unc = path->compare(0, 2, L"\\\\") == 0;
  if (!driveAbsolute && !unc) return nullptr;
  const std::wstring full = platform::FullPathName(*path);
  if (full.empty() || IsRootPath(full)) return nullptr;
  const std::optional<std::uint32_t> attributes = platform::PathAttributes(*path);
  if (!attributes || !(*attributes & platform::kAttributeDirectory)) return nullptr;
  if (*attributes & platform::kAttributeReparsePoint) {
    const std::wstring target = platform::FinalPathName(*path);
    if (target.empty() || IsRootPath(target)) return nullptr;
  }
  return path;
}

}  // namespace

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
  const std::wstring* path = WorkableFolder(folder);
  if (!path) return 0;
  std::vector<platform::FolderEntry> entries;
  if (!platform::ListFolderEntries(*path, entries)) return 0;
  // Deletes go to the folder named once, whatever backslashes its value ends with.
  const std::wstring deleteFolder = WithoutTrailingBackslashes(*path);
  double bytes = 0;
  for (const platform::FolderEntry& entry : entries) {
    if (entry.IsFolder()) continue;
    const std::wstring listed = CookieFilePath(*path, entry.Name);
    const std::wstring file = CookieFilePath(deleteFolder, entry.Name);
    if (entry.IsHidden() && !entry.IsLink()) platform::SetPathAttributes(file, 0);
    const bool kept = std::find(keep.begin(), keep.end(), listed) != keep.end();
    if (!kept) bytes += EraseFile(Location::At(file));
    if (yield) yield();
  }
  return bytes;
}

}  // namespace engine
