#pragma once

// Everything the request handlers share. One instance lives for the whole
// server; every member is safe to use from the server's worker threads.

#include "faults.h"
#include "notebook.h"
#include "options.h"
#include "tokens.h"

#include <map>
#include <mutex>
#include <shared_mutex>
#include <string>

namespace standin {

// Requests received per path (without query), for tests that check how often
// the client called a service.
class RequestCounts
{
public:
    void add(const std::string &path)
    {
        std::lock_guard lock(m_Mutex);
        ++m_Counts[path];
    }
    std::map<std::string, int> snapshot() const
    {
        std::lock_guard lock(m_Mutex);
        return m_Counts;
    }
    void reset()
    {
        std::lock_guard lock(m_Mutex);
        m_Counts.clear();
    }

private:
    mutable std::mutex m_Mutex;
    std::map<std::string, int> m_Counts;
};

struct Service
{
    explicit Service(const Options &opts)
        : options(opts), tokens(std::chrono::seconds(opts.tokenLifetime)), notebook(opts)
    {
        for (const auto &rule : opts.faults)
            faults.add(rule);
    }

    const Options options;
    TokenStore tokens;
    FaultSwitches faults;
    RequestCounts counts;
    // Read under a shared lock, changed (a page created) under an exclusive one.
    Notebook notebook;
    std::shared_mutex notebookMutex;
    std::string root; // "http://127.0.0.1:PORT", set once the port is bound
};

} // namespace standin
