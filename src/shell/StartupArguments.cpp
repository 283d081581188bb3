#include "shell/StartupArguments.h"

namespace shell {

std::wstring ArgumentPart(const std::wstring& commandLine) {
  std::size_t i = 0;
  if (i < commandLine.size() && commandLine[i] == L'"') {
    std::size_t close = commandLine.find(L'"', 1);
    i = close == std::wstring::npos ? commandLine.size() : close + 1;
  } else {
    while (i < commandLine.size() && commandLine[i] != L' ' && commandLine[i] != L'\t') ++i;
  }
  while (i < commandLine.size() && (commandLine[i] == L' ' || commandLine[i] == L'\t')) ++i;
  return commandLine.substr(i);
}

}  // namespace shell
