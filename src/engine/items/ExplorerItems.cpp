// Internet Explorer items.
#include "engine/items/ItemHandlers.h"

namespace engine {
namespace {

// Items whose erasing is still to come: the row reads "Done".
std::wstring NotYetErasing(RunContext&) { return kDone; }

constexpr HandlerEntry kHandlers[] = {
    {L"EXPLORER", L"location", &NotYetErasing},  // 1 IE Location Bar History
    {L"EXPLORER", L"history", &NotYetErasing},  // 2 IE Internet History Files
    {L"EXPLORER", L"cache", &NotYetErasing},  // 3 IE Internet Cache
    {L"EXPLORER", L"cookies", &NotYetErasing},  // 4 IE Cookies
    {L"EXPLORER", L"favorites", &NotYetErasing},  // 5 IE Favorites
    {L"EXPLORER", L"autocomplete", &NotYetErasing},  // 6 IE Autocomplete Memory
    {L"EXPLORER", L"downloaded", &NotYetErasing},  // 7 IE Downloaded Files(Only IE9)
    {L"EXPLORER", L"downloadedhistory", &NotYetErasing},  // 8 IE Downloaded History(Only IE9)
    {L"EXPLORER", L"index", &NotYetErasing},  // 9 IE Index.dat Files
    {L"EXPLORER", L"inprivate", &NotYetErasing},  // 10 IE Inprivate Filter
    {L"EXPLORER", L"addons", &NotYetErasing},  // 11 IE Add-ons Settings
};

}  // namespace

std::span<const HandlerEntry> ExplorerHandlers() { return kHandlers; }

}  // namespace engine
