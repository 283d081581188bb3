#pragma once
// The browser's cookie files: the cookie folder, the files the cookie keep
// dialog offers, and the erasing of every cookie file the keep list does not
// protect (the Internet Explorer and AOL Explorer cookie items).
#include <string>
#include <vector>

#include "engine/Folder.h"
#include "engine/allerase.h"

namespace engine {

// The cookie folder recorded under User Shell Folders ("Cookies").
Folder CookieFolder();

// The full path of a file of the cookie folder as the folder walk reports it
// and the cookie keep list holds it: the folder, a backslash, the file name.
std::wstring CookieFilePath(const std::wstring& folder, const std::wstring& name);

// The files directly in the folder (subfolders are not entered) whose name
// contains ".txt", letter case as written, as full paths in the order the
// file system lists them. Empty for the no-folder state or a missing folder.
std::vector<std::wstring> CookieFilesOffered(const Folder& folder);

// For each file directly in the folder, in listing order: a hidden file is
// reset to normal; a file whose full path equals a line of `keep` exactly
// (letter case and blanks included) is left alone and not counted (a path
// that the code page cannot hold is compared as the keep file stores it, in
// the code page); any other file is counted and deleted without force (a file
// that cannot be deleted is still counted). Yields after each file. Returns
// the bytes counted. The walk is the erase primitives'
// (EraseFilesInFolderExcept), with their checks of the folder: subfolders are
// never entered, and a drive or share root, or a link that leads to one, is
// not worked in.
double EraseCookieFiles(const Folder& folder, const std::vector<std::wstring>& keep, const YieldHook& yield);

}  // namespace engine
