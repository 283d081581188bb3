// The custom list item.
#include "engine/items/ItemHandlers.h"

namespace engine {
namespace {

// Items whose erasing is still to come: the row reads "Done".
std::wstring NotYetErasing(RunContext&) { return kDone; }

constexpr HandlerEntry kHandlers[] = {
    {L"Custom", L"Custom", &NotYetErasing},  // 140 Custom Item
};

}  // namespace

std::span<const HandlerEntry> CustomHandlers() { return kHandlers; }

}  // namespace engine
