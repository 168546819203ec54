#include "routes.h"

#include "codec.h"
#include "json.h"

#include <cstdio>

namespace standin {

namespace {

// Paths are percent-decoded: keep control characters out of the log.
std::string printable(const std::string &text)
{
    std::string out = text;
    for (char &c : out) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    }
    return out;
}

} // namespace

bool isAdminPath(const std::string &path)
{
    return startsWith(path, "/_admin/");
}

void setJson(httplib::Response &res, int status, const std::string &json)
{
    res.status = status;
    res.set_content(json, "application/json");
}

void setHtml(httplib::Response &res, int status, const std::string &html)
{
    res.status = status;
    res.set_content(html, "text/html; charset=utf-8");
}

httplib::Server::Handler guarded(Service &service, httplib::Server::Handler handler)
{
    return [&service, handler](const httplib::Request &req, httplib::Response &res) {
        if (isAdminPath(req.path)) {
            handler(req, res);
            return;
        }
        // A change is counted and faulted apart from the reads of the same path:
        // "PATCH /v1.0/me/onenote/pages/ID/content".
        const bool change = req.method == "PATCH";
        const std::string key = change ? "PATCH " + req.path : req.path;
        service.counts.add(key);
        const auto fault = service.faults.take(key);
        if (!fault) {
            handler(req, res);
            return;
        }
        switch (fault->kind) {
        case FaultRule::Kind::Status: {
            const std::string body =
                fault->body.empty() ? defaultFaultBody(fault->status) : fault->body;
            res.status = fault->status;
            res.set_content(body, startsWith(body, "{") ? "application/json" : "text/plain");
            return;
        }
        case FaultRule::Kind::Stall:
            if (service.faults.stall(fault->seconds))
                handler(req, res);
            else
                setJson(res, 503, defaultFaultBody(503)); // shutting down
            return;
        case FaultRule::Kind::Drop:
            // A change lands and its answer is lost, the case a client cannot
            // tell from one that never arrived.
            if (change) {
                handler(req, res);
                res.status = 200; // a 204 would be sent whole, with no body to cut
            }
            // Headers promise a body that never comes: the connection closes
            // mid-answer, which clients report as a transport error.
            res.set_content_provider(64, "application/json",
                                     [](size_t, size_t, httplib::DataSink &) { return false; });
            return;
        }
    };
}

void installRoutes(httplib::Server &server, Service &service)
{
    installAdminRoutes(server, service);
    installIdentityRoutes(server, service);
    installGraphRoutes(server, service);
    installCreatePageRoute(server, service);

    auto notFound = [](const httplib::Request &req, httplib::Response &res) {
        JsonObject error;
        error.add("code", "ResourceNotFound").add("message", "No route for " + req.path);
        setJson(res, 404, JsonObject().addRaw("error", error.str()).str());
    };
    server.Get(".*", guarded(service, notFound));
    server.Post(".*", guarded(service, notFound));
    server.Patch(".*", guarded(service, notFound));

    if (!service.options.quiet) {
        // Path only: the query and the headers may carry codes and tokens.
        server.set_logger([](const httplib::Request &req, const httplib::Response &res) {
            const std::string line = "standin: " + req.method + " " + printable(req.path) + " " +
                                     std::to_string(res.status) + "\n";
            std::fputs(line.c_str(), stderr);
        });
    }
}

} // namespace standin
