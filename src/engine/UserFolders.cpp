#include "engine/UserFolders.h"

namespace engine {

// The registry lookups are still to come: no folder is known yet, so every
// location built on these fields is left out.
void FillUserFolders(RunContext& context) {
  context.AppDataFolder = Folder::None();
  context.LocalAppDataFolder = Folder::None();
}

int ReadIEVersionNumber() { return 0; }

}  // namespace engine
