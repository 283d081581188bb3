#include "support/Programs.h"

#include <windows.h>

#include "support/TempDir.h"

namespace test {

unsigned long RunProgram(const std::wstring& commandLine, std::string& output) {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return 1000;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  std::wstring line = commandLine;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                      &process)) {
    CloseHandle(readEnd);
    CloseHandle(writeEnd);
    return 1001;
  }
  CloseHandle(writeEnd);
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0) output.append(buffer, got);
  DWORD code = 1002;
  if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  CloseHandle(readEnd);
  return code;
}

std::wstring BuiltProgram(const std::wstring& fileName) {
  return WindowsPathOf(SORVANE_BIN_DIR) + L"\\" + fileName;
}

}  // namespace test
