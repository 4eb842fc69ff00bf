#pragma once

#include "UsageCLIError.h"
#include "UsageSnapshot.h"

#include <expected>

namespace pacewise {

// A source of fresh usage figures. Blocking: call from a pool thread.
class UsageFetching {
public:
    virtual ~UsageFetching() = default;
    virtual std::expected<UsageSnapshot, UsageCLIError> fetch() const = 0;
};

} // namespace pacewise
