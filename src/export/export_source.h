#pragma once

// What both export formats read from the book: the entries of the range, and the assets those
// entries name, each looked up once. Instalment rows are not read: an instalment purchase is one
// entry, and both formats write it once.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "export/export_range.h"
#include "store/book.h"
#include "store/records.h"

namespace coinest {

// Leads the text that stands for an asset deleted since its entries were written.
inline constexpr char kDeletedAssetText[] = "삭제된 자산 ";

// The assets of an export by id. Pure lookups once built.
class ExportAssets {
 public:
  ExportAssets() = default;
  explicit ExportAssets(std::vector<Asset> assets);

  // The asset with this id, or null (0, or an asset deleted since the entry was written).
  const Asset* find(int32_t assetId) const;

  // How the export names the asset of an entry: its "company name holder" text, or
  // "삭제된 자산 <id>" when there is no such asset. REQUIRES: assetId != 0 (0 is cash).
  std::string textOf(int32_t assetId) const;

  // Every asset, in id order.
  std::vector<const Asset*> all() const;

  // The credit cards, in id order.
  std::vector<const Asset*> creditCards() const;

 private:
  std::map<int32_t, Asset> byId_;
};

struct ExportSource {
  // In date order; entries of one date in the order they were written.
  std::vector<LedgerEntry> entries;
  ExportAssets assets;
};

// The entries of the range, every asset of the book and any asset the entries name beyond the
// lists' capacity. A table that cannot be opened reads as empty; the caller reads under a
// snapshot to learn of a failed read.
ExportSource readExportSource(Book& book, const ExportRange& range);

}  // namespace coinest
