// The local service stand-in over real HTTP: sign-in page, token grants,
// Graph lookup and content, and the fault switches tests rely on.

#include "support/StandIn.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QXmlStreamReader>
#include <httplib.h>

namespace {

const QString kClientId = QStringLiteral("0f3b2c1d-4e5f-4a6b-8c7d-9e0f1a2b3c4d");
const QString kTokenPath = QStringLiteral("/common/oauth2/v2.0/token");
const QString kSectionQuery =
    QStringLiteral("/onenote/sections?filter=tolower(name)%20eq%20'pinlark'");

struct Answer
{
    bool transportError = true;
    int status = 0;
    QByteArray body;
    QString contentType;

    QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
    // The id of the first entry of a Graph list answer.
    QString firstId() const
    {
        return json()
            .value(QStringLiteral("value"))
            .toArray()
            .at(0)
            .toObject()
            .value(QStringLiteral("id"))
            .toString();
    }
};

Answer send(const StandIn &standIn, const QString &pathAndQuery, const QString &token = {},
            const QByteArray *formBody = nullptr, int timeoutSeconds = 10)
{
    httplib::Client client("127.0.0.1", standIn.port());
    client.set_url_encode(false); // send the address exactly as the test wrote it
    client.set_read_timeout(timeoutSeconds);
    httplib::Headers headers;
    if (!token.isEmpty())
        headers.emplace("Authorization", "Bearer " + token.toStdString());
    const std::string path = pathAndQuery.toStdString();
    const httplib::Result result = formBody ? client.Post(path, headers, formBody->toStdString(),
                                                          "application/x-www-form-urlencoded")
                                            : client.Get(path, headers);
    Answer answer;
    if (!result)
        return answer;
    answer.transportError = false;
    answer.status = result->status;
    answer.body = QByteArray::fromStdString(result->body);
    answer.contentType = QString::fromStdString(result->get_header_value("Content-Type"));
    return answer;
}

// A token request body; escape=false writes the values as they stand, the
// mistake the stand-in's token alphabet is there to expose.
QByteArray tokenBody(const QString &grant, const QString &name, const QString &value,
                     const QString &redirect, bool escape = true)
{
    const auto field = [escape](const QString &text) {
        return escape ? QUrl::toPercentEncoding(text) : text.toUtf8();
    };
    return "grant_type=" + field(grant) + "&client_id=" + field(kClientId) + "&" + name.toUtf8() +
           "=" + field(value) + "&redirect_uri=" + field(redirect);
}

Answer redeemCode(const StandIn &standIn, const QString &code, const QString &redirect,
                  bool escape = true, const QString &verifier = {})
{
    QByteArray body = tokenBody(QStringLiteral("authorization_code"), QStringLiteral("code"), code,
                                redirect, escape);
    if (!verifier.isEmpty())
        body += "&code_verifier=" + verifier.toUtf8();
    return send(standIn, kTokenPath, {}, &body);
}

Answer redeemRefresh(const StandIn &standIn, const QString &refreshToken)
{
    const QByteArray body =
        tokenBody(QStringLiteral("refresh_token"), QStringLiteral("refresh_token"), refreshToken,
                  standIn.redirectAddress());
    return send(standIn, kTokenPath, {}, &body);
}

// Signs in the way the app does; returns the access and refresh tokens.
std::pair<QString, QString> signIn(const StandIn &standIn)
{
    const Answer answer =
        redeemCode(standIn, standIn.authorizationCode(kClientId), standIn.redirectAddress());
    return {answer.json().value(QStringLiteral("access_token")).toString(),
            answer.json().value(QStringLiteral("refresh_token")).toString()};
}

QString writePage(const QTemporaryDir &dir, const QByteArray &text)
{
    const QString path = dir.filePath(QStringLiteral("board.html"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        return {};
    return path;
}

// Well-formed as the app parses it: every '&' masked first.
bool isWellFormed(QByteArray html)
{
    html.replace('&', "\xC2\xA0");
    QXmlStreamReader reader(html);
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

} // namespace

class TestStandIn : public QObject
{
    Q_OBJECT

private slots:
    void refusesBadArguments_data();
    void refusesBadArguments();
    void signInPage_data();
    void signInPage();
    void codeExchange_data();
    void codeExchange();
    void refreshRotation_data();
    void refreshRotation();
    void tokenRefusals_data();
    void tokenRefusals();
    void graphRefusesBadTokens_data();
    void graphRefusesBadTokens();
    void lookup_data();
    void lookup();
    void content_data();
    void content();
    void contentFollowsTheFile();
    void faults_data();
    void faults();
    void createPage_data();
    void createPage();
    void pageUpdate_data();
    void pageUpdate();
};

void TestStandIn::refusesBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("an unknown flag") << QStringList{QStringLiteral("--bogus")};
    QTest::newRow("a port that is no number")
        << QStringList{QStringLiteral("--port"), QStringLiteral("x")};
    QTest::newRow("a fault without its status")
        << QStringList{QStringLiteral("--fault"), QStringLiteral("/v1.0/me:1")};
    QTest::newRow("a stall on a path without a slash")
        << QStringList{QStringLiteral("--stall"), QStringLiteral("me:1:5")};
}

void TestStandIn::refusesBadArguments()
{
    QFETCH(QStringList, arguments);
    StandIn standIn({}, arguments);
    QVERIFY(!standIn.isRunning());
    QVERIFY(!standIn.errorString().isEmpty());
}

void TestStandIn::signInPage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("redirect");
    QTest::addColumn<QString>("clientId");
    QTest::addColumn<int>("status");
    const QString desktop = QStringLiteral("http://127.0.0.1:9/oauth20_desktop.srf");
    QTest::newRow("a full request gets a sign-in button that carries a code")
        << QStringList() << desktop << kClientId << 200;
    QTest::newRow("a request without a redirect address is refused")
        << QStringList() << QString() << kClientId << 400;
    QTest::newRow("a script address as redirect is refused")
        << QStringList() << QStringLiteral("javascript:alert(1)") << kClientId << 400;
    QTest::newRow("a client other than the configured one is refused")
        << QStringList{QStringLiteral("--client-id"), kClientId} << desktop
        << QStringLiteral("other") << 400;
}

void TestStandIn::signInPage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, redirect);
    QFETCH(QString, clientId);
    QFETCH(int, status);
    StandIn standIn({}, arguments);
    QVERIFY2(standIn.isRunning(), qPrintable(standIn.errorString()));

    // As the sign-in window sends it: scope blanks as %20, the rest unescaped.
    QString address =
        QStringLiteral("/common/oauth2/v2.0/authorize?prompt=login&client_id=") + clientId +
        QStringLiteral("&response_type=code&response_mode=query&scope=offline_access%20User.Read");
    if (!redirect.isEmpty())
        address += QStringLiteral("&redirect_uri=") + redirect;
    const Answer first = send(standIn, address);
    QCOMPARE(first.status, status);
    if (status != 200)
        return;
    const QRegularExpression button(QStringLiteral(
        R"re(<button id="signin"[^>]*data-target="([^"]*)"[^>]*>Sign in</button>)re"));
    const auto match = button.match(QString::fromUtf8(first.body));
    QVERIFY(match.hasMatch());
    const QString target = match.captured(1);
    QVERIFY(target.startsWith(redirect + QStringLiteral("?code=M.C")));
    QVERIFY(target.endsWith(QStringLiteral("&amp;lc=1033")));
    const Answer second = send(standIn, address);
    QVERIFY(button.match(QString::fromUtf8(second.body)).captured(1) != target);
}

void TestStandIn::codeExchange_data()
{
    QTest::addColumn<bool>("redeemTwice");
    QTest::addColumn<bool>("escape");
    QTest::addColumn<QString>("otherRedirect");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("challenge"); // "": the code is asked for without one
    QTest::addColumn<QString>("verifier");
    QTest::newRow("a fresh code gives both tokens")
        << false << true << QString() << 200 << QString() << QString();
    QTest::newRow("a code is spent by its first use")
        << true << true << QString() << 400 << QString() << QString();
    QTest::newRow("a code sent without form escaping is refused")
        << false << false << QString() << 400 << QString() << QString();
    QTest::newRow("a code with another redirect address is refused")
        << false << true << QStringLiteral("http://127.0.0.1:9/elsewhere") << 400 << QString()
        << QString();

    // The pair from the PKCE standard's own example.
    const QString challenge = QStringLiteral("E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cM");
    const QString verifier = QStringLiteral("dBjftJeZ4CVP-mB92K27uhbUJU1p1r_wW1gFWFOEjXk");
    QTest::newRow("a code bound to a challenge opens with its verifier")
        << false << true << QString() << 200 << challenge << verifier;
    QTest::newRow("a code bound to a challenge refuses another verifier")
        << false << true << QString() << 400 << challenge << QString(verifier).replace(u'd', u'e');
    QTest::newRow("a code bound to a challenge refuses an exchange without a verifier")
        << false << true << QString() << 400 << challenge << QString();
    QTest::newRow("a code asked for without a challenge ignores a verifier")
        << false << true << QString() << 200 << QString() << verifier;
}

void TestStandIn::codeExchange()
{
    QFETCH(bool, redeemTwice);
    QFETCH(bool, escape);
    QFETCH(QString, otherRedirect);
    QFETCH(int, status);
    QFETCH(QString, challenge);
    QFETCH(QString, verifier);
    StandIn standIn;
    QVERIFY2(standIn.isRunning(), qPrintable(standIn.errorString()));
    const QString code = standIn.authorizationCode(kClientId, {}, challenge);
    // Codes carry '+', '/' and '=' so that a missing escape shows.
    QVERIFY(code.contains(u'+') && code.contains(u'/') && code.endsWith(u'='));

    const QString redirect = otherRedirect.isEmpty() ? standIn.redirectAddress() : otherRedirect;
    Answer answer = redeemCode(standIn, code, redirect, escape, verifier);
    if (redeemTwice) {
        QCOMPARE(answer.status, 200);
        answer = redeemCode(standIn, code, redirect, escape, verifier);
    }
    QCOMPARE(answer.status, status);
    if (status != 200) {
        QCOMPARE(answer.json().value(QStringLiteral("error")).toString(),
                 QStringLiteral("invalid_grant"));
        QVERIFY(!answer.body.contains("access_token"));
        return;
    }
    // Read by marker scan in the app: no blanks, fields in the service's order.
    const QRegularExpression shape(QStringLiteral(
        R"(^\{"token_type":"Bearer","scope":"[^"]*","expires_in":3600,"ext_expires_in":3600,)"
        R"("access_token":"[^"\\]+","refresh_token":"[^"\\]+"\}$)"));
    QVERIFY2(shape.match(QString::fromUtf8(answer.body)).hasMatch(), answer.body.constData());
    QCOMPARE(answer.contentType, QStringLiteral("application/json"));
}

void TestStandIn::refreshRotation_data()
{
    QTest::addColumn<bool>("revoke");
    QTest::newRow("a refresh token is replaced by the refresh it pays for") << false;
    QTest::newRow("revoked refresh tokens are refused") << true;
}

void TestStandIn::refreshRotation()
{
    QFETCH(bool, revoke);
    StandIn standIn;
    QVERIFY2(standIn.isRunning(), qPrintable(standIn.errorString()));
    const auto [access, refresh] = signIn(standIn);
    QVERIFY(!refresh.isEmpty());
    if (revoke)
        QVERIFY(standIn.revokeRefreshTokens());

    const Answer first = redeemRefresh(standIn, refresh);
    if (revoke) {
        QCOMPARE(first.status, 400);
        QCOMPARE(first.json().value(QStringLiteral("error")).toString(),
                 QStringLiteral("invalid_grant"));
        return;
    }
    QCOMPARE(first.status, 200);
    const QString newRefresh = first.json().value(QStringLiteral("refresh_token")).toString();
    const QString newAccess = first.json().value(QStringLiteral("access_token")).toString();
    QVERIFY(newRefresh != refresh && newAccess != access);
    QCOMPARE(redeemRefresh(standIn, refresh).status, 400);
    QCOMPARE(redeemRefresh(standIn, newRefresh).status, 200);
    QCOMPARE(send(standIn, QStringLiteral("/v1.0/me"), newAccess).status, 200);
}

void TestStandIn::tokenRefusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("grant");
    QTest::addColumn<QString>("value"); // the code or refresh token sent
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");
    const QString refresh = QStringLiteral("refresh_token");
    QTest::newRow("an unknown refresh token is an invalid grant")
        << QStringList() << refresh << QStringLiteral("M.R1_unknown") << 400
        << QStringLiteral("invalid_grant");
    QTest::newRow("a client id without a registration is an unauthorized client")
        << QStringList{QStringLiteral("--client-id"),
                       QStringLiteral("7d0c9b1e-2f3a-4b5c-8d6e-0a1b2c3d4e5f")}
        << refresh << QStringLiteral("M.R1_unknown") << 400
        << QStringLiteral("unauthorized_client");
    QTest::newRow("a registration without public-client flows rejects the client with 401")
        << QStringList{QStringLiteral("--no-public-client")} << QStringLiteral("authorization_code")
        << QStringLiteral("M.C1_unknown") << 401 << QStringLiteral("invalid_client");
}

void TestStandIn::tokenRefusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, grant);
    QFETCH(QString, value);
    QFETCH(int, status);
    QFETCH(QString, error);
    StandIn standIn({}, arguments);
    QVERIFY2(standIn.isRunning(), qPrintable(standIn.errorString()));

    const QString field =
        grant == QLatin1String("authorization_code") ? QStringLiteral("code") : grant;
    const QByteArray body = tokenBody(grant, field, value, standIn.redirectAddress());
    const Answer answer = send(standIn, kTokenPath, {}, &body);
    QCOMPARE(answer.status, status);
    QCOMPARE(answer.contentType, QStringLiteral("application/json"));
    QCOMPARE(answer.json().value(QStringLiteral("error")).toString(), error);
    QVERIFY(!answer.body.contains("access_token"));
}

void TestStandIn::graphRefusesBadTokens_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("token"); // "signed-in": the token of a fresh sign-in
    QTest::addColumn<bool>("expire");
    const QString signedIn = QStringLiteral("signed-in");
    QTest::newRow("no Authorization header") << QStringList() << QString() << false;
    QTest::newRow("a token the service never issued")
        << QStringList() << QStringLiteral("forged") << false;
    QTest::newRow("a token expired through the admin switch") << QStringList() << signedIn << true;
    QTest::newRow("a token past its lifetime")
        << QStringList{QStringLiteral("--token-lifetime"), QStringLiteral("0")} << signedIn
        << false;
}

void TestStandIn::graphRefusesBadTokens()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, token);
    QFETCH(bool, expire);
    StandIn standIn({}, arguments);
    QVERIFY2(standIn.isRunning(), qPrintable(standIn.errorString()));
    const auto [access, refresh] = signIn(standIn);
    if (token == QStringLiteral("signed-in"))
        token = access;
    if (expire) {
        QCOMPARE(send(standIn, QStringLiteral("/v1.0/me"), token).status, 200);
        QVERIFY(standIn.expireTokens());
    }
    const Answer answer = send(standIn, QStringLiteral("/v1.0/me/onenote/sections"), token);
    QCOMPARE(answer.status, 401);
    const QJsonObject error = answer.json().value(QStringLiteral("error")).toObject();
    QCOMPARE(error.value(QStringLiteral("code")).toString(),
             QStringLiteral("InvalidAuthenticationToken"));
}

void TestStandIn::lookup_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("sections");
    QTest::addColumn<int>("pageRequests");
    QTest::addColumn<bool>("found");
    QTest::newRow("the board page first in its section is in the first answer")
        << QStringList() << 1 << 1 << true;
    QTest::newRow("a board page behind 25 filler pages takes the next link")
        << QStringList{QStringLiteral("--filler-pages"), QStringLiteral("25")} << 1 << 2 << true;
    QTest::newRow("empty sections of the same name come first")
        << QStringList{QStringLiteral("--empty-sections"), QStringLiteral("2")} << 3 << 3 << true;
    QTest::newRow("a section without the board page yields no page")
        << QStringList{QStringLiteral("--no-page")} << 1 << 1 << false;
    QTest::newRow("a section name in capitals matches the lower-case filter")
        << QStringList{QStringLiteral("--section-name"), QStringLiteral("PINLARK")} << 1 << 1
        << true;
    QTest::newRow("a section of another name does not match")
        << QStringList{QStringLiteral("--section-name"), QStringLiteral("Pinlark2")} << 0 << 0
        << false;
    QTest::newRow("a user id with a dash is served under /v1.0/users/")
        << QStringList{QStringLiteral("--user-id"), QStringLiteral("0a1b2c3d-4e5f")} << 1 << 1
        << true;
}

void TestStandIn::lookup()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, sections);
    QFETCH(int, pageRequests);
    QFETCH(bool, found);
    StandIn standIn({}, arguments);
    QVERIFY2(standIn.isRunning(), qPrintable(standIn.errorString()));
    const QString token = signIn(standIn).first;

    const Answer me = send(standIn, QStringLiteral("/v1.0/me"), token);
    QCOMPARE(me.status, 200);
    QVERIFY(me.body.contains("\"id\":\"")); // the app scans for this marker
    const QString userId = me.json().value(QStringLiteral("id")).toString();
    const QString base = userId.contains(u'-') ? QStringLiteral("/v1.0/users/") + userId
                                               : QStringLiteral("/v1.0/me");

    const QJsonArray list =
        send(standIn, base + kSectionQuery, token).json().value(QStringLiteral("value")).toArray();
    QCOMPARE(list.size(), sections);
    int requests = 0;
    QJsonObject page;
    for (const auto &section : list) {
        QString next = base + QStringLiteral("/onenote/sections/") +
                       section.toObject().value(QStringLiteral("id")).toString() +
                       QStringLiteral("/Pages");
        while (!next.isEmpty() && page.isEmpty()) {
            const QJsonObject answer = send(standIn, next, token).json();
            ++requests;
            for (const auto &entry : answer.value(QStringLiteral("value")).toArray()) {
                if (entry.toObject().value(QStringLiteral("title")).toString().toLower() ==
                    QStringLiteral("pinlark"))
                    page = entry.toObject();
            }
            next = answer.value(QStringLiteral("@odata.nextLink")).toString();
            next.remove(0, standIn.root().size());
        }
    }
    QCOMPARE(requests, pageRequests);
    QCOMPARE(!page.isEmpty(), found);
    if (found) {
        QVERIFY(page.value(QStringLiteral("links"))
                    .toObject()
                    .value(QStringLiteral("oneNoteClientUrl"))
                    .toObject()
                    .value(QStringLiteral("href"))
                    .toString()
                    .startsWith(QStringLiteral("onenote:")));
        const QRegularExpression stamp(
            QStringLiteral(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z$)"));
        QVERIFY(
            stamp.match(page.value(QStringLiteral("lastModifiedDateTime")).toString()).hasMatch());
        const QString content = base + QStringLiteral("/onenote/pages/") +
                                page.value(QStringLiteral("id")).toString() +
                                QStringLiteral("/content?includeIDs=true");
        QCOMPARE(send(standIn, content, token).status, 200);
    }
    QCOMPARE(standIn.counts().value(base + QStringLiteral("/onenote/sections")), 1);
}

void TestStandIn::content_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("elements without an id get numbered ids")
        << QByteArray("<h1>Tab</h1>\n\n  <p>Item</p>")
        << QStringList{QStringLiteral(
               R"(<h1 id="h1:\{[-0-9a-f]{36}\}\{2\}">Tab</h1>\n\t\t\t<p id="p:\{[-0-9a-f]{36}\}\{3\}">Item</p>)")};
    QTest::newRow("entities pass through untouched")
        << QByteArray("<p>a&nbsp;b &amp; c&#233;</p>")
        << QStringList{QStringLiteral(R"(>a&nbsp;b &amp; c&#233;</p>)")};
    QTest::newRow("a self-closing break stays self-closing")
        << QByteArray("<p>x</p><br /><br/>")
        << QStringList{QStringLiteral(R"(<br id="br:\{[^}]+\}\{3\}" />)"),
                       QStringLiteral(R"(<br id="br:\{[^}]+\}\{4\}"/>)")};
    QTest::newRow("an element that has an id keeps it")
        << QByteArray("<p data-x='>' id=\"mine\">x</p>")
        << QStringList{QStringLiteral(R"(<p data-x='>' id="mine">x</p>)")};
    QTest::newRow("white space inside an element is kept")
        << QByteArray("<p>two\n  lines</p>") << QStringList{QStringLiteral(R"(>two\n  lines</p>)")};
}

void TestStandIn::content()
{
    QFETCH(QByteArray, page);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    StandIn standIn(writePage(dir, page), {QStringLiteral("--filler-pages"), QStringLiteral("0")});
    QVERIFY2(standIn.isRunning(), qPrintable(standIn.errorString()));
    const QString token = signIn(standIn).first;
    const QString sectionId =
        send(standIn, QStringLiteral("/v1.0/me") + kSectionQuery, token).firstId();
    const QString pageId =
        send(standIn,
             QStringLiteral("/v1.0/me/onenote/sections/") + sectionId + QStringLiteral("/pages"),
             token)
            .firstId();
    const Answer answer = send(standIn,
                               QStringLiteral("/v1.0/me/onenote/pages/") + pageId +
                                   QStringLiteral("/content?includeIDs=true"),
                               token);
    QCOMPARE(answer.status, 200);
    QCOMPARE(answer.contentType, QStringLiteral("text/html; charset=utf-8"));
    const QString html = QString::fromUtf8(answer.body);
    QVERIFY(html.startsWith(
        QStringLiteral("<html lang=\"en-US\">\n\t<head>\n\t\t<title>Pinlark</title>")));
    QVERIFY(html.contains(QStringLiteral("<div id=\"div:{")));
    for (const QString &pattern : expected)
        QVERIFY2(QRegularExpression(pattern).match(html).hasMatch(), qPrintable(html));
    QVERIFY(isWellFormed(answer.body));
    // Generated ids are stable, so an unchanged page downloads as the same text.
    QCOMPARE(send(standIn,
                  QStringLiteral("/v1.0/me/onenote/pages/") + pageId +
                      QStringLiteral("/content?includeIDs=true"),
                  token)
                 .body,
             answer.body);
}

void TestStandIn::contentFollowsTheFile()
{
    QTemporaryDir dir;
    const QString file = writePage(dir, "<p>before</p>");
    StandIn standIn(file);
    QVERIFY2(standIn.isRunning(), qPrintable(standIn.errorString()));
    const QString token = signIn(standIn).first;
    const QString sectionId =
        send(standIn, QStringLiteral("/v1.0/me") + kSectionQuery, token).firstId();
    const QString pagesPath =
        QStringLiteral("/v1.0/me/onenote/sections/") + sectionId + QStringLiteral("/pages");
    const QString pageId = send(standIn, pagesPath, token).firstId();
    const QString contentPath = QStringLiteral("/v1.0/me/onenote/pages/") + pageId +
                                QStringLiteral("/content?includeIDs=true");
    QVERIFY(send(standIn, contentPath, token).body.contains(">before</p>"));

    // Editing the file is editing the page; a whole document is served verbatim.
    const QByteArray document = "<html><body><p>after</p></body></html>";
    writePage(dir, document);
    QFile stamp(file);
    QVERIFY(stamp.open(QIODevice::ReadWrite));
    QVERIFY(stamp.setFileTime(QDateTime(QDate(2024, 5, 1), QTime(8, 30, 15, 123), Qt::UTC),
                              QFileDevice::FileModificationTime));
    stamp.close();
    QCOMPARE(send(standIn, contentPath, token).body, document);
    QCOMPARE(send(standIn, pagesPath, token)
                 .json()
                 .value(QStringLiteral("value"))
                 .toArray()
                 .at(0)
                 .toObject()
                 .value(QStringLiteral("lastModifiedDateTime"))
                 .toString(),
             QStringLiteral("2024-05-01T08:30:15.123Z"));

    QVERIFY(QFile::remove(file));
    QCOMPARE(send(standIn, contentPath, token).status, 404);
}

void TestStandIn::faults_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mode"); // status, stall, drop, or empty: set on the command line
    QTest::addColumn<QString>("path");
    QTest::addColumn<QList<int>>(
        "statuses"); // of successive requests to /v1.0/me; -1: transport error
    const QString me = QStringLiteral("/v1.0/me");
    QTest::newRow("a status fault answers the next two requests, then the service does")
        << QStringList() << QStringLiteral("status") << me << QList<int>{503, 503, 200};
    QTest::newRow("a prefix fault hits every path it starts")
        << QStringList() << QStringLiteral("status") << QStringLiteral("/v1.0/*")
        << QList<int>{503, 503, 200};
    QTest::newRow("a fault given on the command line is in force from the start")
        << QStringList{QStringLiteral("--fault"), QStringLiteral("/v1.0/me:1:502")} << QString()
        << me << QList<int>{502, 200};
    QTest::newRow("a dropped connection reaches the client as a transport error")
        << QStringList() << QStringLiteral("drop") << me << QList<int>{-1, -1, 200};
    QTest::newRow("a stall outlasts a client with a shorter time-out")
        << QStringList() << QStringLiteral("stall") << me << QList<int>{-1, -1, 200};
}

void TestStandIn::faults()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, mode);
    QFETCH(QString, path);
    QFETCH(QList<int>, statuses);
    StandIn standIn({}, arguments);
    QVERIFY2(standIn.isRunning(), qPrintable(standIn.errorString()));
    const QString token = signIn(standIn).first;
    QVERIFY(standIn.resetCounts());
    QVERIFY(standIn.counts().isEmpty());

    const QString body = QStringLiteral(R"({"error":{"code":"serviceBusy"}})");
    if (mode == QStringLiteral("status"))
        QVERIFY(standIn.fault(path, 2, 503, body));
    else if (mode == QStringLiteral("drop"))
        QVERIFY(standIn.drop(path, 2));
    else if (mode == QStringLiteral("stall"))
        QVERIFY(standIn.stall(path, 2, 60));

    for (int i = 0; i < statuses.size(); ++i) {
        // The client gives up after one second; a stalled request would wait a minute.
        const Answer answer = send(standIn, QStringLiteral("/v1.0/me"), token, nullptr, 1);
        QCOMPARE(answer.transportError ? -1 : answer.status, statuses.at(i));
        if (answer.status == 503)
            QCOMPARE(QString::fromUtf8(answer.body), body);
        // The admin API answers while requests are stalled or failing.
        QCOMPARE(standIn.counts().value(QStringLiteral("/v1.0/me")), i + 1);
    }
}

void TestStandIn::pageUpdate_data()
{
    QTest::addColumn<QByteArray>("commands"); // GUID stands for the page's GUID
    QTest::addColumn<QString>("fault");       // "", "status" or "drop"
    QTest::addColumn<bool>("withToken");
    QTest::addColumn<int>("status"); // -1: transport error
    QTest::addColumn<bool>("lands");
    QTest::addColumn<QByteArray>("page"); // "" for a fragment

    const QByteArray insert = R"([{"target":"p:{GUID}{3}","action":"insert","position":"after",)"
                              R"("content":"<p>New \u00e9 &amp; more</p>"}])";
    QTest::newRow("an insert after a generated id lands, 204")
        << insert << QString() << true << 204 << true << QByteArray();
    QTest::newRow("an append to the outline lands")
        << QByteArray(R"([{"target":"div:{GUID}{1}","action":"append",)"
                      R"("content":"<p>New \u00e9 &amp; more</p>"}])")
        << QString() << true << 204 << true << QByteArray();
    QTest::newRow("a target the page does not have is a 400 and changes nothing")
        << QByteArray(R"([{"target":"p:{GUID}{99}","action":"insert","content":"<p>x</p>"}])")
        << QString() << true << 400 << false << QByteArray();
    QTest::newRow("a body that is not a list of changes is a 400")
        << QByteArray(R"({"target":"body","action":"append","content":"<p>x</p>"})") << QString()
        << true << 400 << false << QByteArray();
    QTest::newRow("no token, no change")
        << insert << QString() << false << 401 << false << QByteArray();
    QTest::newRow("a fault on the change answers it, not the reads")
        << insert << QStringLiteral("status") << true << 503 << false << QByteArray();
    QTest::newRow("a dropped change lands and its answer is lost")
        << insert << QStringLiteral("drop") << true << -1 << true << QByteArray();
    const QByteArray document = "<html><head><title>Pinlark</title></head><body>"
                                "<div id=\"div:{00000000-0000-4000-8000-000000000001}{1}\">"
                                "<h1 id=\"h1:{00000000-0000-4000-8000-000000000001}{2}\">Tab</h1>"
                                "<p id=\"p:{00000000-0000-4000-8000-000000000001}{3}\">Item</p>"
                                "</div></body></html>";
    QTest::newRow("a page that is a whole document is changed as it stands")
        << insert << QString() << true << 204 << true << document;
    QTest::newRow("a whole document's body takes an append")
        << QByteArray(R"([{"target":"body","action":"append",)"
                      R"("content":"<p>New \u00e9 &amp; more</p>"}])")
        << QString() << true << 204 << true << document;
}

void TestStandIn::pageUpdate()
{
    QFETCH(QByteArray, commands);
    QFETCH(QString, fault);
    QFETCH(bool, withToken);
    QFETCH(int, status);
    QFETCH(bool, lands);
    QFETCH(QByteArray, page);
    QTemporaryDir dir;
    const QString file = writePage(dir, page.isEmpty() ? "<h1>Tab</h1><p>Item</p>" : page);
    StandIn standIn(file);
    QVERIFY2(standIn.isRunning(), qPrintable(standIn.errorString()));
    const QString token = signIn(standIn).first;
    const QString sectionId =
        send(standIn, QStringLiteral("/v1.0/me") + kSectionQuery, token).firstId();
    const QString pageId =
        send(standIn,
             QStringLiteral("/v1.0/me/onenote/sections/") + sectionId + QStringLiteral("/pages"),
             token)
            .firstId();
    const QString path =
        QStringLiteral("/v1.0/me/onenote/pages/") + pageId + QStringLiteral("/content");
    const QByteArray before = send(standIn, path + QStringLiteral("?includeIDs=true"), token).body;
    const QByteArray guid = QRegularExpression(QStringLiteral(R"(id="p:\{([^}]+)\}\{3\})"))
                                .match(QString::fromUtf8(before))
                                .captured(1)
                                .toUtf8();
    QVERIFY(!guid.isEmpty());
    if (fault == QStringLiteral("status"))
        QVERIFY(standIn.fault(QStringLiteral("PATCH ") + path, 1, 503));
    else if (fault == QStringLiteral("drop"))
        QVERIFY(standIn.drop(QStringLiteral("PATCH ") + path, 1));

    httplib::Client client("127.0.0.1", standIn.port());
    client.set_read_timeout(5);
    httplib::Headers headers;
    if (withToken)
        headers.emplace("Authorization", "Bearer " + token.toStdString());
    const auto result =
        client.Patch(path.toStdString(), headers,
                     QByteArray(commands).replace("GUID", guid).toStdString(), "application/json");
    QCOMPARE(result ? result->status : -1, status);

    const QByteArray after = send(standIn, path + QStringLiteral("?includeIDs=true"), token).body;
    QCOMPARE(after.contains(">New \xC3\xA9 &amp; more</p>"), lands);
    if (!lands) {
        QCOMPARE(after, before);
        return;
    }
    // The ids handed out before still name the same elements, and the new
    // paragraph has one of its own.
    QVERIFY(after.contains(QByteArray("<p id=\"p:{" + guid + "}{3}\">Item</p>")));
    QCOMPARE(after.count("}{3}\""), 1);
    QVERIFY(isWellFormed(after));
    QVERIFY(QFile(file).open(QIODevice::ReadOnly));
}

QTEST_GUILESS_MAIN(TestStandIn)
#include "tst_standin.moc"

void TestStandIn::createPage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("contentType");
    QTest::addColumn<int>("status");
    const QStringList noPage{QStringLiteral("--no-page")};
    QTest::newRow("made in the section of that name") << noPage << "?sectionName=Pinlark"
                                                      << "text/html" << 201;
    QTest::newRow("the section's name matches in any letter case")
        << noPage << "?sectionName=pINLARK"
        << "text/html; charset=utf-8" << 201;
    QTest::newRow("a missing section is made in the default notebook")
        << QStringList{QStringLiteral("--no-page"), QStringLiteral("--section-name"),
                       QStringLiteral("Notes")}
        << "?sectionName=Pinlark"
        << "application/xhtml+xml" << 201;
    QTest::newRow("a body that is not HTML is refused") << noPage << "?sectionName=Pinlark"
                                                        << "application/json" << 415;
    QTest::newRow("a section name with a character the service forbids is refused")
        << noPage << "?sectionName=Pin%3Flark"
        << "text/html" << 400;
}

void TestStandIn::createPage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, query);
    QFETCH(QString, contentType);
    QFETCH(int, status);
    StandIn standIn({}, arguments);
    QVERIFY2(standIn.isRunning(), qPrintable(standIn.errorString()));
    const QString token = signIn(standIn).first;

    httplib::Client client("127.0.0.1", standIn.port());
    client.set_url_encode(false);
    const httplib::Headers headers{{"Authorization", "Bearer " + token.toStdString()}};
    const auto result =
        client.Post("/v1.0/me/onenote/pages" + query.toStdString(), headers,
                    "<!DOCTYPE html><html><head><title>Pinlark &amp; co</title></head>"
                    "<body><h1>Start here</h1><p>Click an item</p></body></html>",
                    contentType.toStdString());
    QVERIFY(result);
    QCOMPARE(result->status, status);
    const QJsonObject page =
        QJsonDocument::fromJson(QByteArray::fromStdString(result->body)).object();

    // The notebook as the app then finds it: one section of that name, holding the
    // page made, or no page at all.
    const QString sectionId =
        send(standIn, QStringLiteral("/v1.0/me") + kSectionQuery, token).firstId();
    const Answer pages = send(
        standIn,
        QStringLiteral("/v1.0/me/onenote/sections/") + sectionId + QStringLiteral("/pages"), token);
    if (status != 201) {
        QCOMPARE(pages.json().value(QStringLiteral("value")).toArray().size(), 0);
        return;
    }
    QCOMPARE(page.value(QStringLiteral("title")).toString(), u"Pinlark & co");
    QCOMPARE(pages.firstId(), page.value(QStringLiteral("id")).toString());
    const Answer content = send(standIn,
                                QStringLiteral("/v1.0/me/onenote/pages/") + pages.firstId() +
                                    QStringLiteral("/content?includeIDs=true"),
                                token);
    QCOMPARE(content.status, 200);
    QVERIFY(QRegularExpression(QStringLiteral(R"(<h1 id="h1:\{[^}]+\}\{\d+\}">Start here</h1>)"))
                .match(QString::fromUtf8(content.body))
                .hasMatch());
    QVERIFY(isWellFormed(content.body));

    // The page made is one the app can add snippets to.
    const auto patched = client.Patch(
        "/v1.0/me/onenote/pages/" + pages.firstId().toStdString() + "/content", headers,
        R"([{"target":"body","action":"append","content":"<p>Added</p>"}])", "application/json");
    QVERIFY(patched);
    QCOMPARE(patched->status, 204);
    QVERIFY(send(standIn,
                 QStringLiteral("/v1.0/me/onenote/pages/") + pages.firstId() +
                     QStringLiteral("/content"),
                 token)
                .body.contains("Added</p>"));
}
