#pragma once
// Registry values and keys of the test prefix that a test changes, put back
// as they were when the test ends.
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace test {

// One value (or its absence).
class SavedRegistryValue {
 public:
  SavedRegistryValue(platform::RegistryRoot root, std::wstring subkey, std::wstring name);
  ~SavedRegistryValue();
  SavedRegistryValue(const SavedRegistryValue&) = delete;
  SavedRegistryValue& operator=(const SavedRegistryValue&) = delete;

  // Stores a string value (the key is created when missing).
  void Set(const std::wstring& text, std::uint32_t type = platform::kRegSz);
  void Remove();

 private:
  platform::RegistryRoot root_;
  std::wstring subkey_, name_;
  platform::RegistryValueRead saved_;
};

// A key's values (or the key's absence); subkeys are left alone.
class SavedRegistryKey {
 public:
  SavedRegistryKey(platform::RegistryRoot root, std::wstring subkey);
  ~SavedRegistryKey();
  SavedRegistryKey(const SavedRegistryKey&) = delete;
  SavedRegistryKey& operator=(const SavedRegistryKey&) = delete;

 private:
  struct Value {
    std::wstring Name;
    platform::RegistryValueRead Data;
  };
  platform::RegistryRoot root_;
  std::wstring subkey_;
  bool existed_ = false;
  std::vector<Value> values_;
};

// The string values of a key in enumeration order: name and text.
std::vector<std::pair<std::wstring, std::wstring>> StringValues(platform::RegistryRoot root,
                                                                const std::wstring& subkey);

// Stores a string value, creating the key when missing.
void SetStringValue(platform::RegistryRoot root, const std::wstring& subkey, const std::wstring& name,
                    const std::wstring& text);

}  // namespace test
