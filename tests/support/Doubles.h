#pragma once
// Test doubles for the services a test must not trigger for real.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "engine/RunObserver.h"
#include "platform/FileDialogs.h"
#include "platform/Process.h"
#include "platform/Prompts.h"

namespace test {

// Answers message boxes from a script (default: the first button) and records them.
class FakePrompts : public platform::IPrompts {
 public:
  struct Shown {
    std::wstring Text, Title;
    platform::PromptButtons Buttons;
    platform::PromptIcon Icon;
  };
  platform::PromptResult ShowMessage(const std::wstring& text, const std::wstring& title,
                                    platform::PromptButtons buttons, platform::PromptIcon icon) override;
  std::deque<platform::PromptResult> Answers;
  std::vector<Shown> Boxes;
  std::function<void()> OnShow;  // runs while the box is "open"
};

class FakeProcessLauncher : public platform::IProcessLauncher {
 public:
  bool StartMinimized(const std::wstring& commandLine) override;
  bool RunHiddenAndWait(const std::wstring& commandLine) override;
  bool StartHidden(const std::wstring& commandLine) override;
  // Recorded with the hidden starts; gives `StartedProcessId`.
  std::optional<std::uint32_t> StartHiddenForInput(const std::wstring& commandLine) override;
  std::vector<std::wstring> Minimized, HiddenWaited, Hidden;
  std::uint32_t StartedProcessId = 4242;
};

// Answers the file-open dialog and the folder browser from scripts (an empty
// script answers Cancel) and records every dialog shown.
class FakeFileDialogs : public platform::IFileDialogs {
 public:
  std::optional<std::vector<std::wstring>> ChooseFiles(void*, const std::wstring& title,
                                                       const std::wstring& filter) override {
    FileDialogs.push_back({title, filter});
    if (FileAnswers.empty()) return std::nullopt;
    auto answer = FileAnswers.front();
    FileAnswers.pop_front();
    return answer;
  }
  std::optional<std::wstring> ChooseFolder(void*, const std::wstring& title) override {
    FolderTitles.push_back(title);
    if (FolderAnswers.empty()) return std::nullopt;
    auto answer = FolderAnswers.front();
    FolderAnswers.pop_front();
    return answer;
  }
  struct Shown {
    std::wstring Title, Filter;
  };
  std::deque<std::optional<std::vector<std::wstring>>> FileAnswers;
  std::deque<std::optional<std::wstring>> FolderAnswers;
  std::vector<Shown> FileDialogs;
  std::vector<std::wstring> FolderTitles;
};

// Records everything a run shows.
class RecordingObserver : public engine::RunObserver {
 public:
  struct Row {
    std::wstring Item, Status;
  };
  void OnRunStarted() override { ++Started; Rows.clear(); }
  void OnRowAppended(const std::wstring& item) override { Rows.push_back({item, L""}); }
  void OnRowStatus(const std::wstring& status) override {
    if (!Rows.empty()) Rows.back().Status = status;
    StatusTexts.push_back(status);
  }
  void OnRowFinished(const std::wstring& item, const std::wstring& status) override {
    Finished.push_back({item, status});
  }
  void OnStatusLabel(const std::wstring& text) override { Labels.push_back(text); }
  void OnProgress(int value) override { Progress.push_back(value); }
  void OnYield() override {
    ++Yields;
    if (DuringYield) DuringYield();
  }
  void OnRunEnded() override { ++Ended; }
  void OnStatistics(const std::wstring& lastClean, double keys, double bytes) override {
    LastClean = lastClean;
    Keys = keys;
    Bytes = bytes;
    ++StatisticsShown;
  }
  void OnShowMainWindow() override { ++MainWindowShown; }

  int Started = 0, Ended = 0, Yields = 0, StatisticsShown = 0, MainWindowShown = 0;
  std::vector<Row> Rows, Finished;
  std::vector<std::wstring> StatusTexts, Labels;
  std::vector<int> Progress;
  std::wstring LastClean;
  double Keys = -1, Bytes = -1;
  std::function<void()> DuringYield;
};

}  // namespace test
