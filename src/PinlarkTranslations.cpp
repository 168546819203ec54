#include "PinlarkTranslations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

bool InstallPinlarkTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    const QString folder = QStringLiteral(":/i18n");
    const bool loaded =
        translator->load(QLocale(), QStringLiteral("pinlark"), QStringLiteral("_"), folder) ||
        translator->load(QStringLiteral("pinlark_en"), folder);
    if (!loaded || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}
