#include "dialogs/KeepListDialog.h"

#include <algorithm>

namespace dialogs {

int ListTextWidth(const ui::ListBox& list, const std::wstring& text) {
  HWND hwnd = list.Hwnd();
  if (!hwnd) return 0;
  HDC dc = GetDC(hwnd);
  if (!dc) return 0;
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
  HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
  RECT rect{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  if (previous) SelectObject(dc, previous);
  ReleaseDC(hwnd, dc);
  return rect.right - rect.left + 8;
}

void SetHorizontalExtentToWidest(ui::ListBox& list) {
  int widest = 0;
  for (int i = 0; i < list.Count(); ++i) widest = std::max(widest, ListTextWidth(list, list.Item(i)));
  list.SetHorizontalExtent(widest);
}

KeepListDialog::KeepListDialog(std::wstring formName, std::wstring caption, std::wstring keepFile)
    : keepFile_(std::move(keepFile)), formName_(std::move(formName)), caption_(std::move(caption)) {}

KeepListDialog::~KeepListDialog() { Destroy(); }

bool KeepListDialog::Load(HWND owner) {
  if (IsLoaded()) return true;
  currentList_ = nullptr;
  keepList_ = nullptr;
  if (!Create(formName_, caption_, 560, 300, WS_POPUP | WS_CAPTION | WS_SYSMENU,
              WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, owner))
    return false;
  CreateControls();
  if (!currentList_ || !keepList_) return false;
  Find(L"cmdAdd")->onClick = [this] { Add(); };
  Find(L"cmdRemove")->onClick = [this] { Remove(); };
  currentList_->Clear();
  LoadCurrentList();
  LoadKeepList();
  SetHorizontalExtentToWidest(*keepList_);
  SetHorizontalExtentToWidest(*currentList_);
  return true;
}

void KeepListDialog::LoadKeepList() {
  keepFileUnread_ = false;
  if (!keepFile_.Exists()) return;
  keepList_->Clear();
  const std::optional<std::vector<std::wstring>> entries = keepFile_.ReadEntries();
  if (!entries) {
    keepFileUnread_ = true;
    return;
  }
  for (const std::wstring& entry : *entries) keepList_->AddItem(entry);
}

void KeepListDialog::Add() {
  if (!IsLoaded()) return;
  const int selected = currentList_->Selected();
  if (selected < 0) return;
  const std::wstring entry = currentList_->Item(selected);
  keepList_->AddItem(entry);
  keepFile_.Add(entry);  // a file that cannot be written is not reported
  SetHorizontalExtentToWidest(*keepList_);
}

void KeepListDialog::Remove() {
  if (!IsLoaded()) return;
  bool removed = false;
  for (int i = keepList_->Count() - 1; i >= 0; --i) {
    if (keepList_->IsSelected(i)) {
      keepList_->RemoveItem(i);
      removed = true;
    }
  }
  if (!removed) return;
  std::vector<std::wstring> entries;
  for (int i = 0; i < keepList_->Count(); ++i) entries.push_back(keepList_->Item(i));
  // Rewriting a list that never showed the file would lose what it keeps
  // (the list still shows the change, as with a file that cannot be written).
  if (!keepFileUnread_) keepFile_.Rewrite(entries);
  InvalidateRect(keepList_->Hwnd(), nullptr, TRUE);
  SetHorizontalExtentToWidest(*keepList_);
}

void KeepListDialog::Unload() { Destroy(); }

bool KeepListDialog::OnCloseRequest() {
  Unload();
  return false;
}

}  // namespace dialogs
