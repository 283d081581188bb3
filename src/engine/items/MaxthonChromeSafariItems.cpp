// Maxthon, Chrome and Safari items.
#include "engine/items/ItemHandlers.h"

namespace engine {
namespace {

// Items whose erasing is still to come: the row reads "Done".
std::wstring NotYetErasing(RunContext&) { return kDone; }

constexpr HandlerEntry kHandlers[] = {
    {L"Maxthon", L"keywords", &NotYetErasing},  // 47 Maxthon Typed Urls
    {L"Maxthon", L"pages", &NotYetErasing},  // 48 Maxthon information about open pages
    {L"Maxthon", L"settings", &NotYetErasing},  // 49 Maxthon settings
    {L"Maxthon", L"groups", &NotYetErasing},  // 50 Maxthon History Files
    {L"Maxthon", L"folder", &NotYetErasing},  // 51 Maxthon information about open pages
    {L"Chrome", L"download", &NotYetErasing},  // 52 Chrome download History
    {L"Chrome", L"Cookies", &NotYetErasing},  // 53 Chrome Cookies
    {L"Chrome", L"Cache", &NotYetErasing},  // 54 Chrome Cache
    {L"Chrome", L"History", &NotYetErasing},  // 55 Chrome History
    {L"Chrome", L"Forms", &NotYetErasing},  // 56 Chrome Forms Data/Saved passwords
    {L"Chrome", L"Session", &NotYetErasing},  // 57 Chrome Session
    {L"Safari", L"history", &NotYetErasing},  // 58 Safari History
    {L"Safari", L"pages", &NotYetErasing},  // 59 Safari Information about open pages
    {L"Safari", L"Cache", &NotYetErasing},  // 60 Safari Cache
    {L"Safari", L"Cookies", &NotYetErasing},  // 61 Safari Cookies
    {L"Safari", L"Download", &NotYetErasing},  // 62 Safari Download information
    {L"Safari", L"Autocomplete", &NotYetErasing},  // 63 Safari Autocomplete
    {L"Safari", L"Images", &NotYetErasing},  // 64 Safari Webpage Preview Images
    {L"Safari", L"RecentSearches", &NotYetErasing},  // 65 Safari Recent Searches
};

}  // namespace

std::span<const HandlerEntry> MaxthonChromeSafariHandlers() { return kHandlers; }

}  // namespace engine
