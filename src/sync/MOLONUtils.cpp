#include "sync/MOLONUtils.h"

#include "app/MGlobals.h"
#include "text/MUtils.h"

namespace MOLONUtils {

QString GetGraphBaseURL(const QString &userId)
{
    if (MUtils::StringContains(QStringLiteral("-"), userId))
        return g_GraphRoot.load() + QStringLiteral("/v1.0/users/") + userId;
    return g_GraphRoot.load() + QStringLiteral("/v1.0/me");
}

} // namespace MOLONUtils
