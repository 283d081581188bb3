#pragma once
// The console front end: one cleaning run on the settings file beside the
// executable, its rows printed as they end.
#include <string>
#include <vector>

namespace platform {
class IProcessLauncher;
}

namespace cli {

// Runs the console front end with the arguments after the program name.
// `write` receives everything printed to standard output, `writeError` the
// error output. Returns the process exit code.
struct ConsoleIo {
  void (*Write)(const std::wstring&);
  void (*WriteError)(const std::wstring&);
};

int RunConsole(const std::vector<std::wstring>& arguments, const std::wstring& appPath,
               platform::IProcessLauncher& processes, const ConsoleIo& io);

std::wstring UsageText();

}  // namespace cli
