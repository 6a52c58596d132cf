#pragma once

// The kind codes of assets (`assetKind`), stored as one-character texts.

namespace coinest {

inline constexpr char kBankAccountKind[] = "1";
inline constexpr char kCreditCardKind[] = "2";
inline constexpr char kInsuranceKind[] = "3";
inline constexpr char kSecuritiesKind[] = "4";
inline constexpr char kOtherAssetKind[] = "5";
inline constexpr char kCheckCardKind[] = "6";

}  // namespace coinest
