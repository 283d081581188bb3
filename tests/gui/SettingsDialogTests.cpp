// The cleaning settings dialog driven in-process by control name.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <stdexcept>

#include "dialogs/frmsettings.h"
#include "platform/Files.h"
#include "platform/MessagePump.h"
#include "settings/CustomList.h"
#include "settings/Inifun.h"
#include "settings/ItemCatalogue.h"
#include "settings/PluginDescriptors.h"
#include "shell/frmMainCode.h"
#include "support/Doubles.h"
#include "support/TempDir.h"

namespace {

using platform::PromptResult;
using settings::CleaningItem;
using settings::ItemCatalogue;

// A string value of the test prefix's registry, removed again (with the key,
// when the test created it) at the end of the test.
class ScopedRegistryValue {
 public:
  ScopedRegistryValue(HKEY root, std::wstring subkey, std::wstring name, const std::wstring& data)
      : root_(root), subkey_(std::move(subkey)), name_(std::move(name)) {
    HKEY key = nullptr;
    createdKey_ = RegOpenKeyExW(root_, subkey_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS;
    if (key) RegCloseKey(key);
    if (RegSetKeyValueW(root_, subkey_.c_str(), name_.c_str(), REG_SZ, data.c_str(),
                        static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS)
      throw std::runtime_error("cannot write the test registry value");
  }
  ~ScopedRegistryValue() {
    RegDeleteKeyValueW(root_, subkey_.c_str(), name_.c_str());
    if (createdKey_) RegDeleteKeyW(root_, subkey_.c_str());
  }

 private:
  HKEY root_;
  std::wstring subkey_, name_;
  bool createdKey_ = false;
};

class SettingsDialogTest : public ::testing::Test {
 protected:
  std::unique_ptr<dialogs::frmsettings> Open() {
    dialogs::SettingsDialogServices services;
    services.Prompts = &prompts;
    services.FileDialogs = &fileDialogs;
    services.ShowUrlKeepList = [this](HWND) { ++urlKeepListShown; };
    services.ShowCookieKeepList = [this](HWND) { ++cookieKeepListShown; };
    auto dialog = std::make_unique<dialogs::frmsettings>(dir.Path(), services);
    if (!dialog->Load()) throw std::runtime_error("the dialog cannot be created (no display?)");
    return dialog;
  }
  std::wstring File() const { return settings::SettingsFile(dir.Path()); }
  void Set(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    settings::WriteIniValue(File(), section, key, value);
  }
  std::wstring Get(const wchar_t* section, const wchar_t* key) { return settings::ReadIniValue(File(), section, key); }
  static bool Ticked(dialogs::frmsettings& dialog, const wchar_t* box) { return dialog.Find(box)->Checked(); }
  static ui::ListView& Custom(dialogs::frmsettings& dialog) { return *dialog.FindAs<ui::ListView>(L"ListView2"); }
  static ui::ListView& Plugins(dialogs::frmsettings& dialog) { return *dialog.FindAs<ui::ListView>(L"ListView1"); }
  // The number of keys in every item section of the settings file.
  std::size_t StoredKeys() {
    std::size_t keys = 0;
    for (const wchar_t* section : {L"EXPLORER", L"FIREFOX", L"OPERA", L"NETSCAPE", L"AOL", L"MSN", L"Mozilla",
                                   L"Maxthon", L"Chrome", L"Safari", L"WINDOWS", L"OFFICE", L"Messenger",
                                   L"outlook", L"mail", L"Custom"})
      keys += settings::ReadIniSection(section, File()).size();
    return keys;
  }

  test::TempDir dir;
  test::FakePrompts prompts;
  test::FakeFileDialogs fileDialogs;
  int urlKeepListShown = 0, cookieKeepListShown = 0;
};

TEST_F(SettingsDialogTest, ShowsEveryCatalogueBoxInItsGroupFrameOnItsTab) {
  auto dialog = Open();
  EXPECT_EQ(dialog->Caption(), L"Cleaning Settings");
  auto& tabs = *dialog->FindAs<ui::TabControl>(L"SSTab1");
  auto& browsers = *dialog->FindAs<ui::TabControl>(L"SSTab2");
  ASSERT_EQ(tabs.Count(), 7);
  ASSERT_EQ(browsers.Count(), 10);
  for (const CleaningItem& box : ItemCatalogue::Boxes()) {
    ui::Control* control = dialog->Find(box.BoxName);
    ASSERT_NE(control, nullptr) << box.BoxName;
    EXPECT_EQ(control->GetKind(), ui::Kind::CheckBox);
    EXPECT_EQ(control->Text(), box.Caption) << box.BoxName;
    // The box sits in the frame that carries its group's caption.
    wchar_t caption[256] = {};
    HWND frame = GetParent(control->Hwnd());
    GetWindowTextW(FindWindowExW(frame, nullptr, L"Button", nullptr), caption, 256);
    EXPECT_STREQ(caption, ItemCatalogue::GroupOf(box).Caption) << box.BoxName;
    // ... on the page of its tab, and a browser's on the page of its sub-tab.
    const settings::ItemGroup& group = ItemCatalogue::GroupOf(box);
    const auto tabCaptions = ItemCatalogue::TabCaptions();
    const auto tab = std::find(tabCaptions.begin(), tabCaptions.end(), std::wstring_view(group.Tab));
    ASSERT_NE(tab, tabCaptions.end()) << box.BoxName;
    const std::wstring page = L"Page" + std::to_wstring(tab - tabCaptions.begin() + 1);
    EXPECT_TRUE(IsChild(dialog->Find(page)->Hwnd(), control->Hwnd())) << box.BoxName << L" " << page;
    if (group.SubTab) {
      const auto subTabs = ItemCatalogue::BrowserTabCaptions();
      const auto subTab = std::find(subTabs.begin(), subTabs.end(), std::wstring_view(group.SubTab));
      ASSERT_NE(subTab, subTabs.end()) << box.BoxName;
      const std::wstring browserPage = L"BrowserPage" + std::to_wstring(subTab - subTabs.begin() + 1);
      EXPECT_TRUE(IsChild(dialog->Find(browserPage)->Hwnd(), control->Hwnd())) << box.BoxName;
    }
  }
  // Screen order: the left column top to bottom, then the right column.
  auto top = [&](const wchar_t* box) {
    RECT rect;
    GetWindowRect(dialog->Find(box)->Hwnd(), &rect);
    return rect;
  };
  EXPECT_LT(top(L"Check1").top, top(L"Check2").top);
  EXPECT_EQ(top(L"Check7").top, top(L"Check1").top);  // the first box of the right column
  EXPECT_LT(top(L"Check7").left - top(L"Check1").left, 600);
  EXPECT_EQ(top(L"Check86").top, top(L"Check24").top);  // "Windows": 14 rows on the left
  EXPECT_LT(top(L"Check100").top, top(L"Check31").top);
  EXPECT_EQ(top(L"Command7").top - top(L"Check1").top, top(L"Command8").top - top(L"Check4").top);
  for (const wchar_t* button : {L"Command7", L"Command8"}) EXPECT_EQ(dialog->Find(button)->Text(), L"Options");
  EXPECT_EQ(dialog->Find(L"Command1")->Text(), L"OK");
  EXPECT_EQ(dialog->Find(L"Command3")->Text(), L"Cancel");
  EXPECT_EQ(dialog->Find(L"Command101")->Text(), L"Add");
  EXPECT_EQ(dialog->Find(L"Command102")->Text(), L"Remove");
  EXPECT_EQ(dialog->Find(L"Command2")->Text(), L"Clear");
  EXPECT_TRUE(dialog->HasMenuEntry(L"addfiles"));
  EXPECT_TRUE(dialog->HasMenuEntry(L"addfolders"));

  // Choosing a tab shows its page only.
  dialog->Show();
  EXPECT_TRUE(dialog->Find(L"Check1")->Enabled());
  EXPECT_TRUE(IsWindowVisible(dialog->Find(L"Check1")->Hwnd()));
  EXPECT_FALSE(IsWindowVisible(dialog->Find(L"Check42")->Hwnd()));  // "Firefox" sub-tab
  EXPECT_FALSE(IsWindowVisible(dialog->Find(L"Check24")->Hwnd()));  // "Windows" tab
  tabs.Select(1);
  EXPECT_TRUE(IsWindowVisible(dialog->Find(L"Check24")->Hwnd()));
  EXPECT_FALSE(dialog->Find(L"Page1")->Visible());
  EXPECT_TRUE(dialog->Find(L"Page2")->Visible());
  browsers.Select(9);
  EXPECT_TRUE(dialog->Find(L"BrowserPage10")->Visible());
  EXPECT_FALSE(dialog->Find(L"BrowserPage1")->Visible());
}

TEST_F(SettingsDialogTest, WithoutAnyKeyEveryBoxOpensUntickedAndOkWritesAll140KeysAsZero) {
  auto dialog = Open();
  for (const CleaningItem& box : ItemCatalogue::Boxes()) EXPECT_FALSE(Ticked(*dialog, box.BoxName)) << box.BoxName;
  dialog->Find(L"Command1")->Click();
  EXPECT_FALSE(dialog->IsLoaded());
  for (const CleaningItem* item : ItemCatalogue::Items()) EXPECT_EQ(Get(item->Section, item->Key), L"0") << item->BoxName;
  EXPECT_EQ(StoredKeys(), 140u);  // nothing for the select-all boxes
  EXPECT_TRUE(prompts.Boxes.empty());
}

TEST_F(SettingsDialogTest, FlagsLoadAsNumbersWhateverTheLetterCaseOfTheirNames) {
  Set(L"EXPLORER", L"cookies", L"1");
  Set(L"EXPLORER", L"history", L"01");   // the number 1
  Set(L"EXPLORER", L"cache", L"yes");    // no number
  Set(L"EXPLORER", L"location", L"2");
  Set(L"windows", L"menuorder", L"1");   // as the loader and the run spell it
  Set(L"windows", L"recent", L"1");
  Set(L"OPERA", L"images", L"1");
  Set(L"Custom", L"Custom", L"1");
  auto dialog = Open();
  EXPECT_TRUE(Ticked(*dialog, L"Check4"));
  EXPECT_TRUE(Ticked(*dialog, L"Check2"));
  EXPECT_FALSE(Ticked(*dialog, L"Check3"));
  EXPECT_FALSE(Ticked(*dialog, L"Check1"));
  EXPECT_TRUE(Ticked(*dialog, L"Check95"));
  EXPECT_TRUE(Ticked(*dialog, L"Check24"));
  EXPECT_TRUE(Ticked(*dialog, L"Check59"));
  EXPECT_TRUE(Ticked(*dialog, L"Check52"));

  dialog->Find(L"Command1")->Click();
  EXPECT_EQ(Get(L"WINDOWS", L"menuorder"), L"1");
  EXPECT_EQ(Get(L"EXPLORER", L"history"), L"1");
  EXPECT_EQ(Get(L"EXPLORER", L"cache"), L"0");
  EXPECT_EQ(Get(L"OPERA", L"Images"), L"1");
  EXPECT_EQ(StoredKeys(), 140u);  // the same keys, rewritten, not added beside them

  auto reopened = Open();
  EXPECT_TRUE(Ticked(*reopened, L"Check95"));
  EXPECT_TRUE(Ticked(*reopened, L"Check59"));
}

TEST_F(SettingsDialogTest, SelectAllTicksAndUnticksItsGroupAndIsNeverStored) {
  auto dialog = Open();
  const auto& windows = ItemCatalogue::Groups()[10];
  dialog->Find(L"Check31")->Click();
  for (const CleaningItem& item : ItemCatalogue::Members(windows)) EXPECT_TRUE(Ticked(*dialog, item.BoxName));
  EXPECT_FALSE(Ticked(*dialog, L"Check1"));  // other groups stay as they were

  dialog->Find(L"Check24")->Click();  // unticking a member leaves the select-all box
  EXPECT_TRUE(Ticked(*dialog, L"Check31"));
  dialog->Find(L"Check31")->Click();
  for (const CleaningItem& item : ItemCatalogue::Members(windows)) EXPECT_FALSE(Ticked(*dialog, item.BoxName));

  // Ticking every member by hand does not tick the select-all box.
  for (const wchar_t* box : {L"Check51", L"Check50", L"Check49", L"Check48"}) dialog->Find(box)->Click();
  EXPECT_FALSE(Ticked(*dialog, L"Check47"));
  dialog->Find(L"Check46")->Click();  // Firefox
  dialog->Find(L"Command1")->Click();
  EXPECT_EQ(Get(L"FIREFOX", L"passwords"), L"1");
  EXPECT_EQ(Get(L"AOL", L"History"), L"1");
  EXPECT_EQ(StoredKeys(), 140u);

  auto reopened = Open();
  EXPECT_TRUE(Ticked(*reopened, L"Check56"));
  EXPECT_FALSE(Ticked(*reopened, L"Check46"));
  EXPECT_FALSE(Ticked(*reopened, L"Check47"));
  EXPECT_TRUE(prompts.Boxes.empty());
}

TEST_F(SettingsDialogTest, InternetExplorerSelectAllAsksForFavoritesAndDownloadedFiles) {
  auto dialog = Open();
  prompts.Answers = {PromptResult::Cancel, PromptResult::Cancel};
  dialog->Find(L"Check9")->Click();
  ASSERT_EQ(prompts.Boxes.size(), 2u);
  EXPECT_EQ(prompts.Boxes[0].Text, L"Are you sure delete IE Favorites?");
  EXPECT_EQ(prompts.Boxes[1].Text, L"Are you sure delete Downloaded Files?");
  for (const auto& box : prompts.Boxes) {
    EXPECT_EQ(box.Title, L"Sorvane");
    EXPECT_EQ(box.Buttons, platform::PromptButtons::OkCancel);
  }
  int ticked = 0;
  for (const CleaningItem& item : ItemCatalogue::Members(ItemCatalogue::Groups()[0])) ticked += Ticked(*dialog, item.BoxName);
  EXPECT_EQ(ticked, 9);
  EXPECT_FALSE(Ticked(*dialog, L"Check5"));
  EXPECT_FALSE(Ticked(*dialog, L"Check7"));

  dialog->Find(L"Check9")->Click();  // unticked: everything off, no question
  EXPECT_EQ(prompts.Boxes.size(), 2u);
  for (const CleaningItem& item : ItemCatalogue::Members(ItemCatalogue::Groups()[0])) EXPECT_FALSE(Ticked(*dialog, item.BoxName));

  prompts.Answers = {PromptResult::Ok, PromptResult::Cancel};
  dialog->Find(L"Check9")->Click();
  EXPECT_TRUE(Ticked(*dialog, L"Check5"));
  EXPECT_FALSE(Ticked(*dialog, L"Check7"));
  EXPECT_TRUE(Ticked(*dialog, L"Check154"));
}

TEST_F(SettingsDialogTest, LeavingATickedFavoritesOrDownloadedFilesBoxAsksFirst) {
  auto dialog = Open();
  dialog->Show();
  // Leaving an unticked box asks nothing.
  dialog->Find(L"Check5")->Focus();
  dialog->Find(L"Check6")->Focus();
  platform::PumpPendingMessages();
  EXPECT_TRUE(prompts.Boxes.empty());

  // OK keeps the tick.
  dialog->Find(L"Check7")->Focus();
  dialog->Find(L"Check7")->Click();
  prompts.Answers = {PromptResult::Ok};
  dialog->Find(L"Check6")->Focus();
  platform::PumpPendingMessages();
  ASSERT_EQ(prompts.Boxes.size(), 1u);
  EXPECT_EQ(prompts.Boxes[0].Text, L"Are you sure delete Downloaded Files?");
  EXPECT_TRUE(Ticked(*dialog, L"Check7"));

  // Ticked by hand, then straight on to OK: the question comes before the save,
  // and Cancel unticks the box.
  dialog->Find(L"Check5")->Focus();
  dialog->Find(L"Check5")->Click();
  prompts.Answers = {PromptResult::Cancel};
  dialog->Find(L"Command1")->Focus();
  dialog->Find(L"Command1")->Click();
  ASSERT_EQ(prompts.Boxes.size(), 2u);
  EXPECT_EQ(prompts.Boxes[1].Text, L"Are you sure delete IE Favorites?");
  EXPECT_FALSE(dialog->IsLoaded());
  EXPECT_EQ(Get(L"EXPLORER", L"favorites"), L"0");
  EXPECT_EQ(Get(L"EXPLORER", L"downloaded"), L"1");
}

TEST_F(SettingsDialogTest, TheFocusLeaveQuestionComesBeforeTheCommandTheFocusMovedTo) {
  auto dialog = Open();
  dialog->Show();
  // A real box handles the queued messages while it is open.
  prompts.OnShow = [] { platform::PumpPendingMessages(); };
  dialog->Find(L"Check5")->Focus();
  dialog->Find(L"Check5")->Click();
  // The "Options" button opens the keep list only once the question is settled.
  prompts.Answers = {PromptResult::Ok};
  dialog->Find(L"Command7")->Focus();
  dialog->Find(L"Command7")->Click();
  EXPECT_EQ(urlKeepListShown, 1);
  ASSERT_EQ(prompts.Boxes.size(), 1u);  // asked within the click, nothing left queued for later
  EXPECT_EQ(prompts.Boxes[0].Text, L"Are you sure delete IE Favorites?");
  platform::PumpPendingMessages();
  EXPECT_EQ(prompts.Boxes.size(), 1u);  // asked once

  // Leaving the box for "Select all of the above": the leaving question first,
  // then the two of the select-all box, whose answers stand.
  dialog->Find(L"Check5")->Focus();
  prompts.Answers = {PromptResult::Cancel, PromptResult::Ok, PromptResult::Cancel};
  dialog->Find(L"Check9")->Focus();
  dialog->Find(L"Check9")->Click();
  platform::PumpPendingMessages();
  ASSERT_EQ(prompts.Boxes.size(), 4u);
  EXPECT_EQ(prompts.Boxes[1].Text, L"Are you sure delete IE Favorites?");
  EXPECT_EQ(prompts.Boxes[2].Text, L"Are you sure delete IE Favorites?");
  EXPECT_EQ(prompts.Boxes[3].Text, L"Are you sure delete Downloaded Files?");
  EXPECT_TRUE(Ticked(*dialog, L"Check5"));
  EXPECT_FALSE(Ticked(*dialog, L"Check7"));
}

TEST_F(SettingsDialogTest, FocusGoingToAnotherWindowAsksNothingUntilTheDialogIsUsedAgain) {
  auto dialog = Open();
  dialog->Show();
  dialog->Find(L"Check5")->Focus();
  dialog->Find(L"Check5")->Click();
  HWND other = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  SetFocus(other);
  platform::PumpPendingMessages();
  EXPECT_TRUE(prompts.Boxes.empty());  // the user switched windows: no question behind their back
  DestroyWindow(other);

  prompts.Answers = {PromptResult::Cancel};
  dialog->Find(L"Command1")->Click();
  ASSERT_EQ(prompts.Boxes.size(), 1u);
  EXPECT_EQ(prompts.Boxes[0].Text, L"Are you sure delete IE Favorites?");
  EXPECT_EQ(Get(L"EXPLORER", L"favorites"), L"0");
}

TEST_F(SettingsDialogTest, MailReadersWithoutTheirRegistryValueAreDisabledAndStoredAsZero) {
  Set(L"outlook", L"address", L"1");
  Set(L"outlook", L"signatures", L"1");
  Set(L"mail", L"Recently", L"1");
  ScopedRegistryValue windowsMail(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows Mail", L"Store Root",
                                  L"%USERPROFILE%\\Mail");
  {
    auto dialog = Open();
    for (int n = 110; n <= 119; ++n) {
      const std::wstring box = L"Check" + std::to_wstring(n);
      EXPECT_FALSE(dialog->Find(box)->Enabled()) << box;
      EXPECT_FALSE(Ticked(*dialog, box.c_str())) << box;
    }
    EXPECT_FALSE(dialog->Find(L"Check127")->Enabled());
    EXPECT_TRUE(dialog->Find(L"Check128")->Enabled());
    EXPECT_TRUE(Ticked(*dialog, L"Check120"));
    EXPECT_FALSE(dialog->Find(L"Check127")->Click());  // a disabled box takes no click
    dialog->Find(L"Command1")->Click();
  }
  EXPECT_EQ(Get(L"outlook", L"address"), L"0");
  EXPECT_EQ(Get(L"outlook", L"signatures"), L"0");
  EXPECT_EQ(Get(L"mail", L"Recently"), L"1");

  // Installed: its boxes load from the file like the others.
  Set(L"outlook", L"sent", L"1");
  ScopedRegistryValue outlookExpress(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Outlook Express", L"InstallRoot",
                                     L"C:\\Program Files\\Outlook Express");
  auto dialog = Open();
  EXPECT_TRUE(dialog->Find(L"Check113")->Enabled());
  EXPECT_TRUE(Ticked(*dialog, L"Check113"));
  EXPECT_TRUE(dialog->Find(L"Check127")->Enabled());
}

TEST_F(SettingsDialogTest, CancelAndTheCloseBoxWriteNothing) {
  const std::wstring kept = dir / L"kept.txt";
  test::WriteFileBytes(kept, "k");
  test::WriteFileBytes(settings::CustomListFile(dir.Path()), platform::ToAnsi(kept + L"\tFile\r\n"));
  test::WriteFileBytes(dir / L"plus-in\\p.kdx", "[name]\r\nappname=p\r\n[swich]\r\non=1\r\n");
  Set(L"EXPLORER", L"cookies", L"1");
  const std::string settingsBefore = test::ReadFileBytes(File());
  const std::string customBefore = test::ReadFileBytes(settings::CustomListFile(dir.Path()));
  const std::string pluginBefore = test::ReadFileBytes(dir / L"plus-in\\p.kdx");

  for (bool closeBox : {false, true}) {
    auto dialog = Open();
    ASSERT_EQ(Custom(*dialog).RowCount(), 1);
    dialog->Find(L"Command2")->Click();  // Clear
    EXPECT_EQ(Custom(*dialog).RowCount(), 0);
    dialog->Find(L"Check1")->Click();
    Plugins(*dialog).SetRowChecked(0, false);
    if (closeBox) {
      SendMessageW(dialog->Hwnd(), WM_CLOSE, 0, 0);
    } else {
      dialog->Find(L"Command3")->Click();
    }
    EXPECT_FALSE(dialog->IsLoaded());
    EXPECT_EQ(test::ReadFileBytes(File()), settingsBefore);
    EXPECT_EQ(test::ReadFileBytes(settings::CustomListFile(dir.Path())), customBefore);
    EXPECT_EQ(test::ReadFileBytes(dir / L"plus-in\\p.kdx"), pluginBefore);
  }
}

TEST_F(SettingsDialogTest, CustomListAddRemoveClearReachTheFileOnOk) {
  const std::wstring listed = dir / L"listed.log";
  const std::wstring a = dir / L"a.bin", c = dir / L"c.bin", folder = dir / L"emptyfolder";
  test::WriteFileBytes(listed, std::string(524288, 'l'));
  test::WriteFileBytes(a, std::string(1048576, 'a'));
  test::WriteFileBytes(c, std::string(524288, 'c'));
  CreateDirectoryW(folder.c_str(), nullptr);
  test::WriteFileBytes(settings::CustomListFile(dir.Path()),
                       platform::ToAnsi(listed + L"\tFile\r\n" + dir.Path() + L"\\gone.log\tFile\r\n"));
  auto dialog = Open();
  ui::ListView& list = Custom(*dialog);
  ASSERT_EQ(list.RowCount(), 1);  // the deleted file is left out
  EXPECT_EQ(list.Cell(0, 0), listed);
  EXPECT_EQ(list.Cell(0, 2), settings::FormatMegabytes(524288, settings::SizePattern::TwoByTwo));

  // Three files in one choice, one of them unreadable: all three rows, in the dialog's order.
  fileDialogs.FileAnswers = {std::vector<std::wstring>{a, dir / L"missing.bin", c}, std::nullopt};
  ASSERT_TRUE(dialog->InvokeMenu(L"addfiles"));
  ASSERT_EQ(fileDialogs.FileDialogs.size(), 1u);
  EXPECT_EQ(fileDialogs.FileDialogs[0].Title, L"Open File");
  EXPECT_EQ(fileDialogs.FileDialogs[0].Filter, L"All files (*.*)|*.*|");
  ASSERT_EQ(list.RowCount(), 4);
  EXPECT_EQ(list.Cell(1, 0), a);
  EXPECT_EQ(list.Cell(1, 1), L"File");
  EXPECT_EQ(list.Cell(1, 2), settings::FormatMegabytes(1048576, settings::SizePattern::Sparse));
  EXPECT_FALSE(list.Cell(1, 3).empty());
  EXPECT_EQ(list.Cell(2, 2), L"");
  EXPECT_EQ(list.Cell(2, 3), L"");
  EXPECT_EQ(list.Cell(3, 0), c);
  dialog->InvokeMenu(L"addfiles");  // cancelled: nothing added
  EXPECT_EQ(list.RowCount(), 4);

  fileDialogs.FolderAnswers = {folder};
  dialog->InvokeMenu(L"addfolders");
  ASSERT_EQ(fileDialogs.FolderTitles, std::vector<std::wstring>{L"Sorvane"});
  ASSERT_EQ(list.RowCount(), 5);
  EXPECT_EQ(list.Cell(4, 1), L"Folder");
  EXPECT_EQ(list.Cell(4, 2), settings::FormatMegabytes(0, settings::SizePattern::Sparse));
  dialog->InvokeMenu(L"addfolders");  // cancelled
  EXPECT_EQ(list.RowCount(), 5);

  list.SelectRow(-1);
  dialog->Find(L"Command102")->Click();  // nothing selected: nothing removed
  EXPECT_EQ(list.RowCount(), 5);
  list.SelectRow(2);
  dialog->Find(L"Command102")->Click();
  ASSERT_EQ(list.RowCount(), 4);
  EXPECT_EQ(list.Cell(2, 0), c);

  dialog->Find(L"Command1")->Click();
  EXPECT_EQ(test::ReadFileBytes(settings::CustomListFile(dir.Path())),
            platform::ToAnsi(listed + L"\tFile\r\n" + a + L"\tFile\r\n" + c + L"\tFile\r\n" + folder + L"\tFolder\r\n"));

  auto reopened = Open();
  EXPECT_EQ(Custom(*reopened).RowCount(), 4);
  reopened->Find(L"Command2")->Click();
  reopened->Find(L"Command102")->Click();  // on an empty list: nothing happens
  reopened->Find(L"Command1")->Click();
  EXPECT_EQ(test::ReadFileBytes(settings::CustomListFile(dir.Path())), "");
}

TEST_F(SettingsDialogTest, OkSavesEveryCustomRowWholeHoweverLongItsPath) {
  // Cut short, a long row could name a folder above the one chosen.
  const std::wstring folder = dir.Path() + L"\\" + std::wstring(1100 - dir.Path().size(), L'd') + L"\\";
  const std::wstring file = folder + L"chosen.log";
  fileDialogs.FileAnswers = {std::vector<std::wstring>{file}};
  auto dialog = Open();
  dialog->InvokeMenu(L"addfiles");
  ASSERT_EQ(Custom(*dialog).RowCount(), 1);
  dialog->Find(L"Command1")->Click();
  EXPECT_EQ(test::ReadFileBytes(settings::CustomListFile(dir.Path())), platform::ToAnsi(file + L"\tFile\r\n"));
}

TEST_F(SettingsDialogTest, PluginListShowsDescriptorsAndOkSavesEachSwitchIntoItsApplicationsFile) {
  test::WriteFileBytes(dir / L"plus-in\\listed.kdx",
                       "[name]\r\nappname=Real\r\n[version]\r\nappver=2.1\r\n[dec]\r\ndecs=Real traces\r\n"
                       "[swich]\r\non=0\r\n");
  test::WriteFileBytes(dir / L"plus-in\\Tool.KDX", "[name]\r\nappname=Tool\r\n[swich]\r\non=1\r\n");
  auto dialog = Open();
  ui::ListView& list = Plugins(*dialog);
  ASSERT_EQ(list.RowCount(), 2);
  EXPECT_EQ(list.Cell(0, 0), L"Real");
  EXPECT_EQ(list.Cell(0, 1), L"2.1");
  EXPECT_EQ(list.Cell(0, 2), L"Real 2.1 Real traces");
  EXPECT_FALSE(list.RowChecked(0));
  EXPECT_TRUE(list.RowChecked(1));

  list.SetRowChecked(0, true);
  list.SetRowChecked(1, false);
  const auto entries = dialog->PluginEntries();  // what a run would take now
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Name, L"Real");
  EXPECT_TRUE(entries[0].Ticked);
  EXPECT_FALSE(entries[1].Ticked);

  dialog->Find(L"Command1")->Click();
  EXPECT_EQ(settings::ReadIniValue(dir / L"plus-in\\Real.kdx", L"swich", L"on"), L"1");
  EXPECT_EQ(settings::ReadIniValue(dir / L"plus-in\\listed.kdx", L"swich", L"on"), L"0");
  EXPECT_EQ(settings::ReadIniValue(dir / L"plus-in\\Tool.KDX", L"swich", L"on"), L"0");
}

TEST_F(SettingsDialogTest, OptionsButtonsOpenTheKeepLists) {
  auto dialog = Open();
  dialog->Find(L"Command7")->Click();
  EXPECT_EQ(urlKeepListShown, 1);
  EXPECT_EQ(cookieKeepListShown, 0);
  dialog->Find(L"Command8")->Click();
  EXPECT_EQ(cookieKeepListShown, 1);
  EXPECT_TRUE(dialog->IsLoaded());
}

// ---- From the main window ---------------------------------------------------

class SettingsFromMainWindowTest : public SettingsDialogTest {
 protected:
  std::unique_ptr<shell::FrmMainCode> OpenMain() {
    shell::ShellServices services;
    services.Prompts = &prompts;
    services.Processes = &processes;
    services.FileDialogs = &fileDialogs;
    services.EndProcess = [] {};
    auto main = std::make_unique<shell::FrmMainCode>(dir.Path(), services, L"");
    if (!main->Load()) throw std::runtime_error("the main window cannot be created (no display?)");
    return main;
  }
  // Runs `step` from a timer once the modal dialog's loop is running.
  static void WhileModal(std::function<void()> step) {
    pending() = std::move(step);
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      auto run = std::move(pending());
      if (run) run();
    });
  }
  static std::function<void()>& pending() {
    static std::function<void()> step;
    return step;
  }
  test::FakeProcessLauncher processes;
};

TEST_F(SettingsFromMainWindowTest, CleanSettingsOpensTheDialogModallyAndOkUnloadsIt) {
  auto main = OpenMain();
  main->Show();
  ASSERT_TRUE(main->HasMenuEntry(L"CleanSettings"));
  bool shownModally = false;
  WhileModal([&] {
    dialogs::frmsettings* dialog = main->CleaningSettings();
    ASSERT_NE(dialog, nullptr);
    shownModally = dialog->IsVisible() && !IsWindowEnabled(main->Hwnd());
    dialog->Find(L"Check4")->Click();
    dialog->Find(L"Command1")->Click();
  });
  main->InvokeMenu(L"CleanSettings");
  EXPECT_TRUE(shownModally);
  EXPECT_EQ(main->CleaningSettings(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(main->Hwnd()));
  EXPECT_EQ(Get(L"EXPLORER", L"cookies"), L"1");
}

TEST_F(SettingsFromMainWindowTest, ARunLoadsThePluginListUnshownAndOpeningShowsThatState) {
  test::WriteFileBytes(dir / L"plus-in\\one.kdx", "[name]\r\nappname=one\r\n[swich]\r\non=1\r\n");
  auto main = OpenMain();
  const auto entries = main->Context().Services.PluginList();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Name, L"one");
  EXPECT_TRUE(entries[0].Ticked);
  ASSERT_NE(main->CleaningSettings(), nullptr);
  EXPECT_FALSE(main->CleaningSettings()->IsVisible());

  // Loaded already: opening shows it without loading again.
  test::WriteFileBytes(dir / L"plus-in\\two.kdx", "[name]\r\nappname=two\r\n");
  int rows = -1;
  WhileModal([&] {
    rows = Plugins(*main->CleaningSettings()).RowCount();
    main->CleaningSettings()->Find(L"Command3")->Click();
  });
  main->InvokeMenu(L"CleanSettings");
  EXPECT_EQ(rows, 1);
  EXPECT_EQ(main->CleaningSettings(), nullptr);
  EXPECT_EQ(main->Context().Services.PluginList().size(), 2u);  // loaded afresh
}

TEST_F(SettingsFromMainWindowTest, OptionsButtonsOpenTheKeepListDialogsModally) {
  auto main = OpenMain();
  main->Show();
  std::vector<std::wstring> opened;
  // Closes the keep-list window with `caption` once its own modal loop runs.
  auto closeLater = [&](const wchar_t* caption) {
    WhileModal([&opened, caption] {
      HWND window = FindWindowW(nullptr, caption);
      if (!window) return;
      opened.push_back(caption);
      SendMessageW(window, WM_CLOSE, 0, 0);
    });
  };
  WhileModal([&] {
    dialogs::frmsettings* dialog = main->CleaningSettings();
    ASSERT_NE(dialog, nullptr);
    closeLater(L"URL Drop-List Options");
    dialog->Find(L"Command7")->Click();
    closeLater(L"Cookies Options");
    dialog->Find(L"Command8")->Click();
    EXPECT_TRUE(dialog->IsLoaded());  // the settings stay open under the keep lists
    dialog->Find(L"Command3")->Click();
  });
  main->InvokeMenu(L"CleanSettings");
  EXPECT_EQ(opened, (std::vector<std::wstring>{L"URL Drop-List Options", L"Cookies Options"}));
  EXPECT_EQ(main->CleaningSettings(), nullptr);
}

}  // namespace
