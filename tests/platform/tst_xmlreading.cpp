// Every downloaded page reaches libxml2 through ParseXmlEvents (the board) or
// XmlDocument (the page update): nothing from outside may be loaded, no entity may
// expand out of proportion, and text must come back as it was written.

#include "platform/XmlDocument.h"
#include "platform/XmlEvents.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <optional>
#include <type_traits>

using platform::XmlDocument;
using platform::XmlNode;

// The document frees its tree when it goes: a copy would free it a second time.
static_assert(!std::is_copy_constructible_v<XmlDocument>);
static_assert(!std::is_copy_assignable_v<XmlDocument>);

namespace {

// The tree in the same notation: an element as name(children), any other node as
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

// The events in a compact notation: an element as name(children), a run of text
// in quotes however many pieces it came in.
class Describe final : public platform::XmlEvents
{
public:
    void startElement(QByteArrayView name) override
    {
        flush();
        m_Out += separator() + QString::fromUtf8(name) + u'(';
        m_Open = true;
    }
    void endElement() override
    {
        flush();
        m_Out += u')';
        m_Open = false;
    }
    void text(QByteArrayView utf8) override { m_Text += utf8; }
    QString result()
    {
        flush();
        return m_Out;
    }

private:
    QString separator() const
    {
        return m_Out.isEmpty() || m_Open ? QString() : QStringLiteral(" ");
    }
    void flush()
    {
        if (m_Text.isNull())
            return;
        m_Out += separator() + u'"' + QString::fromUtf8(m_Text) + u'"';
        m_Open = false;
        m_Text = QByteArray();
    }
    QString m_Out;
    QByteArray m_Text;
    bool m_Open = false;
};

} // namespace

class TestXmlReading : public QObject
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

void TestXmlReading::initTestCase()
{
    m_Secret = m_Dir.filePath(QStringLiteral("secret.xml"));
    QFile file(m_Secret);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<b>leaked</b>");
}

void TestXmlReading::parse_data()
{
    QTest::addColumn<QByteArray>("xml");
    // What the event reader reports and the tree holds; "refused" when they find
    // the bytes unreadable. The tree keeps a document type as a node of its own and
    // spells an internal entity out; the reader keeps no declarations at all.
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("tree");
    const QString refused = QStringLiteral("refused");
    const auto row = [](const char *name, const QByteArray &xml, const QString &expected,
                        const std::optional<QString> &tree = std::nullopt) {
        QTest::newRow(name) << xml << expected << tree.value_or(expected);
    };

    row("elements and text in order", "<a>x<b>y</b>z</a>",
        QStringLiteral("a(\"x\" b(\"y\") \"z\")"));
    row("white space between elements is kept", "<a> <b/>\n</a>",
        QStringLiteral("a(\" \" b() \"\n\")"));
    row("CDATA is kept as written", "<a><![CDATA[<b>&amp;</b>]]></a>",
        QStringLiteral("a(\"<b>&amp;</b>\")"));
    row("UTF-8 wins over a declared encoding",
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>\xc3\xa9</a>",
        QStringLiteral("a(\"\u00e9\")"));
    row("characters beyond the BMP", "<a>\xf0\x9f\x98\x80</a>",
        QStringLiteral("a(\"\U0001F600\")"));
    row("predefined entities are decoded once", "<a>&amp;lt;</a>", QStringLiteral("a(\"&lt;\")"));
    row("an internal entity: not expanded by the reader, spelled out in the tree",
        "<!DOCTYPE a [<!ENTITY e \"boom\">]><a>&e;</a>", refused,
        QStringLiteral("\"\" a(\"boom\")"));
    // Ten bytes, each entity ten of the one before: a million characters.
    QByteArray bomb = "<!DOCTYPE a [<!ENTITY e0 \"0123456789\">";
    for (int i = 1; i <= 5; ++i)
        bomb += "<!ENTITY e" + QByteArray::number(i) + " \"" +
                QByteArray("&e" + QByteArray::number(i - 1) + ';').repeated(10) + "\">";
    row("entities that expand out of all proportion", bomb + "]><a>&e5;</a>", refused);
    const QByteArray secret = QUrl::fromLocalFile(m_Secret).toEncoded();
    row("an outside DTD and entity are not read",
        "<!DOCTYPE a SYSTEM \"" + secret + "\" [<!ENTITY x SYSTEM \"" + secret + "\">]><a>&x;</a>",
        QStringLiteral("a()"), QStringLiteral("\"\" a(\"\")"));
    row("not well-formed", "<a><b></a>", refused);
    row("two roots", "<a/><b/>", refused);
    row("not UTF-8", "<a>\xff</a>", refused);
    row("nothing", QByteArray(), refused);
}

void TestXmlReading::parse()
{
    QFETCH(QByteArray, xml);
    Describe events;
    const bool readable = platform::ParseXmlEvents(xml, events);
    QTEST(readable ? events.result() : QStringLiteral("refused"), "expected");
    const std::unique_ptr<XmlDocument> document = XmlDocument::parse(xml);
    QTEST(document ? describe(document->documentNode()) : QStringLiteral("refused"), "tree");
}

QTEST_GUILESS_MAIN(TestXmlReading)
#include "tst_xmlreading.moc"
