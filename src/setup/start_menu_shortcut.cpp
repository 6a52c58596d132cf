#include "setup/start_menu_shortcut.h"

#include <system_error>

#include "setup/setup_files.h"

namespace coinest::setup {

namespace {

// The device counts characters, not bytes: every byte but a UTF-8 continuation byte starts one.
std::size_t characterCount(std::string_view text) {
  std::size_t count = 0;
  for (const char byte : text) {
    if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace

std::filesystem::path shortcutPath(const std::filesystem::path& root) {
  std::error_code ignored;
  const bool korean = std::filesystem::exists(underRoot(root, kKoreanStartMarker), ignored);
  return underRoot(root, korean ? kKoreanShortcut : kEnglishShortcut);
}

std::string shortcutText(std::string_view installDir) {
  const std::string target = "\"" + std::string(installDir) + "\\Coinest.exe\"";
  return std::to_string(characterCount(target)) + "#" + target;
}

}  // namespace coinest::setup
