#include "engine/items/ItemHandlers.h"

#include "settings/Text.h"

namespace engine {

ItemHandler FindItemHandler(std::wstring_view section, std::wstring_view key) {
  for (auto table : {ExplorerHandlers(), BrowserHandlers(), MaxthonChromeSafariHandlers(),
                     WindowsHandlers(), MessengerHandlers(), OfficeHandlers(), MailHandlers(),
                     CustomHandlers()}) {
    for (const HandlerEntry& entry : table) {
      if (settings::SameName(entry.Section, section) && settings::SameName(entry.Key, key)) {
        return entry.Handler;
      }
    }
  }
  return nullptr;
}

}  // namespace engine
