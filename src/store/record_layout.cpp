#include "store/record_layout.h"

#include <array>

#include "platform/utf8_text.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

const std::array kLedgerEntryFields = {
    intField(1, &LedgerEntry::entryId),
    textField(2, &LedgerEntry::entryDate, 10),
    textField(3, &LedgerEntry::entryKind, 1),
    textField(4, &LedgerEntry::majorItem, 20),
    textField(5, &LedgerEntry::minorItem, 20),
    textField(6, &LedgerEntry::content, 40),
    intField(7, &LedgerEntry::amount),
    textField(8, &LedgerEntry::cardFlag, 1),
    textField(9, &LedgerEntry::note, 256),
    intField(10, &LedgerEntry::reserveId),
    intField(11, &LedgerEntry::assetId),
    intField(12, &LedgerEntry::instalments),
    textField(13, &LedgerEntry::phoneFlag, 1, kNo),
    textField(14, &LedgerEntry::checkCardFlag, 1, kNo),
    intField(15, &LedgerEntry::toAssetId),
};

const std::array kInstalmentRowFields = {
    intField(1, &InstalmentRow::instId),
    textField(2, &InstalmentRow::instDate, 10),
    intField(3, &InstalmentRow::entryId),
    intField(4, &InstalmentRow::instNo),
    intField(5, &InstalmentRow::cardId),
};

const std::array kReservationFields = {
    intField(1, &Reservation::reserveId),
    intField(2, &Reservation::dayOfMonth),
    textField(3, &Reservation::entryKind, 1),
    textField(4, &Reservation::majorItem, 20),
    textField(5, &Reservation::minorItem, 20),
    textField(6, &Reservation::content, 40),
    intField(7, &Reservation::amount),
    textField(8, &Reservation::cardFlag, 1),
    textField(9, &Reservation::startDate, 10),
    textField(10, &Reservation::note, 256),
    intField(11, &Reservation::assetId),
    intField(12, &Reservation::instalments),
    textField(13, &Reservation::phoneFlag, 1, kNo),
    textField(14, &Reservation::checkCardFlag, 1, kNo),
};

const std::array kReservationLinkFields = {
    intField(1, &ReservationLink::linkId),
    textField(2, &ReservationLink::postedMonth, 6),
    intField(3, &ReservationLink::reserveId),
    intField(4, &ReservationLink::entryId),
};

const std::array kPostingDateFields = {
    textField(1, &PostingDate::postedThrough, 10),
};

const std::array kMajorItemFields = {
    intField(1, &MajorItem::majorId),
    textField(2, &MajorItem::itemKind, 1),
    textField(3, &MajorItem::itemName, 20),
    intField(4, &MajorItem::itemOrder),
};

const std::array kMinorItemFields = {
    intField(1, &MinorItem::minorId),
    intField(2, &MinorItem::majorId),
    textField(3, &MinorItem::itemName, 20),
    intField(4, &MinorItem::itemOrder),
    textField(5, &MinorItem::inUse, 1),
};

// Property 8 is not used: the billing period's start month is property 14.
const std::array kAssetFields = {
    intField(1, &Asset::assetId),
    textField(2, &Asset::assetKind, 1),
    textField(3, &Asset::assetName, 40),
    textField(4, &Asset::assetNumber, 40),
    textField(5, &Asset::holder, 40),
    textField(6, &Asset::note, 256),
    textField(7, &Asset::company, 40),
    intField(14, &Asset::periodFromMonth),
    intField(9, &Asset::periodFromDay),
    intField(10, &Asset::periodToMonth),
    intField(11, &Asset::periodToDay),
    intField(12, &Asset::linkOrPayDay),
    intField(13, &Asset::balance),
};

const std::array kIdCountersFields = {
    intField(0, &IdCounters::entryCounter),
    intField(1, &IdCounters::instCounter),
    intField(2, &IdCounters::minorCounter),
    intField(3, &IdCounters::reserveCounter),
    intField(4, &IdCounters::linkCounter),
};

const std::array kConSettingsFields = {
    textField(1, &ConSettings::loginPrompt, 1, kNo),
    textField(2, &ConSettings::password, 10),
    textField(3, &ConSettings::showUsedOnly, 1, kNo),
    textField(4, &ConSettings::settlementStartDay, 2, "1"),
};

const std::array kCon2SettingsFields = {
    textField(1, &Con2Settings::autoCarryOver, 1, kNo),
    intField(2, &Con2Settings::carryYear),
    intField(3, &Con2Settings::carryMonth),
};

const std::array kHolidayFields = {
    intField(0, &Holiday::holidayNo),
    textField(1, &Holiday::holidayDate, 10),
    textField(2, &Holiday::holidayName, 40),
    textField(3, &Holiday::lunarDate, 5),
};

}  // namespace

#define COINEST_LAYOUT(Record, fields)                                  \
  template <>                                                           \
  std::span<const Field<Record>> fieldsOf<Record>() {                   \
    return fields;                                                      \
  }                                                                     \
  template std::vector<PropValue> propsOf<Record>(const Record&);       \
  template bool readRecord<Record>(const TableHandle&, Record&);

template <class R>
std::vector<PropValue> propsOf(const R& record) {
  std::vector<PropValue> props;
  for (const Field<R>& f : fieldsOf<R>()) {
    props.push_back(f.intMember ? PropValue::ofInt(f.id, record.*f.intMember)
                                : PropValue::ofText(f.id, record.*f.textMember));
  }
  return props;
}

template <class R>
bool readRecord(const TableHandle& table, R& record) {
  const std::span<const Field<R>> fields = fieldsOf<R>();
  std::vector<PropValue> props;
  props.reserve(fields.size());
  for (const Field<R>& f : fields) {
    props.push_back(f.intMember ? PropValue::ofInt(f.id, 0) : PropValue::ofText(f.id, f.preset));
  }
  const bool current = table.readProps(props);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const Field<R>& f = fields[i];
    if (f.intMember) {
      record.*f.intMember = props[i].intValue;
    } else {
      record.*f.textMember = std::string(utf8Prefix(props[i].text, f.maxChars));
    }
  }
  return current;
}

COINEST_LAYOUT(LedgerEntry, kLedgerEntryFields)
COINEST_LAYOUT(InstalmentRow, kInstalmentRowFields)
COINEST_LAYOUT(Reservation, kReservationFields)
COINEST_LAYOUT(ReservationLink, kReservationLinkFields)
COINEST_LAYOUT(PostingDate, kPostingDateFields)
COINEST_LAYOUT(MajorItem, kMajorItemFields)
COINEST_LAYOUT(MinorItem, kMinorItemFields)
COINEST_LAYOUT(Asset, kAssetFields)
COINEST_LAYOUT(IdCounters, kIdCountersFields)
COINEST_LAYOUT(ConSettings, kConSettingsFields)
COINEST_LAYOUT(Con2Settings, kCon2SettingsFields)
COINEST_LAYOUT(Holiday, kHolidayFields)

#undef COINEST_LAYOUT

}  // namespace coinest
