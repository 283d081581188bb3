#include "settings/Text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cwctype>

#include "platform/System.h"

namespace settings {

std::wstring Trim(std::wstring_view text) {
  std::size_t first = text.find_first_not_of(L' ');
  if (first == std::wstring_view::npos) return {};
  std::size_t last = text.find_last_not_of(L' ');
  return std::wstring(text.substr(first, last - first + 1));
}

std::wstring TrimAtNul(std::wstring_view text) {
  std::size_t nul = text.find(L'\0');
  return std::wstring(nul == std::wstring_view::npos ? text : text.substr(0, nul));
}

std::wstring ToLower(std::wstring_view text) {
  std::wstring lowered(text);
  for (wchar_t& c : lowered) c = static_cast<wchar_t>(std::towlower(c));
  return lowered;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

std::optional<double> ParseNumber(std::wstring_view text) {
  std::wstring trimmed = Trim(text);
  if (trimmed.empty()) return std::nullopt;
  const std::wstring separator = platform::LocaleDecimalSeparator();
  std::string ascii;
  ascii.reserve(trimmed.size());
  bool digits = false;
  for (std::size_t i = 0; i < trimmed.size(); ++i) {
    wchar_t c = trimmed[i];
    if (c >= L'0' && c <= L'9') {
      ascii.push_back(static_cast<char>(c));
      digits = true;
    } else if (c == L'+' || c == L'-' || c == L'e' || c == L'E' || c == L'.') {
      ascii.push_back(static_cast<char>(c));
    } else if (separator.size() == 1 && c == separator[0]) {
      ascii.push_back('.');
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  const char* begin = ascii.data();
  if (*begin == '+') ++begin;
  double value = 0;
  auto [end, error] = std::from_chars(begin, ascii.data() + ascii.size(), value);
  if (error != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

bool IsFullPath(std::wstring_view path) {
  if (path.size() >= 3 && ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z')) &&
      path[1] == L':' && path[2] == L'\\')
    return true;
  return path.size() > 2 && path[0] == L'\\' && path[1] == L'\\' && path[2] != L'\\';
}

bool IsNumericOne(std::wstring_view text) {
  std::optional<double> value = ParseNumber(text);
  return value && *value == 1.0;
}

std::wstring ShortestDecimal(double value) {
  char buffer[64];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof(buffer), value);
  if (error != std::errc()) return L"0";
  return std::wstring(buffer, end);
}

std::wstring FormatTwoDecimals(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof(buffer), "%.2f", value);
  std::wstring text(buffer, buffer + std::char_traits<char>::length(buffer));
  std::size_t point = text.find(L'.');
  if (point != std::wstring::npos) text.replace(point, 1, platform::LocaleDecimalSeparator());
  return text;
}

}  // namespace settings
