#pragma once
// Key sequences typed into whatever window has the keyboard focus. Item
// handlers send keys only through this interface, so tests record the
// sequences instead of typing into the desktop.
//
// A sequence is written as key names in braces, one after the other: a single
// letter or digit ("{U}"), or one of ENTER, ESC, TAB, SPACE, BACKSPACE, DELETE,
// UP, DOWN, LEFT, RIGHT, HOME, END ("{ENTER}", "{ESC}"). A character outside
// braces stands for its own key.
#include <string>
#include <vector>

namespace platform {

class IKeySender {
 public:
  virtual ~IKeySender() = default;
  // Types `sequence` into the foreground window and waits until the window's
  // program has taken the keys (or a short time has passed). Returns false
  // when the sequence is malformed or the keys could not be sent.
  virtual bool SendKeysAndWait(const std::wstring& sequence) = 0;
};

// The keys of a sequence as virtual-key codes; empty for a malformed or
// unknown sequence.
std::vector<unsigned short> ParseKeySequence(const std::wstring& sequence);

class Win32KeySender : public IKeySender {
 public:
  bool SendKeysAndWait(const std::wstring& sequence) override;
};

}  // namespace platform
