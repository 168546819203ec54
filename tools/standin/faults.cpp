#include "faults.h"

#include "json.h"

#include <charconv>
#include <chrono>

namespace standin {

namespace {

std::optional<int> parseCount(const std::string &text)
{
    int value = 0;
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end || value < 0)
        return std::nullopt;
    return value;
}

} // namespace

bool FaultRule::matches(const std::string &requestPath) const
{
    if (prefix)
        return requestPath.compare(0, path.size(), path) == 0;
    return requestPath == path;
}

std::optional<FaultRule> parseFaultSpec(FaultRule::Kind kind, const std::string &spec)
{
    FaultRule rule;
    rule.kind = kind;
    std::string rest = spec;
    if (kind != FaultRule::Kind::Drop) {
        const size_t colon = rest.rfind(':');
        if (colon == std::string::npos)
            return std::nullopt;
        const auto value = parseCount(rest.substr(colon + 1));
        if (!value)
            return std::nullopt;
        if (kind == FaultRule::Kind::Status)
            rule.status = *value;
        else
            rule.seconds = *value;
        rest.resize(colon);
    }
    const size_t colon = rest.rfind(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const auto count = parseCount(rest.substr(colon + 1));
    rule.path = rest.substr(0, colon);
    if (!count || !(rule.path.starts_with('/') || rule.path.starts_with("PATCH /")))
        return std::nullopt;
    if (kind == FaultRule::Kind::Status && (rule.status < 100 || rule.status > 599))
        return std::nullopt;
    rule.remaining = *count;
    if (rule.path.back() == '*') {
        rule.path.pop_back();
        rule.prefix = true;
    }
    return rule;
}

std::string defaultFaultBody(int status)
{
    JsonObject error;
    error.add("code", "injectedFault")
        .add("message",
             "Fault switched on at the stand-in (status " + std::to_string(status) + ")");
    return JsonObject().addRaw("error", error.str()).str();
}

void FaultSwitches::add(FaultRule rule)
{
    if (rule.remaining <= 0)
        return;
    std::lock_guard lock(m_Mutex);
    m_Rules.push_back(std::move(rule));
}

std::optional<FaultRule> FaultSwitches::take(const std::string &requestPath)
{
    std::lock_guard lock(m_Mutex);
    for (auto it = m_Rules.begin(); it != m_Rules.end(); ++it) {
        if (!it->matches(requestPath))
            continue;
        FaultRule hit = *it;
        if (--it->remaining <= 0)
            m_Rules.erase(it);
        return hit;
    }
    return std::nullopt;
}

void FaultSwitches::clear()
{
    std::lock_guard lock(m_Mutex);
    m_Rules.clear();
}

int FaultSwitches::pending() const
{
    std::lock_guard lock(m_Mutex);
    int total = 0;
    for (const auto &rule : m_Rules)
        total += rule.remaining;
    return total;
}

bool FaultSwitches::stall(int seconds)
{
    std::unique_lock lock(m_Mutex);
    return !m_Wake.wait_for(lock, std::chrono::seconds(seconds), [this] { return m_Stopping; });
}

void FaultSwitches::shutdown()
{
    {
        std::lock_guard lock(m_Mutex);
        m_Stopping = true;
    }
    m_Wake.notify_all();
}

} // namespace standin
