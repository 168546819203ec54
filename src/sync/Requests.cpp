#include "sync/Requests.h"

#include "text/Encoding.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace SyncRequests {

platform::HttpRequest TokenRequest(const QString &identityRoot, const FormFields &fields)
{
    QByteArray body;
    for (const auto &[name, value] : fields) {
        if (!body.isEmpty())
            body += '&';
        body += name + '=' + MUtils::FormEncode(value);
    }
    platform::HttpRequest request;
    request.method = "POST";
    request.url = identityRoot + QStringLiteral("/common/oauth2/v2.0/token");
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

platform::HttpRequest GraphPost(const QString &address, const QString &accessToken,
                                const QByteArray &contentType, const QByteArray &body)
{
    platform::HttpRequest request = GraphGet(address, accessToken);
    request.method = "POST";
    request.headers.append({"Content-Type", contentType});
    request.headers.append({"Content-Length", QByteArray::number(body.size())});
    request.body = body;
    return request;
}

QString GraphErrorMessage(const QByteArray &body)
{
    return QJsonDocument::fromJson(body)
        .object()
        .value(QLatin1String("error"))
        .toObject()
        .value(QLatin1String("message"))
        .toString();
}

bool IsPassingFailure(const platform::HttpResponse &response)
{
    return response.transportError || response.status >= 500 || response.status == 429;
}

bool IsSuccess(const platform::HttpResponse &response)
{
    return !response.transportError && response.status >= 200 && response.status < 300;
}

bool IsThrottled(const platform::HttpResponse &response)
{
    return !response.transportError && (response.status == 429 || response.status == 503);
}

qint64 NamedWait(const platform::HttpResponse &response)
{
    return std::min<qint64>(response.retryAfter.count(), kMaxNamedWait);
}

TokenVerdict ReadTokenVerdict(const platform::HttpResponse &response)
{
    // A token request carries no user credentials, so a 401 can only be about the
    // client. The transport reports it as a failure and keeps no body, but it
    // keeps the status.
    if (response.status == 401)
        return TokenVerdict::ClientRejected;
    if (IsPassingFailure(response))
        return TokenVerdict::PassingFailure;
    if (response.status != 400)
        return TokenVerdict::Answer;
    const QString error =
        QJsonDocument::fromJson(response.body).object().value(QLatin1String("error")).toString();
    if (error == QLatin1String("invalid_client") || error == QLatin1String("unauthorized_client"))
        return TokenVerdict::ClientRejected;
    if (error == QLatin1String("invalid_grant"))
        return TokenVerdict::GrantRefused;
    return TokenVerdict::Answer;
}

TokenAnswer ReadTokenAnswer(const QByteArray &body)
{
    const QJsonObject answer = QJsonDocument::fromJson(body).object();
    return {answer.value(QLatin1String("access_token")).toString(),
            answer.value(QLatin1String("refresh_token")).toString()};
}

QString ReadLastModified(const QByteArray &body)
{
    return QJsonDocument::fromJson(body)
        .object()
        .value(QLatin1String("lastModifiedDateTime"))
        .toString();
}

QString ReadUserId(const QByteArray &body)
{
    return QJsonDocument::fromJson(body).object().value(QLatin1String("id")).toString();
}

} // namespace SyncRequests
