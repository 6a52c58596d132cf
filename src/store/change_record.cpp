#include "store/change_record.h"

#include "store/record_layout.h"

namespace coinest {

template <class R>
std::vector<ChangeField> changeFieldsOf(const R& record) {
  std::vector<ChangeField> fields;
  uint8_t number = 0;
  for (const Field<R>& f : fieldsOf<R>()) {
    ChangeField field;
    field.number = ++number;
    field.isText = f.textMember != nullptr;
    if (field.isText) {
      field.text = record.*f.textMember;
    } else {
      field.intValue = record.*f.intMember;
    }
    fields.push_back(std::move(field));
  }
  return fields;
}

template std::vector<ChangeField> changeFieldsOf(const LedgerEntry&);
template std::vector<ChangeField> changeFieldsOf(const InstalmentRow&);
template std::vector<ChangeField> changeFieldsOf(const Reservation&);
template std::vector<ChangeField> changeFieldsOf(const ReservationLink&);
template std::vector<ChangeField> changeFieldsOf(const PostingDate&);
template std::vector<ChangeField> changeFieldsOf(const MajorItem&);
template std::vector<ChangeField> changeFieldsOf(const MinorItem&);
template std::vector<ChangeField> changeFieldsOf(const Asset&);

ChangeRecord deleteChange(ChangeLetter letter, int32_t id) {
  ChangeField field;
  field.number = 1;
  field.intValue = id;
  return ChangeRecord{letter, ChangeOp::Delete, id, {field}};
}

}  // namespace coinest
