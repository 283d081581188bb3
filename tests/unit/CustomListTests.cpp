#include <gtest/gtest.h>
#include <windows.h>

#include "platform/Files.h"
#include "platform/System.h"
#include "settings/CustomList.h"
#include "settings/Text.h"
#include "support/TempDir.h"

namespace {

using settings::CustomItem;
using settings::SizePattern;

std::wstring Mb(const std::wstring& number) {
  std::wstring text = number;
  const std::size_t point = text.find(L'.');
  if (point != std::wstring::npos) text.replace(point, 1, platform::LocaleDecimalSeparator());
  return text + L"MB";
}

TEST(CustomList, SizesFollowTheirPatterns) {
  struct Case {
    std::uint64_t Bytes;
    const wchar_t *Sparse, *TwoByTwo;
  } cases[] = {
      {0, L".", L"00.00"},
      {5000, L".", L"00.00"},               // 0.0048 rounds to 0
      {524288, L".5", L"00.50"},
      {1048576, L"1.", L"01.00"},
      {5767168, L"5.5", L"05.50"},
      {12654321, L"12.07", L"12.07"},
      {129453015, L"123.46", L"123.46"},    // 123.4559... rounds up
      {1048576ull * 4096, L"4096.", L"4096.00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(settings::FormatMegabytes(c.Bytes, SizePattern::Sparse), Mb(c.Sparse)) << c.Bytes;
    EXPECT_EQ(settings::FormatMegabytes(c.Bytes, SizePattern::TwoByTwo), Mb(c.TwoByTwo)) << c.Bytes;
  }
}

TEST(CustomList, FullPathsOnly) {
  for (const wchar_t* path : {L"C:\\x", L"z:\\", L"\\\\server\\share\\f"}) EXPECT_TRUE(settings::IsFullPath(path)) << path;
  for (const wchar_t* path : {L"", L"x.txt", L"C:x", L"C:", L"\\x", L"\\\\\\x", L"..\\x", L"1:\\x"})
    EXPECT_FALSE(settings::IsFullPath(path)) << path;
}

int EntriesIn(const std::wstring& folder) {
  int entries = 0;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do {
    const std::wstring name = data.cFileName;
    if (name != L"." && name != L"..") ++entries;
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return entries;
}

class CustomListFile : public ::testing::Test {
 protected:
  std::wstring ListFile() const { return settings::CustomListFile(dir.Path()); }
  test::TempDir dir;
};

TEST_F(CustomListFile, MissingFileIsAnEmptyList) { EXPECT_TRUE(settings::LoadCustomList(dir.Path()).empty()); }

TEST_F(CustomListFile, LoadKeepsExistingEntriesInOrderAndLeavesOutTheRest) {
  const std::wstring file = dir / L"data\\a.log";
  const std::wstring folder = dir / L"data\\sub";
  const std::wstring emptyFolder = dir / L"empty";
  const std::wstring hidden = dir / L"data\\hidden.txt";
  test::WriteFileBytes(file, std::string(524288, 'x'));
  test::WriteFileBytes(folder + L"\\one.bin", std::string(1048576, 'y'));
  test::WriteFileBytes(folder + L"\\deeper\\two.bin", std::string(524288, 'z'));
  test::WriteFileBytes(hidden, "h");
  SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
  CreateDirectoryW(emptyFolder.c_str(), nullptr);

  const std::string ansi = platform::ToAnsi(dir.Path());
  std::string text;
  text += ansi + "\\data\\a.log\tFile\r\n";
  text += ansi + "\\gone.txt\tFile\r\n";             // deleted meanwhile
  text += ansi + "\\data\\sub\tFolder\r\n";
  text += ansi + "\\data\\hidden.txt\tFile\r\n";     // hidden: counts as missing
  text += "\r\n";                                     // empty line
  text += "data\\a.log\tFile\r\n";                   // relative: never taken
  text += ansi + "\\data\\*.log\tFile\r\n";          // a wildcard names nothing
  text += ansi + "\\data\\a.log\n";                  // no TAB, LF only: shown with the path alone
  text += ansi + "\\data\\a.log\tfile\textra\r\n";   // type in other letters: path alone
  text += std::string(100000, 'C') + "\tFile\r\n";    // very long line
  text += ansi + "\\empty\tFolder";                  // last line without an ending
  test::WriteFileBytes(ListFile(), text);

  const std::vector<CustomItem> rows = settings::LoadCustomList(dir.Path());
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].Path, file);
  EXPECT_EQ(rows[0].Type, L"File");
  EXPECT_EQ(rows[0].Size, Mb(L"00.50"));
  EXPECT_FALSE(rows[0].Modified.empty());
  EXPECT_EQ(rows[1].Path, folder);
  EXPECT_EQ(rows[1].Type, L"Folder");
  EXPECT_EQ(rows[1].Size, Mb(L"01.50"));  // everything below it, at any depth
  EXPECT_FALSE(rows[1].Modified.empty());
  for (int i : {2, 3}) {
    EXPECT_EQ(rows[i].Path, file);
    EXPECT_EQ(rows[i].Type, L"");
    EXPECT_EQ(rows[i].Size, L"");
    EXPECT_EQ(rows[i].Modified, L"");
  }
  EXPECT_EQ(rows[4].Path, emptyFolder);
  EXPECT_EQ(rows[4].Size, Mb(L"00.00"));
}

TEST_F(CustomListFile, AFileRowNamingAFolderKeepsEmptyCells) {
  const CustomItem row = settings::MeasureCustomItem(dir.Path(), L"File", SizePattern::Sparse);
  EXPECT_EQ(row.Path, dir.Path());
  EXPECT_EQ(row.Type, L"File");
  EXPECT_EQ(row.Size, L"");
  EXPECT_EQ(row.Modified, L"");
  EXPECT_EQ(settings::MeasureCustomItem(dir.Path(), L"Folder", SizePattern::Sparse).Size, Mb(L"."));
}

TEST_F(CustomListFile, SaveRewritesTheWholeListAndLoadReadsItBack) {
  const std::wstring a = dir / L"a.txt";
  const std::wstring b = dir / L"b";
  test::WriteFileBytes(a, "abc");
  CreateDirectoryW(b.c_str(), nullptr);
  test::WriteFileBytes(ListFile(), std::string(5000, 'q') + "\r\n");

  ASSERT_TRUE(settings::SaveCustomList(dir.Path(), {{a, L"File", L"x", L"y"}, {b, L"Folder", L"", L""}, {a, L"", L"", L""}}));
  const std::string expected = platform::ToAnsi(a + L"\tFile\r\n" + b + L"\tFolder\r\n" + a + L"\t\r\n");
  EXPECT_EQ(test::ReadFileBytes(ListFile()), expected);

  const std::vector<CustomItem> rows = settings::LoadCustomList(dir.Path());
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].Path, a);
  EXPECT_EQ(rows[1].Type, L"Folder");
  EXPECT_EQ(rows[2].Type, L"");

  ASSERT_TRUE(settings::SaveCustomList(dir.Path(), {}));
  EXPECT_TRUE(test::Exists(ListFile()));
  EXPECT_EQ(test::ReadFileBytes(ListFile()), "");
  EXPECT_EQ(EntriesIn(dir.Path()), 3);  // a.txt, b, cusd.dat: no temporary file left beside them
}

TEST_F(CustomListFile, AFailedSaveIsReportedAndLeavesNothingBehind) {
  // A folder in the list's place cannot be replaced by a file.
  test::WriteFileBytes(ListFile() + L"\\inside.txt", "keep");
  EXPECT_FALSE(settings::SaveCustomList(dir.Path(), {{L"C:\\new", L"File", L"", L""}}));
  EXPECT_EQ(test::ReadFileBytes(ListFile() + L"\\inside.txt"), "keep");
  EXPECT_EQ(EntriesIn(dir.Path()), 1);
  EXPECT_TRUE(settings::LoadCustomList(dir.Path()).empty());
}

}  // namespace
