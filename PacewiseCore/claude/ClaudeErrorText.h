#pragma once

#include "claude/AuthService.h"
#include "usage/UsageCLIError.h"

#include <QString>

namespace pacewise::cli {

// One line a user can act on, for every way asking claude can fail.
QString usageErrorText(const UsageCLIError &error);
QString authErrorText(const AuthStatusError &error);

} // namespace pacewise::cli
