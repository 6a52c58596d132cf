// coinest-cli entry, asset, reservation and category: the record dialogs driven from the command
// line, one table of command lines walked on one book, from empty.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

const std::string kAssets = "CoinestAssets";
const std::string kEntries = "CoinestBooks";
const std::string kReservations = "CoinestReserve";
const std::string kMajors = "CoinestIteml";
const std::string kMinors = "CoinestItems";

// A record as a step leaves it: the properties named (by number, as `dump` prints them) hold these
// values; null fields: there is no such record.
struct Stored {
  std::string table;
  int id;
  nlohmann::json fields;
};

struct Step {
  std::vector<std::string> args;
  int status;
  std::string out;
  // The error output: all of it when this ends with a line break, else a part of it; empty: none.
  std::string err;
  // What a step that exits 0 has stored. A step that exits otherwise must leave every table as it was.
  std::vector<Stored> effect = {};
  // The number of records in a table after the step.
  std::map<std::string, std::size_t> counts = {};
};

// A lunch paid in cash, with one option replaced or added.
std::vector<std::string> lunchBy(const std::string& name, const std::string& value) {
  std::vector<std::string> args = {"entry", "add", "--date", "2007-03-04", "--kind", "지출", "--major", "식비",
                                   "--minor", "외식", "--content", "점심", "--amount", "100"};
  const auto given = std::find(args.begin(), args.end(), name);
  if (given != args.end()) {
    given[1] = value;
  } else {
    args.insert(args.end(), {name, value});
  }
  return args;
}

const std::vector<Step>& steps() {
  static const std::vector<Step> table = {
      // An empty book: ids that name no record, lists with nothing to offer yet.
      {{"entry", "edit", "10001", "--amount", "1"}, 2, "", "no entry with id 10001\n"},
      {{"entry", "delete", "10001"}, 2, "", "no entry with id 10001\n"},
      {{"asset", "edit", "10001", "--company", "x"}, 2, "", "no asset with id 10001\n"},
      {{"asset", "delete", "10001"}, 2, "", "no asset with id 10001\n"},
      {{"reservation", "edit", "10009", "--amount", "5"}, 2, "", "no reservation with id 10009\n"},
      {{"reservation", "delete", "10009"}, 2, "", "no reservation with id 10009\n"},
      {{"category", "edit", "--kind", "지출", "--major", "99999", "--name", "x"}, 2, "", "--major: \"99999\" is not offered"},
      {{"asset", "add", "--kind", "체크카드", "--company", "신한", "--account", "없음"}, 2, "",
       "--account: \"없음\" is not offered; the choices are \"\"\n"},

      // Categories.
      {{"category", "add", "--kind", "지출", "--name", "반려동물"}, 0, "saved\t10001\n", "",
       {{kMajors, 10001, {{"3", "반려동물"}}}}},
      {{"category", "add", "--kind", "지출", "--major", "반려동물", "--name", "사료", "--use", "미사용"}, 0,
       "saved\t10001\n", ""},
      {{"category", "edit", "--kind", "지출", "--major", "반려동물", "--name", "애완동물"}, 0, "saved\t10001\n", "",
       {{kMajors, 10001, {{"3", "애완동물"}}}}},
      {{"category", "up", "--kind", "지출", "--major", "10001"}, 0, "moved\t10001\n", ""},
      {{"category", "up", "--kind", "지출", "--major", "식비"}, 0, "", ""},  // the first row stays
      {{"category", "delete", "--kind", "지출", "--major", "애완동물", "--minor", "사료"}, 0, "deleted\t10001\n", "",
       {{kMinors, 10001, nullptr}}},
      {{"category", "add", "--kind", "지출", "--name", "식비"}, 1, "", "입력하신 대항목명은 이미 존재합니다"},
      {{"category", "add", "--kind", "수입", "--name", "카드대금"}, 1, "", "대항목에 카드대금은 등록할 수 없습니다"},
      {{"category", "add", "--kind", "지출", "--major", "식비", "--name", "외식"}, 1, "",
       "입력하신 소항목명은 이미 존재합니다"},
      {{"category", "edit", "--kind", "지출", "--major", "카드대금", "--name", "x"}, 1, "",
       "대항목에 카드대금은 수정할 수 없습니다"},
      {{"category", "delete", "--kind", "수입", "--major", "전월이월", "--minor", "전월이월"}, 1, "",
       "소항목에 전월이월은 삭제할 수 없습니다"},
      {{"category", "add", "--kind", "지출", "--name", "취미", "--use", "사용"}, 2, "",
       "only a minor category is used or not"},


      // The asset dialog's refusals.
      {{"asset", "add", "--kind", "보험"}, 1, "", "보험사명은 반드시 입력해야 합니다"},
      {{"asset", "add", "--kind", "통장", "--company", "국민", "--balance", "12a"}, 1, "", "금액은 숫자만 입력해야 합니다"},
      {{"asset", "add", "--kind", "신용카드", "--company", "BC", "--from-month", "전월"}, 1, "",
       "결제청구기간 자료가 올바르지 않습니다"},
      {{"asset", "add", "--kind", "통장", "--company", "국민", "--balance", "0", "--pay-day", "1일"}, 2, "",
       "--pay-day: a 통장 has no such field"},
      {{"asset", "add", "--kind", "카드", "--company", "BC"}, 2, "", "통장, 신용카드, 체크카드, 보험, 증권, 기타"},
      {{"asset", "add", "--kind", "기타", "--company", "a😀"}, 2, "", "문자는 가계부에 저장할 수 없습니다"},

      // The assets the entries and reservations are paid with.
      {{"asset", "add", "--kind", "통장", "--company", "국민", "--name", "급여", "--balance", "-50000"}, 0,
       "saved\t10001\n", "", {{kAssets, 10001, {{"7", "국민"}, {"3", "급여"}, {"13", -50000}}}}},
      {{"asset", "add", "--kind", "체크카드", "--company", "신한", "--account", "국민 급여 "}, 0, "saved\t10002\n", "",
       {{kAssets, 10002, {{"12", 10001}}}}},
      {{"asset", "add", "--kind", "신용카드", "--company", "BC", "--pay-day", "25일", "--from-month", "전월",
        "--from-day", "1일", "--to-month", "전월", "--to-day", "말일"},
       0, "saved\t10003\n", "", {{kAssets, 10003, {{"12", 25}, {"14", 2}, {"9", 1}, {"10", 2}, {"11", 32}}}}},
      // A list item by the number it stands for.
      {{"asset", "add", "--kind", "신용카드", "--company", "삼성", "--name", "신용", "--holder", "나", "--pay-day", "14",
        "--from-month", "1", "--from-day", "15", "--to-month", "2", "--to-day", "32"},
       0, "saved\t10004\n", "", {{kAssets, 10004, {{"12", 14}, {"14", 1}, {"9", 15}, {"10", 2}, {"11", 32}}}}},
      {{"asset", "edit", "10004", "--pay-day", "15일"}, 0, "saved\t10004\n", "", {{kAssets, 10004, {{"12", 15}}}}},
      {{"asset", "edit", "10004", "--pay-day", "32"}, 2, "",
       "--pay-day: \"32\" is not offered; the choices are \"\", \"1일\", \"2일\""},
      {{"asset", "edit", "10004", "--pay-day", "-1"}, 2, "", "or their numbers 0 to 31"},
      {{"asset", "edit", "10004", "--from-month", "4"}, 2, "", "\"\", \"전전월\", \"전월\", \"당월\", or their numbers 0 to 3"},
      {{"asset", "add", "--kind", "통장", "--company", "농협", "--name", "저축", "--holder", "나", "--balance", "0"}, 0, "saved\t10005\n", ""},
      {{"asset", "edit", "10002", "--holder", "홍", "--account", ""}, 0, "saved\t10002\n", "",
       {{kAssets, 10002, {{"5", "홍"}, {"12", 0}}}}},

      // Reservations: the day by its item or its number, the instalments by their item or months.
      {{"reservation", "add", "--day", "5", "--major", "주거/통신", "--minor", "관리비", "--content", "관리비",
        "--amount", "150000", "--means", "10001"},
       0, "saved\t10006\n", "",
       {{kReservations, 10006, {{"2", 5}, {"5", "관리비"}, {"7", 150000}, {"11", 10001}}},
        {kAssets, 10001, {{"13", -50000 - 150000}}}},  // posted at once: its day has come
       {{kEntries, 1}}},
      {{"reservation", "add", "--kind", "카드지출", "--day", "매월20일", "--content", "학원", "--amount", "200000",
        "--means", "BC  ", "--instalments", "3개월"},
       0, "saved\t10007\n", "", {{kReservations, 10007, {{"2", 20}, {"8", "Y"}, {"11", 10003}, {"12", 3}}}},
       {{kEntries, 1}}},
      {{"reservation", "edit", "10007", "--amount", "210000", "--instalments", "4"}, 0, "saved\t10007\n", "",
       {{kReservations, 10007, {{"7", 210000}, {"12", 4}, {"6", "학원"}}}}},
      {{"reservation", "edit", "10007", "--instalments", "1"}, 0, "saved\t10007\n", "",
       {{kReservations, 10007, {{"12", 1}}}}},
      {{"reservation", "edit", "10007", "--instalments", "25"}, 2, "",
       "--instalments: \"25\" is not offered; the choices are \"\", \"일시불\", \"2개월\""},
      {{"reservation", "edit", "10007", "--day", "32"}, 2, "", "--day: \"32\" is not offered; the choices are \"매월 1일\""},
      {{"reservation", "add", "--amount", "1000"}, 1, "", "예약 내용은 반드시 입력해야 합니다"},
      {{"reservation", "add", "--content", "x", "--amount", "00"}, 1, "", "금액은 0보다 커야 합니다"},
      {{"reservation", "add", "--content", "x", "--amount", "1000", "--instalments", "3개월"}, 2, "",
       "only a 카드지출 has an instalment period"},
      {{"reservation", "add", "--kind", "수입", "--major", "식비"}, 2, "", "\"고정수입\", \"기타수입\", \"전월이월\""},

      // Entries of each kind.
      {{"entry", "add", "--date", "2007-03-04", "--kind", "수입", "--major", "고정수입", "--minor", "급여", "--content",
        "내용", "--amount", "10000", "--means", "국민 급여 "},
       0, "saved\t10002\n", "",
       {{kEntries, 10002,
         {{"2", "2007-03-04"}, {"3", "1"}, {"5", "급여"}, {"7", 10000}, {"11", 10001}, {"15", 0}, {"12", 0}, {"8", "N"}}}}},
      {{"entry", "add", "--date", "2007-03-04", "--kind", "지출", "--major", "식비", "--minor", "외식", "--content", "내용",
        "--amount", "10000"},
       0, "saved\t10003\n", "", {{kEntries, 10003,
         {{"2", "2007-03-04"}, {"3", "2"}, {"5", "외식"}, {"7", 10000}, {"11", 0}, {"15", 0}, {"12", 0}, {"8", "N"}}}}},
      {{"entry", "add", "--date", "2007-03-04", "--kind", "카드지출", "--major", "식비", "--minor", "외식", "--content",
        "내용", "--amount", "10000", "--means", "10004", "--instalments", "3"},
       0, "saved\t10004\n", "", {{kEntries, 10004,
         {{"2", "2007-03-04"}, {"3", "2"}, {"5", "외식"}, {"7", 10000}, {"11", 10004}, {"15", 0}, {"12", 3}, {"8", "Y"}}}}},
      {{"entry", "add", "--date", "2007-03-04", "--kind", "카드지출", "--major", "식비", "--minor", "외식", "--content",
        "내용", "--amount", "10000", "--means", "삼성 신용 나", "--instalments", "3개월"},
       0, "saved\t10005\n", "", {{kEntries, 10005, {{"3", "2"}, {"11", 10004}, {"12", 3}, {"8", "Y"}}}}},
      {{"entry", "edit", "10005", "--instalments", "일시불"}, 0, "saved\t10005\n", "", {{kEntries, 10005, {{"12", 1}}}}},
      {{"entry", "add", "--date", "2007-03-04", "--kind", "이체", "--major", "현금", "--minor", "계좌 이동", "--content",
        "내용", "--amount", "10000", "--means", "10001", "--to", "농협 저축 나"},
       0, "saved\t10006\n", "", {{kEntries, 10006,
         {{"2", "2007-03-04"}, {"3", "3"}, {"5", "계좌 이동"}, {"7", 10000}, {"11", 10001}, {"15", 10005}, {"12", 0},
          {"8", "N"}}}}},

      // The entry dialog's refusals, and options it does not offer.
      {lunchBy("--amount", "-500"), 1, "", "금액은 0보다 커야 합니다\n"},
      {{"entry", "add", "--date", "2007-03-04", "--kind", "이체", "--major", "현금", "--minor", "계좌 이동", "--means",
        "10001", "--to", "10001", "--content", "이동", "--amount", "100"},
       1, "", "동일한 통장으로 현금이동 할 수 없습니다\n"},
      {lunchBy("--major", "급여"), 2, "", "\"식비\", \"주거/통신\""},
      {lunchBy("--minor", "급여"), 2, "", "\"주식\", \"부식\", \"외식\", \"기타\""},
      {lunchBy("--means", "99999"), 2, "", "\"현금\", \"휴대폰 결제\", \"국민 급여 \""},
      {lunchBy("--to", "현금"), 2, "", "--to does not apply to 지출"},
      {lunchBy("--instalments", "3"), 2, "", "--instalments does not apply to 지출"},
      {lunchBy("--date", "2007-02-30"), 2, "", "not a valid date"},
      {lunchBy("--content", std::string(41, 'x')), 2, "", "--content"},
      {{"entry", "add", "--date", "2007-03-04", "--kind", "카드지출", "--major", "식비", "--minor", "외식", "--content",
        "점심", "--amount", "100", "--means", "10004", "--instalments", "25"},
       2, "", "\"일시불\", \"2개월\""},
      {{"entry", "edit", "10005", "--instalments", "3x"}, 2, "", "--instalments: \"3x\" is not offered"},

      // Edit changes the fields given; delete removes.
      {{"entry", "add", "--date", "2007-03-04", "--kind", "지출", "--major", "식비", "--minor", "외식", "--content", "점심",
        "--amount", "8000", "--note", "회사"},
       0, "saved\t10007\n", ""},
      {{"entry", "edit", "10007", "--amount", "9000", "--means", "휴대폰 결제"}, 0, "saved\t10007\n", "",
       {{kEntries, 10007, {{"7", 9000}, {"13", "Y"}, {"6", "점심"}, {"9", "회사"}, {"5", "외식"}}}}},
      {{"entry", "delete", "10007"}, 0, "deleted\t10007\n", "", {{kEntries, 10007, nullptr}}},
      {{"entry", "delete", "10007"}, 2, "", "no entry with id 10007\n"},
      {{"entry", "edit", "10007", "--amount", "1"}, 2, "", "no entry with id 10007\n"},

      // Deletes: the entry a reservation posted stays.
      {{"reservation", "delete", "10006"}, 0, "deleted\t10006\n", "",
       {{kReservations, 10006, nullptr}, {kEntries, 10001, {{"10", 10006}}}}},
      {{"asset", "delete", "10003"}, 0, "deleted\t10003\n", "", {{kAssets, 10003, nullptr}}},
  };
  return table;
}

using Tables = std::map<std::string, std::vector<nlohmann::json>>;

class RecordCommandsTest : public ::testing::Test {
 protected:
  testing::CliRun cli(std::vector<std::string> rest) {
    std::vector<std::string> args = {"--root", (dir / "root").string(), "--today", "2007-03-05"};
    args.insert(args.end(), rest.begin(), rest.end());
    return testing::runCli(args, dir.path());
  }

  // The records of every table, as dump prints them.
  Tables book() {
    const testing::CliRun dumped = cli({"dump"});
    EXPECT_EQ(dumped.status, 0) << dumped.err;
    Tables tables;
    std::istringstream lines(dumped.out);
    for (std::string line; std::getline(lines, line);) {
      nlohmann::json record = nlohmann::json::parse(line);
      tables[record.at("table").get<std::string>()].push_back(record);
    }
    return tables;
  }

  testing::TempDir dir;
};

TEST_F(RecordCommandsTest, EachCommandLineEndsAsTheTableSays) {
  Tables before = book();
  for (const Step& step : steps()) {
    std::string line;
    for (const std::string& arg : step.args) line += arg + " ";
    SCOPED_TRACE(line);
    const testing::CliRun r = cli(step.args);
    EXPECT_EQ(r.status, step.status) << r.err;
    EXPECT_EQ(r.out, step.out);
    if (step.err.empty() || step.err.back() == '\n') {
      EXPECT_EQ(r.err, step.err);
    } else {
      EXPECT_NE(r.err.find(step.err), std::string::npos) << r.err;
    }
    Tables after = book();
    if (step.status != 0) {
      EXPECT_EQ(after, before) << "a failed command changed the book";
    }
    for (const Stored& stored : step.effect) {
      const std::vector<nlohmann::json>& records = after[stored.table];
      const auto record = std::find_if(records.begin(), records.end(),
                                       [&](const nlohmann::json& r) { return r.contains("1") && r["1"] == stored.id; });
      if (stored.fields.is_null()) {
        EXPECT_EQ(record, records.end()) << stored.table << " " << stored.id << " is still there";
        continue;
      }
      ASSERT_NE(record, records.end()) << stored.table << " " << stored.id << " is missing";
      for (const auto& [property, value] : stored.fields.items()) {
        EXPECT_EQ(record->value(property, nlohmann::json()), value) << stored.table << " " << stored.id << " property " << property;
      }
    }
    for (const auto& [table, count] : step.counts) EXPECT_EQ(after[table].size(), count) << table;
    before = std::move(after);
  }
}

}  // namespace
}  // namespace coinest
