#pragma once
// Links and drive letters for tests of what an erase must never follow or
// walk. Under Wine a Unix symbolic link is what Windows code sees as a
// junction or symbolic link (a reparse point), and a drive letter is a link in
// the prefix's dosdevices folder; on Windows the system's own functions serve.
#include <string>

namespace test {

// Whether the tests run under Wine (so the system drive is the test prefix's,
// inside the build folder).
bool UnderWine();

// Creates `link` as a symbolic link to the folder `target` (both Windows
// paths). Returns false when links cannot be made here.
bool MakeFolderLink(const std::wstring& link, const std::wstring& target);

// Creates `link` as a symbolic link to the file `target`.
bool MakeFileLink(const std::wstring& link, const std::wstring& target);

// Removes a link made by MakeFolderLink or MakeFileLink, never its target.
void RemoveLink(const std::wstring& link);

// A free drive letter mapped to a folder while the object lives, so a test
// can hand a real drive root ("Q:\") to an operation without any risk to a
// real drive.
class MappedDrive {
 public:
  explicit MappedDrive(const std::wstring& folder);
  ~MappedDrive();
  MappedDrive(const MappedDrive&) = delete;
  MappedDrive& operator=(const MappedDrive&) = delete;

  bool Mapped() const { return letter_ != 0; }
  // "Q:\"
  std::wstring Root() const { return std::wstring(1, letter_) + L":\\"; }

 private:
  wchar_t letter_ = 0;
  std::wstring unixLink_;
};

}  // namespace test
