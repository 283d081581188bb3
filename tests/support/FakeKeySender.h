#pragma once
// Records the key sequences a handler would type into the focused window.
#include <functional>
#include <string>
#include <vector>

#include "platform/Input.h"

namespace test {

class FakeKeySender : public platform::IKeySender {
 public:
  bool SendKeysAndWait(const std::wstring& sequence) override {
    if (OnSend) OnSend(sequence);
    Sequences.push_back(sequence);
    return true;
  }
  std::vector<std::wstring> Sequences;
  std::function<void(const std::wstring&)> OnSend;  // runs before each sequence is recorded
};

}  // namespace test
