#include "platform/Process.h"

#include <windows.h>

#include <vector>

namespace platform {
namespace {

bool Start(const std::wstring& commandLine, WORD show, bool wait) {
  if (commandLine.empty()) return false;
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  if (wait) WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

bool Win32ProcessLauncher::StartMinimized(const std::wstring& commandLine) {
  return Start(commandLine, SW_SHOWMINIMIZED, false);
}

bool Win32ProcessLauncher::RunHiddenAndWait(const std::wstring& commandLine) {
  return Start(commandLine, SW_HIDE, true);
}

bool Win32ProcessLauncher::StartHidden(const std::wstring& commandLine) {
  return Start(commandLine, SW_HIDE, false);
}

}  // namespace platform
