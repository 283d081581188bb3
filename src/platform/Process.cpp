#include "platform/Process.h"

#include <windows.h>

#include <vector>

namespace platform {
namespace {

// How long a program started for input may take to be ready for it.
constexpr DWORD kInputReadyMilliseconds = 10000;

enum class Wait { None, ForEnd, ForInput };

// Starts the program; gives its process id, or 0 when it could not be started.
DWORD Start(const std::wstring& commandLine, WORD show, Wait wait) {
  if (commandLine.empty()) return 0;
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return 0;
  }
  if (wait == Wait::ForEnd) WaitForSingleObject(process.hProcess, INFINITE);
  if (wait == Wait::ForInput) WaitForInputIdle(process.hProcess, kInputReadyMilliseconds);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return process.dwProcessId;
}

}  // namespace

bool Win32ProcessLauncher::StartMinimized(const std::wstring& commandLine) {
  return Start(commandLine, SW_SHOWMINIMIZED, Wait::None) != 0;
}

bool Win32ProcessLauncher::RunHiddenAndWait(const std::wstring& commandLine) {
  return Start(commandLine, SW_HIDE, Wait::ForEnd) != 0;
}

bool Win32ProcessLauncher::StartHidden(const std::wstring& commandLine) {
  return Start(commandLine, SW_HIDE, Wait::None) != 0;
}

std::optional<std::uint32_t> Win32ProcessLauncher::StartHiddenForInput(const std::wstring& commandLine) {
  const DWORD id = Start(commandLine, SW_HIDE, Wait::ForInput);
  if (id == 0) return std::nullopt;
  return id;
}

}  // namespace platform
