#include "support/TempDir.h"

#include <windows.h>

#include <atomic>
#include <stdexcept>

namespace test {
namespace {

std::wstring TempRoot() {
  wchar_t buffer[MAX_PATH + 1] = {};
  DWORD got = GetTempPathW(MAX_PATH + 1, buffer);
  std::wstring root(buffer, got);
  while (!root.empty() && root.back() == L'\\') root.pop_back();
  return root;
}

void MakeParents(const std::wstring& path) {
  for (std::size_t i = 3; i < path.size(); ++i) {
    if (path[i] == L'\\') CreateDirectoryW(path.substr(0, i).c_str(), nullptr);
  }
}

}  // namespace

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  const std::wstring root = TempRoot();
  if (root.size() < 4) throw std::runtime_error("no temporary folder");
  for (int attempt = 0; attempt < 1000; ++attempt) {
    std::wstring candidate = root + L"\\sorvane-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                             std::to_wstring(counter++);
    if (CreateDirectoryW(candidate.c_str(), nullptr)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() { RemoveTree(path_); }

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  MakeParents(path);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write a test file");
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string ReadFileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveTree(const std::wstring& path) {
  const std::wstring root = TempRoot();
  if (path.size() <= root.size() + 1 || path.compare(0, root.size() + 1, root + L"\\") != 0) return;
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileW(path.c_str());
    return;
  }
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {  // a link: remove the link only
    RemoveDirectoryW(path.c_str());
    return;
  }
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      RemoveTree(path + L"\\" + name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  RemoveDirectoryW(path.c_str());
}

std::wstring WindowsPathOf(const std::wstring& buildPath) {
  std::wstring path = buildPath;
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  if (!path.empty() && path[0] == L'\\') path = L"Z:" + path;
  return path;
}

}  // namespace test
