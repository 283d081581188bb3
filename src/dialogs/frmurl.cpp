#include "dialogs/frmurl.h"

#include <cstring>

#include "engine/regfun.h"
#include "platform/Files.h"
#include "platform/Registry.h"

namespace dialogs {
namespace {

constexpr wchar_t kTypedUrlsSubkey[] = L"Software\\Microsoft\\Internet Explorer\\TypedURLs";
// The enumeration buffers: 255 characters of name, 255 bytes of data, each
// with its terminating NUL.
constexpr std::size_t kNameChars = 255;
constexpr std::size_t kDataBytes = 255;

// The size of a value's data as an ANSI enumeration gives it.
std::size_t AnsiDataSize(const platform::RegistryValueRead& value) {
  if (value.Type != platform::kRegSz && value.Type != platform::kRegExpandSz && value.Type != platform::kRegMultiSz)
    return value.Data.size();
  std::wstring text(value.Data.size() / sizeof(wchar_t), L'\0');
  if (!text.empty()) std::memcpy(text.data(), value.Data.data(), text.size() * sizeof(wchar_t));
  return platform::ToAnsi(text).size();
}

}  // namespace

std::vector<std::wstring> CurrentTypedUrls() {
  std::vector<std::wstring> urls;
  for (const std::wstring& name : platform::RegistryValueNames(platform::kHkeyCurrentUser, kTypedUrlsSubkey)) {
    if (platform::ToAnsi(name).size() >= kNameChars) break;
    const platform::RegistryValueRead value =
        platform::ReadRegistryValue(platform::kHkeyCurrentUser, kTypedUrlsSubkey, name, 1 << 20);
    if (!value.Exists) continue;  // gone since the names were listed
    if (!value.Read || AnsiDataSize(value) > kDataBytes) break;
    std::uint32_t type = platform::kRegSz;
    const std::wstring text = engine::RegReadRaw(platform::kHkeyCurrentUser, kTypedUrlsSubkey, name, type);
    if (text == engine::kRegReadRawError) continue;
    urls.push_back(text);
  }
  return urls;
}

frmurl::frmurl(const std::wstring& appPath)
    : KeepListDialog(L"frmurl", L"URL Drop-List Options", settings::UrlKeepFile(appPath)) {}

void frmurl::CreateControls() {
  ui::Control& frame = AddFrame(L"Frame1", L"URL Drop-List", {8, 6, 544, 286});
  AddLabel(L"Label1", L"Current URL List", {12, 22, 220, 18}, &frame);
  currentList_ = &AddListBox(L"List2", {12, 42, 220, 232}, &frame);
  AddButton(L"cmdAdd", L"Add >", {242, 110, 60, 26}, &frame);
  AddButton(L"cmdRemove", L"< Remove", {242, 146, 60, 26}, &frame);
  AddLabel(L"Label2", L"URL Keep List", {312, 22, 220, 18}, &frame);
  keepList_ = &AddListBox(L"List1", {312, 42, 220, 232}, &frame, LBS_EXTENDEDSEL);
}

void frmurl::LoadCurrentList() {
  for (const std::wstring& url : CurrentTypedUrls()) currentList_->AddItem(url);
}

bool ShowFrmUrl(HWND owner, const std::wstring& appPath) {
  frmurl dialog(appPath);
  if (!dialog.Load(owner)) return false;
  dialog.ShowModal(owner);
  return true;
}

}  // namespace dialogs
