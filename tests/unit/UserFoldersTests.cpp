// The per-user folders and the browser version, read from the real registry
// of the test prefix. Every value a test changes is put back afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/UserFolders.h"
#include "engine/allerase.h"
#include "platform/Registry.h"
#include "platform/System.h"
#include "support/TempDir.h"

namespace {

using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;

const wchar_t* const kShellFolders = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const wchar_t* const kExplorerKey = L"SOFTWARE\\Microsoft\\Internet Explorer";

// Keeps a registry value (or its absence) and puts it back when it goes.
class SavedValue {
 public:
  SavedValue(platform::RegistryRoot root, std::wstring subkey, std::wstring name)
      : root_(root), subkey_(std::move(subkey)), name_(std::move(name)) {
    saved_ = platform::ReadRegistryValue(root_, subkey_, name_, 65536);
  }
  ~SavedValue() {
    if (saved_.Read)
      platform::WriteRegistryData(root_, subkey_, name_, saved_.Type, saved_.Data.data(), saved_.Data.size());
    else
      platform::DeleteRegistryValueAt(root_, subkey_, name_);
  }
  void Set(const std::wstring& text, std::uint32_t type = platform::kRegExpandSz) {
    platform::CreateRegistryKey(root_, subkey_);
    ASSERT_TRUE(platform::WriteRegistryData(root_, subkey_, name_, type, text.c_str(),
                                            (text.size() + 1) * sizeof(wchar_t)));
  }
  void Remove() { platform::DeleteRegistryValueAt(root_, subkey_, name_); }

 private:
  platform::RegistryRoot root_;
  std::wstring subkey_, name_;
  platform::RegistryValueRead saved_;
};

// Keeps an environment variable (or its absence) and puts it back.
class SavedVariable {
 public:
  explicit SavedVariable(std::wstring name) : name_(std::move(name)) {
    bool found = false;
    value_ = platform::EnvironmentVariable(name_, &found);
    found_ = found;
  }
  ~SavedVariable() { SetEnvironmentVariableW(name_.c_str(), found_ ? value_.c_str() : nullptr); }
  void Set(const wchar_t* value) { SetEnvironmentVariableW(name_.c_str(), value); }

 private:
  std::wstring name_, value_;
  bool found_ = false;
};

TEST(ExpandUserProfileTest, OnlyTheFirstExactVariableIsExpanded) {
  SavedVariable profile(L"USERPROFILE");
  profile.Set(L"C:\\Users\\Ann");
  const struct {
    const wchar_t* Path;
    const wchar_t* Expected;
  } cases[] = {
      {L"%USERPROFILE%\\AppData\\Roaming", L"C:\\Users\\Ann\\AppData\\Roaming"},
      {L"D:\\old%USERPROFILE%\\Cookies", L"C:\\Users\\Ann\\Cookies"},
      {L"%USERPROFILE%\\a\\%USERPROFILE%", L"C:\\Users\\Ann\\a\\%USERPROFILE%"},
      {L"%userprofile%\\AppData", L"%userprofile%\\AppData"},
      {L"%APPDATA%\\Opera", L"%APPDATA%\\Opera"},
      {L"E:\\Data\\Favorites", L"E:\\Data\\Favorites"},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(engine::ExpandUserProfile(c.Path), c.Expected) << c.Path;

  profile.Set(nullptr);
  EXPECT_EQ(engine::ExpandUserProfile(L"%USERPROFILE%\\Favorites"), L"\\Favorites");
}

TEST(ShellFolderPathTest, ValuesGiveFoldersAndUnreadableOnesGiveNoFolder) {
  SavedVariable profile(L"USERPROFILE");
  profile.Set(L"C:\\Users\\Ann");
  SavedValue value(kHkeyCurrentUser, kShellFolders, L"SorvaneTest Folder");
  const struct {
    std::wstring Stored;
    std::uint32_t Type;
    std::optional<std::wstring> Expected;  // nullopt: the no-folder state
  } cases[] = {
      {L"%USERPROFILE%\\AppData\\Roaming", platform::kRegExpandSz, L"C:\\Users\\Ann\\AppData\\Roaming"},
      {L"  D:\\Absolute\\Path  ", platform::kRegSz, L"D:\\Absolute\\Path"},
      {L"  %USERPROFILE%\\Cookies ", platform::kRegExpandSz, L"C:\\Users\\Ann\\Cookies"},
      {std::wstring(L"D:\\Cut\0here", 11), platform::kRegSz, L"D:\\Cut"},
      {L"%userprofile%\\Small", platform::kRegExpandSz, L"%userprofile%\\Small"},
      {std::wstring(300, L'x'), platform::kRegSz, std::nullopt},  // does not fit the buffer
      {L"", platform::kRegSz, std::nullopt},
      {L"   ", platform::kRegSz, std::nullopt},
  };
  for (const auto& c : cases) {
    value.Set(c.Stored, c.Type);
    const engine::Folder folder = engine::ShellFolderPath(L"SorvaneTest Folder");
    if (c.Expected) {
      ASSERT_FALSE(folder.IsNone()) << c.Stored;
      EXPECT_EQ(*folder.Path(), *c.Expected);
    } else {
      EXPECT_TRUE(folder.IsNone()) << c.Stored.substr(0, 20);
    }
  }
  const DWORD number = 5;
  platform::WriteRegistryData(kHkeyCurrentUser, kShellFolders, L"SorvaneTest Folder", platform::kRegDword,
                              &number, sizeof(number));
  EXPECT_TRUE(engine::ShellFolderPath(L"SorvaneTest Folder").IsNone());
  value.Remove();
  EXPECT_TRUE(engine::ShellFolderPath(L"SorvaneTest Folder").IsNone());
}

TEST(ShellFolderPathTest, NothingBuiltOnAMissingFolderIsErasedOrCreated) {
  test::TempDir dir;
  SavedValue value(kHkeyCurrentUser, kShellFolders, L"SorvaneTest Folder");
  value.Remove();
  const engine::Folder cookies = engine::ShellFolderPath(L"SorvaneTest Folder");
  const engine::Location index = cookies + L"\\index.dat";
  EXPECT_TRUE(index.IsNone());
  EXPECT_EQ(index.Path(), nullptr);
  EXPECT_EQ(engine::EmptyFolder(cookies + L"\\Downloads"), 0);
  EXPECT_EQ(engine::EraseFolderFiles(cookies), 0);

  // The same value pointing at a real folder: the operations do reach it.
  test::WriteFileBytes(dir / L"Cookies\\ann@site.txt", "12345");
  value.Set(dir.Path());
  const engine::Folder found = engine::ShellFolderPath(L"SorvaneTest Folder");
  EXPECT_EQ(engine::EraseFolderFiles(found + L"\\Cookies"), 5);
  EXPECT_FALSE(test::Exists(dir / L"Cookies\\ann@site.txt"));
}

TEST(UserFoldersTest, RunContextTakesAppDataAndLeavesAMissingLocalAppDataWithoutAFolder) {
  SavedVariable profile(L"USERPROFILE");
  profile.Set(L"C:\\Users\\Ann");
  SavedValue appData(kHkeyCurrentUser, kShellFolders, L"AppData");
  SavedValue localAppData(kHkeyCurrentUser, kShellFolders, L"Local AppData");
  appData.Set(L"%USERPROFILE%\\AppData\\Roaming");
  localAppData.Remove();

  engine::RunContext context;
  engine::LoadRunContext(context, L"C:\\Program Files\\Sorvane");
  ASSERT_FALSE(context.AppDataFolder.IsNone());
  EXPECT_EQ(*context.AppDataFolder.Path(), L"C:\\Users\\Ann\\AppData\\Roaming");
  EXPECT_TRUE(context.LocalAppDataFolder.IsNone());

  // Filled once: a later change of the value is not seen by the context.
  appData.Set(L"D:\\Elsewhere");
  EXPECT_EQ(*context.AppDataFolder.Path(), L"C:\\Users\\Ann\\AppData\\Roaming");
  EXPECT_EQ(*engine::ShellFolderPath(L"AppData").Path(), L"D:\\Elsewhere");
}

TEST(IEVersionTest, OnlyTheFirstCharacterOfTheVersionCounts) {
  SavedValue version(kHkeyLocalMachine, kExplorerKey, L"Version");
  const struct {
    const wchar_t* Stored;
    const wchar_t* Digit;
    int Number;
  } cases[] = {
      {L"9.0.8112.16421", L"9", 9}, {L"8.0.6001.18702", L"8", 8}, {L"   6.0.2900", L"6", 6},
      {L"11.0.9600", L"1", 1},      {L"Version", L"V", 0},        {L"", L"", 0},
  };
  for (const auto& c : cases) {
    version.Set(c.Stored, platform::kRegSz);
    EXPECT_EQ(engine::ReadIEVersionDigit(), c.Digit) << c.Stored;
    EXPECT_EQ(engine::ReadIEVersionNumber(), c.Number) << c.Stored;
  }
  version.Remove();
  EXPECT_EQ(engine::ReadIEVersionDigit(), L"E");  // of "Error"
  EXPECT_EQ(engine::ReadIEVersionNumber(), 0);

  version.Set(L"7.0.5730", platform::kRegSz);
  engine::RunContext context;
  engine::LoadRunContext(context, L"C:\\Program Files\\Sorvane");
  EXPECT_EQ(context.IEVersionDigit, 7);
}

}  // namespace
