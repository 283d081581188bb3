// Firefox, Opera, Netscape, AOL Explorer, MSN Explorer and Mozilla items.
#include "engine/items/ItemHandlers.h"

namespace engine {
namespace {

// Items whose erasing is still to come: the row reads "Done".
std::wstring NotYetErasing(RunContext&) { return kDone; }

constexpr HandlerEntry kHandlers[] = {
    {L"FIREFOX", L"Address", &NotYetErasing},  // 12 Firefox Address Bar History
    {L"FIREFOX", L"Cookies", &NotYetErasing},  // 13 Firefox Cookies
    {L"FIREFOX", L"Cache", &NotYetErasing},  // 14 Firefox Cache
    {L"FIREFOX", L"History", &NotYetErasing},  // 15 Firefox History Files
    {L"FIREFOX", L"Download", &NotYetErasing},  // 16 Firefox Download Manager History
    {L"FIREFOX", L"bookmarks", &NotYetErasing},  // 17 Firefox Bookmarks Files
    {L"FIREFOX", L"passwords", &NotYetErasing},  // 18 Firefox Saved Passwords
    {L"OPERA", L"Address", &NotYetErasing},  // 19 Opera Address Bar History
    {L"OPERA", L"Cookies", &NotYetErasing},  // 20 Opera Cookies
    {L"OPERA", L"Cache", &NotYetErasing},  // 21 Opera Cache
    {L"OPERA", L"History", &NotYetErasing},  // 22 Opera History Files
    {L"OPERA", L"downloads", &NotYetErasing},  // 23 Opera Download History
    {L"OPERA", L"Sessions", &NotYetErasing},  // 24 Opera Sessions Files
    {L"OPERA", L"images", &NotYetErasing},  // 25 Opera Site Image Files
    {L"OPERA", L"Bookmarks", &NotYetErasing},  // 26 Opera Bookmarks
    {L"OPERA", L"passwords", &NotYetErasing},  // 27 Opera Passwords
    {L"NETSCAPE", L"Location", &NotYetErasing},  // 28 Netscape Address Bar History
    {L"NETSCAPE", L"Cookies", &NotYetErasing},  // 29 Netscape Cookies
    {L"NETSCAPE", L"Cache", &NotYetErasing},  // 30 Netscape Cache
    {L"NETSCAPE", L"History", &NotYetErasing},  // 31 Netscape History Files
    {L"NETSCAPE", L"download", &NotYetErasing},  // 32 Netscape Download Manager History
    {L"NETSCAPE", L"bookmarks", &NotYetErasing},  // 33 Netscape Bookmarks
    {L"NETSCAPE", L"passwords", &NotYetErasing},  // 34 Netscape Saved Passwords
    {L"AOL", L"Address", &NotYetErasing},  // 35 AOL Explorer Address Bar History
    {L"AOL", L"Cookies", &NotYetErasing},  // 36 AOL Explorer Cookies
    {L"AOL", L"Cache", &NotYetErasing},  // 37 AOL Explorer Cache
    {L"AOL", L"History", &NotYetErasing},  // 38 AOL Explorer History Files
    {L"MSN", L"Location", &NotYetErasing},  // 39 MSN Explorer Address Bar History
    {L"MSN", L"Cookies", &NotYetErasing},  // 40 MSN Explorer Cookies
    {L"MSN", L"Cache", &NotYetErasing},  // 41 MSN Explorer Cache
    {L"MSN", L"History", &NotYetErasing},  // 42 MSN Explorer History Files
    {L"Mozilla", L"Address", &NotYetErasing},  // 43 Mozilla Address Bar History
    {L"Mozilla", L"Cookies", &NotYetErasing},  // 44 Mozilla Cookies
    {L"Mozilla", L"Cache", &NotYetErasing},  // 45 Mozilla Cache
    {L"Mozilla", L"History", &NotYetErasing},  // 46 Mozilla History Files
};

}  // namespace

std::span<const HandlerEntry> BrowserHandlers() { return kHandlers; }

}  // namespace engine
