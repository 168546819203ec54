#pragma once

// StandIn: runs the local service stand-in (pinlark-standin) for one test.
//
//     StandIn standIn(pageFile, {"--filler-pages", "25"});
//     QVERIFY2(standIn.isRunning(), qPrintable(standIn.errorString()));
//     settings: IdentityRoot = GraphRoot = standIn.root(),
//               RedirectAddress = standIn.redirectAddress()
//     standIn.fault("/common/oauth2/v2.0/token", 1, 503);
//     ... drive the client ...
//     QCOMPARE(standIn.counts().value("/v1.0/me"), 1);
//
// The stand-in listens on a free port of 127.0.0.1 and answers the identity
// platform paths (authorize, token, logout.srf, oauth20_desktop.srf) and the
// Graph paths (/v1.0/me, /v1.0/users/ID, .../onenote/sections, .../pages,
// .../content). It re-reads the page file at every content request, so a test
// edits the notebook by rewriting that file. Its request log is off unless the
// environment variable PINLARK_STANDIN_VERBOSE is set. The process stops when
// the StandIn is destroyed (and by itself if the test process dies).
//
// Paths given to the fault helpers are request paths without query; a path
// ending in '*' matches every path that starts with the rest.

#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>

class StandIn
{
public:
    // pageFile: the board page to serve (empty: the stand-in's built-in demo
    // board). extraArguments: further flags of pinlark-standin, such as
    // "--filler-pages", "--empty-sections", "--no-page", "--user-id",
    // "--client-id", "--token-lifetime" (see tools/standin/README.md).
    // Blocks until the stand-in listens, at most a few seconds.
    explicit StandIn(const QString &pageFile = {}, const QStringList &extraArguments = {});
    ~StandIn();
    StandIn(const StandIn &) = delete;
    StandIn &operator=(const StandIn &) = delete;

    bool isRunning() const;
    QString errorString() const { return m_Error; }

    QString root() const; // "http://127.0.0.1:PORT"
    int port() const { return m_Port; }
    QString redirectAddress() const; // root() + "/oauth20_desktop.srf"

    // Admin switches. Each returns false when the stand-in did not accept it.
    // The next `count` requests to `path` get `status` (and `body`, default a
    // small JSON error) instead of their answer.
    bool fault(const QString &path, int count, int status, const QString &body = {});
    // The next `count` requests to `path` wait `seconds` before their answer.
    bool stall(const QString &path, int count, int seconds);
    // The next `count` requests to `path` lose their connection mid-answer
    // (the client sees a transport error).
    bool drop(const QString &path, int count);
    bool clearFaults();
    // Every access token issued so far is expired: the next Graph call gets 401.
    bool expireTokens();
    // Every refresh token issued so far becomes invalid (invalid_grant).
    bool revokeRefreshTokens();

    // Requests received per path (without query) since start or resetCounts().
    QMap<QString, int> counts() const;
    bool resetCounts();
    // Counts of live codes and tokens: "codes", "refreshTokens", "accessTokens",
    // "validAccessTokens", "grantsIssued", "pendingFaults", "requests".
    QJsonObject state() const;

    // What pressing "Sign in" on the authorization page hands to the redirect
    // address: a fresh single-use code, unescaped. Empty on failure. For tests
    // that need a code without a web view. With a `challenge`, the code is bound to
    // it (method S256) and needs its verifier.
    QString authorizationCode(const QString &clientId, const QString &redirect = {},
                              const QString &challenge = {}) const;

private:
    bool post(const QString &path, const QList<std::pair<QString, QString>> &fields = {});
    QByteArray get(const QString &pathAndQuery) const;

    QProcess m_Process;
    int m_Port = 0;
    QString m_Error;
};
