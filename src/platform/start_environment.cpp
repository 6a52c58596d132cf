#include "platform/start_environment.h"

#include "platform/device_root.h"

namespace coinest {
namespace {

StartEnvironmentResult failed(StartEnvironmentError error, std::string message) {
  StartEnvironmentResult result;
  result.error = error;
  result.message = std::move(message);
  return result;
}

}  // namespace

StartEnvironmentResult prepareStartEnvironment(const std::optional<std::string>& rootOption,
                                               const std::optional<std::string>& todayOption) {
  std::optional<CalendarDate> today;
  if (todayOption) {
    today = parseIsoDate(todayOption->c_str());
    if (!today) {
      return failed(StartEnvironmentError::Usage,
                    "--today: \"" + *todayOption + "\" is not a valid date of the form YYYY-MM-DD");
    }
  }
  bool envMalformed = false;
  StartEnvironment environment;
  environment.clock = makeClock(today, &envMalformed);
  if (envMalformed) {
    return failed(StartEnvironmentError::Usage, "COINEST_TODAY: not a valid date of the form YYYY-MM-DD");
  }

  environment.root = resolveDeviceRoot(rootOption);
  const PrepareRootResult prepared = prepareDeviceRoot(environment.root);
  if (!prepared.ok) return failed(StartEnvironmentError::Root, prepared.error);

  StartEnvironmentResult result;
  result.environment = std::move(environment);
  return result;
}

}  // namespace coinest
