// asset add|edit|delete: the asset dialog and the asset page's delete.

#include <array>
#include <optional>
#include <string>

#include "cli/dialog_options.h"
#include "cli/record_runner.h"
#include "dialogs/asset_dialog.h"
#include "store/asset_table.h"

namespace coinest::cli {

namespace {

struct FieldOption {
  AssetField field;
  const char* name;
  const char* help;
  ListNumber numbers = ListNumber::Row;  // a list field's: what a number given stands for
};

constexpr FieldOption kFieldOptions[] = {
    {AssetField::Company, "--company", "은행명, 카드사명, 보험사명, 증권사명 or 구분"},
    {AssetField::AssetName, "--name", "통장명, 카드명, 보험명, 계좌이름 or 자산명"},
    {AssetField::AssetNumber, "--number", "계좌번호, 카드번호, 증권번호 or 자산번호"},
    {AssetField::Holder, "--holder", "예금주, 카드명의, 피보험자, 소유주 or 자산주"},
    {AssetField::Balance, "--balance", "잔고 of a bank account"},
    {AssetField::PayDay, "--pay-day", "결제일 of a credit card: 1일 .. 31일 (or 1 .. 31), or empty"},
    {AssetField::PeriodFromMonth, "--from-month", "청구기간 start month: 전전월, 전월, 당월 (or 1, 2, 3), or empty"},
    {AssetField::PeriodFromDay, "--from-day", "청구기간 start day: 1일 .. 31일 (or 1 .. 31), 말일 (or 32), or empty"},
    {AssetField::PeriodToMonth, "--to-month", "청구기간 end month, as --from-month"},
    {AssetField::PeriodToDay, "--to-day", "청구기간 end day, as --from-day"},
    {AssetField::LinkedAccount, "--account", "통장계좌 of a check card: a bank account as listed, or its id",
     ListNumber::Id},
    {AssetField::Note, "--note", "비고"},
};

struct AssetArgs {
  RecordSubcommands commands;
  std::string kind;
  int32_t id = 0;
  std::array<std::optional<std::string>, kAssetFieldCount> values;
} args;

void addFieldOptions(CLI::App& command) {
  for (const FieldOption& option : kFieldOptions) {
    command.add_option(option.name, args.values[static_cast<std::size_t>(option.field)], option.help);
  }
}

const AssetKindInfo* kindNamed(CommandContext& c, std::string_view given) {
  std::string choices;
  for (const AssetKindInfo& kind : assetKinds()) {
    if (kind.pageText == given || kind.code == given) return &kind;
    choices += (choices.empty() ? "" : ", ") + std::string(kind.pageText);
  }
  c.err << "--kind: \"" << given << "\" is no asset kind; the kinds are " << choices << '\n';
  return nullptr;
}

// Types and chooses what the options give, as a user fills the form.
bool fillForm(CommandContext& c, AssetDialog& dialog) {
  for (const FieldOption& option : kFieldOptions) {
    const std::optional<std::string>& value = args.values[static_cast<std::size_t>(option.field)];
    if (!value) continue;
    if (!dialog.shown(option.field)) {
      c.err << option.name << ": a " << dialog.kind().pageText << " has no such field\n";
      return false;
    }
    if (isAssetTextField(option.field)) {
      if (!typedText(c, dialog.textRefusal(option.field, *value), option.name)) return false;
      dialog.setText(option.field, *value);
    } else {
      const std::optional<int> row = chosenRow(c, dialog.list(option.field), *value, option.name, option.numbers);
      if (!row) return false;
      dialog.choose(option.field, *row);
    }
  }
  return true;
}

int add(CommandContext& c, UiPort& ui) {
  const AssetKindInfo* kind = kindNamed(c, args.kind);
  if (kind == nullptr) return kExitUsage;
  AssetDialog dialog(c.book(), ui, *kind, false);
  return fillAndPressOk(c, dialog, fillForm(c, dialog));
}

int edit(CommandContext& c, UiPort& ui, int32_t id) {
  std::optional<AssetDialog> dialog = openAssetChange(c.book(), ui, id, false);
  if (!dialog) {
    c.err << "the asset " << id << " is of no kind the dialog knows\n";
    return kExitFailed;
  }
  return fillAndPressOk(c, *dialog, fillForm(c, *dialog));
}

int run(CommandContext& c) {
  return runRecordCommand(c, args.commands, args.id,
                          {"asset", [](Book& book, int32_t id) { return findAsset(book, id).has_value(); }, add, edit,
                           removeAsset});
}

const CommandRegistration kAsset{{
    "asset",
    "add, change or delete an asset through the asset dialog",
    [](CLI::App& app) {
      args.commands = addRecordSubcommands(app, "asset", &args.id, addFieldOptions, "add an asset of a kind",
                                           "delete the asset ID (a card's instalment rows go too)");
      args.commands.add->add_option("--kind", args.kind, "통장, 신용카드, 체크카드, 보험, 증권 or 기타")->required();
    },
    run,
}};

}  // namespace

}  // namespace coinest::cli
