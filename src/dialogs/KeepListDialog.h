#pragma once
// What the two keep-list dialogs share: the browser's current entries on the
// left, the keep list on the right, "Add >" and "< Remove" between them.
// Every change is saved to the keep file at once; there is no OK or Cancel.
#include <string>
#include <vector>

#include "settings/KeepLists.h"
#include "ui/Window.h"

namespace dialogs {

// The width of `text` drawn in the list's font, plus 8 pixels.
int ListTextWidth(const ui::ListBox& list, const std::wstring& text);

// Sets the list's horizontal scroll extent to its widest entry.
void SetHorizontalExtentToWidest(ui::ListBox& list);

class KeepListDialog : public ui::Form {
 public:
  ~KeepListDialog() override;

  // Creates the window without showing it and runs the loading steps.
  bool Load(HWND owner = nullptr);
  bool IsLoaded() const { return Hwnd() != nullptr; }

  // "Add >": the entry selected in the current list goes to the end of the
  // keep list and of the keep file (nothing happens without a selection).
  void Add();
  // "< Remove": every selected entry of the keep list goes; the keep file is
  // rewritten once from what is left.
  void Remove();

  // Unloads the dialog (the close box does the same).
  void Unload();

 protected:
  KeepListDialog(std::wstring formName, std::wstring caption, std::wstring keepFile);

  // Builds the controls; must set currentList_ and keepList_ and give the
  // buttons cmdAdd and cmdRemove.
  virtual void CreateControls() = 0;
  // Fills the current list.
  virtual void LoadCurrentList() = 0;
  bool OnCloseRequest() override;

  ui::ListBox* currentList_ = nullptr;
  ui::ListBox* keepList_ = nullptr;
  settings::KeepList keepFile_;

 private:
  void LoadKeepList();
  // The keep file existed but could not be read when the dialog loaded: the
  // keep list does not show its content, so it is never rewritten from it.
  bool keepFileUnread_ = false;
  std::wstring formName_;
  std::wstring caption_;
};

}  // namespace dialogs
