#pragma once

// Request routing of the stand-in, one file per service.

#include "service.h"

#include <httplib.h>

namespace standin {

// Registers every route, the catch-all 404 and the request log.
void installRoutes(httplib::Server &server, Service &service);

void installIdentityRoutes(httplib::Server &server, Service &service);
void installGraphRoutes(httplib::Server &server, Service &service);
void installCreatePageRoute(httplib::Server &server, Service &service);
void installAdminRoutes(httplib::Server &server, Service &service);

// Wraps a service handler: counts the request and applies a pending fault
// switch before (or instead of) the handler.
httplib::Server::Handler guarded(Service &service, httplib::Server::Handler handler);

bool isAdminPath(const std::string &path);

void setJson(httplib::Response &res, int status, const std::string &json);
void setHtml(httplib::Response &res, int status, const std::string &html);

} // namespace standin
