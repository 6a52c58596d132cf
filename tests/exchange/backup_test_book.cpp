#include "exchange/backup_test_book.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "ledger/entry_rules.h"
#include "store/asset_table.h"
#include "store/category_tables.h"
#include "store/id_counters.h"
#include "store/reservation_tables.h"
#include "store/table_catalogue.h"
#include "support/record_builders.h"

namespace coinest::testing {

namespace {

std::string repeated(std::string_view text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

}  // namespace

std::string tableSnapshot(ObjectStore& store, std::string_view table) {
  std::string out = std::string(table) + " sorts";
  for (const SortOrder& s : store.sortOrdersOf(table)) {
    out += " " + std::to_string(s.prop) + "/" + std::to_string(s.flags);
  }
  out += "\n";
  TableHandle t = store.openTable(table, 0);
  if (!t) return out + " (no table)\n";
  for (RecordId r = t.seek(SeekMode::SeekFromFirst, 0); r != 0; r = t.seek(SeekMode::SeekFromCurrent, 1)) {
    out += " ";
    for (const PropValue& p : t.readAllProps()) {
      out += " " + std::to_string(propNumber(p.id)) + "=";
      out += isTextProp(p.id) ? "\"" + p.text + "\"" : std::to_string(p.intValue);
    }
    out += "\n";
  }
  return out;
}

std::string bookSnapshot(ObjectStore& store) {
  std::string out;
  for (const TableDef& def : bookTables()) out += tableSnapshot(store, def.name);
  return out;
}

void fillRichBook(Book& book) {
  const Asset account = makeAsset({.id = 10001,
                                   .name = "급여통장",
                                   .number = "123-45-6789",
                                   .holder = "홍길동",
                                   .company = "은행",
                                   .balance = 500000});
  EXPECT_TRUE(addAsset(book, account));
  Asset card = makeAsset({.id = 10002,
                          .kind = "2",
                          .name = "카드",
                          .company = "카드사",
                          .periodFromMonth = 2,
                          .periodFromDay = 15,
                          .periodToMonth = 3,
                          .periodToDay = 32,
                          .linkOrPayDay = 10001});
  card.note = repeated("메", 256);
  EXPECT_TRUE(addAsset(book, card));

  const LedgerEntry salary = makeEntry({.id = 20001,
                                        .date = "2007-03-02",
                                        .kind = "1",
                                        .content = "월급",
                                        .amount = 1500000,
                                        .assetId = account.assetId});
  LedgerEntry purchase = makeEntry({.id = 20002,
                                    .date = "2007-03-05",
                                    .content = repeated("가", 40),
                                    .amount = 90000,
                                    .cardFlag = "Y",
                                    .assetId = card.assetId,
                                    .instalments = 3});
  purchase.note = repeated("노트", 128);
  const LedgerEntry transfer = makeEntry({.id = 20003,
                                          .date = "2007-03-06",
                                          .kind = "3",
                                          .major = "현금",
                                          .minor = "인출",
                                          .content = "인출",
                                          .amount = 100000,
                                          .assetId = account.assetId});
  LedgerEntry odd = makeEntry({.id = 20004, .date = "2007-03-07", .content = "Mixed 영문 text", .amount = -1});
  odd.phoneFlag = "Y";
  odd.reserveId = 10005;
  for (const LedgerEntry& e : {salary, purchase, transfer, odd}) EXPECT_TRUE(addEntry(book, e));

  Reservation rent = makeReservation({.id = 10005, .major = "주거", .startDate = "2007-03-25"});
  rent.checkCardFlag = "Y";
  EXPECT_TRUE(addReservation(book, rent));
  EXPECT_TRUE(addReservationLink(book, ReservationLink{10007, "200703", 10005, 20004}));
  EXPECT_TRUE(addMajorItem(book, MajorItem{10090, "2", "취미", 18}));
  EXPECT_TRUE(addMinorItem(book, MinorItem{10091, 10090, "낚시", 1, "Y"}));
  for (CounterNo n : {CounterNo::Entry, CounterNo::Instalment, CounterNo::Minor, CounterNo::Reservation,
                      CounterNo::Link}) {
    raiseCounter(book.store, n, 30000 + static_cast<int>(n));
  }
}

void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string fieldRecord(uint8_t tag, uint16_t number, std::string_view value) {
  std::string out;
  out += static_cast<char>(tag);
  out += static_cast<char>(number >> 8);
  out += static_cast<char>(number & 0xFF);
  out += static_cast<char>(value.size() >> 8);
  out += static_cast<char>(value.size() & 0xFF);
  out += value;
  return out;
}

}  // namespace coinest::testing
