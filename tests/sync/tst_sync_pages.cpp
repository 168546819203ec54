// The page step: finding the board page through its section, following long page
// lists, and which content answers reach the board.

#include "SyncFixture.h"
#include "sync/MOLONUtils.h"
#include "sync/StarterPage.h"

#include <QTest>
#include <optional>

// Declared before the helpers: moc cannot see past their raw strings.
class TestSyncPages : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fx.emplace(); }

    void lookup_data();
    void lookup();
    void content_data();
    void content();
    void openAddresses_data();
    void openAddresses();
    void createPage_data();
    void createPage();

private:
    std::optional<SyncFixture> m_fx;
};

namespace {

const QString kOneNote = QStringLiteral("https://graph.test/v1.0/me/onenote/");

QByteArray Sections(const QByteArrayList &ids)
{
    QByteArrayList entries;
    for (const QByteArray &id : ids)
        entries << R"({"id":")" + id + R"(","displayName":"PINLARK"})";
    return R"({"value":[)" + entries.join(',') + "]}";
}

QByteArray Page(const QByteArray &title, const QByteArray &id,
                const QByteArray &modified = "2024-05-01T08:30:15.123Z")
{
    return R"({"title":")" + title + R"(","id":")" + id + R"(","lastModifiedDateTime":")" +
           modified + R"(","links":{"oneNoteClientUrl":{"href":"onenote:)" + id +
           R"("},"oneNoteWebUrl":{"href":"https://web.test/)" + id + R"("}}})";
}

QByteArray Pages(const QByteArrayList &pages, const QByteArray &nextLink = {})
{
    QByteArray answer = R"({"value":[)" + pages.join(',') + "]";
    if (!nextLink.isEmpty())
        answer += R"(,"@odata.nextLink":")" + nextLink + '"';
    return answer + '}';
}

ScriptedAnswer Ok(const QByteArray &body)
{
    return ScriptedAnswer::reply(200, body);
}

} // namespace

void TestSyncPages::lookup_data()
{
    QTest::addColumn<ScriptedAnswers>("answers");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QString>("pageId");
    // An answer said that no page of that title exists.
    QTest::addColumn<bool>("missing");

    const QString query = QStringLiteral("sections?filter=tolower(name)%20eq%20'pinlark'");
    const QByteArray fillers = [] {
        QByteArrayList twenty;
        for (int i = 0; i < 20; ++i)
            twenty << Page("Notes " + QByteArray::number(i), "F" + QByteArray::number(i));
        return twenty.join(',');
    }();

    QTest::newRow("a title in lower case in a section in capitals is found")
        << ScriptedAnswers{Ok(Sections({"S1"})), Ok(Pages({Page("pinlark", "P1")}))}
        << QStringList{query, "sections/S1/Pages"} << "P1" << false;
    QTest::newRow("a title with a trailing blank is not the board page")
        << ScriptedAnswers{Ok(Sections({"S1"})), Ok(Pages({Page("Pinlark ", "P1")}))}
        << QStringList{query, "sections/S1/Pages"} << "" << true;
    QTest::newRow("the second section is asked only when the first lacks the page")
        << ScriptedAnswers{Ok(Sections({"S1", "S2"})), Ok(Pages({Page("Other", "P1")})),
                           Ok(Pages({Page("Pinlark", "P2")}))}
        << QStringList{query, "sections/S1/Pages", "sections/S2/Pages"} << "P2" << false;
    QTest::newRow("the first section holding the page wins")
        << ScriptedAnswers{Ok(Sections({"S1", "S2"})), Ok(Pages({Page("Pinlark", "P1")}))}
        << QStringList{query, "sections/S1/Pages"} << "P1" << false;
    QTest::newRow("a page list lost on the way skips to the next section without a refresh")
        << ScriptedAnswers{Ok(Sections({"S1", "S2"})), ScriptedAnswer::noAnswer(),
                           Ok(Pages({Page("Pinlark", "P2")}))}
        << QStringList{query, "sections/S1/Pages", "sections/S2/Pages"} << "P2" << false;
    QTest::newRow("a section answer that is not JSON ends the lookup")
        << ScriptedAnswers{Ok("<html>busy</html>")} << QStringList{query} << "" << true;
    QTest::newRow("a page past the first twenty is found through the continuation")
        << ScriptedAnswers{Ok(Sections({"S1"})),
                           Ok(Pages({fillers}, kOneNote.toUtf8() + "sections/S1/Pages?$skip=20")),
                           Ok(Pages({Page("Pinlark", "P21")}))}
        << QStringList{query, "sections/S1/Pages", "sections/S1/Pages?$skip=20"} << "P21" << false;
    QTest::newRow("a continuation away from the Graph service is not followed")
        << ScriptedAnswers{Ok(Sections({"S1"})),
                           Ok(Pages({fillers}, "https://elsewhere.test/v1.0/me/onenote/x")),
                           Ok(Pages({Page("Pinlark", "P21")}))}
        << QStringList{query, "sections/S1/Pages"} << "" << true;

    QTest::newRow("a throttled page list ends the walk without calling the page missing")
        << ScriptedAnswers{Ok(Sections({"S1", "S2"})), ScriptedAnswer::throttled(429)}
        << QStringList{query, "sections/S1/Pages"} << "" << false;
    QTest::newRow("a page list refused by the service leaves the page's absence open")
        << ScriptedAnswers{Ok(Sections({"S1"})), ScriptedAnswer::reply(500, "{}")}
        << QStringList{query, "sections/S1/Pages"} << "" << false;

    ScriptedAnswers endless{Ok(Sections({"S1"}))};
    QStringList asked{query};
    for (int i = 0; i < 11; ++i) {
        const QByteArray next = "sections/S1/Pages?$skip=" + QByteArray::number(20 * (i + 1));
        endless << Ok(Pages({i == 10 ? Page("Pinlark", "P9") : fillers}, kOneNote.toUtf8() + next));
        if (i < 10)
            asked << (i == 0 ? QStringLiteral("sections/S1/Pages")
                             : QStringLiteral("sections/S1/Pages?$skip=%1").arg(20 * i));
    }
    QTest::newRow("a section's list is followed through ten answers at most")
        << endless << asked << "" << true;
}

void TestSyncPages::lookup()
{
    QFETCH(ScriptedAnswers, answers);
    QFETCH(QStringList, asked);
    QFETCH(QString, pageId);
    QFETCH(bool, missing);

    m_fx->signIn(QStringLiteral("A1"), QStringLiteral("R1"), QStringLiteral("U1"));
    m_fx->transport->script(answers);

    m_fx->worker->SectionPageFilter(QStringLiteral("Pinlark"), QStringLiteral("Pinlark"));

    QStringList urls;
    for (const platform::HttpRequest &request : m_fx->transport->requests())
        urls << QString(request.url).remove(kOneNote);
    QCOMPARE(urls, asked);
    QCOMPARE(m_fx->pageId.load(), pageId);
    QCOMPARE(m_fx->pageClientUrl.load(),
             pageId.isEmpty() ? QString() : QStringLiteral("onenote:") + pageId);
    QCOMPARE(m_fx->pageWebUrl.load(),
             pageId.isEmpty() ? QString() : QStringLiteral("https://web.test/") + pageId);
    // The board tells the user to make the page only when an answer said it is not there.
    QCOMPARE(m_fx->pageMissing.load(), missing);
    QCOMPARE(m_fx->pageLastModified.load(),
             pageId.isEmpty() ? QString() : QStringLiteral("2024-05-01 08:30:15 +0000"));
    QCOMPARE(m_fx->accessToken.load(), QStringLiteral("A1"));
}

void TestSyncPages::content_data()
{
    QTest::addColumn<ScriptedAnswer>("answer");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("pageId");
    QTest::addColumn<QString>("accessToken");
    QTest::addColumn<bool>("signOutMeanwhile");

    const QString untaken = QStringLiteral("untaken");
    const QString fresh = QStringLiteral("<html>new</html>");
    const QString p1 = QStringLiteral("P1");
    const QString a1 = QStringLiteral("A1");
    const QString a2 = QStringLiteral("A2");
    QTest::newRow("a 200 answer is handed over")
        << Ok(fresh.toUtf8()) << fresh << p1 << a1 << false;
    QTest::newRow("any 2xx answer is handed over")
        << ScriptedAnswer::reply(203, fresh.toUtf8()) << fresh << p1 << a1 << false;
    QTest::newRow("content that is not UTF-8 does not replace a page not yet taken")
        << Ok("<html>\xff</html>") << untaken << p1 << a1 << false;
    QTest::newRow("a deleted page's 404 is kept from the board and the page looked up again")
        << ScriptedAnswer::reply(404, R"({"error":{"code":"20102"}})") << untaken << QString() << a1
        << false;
    QTest::newRow("a server failure is kept from the board")
        << ScriptedAnswer::reply(503, "Service Unavailable") << untaken << p1 << a1 << false;
    QTest::newRow("throttling is kept from the board")
        << ScriptedAnswer::reply(429, R"({"error":{"code":"20166"}})") << untaken << p1 << a1
        << false;
    QTest::newRow("a refused access token is refreshed, nothing handed over")
        << ScriptedAnswer::reply(401) << untaken << p1 << a2 << false;
    QTest::newRow("no answer is treated like a refused token")
        << ScriptedAnswer::noAnswer() << untaken << p1 << a2 << false;
    QTest::newRow("a page that arrives after a sign-out is dropped")
        << Ok(fresh.toUtf8()) << untaken << p1 << a1 << true;
}

void TestSyncPages::content()
{
    QFETCH(ScriptedAnswer, answer);
    QFETCH(QString, html);
    QFETCH(QString, pageId);
    QFETCH(QString, accessToken);

    m_fx->signIn(QStringLiteral("A1"), QStringLiteral("R1"), QStringLiteral("U1"),
                 QStringLiteral("P1"));
    m_fx->pageHtml.store(QStringLiteral("untaken"));
    m_fx->transport->script({answer});
    m_fx->transport->fallback = &SyncFixture::HealthyService;
    QFETCH(bool, signOutMeanwhile);
    if (signOutMeanwhile)
        m_fx->transport->onSend = [this](const platform::HttpRequest &) {
            ++m_fx->signInGeneration;
        };

    m_fx->worker->GetPinlarkPageHtml();

    QCOMPARE(m_fx->pageHtml.load(), html);
    QCOMPARE(m_fx->pageId.load(), pageId);
    QCOMPARE(m_fx->accessToken.load(), accessToken);
    QCOMPARE(m_fx->lastPageDownload.load().isEmpty(), html == u"untaken");
    QVERIFY(!m_fx->syncBusy);
}

void TestSyncPages::openAddresses_data()
{
    QTest::addColumn<QString>("client");
    QTest::addColumn<QString>("web");
    QTest::addColumn<bool>("webFirst");
    QTest::addColumn<QStringList>("schemes");

    // Shaped like the service's own links.
    const QString client = QStringLiteral(
        "onenote:https://d.docs.live.net/1a2b3c4d5e6f/Documents/Notes/Pinlark.one#Pinlark"
        "&section-id={8A7E1C2D-1234-4ABC-9DEF-0123456789AB}"
        "&page-id={3C4D5E6F-2345-4BCD-8EF0-123456789ABC}&end");
    const QString web = QStringLiteral(
        "https://onedrive.live.com/redir.aspx?cid=1a2b3c4d5e6f&page=edit&resid=1A2B!123"
        "&wd=target%28Notes%2FPinlark.one%7C8a7e1c2d%2FPinlark%7C3c4d5e6f%2F%29");
    QTest::newRow("web first where no client takes the link")
        << client << web << true << QStringList{"https", "onenote"};
    QTest::newRow("client first elsewhere")
        << client << web << false << QStringList{"onenote", "https"};
    QTest::newRow("a page without a web address") << client << "" << true << QStringList{"onenote"};
    QTest::newRow("a web address that is not http is left out")
        << ""
        << "javascript:alert(1)" << true << QStringList{};
    QTest::newRow("a client link to a file or a program is left out")
        << "file:///usr/bin/xterm" << web << false << QStringList{"https"};
    QTest::newRow("a client link in plain http is left out")
        << "http://notebooks.example.com/Pinlark.one"
        << "" << false << QStringList{};
    QTest::newRow("a web address in plain http is left out")
        << client << "http://onedrive.live.com/redir.aspx" << true << QStringList{"onenote"};
    QTest::newRow("nothing found yet") << ""
                                       << "" << true << QStringList{};
}

void TestSyncPages::openAddresses()
{
    QFETCH(QString, client);
    QFETCH(QString, web);
    QFETCH(bool, webFirst);
    QStringList schemes;
    for (const QUrl &address : MOLONUtils::PageOpenAddresses(client, web, webFirst)) {
        schemes << address.scheme();
        // The braces that strict parsing refuses come through, the page id intact.
        if (address.scheme() == u"onenote")
            QVERIFY(address.fragment().contains(u"page-id={3C4D5E6F-2345-4BCD-8EF0-123456789ABC}"));
    }
    QTEST(schemes, "schemes");
}

QTEST_GUILESS_MAIN(TestSyncPages)
#include "tst_sync_pages.moc"

void TestSyncPages::createPage_data()
{
    QTest::addColumn<ScriptedAnswers>("answers");
    QTest::addColumn<int>("cycles");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QString>("pageId");
    // The failure left for the main thread: its status, -1 for none.
    QTest::addColumn<int>("failureStatus");
    QTest::addColumn<QString>("failureMessage");

    const ScriptedAnswer none = Ok(R"({"value":[]})");
    const ScriptedAnswer created = ScriptedAnswer::reply(201, Page("Pinlark", "N1"));
    const ScriptedAnswer content = Ok("<html><body><h1>Start here</h1></body></html>");
    const ScriptedAnswer tokens =
        Ok(R"({"token_type":"Bearer","access_token":"A2","refresh_token":"R2"})");
    QTest::newRow("an empty notebook gets the page, used and downloaded at once")
        << ScriptedAnswers{none, created, content} << 1
        << QStringList{"sections", "create", "content"} << "N1" << -1 << "";
    QTest::newRow("a page made meanwhile elsewhere is used, and none made")
        << ScriptedAnswers{Ok(Sections({"S1"})), Ok(Pages({Page("Pinlark", "P1")})), content} << 1
        << QStringList{"sections", "pages", "content"} << "P1" << -1 << "";
    QTest::newRow("a refusal is told with the service's message, nothing sent again")
        << ScriptedAnswers{none, ScriptedAnswer::reply(
                                     507, R"({"error":{"code":"19999","message":"Quota full."}})")}
        << 2 << QStringList{"sections", "create"} << "" << 507 << "Quota full.";
    QTest::newRow("a lost answer: the page is looked up before anything else, never made twice")
        << ScriptedAnswers{none, ScriptedAnswer::noAnswer(), Ok(Sections({"S1"})),
                           Ok(Pages({Page("Pinlark", "N1")})), content}
        << 2 << QStringList{"sections", "create", "sections", "pages", "content"} << "N1" << 0
        << "";
    QTest::newRow("offline: a lookup without an answer creates nothing")
        << ScriptedAnswers{ScriptedAnswer::noAnswer(), ScriptedAnswer::noAnswer()} << 2
        << QStringList{"sections", "token:refresh_token"} << "" << 0 << "";
    QTest::newRow("an expired access token is renewed, then the page made once")
        << ScriptedAnswers{ScriptedAnswer::reply(401), tokens, none, created, content} << 2
        << QStringList{"sections", "token:refresh_token", "sections", "create", "content"} << "N1"
        << -1 << "";
}

void TestSyncPages::createPage()
{
    QFETCH(ScriptedAnswers, answers);
    QFETCH(int, cycles);
    QFETCH(QStringList, asked);
    QFETCH(QString, pageId);
    QFETCH(int, failureStatus);
    QFETCH(QString, failureMessage);

    m_fx->signIn(QStringLiteral("A1"), QStringLiteral("R1"), QStringLiteral("U1"));
    m_fx->pageMissing = true;
    // The page step has just run: only the request to create the page may send one.
    m_fx->ticks = m_fx->now;
    const QString html = StarterPage::Html();
    m_fx->pageCreateHtml.store(html);
    m_fx->transport->script(answers);

    for (int i = 0; i < cycles; ++i) {
        m_fx->worker->RunCycle();
        m_fx->now += 1;
    }

    QCOMPARE(m_fx->transport->labels(), asked);
    QCOMPARE(m_fx->pageId.load(), pageId);
    QVERIFY(m_fx->pageCreateHtml.load().isEmpty());
    const std::optional<PageCreateFailure> failure = m_fx->pageCreateFailure.load();
    QCOMPARE(failure ? failure->status : -1, failureStatus);
    QCOMPARE(failure ? failure->message : QString(), failureMessage);
    QVERIFY(!m_fx->syncBusy);
    for (const platform::HttpRequest &request : m_fx->transport->requests()) {
        if (ScriptedTransport::Label(request) != u"create")
            continue;
        // As the service documents it: the section by name, the page as HTML.
        QCOMPARE(request.url, kOneNote + QStringLiteral("pages?sectionName=Pinlark"));
        QVERIFY(request.headers.contains({"Content-Type", "text/html; charset=utf-8"}));
        QCOMPARE(request.body, html.toUtf8());
        QVERIFY(request.body.contains("<title>Pinlark</title>"));
    }
}
