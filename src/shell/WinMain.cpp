// The start procedure of the GUI program.
#include <windows.h>

#include "platform/Console.h"
#include "platform/FileDialogs.h"
#include "platform/Input.h"
#include "platform/Process.h"
#include "platform/Prompts.h"
#include "platform/UrlHistoryStore.h"
#include "settings/Inifun.h"
#include "shell/Frmsplash.h"
#include "shell/StartupArguments.h"
#include "shell/frmMainCode.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  platform::Win32Prompts prompts;
  platform::Win32ProcessLauncher processes;
  shell::ShellServices services;
  services.Prompts = &prompts;
  services.Processes = &processes;
  platform::Win32FileDialogs fileDialogs;
  services.FileDialogs = &fileDialogs;
  platform::ComUrlHistoryStoreFactory urlHistory;
  services.UrlHistory = &urlHistory;
  platform::Win32KeySender keys;
  services.Keys = &keys;
  services.EndProcess = [] { platform::EndProcess(0); };

  shell::FrmMainCode main(settings::AppPath(), services,
                          shell::ArgumentPart(GetCommandLineW()));
  shell::Frmsplash splash(main);
  if (!splash.Start()) return 1;

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
