#pragma once

#include <functional>

namespace coinest::testing {

// Runs `body` in a forked child that an alarm kills after `seconds`; true when the child ran to
// its end and `body` returned true. For code that must not block (a FIFO where a file was
// expected): a fault then fails the test instead of hanging the suite. `body` reports through its
// result only: what it asserts stays in the child.
bool runsToEndInChild(const std::function<bool()>& body, unsigned seconds = 20);

}  // namespace coinest::testing
