#include "sync/Requests.h"

#include "app/MGlobals.h"
#include "text/Encoding.h"

namespace SyncRequests {

platform::HttpRequest TokenRequest(const FormFields &fields)
{
    QByteArray body;
    for (const auto &[name, value] : fields) {
        if (!body.isEmpty())
            body += '&';
        body += name + '=' + MUtils::FormEncode(value);
    }
    platform::HttpRequest request;
    request.method = "POST";
    request.url = g_IdentityRoot.load() + QStringLiteral("/common/oauth2/v2.0/token");
    request.headers = {{"Content-Length", QByteArray::number(body.size())},
                       {"Content-Type", "application/x-www-form-urlencoded"}};
    request.body = body;
    request.timeout = kTokenTimeout;
    return request;
}

platform::HttpRequest GraphGet(const QString &address, const QString &accessToken)
{
    platform::HttpRequest request;
    request.method = "GET";
    request.url = address;
    request.headers = {{"Authorization", QByteArray("Bearer " + accessToken.toUtf8())}};
    request.timeout = kGraphTimeout;
    return request;
}

bool IsPassingFailure(const platform::HttpResponse &response)
{
    return response.transportError || response.status >= 500 || response.status == 429;
}

bool IsSuccess(const platform::HttpResponse &response)
{
    return !response.transportError && response.status >= 200 && response.status < 300;
}

} // namespace SyncRequests
