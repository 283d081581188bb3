#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "engine/CleaningRun.h"
#include "engine/items/ItemHandlers.h"
#include "settings/ItemCatalogue.h"
#include "settings/Text.h"

namespace {

using settings::CleaningItem;
using settings::HandlerFamily;
using settings::ItemCatalogue;
using settings::ItemGroup;

std::wstring Lowered(const wchar_t* section, const wchar_t* key) {
  return settings::ToLower(section) + L"/" + settings::ToLower(key);
}

TEST(ItemCatalogue, HoldsEveryBoxOnceAndEachGroupIsContiguousWithItsSelectAllLast) {
  const auto boxes = ItemCatalogue::Boxes();
  ASSERT_EQ(boxes.size(), 154u);
  EXPECT_EQ(ItemCatalogue::Items().size(), 140u);
  ASSERT_EQ(ItemCatalogue::Groups().size(), 19u);

  std::set<std::wstring> names;
  for (const CleaningItem& box : boxes) names.insert(box.BoxName);
  for (int n = 1; n <= 154; ++n) EXPECT_TRUE(names.count(L"Check" + std::to_wstring(n))) << n;
  EXPECT_EQ(names.size(), 154u);

  std::size_t next = 0;
  int selectAlls = 0;
  for (std::size_t g = 0; g < ItemCatalogue::Groups().size(); ++g) {
    const ItemGroup& group = ItemCatalogue::Groups()[g];
    EXPECT_EQ(group.First, next) << group.Caption;
    for (const CleaningItem& item : ItemCatalogue::Members(group)) {
      EXPECT_FALSE(item.IsSelectAll()) << item.BoxName;
      EXPECT_EQ(item.Group, g) << item.BoxName;
      EXPECT_STREQ(item.Section, group.Section) << item.BoxName;
      EXPECT_NE(item.Handler, HandlerFamily::None) << item.BoxName;
    }
    next += group.ItemCount;
    if (const CleaningItem* selectAll = ItemCatalogue::SelectAll(group)) {
      EXPECT_TRUE(selectAll->IsSelectAll());
      EXPECT_STREQ(selectAll->BoxName, group.SelectAllBox);
      EXPECT_STREQ(selectAll->Caption, L"Select all of the above");
      EXPECT_EQ(selectAll->Key, nullptr);
      EXPECT_EQ(&ItemCatalogue::GroupOf(*selectAll), &group);
      ++next;
      ++selectAlls;
    }
  }
  EXPECT_EQ(next, 154u);
  EXPECT_EQ(selectAlls, 14);
}

TEST(ItemCatalogue, KeysAreDistinctAndFoundWithoutRegardToLetterCase) {
  std::set<std::wstring> keys;
  for (const CleaningItem* item : ItemCatalogue::Items()) {
    EXPECT_TRUE(keys.insert(Lowered(item->Section, item->Key)).second) << item->BoxName;
    EXPECT_EQ(ItemCatalogue::FindItem(settings::ToLower(item->Section), settings::ToLower(item->Key)), item);
    EXPECT_EQ(ItemCatalogue::FindBox(item->BoxName), item);
  }
  struct Case {
    const wchar_t *Section, *Key, *Box;
  };
  // The loader and the run spell some names with other capitals.
  for (const Case& c : {Case{L"windows", L"menuorder", L"Check95"}, Case{L"WINDOWS", L"MenuOrder", L"Check95"},
                        Case{L"OPERA", L"images", L"Check59"}, Case{L"Opera", L"passwords", L"Check61"},
                        Case{L"Safari", L"History", L"Check149"}, Case{L"OFFICE", L"Powerpoint", L"Check39"},
                        Case{L"outlook", L"mailrules", L"Check117"}, Case{L"mail", L"mailrules", L"Check124"},
                        Case{L"Custom", L"Custom", L"Check52"}}) {
    const CleaningItem* item = ItemCatalogue::FindItem(c.Section, c.Key);
    ASSERT_NE(item, nullptr) << c.Section << L"/" << c.Key;
    EXPECT_STREQ(item->BoxName, c.Box);
  }
  EXPECT_EQ(ItemCatalogue::FindItem(L"EXPLORER", L"nothing"), nullptr);
  EXPECT_EQ(ItemCatalogue::FindItem(L"", L""), nullptr);
  EXPECT_EQ(ItemCatalogue::FindBox(L"Check155"), nullptr);
  EXPECT_TRUE(ItemCatalogue::FindBox(L"Check9")->IsSelectAll());
}

TEST(ItemCatalogue, EveryRunRowNamesAnItemAndEveryItemHasARunRow) {
  std::map<std::wstring, int> rows;
  for (const engine::RunOrderRow& row : engine::RunOrder()) {
    EXPECT_NE(ItemCatalogue::FindItem(row.Section, row.Key), nullptr) << row.Number;
    ++rows[Lowered(row.Section, row.Key)];
  }
  for (const CleaningItem* item : ItemCatalogue::Items())
    EXPECT_EQ(rows[Lowered(item->Section, item->Key)], 1) << item->BoxName;
  EXPECT_EQ(rows.size(), ItemCatalogue::Items().size());
}

TEST(ItemCatalogue, HandlerFamilyNamesTheUnitThatHoldsTheItemsHandler) {
  const std::map<HandlerFamily, std::span<const engine::HandlerEntry>> units = {
      {HandlerFamily::InternetExplorer, engine::ExplorerHandlers()},
      {HandlerFamily::Browsers, engine::BrowserHandlers()},
      {HandlerFamily::MaxthonChromeSafari, engine::MaxthonChromeSafariHandlers()},
      {HandlerFamily::Windows, engine::WindowsHandlers()},
      {HandlerFamily::Office, engine::OfficeHandlers()},
      {HandlerFamily::Messengers, engine::MessengerHandlers()},
      {HandlerFamily::Mail, engine::MailHandlers()},
      {HandlerFamily::Custom, engine::CustomHandlers()},
  };
  for (const CleaningItem* item : ItemCatalogue::Items()) {
    bool found = false;
    for (const engine::HandlerEntry& entry : units.at(ItemCatalogue::HandlerOf(*item)))
      found = found || (settings::SameName(entry.Section, item->Section) && settings::SameName(entry.Key, item->Key));
    EXPECT_TRUE(found) << item->BoxName;
  }
}

TEST(ItemCatalogue, GroupsSitOnTheirTabsAndBrowserGroupsFillTheSubTabs) {
  const auto tabs = ItemCatalogue::TabCaptions();
  const std::vector<std::wstring> expectedTabs = {L"Browsers",    L"Windows",           L"Microsoft Office",
                                                  L"Applications", L"Custom Item",      L"Instant Messaging",
                                                  L"Email Readers"};
  ASSERT_EQ(tabs.size(), expectedTabs.size());
  for (std::size_t i = 0; i < tabs.size(); ++i) EXPECT_EQ(tabs[i], expectedTabs[i]);

  // The ten browser groups fill the ten sub-tabs, one each, in order.
  const auto subTabs = ItemCatalogue::BrowserTabCaptions();
  ASSERT_EQ(subTabs.size(), 10u);
  std::size_t browser = 0;
  std::map<std::wstring, int> groupsPerTab;
  for (const ItemGroup& group : ItemCatalogue::Groups()) {
    int tab = -1;
    for (std::size_t i = 0; i < tabs.size(); ++i)
      if (tabs[i] == std::wstring(group.Tab)) tab = static_cast<int>(i);
    ASSERT_GE(tab, 0) << group.Caption;
    ++groupsPerTab[group.Tab];
    if (group.SubTab) {
      EXPECT_STREQ(group.Tab, L"Browsers");
      ASSERT_LT(browser, subTabs.size());
      EXPECT_STREQ(group.SubTab, subTabs[browser++]);
    }
  }
  EXPECT_EQ(browser, 10u);
  EXPECT_EQ(groupsPerTab[L"Applications"], 0);
  EXPECT_EQ(groupsPerTab[L"Instant Messaging"], 4);
  EXPECT_EQ(groupsPerTab[L"Email Readers"], 2);
}

TEST(ItemCatalogue, CaptionsAndScreenOrderStandAsTheDialogShowsThem) {
  const ItemGroup& ie = ItemCatalogue::Groups()[0];
  EXPECT_STREQ(ie.Caption, L"Internet Explorer");
  std::wstring order;
  for (const CleaningItem& item : ItemCatalogue::Members(ie)) order += std::wstring(item.BoxName) + L" ";
  EXPECT_EQ(order, L"Check1 Check2 Check3 Check4 Check5 Check6 Check7 Check153 Check54 Check135 Check154 ");

  struct Case {
    const wchar_t *Box, *Caption, *Group;
  };
  for (const Case& c : {Case{L"Check7", L"IE Downloaded Files(Only IE9)", L"Internet Explorer"},
                        Case{L"Check20", L"History Files", L"MSN Exploer"},
                        Case{L"Check86", L"The Custom Locations From Picture Location Drop-down Box", L"Windows"},
                        Case{L"Check41", L"Select all of the above",
                             L"MS Office(support 97, 2000, XP, 2003, 2007,2010)"},
                        Case{L"Check143", L"log Files", L"Yahoo! Messenger"},
                        Case{L"Check52", L"Custom Clean Items", L"Select Folder and Files That will Be Erased"}}) {
    const CleaningItem* box = ItemCatalogue::FindBox(c.Box);
    ASSERT_NE(box, nullptr) << c.Box;
    EXPECT_STREQ(box->Caption, c.Caption);
    EXPECT_STREQ(ItemCatalogue::GroupOf(*box).Caption, c.Group);
  }
  // Groups without a select-all box.
  for (std::size_t g : {12u, 13u, 14u, 15u, 18u}) EXPECT_EQ(ItemCatalogue::SelectAll(ItemCatalogue::Groups()[g]), nullptr);
}

}  // namespace
