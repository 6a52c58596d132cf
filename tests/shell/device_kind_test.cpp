#include "shell/device_kind.h"

#include <gtest/gtest.h>

namespace coinest {
namespace {

TEST(DeviceKind, NamedByTheInformationText) {
  struct Case {
    const char* text;
    DeviceKind kind;
  };
  const Case cases[] = {
      {"hp iPAQ rw6100", DeviceKind::Rw6100},
      {"hp iPAQ rw6100 ", DeviceKind::Other},  // equal, not begins with
      {"CYBERBANK", DeviceKind::Cyberbank},
      {"cyberbank", DeviceKind::Other},
      {"SAMSUNG SPH-M4300", DeviceKind::Samsung},
      {"LG KC1", DeviceKind::Lg},
      {"SAMSUNGLG", DeviceKind::Samsung},  // the tests run in order
      {"", DeviceKind::Other},
      {"Linux", DeviceKind::Other},
  };
  for (const Case& c : cases) EXPECT_EQ(deviceKindOf(c.text), c.kind) << c.text;
}

TEST(DeviceKind, TheTextComesFromTheEnvironmentCut) {
  ::unsetenv("COINEST_OEM_INFO");
  EXPECT_EQ(deviceOemInfo(), "");
  ::setenv("COINEST_OEM_INFO", std::string(150, 'x').c_str(), 1);
  EXPECT_EQ(deviceOemInfo().size(), kOemInfoMaxChars);
  ::setenv("COINEST_OEM_INFO", "SAMSUNG", 1);
  EXPECT_EQ(deviceKindOf(deviceOemInfo()), DeviceKind::Samsung);
  ::unsetenv("COINEST_OEM_INFO");
}

}  // namespace
}  // namespace coinest
