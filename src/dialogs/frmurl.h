#pragma once
// "URL Drop-List Options": the typed addresses of Internet Explorer (List2)
// and the URL keep list keepurl.dat (List1).
#include <string>
#include <vector>

#include "dialogs/KeepListDialog.h"

namespace dialogs {

class frmurl : public KeepListDialog {
 public:
  explicit frmurl(const std::wstring& appPath);

 protected:
  void CreateControls() override;
  void LoadCurrentList() override;
};

// The typed addresses as the dialog lists them, in the order the system
// enumerates the values of the TypedURLs key. Listing stops at the first value
// whose name or text does not fit 254 characters (in the ANSI code page); a
// value that cannot be read as text is left out.
std::vector<std::wstring> CurrentTypedUrls();

// Loads the dialog, shows it modally over `owner`, and unloads it when it is
// closed. Returns false when the window cannot be created.
bool ShowFrmUrl(HWND owner, const std::wstring& appPath);

}  // namespace dialogs
