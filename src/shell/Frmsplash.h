#pragma once
// The start form: shown while the main window loads, then replaced by it.
#include "ui/Window.h"

namespace shell {

class FrmMainCode;

class Frmsplash : public ui::Form {
 public:
  static constexpr unsigned kShowMilliseconds = 2000;

  explicit Frmsplash(FrmMainCode& main);
  // Shows the start form, loads the main window (not shown) and starts the
  // timer that shows the main window and closes the start form.
  bool Start();
  bool Finished() const { return finished_; }

 private:
  void OnTimer();

  FrmMainCode& main_;
  bool finished_ = false;
};

}  // namespace shell
