#pragma once

#include <QString>

namespace MOLONUtils {

// The Graph address of the user's resources: "/v1.0/users/<id>" for an id that holds
// a "-" (a work or school account's object id), "/v1.0/me" otherwise.
QString GetGraphBaseURL(const QString &userId);

} // namespace MOLONUtils
