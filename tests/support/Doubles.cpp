#include "support/Doubles.h"

namespace test {

platform::PromptResult FakePrompts::ShowMessage(const std::wstring& text, const std::wstring& title,
                                               platform::PromptButtons buttons, platform::PromptIcon icon) {
  Boxes.push_back({text, title, buttons, icon});
  if (OnShow) OnShow();
  if (!Answers.empty()) {
    auto answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  switch (buttons) {
    case platform::PromptButtons::YesNo:
    case platform::PromptButtons::YesNoCancel: return platform::PromptResult::Yes;
    default: return platform::PromptResult::Ok;
  }
}

bool FakeProcessLauncher::StartMinimized(const std::wstring& commandLine) {
  Minimized.push_back(commandLine);
  return true;
}

bool FakeProcessLauncher::RunHiddenAndWait(const std::wstring& commandLine) {
  HiddenWaited.push_back(commandLine);
  return true;
}

bool FakeProcessLauncher::StartHidden(const std::wstring& commandLine) {
  Hidden.push_back(commandLine);
  return true;
}

std::optional<std::uint32_t> FakeProcessLauncher::StartHiddenForInput(const std::wstring& commandLine) {
  Hidden.push_back(commandLine);
  return StartedProcessId;
}

}  // namespace test
