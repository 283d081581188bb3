// The keep list files: reading, adding, and the atomic rewrite.
#include <gtest/gtest.h>

#include "platform/Files.h"
#include "settings/KeepLists.h"
#include "support/TempDir.h"

namespace {

using settings::KeepList;
using Lines = std::vector<std::wstring>;

struct ReadCase {
  const char* Name;
  std::string Bytes;
  Lines StoredLines;  // Lines(): as stored
  Lines Entries;      // Entries(): trailing blanks removed
};

class KeepListRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(KeepListRead, GivesTheStoredLinesAndTheTrimmedEntries) {
  test::TempDir dir;
  const std::wstring file = settings::UrlKeepFile(dir.Path());
  test::WriteFileBytes(file, GetParam().Bytes);
  KeepList list(file);
  EXPECT_EQ(list.Lines(), GetParam().StoredLines);
  EXPECT_EQ(list.Entries(), GetParam().Entries);
}

INSTANTIATE_TEST_SUITE_P(
    Files, KeepListRead,
    ::testing::Values(
        ReadCase{"Empty", "", {}, {}},
        ReadCase{"CrLf", "http://a/\r\nhttp://b/\r\n", {L"http://a/", L"http://b/"}, {L"http://a/", L"http://b/"}},
        ReadCase{"NoFinalCrLf", "http://a/\r\nhttp://b/", {L"http://a/", L"http://b/"}, {L"http://a/", L"http://b/"}},
        ReadCase{"BlankLinesStay", "a\r\n\r\n\r\nb\r\n", {L"a", L"", L"", L"b"}, {L"a", L"", L"", L"b"}},
        ReadCase{"TrailingBlanks", "a  \r\n  b \r\n", {L"a  ", L"  b "}, {L"a", L"  b"}},
        ReadCase{"TabsAreNotBlanks", "a\t\r\n", {L"a\t"}, {L"a\t"}},
        ReadCase{"LoneLfAndCr", "a\nb\rc", {L"a", L"b", L"c"}, {L"a", L"b", L"c"}},
        ReadCase{"Duplicates", "x\r\nx\r\n", {L"x", L"x"}, {L"x", L"x"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(KeepList, MissingFileIsEmptyAndTheFirstAddCreatesItWithOneLine) {
  test::TempDir dir;
  KeepList list(settings::CookieKeepFile(dir.Path()));
  EXPECT_FALSE(list.Exists());
  EXPECT_TRUE(list.Lines().empty());
  ASSERT_TRUE(list.Add(L"C:\\Cookies\\user@site[1].txt  "));
  EXPECT_EQ(test::ReadFileBytes(list.File()), "C:\\Cookies\\user@site[1].txt\r\n");
}

TEST(KeepList, AddingTwiceKeepsBothAndAddsAtTheEnd) {
  test::TempDir dir;
  KeepList list(settings::UrlKeepFile(dir.Path()));
  test::WriteFileBytes(list.File(), "first\r\n");
  list.Add(L"http://same/");
  list.Add(L"http://same/");
  EXPECT_EQ(test::ReadFileBytes(list.File()), "first\r\nhttp://same/\r\nhttp://same/\r\n");
}

TEST(KeepList, AddAfterALastLineWithoutEndingDoesNotJoinTheTwo) {
  test::TempDir dir;
  KeepList list(settings::UrlKeepFile(dir.Path()));
  test::WriteFileBytes(list.File(), "http://a/\r\nhttp://b/");
  list.Add(L"http://c/");
  EXPECT_EQ(list.Lines(), (Lines{L"http://a/", L"http://b/", L"http://c/"}));
}

TEST(KeepList, RewriteReplacesTheWholeFileInListOrder) {
  test::TempDir dir;
  KeepList list(settings::UrlKeepFile(dir.Path()));
  test::WriteFileBytes(list.File(), "one\r\ntwo\r\nthree\r\n");
  ASSERT_TRUE(list.Rewrite({L"three", L"one  "}));
  EXPECT_EQ(test::ReadFileBytes(list.File()), "three\r\none\r\n");
  EXPECT_FALSE(test::Exists(list.File() + L".new"));
}

TEST(KeepList, RewriteWithNoEntriesLeavesAnEmptyFileNotAMissingOne) {
  test::TempDir dir;
  KeepList list(settings::CookieKeepFile(dir.Path()));
  test::WriteFileBytes(list.File(), "only\r\n");
  ASSERT_TRUE(list.Rewrite({}));
  EXPECT_TRUE(list.Exists());
  EXPECT_EQ(test::ReadFileBytes(list.File()), "");
}

TEST(KeepList, ARewriteThatCannotCompleteLeavesTheOldListIntact) {
  test::TempDir dir;
  KeepList list(settings::CookieKeepFile(dir.Path()));
  test::WriteFileBytes(list.File(), "keep me\r\n");
  // The new content cannot be written beside the file: a folder is in its way.
  test::WriteFileBytes(list.File() + L".new\\blocker", "x");
  EXPECT_FALSE(list.Rewrite({}));
  EXPECT_EQ(test::ReadFileBytes(list.File()), "keep me\r\n");
}

TEST(KeepList, ARewriteIntoAFolderThatIsGoneFailsQuietly) {
  test::TempDir dir;
  KeepList list(dir / L"missing\\keepurl.dat");
  EXPECT_FALSE(list.Add(L"x"));
  EXPECT_FALSE(list.Rewrite({L"x"}));
  EXPECT_FALSE(test::Exists(dir / L"missing"));
}

TEST(KeepList, TextIsStoredInTheAnsiCodePage) {
  test::TempDir dir;
  KeepList list(settings::UrlKeepFile(dir.Path()));
  const std::wstring address = L"http://caf\u00e9.example/";
  list.Add(address);
  const std::string stored = test::ReadFileBytes(list.File());
  EXPECT_EQ(stored, platform::ToAnsi(address) + "\r\n");
  EXPECT_EQ(stored.size(), address.size() + 2);  // one byte per character, no BOM
  EXPECT_EQ(list.Entries(), Lines{address});
}

TEST(KeepList, OddBytesAndVeryLongLinesAreReadWithoutHarm) {
  test::TempDir dir;
  KeepList list(settings::UrlKeepFile(dir.Path()));
  const std::string longLine(100000, 'a');
  test::WriteFileBytes(list.File(), std::string("\x81\x8d\x8f\x90\x9d\xff", 6) + "\r\n" + longLine + "\r\n" +
                                        std::string("x\0y", 3) + "\r\n");
  const Lines lines = list.Lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_FALSE(lines[0].empty());
  EXPECT_EQ(lines[1], std::wstring(100000, L'a'));
  EXPECT_EQ(lines[2], std::wstring(L"x\0y", 3));
}

}  // namespace
