// The two keep-list dialogs driven in-process by control name, on the test
// prefix's registry and keep files in a temporary folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>

#include "dialogs/frmcookie.h"
#include "dialogs/frmsettings.h"
#include "dialogs/frmurl.h"
#include "platform/Files.h"
#include "platform/Registry.h"
#include "settings/KeepLists.h"
#include "shell/frmMainCode.h"
#include "support/Doubles.h"
#include "support/SavedRegistry.h"
#include "support/TempDir.h"

namespace {

using platform::kHkeyCurrentUser;
using Texts = std::vector<std::wstring>;

const std::wstring kShellFolders = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const std::wstring kTypedUrls = L"Software\\Microsoft\\Internet Explorer\\TypedURLs";

Texts Items(const ui::ListBox& list) {
  Texts items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list.Item(i));
  return items;
}

class KeepListDialogTest : public ::testing::Test {
 protected:
  KeepListDialogTest() {
    // A known, empty typed-address list.
    for (const std::wstring& name : platform::RegistryValueNames(kHkeyCurrentUser, kTypedUrls))
      platform::DeleteRegistryValueAt(kHkeyCurrentUser, kTypedUrls, name);
    platform::CreateRegistryKey(kHkeyCurrentUser, kTypedUrls);
    cookieValue.Set(cookieFolder);
    CreateDirectoryW(cookieFolder.c_str(), nullptr);
  }

  template <class Dialog>
  std::unique_ptr<Dialog> Open() {
    auto dialog = std::make_unique<Dialog>(dir.Path());
    if (!dialog->Load()) throw std::runtime_error("the dialog cannot be created (no display?)");
    return dialog;
  }
  static ui::ListBox& List(ui::Form& form, const wchar_t* name) { return *form.FindAs<ui::ListBox>(name); }
  std::string UrlFile() const { return test::ReadFileBytes(settings::UrlKeepFile(dir.Path())); }
  std::string CookieFile() const { return test::ReadFileBytes(settings::CookieKeepFile(dir.Path())); }

  test::TempDir dir;
  const std::wstring cookieFolder = dir / L"Cookies";
  test::SavedRegistryKey typedUrls{kHkeyCurrentUser, kTypedUrls};
  test::SavedRegistryValue cookieValue{kHkeyCurrentUser, kShellFolders, L"Cookies"};
};

// ---- URL Drop-List Options ---------------------------------------------------------

TEST_F(KeepListDialogTest, UrlDialogListsTheTypedAddressesAndTheTrimmedKeepList) {
  test::SetStringValue(kHkeyCurrentUser, kTypedUrls, L"url1", L"http://first/");
  test::SetStringValue(kHkeyCurrentUser, kTypedUrls, L"url2", L"C:\\local\\file.htm");
  test::WriteFileBytes(settings::UrlKeepFile(dir.Path()), "http://kept/   \r\nhttp://other/");
  auto dialog = Open<dialogs::frmurl>();

  EXPECT_EQ(dialog->Caption(), L"URL Drop-List Options");
  EXPECT_EQ(dialog->Find(L"cmdAdd")->Text(), L"Add >");
  EXPECT_EQ(dialog->Find(L"cmdRemove")->Text(), L"< Remove");
  EXPECT_EQ(Items(List(*dialog, L"List2")), (Texts{L"http://first/", L"C:\\local\\file.htm"}));
  EXPECT_EQ(Items(List(*dialog, L"List1")), (Texts{L"http://kept/", L"http://other/"}));
  EXPECT_EQ(List(*dialog, L"List2").HorizontalExtent(),
            dialogs::ListTextWidth(List(*dialog, L"List2"), L"C:\\local\\file.htm"));
  EXPECT_GT(List(*dialog, L"List1").HorizontalExtent(), 8);
}

TEST_F(KeepListDialogTest, AnAddressLongerThan254CharactersEndsTheCurrentList) {
  const std::wstring longest(254, L'a');
  test::SetStringValue(kHkeyCurrentUser, kTypedUrls, L"url1", L"http://short/");
  test::SetStringValue(kHkeyCurrentUser, kTypedUrls, L"url2", longest);
  test::SetStringValue(kHkeyCurrentUser, kTypedUrls, L"url3", std::wstring(255, L'b'));
  test::SetStringValue(kHkeyCurrentUser, kTypedUrls, L"url4", L"http://after/");
  EXPECT_EQ(dialogs::CurrentTypedUrls(), (Texts{L"http://short/", longest}));
}

TEST_F(KeepListDialogTest, WithoutTheTypedAddressKeyTheCurrentListIsEmpty) {
  platform::DeleteRegistryKeyTree(kHkeyCurrentUser, kTypedUrls);
  auto dialog = Open<dialogs::frmurl>();
  EXPECT_EQ(List(*dialog, L"List2").Count(), 0);
  EXPECT_EQ(List(*dialog, L"List2").HorizontalExtent(), 0);
}

TEST_F(KeepListDialogTest, AddCreatesTheKeepFileAndAddsEachTimeNothingWithoutSelection) {
  test::SetStringValue(kHkeyCurrentUser, kTypedUrls, L"url1", L"http://a/");
  test::SetStringValue(kHkeyCurrentUser, kTypedUrls, L"url2", L"http://a-much-longer-address.example/page");
  auto dialog = Open<dialogs::frmurl>();
  ui::ListBox& current = List(*dialog, L"List2");
  ui::ListBox& keep = List(*dialog, L"List1");

  dialog->Find(L"cmdAdd")->Click();  // nothing selected
  EXPECT_FALSE(test::Exists(settings::UrlKeepFile(dir.Path())));
  EXPECT_EQ(keep.Count(), 0);

  current.Select(0);
  dialog->Find(L"cmdAdd")->Click();
  EXPECT_EQ(UrlFile(), "http://a/\r\n");
  const int shortExtent = keep.HorizontalExtent();
  dialog->Find(L"cmdAdd")->Click();
  current.Select(1);
  dialog->Find(L"cmdAdd")->Click();
  EXPECT_EQ(UrlFile(), "http://a/\r\nhttp://a/\r\nhttp://a-much-longer-address.example/page\r\n");
  EXPECT_EQ(Items(keep), (Texts{L"http://a/", L"http://a/", L"http://a-much-longer-address.example/page"}));
  EXPECT_EQ(Items(current).size(), 2u);  // the entries stay in the current list
  EXPECT_GT(keep.HorizontalExtent(), shortExtent);
}

TEST_F(KeepListDialogTest, RemoveTakesEverySelectedEntryAndRewritesTheFile) {
  test::WriteFileBytes(settings::UrlKeepFile(dir.Path()),
                       "http://one/\r\nhttp://two/\r\nhttp://a-much-longer-address.example/page\r\nhttp://one/\r\n");
  auto dialog = Open<dialogs::frmurl>();
  ui::ListBox& keep = List(*dialog, L"List1");
  const int wideExtent = keep.HorizontalExtent();

  dialog->Find(L"cmdRemove")->Click();  // nothing selected: nothing changes
  EXPECT_EQ(keep.Count(), 4);

  keep.SetSelected(2, true);
  keep.SetSelected(3, true);
  dialog->Find(L"cmdRemove")->Click();
  EXPECT_EQ(Items(keep), (Texts{L"http://one/", L"http://two/"}));
  EXPECT_EQ(UrlFile(), "http://one/\r\nhttp://two/\r\n");
  EXPECT_LT(keep.HorizontalExtent(), wideExtent);
  EXPECT_FALSE(test::Exists(settings::UrlKeepFile(dir.Path()) + L".new"));

  keep.SetSelected(0, true);
  keep.SetSelected(1, true);
  dialog->Find(L"cmdRemove")->Click();
  EXPECT_EQ(keep.Count(), 0);
  EXPECT_TRUE(test::Exists(settings::UrlKeepFile(dir.Path())));
  EXPECT_EQ(UrlFile(), "");
}

TEST_F(KeepListDialogTest, AKeepFileThatCouldNotBeReadIsNeverRewrittenFromTheEmptyList) {
  test::SetStringValue(kHkeyCurrentUser, kTypedUrls, L"url1", L"http://new/");
  const std::wstring file = settings::UrlKeepFile(dir.Path());
  test::WriteFileBytes(file, "http://kept/\r\n");
  // Another program holds the file open, sharing nothing, while the dialog loads.
  HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  auto dialog = Open<dialogs::frmurl>();
  CloseHandle(held);
  ui::ListBox& keep = List(*dialog, L"List1");
  EXPECT_EQ(keep.Count(), 0);

  List(*dialog, L"List2").Select(0);
  dialog->Find(L"cmdAdd")->Click();
  keep.SetSelected(0, true);
  dialog->Find(L"cmdRemove")->Click();
  EXPECT_EQ(keep.Count(), 0);
  // The list did not show what the file holds: the addresses kept before stay.
  EXPECT_EQ(UrlFile(), "http://kept/\r\nhttp://new/\r\n");
}

// ---- Cookies Options -----------------------------------------------------------------

TEST_F(KeepListDialogTest, CookieDialogOffersFilesWhoseNameHoldsLowerCaseTxt) {
  test::WriteFileBytes(cookieFolder + L"\\ann@site[1].txt", "a");
  test::WriteFileBytes(cookieFolder + L"\\ANN@LOUD[1].TXT", "b");
  test::WriteFileBytes(cookieFolder + L"\\old.txt.bak", "c");
  test::WriteFileBytes(cookieFolder + L"\\index.dat", "d");
  test::WriteFileBytes(cookieFolder + L"\\Low\\ann@low[1].txt", "e");
  auto dialog = Open<dialogs::frmcookie>();

  EXPECT_EQ(dialog->Caption(), L"Cookies Options");
  Texts offered = Items(List(*dialog, L"lstCookieList"));
  std::sort(offered.begin(), offered.end());
  EXPECT_EQ(offered, (Texts{cookieFolder + L"\\ann@site[1].txt", cookieFolder + L"\\old.txt.bak"}));
  EXPECT_GT(List(*dialog, L"lstCookieList").HorizontalExtent(), 8);
}

TEST_F(KeepListDialogTest, WithoutACookieFolderValueNothingIsOffered) {
  test::WriteFileBytes(cookieFolder + L"\\ann@site[1].txt", "a");
  cookieValue.Remove();
  auto dialog = Open<dialogs::frmcookie>();
  EXPECT_EQ(List(*dialog, L"lstCookieList").Count(), 0);
}

TEST_F(KeepListDialogTest, CookiesAreKeptAndViewedFromEitherList) {
  const std::wstring cookie = cookieFolder + L"\\ann@site[1].txt";
  test::WriteFileBytes(cookie, "id\n42\nsite/\n");
  auto dialog = Open<dialogs::frmcookie>();
  ui::ListBox& current = List(*dialog, L"lstCookieList");
  ui::ListBox& keep = List(*dialog, L"List1");
  ui::Control& viewer = *dialog->Find(L"Text1");

  current.Select(0);
  current.onChange();  // what a click reports
  EXPECT_EQ(viewer.Text(), L"id\r\n42\r\nsite/\r\n");
  dialog->Find(L"cmdAdd")->Click();
  EXPECT_EQ(CookieFile(), platform::ToAnsi(cookie) + "\r\n");

  viewer.SetText(L"typed by the user");
  keep.SetSelected(0, true);
  keep.onChange();
  EXPECT_EQ(viewer.Text(), L"id\r\n42\r\nsite/\r\n");
  EXPECT_EQ(test::ReadFileBytes(cookie), "id\n42\nsite/\n");  // nothing typed is saved

  DeleteFileW(cookie.c_str());
  viewer.SetText(L"as it was");
  keep.onChange();  // a file that is gone leaves the viewer as it is
  EXPECT_EQ(viewer.Text(), L"as it was");

  dialog->Find(L"cmdRemove")->Click();
  EXPECT_EQ(CookieFile(), "");
}

// ---- Modal showing ----------------------------------------------------------------------

struct ModalProbe {
  HWND Owner = nullptr;
  bool OwnerDisabled = false;
  bool Closed = false;
  int Ticks = 0;
} probe;

BOOL CALLBACK CloseOtherWindow(HWND hwnd, LPARAM) {
  if (hwnd != probe.Owner && IsWindowVisible(hwnd)) PostMessageW(hwnd, WM_CLOSE, 0, 0);
  return TRUE;
}

void CALLBACK CloseKeepListDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = FindWindowW(nullptr, L"URL Drop-List Options");
  if (!dialog || !IsWindowVisible(dialog)) {
    if (++probe.Ticks > 100) {  // never wait forever: close whatever this thread shows
      KillTimer(nullptr, timer);
      EnumThreadWindows(GetCurrentThreadId(), &CloseOtherWindow, 0);
    }
    return;
  }
  probe.OwnerDisabled = !IsWindowEnabled(probe.Owner);
  probe.Closed = true;
  KillTimer(nullptr, timer);
  PostMessageW(dialog, WM_CLOSE, 0, 0);
}

TEST_F(KeepListDialogTest, TheDialogIsShownModallyOverItsOwnerAndUnloadedOnClose) {
  ui::Form owner;
  ASSERT_TRUE(owner.Create(L"owner", L"Owner", 200, 100));
  owner.Show();
  probe = {};
  probe.Owner = owner.Hwnd();
  SetTimer(nullptr, 0, 50, &CloseKeepListDialog);
  EXPECT_TRUE(dialogs::ShowFrmUrl(owner.Hwnd(), dir.Path()));
  EXPECT_TRUE(probe.Closed);
  EXPECT_TRUE(probe.OwnerDisabled);
  EXPECT_TRUE(IsWindowEnabled(owner.Hwnd()));
  EXPECT_EQ(FindWindowW(nullptr, L"URL Drop-List Options"), nullptr);
}

// The cleaning settings dialog opens the cookie keep list from its second
// "Options" button, modally over itself.
struct OptionsProbe {
  shell::FrmMainCode* Main = nullptr;
  bool Clicked = false;
  bool CookieDialogShown = false;
  bool SettingsDisabled = false;
  int Ticks = 0;
} options;

void CALLBACK DriveOptionsButton(HWND, UINT, UINT_PTR timer, DWORD) {
  if (++options.Ticks > 200) {  // never wait forever
    KillTimer(nullptr, timer);
    if (dialogs::frmsettings* settings = options.Main->CleaningSettings()) settings->Cancel();
    return;
  }
  dialogs::frmsettings* settings = options.Main->CleaningSettings();
  if (HWND cookie = FindWindowW(nullptr, L"Cookies Options"); cookie && IsWindowVisible(cookie)) {
    options.CookieDialogShown = true;
    options.SettingsDisabled = settings && !IsWindowEnabled(settings->Hwnd());
    PostMessageW(cookie, WM_CLOSE, 0, 0);
    return;
  }
  if (!settings || !settings->IsVisible()) return;
  if (!options.Clicked) {
    options.Clicked = true;
    settings->Find(L"Command8")->Click();  // runs the keep-list dialog's loop, this timer still ticking
    return;
  }
  KillTimer(nullptr, timer);
  settings->Cancel();
}

TEST_F(KeepListDialogTest, TheSettingsDialogsOptionsButtonOpensTheCookieKeepList) {
  test::FakePrompts prompts;
  test::FakeProcessLauncher processes;
  shell::ShellServices services;
  services.Prompts = &prompts;
  services.Processes = &processes;
  services.EndProcess = [] {};
  shell::FrmMainCode main(dir.Path(), services, L"");
  ASSERT_TRUE(main.Load());
  main.Show();
  options = {};
  options.Main = &main;
  SetTimer(nullptr, 0, 50, &DriveOptionsButton);
  main.ShowCleaningSettings();
  EXPECT_TRUE(options.CookieDialogShown);
  EXPECT_TRUE(options.SettingsDisabled);
  EXPECT_EQ(main.CleaningSettings(), nullptr);
  EXPECT_EQ(FindWindowW(nullptr, L"Cookies Options"), nullptr);
}

}  // namespace
