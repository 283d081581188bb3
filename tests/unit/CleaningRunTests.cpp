// The cleaning run: order, selection, progress marks, statistics and its end.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/CleaningRun.h"
#include "engine/items/ItemHandlers.h"
#include "settings/Inifun.h"
#include "settings/Text.h"
#include "shell/mNotificationSystem.h"
#include "support/Doubles.h"
#include "support/TempDir.h"

namespace {

using engine::RunOrder;

class CleaningRunTest : public ::testing::Test {
 protected:
  CleaningRunTest() : cleaner(context, observer) {
    context.AppPath = dir.Path();
    context.Services.Prompts = &prompts;
    context.Services.Notifications = &queue;
    context.Services.ExitProgram = [this] { ++exits; };
  }

  std::wstring File() const { return settings::SettingsFile(dir.Path()); }
  void Set(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    settings::WriteIniValue(File(), section, key, value);
  }
  std::wstring Get(const wchar_t* section, const wchar_t* key) const {
    return settings::ReadIniValue(File(), section, key);
  }
  // Items that appended a row, closing row excluded.
  std::vector<std::wstring> ItemRows() const {
    std::vector<std::wstring> items;
    for (const auto& row : observer.Rows)
      if (row.Item != engine::kClosingRowText) items.push_back(row.Item);
    return items;
  }

  test::TempDir dir;
  engine::RunContext context;
  test::RecordingObserver observer;
  test::FakePrompts prompts;
  shell::NotificationQueue queue;
  engine::Cleaner cleaner;
  int exits = 0;
};

TEST(RunOrderTable, HasEveryRowOnceWithAHandlerAndRisingMarks) {
  auto rows = RunOrder();
  ASSERT_EQ(rows.size(), 140u);
  int lastMark = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].Number, static_cast<int>(i) + 1);
    EXPECT_NE(engine::FindItemHandler(rows[i].Section, rows[i].Key), nullptr) << rows[i].Number;
    if (rows[i].ProgressMark != engine::kNoMark) {
      EXPECT_GE(rows[i].ProgressMark, lastMark) << rows[i].Number;
      lastMark = rows[i].ProgressMark;
    }
    for (std::size_t j = 0; j < i; ++j) {
      EXPECT_FALSE(settings::SameName(rows[i].Section, rows[j].Section) &&
                   settings::SameName(rows[i].Key, rows[j].Key))
          << "rows " << j + 1 << " and " << i + 1 << " share a flag";
    }
  }
  EXPECT_EQ(lastMark, 80);
  // Only the five Maxthon rows read their flag as a number.
  EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const auto& r) { return r.NumericFlag; }), 5);
  for (int n = 47; n <= 51; ++n) EXPECT_TRUE(rows[n - 1].NumericFlag);
}

TEST_F(CleaningRunTest, WithoutSettingsFileOnlyTheClosingRowAndEveryMark) {
  ASSERT_TRUE(cleaner.CleanNow());

  ASSERT_EQ(observer.Rows.size(), 1u);
  EXPECT_EQ(observer.Rows[0].Item, L"Task complete Successfully!");
  EXPECT_EQ(observer.Rows[0].Status, L"");

  std::vector<int> expected{1};
  for (const auto& row : RunOrder())
    if (row.ProgressMark != engine::kNoMark) expected.push_back(row.ProgressMark);
  expected.push_back(97);
  expected.push_back(100);
  EXPECT_EQ(observer.Progress, expected);
  EXPECT_EQ(observer.Progress[1], 5);
  EXPECT_EQ(observer.Progress[2], 6);
  EXPECT_EQ(observer.Progress[3], 8);

  ASSERT_EQ(prompts.Boxes.size(), 1u);
  EXPECT_EQ(prompts.Boxes[0].Title, L"Task Complete");
  EXPECT_EQ(prompts.Boxes[0].Text, L"Task complete Successfully! Cleaned Registry Keys: 0 Released HD Space:0.00MB");
  EXPECT_EQ(prompts.Boxes[0].Icon, platform::PromptIcon::Information);
  EXPECT_EQ(observer.Labels.back(), L"Task complete Successfully!");

  EXPECT_EQ(Get(L"Options", L"regnum"), L"0");
  EXPECT_EQ(Get(L"Options", L"filesize"), L"0");
  EXPECT_FALSE(Get(L"Options", L"lastclean").empty());
  EXPECT_EQ(observer.LastClean, Get(L"Options", L"lastclean"));
  EXPECT_EQ(observer.Started, 1);
  EXPECT_EQ(observer.Ended, 1);
  EXPECT_EQ(observer.MainWindowShown, 1);
  EXPECT_EQ(exits, 0);
}

TEST_F(CleaningRunTest, OnlyTheTextOneSelectsAnItemButMaxthonReadsANumber) {
  struct Case {
    const wchar_t* value;
    bool textSelects;     // EXPLORER cookies
    bool numberSelects;   // Maxthon keywords
  } cases[] = {{L"1", true, true},    {L" 1 ", true, true}, {L"01", false, true}, {L"1.0", false, true},
               {L"yes", false, false}, {L"", false, false}, {L"0", false, false}, {L"11", false, false}};
  for (const Case& c : cases) {
    Set(L"EXPLORER", L"cookies", c.value);
    Set(L"Maxthon", L"keywords", c.value);
    cleaner.CleanNow();
    std::vector<std::wstring> expected;
    if (c.textSelects) expected.push_back(L"IE Cookies");
    if (c.numberSelects) expected.push_back(L"Maxthon Typed Urls");
    EXPECT_EQ(ItemRows(), expected) << '"' << std::string(c.value, c.value + wcslen(c.value)) << '"';
  }
}

TEST_F(CleaningRunTest, ASelectedItemIsAnnouncedThenEndsWithItsFinalStatus) {
  Set(L"EXPLORER", L"cookies", L"1");
  Set(L"windows", L"thumbs", L"1");  // the section is spelt WINDOWS elsewhere: one section
  Set(L"WINDOWS", L"recent", L"1");
  int yieldsBeforeFirstRow = -1;
  observer.DuringYield = [&] {
    if (yieldsBeforeFirstRow < 0 && observer.Rows.empty()) yieldsBeforeFirstRow = observer.Yields;
  };
  cleaner.CleanNow();

  ASSERT_EQ(ItemRows(), (std::vector<std::wstring>{L"IE Cookies", L"Recent Documents History", L"Thumbs.db"}));
  EXPECT_EQ(yieldsBeforeFirstRow, 1);  // a yield comes before the row is appended
  EXPECT_EQ(observer.Rows[0].Status, L"Done");
  EXPECT_EQ(observer.StatusTexts[0], L"Cleaning IE Cookies ......");
  EXPECT_EQ(observer.StatusTexts[1], L"Done");
  EXPECT_NE(std::find(observer.Labels.begin(), observer.Labels.end(), L"Cleaning Thumbs.db ......"),
            observer.Labels.end());
  EXPECT_EQ(observer.Labels.front(), L"");  // the label is emptied at the start
  ASSERT_EQ(observer.Finished.size(), 4u);  // three items and the closing row
  EXPECT_EQ(observer.Finished[0].Item, L"IE Cookies");
  EXPECT_EQ(observer.Finished[0].Status, L"Done");
}

TEST_F(CleaningRunTest, StatisticsAreTheRunsOwnTotals) {
  Set(L"Options", L"regnum", L"999");
  Set(L"Options", L"filesize", L"999999");
  context.Totals = {5, 5};
  context.Services.RunPlugins = [](engine::RunContext& c) {
    c.Totals.CleanedRegistryKeys += 41;
    c.Totals.ReleasedBytes += 12654321;
  };
  cleaner.CleanNow();

  EXPECT_EQ(Get(L"Options", L"regnum"), L"41");
  EXPECT_EQ(Get(L"Options", L"filesize"), L"12654321");
  ASSERT_EQ(prompts.Boxes.size(), 1u);
  EXPECT_EQ(prompts.Boxes[0].Text, L"Task complete Successfully! Cleaned Registry Keys: 41 Released HD Space:12.07MB");
  EXPECT_EQ(observer.Keys, 41);
  EXPECT_EQ(observer.Bytes, 12654321);
  EXPECT_EQ(engine::StatisticsLine(observer.Keys, observer.Bytes),
            L"  Cleaned Registry Keys: 41     Released HD Space:12.07MB");
}

TEST_F(CleaningRunTest, ExitOptionEndsTheProgramWithoutStatisticsOrSummary) {
  Set(L"Options", L"exit", L"1");
  Set(L"Options", L"regnum", L"7");
  Set(L"Options", L"filesize", L"700");
  Set(L"Options", L"lastclean", L"earlier");
  context.Services.RunPlugins = [](engine::RunContext& c) { c.Totals.CleanedRegistryKeys += 41; };
  cleaner.CleanNow();

  EXPECT_EQ(exits, 1);
  EXPECT_EQ(Get(L"Options", L"regnum"), L"7");
  EXPECT_EQ(Get(L"Options", L"filesize"), L"700");
  EXPECT_EQ(Get(L"Options", L"lastclean"), L"earlier");
  EXPECT_TRUE(prompts.Boxes.empty());
  EXPECT_TRUE(observer.Rows.empty());
  EXPECT_EQ(observer.Progress.back(), 97);
  EXPECT_FALSE(cleaner.IsRunning());

  // Only exactly "1" leaves the program.
  Set(L"Options", L"exit", L"01");
  cleaner.CleanNow();
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(prompts.Boxes.size(), 1u);
}

TEST_F(CleaningRunTest, UnattendedRunQueuesTheNotificationAndClearsTheFlag) {
  context.Services.RunPlugins = [](engine::RunContext& c) {
    c.Totals.CleanedRegistryKeys += 41;
    c.Totals.ReleasedBytes += 12654321;
  };
  ASSERT_TRUE(cleaner.CleanNow(true));

  EXPECT_TRUE(prompts.Boxes.empty());
  ASSERT_EQ(queue.Count(), 1u);
  const engine::NotificationRequest& request = queue.Front();
  EXPECT_EQ(request.Key, L"www");
  EXPECT_EQ(request.Title, L"Sorvane");
  EXPECT_EQ(request.Description, L"Sorvane Clean is done! Cleaned Registry Keys: 41 Released HD Space:12.07MB");
  EXPECT_EQ(request.Icon, L"");
  EXPECT_TRUE(request.AlwaysQueue);
  EXPECT_TRUE(request.EnableClickEvent);
  EXPECT_EQ(request.SoundFileLocation, dir.Path() + L"\\Sounds\\Message.wav");
  EXPECT_FALSE(cleaner.UnattendedRun());

  // The next run started by the button is attended again.
  cleaner.CleanNow();
  EXPECT_EQ(prompts.Boxes.size(), 1u);
  EXPECT_EQ(queue.Count(), 1u);
}

TEST_F(CleaningRunTest, NoRunStartsInsideARunningOne) {
  Set(L"EXPLORER", L"cookies", L"1");
  std::vector<bool> nested;
  observer.DuringYield = [&] { nested.push_back(cleaner.CleanNow(true)); };
  context.Services.DetectOfficeVersion = [&](engine::RunContext&) { nested.push_back(cleaner.CleanNow()); };
  ASSERT_TRUE(cleaner.CleanNow());

  EXPECT_EQ(nested, (std::vector<bool>{false, false}));
  EXPECT_EQ(observer.Started, 1);
  EXPECT_EQ(prompts.Boxes.size(), 1u);  // the dropped unattended request changed nothing
  EXPECT_TRUE(queue.Empty());
  EXPECT_FALSE(cleaner.IsRunning());
  observer.DuringYield = nullptr;
  context.Services.DetectOfficeVersion = nullptr;
  EXPECT_TRUE(cleaner.CleanNow());
  EXPECT_EQ(observer.Started, 2);
}

TEST_F(CleaningRunTest, OfficeVersionIsFoundBetweenMessengerAndOfficeItemsInEveryRun) {
  std::vector<std::wstring> events;
  int progressAtDetection = -1;
  context.Services.DetectOfficeVersion = [&](engine::RunContext&) {
    events.push_back(L"detect");
    progressAtDetection = observer.Progress.back();
  };
  cleaner.CleanNow();
  EXPECT_EQ(events, (std::vector<std::wstring>{L"detect"}));
  EXPECT_EQ(progressAtDetection, 48);

  events.clear();
  Set(L"Messenger", L"icqsearch", L"1");
  Set(L"OFFICE", L"word", L"1");
  observer.DuringYield = [&] { events.push_back(L"yield"); };
  cleaner.CleanNow();
  // icqsearch is announced (yield), then the version is found, then word.
  EXPECT_EQ(events, (std::vector<std::wstring>{L"yield", L"detect", L"yield"}));
  EXPECT_EQ(ItemRows(), (std::vector<std::wstring>{L"ICQ Toolbar search history", L"Microsoft Word"}));
}

TEST_F(CleaningRunTest, PluginRowsComeAfterTheCustomItemAndBeforeMark97) {
  Set(L"Custom", L"Custom", L"1");
  context.Services.RunPlugins = [this](engine::RunContext& c) {
    EXPECT_EQ(observer.Progress.back(), 80);
    c.AppendRow(L"My plug-in");
    c.Row.SetStatus(L"Done");
    c.Row.Finish();
  };
  cleaner.CleanNow();
  EXPECT_EQ(ItemRows(), (std::vector<std::wstring>{L"Custom Item", L"My plug-in"}));
  EXPECT_EQ(observer.Finished[1].Item, L"My plug-in");
  EXPECT_EQ(observer.Progress[observer.Progress.size() - 2], 97);
}

TEST_F(CleaningRunTest, GarbageSettingsSelectNothing) {
  std::string junk = "[EXPLORER]\r\ncookies=" + std::string(5000, '1') + "\r\nhistory=\x01\x02\xff\r\n[Options]\r\nregnum=abc\r\n";
  for (int i = 0; i < 3000; ++i) junk.push_back(static_cast<char>(i % 255 + 1));
  test::WriteFileBytes(File(), junk);
  ASSERT_TRUE(cleaner.CleanNow());
  EXPECT_TRUE(ItemRows().empty());
  EXPECT_EQ(observer.Progress.back(), 100);
}

}  // namespace
