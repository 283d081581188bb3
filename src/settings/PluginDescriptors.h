#pragma once
// Plug-in descriptors: small INI files named <appname>.kdx in the folder
// "plus-in" of the program's folder, one per application, naming registry
// keys, registry values, files and folders that hold that application's
// traces, with a switch that says whether a run erases them.
//
//   [name]     appname=  application name (also the descriptor's base file name)
//   [version]  appver=   version text
//   [dec]      decs=     description text
//   [swich]    on=       "1" on, anything else off
//   [regtree]  any=root,subkey                   delete the key with all below it
//   [reg]      any=root,subkey,value name        delete one value
//   [file]     any=base,folder,file name         delete files of that name in the folder
//   [fileext]  any=base,folder,extension         delete files with that extension in the folder
//   [folder]   any=base,folder                   empty the folder
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

inline constexpr wchar_t kPluginFolderName[] = L"\\plus-in";
inline constexpr wchar_t kDescriptorExtension[] = L".kdx";

// AppPath + "\plus-in".
std::wstring PluginFolder(const std::wstring& appPath);

// The descriptor file that stands for the application `name`: AppPath +
// "\plus-in\" + name + ".kdx", whatever file the descriptor was listed from.
// Empty when the name holds a path separator or a drive colon, which would
// lead outside the plug-in folder: such a name has no file to save to or run.
std::wstring DescriptorFileFor(const std::wstring& appPath, const std::wstring& name);

struct PluginDescriptor {
  std::wstring ListedFile;   // the file the descriptor was read from
  std::wstring Name;         // name/appname
  std::wstring Version;      // version/appver
  std::wstring Description;  // dec/decs
  bool SwitchedOn = false;   // swich/on is exactly "1"

  // The "Description" column of the plug-in list: name, version, description.
  std::wstring DescriptionColumn() const { return Name + L" " + Version + L" " + Description; }
};

// Every descriptor of the plug-in folder: each file directly in it whose
// extension is ".kdx" in any letter case, in name order. A descriptor without
// an application name is listed with an empty name. Descriptors that give the
// same application name (letter case ignored) stand for one file, so only one
// of them is listed: the one whose own file carries that name, else the first.
// A missing folder gives an empty list.
std::vector<PluginDescriptor> AddList(const std::wstring& appPath);

// Stores a plug-in's switch, "1" or "0", into the descriptor named after
// `name` (created when missing). Does nothing for a name without a file.
void SaveSwitch(const std::wstring& appPath, const std::wstring& name, bool on);

// ---- Action lines ----------------------------------------------------------

// The fields of one action line: the text after its first "=" (the whole line
// when it has none), split at every comma, nothing trimmed.
std::vector<std::wstring> ActionFields(std::wstring_view line);

// A registry root field read as a number: leading blanks and tabs skipped, then
// a decimal number (optional sign, digits, optional fraction and exponent,
// rounded to a whole number) or, after "&H", hexadecimal digits taken as a
// 32-bit pattern; reading stops at the first character that cannot continue
// the number. Text without a number reads as 0. nullopt when the number does
// not fit a signed 32-bit integer.
std::optional<std::int32_t> ParseRootNumber(std::wstring_view field);

// The name of a predefined registry root for its handle value in signed
// 32-bit form ("HKEY_CURRENT_USER" for -2147483647), or empty for a number
// that names no root.
std::wstring PredefinedRootName(std::int32_t root);

struct RegistryTreeAction {
  std::int32_t Root;
  std::wstring Subkey;
};

struct RegistryValueAction {
  std::int32_t Root;
  std::wstring Subkey;
  std::wstring ValueName;
};

// The base of a folder field: "appdata" (exactly, lower case) is the user's
// application-data folder, "localappdata" the local one; any other text is
// used as it stands.
enum class FolderBase { AppData, LocalAppData, Literal };

struct FolderAction {
  FolderBase Base;
  std::wstring BaseText;  // the field as written
  std::wstring Folder;    // joined to the end of the base unchanged
  std::wstring Name;      // file name (file), extension (fileext); empty for folder
};

struct DescriptorActions {
  std::vector<RegistryTreeAction> RegistryTrees;  // [regtree]
  std::vector<RegistryValueAction> RegistryValues;  // [reg]
  std::vector<FolderAction> Files;       // [file]
  std::vector<FolderAction> Extensions;  // [fileext]
  std::vector<FolderAction> Folders;     // [folder]
};

// Parses the lines of each action section. A line with fewer fields than its
// section needs is skipped, and so is one whose root does not fit a signed
// 32-bit integer. Further lines are skipped as too dangerous to carry out: a
// [regtree] line whose subkey is empty (it would name a whole root), and a
// folder line with a literal base whose folder is no full path (it would be
// taken relative to whatever the current folder is).
DescriptorActions ParseDescriptorActions(const std::vector<std::wstring>& regtree,
                                         const std::vector<std::wstring>& reg,
                                         const std::vector<std::wstring>& file,
                                         const std::vector<std::wstring>& fileext,
                                         const std::vector<std::wstring>& folder);

// Reads the five action sections of a descriptor file and parses them. A
// missing file or section gives no actions.
DescriptorActions ReadDescriptorActions(const std::wstring& descriptorFile);

}  // namespace settings
