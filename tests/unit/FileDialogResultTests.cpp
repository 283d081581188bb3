// Splitting what a multiple-choice file-open dialog returns.
#include <gtest/gtest.h>

#include "platform/FileDialogs.h"

namespace {

TEST(FileDialogResult, OnePathOrAFolderFollowedByNames) {
  using namespace std::string_literals;
  struct Case {
    std::wstring Result;
    std::vector<std::wstring> Files;
  } cases[] = {
      {L"C:\\Data\\one.txt"s, {L"C:\\Data\\one.txt"}},
      {L"C:\\Data\\one.txt\0"s, {L"C:\\Data\\one.txt"}},
      {L"C:\\Data\0b.txt\0a.txt\0c.txt\0"s, {L"C:\\Data\\b.txt", L"C:\\Data\\a.txt", L"C:\\Data\\c.txt"}},
      {L"C:\\\0x.log\0y.log\0"s, {L"C:\\x.log", L"C:\\y.log"}},  // a root keeps its one backslash
      {L"C:\\Data\0same.txt\0same.txt\0"s, {L"C:\\Data\\same.txt", L"C:\\Data\\same.txt"}},
      {L""s, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(platform::SplitFileDialogResult(c.Result), c.Files) << c.Result;
}

}  // namespace
