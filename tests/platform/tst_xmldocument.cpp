// Every downloaded page reaches the parser through XmlDocument: nothing from outside
// may be loaded, no entity expanded, and text must come back as it was written.

#include "platform/XmlDocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <type_traits>

using platform::XmlDocument;
using platform::XmlNode;

// The document frees its tree when it goes: a copy would free it a second time.
static_assert(!std::is_copy_constructible_v<XmlDocument>);
static_assert(!std::is_copy_assignable_v<XmlDocument>);

namespace {

// The tree in a compact notation: an element as name(children), any other node as
// its text in quotes.
QString describe(XmlNode node)
{
    QStringList parts;
    for (XmlNode child = node.firstChild(); child; child = child.nextSibling()) {
        if (child.isElement())
            parts << QString::fromUtf8(child.name()) + u'(' + describe(child) + u')';
        else
            parts << u'"' + child.stringValue() + u'"';
    }
    return parts.join(u' ');
}

} // namespace

class TestXmlDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parse_data();
    void parse();

private:
    QTemporaryDir m_Dir;
    // A file the page may name but must never see.
    QString m_Secret;
};

void TestXmlDocument::initTestCase()
{
    m_Secret = m_Dir.filePath(QStringLiteral("secret.xml"));
    QFile file(m_Secret);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<b>leaked</b>");
}

void TestXmlDocument::parse_data()
{
    QTest::addColumn<QByteArray>("xml");
    // The document node's children; "refused" when parse gives no document.
    QTest::addColumn<QString>("expected");
    const QString refused = QStringLiteral("refused");

    QTest::newRow("elements and text in order")
        << QByteArray("<a>x<b>y</b>z</a>") << QStringLiteral("a(\"x\" b(\"y\") \"z\")");
    QTest::newRow("white space between elements is kept")
        << QByteArray("<a> <b/>\n</a>") << QStringLiteral("a(\" \" b() \"\n\")");
    QTest::newRow("CDATA is kept as written")
        << QByteArray("<a><![CDATA[<b>&amp;</b>]]></a>") << QStringLiteral("a(\"<b>&amp;</b>\")");
    QTest::newRow("UTF-8 wins over a declared encoding")
        << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>\xc3\xa9</a>")
        << QStringLiteral("a(\"\u00e9\")");
    QTest::newRow("characters beyond the BMP")
        << QByteArray("<a>\xf0\x9f\x98\x80</a>") << QStringLiteral("a(\"\U0001F600\")");
    QTest::newRow("predefined entities are decoded once")
        << QByteArray("<a>&amp;lt;</a>") << QStringLiteral("a(\"&lt;\")");
    // The first node is the document type.
    QTest::newRow("an internal entity reads as its text")
        << QByteArray("<!DOCTYPE a [<!ENTITY e \"boom\">]><a>&e;</a>")
        << QStringLiteral("\"\" a(\"boom\")");
    // Ten bytes, each entity ten of the one before: a million characters.
    QByteArray bomb = "<!DOCTYPE a [<!ENTITY e0 \"0123456789\">";
    for (int i = 1; i <= 5; ++i)
        bomb += "<!ENTITY e" + QByteArray::number(i) + " \"" +
                QByteArray("&e" + QByteArray::number(i - 1) + ';').repeated(10) + "\">";
    QTest::newRow("entities that expand out of all proportion")
        << bomb + "]><a>&e5;</a>" << refused;
    const QByteArray secret = QUrl::fromLocalFile(m_Secret).toEncoded();
    QTest::newRow("an outside DTD and entity are not read")
        << "<!DOCTYPE a SYSTEM \"" + secret + "\" [<!ENTITY x SYSTEM \"" + secret +
               "\">]><a>&x;</a>"
        << QStringLiteral("\"\" a(\"\")");
    QTest::newRow("not well-formed") << QByteArray("<a><b></a>") << refused;
    QTest::newRow("two roots") << QByteArray("<a/><b/>") << refused;
    QTest::newRow("not UTF-8") << QByteArray("<a>\xff</a>") << refused;
    QTest::newRow("nothing") << QByteArray() << refused;
}

void TestXmlDocument::parse()
{
    QFETCH(QByteArray, xml);
    const std::unique_ptr<XmlDocument> document = XmlDocument::parse(xml);
    QTEST(document ? describe(document->documentNode()) : QStringLiteral("refused"), "expected");
}

QTEST_GUILESS_MAIN(TestXmlDocument)
#include "tst_xmldocument.moc"
