// Microsoft Office items.
#include "engine/items/ItemHandlers.h"

namespace engine {
namespace {

// Items whose erasing is still to come: the row reads "Done".
std::wstring NotYetErasing(RunContext&) { return kDone; }

constexpr HandlerEntry kHandlers[] = {
    {L"OFFICE", L"word", &NotYetErasing},  // 110 Microsoft Word
    {L"OFFICE", L"excel", &NotYetErasing},  // 111 Microsoft Excel
    {L"OFFICE", L"powerpoint", &NotYetErasing},  // 112 Microsoft Powerpoint
    {L"OFFICE", L"frontpage", &NotYetErasing},  // 113 Microsoft FrontPage
    {L"OFFICE", L"access", &NotYetErasing},  // 114 Microsoft Access
    {L"OFFICE", L"Publisher", &NotYetErasing},  // 115 Microsoft Publisher
    {L"OFFICE", L"InfoPath", &NotYetErasing},  // 116 Microsoft InfoPath
    {L"OFFICE", L"Project", &NotYetErasing},  // 117 Microsoft Project
    {L"OFFICE", L"Visio", &NotYetErasing},  // 118 Microsoft Visio
    {L"OFFICE", L"Organizer", &NotYetErasing},  // 119 Clip Organizer
    {L"OFFICE", L"Settings", &NotYetErasing},  // 120 Microsoft Office Settings
    {L"OFFICE", L"Picture", &NotYetErasing},  // 121 Microsoft Office Picture Manager
    {L"OFFICE", L"Viewer", &NotYetErasing},  // 122 Microsoft Snapshot Viewer
};

}  // namespace

std::span<const HandlerEntry> OfficeHandlers() { return kHandlers; }

}  // namespace engine
