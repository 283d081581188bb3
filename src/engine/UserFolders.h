#pragma once
// The per-user folders and the browser version that the run context holds,
// and the User Shell Folders lookup that handlers also call on their own.
#include <string>

#include "engine/Folder.h"
#include "engine/RunContext.h"

namespace engine {

// The key under which Windows records the per-user folders.
inline constexpr const wchar_t* kUserShellFoldersKey =
    L"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// The folder recorded under User Shell Folders for `name` ("AppData",
// "Cookies", ...): the value cut at its first NUL, blanks removed at both
// ends, "%USERPROFILE%" expanded. The no-folder state when the value cannot be
// read (or is empty).
Folder ShellFolderPath(const std::wstring& name);

// The same reading for a value of another key ("Default Download Directory").
Folder FolderFromRegistry(const std::wstring& keyPath, const std::wstring& valueName);

// When `path` contains "%USERPROFILE%" (exact letters): the USERPROFILE
// variable followed by what comes after the first occurrence (what stands
// before it is dropped, a second occurrence stays as it is). Otherwise `path`
// unchanged. No other variable is expanded.
std::wstring ExpandUserProfile(const std::wstring& path);

// The first character of the trimmed "Version" value of Internet Explorer
// ("" when the value is empty; "E" of "Error" when it cannot be read).
std::wstring ReadIEVersionDigit();

// Fills AppDataFolder, then LocalAppDataFolder.
void FillUserFolders(RunContext& context);

// ReadIEVersionDigit read as a number: its digit, or 0 when it is not a digit.
int ReadIEVersionNumber();

}  // namespace engine
