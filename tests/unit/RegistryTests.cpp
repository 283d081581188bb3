// The text-addressed registry layer against the real registry of the test
// prefix, in a key of its own under HKEY_CURRENT_USER\Software\SorvaneTest.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/regfun.h"
#include "platform/Registry.h"
#include "support/Doubles.h"

namespace {

using engine::RegReadRaw;
using engine::RegReadString;
using platform::kHkeyCurrentUser;

class RegistryTest : public testing::Test {
 protected:
  void SetUp() override {
    subkey_ = L"Software\\SorvaneTest\\Registry" + std::to_wstring(GetCurrentProcessId());
    platform::DeleteRegistryKeyTree(kHkeyCurrentUser, subkey_);
    ASSERT_TRUE(platform::CreateRegistryKey(kHkeyCurrentUser, subkey_));
  }
  void TearDown() override {
    platform::DeleteRegistryKeyTree(kHkeyCurrentUser, subkey_);
    EXPECT_FALSE(platform::RegistryKeyExists(kHkeyCurrentUser, subkey_));
  }

  std::wstring Path() const { return L"HKEY_CURRENT_USER\\" + subkey_; }

  void PutBytes(const std::wstring& name, std::uint32_t type, const void* data, std::size_t bytes) {
    ASSERT_TRUE(platform::WriteRegistryData(kHkeyCurrentUser, subkey_, name, type, data, bytes));
  }
  // A string stored with its terminating NUL (and any NUL inside it).
  void PutString(const std::wstring& name, const std::wstring& text, std::uint32_t type = platform::kRegSz) {
    PutBytes(name, type, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  }

  std::wstring subkey_;
  test::FakePrompts prompts_;
};

TEST(RegistryRootTest, RootNamesAreMatchedExactly) {
  const struct {
    const wchar_t* Name;
    platform::RegistryRoot Root;
  } cases[] = {
      {L"HKEY_CLASSES_ROOT", 0x80000000u},  {L"HKEY_CURRENT_USER", 0x80000001u},
      {L"HKEY_LOCAL_MACHINE", 0x80000002u}, {L"HKEY_USERS", 0x80000003u},
      {L"HKEY_PERFORMANCE_DATA", 0x80000004u}, {L"HKEY_CURRENT_CONFIG", 0x80000005u},
      {L"HKEY_DYN_DATA", 0x80000006u},      {L"hkey_current_user", 0},
      {L"HKEY_CURRENT_USER ", 0},           {L"HKCU", 0},
      {L"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(engine::RootKeyFromName(c.Name), c.Root) << c.Name;
}

TEST(RegistryRootTest, SplitGivesRootAndSubkeyAndComplainsAboutMalformedPaths) {
  const struct {
    const wchar_t* Path;
    platform::RegistryRoot Root;
    const wchar_t* Left;  // what the path variable holds afterwards
    bool Complains;
  } cases[] = {
      {L"HKEY_CURRENT_USER\\Software\\Microsoft", 0x80000001u, L"Software\\Microsoft", false},
      {L"HKEY_LOCAL_MACHINE", 0x80000002u, L"", false},
      {L"HKEY_NOPE\\Software", 0, L"Software", false},
      {L"hkey_current_user\\Software", 0, L"hkey_current_user\\Software", true},
      {L"HKEY_CURRENT_USER\\Software\\", 0, L"HKEY_CURRENT_USER\\Software\\", true},
      {L"Software\\Microsoft", 0, L"Software\\Microsoft", true},
      {L"", 0, L"", true},
  };
  for (const auto& c : cases) {
    test::FakePrompts prompts;
    std::wstring path = c.Path;
    EXPECT_EQ(engine::SplitRegistryPath(path, &prompts), c.Root) << c.Path;
    EXPECT_EQ(path, c.Left) << c.Path;
    ASSERT_EQ(prompts.Boxes.size(), c.Complains ? 1u : 0u) << c.Path;
    if (c.Complains) {
      EXPECT_EQ(prompts.Boxes[0].Text, L"Incorrect Format:\n\n" + std::wstring(c.Path));
      EXPECT_EQ(prompts.Boxes[0].Title, L"Sorvane");
      EXPECT_EQ(prompts.Boxes[0].Buttons, platform::PromptButtons::Ok);
    }
  }
}

TEST_F(RegistryTest, ReadStringTrimsAtTheStartOnlyAndFailsOnWhatDoesNotFit) {
  const std::wstring fits(254, L'a');     // 254 bytes + NUL: exactly the buffer
  const std::wstring tooLong(255, L'b');  // 255 bytes + NUL: one byte too many
  PutString(L"plain", L"C:\\Users\\Ann");
  PutString(L"padded", L"  both ends  ");
  PutString(L"expand", L"%USERPROFILE%\\AppData", platform::kRegExpandSz);
  PutString(L"empty", L"");
  PutString(L"nul inside", std::wstring(L"ab\0cd", 5));
  PutString(L"wide", L"\u03a9mega \u65e5\u672c");
  PutString(L"fits", fits);
  PutString(L"too long", tooLong);
  PutString(L"multi", std::wstring(L"one\0two\0", 8), platform::kRegMultiSz);
  const DWORD number = 0x00410041;  // "AA" if it were taken as text
  PutBytes(L"number", platform::kRegDword, &number, sizeof(number));
  // (The system itself adds the NUL that a writer forgot when the data is
  // followed by one, so the stored text is followed by other characters.)
  PutBytes(L"no nul", platform::kRegSz, L"abcdef", 3 * sizeof(wchar_t));
  PutBytes(L"odd length", platform::kRegSz, L"abc", 7);
  PutBytes(L"no data", platform::kRegSz, nullptr, 0);

  const struct {
    const wchar_t* Name;
    std::wstring Expected;
  } cases[] = {
      {L"plain", L"C:\\Users\\Ann"},
      {L"padded", L"both ends  "},
      {L"expand", L"%USERPROFILE%\\AppData"},
      {L"empty", L""},
      {L"nul inside", std::wstring(L"ab\0cd", 5)},
      {L"wide", L"\u03a9mega \u65e5\u672c"},
      {L"fits", fits},
      {L"too long", L"Error"},
      {L"multi", L"Error"},
      {L"number", L"Error"},
      {L"no nul", L"Error"},
      {L"odd length", L"Error"},
      {L"no data", L"Error"},
      {L"missing", L"Error"},
  };
  for (const auto& c : cases) EXPECT_EQ(RegReadString(Path(), c.Name, &prompts_), c.Expected) << c.Name;
  EXPECT_TRUE(prompts_.Boxes.empty());
}

TEST_F(RegistryTest, ReadStringOfMissingKeyUnknownRootAndMalformedPath) {
  EXPECT_EQ(RegReadString(Path() + L"\\missing", L"x", &prompts_), L"Error");
  EXPECT_EQ(RegReadString(L"HKEY_NOPE\\" + subkey_, L"x", &prompts_), L"");
  EXPECT_TRUE(prompts_.Boxes.empty());
  EXPECT_EQ(RegReadString(Path() + L"\\", L"x", &prompts_), L"");
  EXPECT_EQ(prompts_.Boxes.size(), 1u);
}

TEST_F(RegistryTest, RootOnlyPathAddressesTheRootKey) {
  const std::wstring name = L"SorvaneTest root value " + std::to_wstring(GetCurrentProcessId());
  engine::RegWriteString(L"HKEY_CURRENT_USER", name, L"at the root", &prompts_);
  EXPECT_EQ(RegReadString(L"HKEY_CURRENT_USER", name, &prompts_), L"at the root");
  RegDeleteKeyValueW(HKEY_CURRENT_USER, nullptr, name.c_str());
  EXPECT_EQ(RegReadString(L"HKEY_CURRENT_USER", name, &prompts_), L"Error");
  EXPECT_TRUE(prompts_.Boxes.empty());
}

TEST_F(RegistryTest, WriteNeverCreatesKeysAndCreateMakesEveryParent) {
  const std::wstring missing = Path() + L"\\New\\Deeper";
  engine::RegWriteString(missing, L"url1", L"http://example.org/", &prompts_);
  EXPECT_FALSE(platform::RegistryKeyExists(kHkeyCurrentUser, subkey_ + L"\\New"));

  engine::RegCreateKeyPath(missing, &prompts_);
  EXPECT_TRUE(platform::RegistryKeyExists(kHkeyCurrentUser, subkey_ + L"\\New\\Deeper"));
  engine::RegWriteString(missing, L"url1", L"http://example.org/", &prompts_);
  engine::RegWriteString(missing, L"empty", L"", &prompts_);
  EXPECT_EQ(RegReadString(missing, L"url1", &prompts_), L"http://example.org/");
  EXPECT_EQ(RegReadString(missing, L"empty", &prompts_), L"");
  std::uint32_t type = 0;
  EXPECT_EQ(RegReadRaw(kHkeyCurrentUser, subkey_ + L"\\New\\Deeper", L"url1", type), L"http://example.org/");
  EXPECT_EQ(type, platform::kRegSz);

  // A malformed path writes and creates nothing, after its message.
  engine::RegCreateKeyPath(Path() + L"\\Other\\", &prompts_);
  engine::RegWriteString(L"hkey_current_user\\" + subkey_, L"x", L"y", &prompts_);
  EXPECT_FALSE(platform::RegistryKeyExists(kHkeyCurrentUser, subkey_ + L"\\Other"));
  EXPECT_EQ(RegReadString(Path(), L"x", &prompts_), L"Error");
  EXPECT_EQ(prompts_.Boxes.size(), 2u);
  EXPECT_TRUE(prompts_.Boxes.size() == 2 && prompts_.Boxes[0].Text.starts_with(L"Incorrect Format:\n\n"));
}

TEST_F(RegistryTest, ReadRawKeepsSpacesReportsTheTypeAndFailsLikeReadString) {
  PutString(L"spaces", L"  kept  ");
  PutString(L"expand", L"%TEMP%", platform::kRegExpandSz);
  PutString(L"nul inside", std::wstring(L"first\0second", 12));
  PutString(L"too long", std::wstring(255, L'c'));
  const DWORD number = 7;
  PutBytes(L"number", platform::kRegDword, &number, sizeof(number));
  PutBytes(L"no nul", platform::kRegSz, L"abcdef", 3 * sizeof(wchar_t));

  const struct {
    const wchar_t* Name;
    const wchar_t* Expected;
    std::uint32_t Type;  // what the type variable holds afterwards (it starts at 99)
  } cases[] = {
      {L"spaces", L"  kept  ", platform::kRegSz},
      {L"expand", L"%TEMP%", platform::kRegExpandSz},
      {L"nul inside", L"first", platform::kRegSz},
      {L"too long", L"error", platform::kRegSz},
      {L"number", L"error", platform::kRegDword},
      {L"no nul", L"error", platform::kRegSz},
      {L"missing", L"error", 99},
  };
  for (const auto& c : cases) {
    std::uint32_t type = 99;
    EXPECT_EQ(RegReadRaw(kHkeyCurrentUser, subkey_, c.Name, type), c.Expected) << c.Name;
    EXPECT_EQ(type, c.Type) << c.Name;
  }
  std::uint32_t type = 99;
  EXPECT_EQ(RegReadRaw(kHkeyCurrentUser, subkey_ + L"\\missing", L"spaces", type), L"error");
  EXPECT_EQ(RegReadRaw(0x12345678u, subkey_, L"spaces", type), L"error");  // no root key
  EXPECT_EQ(type, 99u);
}

TEST_F(RegistryTest, ValueNamesAreListed) {
  PutString(L"url1", L"a");
  PutString(L"url2", L"b");
  std::vector<std::wstring> names = platform::RegistryValueNames(kHkeyCurrentUser, subkey_);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"url1", L"url2"}));
  EXPECT_TRUE(platform::RegistryValueNames(kHkeyCurrentUser, subkey_ + L"\\missing").empty());
}

}  // namespace
