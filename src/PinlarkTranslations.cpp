#include "PinlarkTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace {

const QString kEnglish = QStringLiteral("en");
// Every translator this file installs bears this name, so that the next install
// finds and replaces them.
const QString kTranslatorName = QStringLiteral("pinlarkTranslator");

// Loads `file` (without ".qm") from the first folder that has it and installs it.
bool installTable(QCoreApplication &app, const QString &file, const QStringList &folders)
{
    for (const QString &folder : folders) {
        if (!QFileInfo::exists(QDir(folder).filePath(file + u".qm")))
            continue;
        auto *translator = new QTranslator(&app);
        translator->setObjectName(kTranslatorName);
        if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
            return true;
        delete translator;
    }
    return false;
}

} // namespace

namespace PinlarkTranslations {

QString PickLanguage(const QStringList &wanted, const QStringList &available)
{
    for (const QString &wish : wanted) {
        QString name = wish;
        name.replace(u'-', u'_');
        // "zh_Hant_TW", then "zh_Hant", then "zh".
        while (!name.isEmpty()) {
            for (const QString &language : available) {
                if (language.compare(name, Qt::CaseInsensitive) == 0)
                    return language;
            }
            const qsizetype cut = name.lastIndexOf(u'_');
            if (cut < 0)
                break;
            name.truncate(cut);
        }
    }
    return kEnglish;
}

QStringList AvailableLanguages(const QStringList &folders)
{
    // pinlark_de.qm or pinlark_pt_BR.qm; not the texts tables (pinlark_texts_de.qm).
    static const QRegularExpression idTable(
        QStringLiteral("^pinlark_([a-z]{2,3}(?:_[A-Za-z0-9]{2,8})*)\\.qm$"));
    QStringList languages;
    for (const QString &folder : folders) {
        const QStringList files =
            QDir(folder).entryList({QStringLiteral("pinlark_*.qm")}, QDir::Files, QDir::Name);
        for (const QString &file : files) {
            const QRegularExpressionMatch match = idTable.match(file);
            if (match.hasMatch() && !languages.contains(match.captured(1)))
                languages << match.captured(1);
        }
    }
    return languages;
}

QStringList DefaultFolders()
{
    const QDir binDir(QCoreApplication::applicationDirPath());
    return {QStringLiteral(":/i18n"),
            QDir::cleanPath(binDir.filePath(QStringLiteral(PINLARK_TRANSLATIONS_FROM_BIN)))};
}

} // namespace PinlarkTranslations

bool InstallPinlarkTranslations(QCoreApplication &app)
{
    return InstallPinlarkTranslations(app, QLocale(), PinlarkTranslations::DefaultFolders());
}

bool InstallPinlarkTranslations(QCoreApplication &app, const QLocale &locale,
                                const QStringList &folders)
{
    // Deleting a translator takes it off the application.
    const QList<QTranslator *> installed =
        app.findChildren<QTranslator *>(kTranslatorName, Qt::FindDirectChildrenOnly);
    qDeleteAll(installed);

    // One language for every table: a user who reads English before German gets
    // English everywhere, not English ids beside German texts.
    const QString language = PinlarkTranslations::PickLanguage(
        locale.uiLanguages(), PinlarkTranslations::AvailableLanguages(folders));
    const bool ids = installTable(app, u"pinlark_" + language, folders) ||
                     installTable(app, u"pinlark_" + kEnglish, folders);
    if (language != kEnglish) {
        installTable(app, u"pinlark_texts_" + language, folders);
        // Standard buttons ("Close") and edit menus; not there without the
        // system's Qt translations, and then they stay in English.
        installTable(app, u"qtbase_" + language,
                     {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    }
    return ids;
}
