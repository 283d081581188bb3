#include "engine/allerase.h"

#include <optional>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Files.h"
#include "platform/Ini.h"
#include "settings/Text.h"

namespace engine {
namespace {

using platform::FolderEntry;

// The longest path the system's wide functions accept.
constexpr std::size_t kMaxPathChars = 32767;

// A location checked and put into the forms the system calls take.
struct ErasePath {
  std::wstring Full;      // normalised: "C:\Users\Ann\Cookies", "\\server\share\x"
  std::wstring Extended;  // the same with the long-path prefix: "\\?\C:\...", "\\?\UNC\server\share\x"
  bool IsRoot = false;    // a drive or share root
};

bool IsLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

bool HasWildcard(std::wstring_view text) { return text.find_first_of(L"*?") != std::wstring_view::npos; }

// True when a backslash-separated component is "." or "..".
bool HasDotComponent(std::wstring_view text) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(L'\\', start);
    if (end == std::wstring_view::npos) end = text.size();
    std::wstring_view part = text.substr(start, end - start);
    if (part == L"." || part == L"..") return true;
    start = end + 1;
  }
  return false;
}

// Splits "\\server\share\rest" (no prefix): the length of "\\server\share",
// or 0 when server or share is missing.
std::size_t UncRootLength(std::wstring_view path) {
  if (path.size() < 5 || path[0] != L'\\' || path[1] != L'\\') return 0;
  std::size_t serverEnd = path.find(L'\\', 2);
  if (serverEnd == std::wstring_view::npos || serverEnd == 2) return 0;
  std::size_t shareEnd = path.find(L'\\', serverEnd + 1);
  if (shareEnd == std::wstring_view::npos) shareEnd = path.size();
  if (shareEnd == serverEnd + 1) return 0;
  return shareEnd;
}

void StripTrailingBackslashes(std::wstring& path, std::size_t keep) {
  while (path.size() > keep && path.back() == L'\\') path.pop_back();
}

// Builds the forms of a normalised drive path ("C:\x") or UNC path ("\\s\sh\x").
std::optional<ErasePath> FromFull(std::wstring full) {
  ErasePath result;
  if (full.size() >= 3 && IsLetter(full[0]) && full[1] == L':' && full[2] == L'\\') {
    StripTrailingBackslashes(full, 3);
    result.IsRoot = full.size() == 3;
    result.Extended = L"\\\\?\\" + full;
  } else if (std::size_t rootLength = UncRootLength(full); rootLength != 0 &&
                                                           full.compare(0, 4, L"\\\\?\\") != 0 &&
                                                           full.compare(0, 4, L"\\\\.\\") != 0) {
    StripTrailingBackslashes(full, rootLength);
    result.IsRoot = full.size() == rootLength;
    result.Extended = L"\\\\?\\UNC\\" + full.substr(2);
  } else {
    return std::nullopt;
  }
  if (HasWildcard(full) || HasDotComponent(full) || result.Extended.size() > kMaxPathChars)
    return std::nullopt;
  // A colon past the drive's names a stream of a file or folder, never a file
  // of its own: "C:\::$INDEX_ALLOCATION" is the root folder under another name.
  if (full.find(L':', full[1] == L':' ? 2 : 0) != std::wstring::npos) return std::nullopt;
  result.Full = std::move(full);
  return result;
}

// The erasable form of a location: nullopt for the no-folder state, an empty,
// relative or drive-relative path ("x", "C:x", "\x"), a device path, a path
// with wildcards or a stream name ("a.txt:s") and a path too long for the system.
std::optional<ErasePath> Prepare(const Location& location) {
  const std::wstring* given = location.Path();
  if (!given || given->empty() || given->size() > kMaxPathChars) return std::nullopt;
  std::wstring path = *given;
  if (path.find(L'\0') != std::wstring::npos) return std::nullopt;
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';

  if (path.compare(0, 4, L"\\\\?\\") == 0) {
    // Taken literally by the system: only checked, not normalised.
    std::wstring rest = path.substr(4);
    if (rest.compare(0, 4, L"UNC\\") == 0) return FromFull(L"\\\\" + rest.substr(4));
    return FromFull(rest);
  }
  const bool driveAbsolute = path.size() >= 3 && IsLetter(path[0]) && path[1] == L':' && path[2] == L'\\';
  const bool unc = UncRootLength(path) != 0 && path.compare(0, 4, L"\\\\.\\") != 0;
  if (!driveAbsolute && !unc) return std::nullopt;
  // Checked before "." and ".." are resolved, which could drop the part that
  // holds them.
  if (HasWildcard(path) || path.find(L':', 2) != std::wstring::npos) return std::nullopt;
  // Resolves "." and ".." (so "C:\Users\..\.." is seen as the root it names).
  std::wstring full = platform::FullPathName(path);
  if (full.empty()) return std::nullopt;
  return FromFull(std::move(full));
}

// A folder location a folder operation may work in: never a root. A folder
// named by a link is used as named, but not when the link leads to a whole
// drive or share (or to somewhere the system cannot name).
std::optional<ErasePath> PrepareFolder(const Folder& folder) {
  std::optional<ErasePath> path = Prepare(folder);
  if (!path || path->IsRoot) return std::nullopt;
  const std::optional<std::uint32_t> attributes = platform::PathAttributes(path->Extended);
  if (attributes && (*attributes & platform::kAttributeReparsePoint)) {
    const std::wstring target = platform::FinalPathName(path->Extended);
    if (target.empty()) return std::nullopt;
    const std::optional<ErasePath> leadsTo = Prepare(Location::At(target));
    if (!leadsTo || leadsTo->IsRoot) return std::nullopt;
  }
  return path;
}

std::wstring Join(const std::wstring& folder, const std::wstring& name) { return folder + L"\\" + name; }

void Yield(const YieldHook& yield) {
  if (yield) yield();
}

// The extension of a file name: the text after its last dot, "" without one.
std::wstring ExtensionOf(const std::wstring& name) {
  const std::size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos ? std::wstring() : name.substr(dot + 1);
}

enum class Match { Every, ExactName, Extension, AllButKept };

struct FileRule {
  Match Kind = Match::Every;
  std::wstring_view Text;
  const std::function<bool(const std::wstring&)>* Keeps = nullptr;  // AllButKept

  bool Takes(const std::wstring& name) const {
    switch (Kind) {
      case Match::Every: return true;
      case Match::ExactName: return name == Text;
      case Match::Extension: return settings::ToLower(ExtensionOf(name)) == Text;
      // Without a rule to ask, nothing can be told apart from a kept file.
      case Match::AllButKept: return Keeps && *Keeps && !(*Keeps)(name);
    }
    return false;
  }
};

// One file of a walk: a hidden file is reset to normal; a matching file is
// counted, then deleted (a read-only file stays, counted). A file that is a
// link is neither reset nor counted; a matching one loses only the link.
void EraseOneFile(const std::wstring& folder, const FolderEntry& entry, const FileRule& rule, double& bytes,
                  const YieldHook* yieldBefore) {
  const std::wstring path = Join(folder, entry.Name);
  if (entry.IsLink()) {
    if (yieldBefore) Yield(*yieldBefore);
    if (rule.Takes(entry.Name)) platform::RemoveLinkItself(path, false);
    return;
  }
  if (entry.IsHidden()) platform::SetPathAttributes(path, 0);
  if (yieldBefore) Yield(*yieldBefore);
  if (rule.Takes(entry.Name)) {
    bytes += static_cast<double>(entry.Size);
    platform::DeletePlainFile(path);
  }
}

// The size of every file below a folder at any depth; linked folders are not
// entered and linked files count nothing.
double FolderSize(const std::wstring& folder) {
  double bytes = 0;
  std::vector<std::wstring> pending{folder};
  std::vector<FolderEntry> entries;
  while (!pending.empty()) {
    const std::wstring current = std::move(pending.back());
    pending.pop_back();
    if (!platform::ListFolderEntries(current, entries)) continue;
    for (const FolderEntry& entry : entries) {
      if (entry.IsLink()) continue;
      if (entry.IsFolder())
        pending.push_back(Join(current, entry.Name));
      else
        bytes += static_cast<double>(entry.Size);
    }
  }
  return bytes;
}

// Removes one file. With force a read-only file is reset to normal first;
// without force it stays.
void DeleteFileOfTree(const std::wstring& path, const FolderEntry& entry, bool force) {
  if (entry.IsLink()) {
    platform::RemoveLinkItself(path, force);
    return;
  }
  if (force) {
    if (entry.Attributes & (platform::kAttributeReadOnly | platform::kAttributeHidden | platform::kAttributeSystem))
      platform::SetPathAttributes(path, 0);
  } else if (entry.IsReadOnly()) {
    return;
  }
  platform::DeletePlainFile(path);
}

// Deletes everything in `folder`, depth first; with `removeFolder` the folder
// itself goes too once it is empty. Without force, read-only files and
// folders stay (and so do the folders that hold them). Links are removed as
// links; nothing behind them is touched.
void DeleteTree(const std::wstring& folder, std::uint32_t folderAttributes, bool force, bool removeFolder) {
  struct Work {
    std::wstring Path;
    std::uint32_t Attributes;
    bool Listed;
  };
  std::vector<Work> pending{{folder, folderAttributes, false}};
  std::vector<FolderEntry> entries;
  while (!pending.empty()) {
    Work& top = pending.back();
    if (!top.Listed) {
      top.Listed = true;
      const std::wstring current = top.Path;
      if (!platform::ListFolderEntries(current, entries)) continue;
      for (const FolderEntry& entry : entries) {
        const std::wstring path = Join(current, entry.Name);
        if (entry.IsLink())
          platform::RemoveLinkItself(path, force);
        else if (entry.IsFolder())
          pending.push_back({path, entry.Attributes, false});  // `top` is not used after this
        else
          DeleteFileOfTree(path, entry, force);
      }
      continue;
    }
    const Work done = std::move(top);
    pending.pop_back();
    if (!removeFolder && pending.empty()) break;  // the folder that was emptied stays
    if (force) {
      if (done.Attributes & (platform::kAttributeReadOnly | platform::kAttributeHidden | platform::kAttributeSystem))
        platform::SetPathAttributes(done.Path, 0);
    } else if (done.Attributes & platform::kAttributeReadOnly) {
      continue;
    }
    platform::RemoveEmptyFolder(done.Path);
  }
}

// The three tree walks: the files of a folder, then each subfolder the same
// way, depth first. Only the walk by exact name yields (before and after each
// file, after each subfolder).
double WalkTree(const Folder& folder, const FileRule& rule, const YieldHook* yield) {
  std::optional<ErasePath> start = PrepareFolder(folder);
  if (!start) return 0;
  struct Work {
    std::wstring Path;  // empty: the yield that follows a finished subfolder
  };
  double bytes = 0;
  std::vector<Work> pending{{start->Extended}};
  std::vector<FolderEntry> entries;
  std::vector<std::wstring> subfolders;
  while (!pending.empty()) {
    const Work work = std::move(pending.back());
    pending.pop_back();
    if (work.Path.empty()) {
      if (yield) Yield(*yield);
      continue;
    }
    if (!platform::ListFolderEntries(work.Path, entries)) continue;
    subfolders.clear();
    for (const FolderEntry& entry : entries) {
      if (entry.IsFolder()) {
        if (!entry.IsLink()) subfolders.push_back(Join(work.Path, entry.Name));
        continue;
      }
      EraseOneFile(work.Path, entry, rule, bytes, yield);
      if (yield) Yield(*yield);
    }
    for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it) {
      if (yield) pending.push_back({std::wstring()});
      pending.push_back({*it});
    }
  }
  return bytes;
}

// The one-folder walks: the files directly in the folder.
double WalkFolder(const Folder& folder, const FileRule& rule, const YieldHook* yieldAfter) {
  std::optional<ErasePath> start = PrepareFolder(folder);
  if (!start) return 0;
  double bytes = 0;
  std::vector<FolderEntry> entries;
  if (!platform::ListFolderEntries(start->Extended, entries)) return 0;
  for (const FolderEntry& entry : entries) {
    if (entry.IsFolder()) continue;
    EraseOneFile(start->Extended, entry, rule, bytes, nullptr);
    if (yieldAfter) Yield(*yieldAfter);
  }
  return bytes;
}

// A subkey that names a key below the root, without trailing backslashes; ""
// when it names the root itself (which is never removed).
std::wstring KeyBelowRoot(std::wstring_view subkey) {
  std::wstring key(subkey);
  while (!key.empty() && key.back() == L'\\') key.pop_back();
  if (!key.empty() && key.front() == L'\\') return {};
  return key;
}

// The form of a checked path for a system call that takes a plain path: the
// short form when the system reads it back as it stands, else the long-path
// form. A name that ends in a dot or a blank ("Config." reached through
// "\\?\") would otherwise lose that ending and name another file.
const std::wstring& PlainCallForm(const ErasePath& path) {
  if (path.Full.size() < 260 && platform::FullPathName(path.Full) == path.Full) return path.Full;
  return path.Extended;
}

}  // namespace

double EraseFilesNamed(const Folder& folder, std::wstring_view fileName, const YieldHook& yield) {
  return WalkTree(folder, {Match::ExactName, fileName}, &yield);
}

double EraseFolderFiles(const Folder& folder) { return WalkTree(folder, {Match::Every, {}}, nullptr); }

double EraseFilesByExtension(const Folder& folder, std::wstring_view extension) {
  return WalkTree(folder, {Match::Extension, extension}, nullptr);
}

double EraseFoldersNamed(const Folder& folder, std::wstring_view folderName) {
  std::optional<ErasePath> start = PrepareFolder(folder);
  if (!start) return 0;
  double bytes = 0;
  std::vector<std::wstring> pending{start->Extended};
  std::vector<FolderEntry> entries;
  std::vector<std::wstring> subfolders;
  while (!pending.empty()) {
    const std::wstring current = std::move(pending.back());
    pending.pop_back();
    if (!platform::ListFolderEntries(current, entries)) continue;
    for (FolderEntry& entry : entries) {
      if (!entry.IsFolder()) continue;
      const std::wstring path = Join(current, entry.Name);
      const bool matches = settings::ToLower(entry.Name) == folderName;
      if (entry.IsLink()) {
        // A linked folder is never entered: a matching one loses only the link.
        if (matches) platform::RemoveLinkItself(path, false);
        continue;
      }
      if (entry.IsHidden()) {
        if (platform::SetPathAttributes(path, 0)) entry.Attributes = platform::kAttributeDirectory;
      }
      if (matches) {
        bytes += FolderSize(path);
        DeleteTree(path, entry.Attributes, false, true);
      }
    }
    // The subfolders as they are now (those just deleted are gone); a matching
    // folder that could not be deleted is walked like any other.
    if (!platform::ListFolderEntries(current, entries)) continue;
    subfolders.clear();
    for (const FolderEntry& entry : entries) {
      if (entry.IsFolder() && !entry.IsLink()) subfolders.push_back(Join(current, entry.Name));
    }
    for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it) pending.push_back(*it);
  }
  return bytes;
}

double EmptyFolder(const Folder& folder) {
  std::optional<ErasePath> target = PrepareFolder(folder);
  if (!target) return 0;
  const std::wstring& path = target->Extended;
  std::optional<std::uint32_t> attributes = platform::PathAttributes(path);
  if (!attributes) {
    // A missing folder is created (when its parent exists).
    platform::CreateFolderAt(path);
    return 0;
  }
  if (!(*attributes & platform::kAttributeDirectory)) return 0;  // a file: nothing to empty
  // The folder named may itself be a link (a redirected folder): it is
  // emptied as named, and the link stays a link.
  const bool isLink = (*attributes & platform::kAttributeReparsePoint) != 0;
  if (!isLink && (*attributes & platform::kAttributeHidden)) platform::SetPathAttributes(path, 0);
  const double bytes = FolderSize(path);
  DeleteTree(path, *attributes, true, false);
  // Emptied in place rather than deleted and made again: the result is the
  // same empty folder with normal attributes, and a folder whose contents are
  // partly in use is never left half-removed or missing.
  if (!isLink) platform::SetPathAttributes(path, 0);
  return bytes;
}

double EraseFilesInFolder(const Folder& folder) { return WalkFolder(folder, {Match::Every, {}}, nullptr); }

double EraseFileNamedInFolder(const Folder& folder, std::wstring_view fileName, const YieldHook& yield) {
  return WalkFolder(folder, {Match::ExactName, fileName}, &yield);
}

double EraseFilesByExtensionInFolder(const Folder& folder, std::wstring_view extension, const YieldHook& yield) {
  return WalkFolder(folder, {Match::Extension, extension}, &yield);
}

double EraseFilesInFolderExcept(const Folder& folder, const std::function<bool(const std::wstring&)>& keeps,
                                const YieldHook& yield) {
  FileRule rule{Match::AllButKept, {}, &keeps};
  return WalkFolder(folder, rule, &yield);
}

double EraseFile(const Location& file) {
  std::optional<ErasePath> target = Prepare(file);
  if (!target || target->IsRoot) return 0;
  std::optional<FolderEntry> entry = platform::PathEntry(target->Extended);
  if (!entry || entry->IsFolder()) return 0;
  if (entry->IsLink()) {
    platform::RemoveLinkItself(target->Extended, false);
    return 0;
  }
  const double bytes = static_cast<double>(entry->Size);
  platform::DeletePlainFile(target->Extended);
  return bytes;
}

double EraseFolder(const Location& folder) {
  std::optional<ErasePath> target = PrepareFolder(folder);
  if (!target) return 0;
  std::optional<FolderEntry> entry = platform::PathEntry(target->Extended);
  if (!entry || !entry->IsFolder()) return 0;
  const double bytes = FolderSize(target->Extended);
  if (entry->IsLink()) {
    DeleteTree(target->Extended, entry->Attributes, false, false);
    platform::RemoveLinkItself(target->Extended, false);
  } else {
    DeleteTree(target->Extended, entry->Attributes, false, true);
  }
  return bytes;
}

int DeleteRegistryKey(platform::RegistryRoot root, std::wstring_view subkey) {
  // The key is removed only when it exists: it is never created on the way
  // (creating a missing key would leave its missing parents behind).
  const std::wstring key = KeyBelowRoot(subkey);
  if (!key.empty()) platform::DeleteRegistryKeyOnly(root, key);
  return 3;
}

int DeleteRegistryTree(platform::RegistryRoot root, std::wstring_view subkey) {
  const std::wstring key = KeyBelowRoot(subkey);
  if (!key.empty()) platform::DeleteRegistryKeyTree(root, key);
  return 5;
}

int DeleteRegistryValue(platform::RegistryRoot root, std::wstring_view subkey, std::wstring_view valueName) {
  const std::wstring key = KeyBelowRoot(subkey);
  if (!key.empty()) platform::DeleteRegistryValueAt(root, key, std::wstring(valueName));
  return 1;
}

void DeleteIniSection(const Location& file, std::wstring_view section) {
  std::optional<ErasePath> path = Prepare(file);
  if (!path || path->IsRoot || section.empty()) return;
  // Only an existing file: removing a section never creates a file.
  if (!platform::FileExists(path->Extended)) return;
  // The profile functions resolve the name once more (some systems drop a
  // final dot or blank even from a long-path form): a name they would read as
  // another file's is left alone.
  const std::wstring& form = PlainCallForm(*path);
  if (platform::FullPathName(form) != form) return;
  platform::IniDeleteSection(form, std::wstring(section));
}

void DeleteFileAtReboot(const Location& file) {
  std::optional<ErasePath> path = Prepare(file);
  if (!path || path->IsRoot) return;
  platform::ScheduleDeleteAtRestart(PlainCallForm(*path));
}

}  // namespace engine
