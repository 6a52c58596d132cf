// coinest-cli asset, reservation and category: the record dialogs driven from the command line.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

class RecordCommandsTest : public ::testing::Test {
 protected:
  testing::CliRun cli(std::vector<std::string> rest) {
    std::vector<std::string> args = {"--root", (dir / "root").string(), "--today", "2007-03-05"};
    args.insert(args.end(), rest.begin(), rest.end());
    return testing::runCli(args, dir.path());
  }

  // The records of a table by id.
  std::map<int, nlohmann::json> records(const std::string& table) {
    const testing::CliRun dumped = cli({"dump", table});
    EXPECT_EQ(dumped.status, 0) << dumped.err;
    std::map<int, nlohmann::json> out;
    std::istringstream lines(dumped.out);
    for (std::string line; std::getline(lines, line);) {
      nlohmann::json record = nlohmann::json::parse(line);
      out[record.at("1").get<int>()] = record;
    }
    return out;
  }

  struct Step {
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string err;  // a part of the error output; empty: none at all
  };

  void run(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
      const testing::CliRun r = cli(step.args);
      const std::string what = step.args[0] + " " + step.args[1];
      EXPECT_EQ(r.status, step.status) << what << ": " << r.err;
      EXPECT_EQ(r.out, step.out) << what;
      if (step.err.empty()) {
        EXPECT_EQ(r.err, "") << what;
      } else {
        EXPECT_NE(r.err.find(step.err), std::string::npos) << what << ": " << r.err;
      }
    }
  }

  testing::TempDir dir;
};

TEST_F(RecordCommandsTest, SavesAndDeletesPrintTheirIds) {
  run({
      {{"asset", "add", "--kind", "통장", "--company", "국민", "--name", "급여", "--balance", "-50000"}, 0,
       "saved\t10001\n", ""},
      {{"asset", "add", "--kind", "체크카드", "--company", "신한", "--account", "국민 급여 "}, 0, "saved\t10002\n", ""},
      {{"asset", "add", "--kind", "신용카드", "--company", "BC", "--pay-day", "25일", "--from-month", "전월",
        "--from-day", "1일", "--to-month", "전월", "--to-day", "말일"},
       0, "saved\t10003\n", ""},
      {{"asset", "edit", "10002", "--holder", "홍", "--account", ""}, 0, "saved\t10002\n", ""},
      {{"reservation", "add", "--day", "5", "--major", "주거/통신", "--minor", "관리비", "--content", "관리비",
        "--amount", "150000", "--means", "10001"},
       0, "saved\t10004\n", ""},
      {{"reservation", "add", "--kind", "카드지출", "--day", "매월20일", "--content", "학원", "--amount", "200000",
        "--means", "BC  ", "--instalments", "3개월"},
       0, "saved\t10005\n", ""},
      {{"reservation", "edit", "10005", "--amount", "210000"}, 0, "saved\t10005\n", ""},
      {{"category", "add", "--kind", "지출", "--name", "반려동물"}, 0, "saved\t10001\n", ""},
      {{"category", "add", "--kind", "지출", "--major", "반려동물", "--name", "사료", "--use", "미사용"}, 0,
       "saved\t10001\n", ""},
      {{"category", "edit", "--kind", "지출", "--major", "반려동물", "--name", "애완동물"}, 0, "saved\t10001\n", ""},
      {{"category", "up", "--kind", "지출", "--major", "10001"}, 0, "moved\t10001\n", ""},
      {{"category", "delete", "--kind", "지출", "--major", "애완동물", "--minor", "사료"}, 0, "deleted\t10001\n", ""},
      {{"reservation", "delete", "10004"}, 0, "deleted\t10004\n", ""},
      {{"asset", "delete", "10003"}, 0, "deleted\t10003\n", ""},
  });
  const std::map<int, nlohmann::json> assets = records("CoinestAssets");
  EXPECT_EQ(assets.at(10001).at("13"), -50000 - 150000);  // the posted reservation drew on the account
  EXPECT_EQ(assets.at(10002).at("5"), "홍");
  EXPECT_EQ(assets.at(10002).at("12"), 0);  // the empty account item
  EXPECT_FALSE(assets.count(10003));
  const std::map<int, nlohmann::json> reservations = records("CoinestReserve");
  EXPECT_FALSE(reservations.count(10004));
  EXPECT_EQ(reservations.at(10005).at("7"), 210000);
  EXPECT_EQ(reservations.at(10005).at("12"), 3);
  // The reservation of day 5 was posted on saving and its entry stays after the delete.
  const std::map<int, nlohmann::json> entries = records("CoinestBooks");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries.begin()->second.at("10"), 10004);
  EXPECT_EQ(records("CoinestIteml").at(10001).at("3"), "애완동물");
  EXPECT_FALSE(records("CoinestItems").count(10001));
}

TEST_F(RecordCommandsTest, RefusalsPrintTheDialogsMessageAndWriteNothing) {
  run({
      {{"asset", "add", "--kind", "보험"}, 1, "", "보험사명은 반드시 입력해야 합니다"},
      {{"asset", "add", "--kind", "통장", "--company", "국민", "--balance", "12a"}, 1, "", "금액은 숫자만 입력해야 합니다"},
      {{"asset", "add", "--kind", "신용카드", "--company", "BC", "--from-month", "전월"}, 1, "",
       "결제청구기간 자료가 올바르지 않습니다"},
      {{"asset", "add", "--kind", "통장", "--company", "국민", "--balance", "0", "--pay-day", "1일"}, 2, "",
       "--pay-day: a 통장 has no such field"},
      {{"asset", "add", "--kind", "카드", "--company", "BC"}, 2, "", "통장, 신용카드, 체크카드, 보험, 증권, 기타"},
      {{"asset", "add", "--kind", "체크카드", "--company", "신한", "--account", "없음"}, 2, "",
       "--account: \"없음\" is not offered; the choices are \"\""},
      {{"asset", "add", "--kind", "기타", "--company", "a😀"}, 2, "", "문자는 가계부에 저장할 수 없습니다"},
      {{"asset", "edit", "10001", "--company", "x"}, 2, "", "no asset with id 10001"},
      {{"reservation", "add", "--amount", "1000"}, 1, "", "예약 내용은 반드시 입력해야 합니다"},
      {{"reservation", "delete", "10009"}, 2, "", "no reservation with id 10009"},
      {{"reservation", "edit", "10009", "--amount", "5"}, 2, "", "no reservation with id 10009"},
      {{"reservation", "add", "--content", "x", "--amount", "00"}, 1, "", "금액은 0보다 커야 합니다"},
      {{"reservation", "add", "--content", "x", "--amount", "1000", "--instalments", "3개월"}, 2, "",
       "only a 카드지출 has an instalment period"},
      {{"reservation", "add", "--kind", "수입", "--major", "식비"}, 2, "", "\"고정수입\", \"기타수입\", \"전월이월\""},
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
      {{"category", "up", "--kind", "지출", "--major", "식비"}, 0, "", ""},  // the first row stays
  });
  EXPECT_TRUE(records("CoinestAssets").empty());
  EXPECT_TRUE(records("CoinestReserve").empty());
  EXPECT_EQ(records("CoinestIteml").size(), 17u);
}

}  // namespace
}  // namespace coinest
