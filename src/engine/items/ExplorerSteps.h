#pragma once
// Steps of the Internet Explorer items that other items repeat (the AOL
// Explorer items run the same address, cookie, cache and history steps).
#include <string>
#include <vector>

#include "engine/RunContext.h"

namespace engine {

// Internet Explorer's own clean-up commands, started minimized without waiting.
inline constexpr const wchar_t* kClearHistoryCommand = L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 1";
inline constexpr const wchar_t* kClearCacheCommand = L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 8 ";
inline constexpr const wchar_t* kClearFormDataCommand = L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 16";
inline constexpr const wchar_t* kClearPasswordsCommand = L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 32";
inline constexpr const wchar_t* kClearAddOnsCommand = L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 4351";
// The control panel page whose buttons the autocomplete item presses (version 6).
inline constexpr const wchar_t* kInternetOptionsContentCommand =
    L"rundll32.exe shell32.dll,Control_RunDLL inetcpl.cpl,,3";

inline constexpr const wchar_t* kTypedUrlsKeyPath =
    L"HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedURLs";

// Starts one of the clean-up commands minimized, without waiting; a command
// that cannot be started is skipped.
void StartCleanupCommand(RunContext& context, const wchar_t* commandLine);

// The kept URLs: the entries of keepurl.dat in file order, trailing blanks
// removed; none without the file.
std::vector<std::wstring> KeptUrls(const RunContext& context);

// The typed-address list: the key is deleted (3 added to the registry total),
// created again empty, and the kept URLs are written into it as url1, url2, ...
// A keepurl.dat that is there but cannot be read leaves the list as it is
// (3 is added all the same).
void RestoreTypedUrls(RunContext& context);

// Every cookie file directly in the cookie folder that keepcook.dat does not
// protect is counted and deleted. A keepcook.dat that is there but cannot be
// read protects every cookie: none is deleted.
void EraseUnkeptCookies(RunContext& context);

// Every file of the cache folder tree; then, above version 6, the cache command.
void EraseInternetCache(RunContext& context);

// Creates the URL history store, empties it and releases it. A store that
// cannot be created or emptied is passed over.
void ClearUrlHistoryStore(RunContext& context);

}  // namespace engine
