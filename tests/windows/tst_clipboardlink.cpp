#include "windows/ClipboardLink.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

// A null `html` puts no HTML flavour on the clipboard; a null `expected` means the
// clipboard must stay as it was, and the command must say it found no link.
class TestClipboardLink : public QObject
{
    Q_OBJECT

private slots:
    void decompose_data();
    void decompose();
    void emptyClipboardStaysEmpty();
};

void TestClipboardLink::decompose_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("expected");
    const QString untouched;

    QTest::newRow("a link becomes its text, a space and its address")
        << "<a href=\"https://example.org/x\">Example</a>"
        << "Example https://example.org/x";
    QTest::newRow("a link inside a browser's fragment")
        << "<meta charset='utf-8'><p>See <a href=\"https://a.example/docs\" "
           "title=\"t\">the docs</a> here.</p>"
        << "the docs https://a.example/docs";
    QTest::newRow("capital tag and attribute names; the address keeps its case")
        << "<A HREF=\"https://Example.org/Path\">Go</A>"
        << "Go https://Example.org/Path";
    QTest::newRow("an address in single quotes") << "<a href='https://x.example/z'>x</a>"
                                                 << "x https://x.example/z";
    QTest::newRow("an unquoted address up to the next attribute")
        << "<a href=https://x.example/z target=_blank>x</a>"
        << "x https://x.example/z";
    QTest::newRow("an unquoted address last in the tag is not read")
        << "<a href=https://x.example/z>x</a>"
        << "x ";
    QTest::newRow("an anchor without an address") << "<a name=\"top\">Top</a>"
                                                  << "Top ";
    QTest::newRow("markup in the text is removed and character references decoded")
        << "<a href=\"u\"><b>Tom</b> &amp; <i>Jerry</i></a>"
        << "Tom & Jerry u";
    QTest::newRow("an encoded tag in the text stays text") << "<a href=\"u\">&lt;b&gt;</a>"
                                                           << "<b> u";
    QTest::newRow("line breaks and indentation read as one blank, none at the ends")
        << "<a href=\"u\">\n  Tom\n\t and\r\n  Jerry\n</a>"
        << "Tom and Jerry u";
    QTest::newRow("no-break spaces, as characters or references, all stay")
        << "<a href=\"u\">10\u00a0kg&nbsp;&nbsp;net</a>"
        << "10\u00a0kg  net u";
    QTest::newRow("an escaped ampersand in the address is decoded")
        << "<a href=\"https://a.example/?x=1&amp;y=2\">q</a>"
        << "q https://a.example/?x=1&y=2";
    QTest::newRow("only the first of two anchors")
        << "<a href=\"1\">one</a> and <a href=\"2\">two</a>"
        << "one 1";
    QTest::newRow("a longer tag name beginning with a is taken for an anchor")
        << "<abbr title=\"HyperText\">HTML</abbr>"
        << "HTML ";
    QTest::newRow("spaces around the equals sign hide the address") << "<a href = \"u\">x</a>"
                                                                    << "x ";
    QTest::newRow("an empty quoted address stays empty") << "<a href=\"\" title=t>x</a>"
                                                         << "x ";

    QTest::newRow("plain text only is left untouched") << QString() << untouched;
    QTest::newRow("empty HTML is left untouched") << "" << untouched;
    QTest::newRow("HTML without an anchor is left untouched") << "<p>plain</p>" << untouched;
    QTest::newRow("a bare opening tag is left untouched") << "<a>x</a>" << untouched;
    QTest::newRow("an anchor without its end is left untouched") << "<a href=\"u\">x" << untouched;
}

void TestClipboardLink::decompose()
{
    QFETCH(QString, html);
    QFETCH(QString, expected);
    const QString plain = QStringLiteral("what the source put as plain text");

    QClipboard *clipboard = QGuiApplication::clipboard();
    auto *data = new QMimeData;
    data->setText(plain);
    if (!html.isNull())
        data->setHtml(html);
    clipboard->setMimeData(data);

    const ClipboardLinkOutcome outcome = DecomposeClipboardLink(clipboard);

    QCOMPARE(outcome,
             expected.isNull() ? ClipboardLinkOutcome::NoLink : ClipboardLinkOutcome::Converted);
    const QMimeData *after = clipboard->mimeData();
    QVERIFY(after);
    if (expected.isNull()) {
        QCOMPARE(after->hasHtml(), !html.isNull());
        QCOMPARE(after->html(), html.isNull() ? QString() : html);
        QCOMPARE(after->text(), plain);
    } else {
        QCOMPARE(after->text(), expected);
        QVERIFY(!after->hasHtml());
    }
}

void TestClipboardLink::emptyClipboardStaysEmpty()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    QCOMPARE(DecomposeClipboardLink(clipboard), ClipboardLinkOutcome::NoLink);
    const QMimeData *after = clipboard->mimeData();
    QVERIFY(!after || after->formats().isEmpty());
}

QTEST_MAIN(TestClipboardLink)
#include "tst_clipboardlink.moc"
