#pragma once

// The program's shortcut in the device's Start menu.
//
// A shortcut file holds one line of UTF-8 text without a line end, in the device's form:
//
//   shortcut = length "#" target
//   length   = the number of characters of target, in decimal
//   target   = '"' installDir "\Coinest.exe" '"'

#include <filesystem>
#include <string>
#include <string_view>

namespace coinest::setup {

// A Korean device has the folder "\Windows\시작"; its shortcut goes to
// "\Windows\시작 메뉴\프로그램\Brivanta 가계부.lnk", any other device's to
// "\Windows\Start Menu\Programs\Brivanta 가계부.lnk".
inline constexpr std::string_view kKoreanStartMarker = "\\Windows\\시작";
inline constexpr std::string_view kKoreanShortcut = "\\Windows\\시작 메뉴\\프로그램\\Brivanta 가계부.lnk";
inline constexpr std::string_view kEnglishShortcut = "\\Windows\\Start Menu\\Programs\\Brivanta 가계부.lnk";

// Where the shortcut lives under `root`, chosen as above.
std::filesystem::path shortcutPath(const std::filesystem::path& root);

// The shortcut's content for a program installed in `installDir` (UTF-8).
std::string shortcutText(std::string_view installDir);

}  // namespace coinest::setup
