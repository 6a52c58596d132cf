#include "support/child_process.h"

#include <sys/wait.h>
#include <unistd.h>

namespace coinest::testing {

bool runsToEndInChild(const std::function<bool()>& body, unsigned seconds) {
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    ::alarm(seconds);
    ::_exit(body() ? 0 : 1);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace coinest::testing
