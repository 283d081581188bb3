#include "settings/PluginDescriptors.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/FileInfo.h"
#include "settings/Inifun.h"
#include "settings/Text.h"

namespace settings {
namespace {

std::wstring ExtensionOf(const std::wstring& fileName) {
  std::size_t dot = fileName.find_last_of(L'.');
  return dot == std::wstring::npos ? std::wstring() : fileName.substr(dot);
}

std::wstring BaseNameOf(const std::wstring& fileName) {
  std::size_t dot = fileName.find_last_of(L'.');
  return dot == std::wstring::npos ? fileName : fileName.substr(0, dot);
}

bool IsHexDigit(wchar_t c) {
  return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

FolderBase BaseOf(const std::wstring& text) {
  if (text == L"appdata") return FolderBase::AppData;
  if (text == L"localappdata") return FolderBase::LocalAppData;
  return FolderBase::Literal;
}

// A subkey that names nothing below its root.
bool NamesWholeRoot(const std::wstring& subkey) {
  return subkey.find_first_not_of(L" \\") == std::wstring::npos;
}

std::optional<FolderAction> FolderLine(const std::wstring& line, bool withName) {
  const std::vector<std::wstring> fields = ActionFields(line);
  if (fields.size() < (withName ? 3u : 2u)) return std::nullopt;
  FolderAction action{BaseOf(fields[0]), fields[0], fields[1], withName ? fields[2] : std::wstring()};
  if (action.Base == FolderBase::Literal && !IsFullPath(action.BaseText + action.Folder)) return std::nullopt;
  return action;
}

}  // namespace

std::wstring PluginFolder(const std::wstring& appPath) { return appPath + kPluginFolderName; }

std::wstring DescriptorFileFor(const std::wstring& appPath, const std::wstring& name) {
  if (name.find_first_of(L"\\/:") != std::wstring::npos) return {};
  return PluginFolder(appPath) + L"\\" + name + kDescriptorExtension;
}

std::vector<PluginDescriptor> AddList(const std::wstring& appPath) {
  std::vector<PluginDescriptor> list;
  const std::wstring folder = PluginFolder(appPath);
  for (const std::wstring& fileName : platform::FileNamesIn(folder)) {
    if (!SameName(ExtensionOf(fileName), kDescriptorExtension)) continue;
    PluginDescriptor descriptor;
    descriptor.ListedFile = folder + L"\\" + fileName;
    descriptor.Name = ReadIniValue(descriptor.ListedFile, L"name", L"appname");
    descriptor.Version = ReadIniValue(descriptor.ListedFile, L"version", L"appver");
    descriptor.Description = ReadIniValue(descriptor.ListedFile, L"dec", L"decs");
    descriptor.SwitchedOn = ReadIniValue(descriptor.ListedFile, L"swich", L"on") == L"1";
    const bool ownFile = SameName(BaseNameOf(fileName), descriptor.Name);

    auto same = std::find_if(list.begin(), list.end(), [&](const PluginDescriptor& listed) {
      return SameName(listed.Name, descriptor.Name);
    });
    if (same == list.end()) {
      list.push_back(std::move(descriptor));
    } else if (ownFile) {
      *same = std::move(descriptor);  // the file the name stands for wins, in the first one's place
    }
  }
  return list;
}

void SaveSwitch(const std::wstring& appPath, const std::wstring& name, bool on) {
  const std::wstring file = DescriptorFileFor(appPath, name);
  if (file.empty()) return;
  WriteIniValue(file, L"swich", L"on", on ? L"1" : L"0");
}

std::vector<std::wstring> ActionFields(std::wstring_view line) {
  std::size_t equals = line.find(L'=');
  std::wstring_view value = equals == std::wstring_view::npos ? line : line.substr(equals + 1);
  std::vector<std::wstring> fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = value.find(L',', start);
    if (comma == std::wstring_view::npos) {
      fields.emplace_back(value.substr(start));
      break;
    }
    fields.emplace_back(value.substr(start, comma - start));
    start = comma + 1;
  }
  return fields;
}

std::optional<std::int32_t> ParseRootNumber(std::wstring_view field) {
  std::size_t i = 0;
  while (i < field.size() && (field[i] == L' ' || field[i] == L'\t')) ++i;
  if (i + 1 < field.size() && field[i] == L'&' && (field[i + 1] == L'H' || field[i + 1] == L'h')) {
    i += 2;
    std::uint64_t value = 0;
    int significant = 0;
    for (; i < field.size() && IsHexDigit(field[i]); ++i) {
      const wchar_t c = field[i];
      const unsigned digit = IsDigit(c) ? c - L'0' : (c | 0x20) - L'a' + 10;
      if (value == 0 && digit == 0) continue;
      if (++significant > 8) return std::nullopt;
      value = value * 16 + digit;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  }

  std::string number;
  if (i < field.size() && (field[i] == L'+' || field[i] == L'-')) number += static_cast<char>(field[i++]);
  bool digits = false;
  for (; i < field.size() && IsDigit(field[i]); ++i, digits = true) number += static_cast<char>(field[i]);
  if (i < field.size() && field[i] == L'.') {
    number += '.';
    for (++i; i < field.size() && IsDigit(field[i]); ++i, digits = true) number += static_cast<char>(field[i]);
  }
  if (!digits) return 0;
  if (i < field.size() && (field[i] == L'e' || field[i] == L'E' || field[i] == L'd' || field[i] == L'D')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < field.size() && (field[j] == L'+' || field[j] == L'-')) exponent += static_cast<char>(field[j++]);
    if (j < field.size() && IsDigit(field[j])) {
      for (; j < field.size() && IsDigit(field[j]); ++j) exponent += static_cast<char>(field[j]);
      number += exponent;
    }
  }
  const double value = std::nearbyint(std::strtod(number.c_str(), nullptr));
  if (!std::isfinite(value) || value < -2147483648.0 || value > 2147483647.0) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::wstring PredefinedRootName(std::int32_t root) {
  switch (static_cast<std::uint32_t>(root)) {
    case 0x80000000u: return L"HKEY_CLASSES_ROOT";
    case 0x80000001u: return L"HKEY_CURRENT_USER";
    case 0x80000002u: return L"HKEY_LOCAL_MACHINE";
    case 0x80000003u: return L"HKEY_USERS";
    case 0x80000004u: return L"HKEY_PERFORMANCE_DATA";
    case 0x80000005u: return L"HKEY_CURRENT_CONFIG";
    case 0x80000006u: return L"HKEY_DYN_DATA";
    default: return {};
  }
}

DescriptorActions ParseDescriptorActions(const std::vector<std::wstring>& regtree,
                                         const std::vector<std::wstring>& reg,
                                         const std::vector<std::wstring>& file,
                                         const std::vector<std::wstring>& fileext,
                                         const std::vector<std::wstring>& folder) {
  DescriptorActions actions;
  for (const std::wstring& line : regtree) {
    const std::vector<std::wstring> fields = ActionFields(line);
    if (fields.size() < 2 || NamesWholeRoot(fields[1])) continue;
    if (auto root = ParseRootNumber(fields[0])) actions.RegistryTrees.push_back({*root, fields[1]});
  }
  for (const std::wstring& line : reg) {
    const std::vector<std::wstring> fields = ActionFields(line);
    if (fields.size() < 3) continue;
    if (auto root = ParseRootNumber(fields[0])) actions.RegistryValues.push_back({*root, fields[1], fields[2]});
  }
  for (const std::wstring& line : file)
    if (auto action = FolderLine(line, true)) actions.Files.push_back(std::move(*action));
  for (const std::wstring& line : fileext)
    if (auto action = FolderLine(line, true)) actions.Extensions.push_back(std::move(*action));
  for (const std::wstring& line : folder)
    if (auto action = FolderLine(line, false)) actions.Folders.push_back(std::move(*action));
  return actions;
}

DescriptorActions ReadDescriptorActions(const std::wstring& descriptorFile) {
  return ParseDescriptorActions(ReadIniSection(L"regtree", descriptorFile), ReadIniSection(L"reg", descriptorFile),
                                ReadIniSection(L"file", descriptorFile), ReadIniSection(L"fileext", descriptorFile),
                                ReadIniSection(L"folder", descriptorFile));
}

}  // namespace settings
