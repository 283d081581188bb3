#pragma once
// Text-addressed registry access. A key is named by one text: a root key name,
// a backslash and the subkey path
// ("HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\TypedURLs"); a text
// that is only a root key name names the root key itself. A well-formed key
// path begins with "HKEY_" and does not end with a backslash.
//
// Reads go through a buffer of 255 bytes (a string's text in the system's ANSI
// code page plus its terminating NUL): a value that does not fit, a value that
// is not a string, or a string stored without its terminating NUL is a read
// failure, never a cut or overrun text.
//
// This module only reads, writes and creates; deleting belongs to the erase
// primitives (engine/allerase.h). It keeps nothing between calls.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Registry.h"
#include "settings/Text.h"

namespace platform {
class IPrompts;
}

namespace engine {

using platform::RegistryRoot;
using platform::kHkeyClassesRoot;
using platform::kHkeyCurrentConfig;
using platform::kHkeyCurrentUser;
using platform::kHkeyDynData;
using platform::kHkeyLocalMachine;
using platform::kHkeyPerformanceData;
using platform::kHkeyUsers;

// The failure texts: RegReadString answers "Error", RegReadRaw "error".
inline constexpr const wchar_t* kRegReadStringError = L"Error";
inline constexpr const wchar_t* kRegReadRawError = L"error";

// The size of the read buffer in bytes, terminating NUL included.
inline constexpr std::size_t kRegReadBufferBytes = 255;

// The root handle of a root key name ("HKEY_CURRENT_USER"), matched exactly
// with its letter case; 0 for any other text.
RegistryRoot RootKeyFromName(std::wstring_view name);

// Splits a key path into its root (the result) and subkey (left in `path`).
// A malformed path shows "Incorrect Format:", two line feeds and the path in a
// message box (through `prompts`; none when it is null), leaves `path` as it
// was and gives 0. A path without a backslash gives the root and an empty subkey.
RegistryRoot SplitRegistryPath(std::wstring& path, platform::IPrompts* prompts);

// The string value `valueName` of the key `keyPath`: the stored text with
// spaces removed at its start (spaces just before its end stay). "Error" when
// the key cannot be opened or the value cannot be read; "" without any
// registry access when the root name is not recognised or the path is malformed.
std::wstring RegReadString(const std::wstring& keyPath, const std::wstring& valueName,
                           platform::IPrompts* prompts);

// Stores `text` as a string value in an existing key; a key that does not
// exist is not created and nothing is written.
void RegWriteString(const std::wstring& keyPath, const std::wstring& valueName,
                    const std::wstring& text, platform::IPrompts* prompts);

// Creates the key with every missing parent (or leaves it as it is when present).
void RegCreateKeyPath(const std::wstring& keyPath, platform::IPrompts* prompts);

// The string value `valueName` of `subkey` below `root`, as stored up to its
// first NUL, without any trimming; "error" on failure. `valueType` receives the
// value's type whenever the value exists (it is left unchanged otherwise).
std::wstring RegReadRaw(RegistryRoot root, const std::wstring& subkey, const std::wstring& valueName,
                        std::uint32_t& valueType);

// The text up to (not including) its first NUL character.
using settings::TrimAtNul;

}  // namespace engine
