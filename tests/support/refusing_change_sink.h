#pragma once

// A change sink that keeps no change for the desktop: with exchange on, every write that owes
// the desktop a change fails, so a test can see a refused write reported and rolled back.

#include "store/book.h"

namespace coinest::testing {

class RefusingChangeSink final : public ChangeSink {
 public:
  bool queueChange(ObjectStore&, const ChangeRecord&) override { return false; }
  void writeChange(const ChangeRecord&) override {}
};

}  // namespace coinest::testing
