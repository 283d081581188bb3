// The main window driven in-process by control name.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>

#include "platform/MessagePump.h"
#include "settings/Inifun.h"
#include "shell/Frmsplash.h"
#include "shell/StartupArguments.h"
#include "shell/frmMainCode.h"
#include "support/Doubles.h"
#include "support/TempDir.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  std::unique_ptr<shell::FrmMainCode> Open(const std::wstring& commandLine = L"") {
    shell::ShellServices services;
    services.Prompts = &prompts;
    services.Processes = &processes;
    services.EndProcess = [this] { ++endProcess; };
    auto main = std::make_unique<shell::FrmMainCode>(dir.Path(), services, commandLine);
    if (!main->Load()) throw std::runtime_error("the main window cannot be created (no display?)");
    return main;
  }
  void Set(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    settings::WriteIniValue(settings::SettingsFile(dir.Path()), section, key, value);
  }
  static ui::ListView& List(shell::FrmMainCode& main) { return *main.FindAs<ui::ListView>(L"ListView1"); }

  test::TempDir dir;
  test::FakePrompts prompts;
  test::FakeProcessLauncher processes;
  int endProcess = 0;
};

TEST_F(MainWindowTest, LoadsWithTheMainPageAndTheLastRunsStatistics) {
  Set(L"Options", L"regnum", L"41");
  Set(L"Options", L"filesize", L"12654321");
  Set(L"Options", L"lastclean", L"12/10/2026 9:00:00 PM");
  auto main = Open();

  EXPECT_EQ(main->Caption(), L"Sorvane V6.10");
  EXPECT_FALSE(main->IsVisible());  // loaded, not shown
  EXPECT_TRUE(main->Find(L"Frame2")->Visible());
  EXPECT_FALSE(main->Find(L"Frame4")->Visible());
  EXPECT_EQ(main->Find(L"Label14")->Text(), L"  Cleaned Registry Keys: 41     Released HD Space:12.07MB");
  EXPECT_EQ(main->Find(L"Label12")->Text(), L"12/10/2026 9:00:00 PM");
  EXPECT_EQ(main->Find(L"Command1")->Text(), L"Start Cleaning >>");
  EXPECT_EQ(main->Find(L"Command2")->Text(), L"Cancel");
  EXPECT_EQ(main->Tooltip(*main->Find(L"Command1")),
            L"It's highly recommended that you shut down all other programs when erase the tracks,"
            L"Keldrin can not erase the files which being used by other programs.");
  EXPECT_EQ(main->FindAs<ui::ProgressBar>(L"coolprogressbar1")->Value(), 0);
  ASSERT_NE(main->FindTimer(L"Timer1"), nullptr);
  EXPECT_EQ(main->FindTimer(L"Timer1")->Interval(), 30000u);
  EXPECT_TRUE(main->FindTimer(L"Timer1")->Enabled());
  EXPECT_EQ(main->FindTimer(L"tmrShowPopup")->Interval(), 500u);
  EXPECT_TRUE(main->FindTimer(L"tmrShowPopup")->Enabled());
  EXPECT_EQ(main->Context().AppPath, dir.Path());
  EXPECT_FALSE(main->Context().WindowsFolder.empty());
  EXPECT_FALSE(main->Context().WindowsVersionText.empty());
}

TEST_F(MainWindowTest, MissingOrBadStatisticsShowZero) {
  Set(L"Options", L"regnum", L"many");
  auto main = Open();
  EXPECT_EQ(main->Find(L"Label14")->Text(), L"  Cleaned Registry Keys: 0     Released HD Space:0.00MB");
  EXPECT_EQ(main->Find(L"Label12")->Text(), L"");
}

TEST_F(MainWindowTest, StartCleaningRunsOnTheStatusPage) {
  Set(L"EXPLORER", L"cookies", L"1");
  Set(L"OFFICE", L"word", L"1");
  auto main = Open();
  main->Show();

  bool disabledDuringRun = false, statusPageDuringRun = false, nestedStarted = true;
  main->Context().Services.DetectOfficeVersion = [&](engine::RunContext&) {
    disabledDuringRun = !main->Find(L"Command1")->Enabled();
    statusPageDuringRun = main->Find(L"Frame4")->Visible() && !main->Find(L"Frame2")->Visible();
    // Neither the button nor the menu starts a second run now.
    main->Find(L"Command1")->Click();
    main->InvokeMenu(L"CleanNow1");
    nestedStarted = List(*main).RowCount() != 1;
  };
  ASSERT_TRUE(main->Find(L"Command1")->Click());

  EXPECT_TRUE(disabledDuringRun);
  EXPECT_TRUE(statusPageDuringRun);
  EXPECT_FALSE(nestedStarted);
  ui::ListView& list = List(*main);
  ASSERT_EQ(list.RowCount(), 3);
  EXPECT_EQ(list.Cell(0, 0), L"IE Cookies");
  EXPECT_EQ(list.Cell(0, 1), L"Done");
  EXPECT_EQ(list.Cell(1, 0), L"Microsoft Word");
  EXPECT_EQ(list.Cell(2, 0), L"Task complete Successfully!");
  EXPECT_EQ(list.Cell(2, 1), L"");
  EXPECT_EQ(main->Find(L"SkinLabel5")->Text(), L"Task complete Successfully!");
  EXPECT_EQ(main->FindAs<ui::ProgressBar>(L"coolprogressbar1")->Value(), 100);
  EXPECT_TRUE(main->Find(L"Command1")->Enabled());
  EXPECT_TRUE(main->Find(L"Frame4")->Visible());
  EXPECT_EQ(main->Find(L"Label14")->Text(), L"  Cleaned Registry Keys: 0     Released HD Space:0.00MB");
  EXPECT_EQ(main->Find(L"Label12")->Text(),
            settings::ReadIniValue(settings::SettingsFile(dir.Path()), L"Options", L"lastclean"));
  EXPECT_FALSE(main->Find(L"Label12")->Text().empty());
  ASSERT_EQ(prompts.Boxes.size(), 1u);  // only the summary: no box for the dropped requests
  EXPECT_EQ(prompts.Boxes[0].Title, L"Task Complete");

  // A second run starts with a cleared list.
  main->Context().Services.DetectOfficeVersion = nullptr;
  Set(L"OFFICE", L"word", L"0");
  main->InvokeMenu(L"CleanNow1");
  EXPECT_EQ(List(*main).RowCount(), 2);
  EXPECT_EQ(prompts.Boxes.size(), 2u);
}

TEST_F(MainWindowTest, CloseHidesTheWindowAndTheProgramGoesOn) {
  auto main = Open();
  main->Show();
  SendMessageW(main->Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(main->Hwnd()));
  EXPECT_FALSE(main->IsVisible());
  EXPECT_EQ(endProcess, 0);
  main->Show();
  EXPECT_TRUE(main->IsVisible());

  main->InvokeMenu(L"exit1");
  EXPECT_EQ(endProcess, 1);
}

TEST_F(MainWindowTest, HiddenStartCleansOnlyWithWindowsStartup) {
  struct Case {
    const wchar_t* commandLine;
    const wchar_t* windowsStartup;
    bool hides;
    bool cleans;
  } cases[] = {{L"min", L"1", true, true},
               {L"min", L" 1", true, true},
               {L"min", L"0", true, false},
               {L"min", L"", true, false},
               {L"MIN", L"1", false, false},
               {L"min ", L"1", false, false},
               {L"", L"1", false, false}};
  for (const Case& c : cases) {
    Set(L"Options", L"WindowsStartup", c.windowsStartup);
    auto main = Open(c.commandLine);
    main->Show();
    SendMessageW(main->Hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(!main->IsVisible(), c.hides) << c.commandLine << "/" << c.windowsStartup;
    for (int i = 0; i < 5; ++i) platform::PumpPendingMessages();
    EXPECT_EQ(main->Notifications().Count(), c.cleans ? 1u : 0u);
    if (c.cleans) {
      EXPECT_TRUE(main->IsVisible());  // a run ends by showing the main window
      EXPECT_EQ(main->Notifications().Front().Key, L"www");
    }
    EXPECT_TRUE(prompts.Boxes.empty());
    // A later activation does nothing more.
    main->Hide();
    SendMessageW(main->Hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    for (int i = 0; i < 5; ++i) platform::PumpPendingMessages();
    EXPECT_EQ(main->Notifications().Count(), c.cleans ? 1u : 0u);
    EXPECT_EQ(main->StartupCommandLine(), c.hides ? L"" : c.commandLine);
  }
}

TEST(StartUp, ScheduleCopyAndCommandLine) {
  using Flags = std::array<std::wstring, 7>;
  EXPECT_EQ(shell::CleanDayFlagsFrom(L""), (Flags{L"0", L"0", L"0", L"0", L"0", L"0", L"0"}));
  EXPECT_EQ(shell::CleanDayFlagsFrom(L"01"), (Flags{L"0", L"1", L"", L"", L"", L"", L"1"}));
  EXPECT_EQ(shell::CleanDayFlagsFrom(L"1000001"), (Flags{L"1", L"0", L"0", L"0", L"0", L"0", L"1"}));
  EXPECT_EQ(shell::CleanDayFlagsFrom(L"010101010"), (Flags{L"0", L"1", L"0", L"1", L"0", L"1", L"0"}));

  EXPECT_EQ(shell::ArgumentPart(L"\"C:\\Program Files\\Sorvane\\sorvane.exe\" min"), L"min");
  EXPECT_EQ(shell::ArgumentPart(L"sorvane.exe   min "), L"min ");
  EXPECT_EQ(shell::ArgumentPart(L"sorvane.exe"), L"");
}

}  // namespace

namespace {

TEST(StartForm, LoadsTheMainWindowHiddenThenShowsItAndCloses) {
  test::TempDir dir;
  test::FakePrompts prompts;
  shell::ShellServices services;
  services.Prompts = &prompts;
  shell::FrmMainCode main(dir.Path(), services, L"");
  shell::Frmsplash splash(main);
  ASSERT_TRUE(splash.Start());

  // The main window's load sequence has run, but only the start form is on screen.
  ASSERT_NE(main.Hwnd(), nullptr);
  EXPECT_NE(main.Find(L"Label14")->Text(), L"");
  EXPECT_FALSE(main.IsVisible());
  EXPECT_TRUE(splash.IsVisible());
  ASSERT_NE(splash.FindTimer(L"Timer1"), nullptr);
  EXPECT_EQ(splash.FindTimer(L"Timer1")->Interval(), 2000u);

  splash.FindTimer(L"Timer1")->Fire();
  EXPECT_TRUE(main.IsVisible());
  EXPECT_TRUE(main.Find(L"Frame2")->Visible());
  EXPECT_TRUE(splash.Finished());
  EXPECT_EQ(splash.Hwnd(), nullptr);
}

}  // namespace
