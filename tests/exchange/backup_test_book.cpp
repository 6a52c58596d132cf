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

namespace coinest::testing {

namespace {

std::string repeated(std::string_view text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

LedgerEntry entry(int32_t id, const char* date, const char* kind, std::string content, int32_t amount) {
  LedgerEntry e;
  e.entryId = id;
  e.entryDate = date;
  e.entryKind = kind;
  e.majorItem = "식비";
  e.minorItem = "외식";
  e.content = std::move(content);
  e.amount = amount;
  e.cardFlag = "N";
  return e;
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
  Asset account;
  account.assetId = 10001;
  account.assetKind = "1";
  account.assetName = "급여통장";
  account.assetNumber = "123-45-6789";
  account.holder = "홍길동";
  account.company = "은행";
  account.balance = 500000;
  EXPECT_TRUE(addAsset(book, account));
  Asset card;
  card.assetId = 10002;
  card.assetKind = "2";
  card.assetName = "카드";
  card.company = "카드사";
  card.note = repeated("메", 256);
  card.periodFromMonth = 2;
  card.periodFromDay = 15;
  card.periodToMonth = 3;
  card.periodToDay = 32;
  card.linkOrPayDay = 10001;
  EXPECT_TRUE(addAsset(book, card));

  LedgerEntry salary = entry(20001, "2007-03-02", "1", "월급", 1500000);
  salary.assetId = account.assetId;
  LedgerEntry purchase = entry(20002, "2007-03-05", "2", repeated("가", 40), 90000);
  purchase.cardFlag = "Y";
  purchase.assetId = card.assetId;
  purchase.instalments = 3;
  purchase.note = repeated("노트", 128);
  LedgerEntry transfer = entry(20003, "2007-03-06", "3", "인출", 100000);
  transfer.majorItem = "현금";
  transfer.minorItem = "인출";
  transfer.assetId = account.assetId;
  LedgerEntry odd = entry(20004, "2007-03-07", "2", "Mixed 영문 text", -1);
  odd.phoneFlag = "Y";
  odd.reserveId = 10005;
  for (const LedgerEntry& e : {salary, purchase, transfer, odd}) EXPECT_TRUE(addEntry(book, e));

  Reservation rent;
  rent.reserveId = 10005;
  rent.dayOfMonth = 25;
  rent.entryKind = "2";
  rent.majorItem = "주거";
  rent.minorItem = "월세";
  rent.content = "월세";
  rent.amount = 300000;
  rent.cardFlag = "N";
  rent.startDate = "2007-03-25";
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
