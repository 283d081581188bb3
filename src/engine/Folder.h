#pragma once
// A folder a handler builds locations on, or the no-folder state (a user
// folder whose registry value could not be read). A location built on the
// no-folder state is itself in that state, so it can never reach an erase by
// accident: the only way to a path text is Path(), which has none to give.
#include <optional>
#include <string>
#include <string_view>

namespace engine {

class Folder {
 public:
  // The no-folder state.
  Folder() = default;
  static Folder None() { return Folder(); }
  // A folder at `path`. An empty path is the no-folder state: it names nothing.
  static Folder At(std::wstring path) {
    Folder folder;
    if (!path.empty()) folder.path_ = std::move(path);
    return folder;
  }

  bool IsNone() const { return !path_.has_value(); }
  explicit operator bool() const { return path_.has_value(); }

  // This folder followed by `tail` (normally backslash-led, "\Cookies");
  // the no-folder state stays the no-folder state.
  Folder operator+(std::wstring_view tail) const {
    if (!path_) return Folder();
    return At(*path_ + std::wstring(tail));
  }

  // The path text, or nullptr in the no-folder state.
  const std::wstring* Path() const { return path_ ? &*path_ : nullptr; }

  bool operator==(const Folder&) const = default;

 private:
  std::optional<std::wstring> path_;
};

// A file or folder location built the same way ("Cookies" folder + "\index.dat"):
// one built on the no-folder state names nothing, and the erase primitives
// leave it out.
using Location = Folder;

}  // namespace engine
