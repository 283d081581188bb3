#include "platform/TextFile.h"

#include <windows.h>

namespace platform {
namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (valid()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  void close() {
    if (valid()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t left = bytes.size() - done;
    const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

}  // namespace

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
  bytes.clear();
  if (path.empty()) return false;
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  char buffer[16384];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, sizeof(buffer), &got, nullptr)) {
      bytes.clear();
      return false;
    }
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  return true;
}

bool AppendToFile(const std::wstring& path, const std::string& bytes) {
  if (path.empty()) return false;
  FileHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  return WriteAll(file.get(), bytes);
}

bool ReplaceFileContent(const std::wstring& path, const std::string& bytes) {
  if (path.empty()) return false;
  const std::wstring fresh = path + L".new";
  {
    FileHandle file(CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    const bool written = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
    file.close();
    if (!written) {
      DeleteFileW(fresh.c_str());
      return false;
    }
  }
  if (!MoveFileExW(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(fresh.c_str());
    return false;
  }
  return true;
}

}  // namespace platform
