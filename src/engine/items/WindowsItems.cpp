// Windows items.
#include "engine/items/ItemHandlers.h"

namespace engine {
namespace {

// Items whose erasing is still to come: the row reads "Done".
std::wstring NotYetErasing(RunContext&) { return kDone; }

constexpr HandlerEntry kHandlers[] = {
    {L"WINDOWS", L"recent", &NotYetErasing},  // 66 Recent Documents History
    {L"WINDOWS", L"run", &NotYetErasing},  // 67 Start Menu Run History
    {L"WINDOWS", L"search", &NotYetErasing},  // 68 Start Menu Search History
    {L"WINDOWS", L"temp", &NotYetErasing},  // 69 Windows Temp
    {L"WINDOWS", L"recycle", &NotYetErasing},  // 70 Recycle Bin
    {L"WINDOWS", L"open", &NotYetErasing},  // 71 Open/Save Dialog Box History
    {L"WINDOWS", L"scandisk", &NotYetErasing},  // 72 Scandisk Temp Files
    {L"WINDOWS", L"passwords", &NotYetErasing},  // 73 Windows Passwords(Only 9X/Me)
    {L"WINDOWS", L"clip", &NotYetErasing},  // 74 Windows Clipboard
    {L"WINDOWS", L"wordpad", &NotYetErasing},  // 75 Wordpad Recent Files
    {L"WINDOWS", L"paint", &NotYetErasing},  // 76 Windows Paint Recent Files
    {L"windows", L"picturelocation", &NotYetErasing},  // 77 The custom locations from the picture location drop-down box
    {L"windows", L"DirectX", &NotYetErasing},  // 78 DirectX most recent applications
    {L"windows", L"findcomputer", &NotYetErasing},  // 79 Find computer dialog box
    {L"windows", L"findfiles", &NotYetErasing},  // 80 Find files dialog box
    {L"windows", L"mapnetwork", &NotYetErasing},  // 81 Map network drive MRU
    {L"windows", L"management", &NotYetErasing},  // 82 Microsoft management console recent file list
    {L"windows", L"notification", &NotYetErasing},  // 83 Past items from the notification area
    {L"windows", L"registryeditor", &NotYetErasing},  // 84 Registry editor last opened key
    {L"windows", L"searchfolders", &NotYetErasing},  // 85 Saved search folders from windows vista
    {L"windows", L"menuorder", &NotYetErasing},  // 86 Start menu programs and favorites menu order
    {L"windows", L"recentlyused", &NotYetErasing},  // 87 The list of most recently used files and folders
    {L"windows", L"thumbs", &NotYetErasing},  // 88 Thumbs.db
    {L"windows", L"streams", &NotYetErasing},  // 89 Windows explorer streams MRUs
    {L"windows", L"swap", &NotYetErasing},  // 90 windows swap/paging file
    {L"windows", L"userassist", &NotYetErasing},  // 91 Windows userassist MRUs
    {L"windows", L"unread", &NotYetErasing},  // 92 Windows XP unread mail count
};

}  // namespace

std::span<const HandlerEntry> WindowsHandlers() { return kHandlers; }

}  // namespace engine
