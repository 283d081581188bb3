// Internet Explorer items.
#include "engine/CookieFiles.h"
#include "engine/URLHistory.h"
#include "engine/UserFolders.h"
#include "engine/allerase.h"
#include "engine/items/ExplorerSteps.h"
#include "engine/items/ItemHandlers.h"
#include "engine/regfun.h"
#include "platform/Input.h"
#include "platform/Process.h"
#include "platform/System.h"
#include "settings/KeepLists.h"

namespace engine {

namespace {

constexpr const wchar_t* kOnlyIE9 = L"Only Support IE9.";
constexpr const wchar_t* kNeedReboot = L"Need to reboot your computer!";
constexpr const wchar_t* kExplorerMainKeyPath = L"HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main";

}  // namespace

void StartCleanupCommand(RunContext& context, const wchar_t* commandLine) {
  if (context.Services.Processes) context.Services.Processes->StartMinimized(commandLine);
}

std::vector<std::wstring> KeptUrls(const RunContext& context) {
  if (context.AppPath.empty()) return {};
  return settings::KeepList(settings::UrlKeepFile(context.AppPath)).Entries();
}

void RestoreTypedUrls(RunContext& context) {
  platform::IPrompts* prompts = context.Services.Prompts;
  std::vector<std::wstring> kept;
  if (!context.AppPath.empty()) {
    std::optional<std::vector<std::wstring>> read =
        settings::KeepList(settings::UrlKeepFile(context.AppPath)).ReadEntries();
    // A keep file that is there but cannot be read names addresses that could
    // not be put back: the typed-address list is left as it is.
    if (!read) {
      context.Totals.CleanedRegistryKeys += 3;
      return;
    }
    kept = std::move(*read);
  }
  context.Totals.CleanedRegistryKeys +=
      DeleteRegistryKey(kHkeyCurrentUser, L"Software\\Microsoft\\Internet Explorer\\TypedURLs");
  // The key exists again, empty, even when nothing is kept.
  RegCreateKeyPath(kTypedUrlsKeyPath, prompts);
  for (std::size_t i = 0; i < kept.size(); ++i)
    RegWriteString(kTypedUrlsKeyPath, L"url" + std::to_wstring(i + 1), kept[i], prompts);
}

void EraseUnkeptCookies(RunContext& context) {
  const Folder folder = CookieFolder();
  // The lines as stored: only a line equal to a file's full path protects it.
  std::vector<std::wstring> keep;
  if (!context.AppPath.empty()) {
    std::optional<std::vector<std::wstring>> read =
        settings::KeepList(settings::CookieKeepFile(context.AppPath)).ReadLines();
    // A keep file that is there but cannot be read does not tell which
    // cookies are kept: none is deleted.
    if (!read) return;
    keep = std::move(*read);
  }
  context.Totals.ReleasedBytes += EraseCookieFiles(folder, keep, context.Yield);
}

void EraseInternetCache(RunContext& context) {
  context.Totals.ReleasedBytes += EraseFolderFiles(ShellFolderPath(L"Cache"));
  if (context.IEVersionDigit > 6) StartCleanupCommand(context, kClearCacheCommand);
}

void ClearUrlHistoryStore(RunContext& context) {
  if (!context.Services.UrlHistory) return;
  try {
    CURLHistory history(*context.Services.UrlHistory);
    history.Clear();
  } catch (const URLHistoryError&) {
    // The run goes on: the item ends as usual and its fixed amounts are added.
  }
}

namespace {

std::wstring Location(RunContext& context) {
  RestoreTypedUrls(context);
  return kDone;
}

std::wstring History(RunContext& context) {
  if (context.WindowsVersionText.compare(0, 1, L"6") != 0)
    ClearUrlHistoryStore(context);
  else
    StartCleanupCommand(context, kClearHistoryCommand);
  context.Totals.CleanedRegistryKeys += 15;
  context.Totals.ReleasedBytes += 500000;
  return kDone;
}

std::wstring Cache(RunContext& context) {
  EraseInternetCache(context);
  return kDone;
}

std::wstring Cookies(RunContext& context) {
  EraseUnkeptCookies(context);
  return kDone;
}

std::wstring Favorites(RunContext& context) {
  context.Totals.ReleasedBytes += EmptyFolder(ShellFolderPath(L"Favorites"));
  return kDone;
}

std::wstring Autocomplete(RunContext& context) {
  context.Totals.CleanedRegistryKeys +=
      DeleteRegistryKey(kHkeyCurrentUser, L"Software\\Microsoft\\Internet Explorer\\IntelliForms\\SPW");
  context.Totals.CleanedRegistryKeys +=
      DeleteRegistryKey(kHkeyUsers, L".DEFAULT\\Software\\Microsoft\\Internet Explorer\\IntelliForms");
  if (context.IEVersionDigit > 6) {
    StartCleanupCommand(context, kClearFormDataCommand);
    StartCleanupCommand(context, kClearPasswordsCommand);
  } else if (context.IEVersionDigit == 6) {
    // The content page of the Internet Options, then its buttons by their
    // access keys. The keys go only to the page's own windows: never when it
    // could not be started, and a sequence that finds none of its windows in
    // front ends the typing, so no key lands in the window the user works in.
    platform::IProcessLauncher* processes = context.Services.Processes;
    const std::optional<std::uint32_t> page =
        processes ? processes->StartHiddenForInput(kInternetOptionsContentCommand) : std::nullopt;
    if (page && context.Services.Keys) {
      for (const wchar_t* keys : {L"{U}", L"{C}", L"{ENTER}", L"{ESC}", L"{ESC}"})
        if (!context.Services.Keys->SendKeysAndWait(keys, *page)) break;
    }
  }
  if (context.Services.FocusMainWindow) context.Services.FocusMainWindow();
  context.Totals.CleanedRegistryKeys += 3;
  return kDone;
}

std::wstring Downloaded(RunContext& context) {
  if (context.IEVersionDigit < 9) return kOnlyIE9;
  context.Totals.ReleasedBytes += EmptyFolder(FolderFromRegistry(kExplorerMainKeyPath, L"Default Download Directory"));
  return kDone;
}

std::wstring DownloadedHistory(RunContext& context) {
  return context.IEVersionDigit < 9 ? kOnlyIE9 : kDone;
}

std::wstring Index(RunContext& context) {
  context.Row.SetStatus(L"Clearing IE Cache Index.dat File Content......");
  DeleteFileAtReboot(ShellFolderPath(L"Cache") + L"\\Content.IE5\\index.dat");
  context.Row.SetStatus(L"Clearing IE History Index.dat File Content......");
  DeleteFileAtReboot(ShellFolderPath(L"History") + L"\\History.IE5\\index.dat");
  context.Row.SetStatus(L"Clearing IE Cookies Index.dat File Content......");
  DeleteFileAtReboot(ShellFolderPath(L"Cookies") + L"\\index.dat");
  context.Totals.ReleasedBytes += 3500000;
  return kNeedReboot;
}

std::wstring Inprivate(RunContext& context) {
  if (context.IEVersionDigit >= 8) {
    // An unset variable names no folder at all.
    const Folder folder = Folder::At(platform::EnvironmentVariable(L"userprofile")) + L"\\PrivacIE";
    context.Totals.ReleasedBytes += EraseFileNamedInFolder(folder, L"index.dat", context.Yield);
  }
  return kDone;
}

std::wstring Addons(RunContext& context) {
  if (context.IEVersionDigit >= 7) {
    StartCleanupCommand(context, kClearAddOnsCommand);
    context.Totals.CleanedRegistryKeys += 15;
    context.Totals.ReleasedBytes += 500000;
  }
  return kDone;
}

constexpr HandlerEntry kHandlers[] = {
    {L"EXPLORER", L"location", &Location},                    // 1 IE Location Bar History
    {L"EXPLORER", L"history", &History},                      // 2 IE Internet History Files
    {L"EXPLORER", L"cache", &Cache},                          // 3 IE Internet Cache
    {L"EXPLORER", L"cookies", &Cookies},                      // 4 IE Cookies
    {L"EXPLORER", L"favorites", &Favorites},                  // 5 IE Favorites
    {L"EXPLORER", L"autocomplete", &Autocomplete},            // 6 IE Autocomplete Memory
    {L"EXPLORER", L"downloaded", &Downloaded},                // 7 IE Downloaded Files(Only IE9)
    {L"EXPLORER", L"downloadedhistory", &DownloadedHistory},  // 8 IE Downloaded History(Only IE9)
    {L"EXPLORER", L"index", &Index},                          // 9 IE Index.dat Files
    {L"EXPLORER", L"inprivate", &Inprivate},                  // 10 IE Inprivate Filter
    {L"EXPLORER", L"addons", &Addons},                        // 11 IE Add-ons Settings
};

}  // namespace

std::span<const HandlerEntry> ExplorerHandlers() { return kHandlers; }

}  // namespace engine
