#include "engine/CleaningRun.h"

#include "engine/items/ItemHandlers.h"
#include "platform/System.h"
#include "platform/Prompts.h"
#include "settings/AppInfo.h"
#include "settings/Inifun.h"
#include "settings/Text.h"

namespace engine {
namespace {

constexpr RunOrderRow kRunOrder[] = {
    {1, L"EXPLORER", L"location", L"IE Location Bar History", 5, false},
    {2, L"EXPLORER", L"history", L"IE Internet History Files", 6, false},
    {3, L"EXPLORER", L"cache", L"IE Internet Cache", 8, false},
    {4, L"EXPLORER", L"cookies", L"IE Cookies", 10, false},
    {5, L"EXPLORER", L"favorites", L"IE Favorites", 11, false},
    {6, L"EXPLORER", L"autocomplete", L"IE Autocomplete Memory", 11, false},
    {7, L"EXPLORER", L"downloaded", L"IE Downloaded Files(Only IE9)", 11, false},
    {8, L"EXPLORER", L"downloadedhistory", L"IE Downloaded History(Only IE9)", 11, false},
    {9, L"EXPLORER", L"index", L"IE Index.dat Files", kNoMark, false},
    {10, L"EXPLORER", L"inprivate", L"IE Inprivate Filter", 12, false},
    {11, L"EXPLORER", L"addons", L"IE Add-ons Settings", 12, false},
    {12, L"FIREFOX", L"Address", L"Firefox Address Bar History", 12, false},
    {13, L"FIREFOX", L"Cookies", L"Firefox Cookies", 13, false},
    {14, L"FIREFOX", L"Cache", L"Firefox Cache", 14, false},
    {15, L"FIREFOX", L"History", L"Firefox History Files", 15, false},
    {16, L"FIREFOX", L"Download", L"Firefox Download Manager History", 15, false},
    {17, L"FIREFOX", L"bookmarks", L"Firefox Bookmarks Files", kNoMark, false},
    {18, L"FIREFOX", L"passwords", L"Firefox Saved Passwords", 16, false},
    {19, L"OPERA", L"Address", L"Opera Address Bar History", 17, false},
    {20, L"OPERA", L"Cookies", L"Opera Cookies", 18, false},
    {21, L"OPERA", L"Cache", L"Opera Cache", 19, false},
    {22, L"OPERA", L"History", L"Opera History Files", kNoMark, false},
    {23, L"OPERA", L"downloads", L"Opera Download History", kNoMark, false},
    {24, L"OPERA", L"Sessions", L"Opera Sessions Files", kNoMark, false},
    {25, L"OPERA", L"images", L"Opera Site Image Files", kNoMark, false},
    {26, L"OPERA", L"Bookmarks", L"Opera Bookmarks", kNoMark, false},
    {27, L"OPERA", L"passwords", L"Opera Passwords", 20, false},
    {28, L"NETSCAPE", L"Location", L"Netscape Address Bar History", 21, false},
    {29, L"NETSCAPE", L"Cookies", L"Netscape Cookies", 22, false},
    {30, L"NETSCAPE", L"Cache", L"Netscape Cache", 23, false},
    {31, L"NETSCAPE", L"History", L"Netscape History Files", kNoMark, false},
    {32, L"NETSCAPE", L"download", L"Netscape Download Manager History", kNoMark, false},
    {33, L"NETSCAPE", L"bookmarks", L"Netscape Bookmarks", kNoMark, false},
    {34, L"NETSCAPE", L"passwords", L"Netscape Saved Passwords", 24, false},
    {35, L"AOL", L"Address", L"AOL Explorer Address Bar History", 25, false},
    {36, L"AOL", L"Cookies", L"AOL Explorer Cookies", 26, false},
    {37, L"AOL", L"Cache", L"AOL Explorer Cache", 27, false},
    {38, L"AOL", L"History", L"AOL Explorer History Files", 28, false},
    {39, L"MSN", L"Location", L"MSN Explorer Address Bar History", 29, false},
    {40, L"MSN", L"Cookies", L"MSN Explorer Cookies", 30, false},
    {41, L"MSN", L"Cache", L"MSN Explorer Cache", 31, false},
    {42, L"MSN", L"History", L"MSN Explorer History Files", 32, false},
    {43, L"Mozilla", L"Address", L"Mozilla Address Bar History", kNoMark, false},
    {44, L"Mozilla", L"Cookies", L"Mozilla Cookies", kNoMark, false},
    {45, L"Mozilla", L"Cache", L"Mozilla Cache", kNoMark, false},
    {46, L"Mozilla", L"History", L"Mozilla History Files", kNoMark, false},
    {47, L"Maxthon", L"keywords", L"Maxthon Typed Urls", kNoMark, true},
    {48, L"Maxthon", L"pages", L"Maxthon information about open pages", kNoMark, true},
    {49, L"Maxthon", L"settings", L"Maxthon settings", kNoMark, true},
    {50, L"Maxthon", L"groups", L"Maxthon History Files", kNoMark, true},
    {51, L"Maxthon", L"folder", L"Maxthon information about open pages", kNoMark, true},
    {52, L"Chrome", L"download", L"Chrome download History", kNoMark, false},
    {53, L"Chrome", L"Cookies", L"Chrome Cookies", kNoMark, false},
    {54, L"Chrome", L"Cache", L"Chrome Cache", kNoMark, false},
    {55, L"Chrome", L"History", L"Chrome History", kNoMark, false},
    {56, L"Chrome", L"Forms", L"Chrome Forms Data/Saved passwords", kNoMark, false},
    {57, L"Chrome", L"Session", L"Chrome Session", kNoMark, false},
    {58, L"Safari", L"history", L"Safari History", kNoMark, false},
    {59, L"Safari", L"pages", L"Safari Information about open pages", kNoMark, false},
    {60, L"Safari", L"Cache", L"Safari Cache", kNoMark, false},
    {61, L"Safari", L"Cookies", L"Safari Cookies", kNoMark, false},
    {62, L"Safari", L"Download", L"Safari Download information", kNoMark, false},
    {63, L"Safari", L"Autocomplete", L"Safari Autocomplete", kNoMark, false},
    {64, L"Safari", L"Images", L"Safari Webpage Preview Images", kNoMark, false},
    {65, L"Safari", L"RecentSearches", L"Safari Recent Searches", kNoMark, false},
    {66, L"WINDOWS", L"recent", L"Recent Documents History", 33, false},
    {67, L"WINDOWS", L"run", L"Start Menu Run History", 34, false},
    {68, L"WINDOWS", L"search", L"Start Menu Search History", 35, false},
    {69, L"WINDOWS", L"temp", L"Windows Temp", 36, false},
    {70, L"WINDOWS", L"recycle", L"Recycle Bin", 37, false},
    {71, L"WINDOWS", L"open", L"Open/Save Dialog Box History", 38, false},
    {72, L"WINDOWS", L"scandisk", L"Scandisk Temp Files", 39, false},
    {73, L"WINDOWS", L"passwords", L"Windows Passwords(Only 9X/Me)", 40, false},
    {74, L"WINDOWS", L"clip", L"Windows Clipboard", 41, false},
    {75, L"WINDOWS", L"wordpad", L"Wordpad Recent Files", 41, false},
    {76, L"WINDOWS", L"paint", L"Windows Paint Recent Files", 41, false},
    {77, L"windows", L"picturelocation", L"The custom locations from the picture location drop-down box", kNoMark, false},
    {78, L"windows", L"DirectX", L"DirectX most recent applications", kNoMark, false},
    {79, L"windows", L"findcomputer", L"Find computer dialog box", kNoMark, false},
    {80, L"windows", L"findfiles", L"Find files dialog box", kNoMark, false},
    {81, L"windows", L"mapnetwork", L"Map network drive MRU", kNoMark, false},
    {82, L"windows", L"management", L"Microsoft management console recent file list", kNoMark, false},
    {83, L"windows", L"notification", L"Past items from the notification area", kNoMark, false},
    {84, L"windows", L"registryeditor", L"Registry editor last opened key", kNoMark, false},
    {85, L"windows", L"searchfolders", L"Saved search folders from windows vista", 41, false},
    {86, L"windows", L"menuorder", L"Start menu programs and favorites menu order", kNoMark, false},
    {87, L"windows", L"recentlyused", L"The list of most recently used files and folders", kNoMark, false},
    {88, L"windows", L"thumbs", L"Thumbs.db", 42, false},
    {89, L"windows", L"streams", L"Windows explorer streams MRUs", kNoMark, false},
    {90, L"windows", L"swap", L"windows swap/paging file", 43, false},
    {91, L"windows", L"userassist", L"Windows userassist MRUs", kNoMark, false},
    {92, L"windows", L"unread", L"Windows XP unread mail count", kNoMark, false},
    {93, L"Messenger", L"msnchat", L"Windows Live Messenger chat log folder", 44, false},
    {94, L"Messenger", L"msnfiles", L"Windows Live Messenger Received Files folder", kNoMark, false},
    {95, L"Messenger", L"yahoopage", L"Yahoo! Messenger Page settings", 45, false},
    {96, L"Messenger", L"yahooprofiles", L"Yahoo! Messenger profiles", kNoMark, false},
    {97, L"Messenger", L"yahoofiles", L"Yahoo! Messenger Temporary Internet Files", kNoMark, false},
    {98, L"Messenger", L"yahoologs", L"Yahoo! Messenger Log Files", kNoMark, false},
    {99, L"Messenger", L"aolsettings", L"AOL Instant Messenger settings", 46, false},
    {100, L"Messenger", L"aolnames", L"AOL Instant Messenger Recent screen names", kNoMark, false},
    {101, L"Messenger", L"aolpassword", L"AOL Messenger user password", kNoMark, false},
    {102, L"Messenger", L"aolbuddy", L"AOL Information about Buddy list", kNoMark, false},
    {103, L"Messenger", L"aollogs", L"AOL Messenger logs", 47, false},
    {104, L"Messenger", L"icqsign", L"AOL Messenger Sign in history", kNoMark, false},
    {105, L"Messenger", L"icquser", L"ICQ User history", kNoMark, false},
    {106, L"Messenger", L"icqcontact", L"ICQ contact list", kNoMark, false},
    {107, L"Messenger", L"icqaccount", L"ICQ Account", kNoMark, false},
    {108, L"Messenger", L"icqfiles", L"ICQ All the files received from the other users", kNoMark, false},
    {109, L"Messenger", L"icqsearch", L"ICQ Toolbar search history", 48, false},
    {110, L"OFFICE", L"word", L"Microsoft Word", 49, false},
    {111, L"OFFICE", L"excel", L"Microsoft Excel", 50, false},
    {112, L"OFFICE", L"powerpoint", L"Microsoft Powerpoint", 51, false},
    {113, L"OFFICE", L"frontpage", L"Microsoft FrontPage", 52, false},
    {114, L"OFFICE", L"access", L"Microsoft Access", kNoMark, false},
    {115, L"OFFICE", L"Publisher", L"Microsoft Publisher", kNoMark, false},
    {116, L"OFFICE", L"InfoPath", L"Microsoft InfoPath", kNoMark, false},
    {117, L"OFFICE", L"Project", L"Microsoft Project", 53, false},
    {118, L"OFFICE", L"Visio", L"Microsoft Visio", kNoMark, false},
    {119, L"OFFICE", L"Organizer", L"Clip Organizer", kNoMark, false},
    {120, L"OFFICE", L"Settings", L"Microsoft Office Settings", 54, false},
    {121, L"OFFICE", L"Picture", L"Microsoft Office Picture Manager", kNoMark, false},
    {122, L"OFFICE", L"Viewer", L"Microsoft Snapshot Viewer", 55, false},
    {123, L"outlook", L"address", L"outlook express address book", kNoMark, false},
    {124, L"outlook", L"accounts", L"outlook express Accounts", 59, false},
    {125, L"outlook", L"deleted", L"outlook express deleted email", kNoMark, false},
    {126, L"outlook", L"sent", L"outlook express sent email", 60, false},
    {127, L"outlook", L"outbox", L"outlook express outbox email", kNoMark, false},
    {128, L"outlook", L"blocked", L"outlook express blocked senders list", kNoMark, false},
    {129, L"outlook", L"created", L"outlook express history of Outlook folders you created", kNoMark, false},
    {130, L"outlook", L"mailrules", L"outlook express mail rules", 62, false},
    {131, L"outlook", L"newsrules", L"outlook express news rules", kNoMark, false},
    {132, L"outlook", L"signatures", L"outlook express signatures", kNoMark, false},
    {133, L"mail", L"Recently", L"Windows Mail Recently", 64, false},
    {134, L"mail", L"Signatures", L"Windows Mail Signatures", kNoMark, false},
    {135, L"mail", L"Block", L"Windows Mail Block Senders list", 65, false},
    {136, L"mail", L"Safe", L"Windows Mail Safe Senders list", kNoMark, false},
    {137, L"mail", L"mailrules", L"Windows Mail mail rules", 67, false},
    {138, L"mail", L"newsrules", L"Windows Mail news rules", 69, false},
    {139, L"mail", L"accounts", L"Windows Mail accounts", 70, false},
    {140, L"Custom", L"Custom", L"Custom Item", 80, false},
};

static_assert(std::size(kRunOrder) == 140);

// After this row the run determines the Office version.
constexpr int kLastMessengerRow = 109;

constexpr double kBytesPerMegabyte = 1048576.0;

}  // namespace

std::span<const RunOrderRow> RunOrder() { return kRunOrder; }

bool IsSelected(const RunOrderRow& row, const std::wstring& flag) {
  if (row.NumericFlag) return settings::IsNumericOne(flag);
  return flag == L"1";
}

std::wstring CleaningStatusText(const std::wstring& caption) {
  return L"Cleaning " + caption + L" ......";
}

std::wstring StatisticsLine(double registryKeys, double releasedBytes) {
  return L"  Cleaned Registry Keys: " + settings::ShortestDecimal(registryKeys) +
         L"     Released HD Space:" +
         settings::FormatTwoDecimals(releasedBytes / kBytesPerMegabyte) + L"MB";
}

void CurrentRow::SetStatus(const std::wstring& status) {
  status_ = status;
  if (observer_) observer_->OnRowStatus(status);
}

void CurrentRow::Finish() {
  if (observer_) observer_->OnRowFinished(item_, status_);
}

Cleaner::Cleaner(RunContext& context, RunObserver& observer)
    : context_(context), observer_(observer) {}

bool Cleaner::CleanNow(bool unattended) {
  if (running_) return false;
  running_ = true;
  unattended_ = unattended;
  struct Guard {
    RunContext& context;
    bool& running;
    ~Guard() {
      context.Yield = [] {};
      context.AppendRow = [](const std::wstring&) {};
      context.Row = CurrentRow();
      running = false;
    }
  } guard{context_, running_};
  Run();
  return true;
}

void Cleaner::showstatus(const std::wstring& caption) {
  observer_.OnYield();
  observer_.OnRowAppended(caption);
  context_.Row.Reset(caption);
  const std::wstring text = CleaningStatusText(caption);
  context_.Row.SetStatus(text);
  observer_.OnStatusLabel(text);
}

void Cleaner::Run() {
  const std::wstring settingsFile = settings::SettingsFile(context_.AppPath);

  observer_.OnRunStarted();
  context_.Totals = RunTotals{};
  observer_.OnProgress(1);
  observer_.OnStatusLabel(L"");

  context_.Row = CurrentRow(&observer_);
  context_.Yield = [this] { observer_.OnYield(); };
  context_.AppendRow = [this](const std::wstring& item) {
    observer_.OnRowAppended(item);
    context_.Row.Reset(item);
  };

  for (const RunOrderRow& row : kRunOrder) {
    const std::wstring flag = settings::ReadIniValue(settingsFile, row.Section, row.Key);
    if (IsSelected(row, flag)) {
      showstatus(row.StatusCaption);
      std::wstring status = kDone;
      if (ItemHandler handler = FindItemHandler(row.Section, row.Key)) {
        try {
          status = handler(context_);
        } catch (...) {
          // A handler's failure never stops the run.
        }
      }
      context_.Row.SetStatus(status);
      context_.Row.Finish();
    }
    if (row.ProgressMark != kNoMark) observer_.OnProgress(row.ProgressMark);
    if (row.Number == kLastMessengerRow && context_.Services.DetectOfficeVersion) {
      try {
        context_.Services.DetectOfficeVersion(context_);
      } catch (...) {
      }
    }
  }

  if (context_.Services.RunPlugins) {
    try {
      context_.Services.RunPlugins(context_);
    } catch (...) {
    }
  }
  observer_.OnProgress(97);

  End();
}

void Cleaner::End() {
  const std::wstring settingsFile = settings::SettingsFile(context_.AppPath);

  if (settings::ReadIniValue(settingsFile, L"Options", L"exit") == L"1") {
    // Leaves the program at once: no statistics, no summary.
    if (context_.Services.ExitProgram) context_.Services.ExitProgram();
    return;
  }

  observer_.OnProgress(100);
  observer_.OnRunEnded();

  RunTotals& totals = context_.Totals;
  settings::WriteIniValue(settingsFile, L"Options", L"lastclean", platform::NowAsText());
  settings::WriteIniValue(settingsFile, L"Options", L"regnum",
                          settings::ShortestDecimal(totals.CleanedRegistryKeys));
  settings::WriteIniValue(settingsFile, L"Options", L"filesize",
                          settings::ShortestDecimal(totals.ReleasedBytes));

  observer_.OnRowAppended(kClosingRowText);
  context_.Row.Reset(kClosingRowText);
  observer_.OnStatusLabel(kClosingRowText);
  context_.Row.Finish();

  const std::wstring keys = settings::ShortestDecimal(totals.CleanedRegistryKeys);
  const std::wstring space = settings::FormatTwoDecimals(totals.ReleasedBytes / kBytesPerMegabyte);
  const std::wstring figures = L" Cleaned Registry Keys: " + keys + L" Released HD Space:" + space + L"MB";

  if (unattended_) {
    NotificationRequest request;
    request.Key = L"www";
    request.Title = settings::kAppTitle;
    request.Description = std::wstring(settings::kAppTitle) + L" Clean is done!" + figures;
    request.AlwaysQueue = true;
    request.EnableClickEvent = true;
    request.SoundFileLocation = context_.AppPath + L"\\Sounds\\Message.wav";
    if (context_.Services.Notifications) context_.Services.Notifications->QueueNotification(request);
    unattended_ = false;
  } else if (context_.Services.Prompts) {
    context_.Services.Prompts->ShowMessage(std::wstring(kClosingRowText) + figures, L"Task Complete",
                                          platform::PromptButtons::Ok,
                                          platform::PromptIcon::Information);
  }

  const std::wstring lastClean = settings::ReadIniValue(settingsFile, L"Options", L"lastclean");
  if (auto value = settings::ParseNumber(settings::ReadIniValue(settingsFile, L"Options", L"regnum")))
    totals.CleanedRegistryKeys = *value;
  if (auto value = settings::ParseNumber(settings::ReadIniValue(settingsFile, L"Options", L"filesize")))
    totals.ReleasedBytes = *value;
  observer_.OnStatistics(lastClean, totals.CleanedRegistryKeys, totals.ReleasedBytes);

  observer_.OnShowMainWindow();
}

}  // namespace engine
