#pragma once

#include <QtGlobal>
#include <algorithm>

// Spacing of retries after a passing failure: the first retry waits `first`
// seconds, each further failure doubles the wait up to `max`, and a success starts
// over. Times are whole seconds from the worker's clock; a clock set back before
// the last failure makes the retry due at once rather than strand it.
class Backoff
{
public:
    constexpr Backoff(qint64 first, qint64 max) : m_first(first), m_max(max), m_delay(first) {}

    bool due(qint64 now) const
    {
        return !m_waiting || now < m_failedAt || now - m_failedAt >= m_wait;
    }

    // `wait`, when positive, is the service's own word on how long to wait, and
    // replaces the doubled delay for this retry.
    void failed(qint64 now, qint64 wait = 0)
    {
        m_waiting = true;
        m_failedAt = now;
        m_wait = wait > 0 ? wait : m_delay;
        m_delay = std::min(m_delay * 2, m_max);
    }

    void succeeded()
    {
        m_waiting = false;
        m_delay = m_first;
    }

private:
    qint64 m_first;
    qint64 m_max;
    qint64 m_delay;
    qint64 m_wait = 0;
    qint64 m_failedAt = 0;
    bool m_waiting = false;
};
