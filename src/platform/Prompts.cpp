#include "platform/Prompts.h"

#include <windows.h>

namespace platform {

PromptResult Win32Prompts::ShowMessage(const std::wstring& text, const std::wstring& title,
                                      PromptButtons buttons, PromptIcon icon) {
  UINT type = 0;
  switch (buttons) {
    case PromptButtons::Ok: type |= MB_OK; break;
    case PromptButtons::OkCancel: type |= MB_OKCANCEL; break;
    case PromptButtons::YesNo: type |= MB_YESNO; break;
    case PromptButtons::YesNoCancel: type |= MB_YESNOCANCEL; break;
  }
  switch (icon) {
    case PromptIcon::None: break;
    case PromptIcon::Information: type |= MB_ICONINFORMATION; break;
    case PromptIcon::Question: type |= MB_ICONQUESTION; break;
    case PromptIcon::Exclamation: type |= MB_ICONEXCLAMATION; break;
    case PromptIcon::Critical: type |= MB_ICONERROR; break;
  }
  HWND owner = GetActiveWindow();
  switch (MessageBoxW(owner, text.c_str(), title.c_str(), type)) {
    case IDYES: return PromptResult::Yes;
    case IDNO: return PromptResult::No;
    case IDCANCEL: return PromptResult::Cancel;
    default: return PromptResult::Ok;
  }
}

}  // namespace platform
