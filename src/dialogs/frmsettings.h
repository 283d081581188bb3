#pragma once
// The cleaning settings dialog "Cleaning Settings": the boxes of the item
// catalogue on seven tabs, the custom list and the plug-in list. It loads its
// state when it is loaded and writes all of it back on OK; Cancel and the
// close box write nothing.
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "engine/RunContext.h"
#include "ui/Window.h"

namespace platform {
class IPrompts;
class IFileDialogs;
}  // namespace platform

namespace settings {
struct ItemGroup;
}

namespace dialogs {

struct SettingsDialogServices {
  platform::IPrompts* Prompts = nullptr;
  platform::IFileDialogs* FileDialogs = nullptr;
  // The two "Options" buttons: the URL keep list (Command7) and the cookie
  // keep list (Command8), each shown modally over `owner`.
  std::function<void(HWND owner)> ShowUrlKeepList;
  std::function<void(HWND owner)> ShowCookieKeepList;
};

class frmsettings : public ui::Form {
 public:
  frmsettings(std::wstring appPath, SettingsDialogServices services);
  ~frmsettings() override;

  // Creates the window without showing it and runs the loading sequence:
  // item boxes from the settings file, the mail readers' boxes by whether
  // each is installed, the custom list, the plug-in list.
  bool Load(HWND owner = nullptr);
  bool IsLoaded() const { return Hwnd() != nullptr; }

  // The plug-in list as a run takes it: every row's name and tick, in order.
  std::vector<engine::PluginEntry> PluginEntries() const;

  // OK: writes all 140 item keys, the custom list and the plug-in switches,
  // then unloads. Cancel: unloads without writing anything.
  void Ok();
  void Cancel();

 protected:
  bool OnCloseRequest() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void CreateControls();
  void CreateGroup(const settings::ItemGroup& group, std::size_t index, ui::Control& page, ui::Rect area,
                   int columns);
  void LoadState();
  void LoadMailReader(std::size_t group, const std::wstring& keyPath, const std::wstring& valueName);
  void SelectAll(const settings::ItemGroup& group);
  void SelectAllInternetExplorer();
  bool Confirm(const std::wstring& question);
  void AskOnLeaving();
  bool HasFocusInside() const;
  void AddFiles();
  void AddFolders();
  void AddCustomRow(const std::wstring& path, const std::wstring& type);
  void RemoveCustomRow();
  void Unload();

  std::wstring appPath_;
  SettingsDialogServices services_;
  // Boxes whose focus-leave question is still to be asked.
  std::set<std::wstring> leaving_;
};

}  // namespace dialogs
