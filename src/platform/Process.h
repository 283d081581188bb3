#pragma once
// Starting other programs. Item handlers start Internet Explorer's clean-up
// commands and the menus start companion programs only through this interface,
// so tests observe the command lines without running anything.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

class IProcessLauncher {
 public:
  virtual ~IProcessLauncher() = default;
  // Starts `commandLine` in a minimized window that takes the focus, and returns at once.
  // Returns false when the program could not be started.
  virtual bool StartMinimized(const std::wstring& commandLine) = 0;
  // Starts `commandLine` hidden and waits for its end. Returns false when the
  // program could not be started.
  virtual bool RunHiddenAndWait(const std::wstring& commandLine) = 0;
  // Starts `commandLine` hidden and returns at once. Returns false when the
  // program could not be started.
  virtual bool StartHidden(const std::wstring& commandLine) = 0;
  // Starts `commandLine` hidden and waits until the program is ready for input
  // (its first window waits for keys) or a few seconds have passed. Gives the
  // program's process id, so that keys can be typed into its windows only;
  // nothing when the program could not be started.
  virtual std::optional<std::uint32_t> StartHiddenForInput(const std::wstring& commandLine) = 0;
};

class Win32ProcessLauncher : public IProcessLauncher {
 public:
  bool StartMinimized(const std::wstring& commandLine) override;
  bool RunHiddenAndWait(const std::wstring& commandLine) override;
  bool StartHidden(const std::wstring& commandLine) override;
  std::optional<std::uint32_t> StartHiddenForInput(const std::wstring& commandLine) override;
};

}  // namespace platform
