#include "platform/FileInfo.h"

#include <windows.h>

#include "platform/DateTimeText.h"

#include <algorithm>

namespace platform {
namespace {

bool VisibleWithAttribute(const std::wstring& path, bool folder) {
  if (path.empty() || path.find_first_of(L"*?") != std::wstring::npos) return false;
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  if (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) return false;
  return ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folder;
}

std::wstring WithoutTrailingSlash(std::wstring path) {
  while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  return path;
}

bool AddTreeSize(const std::wstring& folder, std::uint64_t& total, int depth) {
  if (depth > 256) return false;
  WIN32_FIND_DATAW data;
  const std::wstring base = folder.back() == L'\\' ? folder : folder + L"\\";
  HANDLE find = FindFirstFileW((base + L"*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
  bool ok = true;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
      if (!AddTreeSize(base + name, total, depth + 1)) ok = false;
    } else {
      total += (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }
  } while (ok && FindNextFileW(find, &data));
  FindClose(find);
  return ok;
}

}  // namespace

bool VisibleFileExists(const std::wstring& path) { return VisibleWithAttribute(path, false); }
bool VisibleFolderExists(const std::wstring& path) { return VisibleWithAttribute(path, true); }

std::optional<std::uint64_t> FileSizeOf(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::optional<std::uint64_t> FolderTreeSize(const std::wstring& path) {
  if (path.empty()) return std::nullopt;
  const std::wstring folder = WithoutTrailingSlash(path);
  DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
  std::uint64_t total = 0;
  if (!AddTreeSize(folder, total, 0)) return std::nullopt;
  return total;
}

std::optional<std::wstring> LastModifiedText(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (path.empty() || !GetFileAttributesExW(WithoutTrailingSlash(path).c_str(), GetFileExInfoStandard, &data))
    return std::nullopt;
  SYSTEMTIME utc{};
  SYSTEMTIME local{};
  if (!FileTimeToSystemTime(&data.ftLastWriteTime, &utc) ||
      !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
    return std::nullopt;
  std::wstring text = DateTimeText(local);
  if (text.empty()) return std::nullopt;
  return text;
}

std::vector<std::wstring> FileNamesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  if (folder.empty()) return names;
  WIN32_FIND_DATAW data;
  const std::wstring base = folder.back() == L'\\' ? folder : folder + L"\\";
  HANDLE find = FindFirstFileW((base + L"*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(data.cFileName);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_LESS_THAN;
  });
  return names;
}

}  // namespace platform
