#pragma once
// Running one of the built programs the way a script would.
#include <string>

namespace test {

// Runs `commandLine` with standard output and error captured into `output`;
// returns the exit code, or a code of 1000 and above when it cannot run or
// does not end within a minute.
unsigned long RunProgram(const std::wstring& commandLine, std::string& output);

// The full path of a program built beside the test programs ("sorvane-cli.exe").
std::wstring BuiltProgram(const std::wstring& fileName);

}  // namespace test
