// The console front end: arguments, output and exit codes.
#include <gtest/gtest.h>
#include <windows.h>

#include "cli/ConsoleFrontEnd.h"
#include "settings/Inifun.h"
#include "support/Doubles.h"
#include "support/Programs.h"
#include "support/TempDir.h"

namespace {

struct Captured {
  std::wstring out, err;
  cli::ConsoleIo Io() {
    return {[this](const std::wstring& t) { out += t; }, [this](const std::wstring& t) { err += t; }};
  }
};

TEST(ConsoleFrontEnd, CleanPrintsEachRowTheClosingRowAndTheSummary) {
  test::TempDir dir;
  settings::WriteIniValue(settings::SettingsFile(dir.Path()), L"EXPLORER", L"cookies", L"1");
  settings::WriteIniValue(settings::SettingsFile(dir.Path()), L"WINDOWS", L"recent", L"1");
  test::FakeProcessLauncher processes;
  Captured captured;
  EXPECT_EQ(cli::RunConsole({L"clean"}, dir.Path(), processes, captured.Io()), 0);
  EXPECT_EQ(captured.out,
            L"IE Cookies\tDone\n"
            L"Recent Documents History\tDone\n"
            L"Task complete Successfully!\t\n"
            L"Task complete Successfully! Cleaned Registry Keys: 0 Released HD Space:0.00MB\n");
  EXPECT_EQ(captured.err, L"");
  EXPECT_EQ(settings::ReadIniValue(settings::SettingsFile(dir.Path()), L"Options", L"regnum"), L"0");
}

TEST(ConsoleFrontEnd, HelpAndUnknownArgumentsPrintUsage) {
  test::TempDir dir;
  test::FakeProcessLauncher processes;
  struct Case {
    std::vector<std::wstring> args;
    int code;
    bool onStdout;
  } cases[] = {{{L"--help"}, 0, true},
               {{L"-h"}, 0, true},
               {{L"/?"}, 0, true},
               {{}, 2, false},
               {{L"clear"}, 2, false},
               {{L"CLEAN"}, 2, false},
               {{L"clean", L"extra"}, 2, false}};
  for (const Case& c : cases) {
    Captured captured;
    EXPECT_EQ(cli::RunConsole(c.args, dir.Path(), processes, captured.Io()), c.code);
    const std::wstring& usage = c.onStdout ? captured.out : captured.err;
    EXPECT_NE(usage.find(L"Usage: sorvane-cli"), std::wstring::npos);
    EXPECT_EQ((c.onStdout ? captured.err : captured.out).find(L"Usage"), std::wstring::npos);
  }
  EXPECT_FALSE(test::Exists(settings::SettingsFile(dir.Path())));  // no run happened
}

TEST(ConsoleFrontEnd, TheProgramUsesTheSettingsBesideIt) {
  test::TempDir dir;
  const std::wstring built = test::BuiltProgram(L"sorvane-cli.exe");
  const std::wstring copy = dir / L"sorvane-cli.exe";
  ASSERT_TRUE(CopyFileW(built.c_str(), copy.c_str(), FALSE)) << "cannot copy the console program";
  test::WriteFileBytes(dir / L"sorvd.dat", "[EXPLORER]\r\ncookies=1\r\n[Options]\r\nregnum=5\r\n");

  std::string out;
  EXPECT_EQ(test::RunProgram(L"\"" + copy + L"\" clean", out), 0u);
  EXPECT_EQ(out,
            "IE Cookies\tDone\r\n"
            "Task complete Successfully!\t\r\n"
            "Task complete Successfully! Cleaned Registry Keys: 0 Released HD Space:0.00MB\r\n");
  EXPECT_EQ(settings::ReadIniValue(dir / L"sorvd.dat", L"Options", L"regnum"), L"0");

  out.clear();
  EXPECT_EQ(test::RunProgram(L"\"" + copy + L"\" --bogus", out), 2u);
  EXPECT_NE(out.find("Usage: sorvane-cli"), std::string::npos);
}

}  // namespace
