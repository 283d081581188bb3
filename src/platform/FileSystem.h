#pragma once
// The file-system operations the erase primitives are built on, over the
// system's wide functions (paths may be long, "\\?\"-prefixed, and hold any
// character). Each call stands alone; nothing is kept between calls.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

inline constexpr std::uint32_t kAttributeReadOnly = 0x1;
inline constexpr std::uint32_t kAttributeHidden = 0x2;
inline constexpr std::uint32_t kAttributeSystem = 0x4;
inline constexpr std::uint32_t kAttributeDirectory = 0x10;
inline constexpr std::uint32_t kAttributeNormal = 0x80;
inline constexpr std::uint32_t kAttributeReparsePoint = 0x400;

// One file or folder directly in a folder, as the listing gives it.
struct FolderEntry {
  std::wstring Name;
  std::uint32_t Attributes = 0;
  std::uint64_t Size = 0;  // bytes; 0 for folders

  bool IsFolder() const { return (Attributes & kAttributeDirectory) != 0; }
  // A junction, a symbolic link or another reparse point.
  bool IsLink() const { return (Attributes & kAttributeReparsePoint) != 0; }
  bool IsHidden() const { return (Attributes & kAttributeHidden) != 0; }
  bool IsReadOnly() const { return (Attributes & kAttributeReadOnly) != 0; }
};

// The files and folders directly in `folder` ("." and ".." left out), in the
// order the file system lists them. False when the folder cannot be listed.
bool ListFolderEntries(const std::wstring& folder, std::vector<FolderEntry>& entries);

// The attributes of a file or folder; nullopt when it cannot be read (missing).
std::optional<std::uint32_t> PathAttributes(const std::wstring& path);

// The attributes and size of one file or folder (Name left empty); nullopt
// when it cannot be read (missing).
std::optional<FolderEntry> PathEntry(const std::wstring& path);

// Sets the attributes; 0 means normal (read-only, hidden, system, archive cleared).
bool SetPathAttributes(const std::wstring& path, std::uint32_t attributes);

// Deletes a file. A read-only file is not deleted.
bool DeletePlainFile(const std::wstring& path);

// Removes an empty folder.
bool RemoveEmptyFolder(const std::wstring& path);

// Creates one folder (its parent must exist).
bool CreateFolderAt(const std::wstring& path);

// Removes a junction or symbolic link itself, never what it points to: the
// link is opened as a link, and removed only when the opened object proves to
// be the link. Where the system cannot open a link as a link, nothing is
// removed. With `force` a read-only link is removed as well.
bool RemoveLinkItself(const std::wstring& path, bool force);

// Registers a file for deletion at the next restart.
bool ScheduleDeleteAtRestart(const std::wstring& path);

// What a path finally leads to with every link on it followed, as the system
// names it ("\\?\C:\Users\Ann", "\\?\UNC\server\share\x"); "" when it
// cannot be opened or named by a drive letter or share.
std::wstring FinalPathName(const std::wstring& path);

// The full, normalised form of a path (".", ".." and "/" resolved) as the
// system computes it; "" on failure.
std::wstring FullPathName(const std::wstring& path);

}  // namespace platform
