#pragma once
#include <string>

namespace shell {

// The argument part of a process command line: the text after the program's
// name (quoted or not) and the blanks that follow it.
std::wstring ArgumentPart(const std::wstring& commandLine);

}  // namespace shell
