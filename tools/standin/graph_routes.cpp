// Microsoft Graph v1.0: the signed-in user and the OneNote sections, pages
// and page content, behind bearer-token checks.

#include "codec.h"
#include "json.h"
#include "routes.h"

#include <charconv>
#include <mutex>
#include <regex>
#include <shared_mutex>
#include <vector>

namespace standin {

namespace {

constexpr int kDefaultTop = 20; // the service's page size for page lists

std::string graphError(const std::string &code, const std::string &message)
{
    JsonObject error;
    error.add("code", code).add("message", message);
    return JsonObject().addRaw("error", error.str()).str();
}

std::vector<std::string> splitPath(const std::string &path)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start < path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start)
            parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// 401 for a missing, unknown or expired token; the app's transport turns a
// 401 into its refresh trigger.
bool authorized(Service &service, const httplib::Request &req, httplib::Response &res)
{
    const std::string header = req.get_header_value("Authorization");
    std::string message;
    if (!startsWith(asciiLower(header), "bearer ") || header.size() <= 7) {
        message = "Access token is empty.";
    } else {
        switch (service.tokens.checkAccess(header.substr(7))) {
        case AccessCheck::Valid:
            return true;
        case AccessCheck::Expired:
            message = "Access token has expired or is not yet valid.";
            break;
        case AccessCheck::Unknown:
            message = "Access token validation failure.";
            break;
        }
    }
    res.set_header("WWW-Authenticate", "Bearer error=\"invalid_token\"");
    setJson(res, 401, graphError("InvalidAuthenticationToken", message));
    return false;
}

// Section filters the service understands here: "tolower(name) eq 'x'" and
// "name eq 'x'" ("displayName" also), with '' for a quote inside the literal.
struct SectionFilter
{
    bool valid = true;
    bool any = true;
    bool lowerCase = false;
    std::string value;

    bool accepts(const std::string &name) const
    {
        return any || (lowerCase ? asciiLower(name) : name) == value;
    }
};

SectionFilter parseFilter(const FormFields &fields)
{
    auto it = fields.find("$filter");
    if (it == fields.end())
        it = fields.find("filter");
    SectionFilter filter;
    if (it == fields.end())
        return filter;
    static const std::regex pattern(
        R"(^\s*(tolower\(\s*(?:display)?name\s*\)|(?:display)?name)\s+eq\s+'((?:[^']|'')*)'\s*$)",
        std::regex::icase);
    std::smatch match;
    filter.any = false;
    if (!std::regex_match(it->second, match, pattern)) {
        filter.valid = false;
        return filter;
    }
    filter.lowerCase = startsWith(asciiLower(match[1].str()), "tolower");
    filter.value = std::regex_replace(match[2].str(), std::regex("''"), "'");
    return filter;
}

bool numberField(const FormFields &fields, const char *name, int fallback, int &value)
{
    const auto it = fields.find(name);
    if (it == fields.end()) {
        value = fallback;
        return true;
    }
    const std::string &text = it->second;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && value >= 0;
}

void sections(Service &service, const std::string &base, const FormFields &fields,
              httplib::Response &res)
{
    const SectionFilter filter = parseFilter(fields);
    if (!filter.valid)
        return setJson(res, 400, graphError("BadRequest", "Invalid filter clause."));
    std::vector<std::string> entries;
    for (const auto &section : service.notebook.sections()) {
        if (filter.accepts(section.name))
            entries.push_back(service.notebook.sectionJson(section, base));
    }
    setJson(res, 200,
            JsonObject()
                .add("@odata.context", service.root + "/v1.0/$metadata#users('" +
                                           service.options.userId + "')/onenote/sections")
                .addRaw("value", jsonArray(entries))
                .str());
}

void pages(Service &service, const std::string &base, const std::string &sectionId,
           const FormFields &fields, httplib::Response &res)
{
    const NotebookSection *section = service.notebook.section(sectionId);
    if (!section)
        return setJson(res, 404, graphError("20111", "The requested section does not exist."));
    int top = 0;
    int skip = 0;
    if (!numberField(fields, "$top", kDefaultTop, top) || !numberField(fields, "$skip", 0, skip) ||
        top == 0)
        return setJson(res, 400, graphError("BadRequest", "Invalid $top or $skip."));
    top = std::min(top, 100);
    std::vector<std::string> entries;
    const auto &all = section->pages;
    for (size_t i = static_cast<size_t>(skip); i < all.size() && entries.size() < size_t(top); ++i)
        entries.push_back(service.notebook.pageJson(all[i], base));
    JsonObject answer;
    answer
        .add("@odata.context", service.root + "/v1.0/$metadata#users('" + service.options.userId +
                                   "')/onenote/sections('" + sectionId + "')/pages")
        .addRaw("value", jsonArray(entries));
    if (static_cast<size_t>(skip) + static_cast<size_t>(top) < all.size()) {
        answer.add("@odata.nextLink", base + "/onenote/sections/" + sectionId +
                                          "/pages?$top=" + std::to_string(top) +
                                          "&$skip=" + std::to_string(skip + top));
    }
    setJson(res, 200, answer.str());
}

void pageContent(Service &service, const std::string &pageId, const FormFields &fields,
                 httplib::Response &res)
{
    const NotebookPage *page = service.notebook.page(pageId);
    const auto ids = fields.find("includeIDs");
    const bool includeIds = ids != fields.end() && asciiLower(ids->second) == "true";
    const auto html = page ? service.notebook.content(*page, includeIds) : std::nullopt;
    if (!html)
        return setJson(res, 404, graphError("20102", "The specified resource ID does not exist."));
    setHtml(res, 200, *html);
}

// The user root of a Graph path ("http://.../v1.0/me") and the segments after it;
// false, with the answer set, for a user or resource the service does not know.
bool userPath(Service &service, const httplib::Request &req, httplib::Response &res,
              std::string &base, std::vector<std::string> &tail)
{
    const std::vector<std::string> parts = splitPath(req.path); // "v1.0", "me", ...
    size_t rest = 0;
    if (parts.size() >= 2 && parts[1] == "me") {
        base = service.root + "/v1.0/me";
        rest = 2;
    } else if (parts.size() >= 3 && parts[1] == "users") {
        if (parts[2] != service.options.userId) {
            setJson(res, 404, graphError("ResourceNotFound", "User not found."));
            return false;
        }
        base = service.root + "/v1.0/users/" + parts[2];
        rest = 3;
    } else {
        setJson(res, 404, graphError("ResourceNotFound", "Unknown resource."));
        return false;
    }
    tail.assign(parts.begin() + static_cast<long>(rest), parts.end());
    return true;
}

void graph(Service &service, const httplib::Request &req, httplib::Response &res)
{
    std::string base;
    std::vector<std::string> tail;
    if (!authorized(service, req, res) || !userPath(service, req, res, base, tail))
        return;
    std::shared_lock lock(service.notebookMutex);
    const FormFields fields = parseForm(queryOf(req.target));
    const auto is = [&tail](size_t i, const char *segment) {
        return i < tail.size() && asciiLower(tail[i]) == segment;
    };

    if (tail.empty()) {
        return setJson(res, 200,
                       JsonObject()
                           .add("@odata.context", service.root + "/v1.0/$metadata#users/$entity")
                           .add("id", service.options.userId)
                           .add("displayName", "Demo User")
                           .add("userPrincipalName", "demo@example.com")
                           .str());
    }
    if (tail.size() == 2 && is(0, "onenote") && is(1, "sections"))
        return sections(service, base, fields, res);
    if (tail.size() == 4 && is(0, "onenote") && is(1, "sections") && is(3, "pages"))
        return pages(service, base, tail[2], fields, res);
    if (tail.size() == 4 && is(0, "onenote") && is(1, "pages") && is(3, "content"))
        return pageContent(service, tail[2], fields, res);
    if (tail.size() == 3 && is(0, "onenote") && is(1, "pages")) {
        if (const NotebookPage *page = service.notebook.page(tail[2]))
            return setJson(res, 200, service.notebook.pageJson(*page, base));
        return setJson(res, 404, graphError("20102", "The specified resource ID does not exist."));
    }
    setJson(res, 404, graphError("ResourceNotFound", "Unknown resource."));
}

// POST .../onenote/pages?sectionName=NAME: a page made from the input HTML in the
// named section of the default notebook, which is made when missing; 201 with the
// page's entry. Without sectionName the default section would be meant, which
// this notebook does not have.
void createPage(Service &service, const httplib::Request &req, httplib::Response &res)
{
    std::string base;
    std::vector<std::string> tail;
    if (!authorized(service, req, res) || !userPath(service, req, res, base, tail))
        return;
    if (tail.size() != 2 || asciiLower(tail[0]) != "onenote" || asciiLower(tail[1]) != "pages")
        return setJson(res, 404, graphError("ResourceNotFound", "Unknown resource."));
    const std::string type = asciiLower(req.get_header_value("Content-Type"));
    if (!startsWith(type, "text/html") && !startsWith(type, "application/xhtml+xml"))
        return setJson(res, 415,
                       graphError("20001", "The Content-Type must be text/html or "
                                           "application/xhtml+xml."));
    const FormFields fields = parseForm(queryOf(req.target));
    const auto name = fields.find("sectionName");
    if (name == fields.end() || name->second.empty())
        return setJson(res, 400, graphError("20112", "The section name is missing."));
    if (name->second.find_first_of("?*\\/:<>|&#\"%~") != std::string::npos)
        return setJson(res, 400,
                       graphError("20115", "The section name holds a character that is not "
                                           "allowed."));
    std::unique_lock lock(service.notebookMutex);
    const NotebookPage &page = service.notebook.createPage(name->second, req.body);
    setJson(res, 201, service.notebook.pageJson(page, base));
}

// PATCH .../onenote/pages/{id}/content: the page update, 204 with no body when
// every command applied, 400 (nothing changed) otherwise.
void pageUpdate(Service &service, const httplib::Request &req, httplib::Response &res)
{
    std::string base;
    std::vector<std::string> tail;
    if (!authorized(service, req, res) || !userPath(service, req, res, base, tail))
        return;
    const bool contentPath = tail.size() == 4 && asciiLower(tail[0]) == "onenote" &&
                             asciiLower(tail[1]) == "pages" && asciiLower(tail[3]) == "content";
    if (!contentPath)
        return setJson(res, 404, graphError("ResourceNotFound", "Unknown resource."));
    // A page made meanwhile moves the others in memory.
    std::shared_lock lock(service.notebookMutex);
    const NotebookPage *page = service.notebook.page(tail[2]);
    if (!page)
        return setJson(res, 404, graphError("20102", "The specified resource ID does not exist."));
    if (!startsWith(asciiLower(req.get_header_value("Content-Type")), "application/json"))
        return setJson(res, 400, graphError("20001", "The Content-Type must be application/json."));
    std::vector<PatchCommand> commands;
    if (!parsePatchCommands(req.body, commands) || commands.empty())
        return setJson(res, 400, graphError("20001", "The body is not a list of changes."));
    const PatchResult result = service.notebook.applyChange(*page, commands);
    if (result.status != 204)
        return setJson(res, result.status, graphError("20135", result.message));
    res.status = 204;
}

} // namespace

void installGraphRoutes(httplib::Server &server, Service &service)
{
    server.Patch(R"(/v1\.0/.*)",
                 guarded(service, [&service](const httplib::Request &req, httplib::Response &res) {
                     pageUpdate(service, req, res);
                 }));
    server.Get(R"(/v1\.0/.*)",
               guarded(service, [&service](const httplib::Request &req, httplib::Response &res) {
                   graph(service, req, res);
               }));
}

void installCreatePageRoute(httplib::Server &server, Service &service)
{
    server.Post(R"(/v1\.0/.*/onenote/pages)",
                guarded(service, [&service](const httplib::Request &req, httplib::Response &res) {
                    createPage(service, req, res);
                }));
}

} // namespace standin
