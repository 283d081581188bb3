#include "settings/ItemCatalogue.h"

#include <iterator>

#include "settings/Text.h"

namespace settings {
namespace {

constexpr CleaningItem kBoxes[] = {
    {L"Check1", L"IE Address Bar History", 0, L"EXPLORER", L"location", HandlerFamily::InternetExplorer},
    {L"Check2", L"IE Internet History Files", 0, L"EXPLORER", L"history", HandlerFamily::InternetExplorer},
    {L"Check3", L"IE Internet Cache", 0, L"EXPLORER", L"cache", HandlerFamily::InternetExplorer},
    {L"Check4", L"IE Cookies", 0, L"EXPLORER", L"cookies", HandlerFamily::InternetExplorer},
    {L"Check5", L"IE Favorites", 0, L"EXPLORER", L"favorites", HandlerFamily::InternetExplorer},
    {L"Check6", L"IE Autocomplete memory", 0, L"EXPLORER", L"autocomplete", HandlerFamily::InternetExplorer},
    {L"Check7", L"IE Downloaded Files(Only IE9)", 0, L"EXPLORER", L"downloaded", HandlerFamily::InternetExplorer},
    {L"Check153", L"IE Downloaded History(Only IE9)", 0, L"EXPLORER", L"downloadedhistory", HandlerFamily::InternetExplorer},
    {L"Check54", L"Index.dat", 0, L"EXPLORER", L"index", HandlerFamily::InternetExplorer},
    {L"Check135", L"Inprivate Filter", 0, L"EXPLORER", L"inprivate", HandlerFamily::InternetExplorer},
    {L"Check154", L"Add-ons Settings", 0, L"EXPLORER", L"addons", HandlerFamily::InternetExplorer},
    {L"Check9", L"Select all of the above", 0, nullptr, nullptr, HandlerFamily::None},
    {L"Check42", L"Address Bar History", 1, L"FIREFOX", L"Address", HandlerFamily::Browsers},
    {L"Check43", L"Cookies", 1, L"FIREFOX", L"Cookies", HandlerFamily::Browsers},
    {L"Check44", L"Cache", 1, L"FIREFOX", L"Cache", HandlerFamily::Browsers},
    {L"Check45", L"History Files", 1, L"FIREFOX", L"History", HandlerFamily::Browsers},
    {L"Check53", L"Download Manager History", 1, L"FIREFOX", L"Download", HandlerFamily::Browsers},
    {L"Check55", L"Bookmarks", 1, L"FIREFOX", L"bookmarks", HandlerFamily::Browsers},
    {L"Check56", L"Saved Passwords", 1, L"FIREFOX", L"passwords", HandlerFamily::Browsers},
    {L"Check46", L"Select all of the above", 1, nullptr, nullptr, HandlerFamily::None},
    {L"Check8", L"Address Bar History", 2, L"OPERA", L"Address", HandlerFamily::Browsers},
    {L"Check10", L"Cookies", 2, L"OPERA", L"Cookies", HandlerFamily::Browsers},
    {L"Check11", L"Cache", 2, L"OPERA", L"Cache", HandlerFamily::Browsers},
    {L"Check12", L"History Files", 2, L"OPERA", L"History", HandlerFamily::Browsers},
    {L"Check57", L"Downloads History", 2, L"OPERA", L"downloads", HandlerFamily::Browsers},
    {L"Check58", L"Sessions", 2, L"OPERA", L"Sessions", HandlerFamily::Browsers},
    {L"Check59", L"Site Images", 2, L"OPERA", L"Images", HandlerFamily::Browsers},
    {L"Check60", L"Bookmarks", 2, L"OPERA", L"Bookmarks", HandlerFamily::Browsers},
    {L"Check61", L"Saved Passwords", 2, L"OPERA", L"Passwords", HandlerFamily::Browsers},
    {L"Check13", L"Select all of the above", 2, nullptr, nullptr, HandlerFamily::None},
    {L"Check18", L"Address Bar History", 3, L"NETSCAPE", L"Location", HandlerFamily::Browsers},
    {L"Check17", L"Cookies", 3, L"NETSCAPE", L"Cookies", HandlerFamily::Browsers},
    {L"Check16", L"Cache", 3, L"NETSCAPE", L"Cache", HandlerFamily::Browsers},
    {L"Check15", L"History files", 3, L"NETSCAPE", L"History", HandlerFamily::Browsers},
    {L"Check64", L"Download Manager History", 3, L"NETSCAPE", L"download", HandlerFamily::Browsers},
    {L"Check63", L"Bookmarks", 3, L"NETSCAPE", L"bookmarks", HandlerFamily::Browsers},
    {L"Check62", L"Saved Passwords", 3, L"NETSCAPE", L"passwords", HandlerFamily::Browsers},
    {L"Check14", L"Select all of the above", 3, nullptr, nullptr, HandlerFamily::None},
    {L"Check51", L"Address Bar History", 4, L"AOL", L"Address", HandlerFamily::Browsers},
    {L"Check50", L"Cookies", 4, L"AOL", L"Cookies", HandlerFamily::Browsers},
    {L"Check49", L"Cache", 4, L"AOL", L"Cache", HandlerFamily::Browsers},
    {L"Check48", L"History Files", 4, L"AOL", L"History", HandlerFamily::Browsers},
    {L"Check47", L"Select all of the above", 4, nullptr, nullptr, HandlerFamily::None},
    {L"Check23", L"Address Bar History", 5, L"MSN", L"Location", HandlerFamily::Browsers},
    {L"Check22", L"Cookies", 5, L"MSN", L"Cookies", HandlerFamily::Browsers},
    {L"Check21", L"Cache", 5, L"MSN", L"Cache", HandlerFamily::Browsers},
    {L"Check20", L"History Files", 5, L"MSN", L"History", HandlerFamily::Browsers},
    {L"Check19", L"Select all of the above", 5, nullptr, nullptr, HandlerFamily::None},
    {L"Check72", L"Address Bar History", 6, L"Mozilla", L"Address", HandlerFamily::Browsers},
    {L"Check71", L"Cookies", 6, L"Mozilla", L"Cookies", HandlerFamily::Browsers},
    {L"Check70", L"Cache", 6, L"Mozilla", L"Cache", HandlerFamily::Browsers},
    {L"Check69", L"History Files", 6, L"Mozilla", L"History", HandlerFamily::Browsers},
    {L"Check68", L"Select all of the above", 6, nullptr, nullptr, HandlerFamily::None},
    {L"Check129", L"Typed Urls", 7, L"Maxthon", L"keywords", HandlerFamily::MaxthonChromeSafari},
    {L"Check130", L"Information about open pages", 7, L"Maxthon", L"pages", HandlerFamily::MaxthonChromeSafari},
    {L"Check131", L"Maxthon settings", 7, L"Maxthon", L"settings", HandlerFamily::MaxthonChromeSafari},
    {L"Check132", L"Maxthon History Files", 7, L"Maxthon", L"groups", HandlerFamily::MaxthonChromeSafari},
    {L"Check134", L"Maxthon default save folder", 7, L"Maxthon", L"folder", HandlerFamily::MaxthonChromeSafari},
    {L"Check133", L"Select all of the above", 7, nullptr, nullptr, HandlerFamily::None},
    {L"Check136", L"Download History", 8, L"Chrome", L"download", HandlerFamily::MaxthonChromeSafari},
    {L"Check137", L"Cookies", 8, L"Chrome", L"Cookies", HandlerFamily::MaxthonChromeSafari},
    {L"Check138", L"Cache", 8, L"Chrome", L"Cache", HandlerFamily::MaxthonChromeSafari},
    {L"Check139", L"History Files", 8, L"Chrome", L"History", HandlerFamily::MaxthonChromeSafari},
    {L"Check141", L"Forms Data/Saved passwords", 8, L"Chrome", L"Forms", HandlerFamily::MaxthonChromeSafari},
    {L"Check142", L"Session", 8, L"Chrome", L"Session", HandlerFamily::MaxthonChromeSafari},
    {L"Check140", L"Select all of the above", 8, nullptr, nullptr, HandlerFamily::None},
    {L"Check149", L"History", 9, L"Safari", L"history", HandlerFamily::MaxthonChromeSafari},
    {L"Check148", L"Information about open pages", 9, L"Safari", L"pages", HandlerFamily::MaxthonChromeSafari},
    {L"Check147", L"Cache", 9, L"Safari", L"Cache", HandlerFamily::MaxthonChromeSafari},
    {L"Check146", L"Cookies", 9, L"Safari", L"Cookies", HandlerFamily::MaxthonChromeSafari},
    {L"Check144", L"Download information", 9, L"Safari", L"Download", HandlerFamily::MaxthonChromeSafari},
    {L"Check150", L"Autocomplete", 9, L"Safari", L"Autocomplete", HandlerFamily::MaxthonChromeSafari},
    {L"Check151", L"Recent Searches", 9, L"Safari", L"RecentSearches", HandlerFamily::MaxthonChromeSafari},
    {L"Check152", L"Webpage Previews Image", 9, L"Safari", L"Images", HandlerFamily::MaxthonChromeSafari},
    {L"Check145", L"Select all of the above", 9, nullptr, nullptr, HandlerFamily::None},
    {L"Check24", L"Recent Documents History", 10, L"WINDOWS", L"recent", HandlerFamily::Windows},
    {L"Check25", L"Start Menu Run History", 10, L"WINDOWS", L"run", HandlerFamily::Windows},
    {L"Check26", L"Start Menu Search History", 10, L"WINDOWS", L"search", HandlerFamily::Windows},
    {L"Check27", L"Windows Temp", 10, L"WINDOWS", L"temp", HandlerFamily::Windows},
    {L"Check30", L"Recycle Bin", 10, L"WINDOWS", L"recycle", HandlerFamily::Windows},
    {L"Check32", L"Open/Save Dialog Box History", 10, L"WINDOWS", L"open", HandlerFamily::Windows},
    {L"Check33", L"Scandisk Temp Files", 10, L"WINDOWS", L"scandisk", HandlerFamily::Windows},
    {L"Check34", L"Windows Passwords(Only 9X/Me)", 10, L"WINDOWS", L"passwords", HandlerFamily::Windows},
    {L"Check35", L"Windows Clipboard", 10, L"WINDOWS", L"clip", HandlerFamily::Windows},
    {L"Check28", L"Wordpad Recent Files", 10, L"WINDOWS", L"wordpad", HandlerFamily::Windows},
    {L"Check29", L"Windows Paint Recent Files", 10, L"WINDOWS", L"paint", HandlerFamily::Windows},
    {L"Check97", L"Thumbs.db", 10, L"WINDOWS", L"thumbs", HandlerFamily::Windows},
    {L"Check99", L"Windows Swap/Paging File", 10, L"WINDOWS", L"swap", HandlerFamily::Windows},
    {L"Check101", L"Windows XP unread mail count", 10, L"WINDOWS", L"unread", HandlerFamily::Windows},
    {L"Check86", L"The Custom Locations From Picture Location Drop-down Box", 10, L"WINDOWS", L"picturelocation", HandlerFamily::Windows},
    {L"Check87", L"DirectX Most Recent Applications", 10, L"WINDOWS", L"DirectX", HandlerFamily::Windows},
    {L"Check88", L"Find Computer Dialog Box", 10, L"WINDOWS", L"findcomputer", HandlerFamily::Windows},
    {L"Check89", L"Find Files Dialog Box", 10, L"WINDOWS", L"findfiles", HandlerFamily::Windows},
    {L"Check90", L"Map Network Drive MRU", 10, L"WINDOWS", L"mapnetwork", HandlerFamily::Windows},
    {L"Check91", L"Microsoft Management Console Recent File List", 10, L"WINDOWS", L"management", HandlerFamily::Windows},
    {L"Check92", L"Past Items From The Notification Area", 10, L"WINDOWS", L"notification", HandlerFamily::Windows},
    {L"Check93", L"Registry Editor Last Opened Key", 10, L"WINDOWS", L"registryeditor", HandlerFamily::Windows},
    {L"Check94", L"Saved Search Folders From windows Vista", 10, L"WINDOWS", L"searchfolders", HandlerFamily::Windows},
    {L"Check95", L"Start Menu Programs And Favorites Menu Order", 10, L"WINDOWS", L"menuorder", HandlerFamily::Windows},
    {L"Check96", L"The List of Most Recently Used Files and Folders", 10, L"WINDOWS", L"recentlyused", HandlerFamily::Windows},
    {L"Check98", L"Windows Explorer Streams MRUs/Typed Paths", 10, L"WINDOWS", L"streams", HandlerFamily::Windows},
    {L"Check100", L"Windows Userassist MRUs", 10, L"WINDOWS", L"userassist", HandlerFamily::Windows},
    {L"Check31", L"Select all of the above", 10, nullptr, nullptr, HandlerFamily::None},
    {L"Check37", L"Microsoft Word", 11, L"OFFICE", L"word", HandlerFamily::Office},
    {L"Check38", L"Microsoft Excel", 11, L"OFFICE", L"excel", HandlerFamily::Office},
    {L"Check39", L"Microsoft PowerPoint", 11, L"OFFICE", L"powerpoint", HandlerFamily::Office},
    {L"Check40", L"Microsoft FrontPage", 11, L"OFFICE", L"frontpage", HandlerFamily::Office},
    {L"Check36", L"Microsoft Access", 11, L"OFFICE", L"access", HandlerFamily::Office},
    {L"Check102", L"Microsoft Publisher", 11, L"OFFICE", L"Publisher", HandlerFamily::Office},
    {L"Check103", L"Microsoft InfoPath", 11, L"OFFICE", L"InfoPath", HandlerFamily::Office},
    {L"Check104", L"Microsoft Project", 11, L"OFFICE", L"Project", HandlerFamily::Office},
    {L"Check105", L"Microsoft Visio", 11, L"OFFICE", L"Visio", HandlerFamily::Office},
    {L"Check106", L"Microsoft Clip Organizer", 11, L"OFFICE", L"Organizer", HandlerFamily::Office},
    {L"Check107", L"Microsoft Office Save My Settings", 11, L"OFFICE", L"Settings", HandlerFamily::Office},
    {L"Check108", L"Microsoft Office Picture Manager", 11, L"OFFICE", L"Picture", HandlerFamily::Office},
    {L"Check109", L"Microsoft Snapshot Viewer", 11, L"OFFICE", L"Viewer", HandlerFamily::Office},
    {L"Check41", L"Select all of the above", 11, nullptr, nullptr, HandlerFamily::None},
    {L"Check65", L"My Chat Log folder", 12, L"Messenger", L"msnchat", HandlerFamily::Messengers},
    {L"Check66", L"My Received Files folder", 12, L"Messenger", L"msnfiles", HandlerFamily::Messengers},
    {L"Check67", L"Aol Messenger settings", 13, L"Messenger", L"aolsettings", HandlerFamily::Messengers},
    {L"Check73", L"Recent screen names", 13, L"Messenger", L"aolnames", HandlerFamily::Messengers},
    {L"Check83", L"Aol Messenger user password", 13, L"Messenger", L"aolpassword", HandlerFamily::Messengers},
    {L"Check84", L"Information about Buddy list", 13, L"Messenger", L"aolbuddy", HandlerFamily::Messengers},
    {L"Check85", L"Aol Messenger logs", 13, L"Messenger", L"aollogs", HandlerFamily::Messengers},
    {L"Check74", L"The Sign in history", 14, L"Messenger", L"icqsign", HandlerFamily::Messengers},
    {L"Check75", L"User history", 14, L"Messenger", L"icquser", HandlerFamily::Messengers},
    {L"Check76", L"Contact lists", 14, L"Messenger", L"icqcontact", HandlerFamily::Messengers},
    {L"Check77", L"ICQ Account", 14, L"Messenger", L"icqaccount", HandlerFamily::Messengers},
    {L"Check79", L"Received files", 14, L"Messenger", L"icqfiles", HandlerFamily::Messengers},
    {L"Check78", L"Toolbar search history", 14, L"Messenger", L"icqsearch", HandlerFamily::Messengers},
    {L"Check80", L"Page settings", 15, L"Messenger", L"yahoopage", HandlerFamily::Messengers},
    {L"Check81", L"Reset Yahoo! profiles", 15, L"Messenger", L"yahooprofiles", HandlerFamily::Messengers},
    {L"Check82", L"Temporary Internet Files", 15, L"Messenger", L"yahoofiles", HandlerFamily::Messengers},
    {L"Check143", L"log Files", 15, L"Messenger", L"yahoologs", HandlerFamily::Messengers},
    {L"Check110", L"Address Book", 16, L"outlook", L"address", HandlerFamily::Mail},
    {L"Check111", L"Accounts Settings", 16, L"outlook", L"accounts", HandlerFamily::Mail},
    {L"Check112", L"Deleted Email", 16, L"outlook", L"deleted", HandlerFamily::Mail},
    {L"Check113", L"Sent Email", 16, L"outlook", L"sent", HandlerFamily::Mail},
    {L"Check114", L"Outbox Email", 16, L"outlook", L"outbox", HandlerFamily::Mail},
    {L"Check115", L"Blocked Senders List", 16, L"outlook", L"blocked", HandlerFamily::Mail},
    {L"Check116", L"Folders You Created", 16, L"outlook", L"created", HandlerFamily::Mail},
    {L"Check117", L"Mail Rules", 16, L"outlook", L"mailrules", HandlerFamily::Mail},
    {L"Check118", L"News Rules", 16, L"outlook", L"newsrules", HandlerFamily::Mail},
    {L"Check119", L"Signatures", 16, L"outlook", L"signatures", HandlerFamily::Mail},
    {L"Check127", L"Select all of the above", 16, nullptr, nullptr, HandlerFamily::None},
    {L"Check120", L"Windows Mail Recently", 17, L"mail", L"Recently", HandlerFamily::Mail},
    {L"Check121", L"Windows Mail Signatures", 17, L"mail", L"Signatures", HandlerFamily::Mail},
    {L"Check122", L"Junk Mail Block Senders list", 17, L"mail", L"Block", HandlerFamily::Mail},
    {L"Check123", L"Junk Mail Safe Senders list", 17, L"mail", L"Safe", HandlerFamily::Mail},
    {L"Check124", L"Windows Mail mail rules", 17, L"mail", L"mailrules", HandlerFamily::Mail},
    {L"Check125", L"Windows Mail news rules", 17, L"mail", L"newsrules", HandlerFamily::Mail},
    {L"Check126", L"Windows mail accounts", 17, L"mail", L"accounts", HandlerFamily::Mail},
    {L"Check128", L"Select all of the above", 17, nullptr, nullptr, HandlerFamily::None},
    {L"Check52", L"Custom Clean Items", 18, L"Custom", L"Custom", HandlerFamily::Custom},
};

constexpr ItemGroup kGroups[] = {
    {L"Internet Explorer", L"Browsers", L"Internet Explorer", L"EXPLORER", 0, 11, L"Check9"},
    {L"Mozilla Firefox", L"Browsers", L"Firefox", L"FIREFOX", 12, 7, L"Check46"},
    {L"Opera", L"Browsers", L"Opera", L"OPERA", 20, 9, L"Check13"},
    {L"Netscape Navigator", L"Browsers", L"Netscape", L"NETSCAPE", 30, 7, L"Check14"},
    {L"AOL Explorer", L"Browsers", L"AOL Explorer", L"AOL", 38, 4, L"Check47"},
    {L"MSN Exploer", L"Browsers", L"MSN Explorer", L"MSN", 43, 4, L"Check19"},
    {L"Mozilla", L"Browsers", L"Mozilla", L"Mozilla", 48, 4, L"Check68"},
    {L"Maxthon Browser", L"Browsers", L"Maxthon Browser", L"Maxthon", 53, 5, L"Check133"},
    {L"Google Chrome", L"Browsers", L"Google Chrome", L"Chrome", 59, 6, L"Check140"},
    {L"Safari", L"Browsers", L"Safari", L"Safari", 66, 8, L"Check145"},
    {L"Windows", L"Windows", nullptr, L"WINDOWS", 75, 27, L"Check31"},
    {L"MS Office(support 97, 2000, XP, 2003, 2007,2010)", L"Microsoft Office", nullptr, L"OFFICE", 103, 13, L"Check41"},
    {L"Windows Live Messenger", L"Instant Messaging", nullptr, L"Messenger", 117, 2, nullptr},
    {L"AOL Instant Messenger", L"Instant Messaging", nullptr, L"Messenger", 119, 5, nullptr},
    {L"ICQ", L"Instant Messaging", nullptr, L"Messenger", 124, 6, nullptr},
    {L"Yahoo! Messenger", L"Instant Messaging", nullptr, L"Messenger", 130, 4, nullptr},
    {L"Outlook Express", L"Email Readers", nullptr, L"outlook", 134, 10, L"Check127"},
    {L"Windows Mail", L"Email Readers", nullptr, L"mail", 145, 7, L"Check128"},
    {L"Select Folder and Files That will Be Erased", L"Custom Item", nullptr, L"Custom", 153, 1, nullptr},
};

constexpr const wchar_t* kTabs[] = {L"Browsers",       L"Windows",           L"Microsoft Office",
                                    L"Applications",   L"Custom Item",       L"Instant Messaging",
                                    L"Email Readers"};

constexpr const wchar_t* kBrowserTabs[] = {L"Internet Explorer", L"Firefox",         L"Opera",
                                           L"Netscape",          L"AOL Explorer",    L"MSN Explorer",
                                           L"Mozilla",           L"Maxthon Browser", L"Google Chrome",
                                           L"Safari"};

static_assert(std::size(kBoxes) == 154);
static_assert(std::size(kGroups) == 19);

}  // namespace

std::span<const CleaningItem> ItemCatalogue::Boxes() { return kBoxes; }

const std::vector<const CleaningItem*>& ItemCatalogue::Items() {
  static const std::vector<const CleaningItem*> items = [] {
    std::vector<const CleaningItem*> list;
    for (const CleaningItem& box : kBoxes)
      if (!box.IsSelectAll()) list.push_back(&box);
    return list;
  }();
  return items;
}

std::span<const ItemGroup> ItemCatalogue::Groups() { return kGroups; }

const CleaningItem* ItemCatalogue::FindBox(std::wstring_view boxName) {
  for (const CleaningItem& box : kBoxes)
    if (SameName(box.BoxName, boxName)) return &box;
  return nullptr;
}

const CleaningItem* ItemCatalogue::FindItem(std::wstring_view section, std::wstring_view key) {
  for (const CleaningItem* item : Items())
    if (SameName(item->Section, section) && SameName(item->Key, key)) return item;
  return nullptr;
}

std::span<const CleaningItem> ItemCatalogue::Members(const ItemGroup& group) {
  return std::span<const CleaningItem>(kBoxes).subspan(group.First, group.ItemCount);
}

const CleaningItem* ItemCatalogue::SelectAll(const ItemGroup& group) {
  if (!group.SelectAllBox) return nullptr;
  return &kBoxes[group.First + group.ItemCount];
}

const ItemGroup& ItemCatalogue::GroupOf(const CleaningItem& item) { return kGroups[item.Group]; }

std::span<const wchar_t* const> ItemCatalogue::TabCaptions() { return kTabs; }
std::span<const wchar_t* const> ItemCatalogue::BrowserTabCaptions() { return kBrowserTabs; }

}  // namespace settings
