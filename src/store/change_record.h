#pragma once

// One change of a record as the desktop companion sees it: a letter naming the table, an
// operation digit, the record's id and its fields. The exchange layer turns it into a change
// file; the table operations only decide when one is due.

#include <cstdint>
#include <string>
#include <vector>

#include "store/records.h"

namespace coinest {

// The letter of each table in change file names.
enum class ChangeLetter : char {
  Entry = 'A',
  Reservation = 'B',
  Link = 'C',
  Asset = 'D',
  Minor = 'E',
  Major = 'F',
  PostingDate = 'G',
  Instalment = 'H',
};

enum class ChangeOp : char {
  Add = '1',
  Modify = '2',
  Delete = '3',
};

// One field: its number (1 up, in the record's layout order) and its value.
struct ChangeField {
  uint8_t number = 0;
  bool isText = false;
  int32_t intValue = 0;
  std::string text;  // UTF-8
};

struct ChangeRecord {
  ChangeLetter letter = ChangeLetter::Entry;
  ChangeOp op = ChangeOp::Add;
  int32_t id = 0;
  std::vector<ChangeField> fields;  // a delete carries field 1, the id, only
};

// Every field of the record in layout order, numbered from 1. For an Asset, field 8 carries the
// billing period's start month (property 14).
template <class R>
std::vector<ChangeField> changeFieldsOf(const R& record);

// The add or modify change of a record.
template <class R>
ChangeRecord recordChange(ChangeLetter letter, ChangeOp op, int32_t id, const R& record) {
  return ChangeRecord{letter, op, id, changeFieldsOf(record)};
}

// The delete change: field 1 holds the id.
ChangeRecord deleteChange(ChangeLetter letter, int32_t id);

}  // namespace coinest
