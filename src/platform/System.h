#pragma once
// Facts about the running system and process.
#include <string>

namespace platform {

// Full path of the running executable.
std::wstring ExecutablePath();

// The Windows directory as the system reports it.
std::wstring WindowsDirectory();

// Major and minor version of Windows. Returns false when the system does not answer.
bool WindowsVersion(int& major, int& minor);

// The value of an environment variable; `found` tells an unset variable from an empty one.
std::wstring EnvironmentVariable(const std::wstring& name, bool* found = nullptr);

// The command line of the process as the system holds it.
std::wstring ProcessCommandLine();

// The current local date and time as text: the user's short date, a blank,
// then the long time, as a default date-to-text conversion gives it.
std::wstring NowAsText();

// The user's decimal separator ("." when the locale gives none).
std::wstring LocaleDecimalSeparator();

}  // namespace platform
