// Key sequences typed by the system's key sender: only into a window of the
// program they are meant for.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/Input.h"
#include "ui/Window.h"

namespace {

TEST(KeySender, TypesOnlyIntoAWindowOfTheProgramNamed) {
  ui::Form form;
  ASSERT_TRUE(form.Create(L"keys", L"Key sender test", 240, 120));
  ui::Control& box = form.AddTextBox(L"Text1", L"", {8, 8, 200, 24});
  form.Show();
  SetForegroundWindow(form.Hwnd());
  SetFocus(box.Hwnd());
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  if (GetForegroundWindow() != form.Hwnd()) GTEST_SKIP() << "the test window cannot be brought to the front";

  platform::Win32KeySender sender(100);
  // Meant for another program: this window is in front, so nothing is typed.
  EXPECT_FALSE(sender.SendKeysAndWait(L"{U}", GetCurrentProcessId() + 4));
  EXPECT_EQ(box.Text(), L"");
  // Meant for this program: its window takes the keys.
  EXPECT_TRUE(sender.SendKeysAndWait(L"{U}{C}", GetCurrentProcessId()));
  EXPECT_EQ(box.Text(), L"uc");
  EXPECT_FALSE(sender.SendKeysAndWait(L"{NOPE}", GetCurrentProcessId()));
}

}  // namespace
