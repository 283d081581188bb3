#pragma once
// Whole-file reading, adding at the end and atomic replacement, for the
// program's small text data files (keep lists and the like). Contents are
// bytes: code-page conversion is the caller's (FromAnsi / ToAnsi).
#include <string>

namespace platform {

// The whole content of `path`. Returns false (and leaves `bytes` empty) when
// the file does not exist or cannot be read.
bool ReadWholeFile(const std::wstring& path, std::string& bytes);

// Adds `bytes` at the end of `path`, creating the file when it is missing.
// Returns false when the file cannot be opened or written.
bool AppendToFile(const std::wstring& path, const std::string& bytes);

// Replaces the content of `path` by `bytes` so that an interrupted rewrite
// never leaves a truncated file: the new content is written to a file beside
// it, flushed to disk, and then swapped in by one replacing move. On any
// failure the old file stays as it was and false is returned.
bool ReplaceFileContent(const std::wstring& path, const std::string& bytes);

}  // namespace platform
