#pragma once
// The system's file-open dialog and folder browser. Windows reach them only
// through this interface, so tests answer with a double instead of a modal
// dialog.
#include <optional>
#include <string>
#include <vector>

namespace platform {

class IFileDialogs {
 public:
  virtual ~IFileDialogs() = default;
  // A file-open dialog over `owner` (a window handle, or nullptr) that allows
  // choosing several files. Returns the full paths of the chosen files in the
  // dialog's order, or nullopt when the user cancels.
  virtual std::optional<std::vector<std::wstring>> ChooseFiles(void* owner, const std::wstring& title,
                                                               const std::wstring& filter) = 0;
  // The folder browser over `owner` with `title` above the tree, file-system
  // folders only. Returns the chosen folder's path, or nullopt on cancel.
  virtual std::optional<std::wstring> ChooseFolder(void* owner, const std::wstring& title) = 0;
};

class Win32FileDialogs : public IFileDialogs {
 public:
  // `filter` in the "caption|pattern|caption|pattern|" form.
  std::optional<std::vector<std::wstring>> ChooseFiles(void* owner, const std::wstring& title,
                                                       const std::wstring& filter) override;
  std::optional<std::wstring> ChooseFolder(void* owner, const std::wstring& title) override;
};

// The chosen files from the raw result of a multiple-choice file-open dialog:
// one full path, or a folder followed by the file names, each part ended by a
// NUL. The folder gets a trailing backslash when it has none.
std::vector<std::wstring> SplitFileDialogResult(const std::wstring& result);

}  // namespace platform
