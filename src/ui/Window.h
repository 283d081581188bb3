#pragma once
// The program's small window and control wrapper over the Win32 common
// controls. Every control carries its name ("Command1", "ListView1") and is
// found by it, so the windows' code and tests address controls the same way.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ui {

enum class Kind { Button, CheckBox, Label, Frame, TextBox, ListBox, ComboBox, ListView, ProgressBar, TabControl, Picture };

// A rectangle in 96-DPI units; the form scales it to the screen.
struct Rect {
  int x, y, width, height;
};

class Form;

class Control {
 public:
  Control(Form& form, Kind kind, std::wstring name, int id)
      : form_(form), kind_(kind), name_(std::move(name)), id_(id) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND Hwnd() const { return hwnd_; }
  const std::wstring& Name() const { return name_; }
  Kind GetKind() const { return kind_; }
  int Id() const { return id_; }
  Form& Owner() const { return form_; }

  std::wstring Text() const;
  void SetText(const std::wstring& text);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  // Visible in itself (a control inside a hidden frame still counts as visible).
  bool Visible() const;
  void SetVisible(bool visible);
  bool Checked() const;            // check boxes
  void SetChecked(bool checked);   // check boxes; does not run onClick
  void Focus();

  // Acts as a user's click: nothing happens on a disabled control.
  // Returns whether the click was delivered.
  bool Click();

  std::function<void()> onClick;      // buttons, check boxes, labels, pictures
  std::function<void()> onChange;     // text changed, selection changed, tab changed
  std::function<void()> onLostFocus;  // the control lost the keyboard focus

 protected:
  friend class Form;
  Form& form_;
  Kind kind_;
  std::wstring name_;
  int id_;
  HWND hwnd_ = nullptr;
};

class ListView : public Control {
 public:
  using Control::Control;
  void AddColumn(const std::wstring& caption, int width96);
  int AddRow(const std::wstring& firstColumn);  // returns the row index
  void SetCell(int row, int column, const std::wstring& text);
  std::wstring Cell(int row, int column) const;
  int RowCount() const;
  void Clear();
  void EnsureVisible(int row);
  void SetCheckBoxes(bool on);
  bool RowChecked(int row) const;
  void SetRowChecked(int row, bool checked);
  int SelectedRow() const;  // -1 when none
  void SelectRow(int row);  // -1 selects none
  void RemoveRow(int row);
};

class ProgressBar : public Control {
 public:
  using Control::Control;
  void SetRange(int low, int high);
  int Value() const;
  void SetValue(int value);
};

class ListBox : public Control {
 public:
  using Control::Control;
  int AddItem(const std::wstring& text);
  void RemoveItem(int index);
  void Clear();
  int Count() const;
  std::wstring Item(int index) const;
  int Selected() const;  // -1 when none
  void Select(int index);
  void SetHorizontalExtent(int pixels);
  int HorizontalExtent() const;
  // Lists that allow several selected entries (created with LBS_EXTENDEDSEL).
  bool IsSelected(int index) const;
  void SetSelected(int index, bool selected);
  int CaretIndex() const;  // the entry with the focus rectangle, -1 when none
};

class TabControl : public Control {
 public:
  using Control::Control;
  int AddTab(const std::wstring& caption);
  int Selected() const;
  void Select(int index);  // runs onChange as a user's choice would
  int Count() const;
  // `page` (a panel or frame over the tab's display area) is shown while tab
  // `index` is selected and hidden otherwise.
  void SetPage(int index, Control& page);

 private:
  friend class Form;
  void ShowSelectedPage();
  std::vector<Control*> pages_;
};

class Timer {
 public:
  Timer(Form& form, std::wstring name, UINT_PTR id, UINT interval, std::function<void()> onTick)
      : form_(form), name_(std::move(name)), id_(id), interval_(interval), onTick_(std::move(onTick)) {}
  const std::wstring& Name() const { return name_; }
  UINT Interval() const { return interval_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  void SetInterval(UINT interval);
  // Runs the tick handler now, as when the interval passes.
  void Fire();

 private:
  friend class Form;
  Form& form_;
  std::wstring name_;
  UINT_PTR id_;
  UINT interval_;
  bool enabled_ = false;
  std::function<void()> onTick_;
};

struct MenuEntry {
  std::wstring Name;     // "CleanNow1"; empty for a separator
  std::wstring Caption;  // "Clean Now"
  std::function<void()> OnClick;
};

class Form {
 public:
  Form();
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Creates the window (not shown). `clientWidth` and `clientHeight` are in
  // 96-DPI units.
  bool Create(const std::wstring& name, const std::wstring& caption, int clientWidth,
              int clientHeight, DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
              DWORD exStyle = 0, HWND owner = nullptr);
  void Destroy();

  HWND Hwnd() const { return hwnd_; }
  const std::wstring& Name() const { return name_; }
  std::wstring Caption() const;
  void SetCaption(const std::wstring& caption);

  void Show();
  void Hide();
  bool IsVisible() const;

  // Controls. `parent` is a frame (or nullptr for the form itself).
  Control& AddButton(const std::wstring& name, const std::wstring& text, Rect rect, Control* parent = nullptr);
  Control& AddCheckBox(const std::wstring& name, const std::wstring& text, Rect rect, Control* parent = nullptr);
  Control& AddLabel(const std::wstring& name, const std::wstring& text, Rect rect, Control* parent = nullptr);
  Control& AddFrame(const std::wstring& name, const std::wstring& caption, Rect rect, Control* parent = nullptr);
  // A plain container for other controls, without border or caption (a tab page).
  Control& AddPanel(const std::wstring& name, Rect rect, Control* parent = nullptr);
  Control& AddTextBox(const std::wstring& name, const std::wstring& text, Rect rect, Control* parent = nullptr,
                      DWORD extraStyle = 0);
  Control& AddComboBox(const std::wstring& name, Rect rect, Control* parent = nullptr);
  ListBox& AddListBox(const std::wstring& name, Rect rect, Control* parent = nullptr, DWORD extraStyle = 0);
  ListView& AddListView(const std::wstring& name, Rect rect, Control* parent = nullptr);
  ProgressBar& AddProgressBar(const std::wstring& name, Rect rect, Control* parent = nullptr);
  TabControl& AddTabControl(const std::wstring& name, Rect rect, Control* parent = nullptr);

  Control* Find(const std::wstring& name) const;
  template <class T>
  T* FindAs(const std::wstring& name) const {
    return dynamic_cast<T*>(Find(name));
  }
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

  void SetTooltip(Control& control, const std::wstring& text);
  std::wstring Tooltip(const Control& control) const;

  Timer& AddTimer(const std::wstring& name, UINT interval, std::function<void()> onTick);
  Timer* FindTimer(const std::wstring& name) const;

  // A top-level menu with its entries.
  void AddMenu(const std::wstring& caption, std::vector<MenuEntry> entries);
  // Runs a menu entry as a user's choice would. Returns false for an unknown name.
  bool InvokeMenu(const std::wstring& name);
  bool HasMenuEntry(const std::wstring& name) const;
  // A pop-up menu, never shown in the menu bar; its entries run through
  // InvokeMenu like those of the menu bar.
  void AddPopupMenu(const std::wstring& name, std::vector<MenuEntry> entries);
  // Shows a pop-up menu at the mouse position and runs the chosen entry.
  // Returns false for an unknown name.
  bool ShowPopupMenu(const std::wstring& name);

  // Shows the form as a modal window over `owner`: the owner is disabled and
  // messages are handled here until the form is hidden or destroyed.
  void ShowModal(HWND owner);

  // Scales a 96-DPI length to this window.
  int Scale(int length96) const;

 protected:
  // Messages not handled by the wrapper. Return true when handled, with `result` set.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The close box or the system menu's Close. Return false to cancel the close.
  virtual bool OnCloseRequest() { return true; }
  virtual void OnActivate() {}

 public:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  friend class Control;
  friend class Timer;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  HWND CreateChild(Control& control, const wchar_t* windowClass, const std::wstring& text, DWORD style,
                   DWORD exStyle, Rect rect, Control* parent);
  template <class T>
  T& Add(Kind kind, const std::wstring& name);
  void ApplyFont(HWND hwnd);
  // A pop-up menu of `entries`, their names and commands registered.
  HMENU BuildMenu(std::vector<MenuEntry>& entries);

  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  HFONT font_ = nullptr;
  int dpi_ = 96;
  std::wstring name_;
  int nextId_ = 1000;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::wstring, Control*> byName_;
  std::map<int, Control*> byId_;
  std::map<const Control*, std::wstring> tooltips_;
  std::vector<std::unique_ptr<Timer>> timers_;
  std::map<std::wstring, int> menuIds_;
  std::map<int, std::function<void()>> menuCommands_;
  HMENU menuBar_ = nullptr;
  std::map<std::wstring, HMENU> popupMenus_;
  HWND modalOwner_ = nullptr;
  void EndModal();
};

// Registers the common controls and the program's window classes; call once at start-up.
void InitializeUi();

}  // namespace ui
