// export: the book, or the entries of a date range, as a spreadsheet file (csv) or a plain-text
// journal (journal), written to FILE or, without one, to standard output. The output is the
// file format itself, byte for byte.

#include <map>
#include <optional>
#include <string>

#include "cli/command_registry.h"
#include "cli/date_option.h"
#include "export/export_file.h"

namespace coinest::cli {

namespace {

struct ExportArgs {
  ExportFormat format = ExportFormat::Csv;
  std::optional<std::string> from;
  std::optional<std::string> to;
  std::optional<std::string> file;
} args;

const std::map<std::string, ExportFormat> kFormats{{"csv", ExportFormat::Csv}, {"journal", ExportFormat::Journal}};

void configure(CLI::App& app) {
  app.add_option("--format", args.format, "csv (for spreadsheets) or journal (plain-text accounting)")
      ->required()
      ->transform(CLI::CheckedTransformer(kFormats));
  app.add_option("--from", args.from, "first date, YYYY-MM-DD (default: the book's first)")->check(checkDateOption);
  app.add_option("--to", args.to, "last date, YYYY-MM-DD (default: the book's last)")->check(checkDateOption);
  app.add_option("FILE", args.file, "the file to write (default: standard output)");
}

int run(CommandContext& c) {
  const ExportRange range{args.from, args.to};
  // The export refuses such a range too, but as a failure; here it is a wrong use.
  if (const std::optional<std::string> refused = exportRangeRefusal(range)) {
    c.err << "coinest-cli: --from " << *args.from << " is after --to " << *args.to << " (" << *refused << ")\n";
    return kExitUsage;
  }
  if (args.file) {
    const Status written = exportToFile(c.book(), args.format, range, *args.file);
    return written ? kExitDone : reportFailure(c, written);
  }
  const ExportResult exported = exportText(c.book(), args.format, range);
  if (!exported.status) return reportFailure(c, exported.status);
  c.out << exported.text;
  return kExitDone;
}

// Not marked as only reading: the export takes its own snapshot and writes the file after it.
const CommandRegistration kExport{{
    "export",
    "write the book as csv or journal to FILE or standard output",
    configure,
    run,
    false,
    true,
}};

}  // namespace

}  // namespace coinest::cli
