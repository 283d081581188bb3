#pragma once
// The erase primitives: every file, folder, registry and INI erase of a
// cleaning run goes through these operations. They never report failure: a
// step that fails is skipped and the operation goes on with the next one, so a
// handler may call them on locations that do not exist. They hold nothing
// between calls.
//
// File and folder operations return the bytes they account for: the size of
// a file is counted before its delete is tried, so a file that cannot be
// deleted (read-only, in use) is still counted. A hidden file or folder met by
// a walk is reset to normal attributes (read-only, system and archive cleared
// too) whether or not it matches.
//
// Matching: a file name is compared exactly, letter case included; a file's
// extension (the text after the last dot of its name, "" without a dot) and a
// folder's name are lower-cased and compared with the argument as it stands,
// so callers pass extensions and folder names in lower case ("wab", "cache").
//
// What is never erased:
//  - a location built on the no-folder state, an empty or relative path, a
//    path with wildcards or a stream name ("file.txt:stream"), and a path too
//    long for the system: nothing at all;
//  - a drive or share root ("C:\", "\\server\share"): no folder operation
//    walks, empties or removes a whole root, named or reached through a link
//    that the caller names;
//  - anything behind a link: a walk never enters a junction or symbolic link
//    it finds below the folder it was given; nothing behind it is counted or
//    deleted, and where a folder is removed as a whole only the link itself
//    goes. The folder the caller names may itself be a link and is used as named.
#include <functional>
#include <string>
#include <string_view>

#include "engine/Folder.h"
#include "platform/Registry.h"

namespace engine {

// Hands control to the message queue for a moment (RunContext::Yield).
using YieldHook = std::function<void()>;

// Tree walks: the folder and all its subfolders, depth first, the files of a
// folder before its subfolders.

// Files named exactly `fileName`. Yields before and after each file and after
// each subfolder.
double EraseFilesNamed(const Folder& folder, std::wstring_view fileName, const YieldHook& yield);

// Every file; all folders stay.
double EraseFolderFiles(const Folder& folder);

// Files whose lower-cased extension equals `extension` ("" for files without one).
double EraseFilesByExtension(const Folder& folder, std::wstring_view extension);

// Subfolders at any depth whose lower-cased name equals `folderName`, with all
// their contents, deleted without force (read-only items and the folders that
// hold them stay). The folder given itself is never removed.
double EraseFoldersNamed(const Folder& folder, std::wstring_view folderName);

// Everything in the folder, deleted with force; the folder is left in place,
// empty, with normal attributes. A missing folder is created (when its parent
// exists). Returns the folder's former size.
double EmptyFolder(const Folder& folder);

// One-folder operations: only the files directly in the folder.

// Every file, deleted without force.
double EraseFilesInFolder(const Folder& folder);

// Files named exactly `fileName`. Yields after each file of the folder.
double EraseFileNamedInFolder(const Folder& folder, std::wstring_view fileName, const YieldHook& yield);

// Files whose lower-cased extension equals `extension`. Yields after each file.
double EraseFilesByExtensionInFolder(const Folder& folder, std::wstring_view extension,
                                     const YieldHook& yield);

// Every file directly in the folder except those `keeps` spares (it is given
// each file's name): for each file in listing order a hidden file is reset to
// normal (a spared one too); a file not spared is counted, then deleted
// without force (a file that cannot be deleted is still counted); a file that
// is a link loses only the link and counts nothing. Yields after each file.
double EraseFilesInFolderExcept(const Folder& folder, const std::function<bool(const std::wstring&)>& keeps,
                                const YieldHook& yield);

// Single items named by their full path (entries of the custom list, files a
// handler has chosen one by one).

// One file: its size is counted, then it is deleted without force (a
// read-only file stays, counted). A folder, or nothing, at the path gives 0.
double EraseFile(const Location& file);

// One folder as a whole: the size of every file below it is counted, then it
// is deleted with everything in it, without force (read-only items and the
// folders that hold them stay). A folder that is itself a link is used as
// named: what is in it is deleted, then the link itself goes, never the
// folder it points to.
double EraseFolder(const Location& folder);

// Registry operations. `root` is a predefined root handle value (0x80000001
// for the current user, ...); `subkey` the path below it, which must name a
// key below the root (an empty subkey removes nothing). They return a fixed
// weight for the run's registry total, whether or not anything was removed.

// The key with its values, when it has no subkeys (a key with subkeys stays).
// A key that does not exist is not created. Returns 3.
int DeleteRegistryKey(platform::RegistryRoot root, std::wstring_view subkey);

// The key with its values and every subkey at any depth. Returns 5.
int DeleteRegistryTree(platform::RegistryRoot root, std::wstring_view subkey);

// One value ("" for the key's default value). Returns 1.
int DeleteRegistryValue(platform::RegistryRoot root, std::wstring_view subkey, std::wstring_view valueName);

// Removes a whole section with all its keys from an existing INI file; the
// rest of the file stays as it was.
void DeleteIniSection(const Location& file, std::wstring_view section);

// Schedules a file for deletion at the next restart. Whether the system
// accepts it is not reported.
void DeleteFileAtReboot(const Location& file);

}  // namespace engine
