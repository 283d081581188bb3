// Outlook Express and Windows Mail items.
#include "engine/items/ItemHandlers.h"

namespace engine {
namespace {

// Items whose erasing is still to come: the row reads "Done".
std::wstring NotYetErasing(RunContext&) { return kDone; }

constexpr HandlerEntry kHandlers[] = {
    {L"outlook", L"address", &NotYetErasing},  // 123 outlook express address book
    {L"outlook", L"accounts", &NotYetErasing},  // 124 outlook express Accounts
    {L"outlook", L"deleted", &NotYetErasing},  // 125 outlook express deleted email
    {L"outlook", L"sent", &NotYetErasing},  // 126 outlook express sent email
    {L"outlook", L"outbox", &NotYetErasing},  // 127 outlook express outbox email
    {L"outlook", L"blocked", &NotYetErasing},  // 128 outlook express blocked senders list
    {L"outlook", L"created", &NotYetErasing},  // 129 outlook express history of Outlook folders you created
    {L"outlook", L"mailrules", &NotYetErasing},  // 130 outlook express mail rules
    {L"outlook", L"newsrules", &NotYetErasing},  // 131 outlook express news rules
    {L"outlook", L"signatures", &NotYetErasing},  // 132 outlook express signatures
    {L"mail", L"Recently", &NotYetErasing},  // 133 Windows Mail Recently
    {L"mail", L"Signatures", &NotYetErasing},  // 134 Windows Mail Signatures
    {L"mail", L"Block", &NotYetErasing},  // 135 Windows Mail Block Senders list
    {L"mail", L"Safe", &NotYetErasing},  // 136 Windows Mail Safe Senders list
    {L"mail", L"mailrules", &NotYetErasing},  // 137 Windows Mail mail rules
    {L"mail", L"newsrules", &NotYetErasing},  // 138 Windows Mail news rules
    {L"mail", L"accounts", &NotYetErasing},  // 139 Windows Mail accounts
};

}  // namespace

std::span<const HandlerEntry> MailHandlers() { return kHandlers; }

}  // namespace engine
