#pragma once
// Small text rules shared by the settings store and the cleaning engine.
#include <optional>
#include <string>
#include <string_view>

namespace settings {

// Removes blanks (space characters only) at both ends.
std::wstring Trim(std::wstring_view text);

// The text up to its first NUL character.
std::wstring TrimAtNul(std::wstring_view text);

// Lower-cases letters (invariant rules).
std::wstring ToLower(std::wstring_view text);

// Letter-case-blind comparison of two names (sections, keys).
bool SameName(std::wstring_view a, std::wstring_view b);

// The text read as a number: optional blanks, an optional sign, digits with an
// optional decimal point (either "." or the locale's separator), an optional
// exponent, optional blanks. Anything else is not a number.
std::optional<double> ParseNumber(std::wstring_view text);

// Whether `path` is a full path (a drive letter, colon and backslash, or a
// network path "\\server\share..."), not one taken relative to a current folder.
bool IsFullPath(std::wstring_view path);

// A flag read as a number: on only for the number 1 (" 1 ", "01", "1.0").
bool IsNumericOne(std::wstring_view text);

// The shortest decimal text of a number ("41", "12654321", "2.5").
std::wstring ShortestDecimal(double value);

// A number with exactly two decimals and the locale's decimal separator
// (format "0.00").
std::wstring FormatTwoDecimals(double value);

}  // namespace settings
