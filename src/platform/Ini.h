#pragma once
// INI files through the system's profile functions. Files keep the system's
// ANSI code page; the system converts at the file boundary.
#include <string>

namespace platform {

// The value of `key` in `section` of `file`, with "" as default, read into a
// buffer of `bufferChars` characters (the system cuts what does not fit).
std::wstring IniGetString(const std::wstring& file, const std::wstring& section,
                          const std::wstring& key, std::size_t bufferChars);

// Stores `value` under `key` (the system creates the file and the section).
// Returns false when the system reports a failure.
bool IniWriteString(const std::wstring& file, const std::wstring& section,
                    const std::wstring& key, const std::wstring& value);

// The raw text of a whole section: key=value lines, each ended by a NUL,
// as the system returns it into a buffer of `bufferChars` characters.
std::wstring IniGetSection(const std::wstring& file, const std::wstring& section,
                           std::size_t bufferChars);

// Removes a whole section. Returns false when the system reports a failure.
bool IniDeleteSection(const std::wstring& file, const std::wstring& section);

}  // namespace platform
