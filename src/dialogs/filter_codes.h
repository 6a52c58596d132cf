#pragma once

// The codes of the kinds of movement the books query filters by, one character each; what each
// lets pass is in query_filter.cpp.

namespace coinest {

inline constexpr char kFilterAll[] = "0";
inline constexpr char kFilterCash[] = "B";
inline constexpr char kFilterAccount[] = "C";
inline constexpr char kFilterIncome[] = "1";
inline constexpr char kFilterCashIncome[] = "6";
inline constexpr char kFilterAccountIncome[] = "7";
inline constexpr char kFilterExpense[] = "2";
inline constexpr char kFilterCashExpense[] = "3";
inline constexpr char kFilterAccountExpense[] = "8";
inline constexpr char kFilterCardExpense[] = "4";
inline constexpr char kFilterCheckCardExpense[] = "9";
inline constexpr char kFilterPhoneExpense[] = "A";
inline constexpr char kFilterCardPayment[] = "5";

}  // namespace coinest
