#include "shell/frmMainCode.h"

#include "dialogs/frmcookie.h"
#include "dialogs/frmsettings.h"
#include "dialogs/frmurl.h"
#include "engine/UserFolders.h"
#include "platform/MessagePump.h"
#include "platform/Prompts.h"
#include "platform/System.h"
#include "settings/AppInfo.h"
#include "settings/Inifun.h"
#include "settings/Text.h"

namespace shell {
namespace {

constexpr UINT kStartUnattendedRun = WM_APP + 1;

constexpr wchar_t kCommand1Tooltip[] =
    L"It's highly recommended that you shut down all other programs when erase the tracks,"
    L"Keldrin can not erase the files which being used by other programs.";

}  // namespace

std::array<std::wstring, 7> CleanDayFlagsFrom(const std::wstring& stored) {
  const std::wstring days = stored.empty() ? std::wstring(L"0000000") : stored;
  std::array<std::wstring, 7> flags;
  flags[0] = days.substr(0, 1);
  for (std::size_t i = 1; i < 6; ++i) flags[i] = i < days.size() ? days.substr(i, 1) : std::wstring();
  flags[6] = days.substr(days.size() - 1, 1);
  return flags;
}

FrmMainCode::FrmMainCode(std::wstring appPath, ShellServices services, std::wstring startupCommandLine)
    : services_(std::move(services)),
      startupCommandLine_(std::move(startupCommandLine)),
      cleaner_(context_, *this) {
  context_.AppPath = std::move(appPath);
  context_.Services.Prompts = services_.Prompts;
  context_.Services.Processes = services_.Processes;
  context_.Services.Notifications = &notifications_;
  context_.Services.ExitProgram = [this] { ExitProgram(); };
  context_.Services.PluginList = [this] { return PluginList(); };
  context_.Services.UrlHistory = services_.UrlHistory;
  context_.Services.Keys = services_.Keys;
  context_.Services.FocusMainWindow = [this] {
    // A main window hidden in the tray stays hidden and takes no focus.
    if (!Hwnd() || !IsWindowVisible(Hwnd())) return;
    SetForegroundWindow(Hwnd());
    SetFocus(Hwnd());
  };
}

FrmMainCode::~FrmMainCode() { Destroy(); }

std::wstring FrmMainCode::SettingsFile() const { return settings::SettingsFile(context_.AppPath); }

bool FrmMainCode::Load() {
  if (!Create(L"frmMainCode", settings::kMainCaption, 620, 440)) return false;
  CreateControls();
  CreateMenus();
  RunLoadSequence();
  return true;
}

void FrmMainCode::CreateControls() {
  // Main page.
  ui::Control& frame2 = AddFrame(L"Frame2", L"", {8, 4, 604, 372});
  AddLabel(L"Label1", L"Ensure your privacy by erasing kinds of tracks from your computer.", {16, 20, 570, 20}, &frame2);
  AddLabel(L"Label2", L"Using this program, you can clean and remove:", {16, 50, 570, 18}, &frame2);
  AddLabel(L"Label3",
           L"\x2022 Typed addresses, history, cache and cookies of ten browsers\n"
           L"\x2022 Windows recently-used lists, temporary files and the Recycle Bin\n"
           L"\x2022 The clipboard and the recent files of Microsoft Office programs\n"
           L"\x2022 Instant messenger logs and mail-reader data\n"
           L"\x2022 Files and folders you choose, and plug-in items",
           {32, 72, 554, 96}, &frame2);
  AddLabel(L"Label4", L"You also can:", {16, 180, 570, 18}, &frame2);
  AddLabel(L"Label5",
           L"\x2022 Keep the addresses and cookies you want to keep\n"
           L"\x2022 Clean automatically at Windows start-up or on chosen days\n"
           L"\x2022 Hide every browser window at once with the boss key\n"
           L"\x2022 Find and erase junk files with Search & Erase",
           {32, 202, 554, 80}, &frame2);
  AddLabel(L"Label6", L"Help", {16, 340, 60, 18}, &frame2);

  // Status page.
  ui::Control& frame4 = AddFrame(L"Frame4", L"Status", {8, 4, 604, 372});
  ui::ListView& list = AddListView(L"ListView1", {12, 22, 580, 250}, &frame4);
  list.AddColumn(L"Item", 330);
  list.AddColumn(L"Status", 240);
  AddLabel(L"SkinLabel5", L"", {12, 280, 580, 18}, &frame4);
  AddProgressBar(L"coolprogressbar1", {12, 302, 580, 18}, &frame4);
  ui::Control& start = AddButton(L"Command1", L"Start Cleaning >>", {332, 332, 150, 28}, &frame4);
  AddButton(L"Command2", L"Cancel", {492, 332, 100, 28}, &frame4);
  SetTooltip(start, kCommand1Tooltip);
  start.onClick = [this] { CleanNow(false); };
  // A run cannot be interrupted once started: "Cancel" has no action.

  // Statistics of the last run, under both pages.
  AddLabel(L"LabelLastCleaned", L"Last Cleaned at:", {12, 386, 100, 18});
  AddLabel(L"Label12", L"", {114, 386, 494, 18});
  AddLabel(L"Label14", L"", {12, 410, 596, 18});

  AddTimer(L"Timer1", 30000, [this] { OnSchedulerTick(); }).SetEnabled(true);
  AddTimer(L"tmrShowPopup", 500, [this] { OnShowPopupTick(); }).SetEnabled(true);
}

void FrmMainCode::CreateMenus() {
  AddMenu(L"&File", {
                        {L"CleanNow1", L"Clean Now",
                         [this] {
                           ShowPage(true);
                           CleanNow(false);
                         }},
                        {L"", L"", nullptr},
                        {L"CleanSettings", L"Clean Settings", [this] { ShowCleaningSettings(); }},
                        {L"", L"", nullptr},
                        {L"exit1", L"Exit", [this] { ExitProgram(); }},
                    });
}

void FrmMainCode::RunLoadSequence() {
  const std::wstring file = SettingsFile();
  // 1. Windows version.
  context_.WindowsVersionText = settings::GetWindowsVersionText();
  // 2. The notification queue starts empty (a member).
  // 3. Theming: visual styles stand in for a skin file.
  // 4. Main page.
  ShowPage(false);
  // 5. No run is unattended until one is requested so (the cleaner starts idle).
  // 6, 7. The scheduler's copy of the schedule.
  cleanDayFlags_ = CleanDayFlagsFrom(settings::ReadIniValue(file, L"Options", L"CleanDays"));
  cleanTimeText_ = settings::ReadIniValue(file, L"Options", L"CleanTime");
  // 8.
  Find(L"Label12")->SetText(settings::ReadIniValue(file, L"Options", L"lastclean"));
  // 9, 10. Statistics of the last run.
  context_.Totals = {};
  if (auto keys = settings::ParseNumber(settings::ReadIniValue(file, L"Options", L"regnum")))
    context_.Totals.CleanedRegistryKeys = *keys;
  if (auto bytes = settings::ParseNumber(settings::ReadIniValue(file, L"Options", L"filesize")))
    context_.Totals.ReleasedBytes = *bytes;
  Find(L"Label14")->SetText(
      engine::StatisticsLine(context_.Totals.CleanedRegistryKeys, context_.Totals.ReleasedBytes));
  // 11. User folders.
  engine::FillUserFolders(context_);
  // 12.
  context_.WindowsFolder = settings::Trim(platform::WindowsDirectory());
  // 13. Browser version.
  context_.IEVersionDigit = engine::ReadIEVersionNumber();
  // 14. Tray icon.
  AddTrayIcon();
  // 15. Boss key, when enabled.
  if (settings::IsNumericOne(settings::ReadIniValue(file, L"Options", L"bosskey"))) RegisterBossKeys();
}

void FrmMainCode::ShowPage(bool statusPage) {
  Find(L"Frame4")->SetVisible(statusPage);
  Find(L"Frame2")->SetVisible(!statusPage);
}

bool FrmMainCode::CleanNow(bool unattended) { return cleaner_.CleanNow(unattended); }

void FrmMainCode::ExitProgram() {
  UnregisterBossKeys();
  RemoveTrayIcon();
  if (services_.EndProcess) services_.EndProcess();
}

// ---- The cleaning settings dialog ----------------------------------------------

dialogs::frmsettings* FrmMainCode::CleaningSettings() const {
  return settingsDialog_ && settingsDialog_->IsLoaded() ? settingsDialog_.get() : nullptr;
}

dialogs::frmsettings* FrmMainCode::LoadCleaningSettings() {
  if (dialogs::frmsettings* loaded = CleaningSettings()) return loaded;
  dialogs::SettingsDialogServices services;
  services.Prompts = services_.Prompts;
  services.FileDialogs = services_.FileDialogs;
  services.ShowUrlKeepList = [appPath = context_.AppPath](HWND owner) { dialogs::ShowFrmUrl(owner, appPath); };
  services.ShowCookieKeepList = [appPath = context_.AppPath](HWND owner) {
    dialogs::ShowFrmCookie(owner, appPath);
  };
  auto dialog = std::make_unique<dialogs::frmsettings>(context_.AppPath, services);
  if (!dialog->Load(Hwnd())) return nullptr;
  settingsDialog_ = std::move(dialog);
  return settingsDialog_.get();
}

std::vector<engine::PluginEntry> FrmMainCode::PluginList() {
  dialogs::frmsettings* dialog = LoadCleaningSettings();
  return dialog ? dialog->PluginEntries() : std::vector<engine::PluginEntry>();
}

void FrmMainCode::ShowCleaningSettings() {
  dialogs::frmsettings* dialog = LoadCleaningSettings();
  if (!dialog) return;
  if (dialog->IsVisible()) {
    SetForegroundWindow(dialog->Hwnd());  // already shown: a second request only brings it forward
    return;
  }
  dialog->ShowModal(Hwnd());
  // OK and Cancel unload it; a dialog hidden some other way stays loaded.
  if (!CleaningSettings()) settingsDialog_.reset();
}

// ---- Activation and closing -------------------------------------------------

void FrmMainCode::OnActivate() {
  if (startupCommandLine_ != L"min") return;
  Hide();
  startupCommandLine_.clear();
  if (settings::IsNumericOne(settings::ReadIniValue(SettingsFile(), L"Options", L"WindowsStartup"))) {
    // Started after the activation message has been handled.
    PostMessageW(Hwnd(), kStartUnattendedRun, 0, 0);
  }
}

bool FrmMainCode::OnCloseRequest() {
  ShowWindow(Hwnd(), SW_MINIMIZE);
  Hide();
  return false;  // the program stays in the tray
}

bool FrmMainCode::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case kStartUnattendedRun:
      CleanNow(true);
      result = 0;
      return true;
    case WM_SETCURSOR:
      if (busy_) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        result = TRUE;
        return true;
      }
      return false;
    default:
      return false;
  }
}

// ---- Seams for the tray, the boss key, the scheduler and the popups ----------

void FrmMainCode::AddTrayIcon() {}
void FrmMainCode::RemoveTrayIcon() {}
void FrmMainCode::RegisterBossKeys() {}
void FrmMainCode::UnregisterBossKeys() {}
void FrmMainCode::OnSchedulerTick() {}
void FrmMainCode::OnShowPopupTick() {}

// ---- What a run shows ----------------------------------------------------------

void FrmMainCode::OnRunStarted() {
  ShowPage(true);
  busy_ = true;
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  Find(L"Command1")->SetEnabled(false);
  FindAs<ui::ListView>(L"ListView1")->Clear();
  currentRow_ = -1;
}

void FrmMainCode::OnRowAppended(const std::wstring& item) {
  auto* list = FindAs<ui::ListView>(L"ListView1");
  currentRow_ = list->AddRow(item);
  list->EnsureVisible(currentRow_);
}

void FrmMainCode::OnRowStatus(const std::wstring& status) {
  if (currentRow_ >= 0) FindAs<ui::ListView>(L"ListView1")->SetCell(currentRow_, 1, status);
}

void FrmMainCode::OnRowFinished(const std::wstring&, const std::wstring&) {}

void FrmMainCode::OnStatusLabel(const std::wstring& text) { Find(L"SkinLabel5")->SetText(text); }

void FrmMainCode::OnProgress(int value) { FindAs<ui::ProgressBar>(L"coolprogressbar1")->SetValue(value); }

void FrmMainCode::OnYield() { platform::PumpPendingMessages(); }

void FrmMainCode::OnRunEnded() {
  Find(L"Command1")->SetEnabled(true);
  busy_ = false;
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

void FrmMainCode::OnStatistics(const std::wstring& lastClean, double registryKeys, double releasedBytes) {
  Find(L"Label12")->SetText(lastClean);
  Find(L"Label14")->SetText(engine::StatisticsLine(registryKeys, releasedBytes));
}

void FrmMainCode::OnShowMainWindow() { Show(); }

}  // namespace shell
