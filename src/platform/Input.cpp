#include "platform/Input.h"

#include <windows.h>

#include "platform/MessagePump.h"

namespace platform {
namespace {

struct NamedKey {
  const wchar_t* Name;
  WORD Key;
};

constexpr NamedKey kNamedKeys[] = {
    {L"ENTER", VK_RETURN}, {L"ESC", VK_ESCAPE},   {L"TAB", VK_TAB},      {L"SPACE", VK_SPACE},
    {L"BACKSPACE", VK_BACK}, {L"DELETE", VK_DELETE}, {L"UP", VK_UP},     {L"DOWN", VK_DOWN},
    {L"LEFT", VK_LEFT},    {L"RIGHT", VK_RIGHT},  {L"HOME", VK_HOME},    {L"END", VK_END},
};

// How often the front window is looked at while waiting for the program's own.
constexpr DWORD kFrontPollMilliseconds = 50;

WORD KeyOfCharacter(wchar_t c) {
  if (c >= L'a' && c <= L'z') return static_cast<WORD>(c - L'a' + L'A');
  if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) return static_cast<WORD>(c);
  if (c == L' ') return VK_SPACE;
  return 0;
}

WORD KeyOfName(const std::wstring& name) {
  if (name.size() == 1) return KeyOfCharacter(name[0]);
  for (const NamedKey& key : kNamedKeys) {
    if (CompareStringOrdinal(name.c_str(), -1, key.Name, -1, TRUE) == CSTR_EQUAL) return key.Key;
  }
  return 0;
}

}  // namespace

std::vector<unsigned short> ParseKeySequence(const std::wstring& sequence) {
  std::vector<unsigned short> keys;
  std::size_t i = 0;
  while (i < sequence.size()) {
    WORD key = 0;
    if (sequence[i] == L'{') {
      const std::size_t close = sequence.find(L'}', i + 1);
      if (close == std::wstring::npos) return {};
      key = KeyOfName(sequence.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      key = KeyOfCharacter(sequence[i]);
      ++i;
    }
    if (key == 0) return {};
    keys.push_back(key);
  }
  return keys;
}

bool Win32KeySender::SendKeysAndWait(const std::wstring& sequence, std::uint32_t toProcess) {
  const std::vector<unsigned short> keys = ParseKeySequence(sequence);
  if (keys.empty() || toProcess == 0) return false;
  std::vector<INPUT> inputs;
  for (unsigned short key : keys) {
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = key;
    INPUT up = down;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(down);
    inputs.push_back(up);
  }
  // The program's window may take a moment to come to the front; until it
  // does, the keys would land in whatever window the user is working in.
  HWND target = nullptr;
  for (DWORD waited = 0;; waited += kFrontPollMilliseconds) {
    target = GetForegroundWindow();
    DWORD processId = 0;
    if (target) GetWindowThreadProcessId(target, &processId);
    if (processId == toProcess) break;
    if (waited >= frontWait_) return false;
    Sleep(kFrontPollMilliseconds);
  }
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent != inputs.size()) return false;
  // Waits until the receiving program has taken its input: our own windows
  // by handling our queue, another program's until it is idle again.
  if (toProcess == GetCurrentProcessId()) {
    PumpPendingMessages();
    return true;
  }
  if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, toProcess)) {
    WaitForInputIdle(process, 2000);
    CloseHandle(process);
  }
  return true;
}

}  // namespace platform
