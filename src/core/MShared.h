#pragma once

#include <mutex>
#include <utility>

// A value shared between the main thread and the sync worker. It is only ever
// replaced whole: a reader gets a copy that stays valid however the other thread
// changes the variable meanwhile. Qt's implicitly shared strings make the copy a
// reference-count increment.
template <typename T> class MShared
{
public:
    MShared() = default;
    explicit MShared(T value) : m_value(std::move(value)) {}
    MShared(const MShared &) = delete;
    MShared &operator=(const MShared &) = delete;

    T load() const
    {
        std::lock_guard lock(m_mutex);
        return m_value;
    }

    void store(T value)
    {
        std::lock_guard lock(m_mutex);
        std::swap(m_value, value);
        // The old value is released after the lock is dropped.
    }

    // Replaces the value and returns the one it held, in one step: a value stored by
    // the other thread meanwhile is neither lost nor taken twice.
    T exchange(T value)
    {
        std::lock_guard lock(m_mutex);
        std::swap(m_value, value);
        return value;
    }

    // Replaces the value only while it still equals `expected`, in one step; says
    // whether it did. The other thread's newer value is never overwritten.
    bool compareExchange(const T &expected, T desired)
    {
        std::lock_guard lock(m_mutex);
        if (!(m_value == expected))
            return false;
        std::swap(m_value, desired);
        return true;
    }

    // Changes the value in place, in one step with respect to the other thread:
    // for a value both threads change (a list one adds to and the other takes
    // from). `change` must not block.
    template <typename F> void update(F &&change)
    {
        std::lock_guard lock(m_mutex);
        change(m_value);
    }

private:
    mutable std::mutex m_mutex;
    T m_value{};
};
