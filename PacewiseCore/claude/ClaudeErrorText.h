#pragma once

#include "AuthService.h"
#include "usage/UsageCLIError.h"

#include <QString>

namespace pacewise {

// One line a user can act on, for every way asking claude can fail.
QString usageErrorText(const UsageCLIError &error);
// The same for the log, with what is private in it scrubbed (scrubbedText).
QString usageErrorLogText(const UsageCLIError &error);
QString authErrorText(const AuthStatusError &error);

} // namespace pacewise
