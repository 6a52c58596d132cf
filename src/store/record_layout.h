#pragma once

// How each record is laid out in its table: property ids, types, text maxima and the values a
// missing property reads as. One generic reader and writer serve every table.

#include <cstddef>
#include <span>
#include <vector>

#include "platform/object_store.h"
#include "store/records.h"

namespace coinest {

// One field of record R: exactly one of the two member pointers is set.
template <class R>
struct Field {
  PropId id = 0;
  int32_t R::*intMember = nullptr;
  std::string R::*textMember = nullptr;
  std::size_t maxChars = 0;  // texts: the longest text the field holds
  const char* preset = "";   // texts: the value when the property is missing (integers read 0)
};

template <class R>
constexpr Field<R> intField(uint16_t number, int32_t R::*member) {
  return Field<R>{makePropId(number, PropType::Int32), member, nullptr, 0, ""};
}

template <class R>
constexpr Field<R> textField(uint16_t number, std::string R::*member, std::size_t maxChars, const char* preset = "") {
  return Field<R>{makePropId(number, PropType::Text), nullptr, member, maxChars, preset};
}

// Specialised for every record type in record_layout.cpp.
template <class R>
std::span<const Field<R>> fieldsOf();

// The properties of a record, ready to write (every field, as the program always writes them).
template <class R>
std::vector<PropValue> propsOf(const R& record);

// Reads the current record of `table` into `record`: a missing property reads as its preset,
// a text longer than its field is cut to the field's length. Returns false when the table
// has no current record (then `record` holds the presets).
template <class R>
bool readRecord(const TableHandle& table, R& record);

}  // namespace coinest
