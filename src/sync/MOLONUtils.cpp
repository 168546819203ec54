#include "sync/MOLONUtils.h"

#include "text/MUtils.h"

namespace MOLONUtils {

QString GetGraphBaseURL(const QString &graphRoot, const QString &userId)
{
    if (MUtils::StringContains(QStringLiteral("-"), userId))
        return graphRoot + QStringLiteral("/v1.0/users/") + userId;
    return graphRoot + QStringLiteral("/v1.0/me");
}

QList<QUrl> PageOpenAddresses(const QString &clientUrl, const QString &webUrl, bool webFirst)
{
    const QUrl client(clientUrl.trimmed(), QUrl::TolerantMode);
    const QUrl web(webUrl.trimmed(), QUrl::TolerantMode);
    // The page's links come from the network: only the notebook client's own scheme
    // and https reach the desktop's handlers, never a file, a script or a program.
    const bool clientUsable =
        client.isValid() && (client.scheme() == u"onenote" ||
                             (client.scheme() == u"https" && !client.host().isEmpty()));
    const bool webUsable = web.isValid() && web.scheme() == u"https" && !web.host().isEmpty();
    QList<QUrl> addresses;
    if (webUsable && webFirst)
        addresses << web;
    if (clientUsable)
        addresses << client;
    if (webUsable && !webFirst)
        addresses << web;
    return addresses;
}

} // namespace MOLONUtils
