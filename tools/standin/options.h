#pragma once

// Command line of pinlark-standin.

#include "faults.h"

#include <string>
#include <vector>

namespace standin {

struct Options
{
    int port = 0;             // 0: the system picks a free port
    std::string pageFile;     // empty: a built-in demo board
    int tokenLifetime = 3600; // seconds an access token stays valid
    std::string clientId;     // empty: any client id is accepted
    // The app is registered without public-client flows: a token request without
    // a client secret (every one the app sends) is refused with 401 invalid_client.
    bool noPublicClient = false;
    std::string userId = "5c1f3e8a9b2d4f60";
    std::string sectionName = "Pinlark";
    std::string pageTitle = "Pinlark";
    int fillerPages = 0;           // other pages listed before the board page
    int emptySections = 0;         // same-named sections without the board page, listed first
    bool noPage = false;           // the board section holds no board page
    bool exitOnStdinEof = false;   // stop when the parent closes our stdin (or dies)
    bool quiet = false;            // no request log
    std::vector<FaultRule> faults; // switched on at start
};

struct ParsedOptions
{
    Options options;
    bool ok = false;
    bool help = false;
    std::string error;
};

ParsedOptions parseOptions(const std::vector<std::string> &args);
std::string usageText();

} // namespace standin
