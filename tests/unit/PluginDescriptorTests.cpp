#include <gtest/gtest.h>
#include <windows.h>

#include <set>

#include "settings/Inifun.h"
#include "settings/PluginDescriptors.h"
#include "support/TempDir.h"

namespace {

using settings::FolderBase;
using settings::PluginDescriptor;

class PluginFolder : public ::testing::Test {
 protected:
  std::wstring Descriptor(const std::wstring& fileName) const { return dir / (L"plus-in\\" + fileName); }
  void Write(const std::wstring& fileName, const std::string& text) const {
    test::WriteFileBytes(Descriptor(fileName), text);
  }
  test::TempDir dir;
};

TEST_F(PluginFolder, MissingFolderGivesAnEmptyList) { EXPECT_TRUE(settings::AddList(dir.Path()).empty()); }

TEST_F(PluginFolder, ListsEveryDescriptorWithItsFields) {
  Write(L"alpha.kdx",
        "[name]\r\nappname=alpha\r\n[version]\r\nappver=1.2\r\n[dec]\r\ndecs=Cleans alpha\r\n[swich]\r\non=1\r\n");
  Write(L"BETA.KDX", "[name]\r\nappname=BETA\r\n[swich]\r\non=0\r\n");
  Write(L"gamma.kdx", "[name]\r\nappname=Gamma\r\n[swich]\r\non= 1 \r\n");  // read trimmed: on
  Write(L"delta.kdx", "[name]\r\nappname=Delta\r\n[swich]\r\non=01\r\n");   // not exactly 1: off
  Write(L"nameless.kdx", "[version]\r\nappver=3\r\n");                       // no name section
  Write(L"readme.txt", "[name]\r\nappname=readme\r\n");
  Write(L"alpha.kdx.bak", "[name]\r\nappname=old\r\n");
  CreateDirectoryW(Descriptor(L"folder.kdx").c_str(), nullptr);

  const std::vector<PluginDescriptor> list = settings::AddList(dir.Path());
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[0].Name, L"alpha");
  EXPECT_EQ(list[0].Version, L"1.2");
  EXPECT_EQ(list[0].Description, L"Cleans alpha");
  EXPECT_EQ(list[0].DescriptionColumn(), L"alpha 1.2 Cleans alpha");
  EXPECT_EQ(list[0].ListedFile, Descriptor(L"alpha.kdx"));
  EXPECT_TRUE(list[0].SwitchedOn);
  EXPECT_EQ(list[1].Name, L"BETA");
  EXPECT_FALSE(list[1].SwitchedOn);
  EXPECT_EQ(list[1].DescriptionColumn(), L"BETA  ");
  EXPECT_EQ(list[2].Name, L"Delta");
  EXPECT_FALSE(list[2].SwitchedOn);
  EXPECT_EQ(list[3].Name, L"Gamma");
  EXPECT_TRUE(list[3].SwitchedOn);
  EXPECT_EQ(list[4].Name, L"");
  EXPECT_EQ(list[4].Version, L"3");
}

TEST_F(PluginFolder, DescriptorsOfOneNameAreListedOnceAsTheFileThatNameStandsFor) {
  Write(L"a-copy.kdx", "[name]\r\nappname=Tool\r\n[swich]\r\non=0\r\n");
  Write(L"b-copy.kdx", "[name]\r\nappname=tool\r\n[swich]\r\non=0\r\n");
  Write(L"other.kdx", "[name]\r\nappname=Other\r\n");
  Write(L"tool.kdx", "[name]\r\nappname=Tool\r\n[swich]\r\non=1\r\n");
  Write(L"x1.kdx", "[name]\r\nappname=Lonely\r\n[version]\r\nappver=1\r\n");
  Write(L"x2.kdx", "[name]\r\nappname=Lonely\r\n[version]\r\nappver=2\r\n");

  const std::vector<PluginDescriptor> list = settings::AddList(dir.Path());
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].ListedFile, Descriptor(L"tool.kdx"));  // in the first one's place
  EXPECT_TRUE(list[0].SwitchedOn);
  EXPECT_EQ(list[1].Name, L"Other");
  EXPECT_EQ(list[2].Name, L"Lonely");
  EXPECT_EQ(list[2].Version, L"1");  // neither file carries the name: the first stands
}

TEST_F(PluginFolder, SwitchIsSavedIntoTheFileNamedAfterTheApplication) {
  Write(L"listed.kdx", "[name]\r\nappname=Real\r\n[swich]\r\non=0\r\n");
  Write(L"UPPER.KDX", "[name]\r\nappname=UPPER\r\n[swich]\r\non=0\r\n");

  settings::SaveSwitch(dir.Path(), L"Real", true);
  EXPECT_EQ(settings::ReadIniValue(Descriptor(L"Real.kdx"), L"swich", L"on"), L"1");
  EXPECT_EQ(settings::ReadIniValue(Descriptor(L"listed.kdx"), L"swich", L"on"), L"0");

  // The extension in small letters names the same file.
  settings::SaveSwitch(dir.Path(), L"UPPER", true);
  EXPECT_EQ(settings::ReadIniValue(Descriptor(L"UPPER.KDX"), L"swich", L"on"), L"1");
  settings::SaveSwitch(dir.Path(), L"UPPER", false);
  EXPECT_EQ(settings::ReadIniValue(Descriptor(L"UPPER.KDX"), L"swich", L"on"), L"0");

  // A nameless descriptor saves to ".kdx".
  settings::SaveSwitch(dir.Path(), L"", true);
  EXPECT_EQ(settings::ReadIniValue(Descriptor(L".kdx"), L"swich", L"on"), L"1");

  // A name that leads out of the plug-in folder has no file.
  for (const wchar_t* name : {L"..\\escaped", L"../escaped", L"C:escaped"}) {
    EXPECT_EQ(settings::DescriptorFileFor(dir.Path(), name), L"") << name;
    settings::SaveSwitch(dir.Path(), name, true);
  }
  EXPECT_FALSE(test::Exists(dir / L"escaped.kdx"));
  EXPECT_EQ(settings::DescriptorFileFor(L"C:\\App", L"Tool"), L"C:\\App\\plus-in\\Tool.kdx");
}

TEST(PluginActions, FieldsAreTheCommaSeparatedTextAfterTheFirstEquals) {
  struct Case {
    const wchar_t* Line;
    std::vector<std::wstring> Fields;
  } cases[] = {
      {L"1=-2147483647,Software\\X,Value", {L"-2147483647", L"Software\\X", L"Value"}},
      {L"no equals,b", {L"no equals", L"b"}},
      {L"k=a=b,c", {L"a=b", L"c"}},
      {L"k=", {L""}},
      {L"k= a , b ,", {L" a ", L" b ", L""}},
  };
  for (const Case& c : cases) EXPECT_EQ(settings::ActionFields(c.Line), c.Fields) << c.Line;
}

TEST(PluginActions, RootNumbersAreSigned32BitDecimalOrAmpersandHHex) {
  struct Case {
    const wchar_t* Text;
    std::optional<std::int32_t> Root;
  } cases[] = {
      {L"-2147483647", -2147483647},
      {L"&H80000001", -2147483647},
      {L"&h80000001", -2147483647},
      {L"  -2147483648", INT32_MIN},
      {L"\t&H80000000", INT32_MIN},
      {L"&H0000000080000002", -2147483646},
      {L"&HFFFFFFFF", -1},
      {L"2147483647", 2147483647},
      {L"2147483649", std::nullopt},  // the unsigned form of the current user's handle
      {L"-2147483649", std::nullopt},
      {L"&H180000001", std::nullopt},
      {L"1e20", std::nullopt},
      {L"HKEY_CURRENT_USER", 0},
      {L"", 0},
      {L"-", 0},
      {L"&H", 0},
      {L"12abc", 12},
      {L"-2147483647.4", -2147483647},
      {L"1.5e1", 15},
      {L"2.5", 2},  // to the even number
      {L"&H1G", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(settings::ParseRootNumber(c.Text), c.Root) << c.Text;
  EXPECT_EQ(settings::PredefinedRootName(-2147483647), L"HKEY_CURRENT_USER");
  EXPECT_EQ(settings::PredefinedRootName(INT32_MIN), L"HKEY_CLASSES_ROOT");
  EXPECT_EQ(settings::PredefinedRootName(-2147483643), L"HKEY_CURRENT_CONFIG");
  for (std::int32_t other : {0, 1, -1, -2147483641, 416}) EXPECT_EQ(settings::PredefinedRootName(other), L"") << other;
}

TEST_F(PluginFolder, ActionsAreReadSectionBySectionSkippingBadLines) {
  Write(L"t.kdx",
        "[folder]\r\n"
        "1=appdata,\\T\\cache\r\n"
        "2=C:\r\n"                              // too few fields
        "3=,relative\r\n"                       // literal base that is no full path
        "4=C:,\\Temp\\T\r\n"
        "[regtree]\r\n"
        "1=-2147483647,Software\\T\r\n"
        "2=&H80000001,Software\\T2,extra\r\n"   // fields beyond those named are ignored
        "3=2147483649,Software\\T3\r\n"         // root out of range
        "4=-2147483647\r\n"                     // too few fields
        "5=-2147483647,\r\n"                    // would name the whole root
        "6=HKCU,Software\\T6\r\n"               // no number: root 0, kept
        "-2147483646,Software\\NoEquals\r\n"    // without "=": the whole line
        "[reg]\r\n"
        "1=-2147483647,Software\\T,Value\r\n"
        "2=-2147483647,Software\\T\r\n"         // too few fields
        "[file]\r\n"
        "1=localappdata,\\T,a.log\r\n"
        "2=appdata,\\T\r\n"                     // too few fields
        "[fileext]\r\n"
        "1=appdata,\\T,tmp,more\r\n"
        "2=D:\\,Data,log\r\n");

  const settings::DescriptorActions actions = settings::ReadDescriptorActions(Descriptor(L"t.kdx"));
  ASSERT_EQ(actions.RegistryTrees.size(), 4u);
  EXPECT_EQ(actions.RegistryTrees[0].Root, -2147483647);
  EXPECT_EQ(actions.RegistryTrees[0].Subkey, L"Software\\T");
  EXPECT_EQ(actions.RegistryTrees[1].Subkey, L"Software\\T2");
  EXPECT_EQ(actions.RegistryTrees[2].Root, 0);
  EXPECT_EQ(actions.RegistryTrees[3].Root, -2147483646);
  EXPECT_EQ(actions.RegistryTrees[3].Subkey, L"Software\\NoEquals");

  ASSERT_EQ(actions.RegistryValues.size(), 1u);
  EXPECT_EQ(actions.RegistryValues[0].ValueName, L"Value");

  ASSERT_EQ(actions.Files.size(), 1u);
  EXPECT_EQ(actions.Files[0].Base, FolderBase::LocalAppData);
  EXPECT_EQ(actions.Files[0].Folder, L"\\T");
  EXPECT_EQ(actions.Files[0].Name, L"a.log");

  ASSERT_EQ(actions.Extensions.size(), 2u);
  EXPECT_EQ(actions.Extensions[0].Base, FolderBase::AppData);
  EXPECT_EQ(actions.Extensions[0].Name, L"tmp");
  EXPECT_EQ(actions.Extensions[1].Base, FolderBase::Literal);
  EXPECT_EQ(actions.Extensions[1].BaseText + actions.Extensions[1].Folder, L"D:\\Data");

  ASSERT_EQ(actions.Folders.size(), 2u);
  EXPECT_EQ(actions.Folders[0].Base, FolderBase::AppData);
  EXPECT_EQ(actions.Folders[0].Folder, L"\\T\\cache");
  EXPECT_EQ(actions.Folders[1].BaseText, L"C:");
  EXPECT_EQ(actions.Folders[1].Folder, L"\\Temp\\T");
}

TEST_F(PluginFolder, OnlyTheExactLowerCaseWordsNameTheUserFolders) {
  const settings::DescriptorActions actions = settings::ParseDescriptorActions(
      {}, {}, {}, {}, {L"1=AppData,\\T", L"2=localappdata,\\T", L"3= appdata,\\T", L"4=appdata,\\T"});
  // "AppData" and " appdata" are literal bases that are no full paths.
  ASSERT_EQ(actions.Folders.size(), 2u);
  EXPECT_EQ(actions.Folders[0].Base, FolderBase::LocalAppData);
  EXPECT_EQ(actions.Folders[1].Base, FolderBase::AppData);
}

TEST_F(PluginFolder, ASectionLongerThanTheReadBufferGivesNoActionFromItsCutLine) {
  // Forty lines of about a thousand characters: the read buffer ends inside
  // one of them. Cut short, "\Vendor\Product\aaaa..." could name the folder
  // "\Vendor" or "\Vendor\Product" and empty it whole.
  std::set<std::wstring> written;
  std::string folder = "[folder]\r\n", regtree = "[regtree]\r\n";
  for (int n = 0; n < 40; ++n) {
    const std::string leaf = std::string(n % 2 ? 990 : 985, static_cast<char>('a' + n % 26));
    folder += std::to_string(n) + "=appdata,\\Vendor\\Product\\" + leaf + "\r\n";
    regtree += std::to_string(n) + "=-2147483647,Software\\Vendor\\" + leaf + "\r\n";
    written.insert(L"Vendor\\Product\\" + std::wstring(leaf.begin(), leaf.end()));
  }
  Write(L"long.kdx", folder + regtree);

  const settings::DescriptorActions actions = settings::ReadDescriptorActions(Descriptor(L"long.kdx"));
  EXPECT_GT(actions.Folders.size(), 25u);  // the lines that fit are used
  EXPECT_LT(actions.Folders.size(), 40u);
  for (const settings::FolderAction& action : actions.Folders)
    EXPECT_TRUE(written.count(action.Folder.substr(1))) << action.Folder.size();
  EXPECT_GT(actions.RegistryTrees.size(), 25u);
  for (const settings::RegistryTreeAction& action : actions.RegistryTrees) {
    const std::wstring leaf = action.Subkey.substr(action.Subkey.find_last_of(L'\\') + 1);
    EXPECT_TRUE(written.count(L"Vendor\\Product\\" + leaf)) << action.Subkey.size();
  }
}

TEST_F(PluginFolder, MissingFileOrSectionsGiveNoActions) {
  Write(L"empty.kdx", "[name]\r\nappname=empty\r\n[regtree]\r\n");
  for (const wchar_t* file : {L"empty.kdx", L"missing.kdx"}) {
    const settings::DescriptorActions actions = settings::ReadDescriptorActions(Descriptor(file));
    EXPECT_TRUE(actions.RegistryTrees.empty() && actions.RegistryValues.empty() && actions.Files.empty() &&
                actions.Extensions.empty() && actions.Folders.empty())
        << file;
  }
}

}  // namespace
