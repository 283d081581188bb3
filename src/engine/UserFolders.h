#pragma once
// The per-user folders and the browser version that the run context holds.
#include "engine/RunContext.h"

namespace engine {

// Fills AppDataFolder, then LocalAppDataFolder.
void FillUserFolders(RunContext& context);

// The major version of Internet Explorer as one digit; 0 when unknown.
int ReadIEVersionNumber();

}  // namespace engine
