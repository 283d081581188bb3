#pragma once
// Key sequences typed into whatever window has the keyboard focus. Item
// handlers send keys only through this interface, so tests record the
// sequences instead of typing into the desktop.
//
// A sequence is written as key names in braces, one after the other: a single
// letter or digit ("{U}"), or one of ENTER, ESC, TAB, SPACE, BACKSPACE, DELETE,
// UP, DOWN, LEFT, RIGHT, HOME, END ("{ENTER}", "{ESC}"). A character outside
// braces stands for its own key.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class IKeySender {
 public:
  virtual ~IKeySender() = default;
  // Types `sequence` into the foreground window when that window belongs to
  // the program with process id `toProcess` (waiting a moment for one of its
  // windows to come to the front), then waits until the program has taken the
  // keys (or a short time has passed). Keys are never typed into another
  // program's window. Returns false when the sequence is malformed, no window
  // of that program is in front, or the keys could not be sent.
  virtual bool SendKeysAndWait(const std::wstring& sequence, std::uint32_t toProcess) = 0;
};

// The keys of a sequence as virtual-key codes; empty for a malformed or
// unknown sequence.
std::vector<unsigned short> ParseKeySequence(const std::wstring& sequence);

class Win32KeySender : public IKeySender {
 public:
  // `frontWaitMilliseconds`: how long a window of the program may take to come to the front.
  explicit Win32KeySender(std::uint32_t frontWaitMilliseconds = 3000) : frontWait_(frontWaitMilliseconds) {}
  bool SendKeysAndWait(const std::wstring& sequence, std::uint32_t toProcess) override;

 private:
  std::uint32_t frontWait_;
};

}  // namespace platform
