#include "shell/device_kind.h"

#include <cstdlib>

#include "platform/utf8_text.h"

namespace coinest {

DeviceKind deviceKindOf(std::string_view oemInfo) {
  if (oemInfo == "hp iPAQ rw6100") return DeviceKind::Rw6100;
  if (oemInfo == "CYBERBANK") return DeviceKind::Cyberbank;
  if (oemInfo.starts_with("SAMSUNG")) return DeviceKind::Samsung;
  if (oemInfo.starts_with("LG")) return DeviceKind::Lg;
  return DeviceKind::Other;
}

std::string deviceOemInfo() {
  const char* text = std::getenv("COINEST_OEM_INFO");
  return text == nullptr ? std::string() : std::string(utf8Prefix(text, kOemInfoMaxChars));
}

}  // namespace coinest
