#pragma once
// Output of the console front end. On a console the text goes out as it is;
// redirected to a file or pipe it is written in the system's ANSI code page.
#include <string>

namespace platform {

void WriteStdout(const std::wstring& text);
void WriteStderr(const std::wstring& text);

// Ends the process at once with `code`.
[[noreturn]] void EndProcess(int code);

}  // namespace platform
