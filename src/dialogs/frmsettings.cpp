#include "dialogs/frmsettings.h"

#include <algorithm>

#include "engine/regfun.h"
#include "platform/FileDialogs.h"
#include "platform/Prompts.h"
#include "settings/AppInfo.h"
#include "settings/CustomList.h"
#include "settings/Inifun.h"
#include "settings/ItemCatalogue.h"
#include "settings/PluginDescriptors.h"
#include "settings/Text.h"

namespace dialogs {
namespace {

using settings::CleaningItem;
using settings::ItemCatalogue;
using settings::ItemGroup;

// Asks the focus-leave questions once the focus change is complete.
constexpr UINT kAskOnLeaving = WM_APP + 21;

constexpr wchar_t kFavoritesQuestion[] = L"Are you sure delete IE Favorites?";
constexpr wchar_t kDownloadedQuestion[] = L"Are you sure delete Downloaded Files?";

constexpr std::size_t kOutlookExpressGroup = 16;
constexpr std::size_t kWindowsMailGroup = 17;

// Layout, in 96-DPI units.
constexpr int kWidth = 800;
constexpr int kHeight = 566;
constexpr ui::Rect kMainTab{8, 8, 784, 512};
constexpr ui::Rect kPage{14, 38, 772, 476};      // over the display area of SSTab1
constexpr ui::Rect kBrowserTab{0, 0, 772, 476};  // SSTab2 on the "Browsers" page
constexpr ui::Rect kBrowserPage{6, 30, 760, 440};
constexpr int kRowHeight = 24;
constexpr int kFirstRow = 22;
constexpr int kOptionsWidth = 70;

int RowsOf(std::size_t items, int columns) { return static_cast<int>((items + columns - 1) / columns); }

// The height a group frame needs for its rows and its select-all box.
int GroupHeight(const ItemGroup& group, int columns) {
  return kFirstRow + RowsOf(group.ItemCount, columns) * kRowHeight + (group.SelectAllBox ? kRowHeight + 6 : 0) + 8;
}

}  // namespace

frmsettings::frmsettings(std::wstring appPath, SettingsDialogServices services)
    : appPath_(std::move(appPath)), services_(std::move(services)) {}

frmsettings::~frmsettings() { Destroy(); }

bool frmsettings::Load(HWND owner) {
  if (IsLoaded()) return true;
  if (!Create(L"frmsettings", L"Cleaning Settings", kWidth, kHeight, WS_POPUP | WS_CAPTION | WS_SYSMENU,
              WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, owner))
    return false;
  CreateControls();
  LoadState();
  return true;
}

void frmsettings::CreateControls() {
  ui::TabControl& tabs = AddTabControl(L"SSTab1", kMainTab);
  const auto tabCaptions = ItemCatalogue::TabCaptions();
  std::vector<ui::Control*> pages;
  for (std::size_t i = 0; i < tabCaptions.size(); ++i) {
    tabs.AddTab(tabCaptions[i]);
    pages.push_back(&AddPanel(L"Page" + std::to_wstring(i + 1), kPage));
  }
  auto pageFor = [&](const wchar_t* caption) -> ui::Control& {
    for (std::size_t i = 0; i < tabCaptions.size(); ++i)
      if (std::wstring(tabCaptions[i]) == caption) return *pages[i];
    return *pages[0];
  };

  // "Browsers": a second row of tabs, one browser group on each.
  ui::Control& browsers = pageFor(L"Browsers");
  ui::TabControl& browserTabs = AddTabControl(L"SSTab2", kBrowserTab, &browsers);
  const auto browserCaptions = ItemCatalogue::BrowserTabCaptions();
  std::vector<ui::Control*> browserPages;
  for (std::size_t i = 0; i < browserCaptions.size(); ++i) {
    browserTabs.AddTab(browserCaptions[i]);
    browserPages.push_back(&AddPanel(L"BrowserPage" + std::to_wstring(i + 1), kBrowserPage, &browsers));
  }

  const auto groups = ItemCatalogue::Groups();
  int imIndex = 0;
  int mailTop = 4;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const ItemGroup& group = groups[g];
    if (group.SubTab) {
      ui::Control* page = browserPages[0];
      for (std::size_t i = 0; i < browserCaptions.size(); ++i)
        if (std::wstring(browserCaptions[i]) == group.SubTab) page = browserPages[i];
      CreateGroup(group, g, *page, {4, 4, kBrowserPage.width - 8, GroupHeight(group, 2)}, 2);
    } else if (std::wstring(group.Tab) == L"Instant Messaging") {
      // Four groups in two columns of two.
      const int column = imIndex % 2;
      const int row = imIndex / 2;
      CreateGroup(group, g, pageFor(group.Tab), {4 + column * 384, 4 + row * 200, 376, 192}, 1);
      ++imIndex;
    } else if (std::wstring(group.Tab) == L"Email Readers") {
      const int height = GroupHeight(group, 2);
      CreateGroup(group, g, pageFor(group.Tab), {4, mailTop, kPage.width - 8, height}, 2);
      mailTop += height + 8;
    } else if (std::wstring(group.Tab) == L"Custom Item") {
      ui::Control& page = pageFor(group.Tab);
      ui::Control& frame = AddFrame(L"Group" + std::to_wstring(g + 1), group.Caption, {4, 4, kPage.width - 8, 424}, &page);
      for (const CleaningItem& item : ItemCatalogue::Members(group))
        AddCheckBox(item.BoxName, item.Caption, {12, kFirstRow, 360, 20}, &frame);
      ui::ListView& custom = AddListView(L"ListView2", {12, 48, kPage.width - 32, 364}, &frame);
      custom.AddColumn(L"Name", 400);
      custom.AddColumn(L"Type", 70);
      custom.AddColumn(L"Size", 90);
      custom.AddColumn(L"Modified", 150);
      AddButton(L"Command101", L"Add", {4, 436, 96, 28}, &page).onClick = [this] { ShowPopupMenu(L"options"); };
      AddButton(L"Command102", L"Remove", {108, 436, 96, 28}, &page).onClick = [this] { RemoveCustomRow(); };
      AddButton(L"Command2", L"Clear", {212, 436, 96, 28}, &page).onClick = [this] {
        FindAs<ui::ListView>(L"ListView2")->Clear();
      };
    } else {
      CreateGroup(group, g, pageFor(group.Tab), {4, 4, kPage.width - 8, GroupHeight(group, 2)}, 2);
    }
  }

  // "Applications": the plug-in list.
  ui::ListView& plugins = AddListView(L"ListView1", {4, 4, kPage.width - 8, kPage.height - 8}, &pageFor(L"Applications"));
  plugins.SetCheckBoxes(true);
  plugins.AddColumn(L"Applications Name", 200);
  plugins.AddColumn(L"Version", 90);
  plugins.AddColumn(L"Description", 440);

  AddPopupMenu(L"options", {{L"addfiles", L"Add Files", [this] { AddFiles(); }},
                            {L"addfolders", L"Add Folders", [this] { AddFolders(); }}});

  AddButton(L"Command1", L"OK", {kWidth - 232, kHeight - 38, 108, 28}).onClick = [this] { Ok(); };
  AddButton(L"Command3", L"Cancel", {kWidth - 116, kHeight - 38, 108, 28}).onClick = [this] { Cancel(); };

  // The Internet Explorer boxes whose ticks are questioned when the focus leaves them.
  for (const wchar_t* box : {L"Check5", L"Check7"}) {
    ui::Control* control = Find(box);
    control->onLostFocus = [this, control] {
      if (!control->Checked()) return;
      leaving_.insert(control->Name());
      PostMessageW(Hwnd(), kAskOnLeaving, 0, 0);
    };
  }

  for (std::size_t i = 0; i < browserPages.size(); ++i) browserTabs.SetPage(static_cast<int>(i), *browserPages[i]);
  for (std::size_t i = 0; i < pages.size(); ++i) tabs.SetPage(static_cast<int>(i), *pages[i]);
  browserTabs.Select(0);
  tabs.Select(0);
}

void frmsettings::CreateGroup(const ItemGroup& group, std::size_t index, ui::Control& page, ui::Rect area,
                              int columns) {
  ui::Control& frame = AddFrame(L"Group" + std::to_wstring(index + 1), group.Caption, area, &page);
  const auto members = ItemCatalogue::Members(group);
  const int rows = RowsOf(members.size(), columns);
  const int columnWidth = (area.width - 24) / columns;
  const bool internetExplorer = group.SelectAllBox && std::wstring(group.SelectAllBox) == L"Check9";
  for (std::size_t i = 0; i < members.size(); ++i) {
    const CleaningItem& item = members[i];
    const int column = static_cast<int>(i) / rows;
    const int row = static_cast<int>(i) % rows;
    const int x = 12 + column * columnWidth;
    const int y = kFirstRow + row * kRowHeight;
    int width = columnWidth - 8;
    // The keep lists open from the rows of the typed addresses and the cookies.
    const std::wstring box = item.BoxName;
    if (internetExplorer && (box == L"Check1" || box == L"Check4")) {
      width -= kOptionsWidth + 8;
      AddButton(box == L"Check1" ? L"Command7" : L"Command8", L"Options",
                {x + width + 8, y - 2, kOptionsWidth, 24}, &frame)
          .onClick = [this, box] {
        const auto& show = box == L"Check1" ? services_.ShowUrlKeepList : services_.ShowCookieKeepList;
        if (show) show(Hwnd());
      };
    }
    AddCheckBox(item.BoxName, item.Caption, {x, y, width, 20}, &frame);
  }
  if (const CleaningItem* selectAll = ItemCatalogue::SelectAll(group)) {
    ui::Control& box = AddCheckBox(selectAll->BoxName, selectAll->Caption,
                                   {12, kFirstRow + rows * kRowHeight + 6, columnWidth - 8, 20}, &frame);
    if (internetExplorer) {
      box.onClick = [this] { SelectAllInternetExplorer(); };
    } else {
      box.onClick = [this, &group] { SelectAll(group); };
    }
  }
}

void frmsettings::LoadState() {
  // The look of the dialog comes from the system's visual styles.
  const std::wstring file = settings::SettingsFile(appPath_);
  for (const CleaningItem* item : ItemCatalogue::Items()) {
    if (item->Group == kOutlookExpressGroup || item->Group == kWindowsMailGroup) continue;
    Find(item->BoxName)->SetChecked(settings::IsNumericOne(settings::ReadIniValue(file, item->Section, item->Key)));
  }
  for (const CleaningItem& box : ItemCatalogue::Boxes())
    if (box.IsSelectAll()) Find(box.BoxName)->SetChecked(false);

  LoadMailReader(kOutlookExpressGroup, L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Outlook Express", L"InstallRoot");
  LoadMailReader(kWindowsMailGroup, L"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows Mail", L"Store Root");

  auto* custom = FindAs<ui::ListView>(L"ListView2");
  custom->Clear();
  for (const settings::CustomItem& row : settings::LoadCustomList(appPath_)) {
    const int index = custom->AddRow(row.Path);
    custom->SetCell(index, 1, row.Type);
    custom->SetCell(index, 2, row.Size);
    custom->SetCell(index, 3, row.Modified);
  }

  auto* plugins = FindAs<ui::ListView>(L"ListView1");
  plugins->Clear();
  for (const settings::PluginDescriptor& descriptor : settings::AddList(appPath_)) {
    const int index = plugins->AddRow(descriptor.Name);
    plugins->SetCell(index, 1, descriptor.Version);
    plugins->SetCell(index, 2, descriptor.DescriptionColumn());
    plugins->SetRowChecked(index, descriptor.SwitchedOn);
  }
}

// A mail reader that is not installed has its boxes, select-all included,
// disabled and unticked; otherwise its boxes load from the settings file.
void frmsettings::LoadMailReader(std::size_t group, const std::wstring& keyPath, const std::wstring& valueName) {
  const ItemGroup& readers = ItemCatalogue::Groups()[group];
  const bool installed = engine::RegReadString(keyPath, valueName, services_.Prompts) != engine::kRegReadStringError;
  const std::wstring file = settings::SettingsFile(appPath_);
  for (const CleaningItem& item : ItemCatalogue::Members(readers)) {
    ui::Control* box = Find(item.BoxName);
    box->SetEnabled(installed);
    box->SetChecked(installed && settings::IsNumericOne(settings::ReadIniValue(file, item.Section, item.Key)));
  }
  if (const CleaningItem* selectAll = ItemCatalogue::SelectAll(readers)) {
    Find(selectAll->BoxName)->SetEnabled(installed);
    Find(selectAll->BoxName)->SetChecked(false);
  }
}

std::vector<engine::PluginEntry> frmsettings::PluginEntries() const {
  std::vector<engine::PluginEntry> entries;
  if (!IsLoaded()) return entries;
  auto* plugins = FindAs<ui::ListView>(L"ListView1");
  for (int row = 0; row < plugins->RowCount(); ++row) entries.push_back({plugins->Cell(row, 0), plugins->RowChecked(row)});
  return entries;
}

void frmsettings::SelectAll(const ItemGroup& group) {
  const CleaningItem* selectAll = ItemCatalogue::SelectAll(group);
  if (!selectAll) return;
  const bool ticked = Find(selectAll->BoxName)->Checked();
  for (const CleaningItem& item : ItemCatalogue::Members(group)) Find(item.BoxName)->SetChecked(ticked);
}

void frmsettings::SelectAllInternetExplorer() {
  if (!Find(L"Check9")->Checked()) {
    for (const CleaningItem& item : ItemCatalogue::Members(ItemCatalogue::Groups()[0])) Find(item.BoxName)->SetChecked(false);
    return;
  }
  for (const wchar_t* box : {L"Check1", L"Check2", L"Check3", L"Check4"}) Find(box)->SetChecked(true);
  Find(L"Check5")->SetChecked(Confirm(kFavoritesQuestion));
  Find(L"Check6")->SetChecked(true);
  Find(L"Check7")->SetChecked(Confirm(kDownloadedQuestion));
  for (const wchar_t* box : {L"Check54", L"Check135", L"Check153", L"Check154"}) Find(box)->SetChecked(true);
}

bool frmsettings::Confirm(const std::wstring& question) {
  if (!services_.Prompts) return false;
  return services_.Prompts->ShowMessage(question, settings::kAppTitle, platform::PromptButtons::OkCancel,
                                        platform::PromptIcon::None) == platform::PromptResult::Ok;
}

bool frmsettings::HasFocusInside() const {
  HWND focus = GetFocus();
  return focus && (focus == Hwnd() || IsChild(Hwnd(), focus));
}

void frmsettings::AskOnLeaving() {
  while (!leaving_.empty() && IsLoaded()) {
    const std::wstring name = *leaving_.begin();
    leaving_.erase(leaving_.begin());
    ui::Control* box = Find(name);
    if (!box->Checked()) continue;
    if (!Confirm(name == L"Check5" ? kFavoritesQuestion : kDownloadedQuestion)) box->SetChecked(false);
  }
}

bool frmsettings::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  // A click or menu choice acts only once a question about the box the focus
  // left is settled, as the user met them: first the leaving, then the click.
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    AskOnLeaving();
    return false;
  }
  if (message != kAskOnLeaving) return false;
  // The focus went to another window (the user switched programs): the
  // question waits until the dialog is used again.
  if (HasFocusInside()) AskOnLeaving();
  result = 0;
  return true;
}

void frmsettings::AddCustomRow(const std::wstring& path, const std::wstring& type) {
  const settings::CustomItem row = settings::MeasureCustomItem(path, type, settings::SizePattern::Sparse);
  auto* custom = FindAs<ui::ListView>(L"ListView2");
  const int index = custom->AddRow(row.Path);
  custom->SetCell(index, 1, row.Type);
  custom->SetCell(index, 2, row.Size);
  custom->SetCell(index, 3, row.Modified);
}

void frmsettings::AddFiles() {
  if (!services_.FileDialogs) return;
  const auto chosen = services_.FileDialogs->ChooseFiles(Hwnd(), L"Open File", L"All files (*.*)|*.*|");
  if (!chosen) return;
  // Every chosen file gets its row, in the dialog's order; one that cannot be
  // measured keeps empty cells.
  for (const std::wstring& path : *chosen)
    if (!path.empty()) AddCustomRow(path, settings::kCustomFile);
}

void frmsettings::AddFolders() {
  if (!services_.FileDialogs) return;
  const auto chosen = services_.FileDialogs->ChooseFolder(Hwnd(), settings::kAppTitle);
  if (!chosen || chosen->empty()) return;
  AddCustomRow(*chosen, settings::kCustomFolder);
}

void frmsettings::RemoveCustomRow() {
  auto* custom = FindAs<ui::ListView>(L"ListView2");
  const int selected = custom->SelectedRow();
  if (selected >= 0 && !custom->Cell(selected, 0).empty()) custom->RemoveRow(selected);
}

void frmsettings::Ok() {
  if (!IsLoaded()) return;
  // A tick questioned on the way to OK is settled first.
  AskOnLeaving();
  const std::wstring file = settings::SettingsFile(appPath_);
  for (const CleaningItem* item : ItemCatalogue::Items())
    settings::WriteIniValue(file, item->Section, item->Key, Find(item->BoxName)->Checked() ? L"1" : L"0");

  auto* custom = FindAs<ui::ListView>(L"ListView2");
  std::vector<settings::CustomItem> rows;
  for (int row = 0; row < custom->RowCount(); ++row)
    rows.push_back({custom->Cell(row, 0), custom->Cell(row, 1), custom->Cell(row, 2), custom->Cell(row, 3)});
  settings::SaveCustomList(appPath_, rows);

  for (const engine::PluginEntry& entry : PluginEntries()) settings::SaveSwitch(appPath_, entry.Name, entry.Ticked);
  Unload();
}

void frmsettings::Cancel() { Unload(); }

bool frmsettings::OnCloseRequest() {
  Cancel();
  return false;
}

void frmsettings::Unload() {
  leaving_.clear();
  Destroy();
}

}  // namespace dialogs
