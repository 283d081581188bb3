#pragma once
// The program's names as it shows them.
namespace settings {

inline constexpr const wchar_t* kAppTitle = L"Sorvane";            // message boxes, popups
inline constexpr const wchar_t* kMainCaption = L"Sorvane V6.10";   // main window caption

}  // namespace settings
