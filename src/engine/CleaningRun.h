#pragma once
// The cleaning run: walks every cleaning item in its fixed order, runs the
// handler of each selected item, reports through a RunObserver, and ends with
// the statistics and the summary.
#include <span>
#include <string>

#include "engine/RunContext.h"
#include "engine/RunObserver.h"

namespace engine {

inline constexpr int kNoMark = -1;

struct RunOrderRow {
  int Number;                  // 1..140
  const wchar_t* Section;      // settings section of the item's flag
  const wchar_t* Key;          // settings key of the item's flag
  const wchar_t* StatusCaption;
  int ProgressMark;            // value of the progress bar after the row, or kNoMark
  bool NumericFlag;            // selected by the number 1 rather than the text "1"
};

// The 140 rows in run order.
std::span<const RunOrderRow> RunOrder();

// Whether a row is selected by `flag` as the settings reader returned it.
bool IsSelected(const RunOrderRow& row, const std::wstring& flag);

// "Cleaning " + caption + " ......"
std::wstring CleaningStatusText(const std::wstring& caption);

inline constexpr const wchar_t* kClosingRowText = L"Task complete Successfully!";

// "  Cleaned Registry Keys: 41     Released HD Space:12.07MB"
std::wstring StatisticsLine(double registryKeys, double releasedBytes);

// Owns the run of one main window (or console front end): at most one run at a time.
class Cleaner {
 public:
  Cleaner(RunContext& context, RunObserver& observer);

  // Runs one cleaning run to its end on the calling thread. A request made
  // while a run is under way (a timer, tray or menu command handled while the
  // run yields) is dropped: the run in progress already erases what is
  // selected, and starting a second one inside it would interleave two walks
  // over the same items. Returns false when the request was dropped.
  bool CleanNow(bool unattended = false);

  bool IsRunning() const { return running_; }
  bool UnattendedRun() const { return unattended_; }

  // Announces an item: yield, append its row, show "Cleaning <caption> ......".
  void showstatus(const std::wstring& caption);

 private:
  void Run();
  void End();

  RunContext& context_;
  RunObserver& observer_;
  bool running_ = false;
  bool unattended_ = false;
};

}  // namespace engine
