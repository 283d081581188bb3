// Instant messenger items.
#include "engine/items/ItemHandlers.h"

namespace engine {
namespace {

// Items whose erasing is still to come: the row reads "Done".
std::wstring NotYetErasing(RunContext&) { return kDone; }

constexpr HandlerEntry kHandlers[] = {
    {L"Messenger", L"msnchat", &NotYetErasing},  // 93 Windows Live Messenger chat log folder
    {L"Messenger", L"msnfiles", &NotYetErasing},  // 94 Windows Live Messenger Received Files folder
    {L"Messenger", L"yahoopage", &NotYetErasing},  // 95 Yahoo! Messenger Page settings
    {L"Messenger", L"yahooprofiles", &NotYetErasing},  // 96 Yahoo! Messenger profiles
    {L"Messenger", L"yahoofiles", &NotYetErasing},  // 97 Yahoo! Messenger Temporary Internet Files
    {L"Messenger", L"yahoologs", &NotYetErasing},  // 98 Yahoo! Messenger Log Files
    {L"Messenger", L"aolsettings", &NotYetErasing},  // 99 AOL Instant Messenger settings
    {L"Messenger", L"aolnames", &NotYetErasing},  // 100 AOL Instant Messenger Recent screen names
    {L"Messenger", L"aolpassword", &NotYetErasing},  // 101 AOL Messenger user password
    {L"Messenger", L"aolbuddy", &NotYetErasing},  // 102 AOL Information about Buddy list
    {L"Messenger", L"aollogs", &NotYetErasing},  // 103 AOL Messenger logs
    {L"Messenger", L"icqsign", &NotYetErasing},  // 104 AOL Messenger Sign in history
    {L"Messenger", L"icquser", &NotYetErasing},  // 105 ICQ User history
    {L"Messenger", L"icqcontact", &NotYetErasing},  // 106 ICQ contact list
    {L"Messenger", L"icqaccount", &NotYetErasing},  // 107 ICQ Account
    {L"Messenger", L"icqfiles", &NotYetErasing},  // 108 ICQ All the files received from the other users
    {L"Messenger", L"icqsearch", &NotYetErasing},  // 109 ICQ Toolbar search history
};

}  // namespace

std::span<const HandlerEntry> MessengerHandlers() { return kHandlers; }

}  // namespace engine
