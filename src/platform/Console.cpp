#include "platform/Console.h"

#include <windows.h>

#include "platform/Files.h"

namespace platform {
namespace {

void Write(DWORD which, const std::wstring& text) {
  HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty()) return;
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(handle, &mode)) {
    WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  std::wstring crlf;
  crlf.reserve(text.size() + 8);
  for (wchar_t c : text) {
    if (c == L'\n') crlf += L'\r';
    crlf += c;
  }
  const std::string bytes = ToAnsi(crlf);
  WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

void WriteStdout(const std::wstring& text) { Write(STD_OUTPUT_HANDLE, text); }
void WriteStderr(const std::wstring& text) { Write(STD_ERROR_HANDLE, text); }

void EndProcess(int code) {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out && out != INVALID_HANDLE_VALUE) FlushFileBuffers(out);
  ExitProcess(static_cast<UINT>(code));
}

}  // namespace platform
