#pragma once
// Access to the settings file and the other INI files of the program
// (plug-in descriptors). Every access is one system call on one key; nothing
// is cached, and no operation reports an error.
#include <string>
#include <vector>

namespace settings {

// `value` of `key` in `section`: at most 127 characters, cut at the first NUL,
// blanks removed at both ends; "" for a missing file, section or key.
std::wstring ReadIniValue(const std::wstring& file, const std::wstring& section,
                          const std::wstring& key);

// Stores `value`, cut to its first 128 characters (and at a NUL inside it).
// A failing write is ignored.
void WriteIniValue(const std::wstring& file, const std::wstring& section,
                   const std::wstring& key, const std::wstring& value);

// The key=value lines of `section` in file order, read through a buffer of
// 32767 characters: of a longer section only the lines that fit whole come
// back, never the line the buffer cuts. Empty for a missing section or a
// section without lines.
std::vector<std::wstring> ReadIniSection(const std::wstring& section, const std::wstring& file);

// "major.minor" of the running Windows, for example "5.1" or "6.1"; "" when the
// system does not answer.
std::wstring GetWindowsVersionText();

// The program's folder: without a trailing backslash, except for the root of a
// drive ("C:\"). Every data file is AppPath + a backslash-led name.
std::wstring AppPathOf(const std::wstring& executablePath);
std::wstring AppPath();

// AppPath + "\sorvd.dat".
std::wstring SettingsFile(const std::wstring& appPath);

}  // namespace settings
