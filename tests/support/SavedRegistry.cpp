#include "support/SavedRegistry.h"

#include <cstring>
#include <stdexcept>

namespace test {
namespace {

constexpr std::size_t kBigBuffer = 1 << 20;

std::wstring TextOf(const platform::RegistryValueRead& value) {
  std::wstring text(value.Data.size() / sizeof(wchar_t), L'\0');
  if (!text.empty()) std::memcpy(text.data(), value.Data.data(), text.size() * sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

void Restore(platform::RegistryRoot root, const std::wstring& subkey, const std::wstring& name,
             const platform::RegistryValueRead& value) {
  platform::WriteRegistryData(root, subkey, name, value.Type, value.Data.data(), value.Data.size());
}

}  // namespace

SavedRegistryValue::SavedRegistryValue(platform::RegistryRoot root, std::wstring subkey, std::wstring name)
    : root_(root), subkey_(std::move(subkey)), name_(std::move(name)) {
  saved_ = platform::ReadRegistryValue(root_, subkey_, name_, kBigBuffer);
}

SavedRegistryValue::~SavedRegistryValue() {
  if (saved_.Read)
    Restore(root_, subkey_, name_, saved_);
  else
    platform::DeleteRegistryValueAt(root_, subkey_, name_);
}

void SavedRegistryValue::Set(const std::wstring& text, std::uint32_t type) {
  platform::CreateRegistryKey(root_, subkey_);
  if (!platform::WriteRegistryData(root_, subkey_, name_, type, text.c_str(), (text.size() + 1) * sizeof(wchar_t)))
    throw std::runtime_error("cannot write a test registry value");
}

void SavedRegistryValue::Remove() { platform::DeleteRegistryValueAt(root_, subkey_, name_); }

SavedRegistryKey::SavedRegistryKey(platform::RegistryRoot root, std::wstring subkey)
    : root_(root), subkey_(std::move(subkey)) {
  existed_ = platform::RegistryKeyExists(root_, subkey_);
  for (const std::wstring& name : platform::RegistryValueNames(root_, subkey_))
    values_.push_back({name, platform::ReadRegistryValue(root_, subkey_, name, kBigBuffer)});
}

SavedRegistryKey::~SavedRegistryKey() {
  if (!existed_) {
    platform::DeleteRegistryKeyOnly(root_, subkey_);
    return;
  }
  platform::CreateRegistryKey(root_, subkey_);
  for (const std::wstring& name : platform::RegistryValueNames(root_, subkey_))
    platform::DeleteRegistryValueAt(root_, subkey_, name);
  for (const Value& value : values_)
    if (value.Data.Read) Restore(root_, subkey_, value.Name, value.Data);
}

std::vector<std::pair<std::wstring, std::wstring>> StringValues(platform::RegistryRoot root,
                                                                const std::wstring& subkey) {
  std::vector<std::pair<std::wstring, std::wstring>> values;
  for (const std::wstring& name : platform::RegistryValueNames(root, subkey))
    values.emplace_back(name, TextOf(platform::ReadRegistryValue(root, subkey, name, kBigBuffer)));
  return values;
}

void SetStringValue(platform::RegistryRoot root, const std::wstring& subkey, const std::wstring& name,
                    const std::wstring& text) {
  platform::CreateRegistryKey(root, subkey);
  if (!platform::WriteRegistryString(root, subkey, name, text))
    throw std::runtime_error("cannot write a test registry value");
}

}  // namespace test
