#include "ui/Window.h"

#include <commctrl.h>
#include <windowsx.h>

namespace ui {
namespace {

constexpr wchar_t kFormClass[] = L"SorvaneForm";
constexpr wchar_t kFrameClass[] = L"SorvaneFrame";
constexpr wchar_t kFramePropForm[] = L"SorvaneFrameForm";

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

std::wstring WindowText(HWND hwnd) {
  if (!hwnd) return {};
  int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  int got = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

int WindowDpi(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow && hwnd) {
    UINT dpi = getDpiForWindow(hwnd);
    if (dpi) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

// A frame is a container window: it draws its caption through a group box and
// passes its children's notifications on to the form.
LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (HWND form = static_cast<HWND>(GetPropW(hwnd, kFramePropForm)))
        return SendMessageW(form, message, wParam, lParam);
      break;
    case WM_ERASEBKGND: {
      RECT rect;
      GetClientRect(hwnd, &rect);
      FillRect(reinterpret_cast<HDC>(wParam), &rect, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_NCDESTROY:
      RemovePropW(hwnd, kFramePropForm);
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void InitializeUi() {
  static bool done = false;
  if (done) return;
  done = true;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                                      ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS |
                                                      ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSEXW form{};
  form.cbSize = sizeof(form);
  form.lpfnWndProc = &Form::WindowProc;
  form.hInstance = Instance();
  form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  form.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  form.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  form.lpszClassName = kFormClass;
  RegisterClassExW(&form);

  WNDCLASSEXW frame{};
  frame.cbSize = sizeof(frame);
  frame.lpfnWndProc = &FrameProc;
  frame.hInstance = Instance();
  frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  frame.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  frame.lpszClassName = kFrameClass;
  RegisterClassExW(&frame);
}

// ---- Control ---------------------------------------------------------------

std::wstring Control::Text() const { return WindowText(hwnd_); }

void Control::SetText(const std::wstring& text) {
  if (hwnd_) SetWindowTextW(hwnd_, text.c_str());
}

bool Control::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }
void Control::SetEnabled(bool enabled) {
  if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool Control::Visible() const {
  return hwnd_ && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE);
}
void Control::SetVisible(bool visible) {
  if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

bool Control::Checked() const {
  return hwnd_ && SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
void Control::SetChecked(bool checked) {
  if (hwnd_) SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Control::Focus() {
  if (hwnd_) SetFocus(hwnd_);
}

bool Control::Click() {
  if (!hwnd_ || !IsWindowEnabled(hwnd_)) return false;
  if (kind_ == Kind::Button || kind_ == Kind::CheckBox) {
    // What a mouse click does: a check box toggles, then the form hears BN_CLICKED.
    if (kind_ == Kind::CheckBox) SetChecked(!Checked());
    SendMessageW(form_.Hwnd(), WM_COMMAND, MAKEWPARAM(id_, BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd_));
    return true;
  }
  if (onClick) onClick();
  return true;
}

// ---- ListView --------------------------------------------------------------

void ListView::AddColumn(const std::wstring& caption, int width96) {
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<wchar_t*>(caption.c_str());
  column.cx = form_.Scale(width96);
  int count = Header_GetItemCount(ListView_GetHeader(hwnd_));
  column.iSubItem = count;
  ListView_InsertColumn(hwnd_, count, &column);
}

int ListView::AddRow(const std::wstring& firstColumn) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = RowCount();
  item.pszText = const_cast<wchar_t*>(firstColumn.c_str());
  return ListView_InsertItem(hwnd_, &item);
}

void ListView::SetCell(int row, int column, const std::wstring& text) {
  ListView_SetItemText(hwnd_, row, column, const_cast<wchar_t*>(text.c_str()));
}

std::wstring ListView::Cell(int row, int column) const {
  // The control gives no length: a text that fills the buffer may have been
  // cut, so it is read again with room to spare until it fits.
  for (std::size_t size = 1024;; size *= 2) {
    std::wstring buffer(size, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    int got = static_cast<int>(SendMessageW(hwnd_, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
    if (got < 0) got = 0;
    if (static_cast<std::size_t>(got) + 1 < size || size >= (std::size_t{1} << 20)) {
      buffer.resize(static_cast<std::size_t>(got));
      return buffer;
    }
  }
}

int ListView::RowCount() const { return ListView_GetItemCount(hwnd_); }
void ListView::Clear() {
  ListView_DeleteAllItems(hwnd_);
  UpdateWindow(hwnd_);
}
void ListView::EnsureVisible(int row) { ListView_EnsureVisible(hwnd_, row, FALSE); }

void ListView::SetCheckBoxes(bool on) {
  ListView_SetExtendedListViewStyleEx(hwnd_, LVS_EX_CHECKBOXES, on ? LVS_EX_CHECKBOXES : 0);
}
bool ListView::RowChecked(int row) const { return ListView_GetCheckState(hwnd_, row) != 0; }
void ListView::SetRowChecked(int row, bool checked) {
  ListView_SetCheckState(hwnd_, row, checked ? TRUE : FALSE);
}
int ListView::SelectedRow() const { return ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED); }
void ListView::SelectRow(int row) {
  ListView_SetItemState(hwnd_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (row >= 0) ListView_SetItemState(hwnd_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}
void ListView::RemoveRow(int row) { ListView_DeleteItem(hwnd_, row); }

// ---- ProgressBar -----------------------------------------------------------

void ProgressBar::SetRange(int low, int high) { SendMessageW(hwnd_, PBM_SETRANGE32, low, high); }
int ProgressBar::Value() const { return static_cast<int>(SendMessageW(hwnd_, PBM_GETPOS, 0, 0)); }
void ProgressBar::SetValue(int value) { SendMessageW(hwnd_, PBM_SETPOS, value, 0); }

// ---- ListBox ---------------------------------------------------------------

int ListBox::AddItem(const std::wstring& text) {
  return static_cast<int>(SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}
void ListBox::RemoveItem(int index) { SendMessageW(hwnd_, LB_DELETESTRING, index, 0); }
void ListBox::Clear() { SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0); }
int ListBox::Count() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)); }
std::wstring ListBox::Item(int index) const {
  LRESULT length = SendMessageW(hwnd_, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  LRESULT got = SendMessageW(hwnd_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
  return text;
}
int ListBox::Selected() const {
  LRESULT index = SendMessageW(hwnd_, LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? -1 : static_cast<int>(index);
}
void ListBox::Select(int index) { SendMessageW(hwnd_, LB_SETCURSEL, index, 0); }
void ListBox::SetHorizontalExtent(int pixels) { SendMessageW(hwnd_, LB_SETHORIZONTALEXTENT, pixels, 0); }
int ListBox::HorizontalExtent() const {
  return static_cast<int>(SendMessageW(hwnd_, LB_GETHORIZONTALEXTENT, 0, 0));
}
bool ListBox::IsSelected(int index) const { return SendMessageW(hwnd_, LB_GETSEL, index, 0) > 0; }
void ListBox::SetSelected(int index, bool selected) {
  SendMessageW(hwnd_, LB_SETSEL, selected ? TRUE : FALSE, index);
}
int ListBox::CaretIndex() const {
  if (Count() == 0) return -1;
  LRESULT index = SendMessageW(hwnd_, LB_GETCARETINDEX, 0, 0);
  return index == LB_ERR ? -1 : static_cast<int>(index);
}

// ---- TabControl ------------------------------------------------------------

int TabControl::AddTab(const std::wstring& caption) {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(caption.c_str());
  return TabCtrl_InsertItem(hwnd_, Count(), &item);
}
int TabControl::Selected() const { return TabCtrl_GetCurSel(hwnd_); }
void TabControl::Select(int index) {
  TabCtrl_SetCurSel(hwnd_, index);
  ShowSelectedPage();
  if (onChange) onChange();
}
int TabControl::Count() const { return TabCtrl_GetItemCount(hwnd_); }
void TabControl::SetPage(int index, Control& page) {
  if (index < 0) return;
  if (pages_.size() <= static_cast<std::size_t>(index)) pages_.resize(static_cast<std::size_t>(index) + 1, nullptr);
  pages_[static_cast<std::size_t>(index)] = &page;
  // Pages lie over the tab control's display area.
  if (page.Hwnd()) SetWindowPos(page.Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ShowSelectedPage();
}
void TabControl::ShowSelectedPage() {
  const int selected = Selected();
  for (std::size_t i = 0; i < pages_.size(); ++i)
    if (pages_[i]) pages_[i]->SetVisible(static_cast<int>(i) == selected);
}

// ---- Timer -----------------------------------------------------------------

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!form_.Hwnd()) return;
  if (enabled) {
    SetTimer(form_.Hwnd(), id_, interval_, nullptr);
  } else {
    KillTimer(form_.Hwnd(), id_);
  }
}

void Timer::SetInterval(UINT interval) {
  interval_ = interval;
  if (enabled_) SetEnabled(true);
}

void Timer::Fire() {
  if (onTick_) onTick_();
}

// ---- Form ------------------------------------------------------------------

Form::Form() { InitializeUi(); }

Form::~Form() { Destroy(); }

void Form::Destroy() {
  EndModal();
  for (auto& [name, menu] : popupMenus_) DestroyMenu(menu);
  popupMenus_.clear();
  if (hwnd_) {
    HWND hwnd = hwnd_;
    DestroyWindow(hwnd);
    hwnd_ = nullptr;
  }
  if (font_) {
    DeleteObject(font_);
    font_ = nullptr;
  }
}

bool Form::Create(const std::wstring& name, const std::wstring& caption, int clientWidth,
                  int clientHeight, DWORD style, DWORD exStyle, HWND owner) {
  name_ = name;
  HWND hwnd = CreateWindowExW(exStyle, kFormClass, caption.c_str(), style, CW_USEDEFAULT,
                              CW_USEDEFAULT, clientWidth, clientHeight, owner, nullptr, Instance(), this);
  if (!hwnd) return false;
  dpi_ = WindowDpi(hwnd);
  RECT rect{0, 0, Scale(clientWidth), Scale(clientHeight)};
  AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  SetWindowPos(hwnd, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = MulDiv(font.lfHeight, dpi_, 96);
    font_ = CreateFontIndirectW(&font);
  }

  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd,
                             nullptr, Instance(), nullptr);
  if (tooltip_) SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Scale(360));
  return true;
}

std::wstring Form::Caption() const { return WindowText(hwnd_); }

void Form::SetCaption(const std::wstring& caption) {
  if (hwnd_) SetWindowTextW(hwnd_, caption.c_str());
}

void Form::Show() {
  if (!hwnd_) return;
  ShowWindow(hwnd_, SW_SHOW);
  if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
}
void Form::Hide() {
  EndModal();
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

void Form::EndModal() {
  // The owner is enabled again before the form goes, so activation returns to it.
  if (!modalOwner_) return;
  HWND owner = modalOwner_;
  modalOwner_ = nullptr;
  EnableWindow(owner, TRUE);
  if (hwnd_ && GetActiveWindow() == hwnd_) SetActiveWindow(owner);
}

void Form::ShowModal(HWND owner) {
  if (!hwnd_ || modalOwner_) return;
  if (owner && IsWindowEnabled(owner)) {
    modalOwner_ = owner;
    EnableWindow(owner, FALSE);
  }
  Show();
  SetActiveWindow(hwnd_);
  MSG msg;
  while (hwnd_ && IsWindowVisible(hwnd_)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the main loop
      break;
    }
    if (got < 0) break;
    if (hwnd_ && IsDialogMessageW(hwnd_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  EndModal();
}
bool Form::IsVisible() const { return hwnd_ && IsWindowVisible(hwnd_); }

int Form::Scale(int length96) const { return MulDiv(length96, dpi_, 96); }

void Form::ApplyFont(HWND hwnd) {
  if (font_) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

template <class T>
T& Form::Add(Kind kind, const std::wstring& name) {
  auto control = std::make_unique<T>(*this, kind, name, nextId_++);
  T& ref = *control;
  byName_[name] = control.get();
  byId_[ref.Id()] = control.get();
  controls_.push_back(std::move(control));
  return ref;
}

HWND Form::CreateChild(Control& control, const wchar_t* windowClass, const std::wstring& text,
                       DWORD style, DWORD exStyle, Rect rect, Control* parent) {
  HWND parentHwnd = parent ? parent->Hwnd() : hwnd_;
  HWND hwnd = CreateWindowExW(exStyle, windowClass, text.c_str(), style | WS_CHILD | WS_VISIBLE,
                              Scale(rect.x), Scale(rect.y), Scale(rect.width), Scale(rect.height),
                              parentHwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.Id())),
                              Instance(), nullptr);
  control.hwnd_ = hwnd;
  if (hwnd) ApplyFont(hwnd);
  return hwnd;
}

Control& Form::AddButton(const std::wstring& name, const std::wstring& text, Rect rect, Control* parent) {
  Control& control = Add<Control>(Kind::Button, name);
  CreateChild(control, WC_BUTTONW, text, WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY, 0, rect, parent);
  return control;
}

Control& Form::AddCheckBox(const std::wstring& name, const std::wstring& text, Rect rect, Control* parent) {
  Control& control = Add<Control>(Kind::CheckBox, name);
  CreateChild(control, WC_BUTTONW, text, WS_TABSTOP | BS_AUTOCHECKBOX | BS_NOTIFY, 0, rect, parent);
  return control;
}

Control& Form::AddLabel(const std::wstring& name, const std::wstring& text, Rect rect, Control* parent) {
  Control& control = Add<Control>(Kind::Label, name);
  CreateChild(control, WC_STATICW, text, SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0, rect, parent);
  return control;
}

Control& Form::AddFrame(const std::wstring& name, const std::wstring& caption, Rect rect, Control* parent) {
  Control& control = Add<Control>(Kind::Frame, name);
  HWND frame = CreateChild(control, kFrameClass, L"", WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, rect, parent);
  if (frame) {
    SetPropW(frame, kFramePropForm, hwnd_);
    // The caption and border are drawn by a group box that fills the frame.
    HWND box = CreateWindowExW(0, WC_BUTTONW, caption.c_str(), WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0,
                               Scale(rect.width), Scale(rect.height), frame, nullptr, Instance(), nullptr);
    if (box) ApplyFont(box);
  }
  return control;
}

Control& Form::AddPanel(const std::wstring& name, Rect rect, Control* parent) {
  Control& control = Add<Control>(Kind::Frame, name);
  HWND panel = CreateChild(control, kFrameClass, L"", WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, rect, parent);
  if (panel) SetPropW(panel, kFramePropForm, hwnd_);
  return control;
}

Control& Form::AddTextBox(const std::wstring& name, const std::wstring& text, Rect rect, Control* parent,
                          DWORD extraStyle) {
  Control& control = Add<Control>(Kind::TextBox, name);
  CreateChild(control, WC_EDITW, text, WS_TABSTOP | ES_AUTOHSCROLL | extraStyle, WS_EX_CLIENTEDGE, rect,
              parent);
  return control;
}

Control& Form::AddComboBox(const std::wstring& name, Rect rect, Control* parent) {
  Control& control = Add<Control>(Kind::ComboBox, name);
  CreateChild(control, WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, 0, rect, parent);
  return control;
}

ListBox& Form::AddListBox(const std::wstring& name, Rect rect, Control* parent, DWORD extraStyle) {
  ListBox& control = Add<ListBox>(Kind::ListBox, name);
  CreateChild(control, WC_LISTBOXW, L"",
              WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | extraStyle,
              WS_EX_CLIENTEDGE, rect, parent);
  return control;
}

ListView& Form::AddListView(const std::wstring& name, Rect rect, Control* parent) {
  ListView& control = Add<ListView>(Kind::ListView, name);
  HWND hwnd = CreateChild(control, WC_LISTVIEWW, L"",
                          WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL, WS_EX_CLIENTEDGE,
                          rect, parent);
  if (hwnd) ListView_SetExtendedListViewStyle(hwnd, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  return control;
}

ProgressBar& Form::AddProgressBar(const std::wstring& name, Rect rect, Control* parent) {
  ProgressBar& control = Add<ProgressBar>(Kind::ProgressBar, name);
  CreateChild(control, PROGRESS_CLASSW, L"", PBS_SMOOTH, 0, rect, parent);
  control.SetRange(0, 100);
  control.SetValue(0);
  return control;
}

TabControl& Form::AddTabControl(const std::wstring& name, Rect rect, Control* parent) {
  TabControl& control = Add<TabControl>(Kind::TabControl, name);
  CreateChild(control, WC_TABCONTROLW, L"", WS_TABSTOP | WS_CLIPSIBLINGS, 0, rect, parent);
  return control;
}

Control* Form::Find(const std::wstring& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

void Form::SetTooltip(Control& control, const std::wstring& text) {
  tooltips_[&control] = text;
  if (!tooltip_ || !control.Hwnd()) return;
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = hwnd_;
  info.uId = reinterpret_cast<UINT_PTR>(control.Hwnd());
  info.lpszText = const_cast<wchar_t*>(tooltips_[&control].c_str());
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

std::wstring Form::Tooltip(const Control& control) const {
  auto it = tooltips_.find(&control);
  return it == tooltips_.end() ? std::wstring() : it->second;
}

Timer& Form::AddTimer(const std::wstring& name, UINT interval, std::function<void()> onTick) {
  timers_.push_back(std::make_unique<Timer>(*this, name, static_cast<UINT_PTR>(nextId_++), interval,
                                            std::move(onTick)));
  return *timers_.back();
}

Timer* Form::FindTimer(const std::wstring& name) const {
  for (const auto& timer : timers_)
    if (timer->Name() == name) return timer.get();
  return nullptr;
}

HMENU Form::BuildMenu(std::vector<MenuEntry>& entries) {
  HMENU popup = CreatePopupMenu();
  for (MenuEntry& entry : entries) {
    if (entry.Name.empty()) {
      AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    int id = nextId_++;
    menuIds_[entry.Name] = id;
    menuCommands_[id] = std::move(entry.OnClick);
    AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(id), entry.Caption.c_str());
  }
  return popup;
}

void Form::AddMenu(const std::wstring& caption, std::vector<MenuEntry> entries) {
  if (!menuBar_) menuBar_ = CreateMenu();
  HMENU popup = BuildMenu(entries);
  AppendMenuW(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), caption.c_str());
  if (hwnd_) {
    // The menu bar must not eat into the client area the controls were laid out in.
    RECT client{};
    GetClientRect(hwnd_, &client);
    SetMenu(hwnd_, menuBar_);
    DrawMenuBar(hwnd_);
    RECT frame{0, 0, client.right, client.bottom};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool Form::InvokeMenu(const std::wstring& name) {
  auto it = menuIds_.find(name);
  if (it == menuIds_.end()) return false;
  SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(it->second, 0), 0);
  return true;
}

bool Form::HasMenuEntry(const std::wstring& name) const { return menuIds_.count(name) != 0; }

void Form::AddPopupMenu(const std::wstring& name, std::vector<MenuEntry> entries) {
  HMENU popup = BuildMenu(entries);
  if (HMENU old = popupMenus_[name]) DestroyMenu(old);
  popupMenus_[name] = popup;
}

bool Form::ShowPopupMenu(const std::wstring& name) {
  auto it = popupMenus_.find(name);
  if (it == popupMenus_.end() || !hwnd_) return false;
  POINT at{};
  GetCursorPos(&at);
  SetForegroundWindow(hwnd_);
  const UINT id = static_cast<UINT>(TrackPopupMenu(it->second, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON,
                                                   at.x, at.y, 0, hwnd_, nullptr));
  PostMessageW(hwnd_, WM_NULL, 0, 0);
  if (id != 0) SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  return true;
}

bool Form::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Form* form = nullptr;
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    form = static_cast<Form*>(create->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  } else {
    form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    form->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return form->HandleMessage(message, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (OnMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      if (lParam == 0 && code == 0) {
        auto command = menuCommands_.find(id);
        if (command != menuCommands_.end() && command->second) command->second();
        return 0;
      }
      auto it = byId_.find(id);
      if (it == byId_.end()) break;
      Control& control = *it->second;
      switch (control.GetKind()) {
        case Kind::Button:
        case Kind::CheckBox:
          if (code == BN_CLICKED) {
            if (control.onClick) control.onClick();
          } else if (code == BN_KILLFOCUS && control.onLostFocus) {
            control.onLostFocus();
          }
          break;
        case Kind::Label:
        case Kind::Picture:
          if (code == STN_CLICKED && control.onClick) control.onClick();
          break;
        case Kind::TextBox:
          if (code == EN_CHANGE && control.onChange) control.onChange();
          if (code == EN_KILLFOCUS && control.onLostFocus) control.onLostFocus();
          break;
        case Kind::ListBox:
          if (code == LBN_SELCHANGE && control.onChange) control.onChange();
          if (code == LBN_DBLCLK && control.onClick) control.onClick();
          break;
        case Kind::ComboBox:
          if ((code == CBN_SELCHANGE || code == CBN_EDITCHANGE) && control.onChange) control.onChange();
          break;
        default:
          break;
      }
      return 0;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      auto it = byId_.find(static_cast<int>(header->idFrom));
      if (it == byId_.end()) break;
      Control& control = *it->second;
      if (control.GetKind() == Kind::TabControl && header->code == TCN_SELCHANGE) {
        static_cast<TabControl&>(control).ShowSelectedPage();
        if (control.onChange) control.onChange();
      }
      if (control.GetKind() == Kind::ListView && header->code == LVN_ITEMCHANGED && control.onChange) {
        auto* change = reinterpret_cast<NMLISTVIEW*>(lParam);
        if (change->uChanged & LVIF_STATE) control.onChange();
      }
      return 0;
    }
    case WM_TIMER:
      for (const auto& timer : timers_) {
        if (timer->id_ == wParam) {
          timer->Fire();
          return 0;
        }
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) OnActivate();
      break;
    case WM_CLOSE:
      if (OnCloseRequest()) DestroyWindow(hwnd_);
      return 0;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wParam);
      auto* suggested = reinterpret_cast<RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace ui
