#include "support/Links.h"

#include <windows.h>

#include <string>

namespace test {
namespace {

using UnixFileName = char*(CDECL*)(const wchar_t*);

// Wine's own export that gives the Unix path of a Windows path; null on Windows.
UnixFileName WineUnixFileName() {
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  return kernel ? reinterpret_cast<UnixFileName>(GetProcAddress(kernel, "wine_get_unix_file_name")) : nullptr;
}

std::wstring Widen(const char* text) {
  std::string narrow(text);
  int needed = MultiByteToWideChar(CP_UTF8, 0, narrow.c_str(), -1, nullptr, 0);
  std::wstring wide(needed > 0 ? needed - 1 : 0, L'\0');
  if (needed > 1) MultiByteToWideChar(CP_UTF8, 0, narrow.c_str(), -1, wide.data(), needed);
  return wide;
}

std::wstring UnixPathOf(const std::wstring& windowsPath) {
  UnixFileName convert = WineUnixFileName();
  if (!convert) return {};
  char* unixPath = convert(windowsPath.c_str());
  if (!unixPath) return {};
  std::wstring result = Widen(unixPath);
  HeapFree(GetProcessHeap(), 0, unixPath);
  return result;
}

// Under Wine a Windows program may start a Unix program; it is not waited
// for, so the caller polls for its effect.
bool StartUnixProgram(const std::wstring& commandLine) {
  std::wstring line = commandLine;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  // For a Unix program Wine hands back no process handle, and the thread
  // handle field then holds no handle at all: closing it could close another.
  if (process.hProcess) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  return true;
}

template <typename Done>
bool WaitFor(Done done) {
  for (int i = 0; i < 500; ++i) {
    if (done()) return true;
    Sleep(10);
  }
  return done();
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

// The Unix path of a link that does not exist yet: its folder's path plus its name.
std::wstring UnixPathOfNew(const std::wstring& windowsPath) {
  const std::size_t slash = windowsPath.rfind(L'\\');
  if (slash == std::wstring::npos) return {};
  const std::wstring folder = UnixPathOf(windowsPath.substr(0, slash));
  return folder.empty() ? folder : folder + L"/" + windowsPath.substr(slash + 1);
}

bool MakeLink(const std::wstring& link, const std::wstring& target, bool folder) {
  if (WineUnixFileName()) {
    const std::wstring unixTarget = UnixPathOf(target);
    const std::wstring unixLink = UnixPathOfNew(link);
    if (unixTarget.empty() || unixLink.empty()) return false;
    if (!StartUnixProgram(L"Z:\\bin\\ln -s " + Quoted(unixTarget) + L" " + Quoted(unixLink))) return false;
    return WaitFor([&] { return Exists(link); });
  }
  DWORD flags = (folder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) | 0x2 /* allow unprivileged create */;
  return CreateSymbolicLinkW(link.c_str(), target.c_str(), flags) != FALSE;
}

}  // namespace

bool UnderWine() { return WineUnixFileName() != nullptr; }

bool MakeFolderLink(const std::wstring& link, const std::wstring& target) { return MakeLink(link, target, true); }

bool MakeFileLink(const std::wstring& link, const std::wstring& target) { return MakeLink(link, target, false); }

void RemoveLink(const std::wstring& link) {
  if (WineUnixFileName()) {
    const std::wstring unixLink = UnixPathOfNew(link);
    if (unixLink.empty() || !StartUnixProgram(L"Z:\\bin\\rm -f " + Quoted(unixLink))) return;
    WaitFor([&] { return !Exists(link); });
    return;
  }
  // On Windows removing a folder link removes the link only.
  if (!Exists(link)) return;
  if (!RemoveDirectoryW(link.c_str())) DeleteFileW(link.c_str());
}

MappedDrive::MappedDrive(const std::wstring& folder) {
  for (wchar_t letter = L'Q'; letter <= L'Y'; ++letter) {
    const std::wstring root = std::wstring(1, letter) + L":\\";
    if (GetDriveTypeW(root.c_str()) != DRIVE_NO_ROOT_DIR) continue;
    if (WineUnixFileName()) {
      // Wine keeps its drive letters as links in the prefix's dosdevices folder.
      wchar_t prefix[MAX_PATH] = {};
      if (GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH) == 0) return;
      const std::wstring unixFolder = UnixPathOf(folder);
      if (unixFolder.empty()) return;
      const std::wstring link = std::wstring(prefix) + L"/dosdevices/" + static_cast<wchar_t>(towlower(letter)) + L":";
      if (!StartUnixProgram(L"Z:\\bin\\ln -s " + Quoted(unixFolder) + L" " + Quoted(link))) return;
      if (!WaitFor([&] { return Exists(root); })) return;
      unixLink_ = link;
    } else {
      const std::wstring device = std::wstring(1, letter) + L":";
      if (!DefineDosDeviceW(0, device.c_str(), folder.c_str())) return;
    }
    letter_ = letter;
    return;
  }
}

MappedDrive::~MappedDrive() {
  if (!letter_) return;
  const std::wstring root = Root();
  if (!unixLink_.empty()) {
    StartUnixProgram(L"Z:\\bin\\rm -f " + Quoted(unixLink_));
    WaitFor([&] { return !Exists(root); });
  } else {
    const std::wstring device = std::wstring(1, letter_) + L":";
    DefineDosDeviceW(DDD_REMOVE_DEFINITION, device.c_str(), nullptr);
  }
}

}  // namespace test
