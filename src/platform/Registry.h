#pragma once
// The registry through the system's wide functions. A key is named by one of
// the predefined root keys, given by its handle value (0x80000001 for the
// current user, and so on), and a subkey path below it. Every call opens the
// key it needs and closes it again; nothing is kept between calls.
//
// Only the seven predefined roots are accepted: any other number (a value read
// from a file, for example) is refused rather than used as a key handle.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

using RegistryRoot = std::uint32_t;

inline constexpr RegistryRoot kHkeyClassesRoot = 0x80000000u;
inline constexpr RegistryRoot kHkeyCurrentUser = 0x80000001u;
inline constexpr RegistryRoot kHkeyLocalMachine = 0x80000002u;
inline constexpr RegistryRoot kHkeyUsers = 0x80000003u;
inline constexpr RegistryRoot kHkeyPerformanceData = 0x80000004u;
inline constexpr RegistryRoot kHkeyCurrentConfig = 0x80000005u;
inline constexpr RegistryRoot kHkeyDynData = 0x80000006u;

bool IsPredefinedRoot(RegistryRoot root);

// Value types.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

struct RegistryValueRead {
  bool KeyOpened = false;   // the key could be opened for reading
  bool Exists = false;      // the value exists (Type is then known)
  bool Read = false;        // its data fitted the buffer and is in Data
  std::uint32_t Type = kRegNone;
  std::vector<unsigned char> Data;
};

// Opens `subkey` for reading, queries `valueName` ("" for the default value)
// into a buffer of `bufferBytes` bytes, and closes the key. Data that does not
// fit is not read.
RegistryValueRead ReadRegistryValue(RegistryRoot root, const std::wstring& subkey,
                                    const std::wstring& valueName, std::size_t bufferBytes);

// Opens an existing key for writing (never creates it), stores `text` as a
// string value with its terminating NUL, and closes the key.
bool WriteRegistryString(RegistryRoot root, const std::wstring& subkey,
                         const std::wstring& valueName, const std::wstring& text);

// Stores raw data of any type in an existing key.
bool WriteRegistryData(RegistryRoot root, const std::wstring& subkey, const std::wstring& valueName,
                       std::uint32_t type, const void* data, std::size_t bytes);

// Creates the key with every missing parent, or opens it when present; closes it.
bool CreateRegistryKey(RegistryRoot root, const std::wstring& subkey);

bool RegistryKeyExists(RegistryRoot root, const std::wstring& subkey);

// The names of the values of a key, in the order the system lists them;
// empty when the key cannot be opened.
std::vector<std::wstring> RegistryValueNames(RegistryRoot root, const std::wstring& subkey);

// Removes a key with its values. A key that has subkeys is left as it is.
bool DeleteRegistryKeyOnly(RegistryRoot root, const std::wstring& subkey);

// Removes a key with its values and every subkey at any depth.
bool DeleteRegistryKeyTree(RegistryRoot root, const std::wstring& subkey);

// Removes one value of a key.
bool DeleteRegistryValueAt(RegistryRoot root, const std::wstring& subkey, const std::wstring& valueName);

}  // namespace platform
