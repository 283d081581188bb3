#include "settings/CustomList.h"

#include <cmath>

#include "platform/FileInfo.h"
#include "platform/Files.h"
#include "platform/System.h"
#include "platform/TextFile.h"
#include "settings/Text.h"

namespace settings {
namespace {

constexpr double kBytesPerMegabyte = 1048576.0;

std::vector<std::wstring> SplitAt(std::wstring_view text, wchar_t separator) {
  std::vector<std::wstring> fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find(separator, start);
    fields.emplace_back(text.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start));
    if (end == std::wstring_view::npos) break;
    start = end + 1;
  }
  return fields;
}

// The lines of the file: CR LF, a lone CR or a lone LF end a line; an ending
// at the very end starts no further line.
std::vector<std::wstring> LinesOf(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring::npos) {
      lines.emplace_back(text, start, std::wstring::npos);
      break;
    }
    lines.emplace_back(text, start, end - start);
    start = end + ((text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') ? 2 : 1);
  }
  return lines;
}

}  // namespace

std::wstring CustomListFile(const std::wstring& appPath) { return appPath + kCustomListFileName; }

std::wstring FormatMegabytes(std::uint64_t bytes, SizePattern pattern) {
  // Hundredths of a megabyte, rounded half away from zero as the patterns do.
  const double hundredths = std::floor(static_cast<double>(bytes) / kBytesPerMegabyte * 100.0 + 0.5);
  const std::uint64_t whole = static_cast<std::uint64_t>(hundredths / 100.0);
  const unsigned fraction = static_cast<unsigned>(hundredths - static_cast<double>(whole) * 100.0);
  std::wstring integral = whole == 0 ? std::wstring() : std::to_wstring(whole);
  std::wstring decimals = std::to_wstring(fraction);
  if (decimals.size() < 2) decimals.insert(0, 1, L'0');
  if (pattern == SizePattern::TwoByTwo) {
    while (integral.size() < 2) integral.insert(0, 1, L'0');
  } else {
    while (!decimals.empty() && decimals.back() == L'0') decimals.pop_back();
  }
  return integral + platform::LocaleDecimalSeparator() + decimals + L"MB";
}

CustomItem MeasureCustomItem(const std::wstring& path, std::wstring_view type, SizePattern pattern) {
  CustomItem row;
  row.Path = path;
  row.Type = std::wstring(type);
  const std::optional<std::uint64_t> size =
      type == kCustomFolder ? platform::FolderTreeSize(path) : platform::FileSizeOf(path);
  if (!size) return row;
  row.Size = FormatMegabytes(*size, pattern);
  row.Modified = platform::LastModifiedText(path).value_or(std::wstring());
  return row;
}

std::vector<CustomItem> LoadCustomList(const std::wstring& appPath) {
  std::vector<CustomItem> rows;
  std::string bytes;
  if (!platform::ReadWholeFile(CustomListFile(appPath), bytes)) return rows;
  for (const std::wstring& line : LinesOf(platform::FromAnsi(bytes))) {
    const std::vector<std::wstring> fields = SplitAt(line, L'\t');
    const std::wstring& path = fields[0];
    if (!IsFullPath(path)) continue;
    if (!platform::VisibleFileExists(path) && !platform::VisibleFolderExists(path)) continue;
    const std::wstring type = fields.size() > 1 ? fields[1] : std::wstring();
    if (type == kCustomFile || type == kCustomFolder) {
      rows.push_back(MeasureCustomItem(path, type, SizePattern::TwoByTwo));
    } else {
      rows.push_back(CustomItem{path, L"", L"", L""});
    }
  }
  return rows;
}

bool SaveCustomList(const std::wstring& appPath, const std::vector<CustomItem>& rows) {
  std::wstring text;
  for (const CustomItem& row : rows) text += row.Path + L"\t" + row.Type + L"\r\n";
  return platform::ReplaceFileContent(CustomListFile(appPath), platform::ToAnsi(text));
}

}  // namespace settings
