#include "engine/regfun.h"

#include <cstring>

#include "platform/Files.h"
#include "platform/Prompts.h"
#include "settings/AppInfo.h"

namespace engine {
namespace {

struct RootName {
  const wchar_t* Name;
  RegistryRoot Root;
};

constexpr RootName kRootNames[] = {
    {L"HKEY_CLASSES_ROOT", kHkeyClassesRoot},
    {L"HKEY_CURRENT_USER", kHkeyCurrentUser},
    {L"HKEY_LOCAL_MACHINE", kHkeyLocalMachine},
    {L"HKEY_USERS", kHkeyUsers},
    {L"HKEY_PERFORMANCE_DATA", kHkeyPerformanceData},
    {L"HKEY_CURRENT_CONFIG", kHkeyCurrentConfig},
    {L"HKEY_DYN_DATA", kHkeyDynData},
};

// Reads a string value through the 255-byte buffer. On success `text` holds
// the stored characters including the terminating NUL (and any NUL inside).
// Fails for a missing key or value, a value that is not a string, a string
// without its terminating NUL, and a string whose text in the ANSI code page
// does not fit the buffer.
bool ReadStringValue(RegistryRoot root, const std::wstring& subkey, const std::wstring& valueName,
                     std::wstring& text, std::uint32_t* type) {
  // Every character takes at least one byte in the code page, so a string
  // that fits the buffer has at most 255 characters with its NUL.
  platform::RegistryValueRead read = platform::ReadRegistryValue(
      root, subkey, valueName, kRegReadBufferBytes * sizeof(wchar_t));
  if (read.Exists && type) *type = read.Type;
  if (!read.Read) return false;
  if (read.Type != platform::kRegSz && read.Type != platform::kRegExpandSz) return false;
  const std::size_t bytes = read.Data.size();
  if (bytes < sizeof(wchar_t) || bytes % sizeof(wchar_t) != 0) return false;
  std::wstring data(bytes / sizeof(wchar_t), L'\0');
  std::memcpy(data.data(), read.Data.data(), bytes);
  if (data.back() != L'\0') return false;
  if (platform::ToAnsi(data).size() > kRegReadBufferBytes) return false;
  text = std::move(data);
  return true;
}

}  // namespace

RegistryRoot RootKeyFromName(std::wstring_view name) {
  for (const RootName& entry : kRootNames) {
    if (name == entry.Name) return entry.Root;
  }
  return 0;
}

RegistryRoot SplitRegistryPath(std::wstring& path, platform::IPrompts* prompts) {
  if (path.compare(0, 5, L"HKEY_") != 0 || path.back() == L'\\') {
    if (prompts) {
      prompts->ShowMessage(L"Incorrect Format:" + std::wstring(L"\n\n") + path, settings::kAppTitle,
                           platform::PromptButtons::Ok, platform::PromptIcon::None);
    }
    return 0;
  }
  const std::size_t backslash = path.find(L'\\');
  if (backslash == std::wstring::npos) {
    RegistryRoot root = RootKeyFromName(path);
    path.clear();
    return root;
  }
  RegistryRoot root = RootKeyFromName(std::wstring_view(path).substr(0, backslash));
  path.erase(0, backslash + 1);
  return root;
}

std::wstring RegReadString(const std::wstring& keyPath, const std::wstring& valueName,
                           platform::IPrompts* prompts) {
  std::wstring subkey = keyPath;
  const RegistryRoot root = SplitRegistryPath(subkey, prompts);
  if (root == 0) return {};
  std::wstring text;
  if (!ReadStringValue(root, subkey, valueName, text, nullptr)) return kRegReadStringError;
  // Spaces at both ends go, then the terminating NUL: spaces at the start of
  // the stored text are removed, spaces just before its end stay.
  text = settings::Trim(text);
  if (!text.empty()) text.pop_back();
  return text;
}

void RegWriteString(const std::wstring& keyPath, const std::wstring& valueName, const std::wstring& text,
                    platform::IPrompts* prompts) {
  std::wstring subkey = keyPath;
  const RegistryRoot root = SplitRegistryPath(subkey, prompts);
  if (root == 0) return;
  platform::WriteRegistryString(root, subkey, valueName, text);
}

void RegCreateKeyPath(const std::wstring& keyPath, platform::IPrompts* prompts) {
  std::wstring subkey = keyPath;
  const RegistryRoot root = SplitRegistryPath(subkey, prompts);
  if (root == 0) return;
  platform::CreateRegistryKey(root, subkey);
}

std::wstring RegReadRaw(RegistryRoot root, const std::wstring& subkey, const std::wstring& valueName,
                        std::uint32_t& valueType) {
  std::wstring text;
  if (!ReadStringValue(root, subkey, valueName, text, &valueType)) return kRegReadRawError;
  return TrimAtNul(text);
}

}  // namespace engine
