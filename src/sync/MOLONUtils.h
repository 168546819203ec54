#pragma once

#include <QList>
#include <QString>
#include <QUrl>

namespace MOLONUtils {

// The Graph address of the user's resources under `graphRoot`: "/v1.0/users/<id>"
// for an id that holds a "-" (a work or school account's object id), "/v1.0/me"
// otherwise.
QString GetGraphBaseURL(const QString &graphRoot, const QString &userId);

// The addresses that open the board page, in the order to try them: the notebook
// client's and the web site's, or the web site's first where no notebook client
// takes the other (`webFirst`). Read tolerantly, since the service's links hold
// braces ("…&section-id={8A7E…}&page-id={3C4D…}&end"); an empty or unusable one is
// left out.
QList<QUrl> PageOpenAddresses(const QString &clientUrl, const QString &webUrl, bool webFirst);

} // namespace MOLONUtils
