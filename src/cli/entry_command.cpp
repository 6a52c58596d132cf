// entry add / edit / delete: records, changes and deletes one entry of the book. Add and edit
// drive the entry dialog's model as a user would (the date, the kind, the major, the minor, ...),
// so its lists, checks and messages are the dialog's own.

#include <optional>
#include <string>

#include "cli/calendar_years.h"
#include "cli/dialog_options.h"
#include "cli/record_runner.h"
#include "dialogs/entry_dialog.h"
#include "ledger/entry_rules.h"
#include "platform/text_field.h"
#include "store/entry_table.h"

namespace coinest::cli {

namespace {

// The dialog's fields as options; an option not given leaves its field as the dialog has it.
struct EntryArgs {
  RecordSubcommands commands;
  int32_t id = 0;
  std::optional<std::string> date, kind, major, minor, content, means, to, amount, instalments, note;
} args;

// What a new entry must be given; a change keeps what is not.
constexpr const char* kRequiredOnAdd[] = {"--date", "--kind", "--major", "--minor", "--content", "--amount"};

void addFieldOptions(CLI::App& app) {
  app.add_option("--date", args.date, "the entry date, YYYY-MM-DD");
  app.add_option("--kind", args.kind, "수입, 지출, 카드지출 or 이체")->check(CLI::IsMember({"수입", "지출", "카드지출", "이체"}));
  app.add_option("--major", args.major, "the major category (이체: 현금), or its id");
  app.add_option("--minor", args.minor, "the minor category (이체: 현금 입금, 현금 인출, 현금서비스 or 계좌 이동), or its id");
  app.add_option("--content", args.content, "what the money was for (at most 40 characters)");
  app.add_option("--means", args.means, "paid with or from: 현금, 휴대폰 결제, an asset as \"company name holder\", or its id");
  app.add_option("--to", args.to, "a transfer's destination: 현금, an account as \"company name holder\", or its id");
  app.add_option("--amount", args.amount, "whole won, at most 8 digits");
  app.add_option("--instalments", args.instalments,
                 "a card expense's period: 일시불 (or 1), 2개월 .. 24개월 (or 2 .. 24), or empty (or 0)");
  app.add_option("--note", args.note, "a remark (at most 256 characters)");
}

std::optional<EntryDialogKind> kindNamed(std::string_view text) {
  for (EntryDialogKind kind : kEntryDialogKinds) {
    if (entryDialogKindText(kind) == text) return kind;
  }
  return std::nullopt;
}

// Fills the dialog from the options given, field by field as a user would: the kind before the
// lists it refills, the major before its minors. False, each refusal said, when the dialog does
// not take an option.
bool fillForm(CommandContext& c, EntryDialog& dialog) {
  if (args.date && !dialog.setDate(*args.date)) {
    c.err << "--date \"" << *args.date << "\" is not a valid date of the form YYYY-MM-DD (years "
          << calendarYearsText() << ")\n";
    return false;
  }
  if (args.kind) dialog.chooseKind(*kindNamed(*args.kind));

  auto choose = [&](const char* name, const std::optional<std::string>& value, const ChoiceList& list,
                    EntryDialogField field, bool (EntryDialog::*pick)(int), ListNumber numbers = ListNumber::Id) {
    if (!value) return true;
    if (!dialog.shown(field)) {
      c.err << name << " does not apply to " << entryDialogKindText(dialog.kind()) << '\n';
      return false;
    }
    const std::optional<int> row = chosenRow(c, list, *value, name, numbers);
    return row && (dialog.*pick)(*row);
  };
  auto type = [&](const char* name, const std::optional<std::string>& value, std::size_t maxChars,
                  void (EntryDialog::*set)(std::string_view)) {
    if (!value) return true;
    if (!typedText(c, textFieldRefusal(*value, maxChars), name)) return false;
    (dialog.*set)(*value);
    return true;
  };

  return choose("--major", args.major, dialog.majors(), EntryDialogField::Major, &EntryDialog::chooseMajor) &&
         choose("--minor", args.minor, dialog.minors(), EntryDialogField::Minor, &EntryDialog::chooseMinor) &&
         type("--content", args.content, kContentMaxChars, &EntryDialog::setContent) &&
         choose("--means", args.means, dialog.means(), EntryDialogField::Means, &EntryDialog::chooseMeans) &&
         choose("--to", args.to, dialog.toSides(), EntryDialogField::ToSide, &EntryDialog::chooseToSide) &&
         type("--amount", args.amount, kAmountFieldMaxChars, &EntryDialog::setAmount) &&
         choose("--instalments", args.instalments, dialog.instalments(), EntryDialogField::Instalments,
                &EntryDialog::chooseInstalments, ListNumber::Row) &&
         type("--note", args.note, kNoteMaxChars, &EntryDialog::setNote);
}

int add(CommandContext& c, UiPort& ui) {
  EntryDialog dialog = EntryDialog::openForAdd(c.book(), ui, *args.date, false);
  return fillAndPressOk(c, dialog, fillForm(c, dialog));
}

int edit(CommandContext& c, UiPort& ui, int32_t id) {
  std::optional<EntryDialog> dialog = EntryDialog::openForChange(c.book(), ui, id, false);
  if (!dialog) {
    c.err << "the entry " << id << " could not be read\n";
    return kExitFailed;
  }
  return fillAndPressOk(c, *dialog, fillForm(c, *dialog));
}

Status remove(Book& book, int32_t id) {
  if (deleteEntry(book, id)) return Status::ok();
  const std::string& reason = book.store.lastError();
  return Status::failure(reason.empty() ? "the entry could not be deleted" : reason);
}

int run(CommandContext& c) {
  return runRecordCommand(c, args.commands, args.id,
                          {"entry", [](Book& book, int32_t id) { return findEntry(book, id).has_value(); }, add, edit,
                           remove});
}

const CommandRegistration kEntry{{
    "entry",
    "add, change or delete one entry through the entry dialog",
    [](CLI::App& app) {
      args.commands = addRecordSubcommands(
          app, "entry", &args.id, addFieldOptions, "record a new entry; prints saved<TAB>ID",
          "delete entry ID with its balance effects and instalments; prints deleted<TAB>ID");
      for (const char* name : kRequiredOnAdd) args.commands.add->get_option(name)->required();
    },
    run,
}};

}  // namespace

}  // namespace coinest::cli
