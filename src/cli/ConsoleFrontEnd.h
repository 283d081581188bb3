#pragma once
// The console front end: one cleaning run on the settings file beside the
// executable, its rows printed as they end.
#include <functional>
#include <string>
#include <vector>

namespace platform {
class IProcessLauncher;
}

namespace cli {

// Where the console front end prints: standard output and error output.
struct ConsoleIo {
  std::function<void(const std::wstring&)> Write;
  std::function<void(const std::wstring&)> WriteError;
};

// Runs the console front end with the arguments after the program name, on
// the settings beside `appPath`. Returns the process exit code.
int RunConsole(const std::vector<std::wstring>& arguments, const std::wstring& appPath,
               platform::IProcessLauncher& processes, const ConsoleIo& io);

std::wstring UsageText();

}  // namespace cli
