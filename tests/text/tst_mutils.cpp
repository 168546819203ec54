#include "text/DateText.h"
#include "text/Encoding.h"
#include "text/MUtils.h"

#include <QTest>

using namespace MUtils;

class TestMUtils : public QObject
{
    Q_OBJECT

private slots:
    void getStringBetween_data();
    void getStringBetween();
    void getStringBetweenIgnoreCase_data();
    void getStringBetweenIgnoreCase();
    void removeHtmlTags_data();
    void removeHtmlTags();
    void decodeHtmlEntities_data();
    void decodeHtmlEntities();
    void contains_data();
    void contains();
    void tagAttributeValue_data();
    void tagAttributeValue();
    void decodeUtf8Strict_data();
    void decodeUtf8Strict();
    void escapeUrl_data();
    void escapeUrl();
    void dateText_data();
    void dateText();
};

void TestMUtils::getStringBetween_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("expected");
    QTest::newRow("end marker only before the start") << "a=1&b=2"
                                                      << "b="
                                                      << "&"
                                                      << "";
    QTest::newRow("empty end runs to the end") << "a=1&b=2"
                                               << "b="
                                               << ""
                                               << "2";
    QTest::newRow("value up to the separator") << "a=1&b=2"
                                               << "a="
                                               << "&"
                                               << "1";
    QTest::newRow("both markers empty give the whole text") << "abc"
                                                            << ""
                                                            << ""
                                                            << "abc";
    QTest::newRow("missing start with empty end") << "abc"
                                                  << "x"
                                                  << ""
                                                  << "";
    QTest::newRow("first occurrence of each marker") << "x<a>y<b>"
                                                     << "<"
                                                     << ">"
                                                     << "a";
    QTest::newRow("empty start scans from the front") << "key\":\"v\""
                                                      << ""
                                                      << "\""
                                                      << "key";
    QTest::newRow("token field as the service writes it") << "{\"access_token\":\"abc+/=\",\"x\":1}"
                                                          << "\"access_token\":\""
                                                          << "\""
                                                          << "abc+/=";
}

void TestMUtils::getStringBetween()
{
    QFETCH(QString, text);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QTEST(GetStringBetween(text, start, end), "expected");
}

void TestMUtils::getStringBetweenIgnoreCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("expected");
    QTest::newRow("keeps the letters of the text") << "x?CODE=AbC&y"
                                                   << "Code="
                                                   << "&"
                                                   << "AbC";
    QTest::newRow("anchor in capitals") << "<A HREF='u'>Go</A>"
                                        << "<a"
                                        << "</a"
                                        << " HREF='u'>Go";
    QTest::newRow("length-changing lower case keeps positions")
        << QStringLiteral("\u0130x<a>T</a>") << "<a"
        << "</a"
        << ">T";
    QTest::newRow("missing end marker") << "<a href=x>text"
                                        << "<a"
                                        << "</a"
                                        << "";
}

void TestMUtils::getStringBetweenIgnoreCase()
{
    QFETCH(QString, text);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QTEST(GetStringBetweenIgnoreCase(text, start, end), "expected");
}

void TestMUtils::removeHtmlTags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("simple tags") << "a<b>c</b>d"
                                 << "acd";
    QTest::newRow("comparison signs are a span too") << "1 < 2 and 3 > 2"
                                                     << "1  2";
    QTest::newRow("stops at an empty span") << "a<>b<i>c"
                                            << "a<>b<i>c";
    QTest::newRow("unclosed bracket") << "x<y"
                                      << "x<y";
    QTest::newRow("stops at an empty span after a removal") << "<i>a<>b<i>c"
                                                            << "a<>b<i>c";
    QTest::newRow("nested opening bracket") << "a<b<c>d"
                                            << "ad";
    QTest::newRow("encoded brackets survive") << "&lt;b&gt;"
                                              << "&lt;b&gt;";
}

void TestMUtils::removeHtmlTags()
{
    QFETCH(QString, text);
    QTEST(RemoveHtmlTags(text), "expected");
}

void TestMUtils::decodeHtmlEntities_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("decoded exactly once") << "&amp;lt;"
                                          << "&lt;";
    QTest::newRow("upper-case names stay") << "&LT;"
                                           << "&LT;";
    QTest::newRow("numeric references stay") << "&#39;"
                                             << "&#39;";
    QTest::newRow("nbsp becomes a plain space") << "a&nbsp;b"
                                                << "a b";
    QTest::newRow("all six") << "&lt;&gt;&apos;&quot;&amp;&nbsp;"
                             << "<>'\"& ";
}

void TestMUtils::decodeHtmlEntities()
{
    QFETCH(QString, text);
    QTEST(DecodeHtmlEntities(text), "expected");
}

void TestMUtils::contains_data()
{
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QString>("haystack");
    QTest::addColumn<bool>("exact");
    QTest::newRow("empty needle is never found") << ""
                                                 << "abc" << false;
    QTest::newRow("case differs") << "ABC"
                                  << "xabcx" << false;
    QTest::newRow("same case") << "-"
                               << "a-b" << true;
    QTest::newRow("absent") << "z"
                            << "abc" << false;
}

void TestMUtils::contains()
{
    QFETCH(QString, needle);
    QFETCH(QString, haystack);
    QTEST(StringContains(needle, haystack), "exact");
}

void TestMUtils::tagAttributeValue_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("expected");
    QTest::newRow("double quotes") << " href=\"http://a/b\" x"
                                   << "http://a/b";
    QTest::newRow("single quotes") << " href='http://a'"
                                   << "http://a";
    QTest::newRow("capitals keep the value's case") << " HREF=\"Http://A\""
                                                    << "Http://A";
    QTest::newRow("unquoted up to a space") << " href=http://a title=t"
                                            << "http://a";
    QTest::newRow("unquoted at the end of the tag") << " href=http://a"
                                                    << "";
    QTest::newRow("space wins over an earlier tab") << " href=a\tb c"
                                                    << "a\tb";
    QTest::newRow("tab when there is no space") << " href=a\tb"
                                                << "a";
    QTest::newRow("spaces around equals are not recognised") << " href = \"x\""
                                                             << "";
    QTest::newRow("empty quoted value") << " href=\"\" x"
                                        << "";
    QTest::newRow("unterminated double quote falls to unquoted") << " href=\"abc def"
                                                                 << "\"abc";
    QTest::newRow("longer attribute name matches first") << " xhref=\"1\" href=\"2\""
                                                         << "1";
    QTest::newRow("no attribute") << " name=x"
                                  << "";
}

void TestMUtils::tagAttributeValue()
{
    QFETCH(QString, tag);
    QTEST(GetTagAttributeValue(tag, QStringLiteral("href")), "expected");
}

void TestMUtils::decodeUtf8Strict_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("valid text") << QByteArray("gr\xc3\xbc\xc3\x9f") << QStringLiteral("grüß");
    QTest::newRow("invalid byte gives empty text") << QByteArray("ab\xff") << QString();
    QTest::newRow("truncated sequence gives empty text") << QByteArray("ab\xc3") << QString();
    QTest::newRow("no bytes") << QByteArray() << QString();
}

void TestMUtils::decodeUtf8Strict()
{
    QFETCH(QByteArray, bytes);
    QTEST(DecodeUtf8Strict(bytes), "expected");
}

void TestMUtils::escapeUrl_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("expected");
    QTest::newRow("filter blanks become %20, delimiters stay")
        << "http://h/v1.0/me/onenote/sections?filter=tolower(name) eq 'pinlark'"
        << "http://h/v1.0/me/onenote/sections?filter=tolower(name)%20eq%20'pinlark'";
    QTest::newRow("non-ASCII as UTF-8 bytes") << "a/é"
                                              << "a/%C3%A9";
    QTest::newRow("percent, quotes and braces") << "a%\"{}|"
                                                << "a%25%22%7B%7D%7C";
    QTest::newRow("scope list") << "offline_access User.Read"
                                << "offline_access%20User.Read";
}

void TestMUtils::escapeUrl()
{
    QFETCH(QString, address);
    QTEST(EscapeUrl(address), "expected");
}

void TestMUtils::dateText_data()
{
    QTest::addColumn<QString>("serviceText");
    QTest::addColumn<QString>("dateText");

    QTest::newRow("fraction and zone designator are ignored") << "2024-05-01T08:30:15.123Z"
                                                              << "2024-05-01 08:30:15 +0000";
    QTest::newRow("a time without fraction") << "1999-12-31T23:59:59Z"
                                             << "1999-12-31 23:59:59 +0000";
    QTest::newRow("text shorter than a date and time gives no date") << "2024-05-01T08:30"
                                                                     << "";
    QTest::newRow("a day that does not exist gives no date") << "2024-02-30T08:30:15Z"
                                                             << "";
    QTest::newRow("a sign where a digit belongs gives no date") << "+024-05-01T08:30:15Z"
                                                                << "";
}

void TestMUtils::dateText()
{
    QFETCH(QString, serviceText);
    QFETCH(QString, dateText);
    QCOMPARE(DateText(DateFromDateTimeText(serviceText)), dateText);
}

QTEST_GUILESS_MAIN(TestMUtils)
#include "tst_mutils.moc"
