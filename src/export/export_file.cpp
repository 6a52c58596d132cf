#include "export/export_file.h"

#include "export/csv_export.h"
#include "export/export_source.h"
#include "export/journal_export.h"
#include "platform/device_root.h"
#include "platform/durable_file.h"

namespace coinest {

namespace {

Status exportFailure(const std::string& reason) { return Status::failure("내보내기에 실패했습니다: " + reason); }

}  // namespace

ExportResult exportText(Book& book, ExportFormat format, const ExportRange& range) {
  if (std::optional<std::string> refused = exportRangeRefusal(range)) return {Status::failure(*refused), {}};
  TransactionGuard snapshot(book.store, TransactionKind::Read);
  const ExportSource source = readExportSource(book, range);
  std::string text = format == ExportFormat::Csv ? csvText(source) : journalText(source, range);
  if (Status read = snapshot.finish(); !read) return {exportFailure(read.reason()), {}};
  return {Status::ok(), std::move(text)};
}

Status exportToFile(Book& book, ExportFormat format, const ExportRange& range, const std::filesystem::path& file) {
  ExportResult exported = exportText(book, format, range);
  if (!exported.status) return std::move(exported.status);
  const FileTarget target = FileTarget::userNamed(deviceRootOfStoreFile(book.store.path()), file);
  if (const Status written = replaceFileDurably(target, exported.text); !written) {
    return exportFailure(written.reason());
  }
  return Status::ok();
}

}  // namespace coinest
