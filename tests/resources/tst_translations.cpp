// The translation tables against the sources, against the rules a translation must
// keep, and against what the app really loads.

#include "PinlarkTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString kTables = QStringLiteral(PINLARK_SOURCE_DIR "/resources/translations");

struct Message
{
    QString context;
    QString source;
    QString comment;
    QString id;
    bool numerus = false;
    // "" when finished; "unfinished", "obsolete" or "vanished" otherwise.
    QString type;
    QStringList translations;

    QString key() const
    {
        if (!id.isEmpty())
            return u"id " + id;
        QString key = context + u" | " + source;
        if (!comment.isEmpty())
            key += u" | " + comment;
        return key;
    }
};

QList<Message> readTable(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == u"message")
            messages << message;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            message = Message{context,
                              {},
                              {},
                              attributes.value(QLatin1String("id")).toString(),
                              attributes.value(QLatin1String("numerus")) == u"yes",
                              {},
                              {}};
        } else if (name == u"source") {
            message.source = xml.readElementText();
        } else if (name == u"comment") {
            message.comment = xml.readElementText();
        } else if (name == u"translation") {
            message.type = attributes.value(QLatin1String("type")).toString();
            // A plural's forms come as elements of their own.
            if (!message.numerus)
                message.translations = {xml.readElementText()};
        } else if (name == u"numerusform") {
            message.translations << xml.readElementText();
        }
    }
    return messages;
}

QStringList languages()
{
    QStringList found;
    const QStringList files =
        QDir(kTables).entryList({QStringLiteral("pinlark_*.ts")}, QDir::Files);
    for (const QString &file : files)
        found << file.mid(8, file.size() - 11);
    return found;
}

QStringList allMatches(const QRegularExpression &pattern, const QString &text)
{
    QStringList found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        found << match.captured();
    return found;
}

// %1 to %99 and %n, as a sorted list: each must come through, however often.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(?:[1-9][0-9]?|n|L[1-9])"));
    QStringList found = allMatches(pattern, text);
    found.sort();
    return found;
}

// The letters marked as keyboard accelerators ("&File" marks F; "&&" is a plain "&").
QString accelerators(const QString &text)
{
    QString keys;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != u'&')
            continue;
        if (text.at(i + 1) == u'&') {
            ++i;
            continue;
        }
        if (text.at(i + 1).isLetterOrNumber())
            keys += text.at(i + 1).toLower();
    }
    return keys;
}

// Tags, in their order: a link must stay a link.
QStringList markup(const QString &text)
{
    static const QRegularExpression tag(QStringLiteral("<[^<>]+>"));
    return allMatches(tag, text);
}

bool endsWithEllipsis(const QString &text)
{
    return text.endsWith(u'…') || text.endsWith(u"...");
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tablesHoldTheSourcesTexts_data();
    void tablesHoldTheSourcesTexts();
    void translationsKeepTheirForm_data();
    void translationsKeepTheirForm();
    void appLoadsEveryTranslation_data();
    void appLoadsEveryTranslation();
    void pickLanguage_data();
    void pickLanguage();
    void tableBesideTheAppAndReinstall();

private:
    // What lupdate finds in the sources now; empty when it could not run.
    QList<Message> m_Sources;
    QString m_NoSourcesWhy;
};

void TestTranslations::initTestCase()
{
    QVERIFY2(languages().contains(u"en"_qs), qPrintable(kTables));
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString fresh = scratch.filePath(QStringLiteral("pinlark_xx.ts"));
    QProcess update;
    update.start(QStringLiteral(PINLARK_SOURCE_DIR "/scripts/update-translations"), {fresh});
    if (!update.waitForFinished(60000) || update.exitStatus() != QProcess::NormalExit) {
        m_NoSourcesWhy = QStringLiteral("scripts/update-translations did not finish");
        return;
    }
    if (update.exitCode() == 2) {
        m_NoSourcesWhy = QString::fromUtf8(update.readAllStandardError()).trimmed();
        return;
    }
    QCOMPARE(update.exitCode(), 0);
    m_Sources = readTable(fresh);
    QVERIFY2(m_Sources.size() > 20, "lupdate found almost nothing in the sources");
}

void TestTranslations::tablesHoldTheSourcesTexts_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : languages())
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::tablesHoldTheSourcesTexts()
{
    // A text added to the code without running scripts/update-translations, or a
    // table that still holds a text the code no longer has.
    QFETCH(QString, language);
    if (m_Sources.isEmpty())
        QSKIP(qPrintable(u"no lupdate: " + m_NoSourcesWhy));
    // English holds only the fixed string ids: the texts are written in English.
    const bool idsOnly = language == u"en";
    QSet<QString> wanted;
    for (const Message &message : std::as_const(m_Sources)) {
        if (!idsOnly || !message.id.isEmpty())
            wanted.insert(message.key());
    }
    QSet<QString> held;
    for (const Message &message : readTable(kTables + u"/pinlark_" + language + u".ts"))
        held.insert(message.key());

    QStringList missing = (wanted - held).values();
    QStringList stale = (held - wanted).values();
    missing.sort();
    stale.sort();
    QVERIFY2(missing.isEmpty(),
             qPrintable(u"not in pinlark_" + language +
                        u".ts (run scripts/update-translations, then translate):\n  " +
                        missing.join(u"\n  ")));
    QVERIFY2(stale.isEmpty(),
             qPrintable(u"gone from the sources, still in pinlark_" + language +
                        u".ts (run scripts/update-translations):\n  " + stale.join(u"\n  ")));
}

void TestTranslations::translationsKeepTheirForm_data()
{
    tablesHoldTheSourcesTexts_data();
}

void TestTranslations::translationsKeepTheirForm()
{
    QFETCH(QString, language);
    const QList<Message> table = readTable(kTables + u"/pinlark_" + language + u".ts");
    QVERIFY(!table.isEmpty());
    QStringList faults;
    // Accelerator letters per context: a context is one window or one menu.
    QHash<QString, QString> sourceKeys, translatedKeys;
    for (const Message &message : table) {
        const QString where = message.key() + u": ";
        if (!message.type.isEmpty()) {
            faults << where + message.type;
            continue;
        }
        if (message.translations.isEmpty() || message.translations.contains(QString())) {
            faults << where + u"empty translation";
            continue;
        }
        if (message.numerus && message.translations.size() < 2)
            faults << where + u"plural forms missing";
        for (const QString &translation : message.translations) {
            if (placeholders(translation) != placeholders(message.source))
                faults << where + u"placeholders differ: " + translation;
            if (accelerators(translation).size() != accelerators(message.source).size())
                faults << where + u"keyboard accelerator lost or added: " + translation;
            if (markup(translation) != markup(message.source))
                faults << where + u"markup differs: " + translation;
            // "…" says a command asks for more before it acts.
            if (endsWithEllipsis(translation) != endsWithEllipsis(message.source))
                faults << where + u"the closing ellipsis differs: " + translation;
        }
        sourceKeys[message.context] += accelerators(message.source);
        translatedKeys[message.context] += accelerators(message.translations.constFirst());
    }
    for (auto it = translatedKeys.cbegin(); it != translatedKeys.cend(); ++it) {
        const QString &keys = it.value();
        const bool clash = QSet<QChar>(keys.cbegin(), keys.cend()).size() != keys.size();
        const QString &original = sourceKeys.value(it.key());
        const bool clashBefore =
            QSet<QChar>(original.cbegin(), original.cend()).size() != original.size();
        if (clash && !clashBefore)
            faults << it.key() + u": one accelerator letter for two controls (" + keys + u')';
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestTranslations::appLoadsEveryTranslation_data()
{
    tablesHoldTheSourcesTexts_data();
}

void TestTranslations::appLoadsEveryTranslation()
{
    // The tables the build made and put into the app say what the sources say:
    // each id and each text, looked up the way the code looks it up.
    QFETCH(QString, language);
    QVERIFY(InstallPinlarkTranslations(*QCoreApplication::instance(), QLocale(language),
                                       {QStringLiteral(":/i18n")}));
    QStringList faults;
    for (const Message &message : readTable(kTables + u"/pinlark_" + language + u".ts")) {
        const QByteArray comment = message.comment.toUtf8();
        const QByteArray id = message.id.toUtf8();
        const QByteArray source = message.source.toUtf8();
        const QByteArray context = message.context.toUtf8();
        QStringList shown;
        if (!message.id.isEmpty())
            shown << qtTrId(id.constData());
        else if (!message.numerus)
            shown << QCoreApplication::translate(context.constData(), source.constData(),
                                                 comment.isEmpty() ? nullptr : comment.constData());
        else
            for (const int n : {1, 5})
                shown << QCoreApplication::translate(
                    context.constData(), source.constData(),
                    comment.isEmpty() ? nullptr : comment.constData(), n);
        QStringList expected = message.translations;
        if (message.numerus)
            expected = {expected.value(0), expected.value(1)};
        if (shown != expected)
            faults << message.key() + u": shows \"" + shown.join(u" / ") + u'"';
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestTranslations::pickLanguage_data()
{
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QString>("expected");
    const QStringList available = {u"en"_qs, u"de"_qs, u"fr"_qs, u"es"_qs, u"pt_BR"_qs};
    QTest::newRow("a region is served by its language") << QStringList{u"de-AT"_qs} << "de";
    QTest::newRow("Qt's list with the plain language after it")
        << QStringList{u"fr-CA"_qs, u"fr"_qs} << "fr";
    QTest::newRow("a script and a region") << QStringList{u"es-Latn-419"_qs} << "es";
    QTest::newRow("the first wish with a table wins")
        << QStringList{u"it-IT"_qs, u"es-ES"_qs, u"de"_qs} << "es";
    QTest::newRow("English first stays English, also with a German table")
        << QStringList{u"en-GB"_qs, u"de-DE"_qs} << "en";
    QTest::newRow("a table for one region") << QStringList{u"pt-BR"_qs} << "pt_BR";
    QTest::newRow("a region the table is not for") << QStringList{u"pt-PT"_qs} << "en";
    QTest::newRow("no table for any wish") << QStringList{u"ja-JP"_qs} << "en";
    QTest::newRow("the C locale") << QStringList{u"C"_qs} << "en";
    QTest::newRow("no wish at all") << QStringList{} << "en";
    QTest::newRow("a wish written in capitals") << QStringList{u"DE-de"_qs} << "de";
}

void TestTranslations::pickLanguage()
{
    QFETCH(QStringList, wanted);
    const QStringList available = {u"en"_qs, u"de"_qs, u"fr"_qs, u"es"_qs, u"pt_BR"_qs};
    QTEST(PinlarkTranslations::PickLanguage(wanted, available), "expected");
}

void TestTranslations::tableBesideTheAppAndReinstall()
{
    // A language the app was built without, from tables installed beside it: here
    // the German ones under another name.
    QTemporaryDir beside;
    QVERIFY(
        QFile::copy(QStringLiteral(":/i18n/pinlark_de.qm"), beside.filePath(u"pinlark_it.qm"_qs)));
    QVERIFY(QFile::copy(QStringLiteral(":/i18n/pinlark_texts_de.qm"),
                        beside.filePath(u"pinlark_texts_it.qm"_qs)));
    const QStringList folders = {QStringLiteral(":/i18n"), beside.path()};
    QVERIFY(PinlarkTranslations::AvailableLanguages(folders).contains(u"it"_qs));
    QVERIFY(!PinlarkTranslations::AvailableLanguages(folders).contains(u"texts_de"_qs));

    QVERIFY(
        InstallPinlarkTranslations(*QCoreApplication::instance(), QLocale(u"it_IT"_qs), folders));
    const QString germanSignedIn = qtTrId("strLogin");
    QVERIFY(germanSignedIn != u"Signed in" && germanSignedIn != u"strLogin");
    QVERIFY(QCoreApplication::translate("StatusMenu", "Refresh") != u"Refresh");

    // A second install replaces the first: nothing of the other language is left.
    QVERIFY(
        InstallPinlarkTranslations(*QCoreApplication::instance(), QLocale(u"en_US"_qs), folders));
    QCOMPARE(qtTrId("strLogin"), u"Signed in");
    QCOMPARE(QCoreApplication::translate("StatusMenu", "Refresh"), u"Refresh");
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
