// reservation add|edit|delete: the reservation dialog and the reservations page's delete.

#include <optional>
#include <string>

#include "cli/dialog_options.h"
#include "cli/record_runner.h"
#include "dialogs/reservation_dialog.h"
#include "store/reservation_tables.h"

namespace coinest::cli {

namespace {

struct ReservationArgs {
  RecordSubcommands commands;
  int32_t id = 0;
  std::optional<std::string> day, kind, major, minor, content, means, amount, instalments, note;
} args;

void addFieldOptions(CLI::App& command) {
  command.add_option("--day", args.day, "일자: the day of the month, 1 to 31, or the item (\"매월 5일\")");
  command.add_option("--kind", args.kind, "분류: 수입, 지출 or 카드지출");
  command.add_option("--major", args.major, "항목: a major category of the kind");
  command.add_option("--minor", args.minor, "항목: a minor category in use of the major");
  command.add_option("--content", args.content, "내용");
  command.add_option("--means", args.means, "구분: 현금, 휴대폰 결제, an asset as listed, or its id");
  command.add_option("--amount", args.amount, "금액: digits only");
  command.add_option("--instalments", args.instalments,
                     "할부기간 of a card expense: 일시불 (or 1), 2개월 .. 24개월 (or 2 .. 24)");
  command.add_option("--note", args.note, "비고");
}

std::optional<EntryDialogKind> kindNamed(CommandContext& c, std::string_view given) {
  for (EntryDialogKind kind : kReservationDialogKinds) {
    if (entryDialogKindText(kind) == given) return kind;
  }
  c.err << "--kind: \"" << given << "\" is not offered; the choices are 수입, 지출, 카드지출\n";
  return std::nullopt;
}

bool choose(CommandContext& c, ReservationDialog& dialog, ReservationField field, const std::optional<std::string>& value,
            const char* option, ListNumber numbers = ListNumber::Id) {
  if (!value) return true;
  const std::optional<int> row = chosenRow(c, dialog.list(field), *value, option, numbers);
  return row && dialog.choose(field, *row);
}

bool type(CommandContext& c, ReservationDialog& dialog, ReservationField field, const std::optional<std::string>& value,
          const char* option) {
  if (!value) return true;
  if (!typedText(c, dialog.textRefusal(field, *value), option)) return false;
  dialog.setText(field, *value);
  return true;
}

// Fills the form in the order a user would: the kind first (it refills the lists), the major
// before its minors, the means before the instalments (a means sets "일시불").
bool fillForm(CommandContext& c, ReservationDialog& dialog) {
  if (args.kind) {
    const std::optional<EntryDialogKind> kind = kindNamed(c, *args.kind);
    if (!kind) return false;
    dialog.chooseKind(*kind);
  }
  if (args.instalments && !dialog.shown(ReservationField::Instalments)) {
    c.err << "--instalments: only a 카드지출 has an instalment period\n";
    return false;
  }
  return choose(c, dialog, ReservationField::Day, args.day, "--day") &&
         choose(c, dialog, ReservationField::Major, args.major, "--major") &&
         choose(c, dialog, ReservationField::Minor, args.minor, "--minor") &&
         choose(c, dialog, ReservationField::Means, args.means, "--means") &&
         choose(c, dialog, ReservationField::Instalments, args.instalments, "--instalments", ListNumber::Row) &&
         type(c, dialog, ReservationField::Content, args.content, "--content") &&
         type(c, dialog, ReservationField::Amount, args.amount, "--amount") &&
         type(c, dialog, ReservationField::Note, args.note, "--note");
}

int add(CommandContext& c, UiPort& ui) {
  ReservationDialog dialog(c.book(), ui, false);
  return fillAndPressOk(c, dialog, fillForm(c, dialog));
}

int edit(CommandContext& c, UiPort& ui, int32_t id) {
  std::optional<ReservationDialog> dialog = openReservationChange(c.book(), ui, id, false);
  if (!dialog) {
    c.err << "the reservation " << id << " could not be read\n";
    return kExitFailed;
  }
  return fillAndPressOk(c, *dialog, fillForm(c, *dialog));
}

int run(CommandContext& c) {
  return runRecordCommand(c, args.commands, args.id,
                          {"reservation", [](Book& book, int32_t id) { return findReservation(book, id).has_value(); },
                           add, edit, deleteReservationAndLinks});
}

const CommandRegistration kReservation{{
    "reservation",
    "add, change or delete a reservation through the reservation dialog",
    [](CLI::App& app) {
      args.commands = addRecordSubcommands(app, "reservation", &args.id, addFieldOptions,
                                           "add a reservation (posted at once when its day has come)",
                                           "delete the reservation ID (its posted entries stay)");
    },
    run,
}};

}  // namespace

}  // namespace coinest::cli
