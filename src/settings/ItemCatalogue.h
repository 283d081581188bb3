#pragma once
// The catalogue of cleaning items: every check box of the cleaning settings
// dialog with its caption, its group, and the settings section and key of its
// flag. 154 boxes in 19 groups: 140 item boxes, each with its own key, and 14
// "Select all of the above" boxes, which have no key and are never stored.
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace settings {

// The unit of item handlers that erases an item (engine/items).
enum class HandlerFamily {
  None,                 // a select-all box: nothing to erase
  InternetExplorer,     // ExplorerItems
  Browsers,             // BrowserItems: Firefox, Opera, Netscape, AOL, MSN, Mozilla
  MaxthonChromeSafari,  // MaxthonChromeSafariItems
  Windows,              // WindowsItems
  Office,               // OfficeItems
  Messengers,           // MessengerItems
  Mail,                 // MailItems: Outlook Express, Windows Mail
  Custom,               // CustomItems: the custom list
};

struct CleaningItem {
  const wchar_t* BoxName;  // "Check1" .. "Check154"
  const wchar_t* Caption;  // the text beside the box
  std::size_t Group;       // index in ItemCatalogue::Groups()
  const wchar_t* Section;  // nullptr for a select-all box
  const wchar_t* Key;      // nullptr for a select-all box
  HandlerFamily Handler;

  bool IsSelectAll() const { return Section == nullptr; }
};

// One framed block of boxes in the dialog.
struct ItemGroup {
  const wchar_t* Caption;       // the frame caption
  const wchar_t* Tab;           // caption of the tab it sits on
  const wchar_t* SubTab;        // caption of its sub-tab on "Browsers", or nullptr
  const wchar_t* Section;       // the settings section of its items
  std::size_t First;            // index in ItemCatalogue::Boxes() of its first box
  std::size_t ItemCount;        // item boxes, the select-all box not counted
  const wchar_t* SelectAllBox;  // nullptr when the group has none
};

class ItemCatalogue {
 public:
  // All 154 boxes in dialog order: groups in order, rows in screen order (left
  // column top to bottom, then the right column), each select-all box closing
  // its group.
  static std::span<const CleaningItem> Boxes();
  // The 140 item boxes in dialog order.
  static const std::vector<const CleaningItem*>& Items();
  // The 19 groups in dialog order.
  static std::span<const ItemGroup> Groups();

  // The box named `boxName` ("Check52"), or nullptr.
  static const CleaningItem* FindBox(std::wstring_view boxName);
  // The item whose flag lives at `section`/`key`, letter case ignored, or nullptr.
  static const CleaningItem* FindItem(std::wstring_view section, std::wstring_view key);

  // The item boxes of a group in screen order (without its select-all box).
  static std::span<const CleaningItem> Members(const ItemGroup& group);
  // The select-all box of a group, or nullptr.
  static const CleaningItem* SelectAll(const ItemGroup& group);
  static const ItemGroup& GroupOf(const CleaningItem& item);
  // The handler unit of an item.
  static HandlerFamily HandlerOf(const CleaningItem& item) { return item.Handler; }

  // The captions of the dialog's seven tabs, and of the ten sub-tabs of
  // "Browsers", in order.
  static std::span<const wchar_t* const> TabCaptions();
  static std::span<const wchar_t* const> BrowserTabCaptions();
};

}  // namespace settings
