// sorvane-cli: the console front end.
#include <vector>

#include "cli/ConsoleFrontEnd.h"
#include "platform/Console.h"
#include "platform/Process.h"
#include "settings/Inifun.h"

int wmain(int argc, wchar_t** argv) {
  std::vector<std::wstring> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  platform::Win32ProcessLauncher processes;
  cli::ConsoleIo io{&platform::WriteStdout, &platform::WriteStderr};
  int code = cli::RunConsole(arguments, settings::AppPath(), processes, io);
  platform::EndProcess(code);
}
