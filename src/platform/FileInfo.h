#pragma once
// Facts about files and folders that lists show: existence as the user sees
// it, sizes, last-modified times, and the files of one folder.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// An existing file (or folder) that has neither the hidden nor the system
// attribute. The path is taken literally: wildcards match nothing.
bool VisibleFileExists(const std::wstring& path);
bool VisibleFolderExists(const std::wstring& path);

// The size of a file in bytes; nullopt for a folder or when it cannot be read.
std::optional<std::uint64_t> FileSizeOf(const std::wstring& path);

// The total size in bytes of every file below a folder, at any depth; nullopt
// when the path is no folder or any folder below it cannot be listed. Linked
// folders (reparse points) below it are not entered.
std::optional<std::uint64_t> FolderTreeSize(const std::wstring& path);

// The last-modified date and time of a file or folder in local time, as text:
// the user's short date, a blank, then the time (as NowAsText gives the
// current moment); nullopt when it cannot be read.
std::optional<std::wstring> LastModifiedText(const std::wstring& path);

// The names of the files (not folders) directly in `folder`, sorted without
// regard to letter case. Empty for a missing folder.
std::vector<std::wstring> FileNamesIn(const std::wstring& folder);

}  // namespace platform
