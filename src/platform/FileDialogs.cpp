#include "platform/FileDialogs.h"

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

namespace platform {
namespace {

constexpr DWORD kFileNameChars = 32767;

}  // namespace

std::vector<std::wstring> SplitFileDialogResult(const std::wstring& result) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  while (start < result.size()) {
    std::size_t nul = result.find(L'\0', start);
    std::size_t end = nul == std::wstring::npos ? result.size() : nul;
    if (end == start) break;  // the empty part after the last name
    parts.emplace_back(result, start, end - start);
    if (nul == std::wstring::npos) break;
    start = nul + 1;
  }
  if (parts.size() <= 1) return parts;
  std::wstring folder = parts.front();
  if (folder.back() != L'\\') folder += L'\\';
  std::vector<std::wstring> files;
  for (std::size_t i = 1; i < parts.size(); ++i) files.push_back(folder + parts[i]);
  return files;
}

std::optional<std::vector<std::wstring>> Win32FileDialogs::ChooseFiles(void* owner, const std::wstring& title,
                                                                       const std::wstring& filter) {
  std::wstring filterText = filter;
  for (wchar_t& c : filterText)
    if (c == L'|') c = L'\0';
  filterText.push_back(L'\0');
  std::wstring buffer(kFileNameChars + 1, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = static_cast<HWND>(owner);
  dialog.lpstrFilter = filterText.c_str();
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = kFileNameChars;
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_NODEREFERENCELINKS;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  // The result ends at the first double NUL.
  std::size_t end = buffer.find(std::wstring(2, L'\0'));
  buffer.resize(end == std::wstring::npos ? buffer.size() : end);
  return SplitFileDialogResult(buffer);
}

std::optional<std::wstring> Win32FileDialogs::ChooseFolder(void* owner, const std::wstring& title) {
  BROWSEINFOW browse{};
  browse.hwndOwner = static_cast<HWND>(owner);
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
  // The browser needs COM on this thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&browse);
  wchar_t path[MAX_PATH] = {};
  const BOOL got = item && SHGetPathFromIDListW(item, path);
  if (item) CoTaskMemFree(item);
  if (SUCCEEDED(com)) CoUninitialize();
  if (!got || path[0] == L'\0') return std::nullopt;
  return std::wstring(path);
}

}  // namespace platform
