#include "options.h"

#include <charconv>
#include <functional>
#include <map>

namespace standin {

namespace {

bool parseInt(const std::string &text, int low, int high, int &value)
{
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end && value >= low &&
           value <= high;
}

} // namespace

std::string usageText()
{
    return "usage: pinlark-standin [options]\n"
           "Serves the identity platform and Graph paths the app uses, on 127.0.0.1 only.\n"
           "  --port N               port to listen on (0, the default: any free port)\n"
           "  --page FILE            board page; re-read at every content request; a body\n"
           "                         fragment is wrapped like the service's pages\n"
           "  --token-lifetime S     access token lifetime in seconds (default 3600)\n"
           "  --client-id ID         accept only this client id (default: any)\n"
           "  --no-public-client     refuse token requests without a client secret\n"
           "                         (401 invalid_client), as for an app registered\n"
           "                         without public-client flows\n"
           "  --user-id ID           the signed-in user's id (default 16 hex digits)\n"
           "  --section-name NAME    name of the board section (default Pinlark)\n"
           "  --page-title TITLE     title of the board page (default Pinlark)\n"
           "  --filler-pages N       other pages listed before the board page (default 0)\n"
           "  --empty-sections K     same-named sections without the page, listed first\n"
           "  --no-page              the board section holds no board page\n"
           "  --fault PATH:COUNT:STATUS   next COUNT requests to PATH get STATUS\n"
           "  --stall PATH:COUNT:SECONDS  next COUNT requests to PATH wait SECONDS first\n"
           "  --drop PATH:COUNT      next COUNT requests to PATH lose their connection\n"
           "                         (PATH ending in '*' matches every path it starts)\n"
           "  --exit-on-stdin-eof    stop when standard input closes\n"
           "  --quiet                no request log on stderr\n";
}

ParsedOptions parseOptions(const std::vector<std::string> &args)
{
    ParsedOptions parsed;
    Options &o = parsed.options;
    const int maxCount = 1000000;

    auto number = [](int &field, int low, int high) {
        return [&field, low, high](const std::string &v) { return parseInt(v, low, high, field); };
    };
    auto text = [](std::string &field) {
        return [&field](const std::string &v) {
            field = v;
            return !v.empty();
        };
    };
    auto fault = [&o](FaultRule::Kind kind) {
        return [&o, kind](const std::string &v) {
            auto rule = parseFaultSpec(kind, v);
            if (rule)
                o.faults.push_back(*rule);
            return rule.has_value();
        };
    };
    const std::map<std::string, std::function<bool(const std::string &)>> valued = {
        {"--port", number(o.port, 0, 65535)},
        {"--page", text(o.pageFile)},
        {"--token-lifetime", number(o.tokenLifetime, 0, 100000000)},
        {"--client-id", text(o.clientId)},
        {"--user-id", text(o.userId)},
        {"--section-name", text(o.sectionName)},
        {"--page-title", text(o.pageTitle)},
        {"--filler-pages", number(o.fillerPages, 0, maxCount)},
        {"--empty-sections", number(o.emptySections, 0, maxCount)},
        {"--fault", fault(FaultRule::Kind::Status)},
        {"--stall", fault(FaultRule::Kind::Stall)},
        {"--drop", fault(FaultRule::Kind::Drop)},
    };
    const std::map<std::string, bool *> flags = {
        {"--no-page", &o.noPage},
        {"--no-public-client", &o.noPublicClient},
        {"--exit-on-stdin-eof", &o.exitOnStdinEof},
        {"--quiet", &o.quiet},
    };

    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool inlineValue = false;
        if (const size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
            inlineValue = true;
        }
        if (name == "--help" || name == "-h") {
            parsed.help = true;
            return parsed;
        }
        if (const auto flag = flags.find(name); flag != flags.end() && !inlineValue) {
            *flag->second = true;
            continue;
        }
        const auto option = valued.find(name);
        if (option == valued.end()) {
            parsed.error = "unknown option " + name;
            return parsed;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) {
                parsed.error = name + " needs a value";
                return parsed;
            }
            value = args[++i];
        }
        if (!option->second(value)) {
            parsed.error = "bad value for " + name + ": " + value;
            return parsed;
        }
    }
    parsed.ok = true;
    return parsed;
}

} // namespace standin
