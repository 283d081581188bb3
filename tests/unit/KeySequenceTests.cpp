// Key sequences as the autocomplete item writes them, read into key codes.
#include <gtest/gtest.h>

#include "platform/Input.h"

namespace {

using Keys = std::vector<unsigned short>;

TEST(KeySequence, NamesAndCharactersGiveTheirKeysAnythingElseNothing) {
  const struct {
    const wchar_t* Sequence;
    Keys Expected;
  } cases[] = {
      {L"{U}", {'U'}},
      {L"{c}", {'C'}},
      {L"{ENTER}", {0x0D}},
      {L"{esc}{ESC}", {0x1B, 0x1B}},
      {L"ab{TAB}", {'A', 'B', 0x09}},
      {L"", {}},
      {L"{ENTER", {}},       // unclosed
      {L"{F13}", {}},        // unknown name
      {L"{}", {}},
      {L"x{NOPE}y", {}},     // one bad part spoils the whole sequence
      {L"%", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::ParseKeySequence(c.Sequence), c.Expected) << c.Sequence;
}

}  // namespace
