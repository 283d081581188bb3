// The Internet Explorer items run against folders in a temporary folder and
// the test prefix's registry; started programs, key sequences and the URL
// history store are recorded by test doubles.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "engine/CleaningRun.h"
#include "engine/CookieFiles.h"
#include "engine/items/ExplorerSteps.h"
#include "engine/items/ItemHandlers.h"
#include "platform/Files.h"
#include "platform/Registry.h"
#include "platform/System.h"
#include "settings/Inifun.h"
#include "settings/KeepLists.h"
#include "support/Doubles.h"
#include "support/FakeKeySender.h"
#include "support/FakeUrlHistory.h"
#include "support/SavedRegistry.h"
#include "support/TempDir.h"

namespace {

using platform::kHkeyCurrentUser;
using platform::kHkeyUsers;
using Values = std::vector<std::pair<std::wstring, std::wstring>>;
using Texts = std::vector<std::wstring>;

const std::wstring kShellFolders = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const std::wstring kExplorerMain = L"Software\\Microsoft\\Internet Explorer\\Main";
const std::wstring kTypedUrls = L"Software\\Microsoft\\Internet Explorer\\TypedURLs";
const std::wstring kSpw = L"Software\\Microsoft\\Internet Explorer\\IntelliForms\\SPW";
const std::wstring kDefaultIntelliForms = L".DEFAULT\\Software\\Microsoft\\Internet Explorer\\IntelliForms";
const std::wstring kSessionManager = L"System\\CurrentControlSet\\Control\\Session Manager";

void Make(const std::wstring& path, std::size_t bytes) { test::WriteFileBytes(path, std::string(bytes, 'c')); }

// Keeps an environment variable (or its absence) and puts it back.
class SavedVariable {
 public:
  explicit SavedVariable(std::wstring name) : name_(std::move(name)) {
    value_ = platform::EnvironmentVariable(name_, &found_);
  }
  ~SavedVariable() { SetEnvironmentVariableW(name_.c_str(), found_ ? value_.c_str() : nullptr); }
  void Set(const std::wstring& value) { SetEnvironmentVariableW(name_.c_str(), value.c_str()); }

 private:
  std::wstring name_, value_;
  bool found_ = false;
};

class ExplorerItemsTest : public ::testing::Test {
 protected:
  ExplorerItemsTest() {
    context.AppPath = dir / L"app";
    CreateDirectoryW(context.AppPath.c_str(), nullptr);
    context.WindowsVersionText = L"5.1";
    context.IEVersionDigit = 9;
    context.Services.Processes = &processes;
    context.Services.Keys = &keys;
    context.Services.UrlHistory = &history;
    context.Services.FocusMainWindow = [this] { ++focusReturned; };
    context.Yield = [this] { ++yields; };
    context.Row = engine::CurrentRow(&observer);
    cache.Set(Folder(L"Cache"));
    cookies.Set(Folder(L"Cookies"));
    favorites.Set(Folder(L"Favorites"));
    historyFolder.Set(Folder(L"History"));
    downloads.Set(Folder(L"Downloads"));
  }

  std::wstring Folder(const std::wstring& name) const { return dir / (L"user\\" + name); }

  std::wstring Run(const wchar_t* key) {
    engine::ItemHandler handler = engine::FindItemHandler(L"EXPLORER", key);
    if (!handler) throw std::runtime_error("no handler");
    return handler(context);
  }

  test::TempDir dir;
  engine::RunContext context;
  test::FakeProcessLauncher processes;
  test::FakeKeySender keys;
  test::FakeUrlHistory history;
  test::RecordingObserver observer;
  int focusReturned = 0;
  int yields = 0;

  test::SavedRegistryValue cache{kHkeyCurrentUser, kShellFolders, L"Cache"};
  test::SavedRegistryValue cookies{kHkeyCurrentUser, kShellFolders, L"Cookies"};
  test::SavedRegistryValue favorites{kHkeyCurrentUser, kShellFolders, L"Favorites"};
  test::SavedRegistryValue historyFolder{kHkeyCurrentUser, kShellFolders, L"History"};
  test::SavedRegistryValue downloads{kHkeyCurrentUser, kExplorerMain, L"Default Download Directory"};
  test::SavedRegistryKey typedUrls{kHkeyCurrentUser, kTypedUrls};
};

// ---- location ------------------------------------------------------------------

struct LocationCase {
  const char* Name;
  const char* KeepFile;  // nullptr: no keepurl.dat
  Values Expected;
};

class LocationTest : public ExplorerItemsTest, public ::testing::WithParamInterface<LocationCase> {};

TEST_P(LocationTest, TheTypedAddressesAreExactlyTheKeptOnes) {
  test::SetStringValue(kHkeyCurrentUser, kTypedUrls, L"url1", L"http://visited/");
  test::SetStringValue(kHkeyCurrentUser, kTypedUrls, L"url7", L"http://secret/");
  test::SetStringValue(kHkeyCurrentUser, kTypedUrls, L"other", L"x");
  if (GetParam().KeepFile) test::WriteFileBytes(settings::UrlKeepFile(context.AppPath), GetParam().KeepFile);

  EXPECT_EQ(Run(L"location"), L"Done");
  EXPECT_TRUE(platform::RegistryKeyExists(kHkeyCurrentUser, kTypedUrls));
  Values values = test::StringValues(kHkeyCurrentUser, kTypedUrls);
  std::sort(values.begin(), values.end());
  EXPECT_EQ(values, GetParam().Expected);
  EXPECT_EQ(context.Totals.CleanedRegistryKeys, 3);
  EXPECT_EQ(context.Totals.ReleasedBytes, 0);
}

INSTANTIATE_TEST_SUITE_P(
    KeepFiles, LocationTest,
    ::testing::Values(
        LocationCase{"ThreeLines",
                     "http://one/  \r\nC:\\local\\page.htm\r\nhttp://three/",
                     {{L"url1", L"http://one/"}, {L"url2", L"C:\\local\\page.htm"}, {L"url3", L"http://three/"}}},
        LocationCase{"NoFile", nullptr, {}},
        LocationCase{"EmptyFile", "", {}},
        LocationCase{"BlankLineGivesAnEmptyValue", "a\r\n\r\nb\r\n", {{L"url1", L"a"}, {L"url2", L""}, {L"url3", L"b"}}}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- history ---------------------------------------------------------------------

struct HistoryCase {
  const wchar_t* WindowsVersion;
  bool UsesCommand;
};

class HistoryTest : public ExplorerItemsTest, public ::testing::WithParamInterface<HistoryCase> {};

TEST_P(HistoryTest, Windows6StartsTheCommandOthersClearTheStore) {
  context.WindowsVersionText = GetParam().WindowsVersion;
  history.Add(L"http://visited/");
  EXPECT_EQ(Run(L"history"), L"Done");
  if (GetParam().UsesCommand) {
    EXPECT_EQ(processes.Minimized, Texts{L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 1"});
    EXPECT_EQ(history.Created, 0);
    EXPECT_EQ(history.Entries.size(), 1u);
  } else {
    EXPECT_TRUE(processes.Minimized.empty());
    EXPECT_EQ(history.ClearCalls, 1);
    EXPECT_TRUE(history.Entries.empty());
    EXPECT_EQ(history.Released, history.Created);  // released at once
  }
  EXPECT_EQ(context.Totals.CleanedRegistryKeys, 15);
  EXPECT_EQ(context.Totals.ReleasedBytes, 500000);
}

INSTANTIATE_TEST_SUITE_P(Versions, HistoryTest,
                         ::testing::Values(HistoryCase{L"6.1", true}, HistoryCase{L"6.0", true},
                                           HistoryCase{L"5.1", false}, HistoryCase{L"10.0", false},
                                           HistoryCase{L"", false}));

TEST_F(ExplorerItemsTest, AHistoryStoreThatFailsStillEndsTheItemWithItsAmounts) {
  for (platform::StoreStatus test::FakeUrlHistory::*status :
       {&test::FakeUrlHistory::CreateStatus, &test::FakeUrlHistory::ClearStatus}) {
    test::FakeUrlHistory failing;
    failing.*status = platform::kStoreNotImplemented;
    context.Services.UrlHistory = &failing;
    context.Totals = {};
    EXPECT_EQ(Run(L"history"), L"Done");
    EXPECT_EQ(context.Totals.CleanedRegistryKeys, 15);
    EXPECT_EQ(context.Totals.ReleasedBytes, 500000);
  }
  context.Services.UrlHistory = nullptr;
  EXPECT_EQ(Run(L"history"), L"Done");
}

// ---- cache -----------------------------------------------------------------------

TEST_F(ExplorerItemsTest, CacheErasesEveryFileOfTheTreeAndKeepsTheFolders) {
  Make(Folder(L"Cache") + L"\\a.htm", 100);
  Make(Folder(L"Cache") + L"\\Content.IE5\\X1\\b.gif", 20);
  EXPECT_EQ(Run(L"cache"), L"Done");
  EXPECT_EQ(context.Totals.ReleasedBytes, 120);
  EXPECT_FALSE(test::Exists(Folder(L"Cache") + L"\\Content.IE5\\X1\\b.gif"));
  EXPECT_TRUE(test::Exists(Folder(L"Cache") + L"\\Content.IE5\\X1"));
  EXPECT_EQ(processes.Minimized, Texts{L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 8 "});

  context.IEVersionDigit = 6;
  processes.Minimized.clear();
  Run(L"cache");
  EXPECT_TRUE(processes.Minimized.empty());
}

// ---- cookies ---------------------------------------------------------------------

TEST_F(ExplorerItemsTest, KeptCookiesAreNeitherDeletedNorCountedOnlyAnExactLineProtects) {
  const std::wstring folder = Folder(L"Cookies");
  Make(folder + L"\\ann@kept[1].txt", 10);
  Make(folder + L"\\ann@case[1].txt", 20);
  Make(folder + L"\\ann@blank[1].txt", 40);
  Make(folder + L"\\hidden.txt", 80);
  SetFileAttributesW((folder + L"\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
  Make(folder + L"\\index.dat", 160);
  Make(folder + L"\\Low\\ann@low[1].txt", 320);
  test::WriteFileBytes(settings::CookieKeepFile(context.AppPath),
                       platform::ToAnsi(folder + L"\\ann@kept[1].txt\r\n" + folder + L"\\ANN@CASE[1].TXT\r\n" +
                                        folder + L"\\ann@blank[1].txt \r\n"));

  EXPECT_EQ(Run(L"cookies"), L"Done");
  EXPECT_TRUE(test::Exists(folder + L"\\ann@kept[1].txt"));
  EXPECT_FALSE(test::Exists(folder + L"\\ann@case[1].txt"));
  EXPECT_FALSE(test::Exists(folder + L"\\ann@blank[1].txt"));
  EXPECT_FALSE(test::Exists(folder + L"\\hidden.txt"));  // reset to normal, then deleted
  EXPECT_FALSE(test::Exists(folder + L"\\index.dat"));
  EXPECT_TRUE(test::Exists(folder + L"\\Low\\ann@low[1].txt"));  // subfolders are not entered
  EXPECT_EQ(context.Totals.ReleasedBytes, 20 + 40 + 80 + 160);
  EXPECT_EQ(yields, 5);  // after each file of the folder
}

TEST_F(ExplorerItemsTest, ACookieNamedLikeAKeptOneWithATrailingDotOrBlankIsNotTheKeptOne) {
  // Plain path rules drop a final dot or blank, which would make these names
  // reach the kept file.
  const std::wstring folder = Folder(L"Cookies");
  const std::wstring kept = folder + L"\\ann@kept[1].txt";
  Make(kept, 10);
  for (const wchar_t* tail : {L".", L" "}) {
    HANDLE file = CreateFileW((L"\\\\?\\" + kept + tail).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "12345", 5, &written, nullptr);
    CloseHandle(file);
  }
  test::WriteFileBytes(settings::CookieKeepFile(context.AppPath), platform::ToAnsi(kept + L"\r\n"));

  EXPECT_EQ(Run(L"cookies"), L"Done");
  EXPECT_EQ(test::ReadFileBytes(kept), std::string(10, 'c'));
  EXPECT_EQ(GetFileAttributesW((L"\\\\?\\" + kept + L".").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesW((L"\\\\?\\" + kept + L" ").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(context.Totals.ReleasedBytes, 10);
}

TEST_F(ExplorerItemsTest, ACookieWhosePathTheCodePageCannotHoldIsKeptAsTheKeepListStoresIt) {
  const std::wstring folder = Folder(L"Cookies");
  const std::wstring kept = folder + L"\\ann@\u4e2d\u6587[1].txt";
  const std::wstring other = folder + L"\\ann@\u65e5\u672c\u8a9e[1].txt";
  if (platform::FromAnsi(platform::ToAnsi(kept)) == kept) GTEST_SKIP() << "the code page holds every character";
  Make(kept, 10);
  Make(other, 20);
  // As the cookie keep dialog stores it: in the code page, so not letter for letter.
  ASSERT_TRUE(settings::KeepList(settings::CookieKeepFile(context.AppPath)).Add(kept));

  EXPECT_EQ(Run(L"cookies"), L"Done");
  EXPECT_TRUE(test::Exists(kept));
  EXPECT_FALSE(test::Exists(other));
  EXPECT_EQ(context.Totals.ReleasedBytes, 20);
}

// Holds a file open, sharing nothing, as another program may.
class HeldFile {
 public:
  explicit HeldFile(const std::wstring& path)
      : handle_(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~HeldFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

TEST_F(ExplorerItemsTest, AKeepFileThatCannotBeReadSparesWhatItMayKeep) {
  // Cookies: which of them are kept cannot be told, so none is deleted.
  const std::wstring cookie = Folder(L"Cookies") + L"\\ann@kept[1].txt";
  Make(cookie, 10);
  test::WriteFileBytes(settings::CookieKeepFile(context.AppPath), platform::ToAnsi(cookie + L"\r\n"));
  // Typed addresses: the list is left as it is rather than emptied of the kept ones.
  test::SetStringValue(kHkeyCurrentUser, kTypedUrls, L"url1", L"http://kept/");
  test::WriteFileBytes(settings::UrlKeepFile(context.AppPath), "http://kept/\r\n");
  {
    HeldFile cookies(settings::CookieKeepFile(context.AppPath));
    HeldFile urls(settings::UrlKeepFile(context.AppPath));
    ASSERT_TRUE(cookies.Held() && urls.Held());
    EXPECT_EQ(Run(L"cookies"), L"Done");
    EXPECT_EQ(Run(L"location"), L"Done");
  }
  EXPECT_TRUE(test::Exists(cookie));
  EXPECT_EQ(context.Totals.ReleasedBytes, 0);
  EXPECT_EQ(test::StringValues(kHkeyCurrentUser, kTypedUrls), (Values{{L"url1", L"http://kept/"}}));
  EXPECT_EQ(context.Totals.CleanedRegistryKeys, 3);
}

TEST_F(ExplorerItemsTest, ACookieKeptFromTheDialogsListIsSparedWhateverTheFolderValueEndsWith) {
  const std::wstring folder = Folder(L"Cookies");
  Make(folder + L"\\ann@kept[1].txt", 10);
  Make(folder + L"\\ann@gone[1].txt", 20);
  for (const std::wstring& value : {folder + L"\\", L"  " + folder + L"  "}) {
    cookies.Set(value);
    context.Totals = {};
    // What the cookie keep dialog offers and stores for the kept file.
    const std::vector<std::wstring> offered = engine::CookieFilesOffered(engine::CookieFolder());
    const auto kept = std::find_if(offered.begin(), offered.end(), [](const std::wstring& path) {
      return path.find(L"ann@kept[1].txt") != std::wstring::npos;
    });
    ASSERT_NE(kept, offered.end());
    test::WriteFileBytes(settings::CookieKeepFile(context.AppPath), platform::ToAnsi(*kept + L"\r\n"));

    EXPECT_EQ(Run(L"cookies"), L"Done");
    EXPECT_TRUE(test::Exists(folder + L"\\ann@kept[1].txt"));
    EXPECT_FALSE(test::Exists(folder + L"\\ann@gone[1].txt"));
    Make(folder + L"\\ann@gone[1].txt", 20);
    EXPECT_EQ(context.Totals.ReleasedBytes, 20);
  }
}

TEST_F(ExplorerItemsTest, WithoutAKeepFileEveryCookieGoes) {
  Make(Folder(L"Cookies") + L"\\a.txt", 7);
  EXPECT_EQ(Run(L"cookies"), L"Done");
  EXPECT_FALSE(test::Exists(Folder(L"Cookies") + L"\\a.txt"));
  EXPECT_EQ(context.Totals.ReleasedBytes, 7);
}

TEST_F(ExplorerItemsTest, AMissingOrUnusableCookieFolderValueErasesNothing) {
  Make(dir / L"a.txt", 7);
  for (const wchar_t* value : {L"", L"   ", L"relative\\Cookies", L"C:\\", L"Z:"}) {
    if (*value) {
      cookies.Set(value);
    } else {
      cookies.Remove();
    }
    context.Totals = {};
    EXPECT_EQ(Run(L"cookies"), L"Done") << value;
    EXPECT_EQ(context.Totals.ReleasedBytes, 0) << value;
  }
  EXPECT_TRUE(test::Exists(dir / L"a.txt"));
}

// ---- favorites -------------------------------------------------------------------

TEST_F(ExplorerItemsTest, FavoritesLeavesAnEmptyFolder) {
  Make(Folder(L"Favorites") + L"\\Site.url", 50);
  Make(Folder(L"Favorites") + L"\\Links\\Other.url", 25);
  EXPECT_EQ(Run(L"favorites"), L"Done");
  EXPECT_EQ(context.Totals.ReleasedBytes, 75);
  EXPECT_TRUE(test::Exists(Folder(L"Favorites")));
  EXPECT_FALSE(test::Exists(Folder(L"Favorites") + L"\\Links"));
  EXPECT_FALSE(test::Exists(Folder(L"Favorites") + L"\\Site.url"));
}

// ---- autocomplete ----------------------------------------------------------------

class RefusingLauncher : public test::FakeProcessLauncher {
 public:
  std::optional<std::uint32_t> StartHiddenForInput(const std::wstring& commandLine) override {
    Hidden.push_back(commandLine);
    return std::nullopt;
  }
};

struct AutocompleteCase {
  int Version;
  Texts Minimized;
  Texts Hidden;
  Texts Keys;
};

class AutocompleteTest : public ExplorerItemsTest, public ::testing::WithParamInterface<AutocompleteCase> {};

TEST_P(AutocompleteTest, RemovesBothKeysAddsNineAndDrivesKeysOnlyForVersion6) {
  test::SavedRegistryKey defaultForms(kHkeyUsers, kDefaultIntelliForms);
  test::SetStringValue(kHkeyCurrentUser, kSpw, L"entry", L"secret");
  test::SetStringValue(kHkeyUsers, kDefaultIntelliForms, L"entry", L"secret");
  context.IEVersionDigit = GetParam().Version;
  std::size_t startedBeforeKeys = 0;
  keys.OnSend = [&](const std::wstring&) { startedBeforeKeys = processes.Hidden.size(); };

  EXPECT_EQ(Run(L"autocomplete"), L"Done");
  EXPECT_FALSE(platform::RegistryKeyExists(kHkeyCurrentUser, kSpw));
  EXPECT_FALSE(platform::RegistryKeyExists(kHkeyUsers, kDefaultIntelliForms));
  EXPECT_EQ(processes.Minimized, GetParam().Minimized);
  EXPECT_EQ(processes.Hidden, GetParam().Hidden);
  EXPECT_EQ(keys.Sequences, GetParam().Keys);
  if (!GetParam().Keys.empty()) {
    EXPECT_EQ(startedBeforeKeys, 1u);  // the page is started first
    // Every sequence is meant for the page's own windows.
    EXPECT_EQ(keys.Targets, std::vector<std::uint32_t>(GetParam().Keys.size(), processes.StartedProcessId));
  }
  EXPECT_EQ(focusReturned, 1);
  EXPECT_EQ(context.Totals.CleanedRegistryKeys, 9);
}

const Texts kFormsAndPasswords{L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 16",
                               L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 32"};

INSTANTIATE_TEST_SUITE_P(
    Versions, AutocompleteTest,
    ::testing::Values(AutocompleteCase{0, {}, {}, {}}, AutocompleteCase{5, {}, {}, {}},
                      AutocompleteCase{6,
                                       {},
                                       {L"rundll32.exe shell32.dll,Control_RunDLL inetcpl.cpl,,3"},
                                       {L"{U}", L"{C}", L"{ENTER}", L"{ESC}", L"{ESC}"}},
                      AutocompleteCase{7, kFormsAndPasswords, {}, {}},
                      AutocompleteCase{9, kFormsAndPasswords, {}, {}}),
    [](const auto& info) { return "IE" + std::to_string(info.param.Version); });

TEST_F(ExplorerItemsTest, AutocompleteTypesNoKeysWhenTheControlPanelPageCannotBeStarted) {
  RefusingLauncher refusing;
  context.Services.Processes = &refusing;
  context.IEVersionDigit = 6;
  EXPECT_EQ(Run(L"autocomplete"), L"Done");
  EXPECT_EQ(refusing.Hidden.size(), 1u);
  EXPECT_TRUE(keys.Sequences.empty());
  EXPECT_EQ(context.Totals.CleanedRegistryKeys, 9);
}

TEST_F(ExplorerItemsTest, AutocompleteStopsTypingWhenThePageIsNotInFront) {
  // Another program's window is in front: the first sequence is refused, and
  // Enter and Escape are not tried on it afterwards.
  keys.FrontProcess = processes.StartedProcessId + 1;
  int tried = 0;
  keys.OnSend = [&](const std::wstring&) { ++tried; };
  context.IEVersionDigit = 6;
  EXPECT_EQ(Run(L"autocomplete"), L"Done");
  EXPECT_EQ(tried, 1);
  EXPECT_TRUE(keys.Sequences.empty());
  EXPECT_EQ(focusReturned, 1);
  EXPECT_EQ(context.Totals.CleanedRegistryKeys, 9);
}

// ---- downloaded, downloadedhistory -------------------------------------------------

TEST_F(ExplorerItemsTest, DownloadItemsNeedVersion9) {
  Make(Folder(L"Downloads") + L"\\setup.exe", 300);
  Make(Folder(L"Downloads") + L"\\Old\\doc.pdf", 30);
  context.IEVersionDigit = 8;
  EXPECT_EQ(Run(L"downloaded"), L"Only Support IE9.");
  EXPECT_EQ(Run(L"downloadedhistory"), L"Only Support IE9.");
  EXPECT_TRUE(test::Exists(Folder(L"Downloads") + L"\\setup.exe"));
  EXPECT_EQ(context.Totals.ReleasedBytes, 0);

  context.IEVersionDigit = 9;
  EXPECT_EQ(Run(L"downloaded"), L"Done");
  EXPECT_EQ(Run(L"downloadedhistory"), L"Done");
  EXPECT_EQ(context.Totals.ReleasedBytes, 330);
  EXPECT_TRUE(test::Exists(Folder(L"Downloads")));
  EXPECT_FALSE(test::Exists(Folder(L"Downloads") + L"\\Old"));
  EXPECT_EQ(context.Totals.CleanedRegistryKeys, 0);
}

TEST_F(ExplorerItemsTest, WithoutADownloadFolderValueNothingIsErasedOrCreated) {
  downloads.Remove();
  Make(dir / L"keep.bin", 5);
  EXPECT_EQ(Run(L"downloaded"), L"Done");
  EXPECT_EQ(context.Totals.ReleasedBytes, 0);
  EXPECT_TRUE(test::Exists(dir / L"keep.bin"));
  EXPECT_FALSE(test::Exists(Folder(L"Downloads")));
}

// ---- index ------------------------------------------------------------------------

TEST_F(ExplorerItemsTest, IndexAddsItsAmountAndAsksForARestartEvenWithoutFiles) {
  test::SavedRegistryValue pending(platform::kHkeyLocalMachine, kSessionManager, L"PendingFileRenameOperations");
  EXPECT_EQ(Run(L"index"), L"Need to reboot your computer!");
  EXPECT_EQ(context.Totals.ReleasedBytes, 3500000);
  EXPECT_EQ(observer.StatusTexts, (Texts{L"Clearing IE Cache Index.dat File Content......",
                                         L"Clearing IE History Index.dat File Content......",
                                         L"Clearing IE Cookies Index.dat File Content......"}));
}

TEST_F(ExplorerItemsTest, IndexSchedulesTheThreeIndexFilesForTheRestart) {
  test::SavedRegistryValue pending(platform::kHkeyLocalMachine, kSessionManager, L"PendingFileRenameOperations");
  const Texts files{Folder(L"Cache") + L"\\Content.IE5\\index.dat", Folder(L"History") + L"\\History.IE5\\index.dat",
                    Folder(L"Cookies") + L"\\index.dat"};
  for (const std::wstring& file : files) Make(file, 10);
  Run(L"index");
  std::wstring scheduled;
  platform::RegistryValueRead read = platform::ReadRegistryValue(platform::kHkeyLocalMachine, kSessionManager,
                                                                 L"PendingFileRenameOperations", 1 << 20);
  scheduled.assign(read.Data.size() / sizeof(wchar_t), L'\0');
  if (!scheduled.empty()) std::memcpy(scheduled.data(), read.Data.data(), scheduled.size() * sizeof(wchar_t));
  for (const std::wstring& file : files) {
    EXPECT_NE(scheduled.find(file + L'\0'), std::wstring::npos) << std::string(file.begin(), file.end());
    EXPECT_TRUE(test::Exists(file));  // only at the restart
  }
  EXPECT_EQ(context.Totals.ReleasedBytes, 3500000);
}

// ---- inprivate, addons ---------------------------------------------------------------

TEST_F(ExplorerItemsTest, InprivateErasesOnlyTheIndexFileFromVersion8) {
  SavedVariable profile(L"userprofile");
  profile.Set(dir / L"profile");
  Make(dir / L"profile\\PrivacIE\\index.dat", 64);
  Make(dir / L"profile\\PrivacIE\\other.dat", 8);
  Make(dir / L"profile\\PrivacIE\\Low\\index.dat", 8);
  context.IEVersionDigit = 7;
  EXPECT_EQ(Run(L"inprivate"), L"Done");
  EXPECT_TRUE(test::Exists(dir / L"profile\\PrivacIE\\index.dat"));

  context.IEVersionDigit = 8;
  EXPECT_EQ(Run(L"inprivate"), L"Done");
  EXPECT_FALSE(test::Exists(dir / L"profile\\PrivacIE\\index.dat"));
  EXPECT_TRUE(test::Exists(dir / L"profile\\PrivacIE\\other.dat"));
  EXPECT_TRUE(test::Exists(dir / L"profile\\PrivacIE\\Low\\index.dat"));
  EXPECT_EQ(context.Totals.ReleasedBytes, 64);
}

TEST_F(ExplorerItemsTest, AddonsRunsItsCommandFromVersion7) {
  context.IEVersionDigit = 6;
  EXPECT_EQ(Run(L"addons"), L"Done");
  EXPECT_TRUE(processes.Minimized.empty());
  EXPECT_EQ(context.Totals.CleanedRegistryKeys, 0);

  context.IEVersionDigit = 7;
  EXPECT_EQ(Run(L"addons"), L"Done");
  EXPECT_EQ(processes.Minimized, Texts{L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 4351"});
  EXPECT_EQ(context.Totals.CleanedRegistryKeys, 15);
  EXPECT_EQ(context.Totals.ReleasedBytes, 500000);
}

// ---- the run ------------------------------------------------------------------------

TEST_F(ExplorerItemsTest, ARunAddsWhatTheElevenItemsReturn) {
  test::SavedRegistryKey defaultForms(kHkeyUsers, kDefaultIntelliForms);
  test::SavedRegistryValue pending(platform::kHkeyLocalMachine, kSessionManager, L"PendingFileRenameOperations");
  test::FakePrompts prompts;
  context.Services.Prompts = &prompts;
  const wchar_t* const items[] = {L"location", L"history", L"cache", L"cookies", L"favorites", L"autocomplete",
                                  L"downloaded", L"downloadedhistory", L"index", L"inprivate", L"addons"};
  for (const wchar_t* key : items)
    settings::WriteIniValue(settings::SettingsFile(context.AppPath), L"EXPLORER", key, L"1");
  Make(Folder(L"Cache") + L"\\a.htm", 1000);
  Make(Folder(L"Cookies") + L"\\c.txt", 24);
  context.IEVersionDigit = 8;

  engine::Cleaner cleaner(context, observer);
  ASSERT_TRUE(cleaner.CleanNow(false));
  std::vector<test::RecordingObserver::Row> expected{
      {L"IE Location Bar History", L"Done"},  {L"IE Internet History Files", L"Done"},
      {L"IE Internet Cache", L"Done"},        {L"IE Cookies", L"Done"},
      {L"IE Favorites", L"Done"},             {L"IE Autocomplete Memory", L"Done"},
      {L"IE Downloaded Files(Only IE9)", L"Only Support IE9."},
      {L"IE Downloaded History(Only IE9)", L"Only Support IE9."},
      {L"IE Index.dat Files", L"Need to reboot your computer!"},
      {L"IE Inprivate Filter", L"Done"},      {L"IE Add-ons Settings", L"Done"}};
  ASSERT_GE(observer.Finished.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(observer.Finished[i].Item, expected[i].Item);
    EXPECT_EQ(observer.Finished[i].Status, expected[i].Status);
  }
  // 3 location + 15 history + 9 autocomplete + 15 add-ons; 500000 history +
  // 1024 files + 3500000 index + 500000 add-ons.
  EXPECT_EQ(settings::ReadIniValue(settings::SettingsFile(context.AppPath), L"Options", L"regnum"), L"42");
  EXPECT_EQ(settings::ReadIniValue(settings::SettingsFile(context.AppPath), L"Options", L"filesize"), L"4501024");
}

}  // namespace
