#pragma once
// Records the key sequences a handler would type, and the program whose
// window they were meant for. `FrontProcess` is the program whose window is
// in front: keys meant for another are refused, as the real sender refuses them.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Input.h"

namespace test {

class FakeKeySender : public platform::IKeySender {
 public:
  bool SendKeysAndWait(const std::wstring& sequence, std::uint32_t toProcess) override {
    if (OnSend) OnSend(sequence);
    if (FrontProcess && *FrontProcess != toProcess) return false;
    Sequences.push_back(sequence);
    Targets.push_back(toProcess);
    return true;
  }
  std::vector<std::wstring> Sequences;
  std::vector<std::uint32_t> Targets;
  std::optional<std::uint32_t> FrontProcess;  // none: the intended window is always in front
  std::function<void(const std::wstring&)> OnSend;  // runs before each sequence is sent
};

}  // namespace test
