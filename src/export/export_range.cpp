#include "export/export_range.h"

namespace coinest {

std::string exportRangeText(const ExportRange& range) {
  if (!range.first && !range.last) return "전체";
  return range.first.value_or("") + "~" + range.last.value_or("");
}

}  // namespace coinest
