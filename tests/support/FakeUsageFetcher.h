#pragma once

#include "usage/UsageFetching.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace pacewise::test {

// Answers fetches from a queue; with nothing queued, from respond() when
// set, else "throttled". While held, a fetch waits for release(), as a
// claude that takes its time would.
class FakeUsageFetcher final : public UsageFetching {
public:
    std::function<std::expected<UsageSnapshot, UsageCLIError>()> respond;

    void hold()
    {
        std::lock_guard lock(m_mutex);
        m_held = true;
    }
    void release()
    {
        {
            std::lock_guard lock(m_mutex);
            m_held = false;
        }
        m_released.notify_all();
    }

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
        std::unique_lock lock(m_mutex);
        ++m_calls;
        m_released.wait(lock, [this] { return !m_held; });
        if (m_answers.empty() && respond)
            return respond();
        if (m_answers.empty())
            return std::unexpected(UsageCLIError{.kind = UsageCLIError::Kind::throttled});
        auto answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_released;
    bool m_held = false;
    mutable std::deque<std::expected<UsageSnapshot, UsageCLIError>> m_answers;
    mutable int m_calls = 0;
};

} // namespace pacewise::test
