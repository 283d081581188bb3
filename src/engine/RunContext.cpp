#include "engine/RunContext.h"

#include "engine/UserFolders.h"
#include "platform/System.h"
#include "settings/Inifun.h"
#include "settings/Text.h"

namespace engine {

void LoadRunContext(RunContext& context, const std::wstring& appPath) {
  context.AppPath = appPath;
  context.WindowsVersionText = settings::GetWindowsVersionText();
  FillUserFolders(context);
  context.WindowsFolder = settings::Trim(platform::WindowsDirectory());
  context.IEVersionDigit = ReadIEVersionNumber();
}

}  // namespace engine
