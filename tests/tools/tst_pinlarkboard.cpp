// pinlark-board as others use it: a page file in, the board as JSON out. Boards
// are compared through it, so what it writes must be exact JSON of exactly the
// board the app shows.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestPinlarkBoard : public QObject
{
    Q_OBJECT

private slots:
    void printsBoard_data();
    void printsBoard();
    void answersWithoutABoard_data();
    void answersWithoutABoard();

private:
    struct Result
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    static Result run(const QStringList &arguments);

    QTemporaryDir m_Dir;
};

TestPinlarkBoard::Result TestPinlarkBoard::run(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(PINLARK_BOARD_TOOL), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

void TestPinlarkBoard::printsBoard_data()
{
    QTest::addColumn<QByteArray>("page");
    // Empty: print the board; else what a search for it lists.
    QTest::addColumn<QString>("search");
    QTest::addColumn<QByteArray>("json");

    QTest::newRow("no headings: an empty board")
        << QByteArray("<html><body><p>loose</p></body></html>") << QString()
        << QByteArray("{\"tabs\":[]}\n");
    QTest::newRow("a heading with nothing under it keeps its empty tab")
        << QByteArray("<html><body><h1>Empty</h1></body></html>") << QString()
        << QByteArray("{\"tabs\":[{\"label\":\"Empty\",\"items\":[]}]}\n");
    QTest::newRow("quotes, backslashes, tabs and line feeds escaped")
        << QByteArray("<html><body><h1>Say \"hi\"</h1><p>C:\\temp</p><p>a\tb</p>"
                      "<br/><br/></body></html>")
        << QString()
        << QByteArray(
               "{\"tabs\":[{\"label\":\"Say \\\"hi\\\"\",\"items\":[{\"name\":\"C:\\\\temp\","
               "\"value\":\"C:\\\\temp\\na\\tb\"}]}]}\n");
    QTest::newRow("non-ASCII text as UTF-8, not escaped")
        << QByteArray("<html><body><h1>Caf\xc3\xa9</h1><p>10\xc2\xa0\xe2\x82\xac</p>"
                      "<p>\xf0\x9f\x99\x82</p><br/><br/></body></html>")
        << QString()
        << QByteArray("{\"tabs\":[{\"label\":\"Caf\xc3\xa9\",\"items\":[{\"name\":"
                      "\"10\xc2\xa0\xe2\x82\xac\","
                      "\"value\":\"10\xc2\xa0\xe2\x82\xac\\n\xf0\x9f\x99\x82\"}]}]}\n");
    QTest::newRow("markup-like text stays text")
        << QByteArray("<html><body><h1>&lt;b&gt;</h1><p>a &amp; b</p><br/><br/></body></html>")
        << QString()
        << QByteArray("{\"tabs\":[{\"label\":\"<b>\",\"items\":[{\"name\":\"a & b\","
                      "\"value\":\"a & b\"}]}]}\n");
    const QByteArray mail("<html><body><h1>Mail</h1><p>Kind regards</p><br/><br/>"
                          "<p>regards kind</p><br/><br/><h1>Caf\xc3\xa9</h1><p>Caf\xc3\xa9</p>"
                          "</body></html>");
    QTest::newRow("--search: plain matches first, then the close ones")
        << mail << QStringLiteral("regards kind")
        << QByteArray("{\"results\":[{\"tab\":\"Mail\",\"name\":\"regards kind\",\"value\":"
                      "\"regards kind\",\"close\":false},{\"tab\":\"Mail\",\"name\":\"Kind "
                      "regards\",\"value\":\"Kind regards\",\"close\":true}]}\n");
    QTest::newRow("--search: accents folded")
        << mail << QStringLiteral("cafe")
        << QByteArray("{\"results\":[{\"tab\":\"Caf\xc3\xa9\","
                      "\"name\":\"Caf\xc3\xa9\",\"value\":"
                      "\"Caf\xc3\xa9\",\"close\":true}]}\n");
    QTest::newRow("--search: nothing found")
        << mail << QStringLiteral("zebra") << QByteArray("{\"results\":[]}\n");
}

void TestPinlarkBoard::printsBoard()
{
    QFETCH(QByteArray, page);
    const QString path = m_Dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(page);
    file.close();

    QFETCH(QString, search);
    const Result result =
        run(search.isEmpty() ? QStringList{path}
                             : QStringList{QStringLiteral("--search"), search, path});
    QCOMPARE(result.exitCode, 0);
    QTEST(result.out, "json");
    QCOMPARE(result.err, QByteArray());
}

// Exit code 0 is help: usage on standard output and nothing else. Any other is a
// refusal: nothing on standard output, so no half board is ever taken for a board.
void TestPinlarkBoard::answersWithoutABoard_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    const QString missing = m_Dir.filePath(QStringLiteral("none"));

    QTest::newRow("no page file") << QStringList{} << 2;
    QTest::newRow("two page files") << QStringList{QStringLiteral("a"), QStringLiteral("b")} << 2;
    QTest::newRow("missing page file") << QStringList{missing} << 2;
    QTest::newRow("a folder") << QStringList{m_Dir.path()} << 2;
    QTest::newRow("--help prints usage") << QStringList{QStringLiteral("--help")} << 0;
    QTest::newRow("-h beside a page file prints usage")
        << QStringList{missing, QStringLiteral("-h")} << 0;
    QTest::newRow("an unknown option") << QStringList{QStringLiteral("--bogus"), missing} << 2;
    QTest::newRow("--search without its text") << QStringList{QStringLiteral("--search")} << 2;
    QTest::newRow("after --, --help names a page file")
        << QStringList{QStringLiteral("--"), QStringLiteral("--help")} << 2;
}

void TestPinlarkBoard::answersWithoutABoard()
{
    QFETCH(QStringList, arguments);
    const Result result = run(arguments);
    QTEST(result.exitCode, "exitCode");
    if (result.exitCode == 0) {
        QVERIFY2(result.out.startsWith("Usage: ") && result.out.contains(" PAGE_FILE"),
                 result.out.constData());
        QCOMPARE(result.err, QByteArray());
    } else {
        QCOMPARE(result.out, QByteArray());
        QVERIFY(!result.err.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestPinlarkBoard)
#include "tst_pinlarkboard.moc"
