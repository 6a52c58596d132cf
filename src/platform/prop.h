#pragma once

#include <cstdint>
#include <string>

namespace coinest {

// A property identifier: the property number in the high 16 bits, the type code in the low 16.
using PropId = uint32_t;

enum class PropType : uint16_t {
  Int32 = 3,
  Text = 31,
};

constexpr PropId makePropId(uint16_t number, PropType type) {
  return (static_cast<uint32_t>(number) << 16) | static_cast<uint16_t>(type);
}
constexpr uint16_t propNumber(PropId id) { return static_cast<uint16_t>(id >> 16); }
constexpr PropType propType(PropId id) { return static_cast<PropType>(id & 0xFFFFu); }
constexpr bool isTextProp(PropId id) { return propType(id) == PropType::Text; }
constexpr bool isIntProp(PropId id) { return propType(id) == PropType::Int32; }

// One property of a record. On reading, `found` is false when the record lacks the property;
// the caller's preset value is then left as it was.
struct PropValue {
  PropId id = 0;
  int32_t intValue = 0;
  std::string text;  // UTF-8
  bool found = true;

  static PropValue ofInt(PropId id, int32_t value) { return PropValue{id, value, {}, true}; }
  static PropValue ofText(PropId id, std::string value) { return PropValue{id, 0, std::move(value), true}; }
};

}  // namespace coinest
