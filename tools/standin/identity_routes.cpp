// The identity platform: sign-in page, token endpoint, sign-out page and the
// desktop redirect page.

#include "codec.h"
#include "json.h"
#include "pkce.h"
#include "routes.h"

namespace standin {

namespace {

std::string page(const std::string &title, const std::string &bodyHtml)
{
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\" />\n<title>" +
           htmlEscape(title) + "</title>\n</head>\n<body>\n" + bodyHtml + "\n</body>\n</html>\n";
}

void refusePage(httplib::Response &res, const std::string &message)
{
    setHtml(res, 400,
            page("Sign-in error",
                 "<h1>Sign-in error</h1>\n<p id=\"error\">" + htmlEscape(message) + "</p>"));
}

void tokenError(httplib::Response &res, const std::string &error, const std::string &description,
                int status = 400)
{
    setJson(res, status,
            JsonObject().add("error", error).add("error_description", description).str());
}

void authorize(Service &service, const httplib::Request &req, httplib::Response &res)
{
    const FormFields fields = parseForm(queryOf(req.target));
    const auto field = [&fields](const char *name) {
        const auto it = fields.find(name);
        return it == fields.end() ? std::string() : it->second;
    };
    const std::string redirect = field("redirect_uri");
    const std::string clientId = field("client_id");
    if (redirect.empty())
        return refusePage(res, "The request has no redirect_uri.");
    // Only web addresses: the address ends up as a navigation target, and a
    // "javascript:" address would run script in this page.
    if (!startsWith(asciiLower(redirect), "http://") &&
        !startsWith(asciiLower(redirect), "https://"))
        return refusePage(res, "The redirect_uri is not an http or https address.");
    if (field("response_type") != "code")
        return refusePage(res, "The response_type must be code.");
    if (clientId.empty() ||
        (!service.options.clientId.empty() && clientId != service.options.clientId))
        // The words of the service's own page for an id it has no registration of.
        return refusePage(res, "unauthorized_client: The client does not exist or is not "
                               "enabled for consumers.");
    const std::string challenge = field("code_challenge");
    const std::string method = field("code_challenge_method");
    if (!pkceChallengeIsValid(challenge, method))
        return refusePage(res, "The code_challenge or code_challenge_method is not valid.");

    // The code goes into the redirect as it is, unescaped, as the real service
    // does; the sign-in window hands it over unchanged.
    const std::string code = service.tokens.issueCode(clientId, redirect, field("scope"), challenge,
                                                      method.empty() ? "plain" : method);
    const std::string joiner = redirect.find('?') == std::string::npos ? "?" : "&";
    // The request's state comes back with every answer, as the service sends it.
    const std::string state =
        fields.count("state") ? "&state=" + percentEncode(field("state")) : "";
    const std::string target = redirect + joiner + "code=" + code + "&lc=1033" + state;
    // Declining answers the way the service does when the user refuses consent.
    const std::string declined = redirect + joiner + "error=access_denied&error_description=" +
                                 percentEncode("The user has denied access to the scope "
                                               "requested by the client application.") +
                                 state;
    setHtml(res, 200,
            page("Sign in to your account",
                 "<h1>Sign in</h1>\n"
                 "<p>Local stand-in of the identity platform: any account is accepted.</p>\n"
                 "<button id=\"signin\" type=\"button\" autofocus data-target=\"" +
                     htmlEscape(target) +
                     "\" onclick=\"location.href = this.dataset.target\">Sign in</button>\n"
                     "<button id=\"decline\" type=\"button\" data-target=\"" +
                     htmlEscape(declined) +
                     "\" onclick=\"location.href = this.dataset.target\">Decline</button>"));
}

void token(Service &service, const httplib::Request &req, httplib::Response &res)
{
    res.set_header("Cache-Control", "no-store");
    if (!startsWith(asciiLower(req.get_header_value("Content-Type")),
                    "application/x-www-form-urlencoded"))
        return tokenError(res, "invalid_request",
                          "The body must be application/x-www-form-urlencoded.");
    const FormFields fields = parseForm(req.body);
    const auto field = [&fields](const char *name) {
        const auto it = fields.find(name);
        return it == fields.end() ? std::string() : it->second;
    };
    const std::string grantType = field("grant_type");
    const std::string clientId = field("client_id");
    if (clientId.empty())
        return tokenError(res, "invalid_request", "The request has no client_id.");
    // As the identity platform answers an application id it has no registration
    // for (AADSTS700016), and a registration that allows no public-client flows
    // when no client secret comes with the request (AADSTS7000218).
    if (!service.options.clientId.empty() && clientId != service.options.clientId)
        return tokenError(res, "unauthorized_client", "The client_id is not known.");
    if (service.options.noPublicClient && field("client_secret").empty())
        return tokenError(res, "invalid_client",
                          "The request body must contain client_assertion or client_secret.", 401);

    GrantResult result;
    if (grantType == "authorization_code") {
        if (field("code").empty())
            return tokenError(res, "invalid_request", "The request has no code.");
        result = service.tokens.redeemCode(field("code"), clientId, field("redirect_uri"),
                                           field("code_verifier"));
    } else if (grantType == "refresh_token") {
        if (field("refresh_token").empty())
            return tokenError(res, "invalid_request", "The request has no refresh_token.");
        result = service.tokens.redeemRefresh(field("refresh_token"), clientId);
    } else {
        return tokenError(res, "unsupported_grant_type",
                          "The grant_type must be authorization_code or refresh_token.");
    }
    if (!result.grant)
        return tokenError(res, result.error, result.description);

    const Grant &grant = *result.grant;
    setJson(res, 200,
            JsonObject()
                .add("token_type", "Bearer")
                .add("scope", grant.scope)
                .addNumber("expires_in", grant.expiresIn)
                .addNumber("ext_expires_in", grant.expiresIn)
                .add("access_token", grant.accessToken)
                .add("refresh_token", grant.refreshToken)
                .str());
}

} // namespace

void installIdentityRoutes(httplib::Server &server, Service &service)
{
    server.Get("/common/oauth2/v2.0/authorize",
               guarded(service, [&service](const httplib::Request &req, httplib::Response &res) {
                   authorize(service, req, res);
               }));
    server.Post("/common/oauth2/v2.0/token",
                guarded(service, [&service](const httplib::Request &req, httplib::Response &res) {
                    token(service, req, res);
                }));
    server.Get("/logout.srf",
               guarded(service, [](const httplib::Request &, httplib::Response &res) {
                   setHtml(res, 200,
                           page("Signed out", "<h1>Signed out</h1>\n<p>You have signed out.</p>"));
               }));
    server.Get("/oauth20_desktop.srf",
               guarded(service, [](const httplib::Request &, httplib::Response &res) {
                   setHtml(res, 200, page("", ""));
               }));
}

} // namespace standin
