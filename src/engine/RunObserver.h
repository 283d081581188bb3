#pragma once
// What a cleaning run shows while it works. The main window, the console
// front end and tests each implement it; the run itself holds no window code.
#include <string>

namespace engine {

class RunObserver {
 public:
  virtual ~RunObserver() = default;

  // Start of a run: the status page is shown, the busy pointer set, the start
  // button disabled and the results list emptied.
  virtual void OnRunStarted() = 0;
  // A new results row whose "Item" text is `item`; it becomes the current row.
  virtual void OnRowAppended(const std::wstring& item) = 0;
  // The "Status" text of the current row.
  virtual void OnRowStatus(const std::wstring& status) = 0;
  // The current row is finished: its item and final status.
  virtual void OnRowFinished(const std::wstring& item, const std::wstring& status) = 0;
  // The status label.
  virtual void OnStatusLabel(const std::wstring& text) = 0;
  // The progress bar, 0 to 100.
  virtual void OnProgress(int value) = 0;
  // Give other events a turn (the GUI pumps its message queue here).
  virtual void OnYield() = 0;
  // End of a run: the start button is enabled and the pointer restored.
  virtual void OnRunEnded() = 0;
  // The statistics as stored after the run: `lastclean` and the two totals.
  virtual void OnStatistics(const std::wstring& lastClean, double registryKeys,
                            double releasedBytes) = 0;
  // The run is over: show the main window.
  virtual void OnShowMainWindow() = 0;
};

// An observer that shows nothing; a base for observers interested in a few events.
class NullRunObserver : public RunObserver {
 public:
  void OnRunStarted() override {}
  void OnRowAppended(const std::wstring&) override {}
  void OnRowStatus(const std::wstring&) override {}
  void OnRowFinished(const std::wstring&, const std::wstring&) override {}
  void OnStatusLabel(const std::wstring&) override {}
  void OnProgress(int) override {}
  void OnYield() override {}
  void OnRunEnded() override {}
  void OnStatistics(const std::wstring&, double, double) override {}
  void OnShowMainWindow() override {}
};

}  // namespace engine
