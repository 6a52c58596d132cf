#pragma once

// Category names the rules read meaning into. Entries name their categories by these texts.

namespace coinest {

// The income major (and its one minor) of the monthly cash carry-over.
inline constexpr char kCarryOverCategory[] = "전월이월";
// The expense major (and its one minor) of the payments of card bills.
inline constexpr char kCardPaymentCategory[] = "카드대금";

// The built-in transfer major and its four minors, in list order.
inline constexpr char kTransferCategory[] = "현금";
inline constexpr char kCashDepositMinor[] = "현금 입금";
inline constexpr char kCashWithdrawalMinor[] = "현금 인출";
inline constexpr char kCashAdvanceMinor[] = "현금서비스";
inline constexpr char kAccountTransferMinor[] = "계좌 이동";

}  // namespace coinest
