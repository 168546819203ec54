#include "board/BoardBuilder.h"
#include "board/BoardSearch.h"
#include "board/CopiedText.h"
#include "board/PageFile.h"
#include "board/UseCounts.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Board)

namespace {

// Compact board notation for the tables: "Tab|name=value|name=value;Tab2|..."
// with "\n" in values written as real line feeds.
QString describe(const Board &board)
{
    QStringList tabs;
    for (const BoardTab &tab : board) {
        QStringList parts{tab.label};
        for (const MNameValue &item : tab.items)
            parts << item.name() + u'=' + item.value;
        tabs << parts.join(u'|');
    }
    return tabs.join(u';');
}

QString page(const QString &body)
{
    return QStringLiteral("<html><head><title>Pinlark</title></head><body><div>") + body +
           QStringLiteral("</div></body></html>");
}

} // namespace

class TestBoardBuilder : public QObject
{
    Q_OBJECT

private slots:
    void conversion_data();
    void conversion();
    void rememberedTab_data();
    void rememberedTab();
    void refusesOutsideResources();
    void boardTextStaysWithinPageSize_data();
    void boardTextStaysWithinPageSize();
    void formatting_data();
    void formatting();
    void search_data();
    void search();
    void useCountsFile();
    void pageFile_data();
    void pageFile();
    void copiedWithoutName_data();
    void copiedWithoutName();
};

void TestBoardBuilder::conversion_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("expected");

    QTest::newRow("greetings example")
        << "<h1>Greetings</h1><p>Hello</p><p>How are you?</p><br/><br/><p>Bye</p><br/>"
           "<p>See you</p>"
        << "Greetings|Hello=Hello\nHow are you?|Bye=Bye\n\nSee you";
    QTest::newRow("no heading, no tabs") << "<p>a</p><p>b</p>"
                                         << "";
    QTest::newRow("paragraphs before the first heading are dropped")
        << "<p>lost</p><h1>T</h1><p>kept</p>"
        << "T|kept=kept";
    QTest::newRow("item followed directly by a heading is kept")
        << "<h1>A</h1><p>x</p><p>x2</p><h1>B</h1><p>y</p>"
        << "A|x=x\nx2;B|y=y";
    QTest::newRow("item followed by one br and a heading is kept")
        << "<h1>A</h1><p>x</p><br/><h1>B</h1>"
        << "A|x=x;B";
    QTest::newRow("single br before any name: the text starts the item")
        << "<h1>T</h1><br/><p>A</p><p>B</p>"
        << "T|A=A\nB";
    QTest::newRow("three br: the third does not swallow the next text")
        << "<h1>T</h1><p>a</p><br/><br/><br/><p>b</p><p>c</p>"
        << "T|a=a|b=b\nc";
    QTest::newRow("one br inside an item still leaves a blank line")
        << "<h1>T</h1><p>a</p><br/><p>b</p><br/><br/><p>c</p>"
        << "T|a=a\n\nb|c=c";
    QTest::newRow("blank first paragraph gives way to the next")
        << "<h1>T</h1><p>   </p><p>name</p>"
        << "T|name=name";
    QTest::newRow("empty paragraphs inside an item add line feeds")
        << "<h1>T</h1><p>a</p><p></p><br/><p></p>"
        << "T|a=a\n\n\n";
    QTest::newRow("name trimmed, value and label untrimmed") << "<h1> Tab </h1><p>\t x </p>"
                                                             << " Tab |x=\t x ";
    QTest::newRow("line feeds are not trimmed from the name") << "<h1>T</h1><p>\nx </p>"
                                                              << "T|\nx=\nx ";
    QTest::newRow("br inside a paragraph joins its text") << "<h1>T</h1><p>a<br/>b</p>"
                                                          << "T|ab=ab";
    QTest::newRow("element names are case-sensitive")
        << "<H1>T</H1><h1>U</h1><P>x</P><p>y</p><BR/><BR/><p>z</p>"
        << "U|y=y\nz";
    QTest::newRow("h1 inside a list opens no tab")
        << "<ul><h1>no</h1><p>x</p></ul><h1>T</h1><p>y</p>"
        << "T|y=y";
    QTest::newRow("heading in a container keeps its items there")
        << "<div><h1>In</h1><p>a</p></div><div><p>b</p></div>"
        << "In|a=a";
    QTest::newRow("nested tabs come after their parent level's heading")
        << "<h1>A</h1><div><h1>B</h1><p>b</p></div><p>a</p>"
        << "A|a=a;B|b=b";
    QTest::newRow("entities decoded once, numeric kept") << "<h1>T</h1><p>&amp;lt; &nbsp;&#39;</p>"
                                                         << "T|&lt;  &#39;=&lt;  &#39;";
    QTest::newRow("literal no-break space kept, not taken for a masked ampersand")
        << QStringLiteral("<h1>T\u00a0U</h1><p>a\u00a0&amp;\u00a0b</p>")
        << QStringLiteral("T\u00a0U|a\u00a0&\u00a0b=a\u00a0&\u00a0b");
    QTest::newRow("characters beyond the BMP, in any piece")
        << QStringLiteral("<h1>\U0001F600</h1><p>a\U0001F600b\U0001F601</p>")
        << QStringLiteral("\U0001F600|a\U0001F600b\U0001F601=a\U0001F600b\U0001F601");
    QTest::newRow("CDATA text is kept, tags in it stripped")
        << "<h1>T</h1><p><![CDATA[x <b>y</b>]]></p>"
        << "T|x y=x y";
    QTest::newRow("span markup inside a paragraph")
        << "<h1 id=\"h1:{1}\">T</h1><p id=\"p:{2}\"><span style=\"b\">bo</span>ld</p>"
        << "T|bold=bold";
    QTest::newRow("text of a paragraph is taken once: nothing in it opens a tab or item")
        << "<h1>T</h1><p>a<h1>H</h1><p>b</p><br/><br/><p>c</p></p><p>d</p>"
        << "T|aHbc=aHbc\nd";
    QTest::newRow("two tabs with the same label") << "<h1>S</h1><h1>S</h1>"
                                                  << "S;S";
    QTest::newRow("not well-formed gives no tabs") << "<h1>T</h1><p>open"
                                                   << "";
}

void TestBoardBuilder::conversion()
{
    QFETCH(QString, body);
    QTEST(describe(BuildBoard(page(body))), "expected");

    // Read in pieces of one and of three characters, the tabs taken as they
    // complete: the same board, in the same order.
    for (const int piece : {1, 3}) {
        const QString text = page(body);
        BoardBuilder builder;
        builder.begin();
        Board taken;
        for (qsizetype at = 0; at < text.size(); at += piece) {
            builder.feed(QStringView(text).mid(at, piece));
            taken += builder.takeCompleteTabs();
        }
        if (builder.finish())
            taken += builder.takeCompleteTabs();
        else
            taken.clear();
        QTEST(describe(taken), "expected");
    }
}

void TestBoardBuilder::rememberedTab_data()
{
    QTest::addColumn<std::optional<QString>>("remembered");
    QTest::addColumn<bool>("found");
    QTest::newRow("label returns") << std::optional(QStringLiteral("B")) << true;
    QTest::newRow("label gone") << std::optional(QStringLiteral("Z")) << false;
    QTest::newRow("no tab was selected") << std::optional<QString>() << false;
    QTest::newRow("empty label is a label") << std::optional(QString()) << true;
}

void TestBoardBuilder::rememberedTab()
{
    QFETCH(std::optional<QString>, remembered);
    BoardBuilder builder(remembered);
    QVERIFY(builder.Build(page(QStringLiteral("<h1>A</h1><h1>B</h1><h1></h1>"))));
    QTEST(builder.foundTabName(), "found");
}

void TestBoardBuilder::refusesOutsideResources()
{
    // A page that names an outside DTD and entity must parse without reading them.
    QTemporaryDir dir;
    const QString secret = dir.filePath(QStringLiteral("secret.txt"));
    QFile file(secret);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<h1>Leaked</h1>");
    file.close();
    const QString html =
        QStringLiteral("<!DOCTYPE html SYSTEM \"file://%1\" [<!ENTITY x SYSTEM \"file://%1\">]>"
                       "<html><h1>T</h1><p>&x;</p></html>")
            .arg(secret);
    const Board board = BuildBoard(html);
    QCOMPARE(describe(board), QStringLiteral("T|&x;=&x;"));
}

void TestBoardBuilder::boardTextStaysWithinPageSize_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("close");
    // Each level holds its own text, a heading and the next level.
    QTest::newRow("paragraphs in paragraphs") << "<p>text %1 <h1>Head %1</h1>"
                                              << "</p>";
    QTest::newRow("headings in headings") << "<h1>Head %1<p>text %1</p>"
                                          << "</h1>";
}

void TestBoardBuilder::boardTextStaysWithinPageSize()
{
    QFETCH(QString, open);
    QFETCH(QString, close);
    // libxml2 refuses pages nested deeper than 256 elements.
    constexpr int levels = 250;
    QString body = QStringLiteral("<h1>Top</h1>");
    for (int i = 0; i < levels; ++i)
        body += open.arg(i);
    const QString html = page(body + close.repeated(levels));

    qsizetype textSize = 0;
    for (const BoardTab &tab : BuildBoard(html)) {
        textSize += tab.label.size();
        for (const MNameValue &item : tab.items)
            textSize += item.name().size() + item.value.size();
    }
    QVERIFY(textSize > 0);
    QVERIFY2(textSize <= 2 * html.size(), qPrintable(QString::number(textSize)));
}

void TestBoardBuilder::formatting_data()
{
    // The paragraphs of one item under a heading, and the item's HTML ("" when it has
    // no formatting and is copied as plain text only).
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("html");
    const auto row = [](const char *title, const char *body, const char *html) {
        QTest::newRow(title) << QString::fromUtf8(body) << QString::fromUtf8(html);
    };
    row("no formatting, no HTML", "<p id='p:1' style='margin:0'>Hello</p><p>World</p>", "");
    row("elements", "<p>a <b>b</b> <strong>s</strong> <i>i</i> <em>e</em> <u>u</u> <s>x</s></p>",
        "a <b>b</b> <b>s</b> <i>i</i> <i>e</i> <u>u</u> <s>x</s>");
    row("styles, and only the formatting of them",
        "<p><span style='font-weight:bold;color:red'>B</span><span lang='en' "
        "style='FONT-STYLE: Italic; text-decoration:underline line-through'>X</span>"
        "<span style='font-weight:400'>n</span></p>",
        "<b>B</b><i><u><s>X</s></u></i>n");
    row("plain text in several pieces before the formatting, entities and all",
        "<p>&lt;a&gt; <span lang='en'>&amp;</span> <b>b</b> c</p>", "&lt;a&gt; &amp; <b>b</b> c");
    row("a paragraph's own style", "<p style='font-weight:700'>all</p>", "<b>all</b>");
    row("nested formats add up", "<p><b>a<i>b</i></b></p>", "<b>a</b><b><i>b</i></b>");
    row("web and mail links",
        "<p><a href='https://example.com/a?x=1&amp;y=2'>site</a> "
        "<a href='mailto:ada@example.com'>mail</a></p>",
        "<a href=\"https://example.com/a?x=1&amp;y=2\">site</a> "
        "<a href=\"mailto:ada@example.com\">mail</a>");
    row("script and data links lose the link, not the text",
        "<p><a href='javascript:alert(1)'>x</a> <a href=' JaVaScRiPt:alert(1)'><b>y</b></a> "
        "<a href='data:text/html,&lt;script&gt;'>z</a> <a href='/relative'>r</a></p>",
        "x <b>y</b> z r");
    row("a script link alone leaves the item plain", "<p><a href='javascript:alert(1)'>x</a></p>",
        "");
    row("other elements and attributes dropped, their text escaped",
        "<p data-id='1'><script>alert(1)</script><b onclick='evil()' id='b:1'>"
        "&lt;img src=x onerror=alert(1)&gt;</b><img src='x'/><iframe src='y'>f</iframe></p>",
        "alert(1)<b>&lt;img src=x onerror=alert(1)&gt;</b>f");
    row("line breaks in and between paragraphs", "<p>a<br/>b</p><p>c</p><br/><p>d</p>",
        "a<br>b<br>c<br><br>d");
    row("formatting further down makes the item so far HTML too",
        "<p>Tom &amp; \"Jerry\"</p><p><b>x</b></p>", "Tom &amp; &quot;Jerry&quot;<br><b>x</b>");
}

void TestBoardBuilder::formatting()
{
    QFETCH(QString, body);
    const Board board = BuildBoard(page(u"<h1>T</h1>" + body));
    QCOMPARE(board.size(), 1);
    QCOMPARE(board.first().items.size(), 1);
    QTEST(board.first().items.first().html(), "html");
}

void TestBoardBuilder::search_data()
{
    QTest::addColumn<QString>("text");
    // Each result as "tab|name", in the order listed; " ~ " before the close matches.
    QTest::addColumn<QString>("expected");
    // The name of an item copied more often than the others, for "Order by use".
    QTest::addColumn<QString>("used");
    const auto row = [](const char *title, const char *text, const char *expected,
                        const char *used = "") {
        QTest::newRow(title) << QString::fromUtf8(text) << QString::fromUtf8(expected)
                             << QString::fromUtf8(used);
    };
    row("tabs in page order, items in tab order, an item in two tabs twice", "straße",
        "Cities|Straße 5;Spaces|Straße 5");
    row("the value is searched, the name shown", "CAPITAL", "Cities|Ankara");
    row("dotted capital I finds itself", "İSTANBUL", "Cities|İstanbul");
    // Its lower case is "i" with a combining dot, which plain "i" then "s" does not
    // match; folding drops the dot.
    row("lower-casing keeps the dot of İ, folding finds it close", "istanbul",
        " ~ Cities|İstanbul");
    row("capital sharp s lower-cases to ß, and folds to ss", "ẞ",
        "Cities|Straße 5;Spaces|Straße 5 ~ Cities|MASSE");
    row("ß is not lower-cased to ss, but folded", "SS",
        "Cities|MASSE ~ Cities|Straße 5;Spaces|Straße 5");
    row("strasse finds Straße close", "strasse", " ~ Cities|Straße 5;Spaces|Straße 5");
    row("accents fold away", "cafe", " ~ Mail|Café Luna");
    row("one blank is a search, with no words to match closely", " ",
        "Cities|Straße 5;Spaces|a  b;Spaces|a b;Spaces|Straße 5;Mail|Best wishes;"
        "Mail|Kind regards;Mail|Unkind regards;Mail|KDR Group;Mail|Café Luna");
    row("blanks count one by one; the words in any order come after", "a b",
        "Spaces|a b ~ Spaces|a  b;Cities|İstanbul;Mail|Best wishes");
    row("two blanks", "  ", "Spaces|a  b");
    // Both words start words of the name, then one inside a word of the name, then
    // both in the value alone.
    row("words in any order, the name's word starts first", "regards kind",
        " ~ Mail|Kind regards;Mail|Unkind regards;Mail|Best wishes");
    row("letters in order in the name, fewer gaps first", "kdrg",
        " ~ Mail|KDR Group;Mail|Kind regards");
    row("a word missing and letters out of order find nothing", "regards zebra", "");
    row("letters in order must start at a word's start", "ndrg", "");
    row("equal ranks keep board order", "rgs", " ~ Mail|Kind regards;Mail|Unkind regards");
    row("equal ranks go to the item copied most often", "rgs",
        " ~ Mail|Unkind regards;Mail|Kind regards", "Unkind regards");
    row("use never beats rank, nor reorders the plain matches", "regards",
        "Mail|Best wishes;Mail|Kind regards;Mail|Unkind regards", "Unkind regards");
    row("nothing typed finds nothing", "", "");
}

void TestBoardBuilder::search()
{
    QFETCH(QString, text);
    const Board board = BuildBoard(page(QStringLiteral(
        "<h1>Cities</h1><p>İstanbul</p><br/><br/><p>Ankara</p><p>capital</p><br/><br/>"
        "<p>Straße 5</p><br/><br/><p>MASSE</p>"
        "<h1>Spaces</h1><p>a  b</p><br/><br/><p>a b</p><br/><br/><p>Straße 5</p>"
        "<h1>Mail</h1><p>Best wishes</p><p>kind regards, Bo</p><br/><br/>"
        "<p>Kind regards</p><p>Ada</p><br/><br/><p>Unkind regards</p><br/><br/>"
        "<p>KDR Group</p><br/><br/><p>Café Luna</p><p>opens at 8</p>")));
    QCOMPARE(board.size(), 3);
    QList<SearchIndex> indexes;
    for (const BoardTab &tab : board)
        indexes << IndexItems(tab.items);
    QList<SearchList> lists;
    for (qsizetype i = 0; i < board.size(); ++i)
        lists.append({&board[i].items, &indexes[i], board[i].label});

    QFETCH(QString, used);
    UseCountOf uses;
    if (!used.isEmpty())
        uses = [used](const MNameValue &item) { return item.name() == used ? 5 : 0; };
    const SearchResults found = SearchItems(lists, text, uses);
    QCOMPARE(found.labels.size(), found.items.size());
    QStringList plain;
    QStringList close;
    for (qsizetype i = 0; i < found.items.size(); ++i)
        (i < found.closeFrom ? plain : close) << found.labels[i] + u'|' + found.items[i].name();
    QString shown = plain.join(u';');
    if (!close.isEmpty())
        shown += u" ~ " + close.join(u';');
    QTEST(shown, "expected");
}

// Counts survive a restart; a damaged or foreign file counts nothing and is
// replaced whole by the next count.
void TestBoardBuilder::useCountsFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("usecounts.json"));
    const MNameValue a{QStringLiteral("A"), QStringLiteral("A\nbody"), QString()};
    const MNameValue b{QStringLiteral("B"), QStringLiteral("B"), QString()};
    UseCounts counts(path);
    counts.load();
    QVERIFY(counts.isEmpty());
    QVERIFY(counts.add(a) && counts.add(a) && counts.add(b));

    UseCounts again(path);
    again.load();
    QCOMPARE(again.count(a), 2);
    QCOMPARE(again.count(b), 1);
    // An item is its value: the same text under another name counts the same.
    QCOMPARE(again.count({QStringLiteral("other"), a.value, QString()}), 2);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY2(!file.readAll().contains("body"), "the file must not hold snippet text");
    file.close();

    for (const QByteArray &bytes : {QByteArray("[1,2]"), QByteArray("{\"x\":-4,\"y\":\"z\"}"),
                                    QByteArray("\xff\xfe garbage")}) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        UseCounts damaged(path);
        damaged.load();
        QVERIFY2(damaged.isEmpty(), bytes.constData());
        QVERIFY(damaged.add(b));
        UseCounts mended(path);
        mended.load();
        QCOMPARE(mended.count(b), 1);
    }
}

void TestBoardBuilder::pageFile_data()
{
    // The bytes on disk (null: no file) and what reads from them.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<std::optional<QString>>("expected");
    QTest::newRow("UTF-8 as written") << QByteArray("<h1>Gr\xc3\xbc\xc3\x9f"
                                                    "e \xf0\x9f\x98\x80 &amp;</h1>")
                                      << std::optional(QStringLiteral("<h1>Grüße 😀 &amp;</h1>"));
    QTest::newRow("a byte-order mark is not part of the page")
        << QByteArray("\xef\xbb\xbf<h1>T</h1>") << std::optional(QStringLiteral("<h1>T</h1>"));
    QTest::newRow("bytes that are not UTF-8 read as empty, not as missing")
        << QByteArray("<h1>\xc3(</h1>") << std::optional(QString());
    QTest::newRow("an empty file is an empty page") << QByteArray("") << std::optional(QString());
    QTest::newRow("no file") << QByteArray() << std::optional<QString>();
}

void TestBoardBuilder::pageFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(std::optional<QString>, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pinlark.html"));
    if (!bytes.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    const std::optional<QString> read = ReadPageFile(path);
    QCOMPARE(read.has_value(), expected.has_value());
    QCOMPARE(read.value_or(u"(missing)"_qs), expected.value_or(u"(missing)"_qs));
    // What is read is what a write gives back.
    if (read) {
        QVERIFY(WritePageFile(path, *read));
        QCOMPARE(ReadPageFile(path), read);
    }
}

void TestBoardBuilder::copiedWithoutName_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("copied");
    QTest::newRow("title over a body") << "<h1>T</h1><p>Dear Sir</p><p>Thank you</p>"
                                       << "Thank you";
    QTest::newRow("the blank line after the title goes too")
        << "<h1>T</h1><p>Reply</p><br/><p>Thanks,</p><p>Ada</p>"
        << "Thanks,\nAda";
    QTest::newRow("a blank paragraph after the title goes too")
        << "<h1>T</h1><p>Reply</p><p> </p><p>Thanks</p>"
        << "Thanks";
    QTest::newRow("blank lines inside the body stay")
        << "<h1>T</h1><p>Reply</p><p>a</p><br/><p>b</p>"
        << "a\n\nb";
    QTest::newRow("an item that is its name alone copies it") << "<h1>T</h1><p>just this</p>"
                                                              << "just this";
}

void TestBoardBuilder::copiedWithoutName()
{
    QFETCH(QString, body);
    const Board board = BuildBoard(page(body));
    QCOMPARE(board.size(), 1);
    QCOMPARE(board.first().items.size(), 1);
    const MNameValue &item = board.first().items.first();
    QTEST(CopiedText(item, true), "copied");
    QCOMPARE(CopiedText(item, false), item.value);
}

QTEST_GUILESS_MAIN(TestBoardBuilder)
#include "tst_boardbuilder.moc"
