// The settings file access rules.
#include <gtest/gtest.h>

#include "settings/Inifun.h"
#include "settings/Text.h"
#include "support/TempDir.h"

namespace {

using settings::ReadIniSection;
using settings::ReadIniValue;
using settings::WriteIniValue;

TEST(Inifun, SectionsAndKeysIgnoreLetterCase) {
  test::TempDir dir;
  const std::wstring file = dir / L"sorvd.dat";
  WriteIniValue(file, L"windows", L"menuorder", L"1");
  EXPECT_EQ(ReadIniValue(file, L"WINDOWS", L"MenuOrder"), L"1");
  EXPECT_EQ(ReadIniValue(file, L"Windows", L"MENUORDER"), L"1");
  // One section, not two: a second write under other capitals replaces the value.
  WriteIniValue(file, L"WINDOWS", L"MENUORDER", L"0");
  EXPECT_EQ(ReadIniValue(file, L"windows", L"menuorder"), L"0");
  EXPECT_EQ(ReadIniSection(L"windows", file), (std::vector<std::wstring>{L"menuorder=0"}));
}

TEST(Inifun, LongValuesAreCutOnWriteAndOnRead) {
  test::TempDir dir;
  const std::wstring file = dir / L"sorvd.dat";
  std::wstring value;
  for (int i = 0; i < 200; ++i) value += static_cast<wchar_t>(L'a' + i % 26);
  WriteIniValue(file, L"Options", L"CleanTime", value);
  // 128 characters are stored, 127 fit the read buffer.
  EXPECT_NE(test::ReadFileBytes(file).find("CleanTime=" + std::string(value.begin(), value.begin() + 128) + "\r\n"),
            std::string::npos);
  EXPECT_EQ(ReadIniValue(file, L"Options", L"CleanTime"), value.substr(0, 127));
}

TEST(Inifun, ValuesAreTrimmedAndCutAtNul) {
  test::TempDir dir;
  const std::wstring file = dir / L"sorvd.dat";
  test::WriteFileBytes(file, "[EXPLORER]\r\ncookies=   1   \r\nhistory=\r\n");
  EXPECT_EQ(ReadIniValue(file, L"EXPLORER", L"cookies"), L"1");
  EXPECT_EQ(ReadIniValue(file, L"EXPLORER", L"history"), L"");
  WriteIniValue(file, L"EXPLORER", L"cache", std::wstring(L"1\0tail", 6));
  EXPECT_EQ(ReadIniValue(file, L"EXPLORER", L"cache"), L"1");
}

TEST(Inifun, MissingFileSectionOrKeyReadsEmpty) {
  test::TempDir dir;
  const std::wstring missing = dir / L"none.dat";
  EXPECT_EQ(ReadIniValue(missing, L"Options", L"exit"), L"");
  EXPECT_TRUE(ReadIniSection(L"Options", missing).empty());
  EXPECT_FALSE(test::Exists(missing));  // reading never creates the file

  const std::wstring file = dir / L"sorvd.dat";
  test::WriteFileBytes(file, "[Options]\r\nexit=1\r\n[Empty]\r\n");
  EXPECT_EQ(ReadIniValue(file, L"Other", L"exit"), L"");
  EXPECT_EQ(ReadIniValue(file, L"Options", L"other"), L"");
  EXPECT_TRUE(ReadIniSection(L"Other", file).empty());
  EXPECT_TRUE(ReadIniSection(L"Empty", file).empty());
  EXPECT_EQ(ReadIniValue(L"", L"Options", L"exit"), L"");
}

TEST(Inifun, SectionLinesComeInFileOrder) {
  test::TempDir dir;
  const std::wstring file = dir / L"plugin.kdx";
  test::WriteFileBytes(file, "[Actions]\r\nb=2\r\na=1\r\nc=x,y\r\n[Next]\r\nz=9\r\n");
  EXPECT_EQ(ReadIniSection(L"actions", file), (std::vector<std::wstring>{L"b=2", L"a=1", L"c=x,y"}));
}

TEST(Inifun, GarbageFileNeverYieldsAFlag) {
  test::TempDir dir;
  const std::wstring file = dir / L"sorvd.dat";
  std::string junk;
  for (int i = 0; i < 70000; ++i) junk.push_back(static_cast<char>((i * 7919) % 251 + 1));
  test::WriteFileBytes(file, junk);
  EXPECT_NO_THROW(ReadIniValue(file, L"EXPLORER", L"cookies"));
  EXPECT_NO_THROW(ReadIniSection(L"EXPLORER", file));
}

TEST(Inifun, AppPathKeepsTheBackslashOfADriveRootOnly) {
  struct Case {
    const wchar_t* executable;
    const wchar_t* appPath;
  } cases[] = {
      {L"C:\\Program Files\\Sorvane\\sorvane.exe", L"C:\\Program Files\\Sorvane"},
      {L"C:\\sorvane.exe", L"C:\\"},
      {L"\\\\server\\share\\sorvane.exe", L"\\\\server\\share"},
  };
  for (const Case& c : cases) EXPECT_EQ(settings::AppPathOf(c.executable), c.appPath) << c.executable;
  EXPECT_EQ(settings::SettingsFile(L"C:\\"), L"C:\\\\sorvd.dat");
}

TEST(Inifun, WindowsVersionTextIsMajorDotMinor) {
  const std::wstring version = settings::GetWindowsVersionText();
  ASSERT_FALSE(version.empty());
  const std::size_t dot = version.find(L'.');
  ASSERT_NE(dot, std::wstring::npos);
  EXPECT_TRUE(settings::ParseNumber(version.substr(0, dot)).has_value());
  EXPECT_TRUE(settings::ParseNumber(version.substr(dot + 1)).has_value());
  EXPECT_EQ(version.find(L'.', dot + 1), std::wstring::npos);  // no build number
}

TEST(SettingsText, NumericFlagIsOnOnlyForTheNumberOne) {
  struct Case {
    const wchar_t* text;
    bool on;
  } cases[] = {{L"1", true},   {L" 1 ", true}, {L"01", true},  {L"1.0", true}, {L"0", false},
               {L"2", false},  {L"-1", false}, {L"yes", false}, {L"", false},  {L"1a", false},
               {L"1 1", false}, {L"e", false}};
  for (const Case& c : cases) EXPECT_EQ(settings::IsNumericOne(c.text), c.on) << '"' << std::string(c.text, c.text + wcslen(c.text)) << '"';
}

TEST(SettingsText, NumbersAsTheStatisticsStoreThem) {
  EXPECT_EQ(settings::ShortestDecimal(41), L"41");
  EXPECT_EQ(settings::ShortestDecimal(12654321), L"12654321");
  EXPECT_EQ(settings::ShortestDecimal(0), L"0");
  EXPECT_EQ(settings::ParseNumber(settings::ShortestDecimal(1e20)).value(), 1e20);
  EXPECT_EQ(settings::FormatTwoDecimals(0), L"0.00");
  EXPECT_EQ(settings::FormatTwoDecimals(12654321 / 1048576.0), L"12.07");
}

}  // namespace
