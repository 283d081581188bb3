#pragma once
// The record every item handler receives: the folders and versions computed
// once when the program starts, the run's totals, the current results row,
// and the services a handler may use.
#include <functional>
#include <string>
#include <vector>

#include "engine/Folder.h"
#include "engine/Notification.h"

namespace platform {
class IPrompts;
class IProcessLauncher;
class IKeySender;
class IUrlHistoryStoreFactory;
}  // namespace platform

namespace engine {

class RunObserver;
struct RunContext;

struct RunTotals {
  double CleanedRegistryKeys = 0;
  double ReleasedBytes = 0;
};

// One row of the plug-in list as a run takes it: the application name (the
// descriptor is "\plus-in\" + name + ".kdx" in the program's folder) and
// whether the row is ticked.
struct PluginEntry {
  std::wstring Name;
  bool Ticked = false;
};

// The services a run and its handlers reach the outside world through.
struct RunServices {
  platform::IPrompts* Prompts = nullptr;
  platform::IProcessLauncher* Processes = nullptr;
  INotificationSink* Notifications = nullptr;
  // The program's Exit procedure (ends the process in the real program).
  std::function<void()> ExitProgram;
  // Determines the installed Office version between the messenger and Office items.
  std::function<void(RunContext&)> DetectOfficeVersion;
  // Executes the switched-on plug-ins after the last item.
  std::function<void(RunContext&)> RunPlugins;
  // The plug-in list in list order, as the cleaning settings dialog holds it
  // (the main window loads the dialog's data, unshown, when it is not loaded).
  std::function<std::vector<PluginEntry>()> PluginList;
  // The browser's URL history store, created for each use (history items clear it).
  platform::IUrlHistoryStoreFactory* UrlHistory = nullptr;
  // Key sequences to the window that has the keyboard focus.
  platform::IKeySender* Keys = nullptr;
  // Gives the keyboard focus back to the program's main window.
  std::function<void()> FocusMainWindow;
};

// The row of the results list that the item being run owns.
class CurrentRow {
 public:
  explicit CurrentRow(RunObserver* observer = nullptr) : observer_(observer) {}
  void SetStatus(const std::wstring& status);
  const std::wstring& Status() const { return status_; }
  const std::wstring& Item() const { return item_; }
  void Reset(const std::wstring& item) { item_ = item; status_.clear(); }
  // The row is complete: reports its item and final status.
  void Finish();

 private:
  RunObserver* observer_;
  std::wstring item_;
  std::wstring status_;
};

struct RunContext {
  std::wstring AppPath;
  std::wstring WindowsFolder;
  std::wstring WindowsVersionText;
  Folder AppDataFolder;
  Folder LocalAppDataFolder;
  int IEVersionDigit = 0;
  // The Office version text found by the run for the Office items.
  std::wstring OfficeVersionText;

  RunTotals Totals;
  CurrentRow Row;
  RunServices Services;

  // Hands control to other events for a moment (erase primitives call it on
  // long walks). Does nothing outside a run.
  std::function<void()> Yield = [] {};

  // Appends a results row owned by a step that is not a catalogue item (a
  // plug-in); it becomes the current row.
  std::function<void(const std::wstring& item)> AppendRow = [](const std::wstring&) {};
};

// The values of the record that come from the system, computed once at start-up:
// Windows version and folder, user folders, browser version.
void LoadRunContext(RunContext& context, const std::wstring& appPath);

}  // namespace engine
