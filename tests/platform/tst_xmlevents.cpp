// Every downloaded page reaches the parser through ParseXmlEvents: nothing from
// outside may be loaded, no entity expanded, and text must come back as it was
// written.

#include "platform/XmlEvents.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

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

class TestXmlEvents : public QObject
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

void TestXmlEvents::initTestCase()
{
    m_Secret = m_Dir.filePath(QStringLiteral("secret.xml"));
    QFile file(m_Secret);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<b>leaked</b>");
}

void TestXmlEvents::parse_data()
{
    QTest::addColumn<QByteArray>("xml");
    // What the reader reports; "refused" when it finds the bytes unreadable.
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
    // Declarations are not kept, so nothing declared can expand.
    QTest::newRow("an internal entity is not expanded")
        << QByteArray("<!DOCTYPE a [<!ENTITY e \"boom\">]><a>&e;</a>") << refused;
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
        << QStringLiteral("a()");
    QTest::newRow("not well-formed") << QByteArray("<a><b></a>") << refused;
    QTest::newRow("two roots") << QByteArray("<a/><b/>") << refused;
    QTest::newRow("not UTF-8") << QByteArray("<a>\xff</a>") << refused;
    QTest::newRow("nothing") << QByteArray() << refused;
}

void TestXmlEvents::parse()
{
    QFETCH(QByteArray, xml);
    Describe events;
    const bool readable = platform::ParseXmlEvents(xml, events);
    QTEST(readable ? events.result() : QStringLiteral("refused"), "expected");
}

QTEST_GUILESS_MAIN(TestXmlEvents)
#include "tst_xmlevents.moc"
