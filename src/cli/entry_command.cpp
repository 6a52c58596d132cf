// entry add / edit / delete: records, changes and deletes one entry of the book. Add and edit
// drive the entry dialog's model as a user would (the date, the kind, the major, the minor, ...),
// so its lists, checks and messages are the dialog's own.

#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "cli/calendar_years.h"
#include "cli/command_registry.h"
#include "cli/console_ui.h"
#include "cli/output_line.h"
#include "dialogs/entry_dialog.h"
#include "ledger/entry_rules.h"
#include "platform/text_field.h"
#include "store/entry_table.h"

namespace coinest::cli {

namespace {

// The dialog's fields as options; an option not given leaves its field as the dialog has it.
struct EntryFieldOptions {
  std::string date, kind, major, minor, content, amount, means, to, note;
  int instalments = 0;
  std::vector<std::pair<std::string_view, CLI::Option*>> options;
  bool has(std::string_view name) const {
    for (const auto& [optionName, option] : options) {
      if (optionName == name) return option->count() > 0;
    }
    return false;
  }
};

EntryFieldOptions addOptions;
EntryFieldOptions editOptions;
int32_t editId = 0;
int32_t deleteId = 0;
CLI::App* addCommand = nullptr;
CLI::App* editCommand = nullptr;
CLI::App* deleteCommand = nullptr;

void configureFields(CLI::App& app, EntryFieldOptions& o, bool required) {
  auto text = [&](const char* name, std::string& value, const char* help, bool needed) {
    CLI::Option* option = app.add_option(name, value, help);
    if (needed) option->required();
    o.options.emplace_back(name, option);
    return option;
  };
  text("--date", o.date, "the entry date, YYYY-MM-DD", required);
  text("--kind", o.kind, "수입, 지출, 카드지출 or 이체", required)->check(CLI::IsMember({"수입", "지출", "카드지출", "이체"}));
  text("--major", o.major, "the major category (이체: 현금)", required);
  text("--minor", o.minor, "the minor category (이체: 현금 입금, 현금 인출, 현금서비스 or 계좌 이동)", required);
  text("--content", o.content, "what the money was for (at most 40 characters)", required);
  text("--means", o.means, "paid with or from: 현금, 휴대폰 결제, an asset as \"company name holder\", or its id", false);
  text("--to", o.to, "a transfer's destination: 현금, an account as \"company name holder\", or its id", false);
  text("--amount", o.amount, "whole won, at most 8 digits", required);
  o.options.emplace_back("--instalments", app.add_option("--instalments", o.instalments,
                                                         "a card expense's period by its position: 0 none, 1 일시불, 2 to 24 months"));
  text("--note", o.note, "a remark (at most 256 characters)", false);
}

// Why the command cannot go on, printed on the error stream; a wrong option value is a usage error.
int usageError(CommandContext& c, const std::string& what) {
  c.err << "coinest-cli entry: " << what << '\n';
  return kExitUsage;
}

std::string choicesText(const ChoiceList& list) {
  std::string text;
  for (const std::string& item : list.items) text += (text.empty() ? "\"" : ", \"") + item + "\"";
  return text.empty() ? "none" : text;
}

// The position of `value` in the list: its text, or for an asset list also its id.
std::optional<int> choiceOf(const ChoiceList& list, const std::vector<PaymentItem>* items, const std::string& value) {
  for (std::size_t i = 0; i < list.items.size(); ++i) {
    if (list.items[i] == value) return static_cast<int>(i);
  }
  int32_t id = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), id);
  if (items != nullptr && error == std::errc() && end == value.data() + value.size()) {
    for (std::size_t i = 0; i < items->size(); ++i) {
      if ((*items)[i].means == PaymentItem::Means::Asset && (*items)[i].assetId == id) return static_cast<int>(i);
    }
  }
  return std::nullopt;
}

std::optional<EntryDialogKind> kindNamed(std::string_view text) {
  for (EntryDialogKind kind : kEntryDialogKinds) {
    if (entryDialogKindText(kind) == text) return kind;
  }
  return std::nullopt;
}

// Fills the dialog from the options given, field by field as a user would; the usage error of
// the first option the dialog does not take, or nothing.
std::optional<std::string> fillDialog(EntryDialog& dialog, const EntryFieldOptions& o) {
  if (o.has("--date") && !dialog.setDate(o.date)) {
    return "--date \"" + o.date + "\" is not a valid date of the form YYYY-MM-DD (years " + calendarYearsText() + ")";
  }
  if (o.has("--kind")) dialog.chooseKind(*kindNamed(o.kind));
  auto notApplying = [&](std::string_view name) {
    return std::string(name) + " does not apply to " + std::string(entryDialogKindText(dialog.kind()));
  };

  auto choose = [&](const char* name, const std::string& value, const ChoiceList& list,
                    const std::vector<PaymentItem>* items, EntryDialogField field,
                    bool (EntryDialog::*pick)(int)) -> std::optional<std::string> {
    if (!o.has(name)) return std::nullopt;
    if (!dialog.shown(field)) return notApplying(name);
    const std::optional<int> index = choiceOf(list, items, value);
    if (!index) return std::string(name) + " \"" + value + "\" is not offered; the choices are " + choicesText(list);
    (dialog.*pick)(*index);
    return std::nullopt;
  };
  auto type = [&](const char* name, const std::string& value, std::size_t maxChars,
                  void (EntryDialog::*set)(std::string_view)) -> std::optional<std::string> {
    if (!o.has(name)) return std::nullopt;
    if (std::optional<std::string> refusal = textFieldRefusal(value, maxChars)) return std::string(name) + ": " + *refusal;
    (dialog.*set)(value);
    return std::nullopt;
  };

  if (auto e = choose("--major", o.major, dialog.majors(), nullptr, EntryDialogField::Major, &EntryDialog::chooseMajor)) return e;
  if (auto e = choose("--minor", o.minor, dialog.minors(), nullptr, EntryDialogField::Minor, &EntryDialog::chooseMinor)) return e;
  if (auto e = type("--content", o.content, kContentMaxChars, &EntryDialog::setContent)) return e;
  if (auto e = choose("--means", o.means, dialog.means(), &dialog.meansItems(), EntryDialogField::Means,
                      &EntryDialog::chooseMeans)) {
    return e;
  }
  if (auto e = choose("--to", o.to, dialog.toSides(), &dialog.toSideItems(), EntryDialogField::ToSide,
                      &EntryDialog::chooseToSide)) {
    return e;
  }
  if (auto e = type("--amount", o.amount, kAmountFieldMaxChars, &EntryDialog::setAmount)) return e;
  if (o.has("--instalments")) {
    if (!dialog.shown(EntryDialogField::Instalments)) return notApplying("--instalments");
    if (!dialog.chooseInstalments(o.instalments)) {
      return "--instalments " + std::to_string(o.instalments) + " is not offered; the choices are the positions 0 to " +
             std::to_string(dialog.instalments().items.size() - 1) + " of " + choicesText(dialog.instalments());
    }
  }
  if (auto e = type("--note", o.note, kNoteMaxChars, &EntryDialog::setNote)) return e;
  return std::nullopt;
}

// "확인" on the filled dialog: `saved<TAB>ID`, or the dialog's message on the error stream.
int fillAndSave(CommandContext& c, EntryDialog& dialog, const EntryFieldOptions& options) {
  if (std::optional<std::string> wrong = fillDialog(dialog, options)) return usageError(c, *wrong);
  if (!dialog.pressOk()) return kExitFailed;
  printLine(c.out, {"saved", std::to_string(*dialog.savedId())});
  return kExitDone;
}

int run(CommandContext& c) {
  // The dialog's messages are refusals: they go to the error stream.
  ConsoleUi messages(c.err);
  if (addCommand->parsed()) {
    EntryDialog dialog = EntryDialog::openForAdd(c.book(), messages, addOptions.date, false);
    return fillAndSave(c, dialog, addOptions);
  }
  if (editCommand->parsed()) {
    std::optional<EntryDialog> dialog = EntryDialog::openForChange(c.book(), messages, editId, false);
    if (!dialog) return reportFailure(c, Status::failure("no entry with id " + std::to_string(editId)));
    return fillAndSave(c, *dialog, editOptions);
  }
  if (!findEntry(c.book(), deleteId)) return reportFailure(c, Status::failure("no entry with id " + std::to_string(deleteId)));
  if (!deleteEntry(c.book(), deleteId)) {
    const std::string& reason = c.store().lastError();
    return reportFailure(c, Status::failure(reason.empty() ? "the entry could not be deleted" : reason));
  }
  printLine(c.out, {"deleted", std::to_string(deleteId)});
  return kExitDone;
}

const CommandRegistration kEntry{{
    "entry",
    "add, change or delete one entry through the entry dialog",
    [](CLI::App& app) {
      app.require_subcommand(1);
      addCommand = app.add_subcommand("add", "record a new entry; prints saved<TAB>ID");
      configureFields(*addCommand, addOptions, true);
      editCommand = app.add_subcommand("edit", "change the fields given of entry ID; prints saved<TAB>ID");
      editCommand->add_option("ID", editId, "the entry's id")->required();
      configureFields(*editCommand, editOptions, false);
      deleteCommand = app.add_subcommand("delete", "delete entry ID; prints deleted<TAB>ID");
      deleteCommand->add_option("ID", deleteId, "the entry's id")->required();
    },
    run,
}};

}  // namespace

}  // namespace coinest::cli
