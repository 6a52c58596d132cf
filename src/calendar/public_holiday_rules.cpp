#include "calendar/public_holiday_rules.h"

namespace coinest {

namespace {

using enum HolidayDateKind;
using enum SubstituteWhen;

// Substitute holidays began with 설날, 추석 and 어린이날 in 2014, reached the national days from
// 광복절 2021, and 부처님오신날 and 성탄절 from May 2023.
constexpr const char* kFrom2014 = "2014-01-01";
constexpr const char* kFrom2021 = "2021-08-15";
constexpr const char* kFrom2023 = "2023-05-04";

constexpr HolidayRule kRules[] = {
    {Solar, 1, 1, "신정", kFirstRuleYear, kLastRuleYear},
    // Up to 1998 the new year gave two days off.
    {Solar, 1, 2, "", kFirstRuleYear, 1998},
    {Lunar, 1, 1, "설날", kFirstRuleYear, kLastRuleYear, true, OnSunday, kFrom2014},
    {Solar, 3, 1, "삼일절", kFirstRuleYear, kLastRuleYear, false, OnWeekend, kFrom2021},
    {Solar, 4, 5, "식목일", kFirstRuleYear, 2005},
    // Renamed by the amendment of October 2017, after that year's day had passed.
    {Lunar, 4, 8, "석가탄신일", kFirstRuleYear, 2017},
    {Lunar, 4, 8, "부처님오신날", 2018, kLastRuleYear, false, OnWeekend, kFrom2023},
    {Solar, 5, 5, "어린이날", kFirstRuleYear, kLastRuleYear, false, OnWeekend, kFrom2014},
    {Solar, 6, 6, "현충일", kFirstRuleYear, kLastRuleYear},
    {Solar, 7, 17, "제헌절", kFirstRuleYear, 2007},
    {Solar, 8, 15, "광복절", kFirstRuleYear, kLastRuleYear, false, OnWeekend, kFrom2021},
    {Lunar, 8, 15, "추석", kFirstRuleYear, kLastRuleYear, true, OnSunday, kFrom2014},
    {Solar, 10, 1, "국군의날", kFirstRuleYear, 1990},
    {Solar, 10, 3, "개천절", kFirstRuleYear, kLastRuleYear, false, OnWeekend, kFrom2021},
    {Solar, 10, 9, "한글날", kFirstRuleYear, 1990},
    {Solar, 10, 9, "한글날", 2013, kLastRuleYear, false, OnWeekend, kFrom2021},
    {Solar, 12, 25, "성탄절", kFirstRuleYear, kLastRuleYear, false, OnWeekend, kFrom2023},
};

// Election days are off by law and temporary holidays by the government's declaration; both are
// known only once declared, so a new one is a new row here.
constexpr DeclaredHoliday kDeclared[] = {
    {"1991-03-26", "지방선거"},     {"1991-06-20", "지방선거"},     {"1992-03-24", "국회의원선거"},
    {"1992-12-18", "대통령선거"},   {"1995-06-27", "지방선거"},     {"1996-04-11", "국회의원선거"},
    {"1997-12-18", "대통령선거"},   {"1998-06-04", "지방선거"},     {"2000-04-13", "국회의원선거"},
    {"2002-06-13", "지방선거"},     {"2002-07-01", "임시공휴일"},   {"2002-12-19", "대통령선거"},
    {"2004-04-15", "국회의원선거"}, {"2006-05-31", "지방선거"},     {"2007-12-19", "대통령선거"},
    {"2008-04-09", "국회의원선거"}, {"2010-06-02", "지방선거"},     {"2012-04-11", "국회의원선거"},
    {"2012-12-19", "대통령선거"},   {"2014-06-04", "지방선거"},     {"2015-08-14", "임시공휴일"},
    {"2016-04-13", "국회의원선거"}, {"2016-05-06", "임시공휴일"},   {"2017-05-09", "대통령선거"},
    {"2017-10-02", "임시공휴일"},   {"2018-06-13", "지방선거"},     {"2020-04-15", "국회의원선거"},
    {"2020-08-17", "임시공휴일"},   {"2022-03-09", "대통령선거"},   {"2022-06-01", "지방선거"},
    {"2023-10-02", "임시공휴일"},   {"2024-04-10", "국회의원선거"}, {"2024-10-01", "임시공휴일"},
    {"2025-01-27", "임시공휴일"},   {"2025-06-03", "대통령선거"},   {"2026-06-03", "지방선거"},
};

}  // namespace

std::span<const HolidayRule> publicHolidayRules() { return kRules; }

std::span<const DeclaredHoliday> declaredHolidays() { return kDeclared; }

}  // namespace coinest
