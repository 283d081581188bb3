#pragma once
// Message boxes and the other questions the program puts to the user. Windows
// and tests reach the user only through this interface; a test double answers.
#include <string>

namespace platform {

enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptIcon { None, Information, Question, Exclamation, Critical };
enum class PromptResult { Ok, Cancel, Yes, No };

class IPrompts {
 public:
  virtual ~IPrompts() = default;
  // A modal message box; returns the button pressed.
  virtual PromptResult ShowMessage(const std::wstring& text, const std::wstring& title,
                                  PromptButtons buttons, PromptIcon icon) = 0;
};

// Real message boxes, owned by the active window of the thread.
class Win32Prompts : public IPrompts {
 public:
  PromptResult ShowMessage(const std::wstring& text, const std::wstring& title,
                          PromptButtons buttons, PromptIcon icon) override;
};

}  // namespace platform
