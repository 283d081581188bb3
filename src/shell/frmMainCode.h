#pragma once
// The main window: start page, status page with the results list, progress
// bar and status label, the statistics line, the timers, and the owner of
// every process-wide value (run context, totals, schedule copy, notification queue).
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/CleaningRun.h"
#include "engine/RunContext.h"
#include "shell/mNotificationSystem.h"
#include "ui/Window.h"

namespace platform {
class IPrompts;
class IProcessLauncher;
class IFileDialogs;
class IKeySender;
class IUrlHistoryStoreFactory;
}  // namespace platform

namespace dialogs {
class frmsettings;
}

namespace shell {

// What the main window reaches the outside world through.
struct ShellServices {
  platform::IPrompts* Prompts = nullptr;
  platform::IProcessLauncher* Processes = nullptr;
  platform::IFileDialogs* FileDialogs = nullptr;
  platform::IUrlHistoryStoreFactory* UrlHistory = nullptr;
  platform::IKeySender* Keys = nullptr;
  // Ends the process (the last step of the Exit procedure).
  std::function<void()> EndProcess;
};

class FrmMainCode : public ui::Form, public engine::RunObserver {
 public:
  FrmMainCode(std::wstring appPath, ShellServices services, std::wstring startupCommandLine);
  ~FrmMainCode() override;

  // Creates the window without showing it and runs the load sequence.
  bool Load();

  // Runs one cleaning run unless one is under way (then the request is
  // dropped and false returned). `unattended`: started by the tray menu, the
  // scheduler or start-up cleaning; the run then ends with a popup.
  bool CleanNow(bool unattended = false);
  void showstatus(const std::wstring& caption) { cleaner_.showstatus(caption); }

  // The Exit procedure: the only way the program ends.
  void ExitProgram();

  // Shows the cleaning settings dialog modally, loading it first unless a
  // run has already loaded it unshown.
  void ShowCleaningSettings();
  // The plug-in list of the cleaning settings dialog, as a run takes it; the
  // dialog's data is loaded, unshown, when the dialog is not loaded.
  std::vector<engine::PluginEntry> PluginList();
  // The cleaning settings dialog while it is loaded, else nullptr.
  dialogs::frmsettings* CleaningSettings() const;

  engine::RunContext& Context() { return context_; }
  engine::Cleaner& Cleaner() { return cleaner_; }
  NotificationQueue& Notifications() { return notifications_; }
  const std::array<std::wstring, 7>& CleanDayFlags() const { return cleanDayFlags_; }
  const std::wstring& CleanTimeText() const { return cleanTimeText_; }
  const std::wstring& StartupCommandLine() const { return startupCommandLine_; }
  std::wstring SettingsFile() const;

  // engine::RunObserver
  void OnRunStarted() override;
  void OnRowAppended(const std::wstring& item) override;
  void OnRowStatus(const std::wstring& status) override;
  void OnRowFinished(const std::wstring& item, const std::wstring& status) override;
  void OnStatusLabel(const std::wstring& text) override;
  void OnProgress(int value) override;
  void OnYield() override;
  void OnRunEnded() override;
  void OnStatistics(const std::wstring& lastClean, double registryKeys, double releasedBytes) override;
  void OnShowMainWindow() override;

 protected:
  bool OnCloseRequest() override;
  void OnActivate() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void CreateControls();
  void CreateMenus();
  void RunLoadSequence();
  void ShowPage(bool statusPage);
  // The loaded cleaning settings dialog, loading it unshown when it is not; nullptr when it cannot be created.
  dialogs::frmsettings* LoadCleaningSettings();
  // Later parts of the shell plug in here.
  void AddTrayIcon();
  void RemoveTrayIcon();
  void RegisterBossKeys();
  void UnregisterBossKeys();
  void OnSchedulerTick();
  void OnShowPopupTick();

  ShellServices services_;
  std::wstring startupCommandLine_;
  std::array<std::wstring, 7> cleanDayFlags_;
  std::wstring cleanTimeText_;
  engine::RunContext context_;
  NotificationQueue notifications_;
  engine::Cleaner cleaner_;
  int currentRow_ = -1;
  bool busy_ = false;
  std::unique_ptr<dialogs::frmsettings> settingsDialog_;
};

// Day flags from the stored CleanDays text: flag 1 is its first character,
// flags 2 to 6 its characters 2 to 6, flag 7 its last character; an empty
// text reads as "0000000".
std::array<std::wstring, 7> CleanDayFlagsFrom(const std::wstring& cleanDays);

}  // namespace shell
