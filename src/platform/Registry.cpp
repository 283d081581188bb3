#include "platform/Registry.h"

#include <windows.h>
#include <shlwapi.h>

namespace platform {
namespace {

// The key handle of a predefined root, or nullptr for any other number.
HKEY RootHandle(RegistryRoot root) {
  if (!IsPredefinedRoot(root)) return nullptr;
  // The predefined handles are 32-bit values sign-extended to pointer width.
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(root))));
}

// A subkey that names a key below the root: deleting an empty subkey would
// delete from the root itself.
bool NamesKeyBelowRoot(const std::wstring& subkey) {
  return !subkey.empty() && subkey.front() != L'\\';
}

class OpenKey {
 public:
  OpenKey(RegistryRoot root, const std::wstring& subkey, REGSAM access) {
    HKEY rootKey = RootHandle(root);
    if (rootKey && RegOpenKeyExW(rootKey, subkey.c_str(), 0, access, &key_) != ERROR_SUCCESS)
      key_ = nullptr;
  }
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

bool IsPredefinedRoot(RegistryRoot root) { return root >= kHkeyClassesRoot && root <= kHkeyDynData; }

RegistryValueRead ReadRegistryValue(RegistryRoot root, const std::wstring& subkey,
                                    const std::wstring& valueName, std::size_t bufferBytes) {
  RegistryValueRead result;
  OpenKey key(root, subkey, KEY_READ);
  if (!key.get()) return result;
  result.KeyOpened = true;
  // The stored size first: some systems add a terminating NUL to a string
  // stored without one when they copy it out, which would hide the fault.
  DWORD type = REG_NONE;
  DWORD stored = 0;
  if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &stored) != ERROR_SUCCESS)
    return result;
  result.Exists = true;
  result.Type = type;
  if (stored > bufferBytes) return result;
  result.Data.assign(stored, 0);
  DWORD size = stored;
  if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type,
                       result.Data.empty() ? nullptr : result.Data.data(), &size) != ERROR_SUCCESS ||
      size > stored) {
    result.Data.clear();  // changed in between: not read
    return result;
  }
  result.Type = type;
  result.Read = true;
  result.Data.resize(size);
  return result;
}

bool WriteRegistryString(RegistryRoot root, const std::wstring& subkey,
                         const std::wstring& valueName, const std::wstring& text) {
  return WriteRegistryData(root, subkey, valueName, REG_SZ, text.c_str(),
                           (text.size() + 1) * sizeof(wchar_t));
}

bool WriteRegistryData(RegistryRoot root, const std::wstring& subkey, const std::wstring& valueName,
                       std::uint32_t type, const void* data, std::size_t bytes) {
  if (bytes > 0x7fffffff) return false;
  OpenKey key(root, subkey, KEY_WRITE);
  if (!key.get()) return false;
  return RegSetValueExW(key.get(), valueName.c_str(), 0, type, static_cast<const BYTE*>(data),
                        static_cast<DWORD>(bytes)) == ERROR_SUCCESS;
}

bool CreateRegistryKey(RegistryRoot root, const std::wstring& subkey) {
  HKEY rootKey = RootHandle(root);
  if (!rootKey) return false;
  HKEY key = nullptr;
  if (RegCreateKeyExW(rootKey, subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

bool RegistryKeyExists(RegistryRoot root, const std::wstring& subkey) {
  OpenKey key(root, subkey, KEY_READ);
  return key.get() != nullptr;
}

std::vector<std::wstring> RegistryValueNames(RegistryRoot root, const std::wstring& subkey) {
  std::vector<std::wstring> names;
  OpenKey key(root, subkey, KEY_READ);
  if (!key.get()) return names;
  // Value names are at most 16383 characters.
  std::vector<wchar_t> name(16384);
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(name.size());
    LONG status = RegEnumValueW(key.get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS) break;
    names.emplace_back(name.data(), length);
  }
  return names;
}

bool DeleteRegistryKeyOnly(RegistryRoot root, const std::wstring& subkey) {
  HKEY rootKey = RootHandle(root);
  if (!rootKey || !NamesKeyBelowRoot(subkey)) return false;
  return RegDeleteKeyW(rootKey, subkey.c_str()) == ERROR_SUCCESS;
}

bool DeleteRegistryKeyTree(RegistryRoot root, const std::wstring& subkey) {
  HKEY rootKey = RootHandle(root);
  if (!rootKey || !NamesKeyBelowRoot(subkey)) return false;
  return SHDeleteKeyW(rootKey, subkey.c_str()) == ERROR_SUCCESS;
}

bool DeleteRegistryValueAt(RegistryRoot root, const std::wstring& subkey, const std::wstring& valueName) {
  if (!NamesKeyBelowRoot(subkey)) return false;
  OpenKey key(root, subkey, KEY_SET_VALUE);
  if (!key.get()) return false;
  return RegDeleteValueW(key.get(), valueName.c_str()) == ERROR_SUCCESS;
}

}  // namespace platform
