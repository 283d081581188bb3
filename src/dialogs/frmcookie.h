#pragma once
// "Cookies Options": the cookie files of Internet Explorer (lstCookieList),
// the cookie keep list keepcook.dat (List1), and a viewer (Text1) that shows
// the content of the cookie file clicked in either list.
#include <string>

#include "dialogs/KeepListDialog.h"

namespace dialogs {

class frmcookie : public KeepListDialog {
 public:
  explicit frmcookie(const std::wstring& appPath);

  // Shows the content of the file named by `path` in Text1; a file that cannot
  // be read leaves the viewer as it is. Nothing typed into the viewer is saved.
  void ViewCookie(const std::wstring& path);

 protected:
  void CreateControls() override;
  void LoadCurrentList() override;
};

// Loads the dialog, shows it modally over `owner`, and unloads it when it is
// closed. Returns false when the window cannot be created.
bool ShowFrmCookie(HWND owner, const std::wstring& appPath);

}  // namespace dialogs
