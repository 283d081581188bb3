#pragma once
// The custom list cusd.dat: the files and folders the user picked by hand for
// the custom item. One line per entry in the system's ANSI code page, ended by
// CR LF: the full path, a TAB, then "File" or "Folder". No header; the file is
// rewritten whole on every save; a missing file is an empty list.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

inline constexpr wchar_t kCustomListFileName[] = L"\\cusd.dat";
inline constexpr wchar_t kCustomFile[] = L"File";
inline constexpr wchar_t kCustomFolder[] = L"Folder";

// AppPath + "\cusd.dat".
std::wstring CustomListFile(const std::wstring& appPath);

// One row of the custom list as the settings dialog shows it. Only Path and
// Type are stored; Size and Modified are worked out when the row is made.
struct CustomItem {
  std::wstring Path;      // the row text
  std::wstring Type;      // "File", "Folder", or empty for a stored type of any other text
  std::wstring Size;      // "12.07MB"; empty when the entry cannot be measured
  std::wstring Modified;  // last-modified date and time; empty when it cannot be read
};

// The two number patterns of the "Size" column: "##.##" (rows just added: no
// digit is forced, so 0 shows as "." and 0.5 as ".5") and "00.00" (rows loaded
// from the file: at least two digits before and exactly two after the point).
enum class SizePattern { Sparse, TwoByTwo };

// `bytes` / 1048576 in `pattern` with the locale's decimal separator, followed by "MB".
std::wstring FormatMegabytes(std::uint64_t bytes, SizePattern pattern);

// A row for `path` of type "File" or "Folder", measured now: the size of the
// file, or of the folder with everything in it, and its last-modified time.
// When the size cannot be read both cells stay empty.
CustomItem MeasureCustomItem(const std::wstring& path, std::wstring_view type, SizePattern pattern);

// Reads the list. A line is split at TAB characters: field 1 is the path,
// field 2 the type. Lines whose path is no full path or names no existing
// file or folder (hidden and system entries count as missing) are left out,
// and so vanish from the file at the next save. Rows are measured with the
// "00.00" pattern; a row whose type is neither "File" nor "Folder" shows the
// path alone.
std::vector<CustomItem> LoadCustomList(const std::wstring& appPath);

// Rewrites the list: one line per row in row order, path, TAB, type. The new
// content replaces the old in one step, so a failed save leaves the previous
// list intact. Returns false when the file cannot be written.
bool SaveCustomList(const std::wstring& appPath, const std::vector<CustomItem>& rows);

}  // namespace settings
