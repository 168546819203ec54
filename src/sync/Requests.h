#pragma once

#include "platform/HttpTransport.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <chrono>
#include <utility>

// The shapes of the worker's requests and the readings of their answers, in one
// place so that the token client and the page step agree.
namespace SyncRequests {

inline constexpr std::chrono::seconds kTokenTimeout{10};
inline constexpr std::chrono::seconds kGraphTimeout{30};

using FormFields = QList<std::pair<QByteArray, QString>>;

// A POST to the token endpoint of the identity platform at `identityRoot` with the
// fields form-encoded, so that a "+", "&", "=" or "%" inside a code or token
// arrives unchanged.
platform::HttpRequest TokenRequest(const QString &identityRoot, const FormFields &fields);

// A GET to Microsoft Graph carrying the access token.
platform::HttpRequest GraphGet(const QString &address, const QString &accessToken);

// A POST to Microsoft Graph carrying the access token and `body` of `contentType`.
platform::HttpRequest GraphPost(const QString &address, const QString &accessToken,
                                const QByteArray &contentType, const QByteArray &body);

// The message of a Graph error answer ({"error":{"code":…,"message":…}}), or "".
QString GraphErrorMessage(const QByteArray &body);

// No answer worth reading from the token endpoint: the request failed on the way,
// or the service is passing through trouble (5xx, 429). Such an answer says
// nothing about the tokens and must not sign the user out.
bool IsPassingFailure(const platform::HttpResponse &response);

bool IsSuccess(const platform::HttpResponse &response);

// Graph asking the client to slow down: 429 (the notebook API's throttling, often
// without a Retry-After) or 503.
bool IsThrottled(const platform::HttpResponse &response);
// The wait a throttled answer names, in whole seconds, held to at most an hour so
// that a wild header cannot stop the board for good; 0 when it names none.
qint64 NamedWait(const platform::HttpResponse &response);
inline constexpr qint64 kMaxNamedWait = 3600;

// What an answer of the token endpoint means for the credentials.
enum class TokenVerdict {
    // Read the tokens from it; an answer without them signs the user out.
    Answer,
    // Says nothing about the tokens (see IsPassingFailure): keep them, try later.
    PassingFailure,
    // The code or refresh token is refused for good: revoked, expired or used.
    GrantRefused,
    // The app's client id is refused. Every token request would be, until the
    // settings are put right.
    ClientRejected,
};
TokenVerdict ReadTokenVerdict(const platform::HttpResponse &response);

// The tokens of a token answer; an absent field, or one that is not a string,
// reads as empty, and so does a body that is not a JSON object.
struct TokenAnswer
{
    QString accessToken;
    QString refreshToken;
};
TokenAnswer ReadTokenAnswer(const QByteArray &body);

// The "lastModifiedDateTime" of a page answer as the service wrote it, or "".
QString ReadLastModified(const QByteArray &body);

// The "id" of a user answer (GET /me), or "" when it has none.
QString ReadUserId(const QByteArray &body);

} // namespace SyncRequests
