#pragma once
// How the program shows a local date and time: the user's short date, a
// blank, then the long time (inside the platform layer only).
#include <windows.h>

#include <string>

namespace platform {

std::wstring DateTimeText(const SYSTEMTIME& local);

}  // namespace platform
