#pragma once
// The two keep lists: typed addresses (keepurl.dat) and cookie files
// (keepcook.dat) that a cleaning run spares. Both are text files in the
// program's folder, in the system's ANSI code page, one entry per line ended
// by CR LF, in the order the entries were added; duplicates are kept and a
// missing file is an empty list.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

inline constexpr wchar_t kUrlKeepFileName[] = L"\\keepurl.dat";
inline constexpr wchar_t kCookieKeepFileName[] = L"\\keepcook.dat";

// AppPath + "\keepurl.dat" and AppPath + "\keepcook.dat".
std::wstring UrlKeepFile(const std::wstring& appPath);
std::wstring CookieKeepFile(const std::wstring& appPath);

// Removes blanks (space characters) at the end of a text.
std::wstring TrimTrailingBlanks(std::wstring_view text);

// The lines of a text: a line ends at CR LF, or at a lone CR or LF; a last
// line without an ending still counts, and an ending at the very end does
// not start another (empty) line.
std::vector<std::wstring> SplitLines(std::wstring_view text);

class KeepList {
 public:
  explicit KeepList(std::wstring file) : file_(std::move(file)) {}

  const std::wstring& File() const { return file_; }
  bool Exists() const;

  // Every line of the file exactly as stored (the cookie comparison of a run
  // uses these). Empty for a missing or unreadable file.
  std::vector<std::wstring> Lines() const;

  // The lines with trailing blanks removed: the entries as the keep dialogs
  // show them and as a run restores typed addresses.
  std::vector<std::wstring> Entries() const;

  // The same lines and entries, or nothing when the file exists but cannot be
  // read (held open by another program, access denied), where an empty list
  // would not be the file's content. A missing file gives an empty list.
  std::optional<std::vector<std::wstring>> ReadLines() const;
  std::optional<std::vector<std::wstring>> ReadEntries() const;

  // Adds one entry, trailing blanks removed, as a line at the end of the file
  // (created when missing). When the file's last line has no ending (a file
  // edited by hand), that line is ended first, so the entry never runs into it.
  // Returns false when the file cannot be written.
  bool Add(std::wstring_view entry) const;

  // Rewrites the whole file from `entries`, one line each in the given order,
  // trailing blanks removed. The new content replaces the old in one step, so
  // an interrupted rewrite leaves the previous list intact. No entries give an
  // empty file, not a missing one. Returns false when the file cannot be written.
  bool Rewrite(const std::vector<std::wstring>& entries) const;

 private:
  std::wstring file_;
};

}  // namespace settings
