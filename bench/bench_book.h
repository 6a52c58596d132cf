#pragma once

// A large book for the view benchmarks: 100,000 entries spread over the ten years 2000 to 2009
// (about 830 a month), with two bank accounts, a check card, and 5 credit cards with billing
// periods whose purchases include instalments. Built once per benchmark run and shared.

#include <filesystem>
#include <memory>
#include <vector>

#include "platform/clock.h"
#include "store/book.h"
#include "store/book_tables.h"

namespace coinest::bench {

struct ViewBenchBook {
  std::filesystem::path root;
  std::unique_ptr<FixedDateClock> clock;  // 2009-12-31
  BookOpenResult opened;
  std::unique_ptr<Book> book;
  std::vector<int32_t> creditCards;
  std::vector<int32_t> accounts;  // bank accounts
};

// The shared book (built at the first call; removed at exit).
ViewBenchBook& viewBenchBook();

}  // namespace coinest::bench
