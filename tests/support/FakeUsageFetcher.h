#pragma once

#include "usage/UsageFetching.h"

#include <deque>
#include <mutex>

namespace pacewise::test {

// Answers fetches from a queue; with nothing queued, "throttled".
class FakeUsageFetcher final : public UsageFetching {
public:
    void answer(std::expected<UsageSnapshot, UsageCLIError> result)
    {
        std::lock_guard lock(m_mutex);
        m_answers.push_back(std::move(result));
    }
    int calls() const
    {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }
    std::expected<UsageSnapshot, UsageCLIError> fetch() const override
    {
        std::lock_guard lock(m_mutex);
        ++m_calls;
        if (m_answers.empty())
            return std::unexpected(UsageCLIError{.kind = UsageCLIError::Kind::throttled});
        auto answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

private:
    mutable std::mutex m_mutex;
    mutable std::deque<std::expected<UsageSnapshot, UsageCLIError>> m_answers;
    mutable int m_calls = 0;
};

} // namespace pacewise::test
