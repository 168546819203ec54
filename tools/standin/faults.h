#pragma once

// Fault switches: make the next few requests to a path fail in a chosen way,
// so tests can drive the client through service errors, time-outs and broken
// connections on demand.

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace standin {

struct FaultRule
{
    enum class Kind { Status, Stall, Drop };

    std::string path;    // request path without query; with prefix, its leading part
    bool prefix = false; // the rule was given as "PATH*"
    int remaining = 1;   // requests still to be hit
    Kind kind = Kind::Status;
    int status = 503;
    std::string body; // empty: a small JSON error
    int seconds = 0;  // stall length

    bool matches(const std::string &requestPath) const;
};

// "PATH:COUNT:VALUE" (VALUE is the status or the stall seconds) or, for a
// drop, "PATH:COUNT". Splits from the right so PATH may hold ':'.
std::optional<FaultRule> parseFaultSpec(FaultRule::Kind kind, const std::string &spec);

// The answer body of a status fault that was given none.
std::string defaultFaultBody(int status);

// Thread-safe list of pending faults, shared by all request threads.
class FaultSwitches
{
public:
    void add(FaultRule rule);
    // The first pending rule that matches, with one use consumed.
    std::optional<FaultRule> take(const std::string &requestPath);
    void clear();
    int pending() const;

    // Sleeps for a stall; returns early (false) once shutdown() was called,
    // so a stalled request never holds up the server's exit.
    bool stall(int seconds);
    void shutdown();

private:
    mutable std::mutex m_Mutex;
    std::condition_variable m_Wake;
    std::vector<FaultRule> m_Rules;
    bool m_Stopping = false;
};

} // namespace standin
