#include "export/csv_export.h"

#include "export/csv_text.h"
#include "store/entry_kind.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

constexpr char kCashText[] = "현금";

bool isCardExpense(const LedgerEntry& e) { return e.entryKind == kExpenseKind && isYes(e.cardFlag); }

// A kind the program never writes is shown as stored, so the row still says what the book holds.
std::string kindWord(const LedgerEntry& e) {
  if (e.entryKind == kIncomeKind) return "수입";
  if (e.entryKind == kTransferKind) return "이체";
  if (e.entryKind == kExpenseKind) return isYes(e.cardFlag) ? "카드지출" : "지출";
  return e.entryKind;
}

const char* meansWord(const LedgerEntry& e) {
  if (e.entryKind == kTransferKind) return "이체";
  if (isYes(e.phoneFlag)) return "휴대폰";
  if (isYes(e.cardFlag)) return "카드";
  if (isYes(e.checkCardFlag)) return "체크카드";
  if (e.assetId > 0) return "계좌";
  return kCashText;
}

std::string sideText(const ExportAssets& assets, int32_t assetId) {
  return assetId == 0 ? std::string(kCashText) : assets.textOf(assetId);
}

std::string assetColumn(const LedgerEntry& e, const ExportAssets& assets) {
  if (e.entryKind == kTransferKind) return sideText(assets, e.assetId) + " → " + sideText(assets, e.toAssetId);
  return e.assetId == 0 ? std::string() : assets.textOf(e.assetId);
}

std::string instalmentColumn(const LedgerEntry& e) {
  if (!isCardExpense(e)) return {};
  if (e.instalments == 1) return "일시불";
  if (e.instalments >= 2) return std::to_string(e.instalments) + "개월";
  return {};
}

}  // namespace

std::vector<std::string> csvFieldsOf(const LedgerEntry& e, const ExportAssets& assets) {
  return {
      e.entryDate,
      spreadsheetSafeText(kindWord(e)),
      spreadsheetSafeText(e.majorItem),
      spreadsheetSafeText(e.minorItem),
      spreadsheetSafeText(e.content),
      std::to_string(e.amount),
      meansWord(e),
      spreadsheetSafeText(assetColumn(e, assets)),
      instalmentColumn(e),
      spreadsheetSafeText(e.note),
      std::to_string(e.entryId),
  };
}

std::string csvText(const ExportSource& source) {
  std::string out(kUtf8ByteOrderMark);
  out += kCsvHeader;
  out += kCsvRowEnd;
  for (const LedgerEntry& e : source.entries) appendCsvRow(out, csvFieldsOf(e, source.assets));
  return out;
}

}  // namespace coinest
