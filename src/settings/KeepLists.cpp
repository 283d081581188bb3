#include "settings/KeepLists.h"

#include "platform/Files.h"
#include "platform/TextFile.h"

namespace settings {

std::wstring UrlKeepFile(const std::wstring& appPath) { return appPath + kUrlKeepFileName; }
std::wstring CookieKeepFile(const std::wstring& appPath) { return appPath + kCookieKeepFileName; }

std::wstring TrimTrailingBlanks(std::wstring_view text) {
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == L' ') --end;
  return std::wstring(text.substr(0, end));
}

std::vector<std::wstring> SplitLines(std::wstring_view text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const wchar_t c = text[i];
    if (c == L'\r' || c == L'\n') {
      lines.emplace_back(text.substr(start, i - start));
      if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

bool KeepList::Exists() const { return platform::FileExists(file_); }

std::vector<std::wstring> KeepList::Lines() const {
  std::string bytes;
  if (!platform::ReadWholeFile(file_, bytes)) return {};
  return SplitLines(platform::FromAnsi(bytes));
}

std::vector<std::wstring> KeepList::Entries() const {
  std::vector<std::wstring> entries = Lines();
  for (std::wstring& entry : entries) entry = TrimTrailingBlanks(entry);
  return entries;
}

std::optional<std::vector<std::wstring>> KeepList::ReadLines() const {
  std::string bytes;
  if (!platform::ReadWholeFile(file_, bytes)) {
    if (Exists()) return std::nullopt;
    return std::vector<std::wstring>();
  }
  return SplitLines(platform::FromAnsi(bytes));
}

std::optional<std::vector<std::wstring>> KeepList::ReadEntries() const {
  std::optional<std::vector<std::wstring>> entries = ReadLines();
  if (entries)
    for (std::wstring& entry : *entries) entry = TrimTrailingBlanks(entry);
  return entries;
}

bool KeepList::Add(std::wstring_view entry) const {
  std::string line = platform::ToAnsi(TrimTrailingBlanks(entry)) + "\r\n";
  std::string existing;
  if (platform::ReadWholeFile(file_, existing) && !existing.empty() && existing.back() != '\n' &&
      existing.back() != '\r') {
    line.insert(0, "\r\n");
  }
  return platform::AppendToFile(file_, line);
}

bool KeepList::Rewrite(const std::vector<std::wstring>& entries) const {
  std::string content;
  for (const std::wstring& entry : entries) content += platform::ToAnsi(TrimTrailingBlanks(entry)) + "\r\n";
  return platform::ReplaceFileContent(file_, content);
}

}  // namespace settings
