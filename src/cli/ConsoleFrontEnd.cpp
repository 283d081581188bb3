#include "cli/ConsoleFrontEnd.h"

#include "engine/CleaningRun.h"
#include "platform/Console.h"
#include "platform/Prompts.h"
#include "platform/UrlHistoryStore.h"
#include "settings/ItemCatalogue.h"
#include "settings/PluginDescriptors.h"

namespace cli {
namespace {

// Prints each results row when it ends: item, a TAB, status.
class ConsoleObserver : public engine::NullRunObserver {
 public:
  explicit ConsoleObserver(const ConsoleIo& io) : io_(io) {}
  void OnRowFinished(const std::wstring& item, const std::wstring& status) override {
    io_.Write(item + L"\t" + status + L"\n");
  }

 private:
  const ConsoleIo& io_;
};

// The run's closing message goes to standard output instead of a box.
class ConsolePrompts : public platform::IPrompts {
 public:
  explicit ConsolePrompts(const ConsoleIo& io) : io_(io) {}
  platform::PromptResult ShowMessage(const std::wstring& text, const std::wstring&,
                                    platform::PromptButtons buttons,
                                    platform::PromptIcon) override {
    io_.Write(text + L"\n");
    // Nobody can answer a question here: every question is declined.
    switch (buttons) {
      case platform::PromptButtons::Ok: return platform::PromptResult::Ok;
      case platform::PromptButtons::OkCancel: return platform::PromptResult::Cancel;
      case platform::PromptButtons::YesNo: return platform::PromptResult::No;
      case platform::PromptButtons::YesNoCancel: return platform::PromptResult::Cancel;
    }
    return platform::PromptResult::Ok;
  }

 private:
  const ConsoleIo& io_;
};

class ConsoleNotifications : public engine::INotificationSink {
 public:
  explicit ConsoleNotifications(const ConsoleIo& io) : io_(io) {}
  void QueueNotification(const engine::NotificationRequest& request) override {
    io_.Write(request.Description + L"\n");
  }

 private:
  const ConsoleIo& io_;
};

// The cleaning items, one line per box of the cleaning settings in dialog
// order: box name, group caption, box caption, section, key, separated by TAB
// characters; section and key are empty for a select-all box.
void ListCatalogue(const ConsoleIo& io) {
  std::wstring text;
  for (const settings::CleaningItem& box : settings::ItemCatalogue::Boxes()) {
    text += std::wstring(box.BoxName) + L"\t" + settings::ItemCatalogue::GroupOf(box).Caption + L"\t" +
            box.Caption + L"\t" + (box.Section ? box.Section : L"") + L"\t" + (box.Key ? box.Key : L"") + L"\n";
  }
  io.Write(text);
}

}  // namespace

std::wstring UsageText() {
  return L"Usage: sorvane-cli <command>\n"
         L"\n"
         L"Commands:\n"
         L"  clean     run one cleaning run with the settings file sorvd.dat beside\n"
         L"            this program; prints each item and its status (TAB-separated)\n"
         L"            as it ends, then the closing row and the summary\n"
         L"  list      print the cleaning items: one line per box of the cleaning\n"
         L"            settings in dialog order, TAB-separated: box name, group,\n"
         L"            caption, section, key (section and key are empty for a\n"
         L"            \"Select all of the above\" box)\n"
         L"  --help    show this text\n"
         L"\n"
         L"Exit codes: 0 done, 2 unknown command or arguments.\n";
}

int RunConsole(const std::vector<std::wstring>& arguments, const std::wstring& appPath,
               platform::IProcessLauncher& processes, const ConsoleIo& io) {
  if (arguments.size() == 1 &&
      (arguments[0] == L"--help" || arguments[0] == L"-h" || arguments[0] == L"/?")) {
    io.Write(UsageText());
    return 0;
  }
  if (arguments.size() == 1 && arguments[0] == L"list") {
    ListCatalogue(io);
    return 0;
  }
  if (arguments.size() != 1 || arguments[0] != L"clean") {
    if (!arguments.empty()) io.WriteError(L"sorvane-cli: unknown arguments\n");
    io.WriteError(UsageText());
    return 2;
  }

  ConsoleObserver observer(io);
  ConsolePrompts prompts(io);
  ConsoleNotifications notifications(io);

  engine::RunContext context;
  engine::LoadRunContext(context, appPath);
  context.Services.Prompts = &prompts;
  context.Services.Processes = &processes;
  context.Services.Notifications = &notifications;
  platform::ComUrlHistoryStoreFactory urlHistory;
  context.Services.UrlHistory = &urlHistory;
  // No key sender: keys typed from a console run would land in the terminal.
  // With the option "exit" the run ends without statistics or summary; the
  // console front end then simply returns, the run having done its work.
  context.Services.ExitProgram = [] {};
  // Without the settings dialog the plug-in list is read as the dialog would load it.
  context.Services.PluginList = [appPath] {
    std::vector<engine::PluginEntry> entries;
    for (const settings::PluginDescriptor& descriptor : settings::AddList(appPath))
      entries.push_back({descriptor.Name, descriptor.SwitchedOn});
    return entries;
  };

  engine::Cleaner cleaner(context, observer);
  cleaner.CleanNow(false);
  return 0;
}

}  // namespace cli
