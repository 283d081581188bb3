#pragma once
// A fresh folder under the test prefix's TEMP, removed with everything in it
// when the test ends.
#include <string>

namespace test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::wstring& Path() const { return path_; }
  // Path() + "\" + relative
  std::wstring operator/(const std::wstring& relative) const { return path_ + L"\\" + relative; }

 private:
  std::wstring path_;
};

// Writes `bytes` to a file (creating parent folders).
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& path);
bool Exists(const std::wstring& path);
// Removes a folder tree. Refuses anything outside the system's temporary folder.
void RemoveTree(const std::wstring& path);

// The Windows form of a path the build system gave (Wine maps "/" to "Z:\").
std::wstring WindowsPathOf(const std::wstring& buildPath);

}  // namespace test
