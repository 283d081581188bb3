#pragma once
// Basic file-system facts used outside the erase primitives.
#include <string>

namespace platform {

bool FileExists(const std::wstring& path);     // an existing file (not a folder)
bool FolderExists(const std::wstring& path);   // an existing folder

// Code-page conversion at the boundary of the program's text data files,
// which are in the system's ANSI code page.
std::wstring FromAnsi(const std::string& bytes);
std::string ToAnsi(const std::wstring& text);

}  // namespace platform
