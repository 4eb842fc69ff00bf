#pragma once

#include "usage/UsageCLIError.h"

#include <QString>

namespace pacewise {

// What the user is told when fresh figures could not be had.
enum class FetchIssue { signInRequired, offline, throttled, unknown };

FetchIssue classify(const UsageCLIError &error);
QString issueText(FetchIssue issue);

} // namespace pacewise
