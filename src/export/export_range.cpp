#include "export/export_range.h"

namespace coinest {

std::optional<std::string> exportRangeRefusal(const ExportRange& range) {
  if (range.first && range.last && *range.first > *range.last) return "시작일이 종료일보다 늦습니다";
  return std::nullopt;
}

std::string exportRangeText(const ExportRange& range) {
  if (!range.first && !range.last) return "전체";
  return range.first.value_or("") + "~" + range.last.value_or("");
}

}  // namespace coinest
