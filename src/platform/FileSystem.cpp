#include "platform/FileSystem.h"

#include <windows.h>

namespace platform {

bool ListFolderEntries(const std::wstring& folder, std::vector<FolderEntry>& entries) {
  entries.clear();
  if (folder.empty()) return false;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &data,
                                 FindExSearchNameMatch, nullptr, 0);
  if (find == INVALID_HANDLE_VALUE) return false;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    FolderEntry entry;
    entry.Name = name;
    entry.Attributes = data.dwFileAttributes;
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      entry.Size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    entries.push_back(std::move(entry));
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return true;
}

std::optional<std::uint32_t> PathAttributes(const std::wstring& path) {
  if (path.empty()) return std::nullopt;
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

std::optional<FolderEntry> PathEntry(const std::wstring& path) {
  if (path.empty()) return std::nullopt;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  FolderEntry entry;
  entry.Attributes = data.dwFileAttributes;
  if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    entry.Size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return entry;
}

bool SetPathAttributes(const std::wstring& path, std::uint32_t attributes) {
  if (path.empty()) return false;
  return SetFileAttributesW(path.c_str(), attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes) != FALSE;
}

bool DeletePlainFile(const std::wstring& path) {
  return !path.empty() && DeleteFileW(path.c_str()) != FALSE;
}

bool RemoveEmptyFolder(const std::wstring& path) {
  return !path.empty() && RemoveDirectoryW(path.c_str()) != FALSE;
}

bool CreateFolderAt(const std::wstring& path) {
  return !path.empty() && CreateDirectoryW(path.c_str(), nullptr) != FALSE;
}

bool RemoveLinkItself(const std::wstring& path, bool force) {
  if (path.empty()) return false;
  HANDLE link = CreateFileW(path.c_str(), DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (link == INVALID_HANDLE_VALUE) return false;
  bool removed = false;
  // Only an object that is itself a reparse point is the link: a system that
  // followed the link while opening it hands back the target, which stays.
  FILE_ATTRIBUTE_TAG_INFO tag{};
  if (GetFileInformationByHandleEx(link, FileAttributeTagInfo, &tag, sizeof(tag)) &&
      (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && tag.ReparseTag != 0) {
    if (tag.FileAttributes & FILE_ATTRIBUTE_READONLY) {
      if (force) {
        FILE_BASIC_INFO basic{};
        if (GetFileInformationByHandleEx(link, FileBasicInfo, &basic, sizeof(basic))) {
          basic.FileAttributes &= ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
          SetFileInformationByHandle(link, FileBasicInfo, &basic, sizeof(basic));
        }
      }
    }
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    removed = SetFileInformationByHandle(link, FileDispositionInfo, &disposition, sizeof(disposition)) != FALSE;
  }
  CloseHandle(link);
  return removed;
}

bool ScheduleDeleteAtRestart(const std::wstring& path) {
  return !path.empty() && MoveFileExW(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}

std::wstring FinalPathName(const std::wstring& path) {
  if (path.empty()) return {};
  HANDLE handle = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return {};
  std::wstring name(MAX_PATH, L'\0');
  DWORD got = GetFinalPathNameByHandleW(handle, name.data(), static_cast<DWORD>(name.size()),
                                        FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  if (got >= name.size()) {
    name.assign(got + 1, L'\0');
    got = GetFinalPathNameByHandleW(handle, name.data(), static_cast<DWORD>(name.size()),
                                    FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  }
  CloseHandle(handle);
  if (got == 0 || got >= name.size()) return {};
  name.resize(got);
  return name;
}

std::wstring FullPathName(const std::wstring& path) {
  if (path.empty()) return {};
  DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return {};
  std::wstring full(needed, L'\0');
  DWORD got = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (got == 0 || got >= needed) return {};
  full.resize(got);
  return full;
}

}  // namespace platform
