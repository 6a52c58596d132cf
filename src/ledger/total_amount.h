#pragma once

// Totals of many amounts (a statement, a query's income and expense). One entry fits an Amount,
// a sum of many need not, so totals are kept wide and shown the way amounts are.

#include <cstdint>
#include <string>

namespace coinest {

using TotalAmount = std::int64_t;

// As formatAmount: the magnitude without sign, with at most two commas ("1,000",
// "3500,000,000"), also beyond the range of one Amount.
std::string formatTotalAmount(TotalAmount value);

// As formatSignedAmount: "+" before a positive total, "-" before a negative one, none before 0.
std::string formatSignedTotalAmount(TotalAmount value);

}  // namespace coinest
