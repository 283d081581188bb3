// The console front end's listing of the cleaning items.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/ConsoleFrontEnd.h"
#include "settings/ItemCatalogue.h"
#include "support/Doubles.h"
#include "support/Programs.h"
#include "support/TempDir.h"

namespace {

std::wstring out, err;

cli::ConsoleIo Capturing() {
  out.clear();
  err.clear();
  return {[](const std::wstring& text) { out += text; }, [](const std::wstring& text) { err += text; }};
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> parts;
  std::wstring part;
  std::wistringstream stream(text);
  while (std::getline(stream, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.push_back(L"");
  return parts;
}

TEST(ConsoleList, PrintsOneLinePerBoxInDialogOrder) {
  test::TempDir dir;
  test::FakeProcessLauncher processes;
  EXPECT_EQ(cli::RunConsole({L"list"}, dir.Path(), processes, Capturing()), 0);
  EXPECT_EQ(err, L"");
  std::vector<std::wstring> lines = Split(out, L'\n');
  ASSERT_EQ(lines.back(), L"");  // every line ended
  lines.pop_back();
  ASSERT_EQ(lines.size(), 154u);
  EXPECT_EQ(lines[0], L"Check1\tInternet Explorer\tIE Address Bar History\tEXPLORER\tlocation");
  EXPECT_EQ(lines[11], L"Check9\tInternet Explorer\tSelect all of the above\t\t");
  EXPECT_EQ(lines[153], L"Check52\tSelect Folder and Files That will Be Erased\tCustom Clean Items\tCustom\tCustom");
  const auto boxes = settings::ItemCatalogue::Boxes();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::vector<std::wstring> fields = Split(lines[i], L'\t');
    ASSERT_EQ(fields.size(), 5u) << lines[i];
    EXPECT_EQ(fields[0], boxes[i].BoxName);
    EXPECT_EQ(fields[3], boxes[i].Section ? boxes[i].Section : L"");
  }
  EXPECT_FALSE(test::Exists(dir / L"sorvd.dat"));  // listing runs nothing

  EXPECT_EQ(cli::RunConsole({L"list", L"more"}, dir.Path(), processes, Capturing()), 2);
  EXPECT_EQ(out, L"");
  EXPECT_NE(err.find(L"Usage: sorvane-cli"), std::wstring::npos);
  EXPECT_EQ(cli::RunConsole({L"--help"}, dir.Path(), processes, Capturing()), 0);
  EXPECT_NE(out.find(L"  list "), std::wstring::npos);
}

TEST(ConsoleList, TheProgramPrintsTheListing) {
  std::string bytes;
  const unsigned long code = test::RunProgram(L"\"" + test::BuiltProgram(L"sorvane-cli.exe") + L"\" list", bytes);
  EXPECT_EQ(code, 0u);
  // Redirected output: ANSI text with CR LF line ends.
  EXPECT_EQ(bytes.rfind("Check1\tInternet Explorer\tIE Address Bar History\tEXPLORER\tlocation\r\n", 0), 0u);
  std::size_t lines = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++lines;
  EXPECT_EQ(lines, 154u);
}

}  // namespace
