#pragma once

// A change sink that records the first changes and then refuses to keep any more, as a full
// outbox would: the transaction of the refused change fails.

#include "store/book.h"

namespace coinest::testing {

class FailingChangeSink final : public ChangeSink {
 public:
  explicit FailingChangeSink(int accepted) : accepted_(accepted) {}
  bool queueChange(ObjectStore&, const ChangeRecord&) override { return accepted_-- > 0; }
  void writeChange(const ChangeRecord&) override {}

 private:
  int accepted_;
};

}  // namespace coinest::testing
