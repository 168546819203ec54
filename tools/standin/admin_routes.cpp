// The admin API that tests use to steer the stand-in: fault switches, token
// expiry and revocation, request counts and a state summary. Its own requests
// are neither counted nor subject to fault switches.

#include "codec.h"
#include "json.h"
#include "routes.h"

#include <charconv>

namespace standin {

namespace {

const std::string kOk = R"({"ok":true})";

// Parameters may come in the query or in a form body.
FormFields adminFields(const httplib::Request &req)
{
    FormFields fields = parseForm(queryOf(req.target));
    if (startsWith(asciiLower(req.get_header_value("Content-Type")),
                   "application/x-www-form-urlencoded")) {
        for (auto &entry : parseForm(req.body))
            fields.insert(entry);
    }
    return fields;
}

bool intField(const FormFields &fields, const char *name, int fallback, int &value)
{
    const auto it = fields.find(name);
    if (it == fields.end()) {
        value = fallback;
        return true;
    }
    const char *end = it->second.data() + it->second.size();
    const auto result = std::from_chars(it->second.data(), end, value);
    return !it->second.empty() && result.ec == std::errc() && result.ptr == end && value >= 0;
}

void badRequest(httplib::Response &res, const std::string &message)
{
    setJson(res, 400, JsonObject().add("error", message).str());
}

void addFault(Service &service, const httplib::Request &req, httplib::Response &res)
{
    const FormFields fields = adminFields(req);
    FaultRule rule;
    const auto path = fields.find("path");
    // "PATCH /path" names the page updates of a path apart from its reads.
    if (path == fields.end() ||
        !(startsWith(path->second, "/") || startsWith(path->second, "PATCH /")))
        return badRequest(res, "path must be given and start with / (or PATCH /)");
    rule.path = path->second;
    if (rule.path.back() == '*') {
        rule.path.pop_back();
        rule.prefix = true;
    }
    const auto mode = fields.find("mode");
    const std::string kind = mode == fields.end() ? "status" : mode->second;
    if (kind == "status")
        rule.kind = FaultRule::Kind::Status;
    else if (kind == "stall")
        rule.kind = FaultRule::Kind::Stall;
    else if (kind == "drop")
        rule.kind = FaultRule::Kind::Drop;
    else
        return badRequest(res, "mode must be status, stall or drop");
    if (!intField(fields, "count", 1, rule.remaining) ||
        !intField(fields, "status", 503, rule.status) ||
        !intField(fields, "seconds", 1, rule.seconds) || rule.status < 100 || rule.status > 599)
        return badRequest(res, "count, status and seconds must be numbers (status 100-599)");
    if (const auto body = fields.find("body"); body != fields.end())
        rule.body = body->second;
    service.faults.add(rule);
    setJson(res, 200,
            JsonObject().addBool("ok", true).addNumber("pending", service.faults.pending()).str());
}

std::string countsJson(const Service &service)
{
    JsonObject counts;
    for (const auto &[path, count] : service.counts.snapshot())
        counts.addNumber(path, count);
    return counts.str();
}

std::string stateJson(const Service &service)
{
    const TokenCounts tokens = service.tokens.counts();
    int requests = 0;
    for (const auto &entry : service.counts.snapshot())
        requests += entry.second;
    return JsonObject()
        .addNumber("codes", tokens.codes)
        .addNumber("refreshTokens", tokens.refreshTokens)
        .addNumber("accessTokens", tokens.accessTokens)
        .addNumber("validAccessTokens", tokens.validAccessTokens)
        .addNumber("grantsIssued", tokens.grantsIssued)
        .addNumber("pendingFaults", service.faults.pending())
        .addNumber("requests", requests)
        .str();
}

} // namespace

void installAdminRoutes(httplib::Server &server, Service &service)
{
    using Req = const httplib::Request &;
    using Res = httplib::Response &;
    server.Post("/_admin/fault", [&service](Req req, Res res) { addFault(service, req, res); });
    server.Post("/_admin/clear-faults", [&service](Req, Res res) {
        service.faults.clear();
        setJson(res, 200, kOk);
    });
    server.Post("/_admin/expire-tokens", [&service](Req, Res res) {
        service.tokens.expireAccessTokens();
        setJson(res, 200, kOk);
    });
    server.Post("/_admin/revoke-refresh-tokens", [&service](Req, Res res) {
        service.tokens.revokeRefreshTokens();
        setJson(res, 200, kOk);
    });
    server.Get("/_admin/counts",
               [&service](Req, Res res) { setJson(res, 200, countsJson(service)); });
    server.Post("/_admin/reset-counts", [&service](Req, Res res) {
        service.counts.reset();
        setJson(res, 200, kOk);
    });
    server.Get("/_admin/state",
               [&service](Req, Res res) { setJson(res, 200, stateJson(service)); });
}

} // namespace standin
