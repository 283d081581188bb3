#pragma once
// The item handlers: one per cleaning item, grouped in one unit per family of
// items. A handler erases what its item names, adds what it erased to the run
// totals, and returns the final status text of the item's results row.
#include <span>
#include <string>
#include <string_view>

#include "engine/RunContext.h"

namespace engine {

using ItemHandler = std::wstring (*)(RunContext& context);

struct HandlerEntry {
  const wchar_t* Section;
  const wchar_t* Key;
  ItemHandler Handler;
};

inline constexpr const wchar_t* kDone = L"Done";

// The handler of the item with `section` and `key` (letter case ignored), or nullptr.
ItemHandler FindItemHandler(std::wstring_view section, std::wstring_view key);

// The handler tables, one per unit.
std::span<const HandlerEntry> ExplorerHandlers();        // Internet Explorer
std::span<const HandlerEntry> BrowserHandlers();         // Firefox, Opera, Netscape, AOL, MSN, Mozilla
std::span<const HandlerEntry> MaxthonChromeSafariHandlers();
std::span<const HandlerEntry> WindowsHandlers();
std::span<const HandlerEntry> MessengerHandlers();
std::span<const HandlerEntry> OfficeHandlers();
std::span<const HandlerEntry> MailHandlers();            // Outlook Express, Windows Mail
std::span<const HandlerEntry> CustomHandlers();

}  // namespace engine
