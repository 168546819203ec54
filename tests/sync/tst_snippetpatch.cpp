// A snippet typed in the app, put on the page by the stand-in's page update and
// read back by the board conversion, must come back exactly as typed.

#include "board/BoardBuilder.h"
#include "page_patch.h"
#include "pagewrap.h"
#include "sync/SnippetPatch.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

const std::string kGuid = "7a3c0a9e-1234-4abc-8def-000000000001";

QString servedPage(const std::string &body)
{
    const standin::PageFrame frame{"Pinlark", "2024-01-15T09:00:00.0000000", kGuid};
    return QString::fromStdString(standin::wrapFragment(body, frame, true));
}

const BoardTab *tabOf(const Board &board, const QString &label, int index)
{
    if (index >= 0 && index < board.size() && board.at(index).label == label)
        return &board.at(index);
    for (qsizetype i = board.size() - 1; i >= 0; --i) {
        if (board.at(i).label == label)
            return &board.at(i);
    }
    return nullptr;
}

} // namespace

class TestSnippetPatch : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void normalize_data();
    void normalize();
    void unusablePage();
};

void TestSnippetPatch::roundTrip_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<int>("tabIndex");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");

    const QByteArray greetings = "<h1>Greetings</h1><p>Hello</p><p>Hi there</p><br /><br />"
                                 "<p>Bye</p><h1>Addresses</h1><p>Office</p><p>1 Main St</p>";
    QTest::newRow("markup characters and quotes are text")
        << greetings << "Greetings" << 0 << R"(Tom & Jerry <b>"hi"</b> 'x' &amp; &#39;)"
        << R"(Tom & Jerry <b>"hi"</b> 'x' &amp; &#39;)"
        << R"(Tom & Jerry <b>"hi"</b> 'x' &amp; &#39;)";
    QTest::newRow("leading blanks, several lines, a blank line and blank runs")
        << greetings << "Addresses" << 1 << "  Dear Sir,\n\nThanks  a lot\n  Ann "
        << "Dear Sir,"
        << "  Dear Sir,\n\nThanks  a lot\n  Ann ";
    QTest::newRow("two and three blank lines stay inside the item")
        << greetings << "Greetings" << 0 << "A\n\n\nB\n\n\n\nC"
        << "A"
        << "A\n\n\nB\n\n\n\nC";
    QTest::newRow("line ends and blank lines at the ends are tidied")
        << greetings << "Greetings" << 0 << "\r\n  \r\nA\r\nB\rC\r\n\r\n"
        << "A"
        << "A\nB\nC";
    QTest::newRow("characters a page cannot hold are dropped")
        << greetings << "Greetings" << 0 << QStringLiteral("A\u0001B\u0008\uFFFF\uFDD0\tC")
        << "AB\tC"
        << "AB\tC";
    QTest::newRow("text beyond the basic plane and a no-break space")
        << greetings << "Greetings" << 0 << QStringLiteral("Smile \U0001F600\u00A0ok")
        << QStringLiteral("Smile \U0001F600\u00A0ok") << QStringLiteral("Smile \U0001F600\u00A0ok");
    QTest::newRow("a tab whose last item is not closed keeps it")
        << QByteArray("<h1>T</h1><p>Open</p><p>item</p>") << "T" << 0 << "New"
        << "New"
        << "New";
    QTest::newRow("a tab with only its heading, before another tab")
        << QByteArray("<h1>Empty</h1><h1>Other</h1><p>X</p>") << "Empty" << 0 << "First"
        << "First"
        << "First";
    QTest::newRow("a tab inside a nested outline")
        << QByteArray("<div><h1>Inner</h1><p>One</p></div><div><p>loose</p></div>") << "Inner" << 0
        << "Two\nlines"
        << "Two"
        << "Two\nlines";
    QTest::newRow("a new tab is added after the last one")
        << greetings << "New & <tab>" << -1 << "First snippet"
        << "First snippet"
        << "First snippet";
    QTest::newRow("a new tab on a page without tabs")
        << QByteArray("<p>just a note</p>") << " Spaced" << -1 << "x"
        << "x"
        << "x";
    QTest::newRow("a new tab on an empty page") << QByteArray() << "Start" << -1 << "x"
                                                << "x"
                                                << "x";
    QTest::newRow("of two tabs with one label, the one chosen")
        << QByteArray("<h1>Dup</h1><p>a</p><h1>Dup</h1><p>b</p>") << "Dup" << 0 << "c"
        << "c"
        << "c";
}

void TestSnippetPatch::roundTrip()
{
    QFETCH(QByteArray, page);
    QFETCH(QString, tab);
    QFETCH(int, tabIndex);
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(QString, value);

    const QString before = servedPage(page.toStdString());
    const Board boardBefore = BuildBoard(before);
    const QString text = SnippetPatch::NormalizeText(typed);
    QCOMPARE(SnippetPatch::NameOf(text), name);
    QVERIFY(!SnippetPatch::PageHasSnippet(before, tab, text));

    const SnippetPatch::Target target = SnippetPatch::FindTarget(before, tab, tabIndex);
    QVERIFY(target);
    const QByteArray commands = SnippetPatch::Commands(target, tab, text);
    // The shape the service documents: a list of {target, action, position, content}.
    const QJsonObject command = QJsonDocument::fromJson(commands).array().at(0).toObject();
    QCOMPARE(command.value(QLatin1String("target")).toString(), target.id);
    QCOMPARE(command.value(QLatin1String("action")).toString(),
             target.append ? QStringLiteral("append") : QStringLiteral("insert"));

    std::vector<standin::PatchCommand> parsed;
    QVERIFY(standin::parsePatchCommands(commands.toStdString(), parsed));
    const auto result = standin::applyPatch(standin::addElementIds(page.toStdString(), kGuid, 2),
                                            "div:{" + kGuid + "}{1}", kGuid, parsed);
    QCOMPARE(result.status, 204);
    const QString after = servedPage(result.body);
    QVERIFY(SnippetPatch::PageHasSnippet(after, tab, text));

    const Board board = BuildBoard(after);
    const int index = target.append ? -1 : tabIndex;
    const BoardTab *changed = tabOf(board, tab, index);
    QVERIFY(changed);
    QVERIFY(!changed->items.isEmpty());
    QCOMPARE(changed->items.last().name(), name);
    QCOMPARE(changed->items.last().value, value);
    // Nothing else moved: every other item of the page is still there as it was.
    const BoardTab *old = tabOf(boardBefore, tab, index);
    QCOMPARE(board.size(), boardBefore.size() + (old ? 0 : 1));
    for (qsizetype t = 0; t < boardBefore.size(); ++t) {
        QCOMPARE(board.at(t).label, boardBefore.at(t).label);
        const auto &items = boardBefore.at(t).items;
        for (qsizetype i = 0; i < items.size(); ++i) {
            QCOMPARE(board.at(t).items.at(i).name(), items.at(i).name());
            QCOMPARE(board.at(t).items.at(i).value, items.at(i).value);
        }
        QCOMPARE(board.at(t).items.size(), items.size() + (&boardBefore.at(t) == old ? 1 : 0));
    }
}

void TestSnippetPatch::normalize_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("only blanks is nothing") << " \t\n \r\n"
                                            << "";
    QTest::newRow("a lone surrogate goes, a pair stays")
        << QString(QChar(0xD800)) + QStringLiteral("a\U0001F600") << QStringLiteral("a\U0001F600");
}

void TestSnippetPatch::normalize()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(SnippetPatch::NormalizeText(typed), kept);
}

void TestSnippetPatch::unusablePage()
{
    // An error body or a cut download names no place: nothing is sent.
    QVERIFY(!SnippetPatch::FindTarget(QStringLiteral("{\"error\":1}"), QStringLiteral("T")));
    QVERIFY(
        !SnippetPatch::FindTarget(QStringLiteral("<html><body><h1>T</h1>"), QStringLiteral("T")));
    // A tab whose elements carry no ids (content fetched without them).
    QVERIFY(!SnippetPatch::FindTarget(QStringLiteral("<body><h1>T</h1><p>a</p></body>"),
                                      QStringLiteral("T")));
}

QTEST_GUILESS_MAIN(TestSnippetPatch)
#include "tst_snippetpatch.moc"
