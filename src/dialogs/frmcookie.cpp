#include "dialogs/frmcookie.h"

#include "engine/CookieFiles.h"
#include "platform/FileInfo.h"
#include "platform/Files.h"
#include "platform/TextFile.h"

namespace dialogs {
namespace {

constexpr std::uint64_t kLargestViewedFile = 4u << 20;

// Cookie files end their lines with a line feed alone; the viewer needs CR LF.
std::wstring ForViewer(const std::wstring& text) {
  std::wstring shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'\0') {
      shown += L' ';
    } else if (c == L'\n' && (i == 0 || text[i - 1] != L'\r')) {
      shown += L"\r\n";
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace

frmcookie::frmcookie(const std::wstring& appPath)
    : KeepListDialog(L"frmcookie", L"Cookies Options", settings::CookieKeepFile(appPath)) {}

void frmcookie::CreateControls() {
  ui::Control& frame = AddFrame(L"Frame1", L"Cookies", {8, 6, 544, 286});
  ui::Control& current = AddFrame(L"Frame2", L"Current Cookies List", {10, 18, 220, 258}, &frame);
  currentList_ = &AddListBox(L"lstCookieList", {8, 20, 204, 230}, &current);
  AddButton(L"cmdAdd", L"Add >", {240, 110, 64, 26}, &frame);
  AddButton(L"cmdRemove", L"< Remove", {240, 146, 64, 26}, &frame);
  ui::Control& keep = AddFrame(L"Frame3", L"Cookies Keep List", {314, 18, 220, 130}, &frame);
  keepList_ = &AddListBox(L"List1", {8, 20, 204, 102}, &keep, LBS_EXTENDEDSEL);
  ui::Control& viewer = AddFrame(L"Frame4", L"", {314, 150, 220, 126}, &frame);
  AddTextBox(L"Text1", L"", {8, 14, 204, 104}, &viewer, ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_HSCROLL);

  currentList_->onChange = [this] {
    const int selected = currentList_->Selected();
    if (selected >= 0) ViewCookie(currentList_->Item(selected));
  };
  keepList_->onChange = [this] {
    const int caret = keepList_->CaretIndex();
    if (caret >= 0) ViewCookie(keepList_->Item(caret));
  };
}

void frmcookie::LoadCurrentList() {
  for (const std::wstring& path : engine::CookieFilesOffered(engine::CookieFolder())) currentList_->AddItem(path);
}

void frmcookie::ViewCookie(const std::wstring& path) {
  // Only an existing file is read: an entry is a full path, never a device or pipe name.
  if (!platform::FileExists(path)) return;
  // Cookie files are small: a large file named by a hand-edited keep list is not loaded.
  const std::optional<std::uint64_t> size = platform::FileSizeOf(path);
  if (!size || *size > kLargestViewedFile) return;
  std::string bytes;
  if (!platform::ReadWholeFile(path, bytes)) return;
  Find(L"Text1")->SetText(ForViewer(platform::FromAnsi(bytes)));
}

bool ShowFrmCookie(HWND owner, const std::wstring& appPath) {
  frmcookie dialog(appPath);
  if (!dialog.Load(owner)) return false;
  dialog.ShowModal(owner);
  return true;
}

}  // namespace dialogs
