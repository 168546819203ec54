#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;
class QLocale;

// The app's tables, two for each language, both compiled from resources/translations/
// pinlark_<language>.ts: pinlark_<language>.qm holds the string ids (qtTrId), and
// pinlark_texts_<language>.qm the texts of the code and the forms (tr()). English
// has only the first: the texts are written in English.
namespace PinlarkTranslations {

// Of the languages in `available`, the one the user wants most. `wanted` lists the
// user's languages, most wanted first, as QLocale::uiLanguages() gives them; a
// regional wish is served by the plain language ("de-AT" by "de"). English, the
// language the texts are written in, when no table serves any wish.
QString PickLanguage(const QStringList &wanted, const QStringList &available);

// The languages the string-id tables in `folders` serve, from their file names.
QStringList AvailableLanguages(const QStringList &folders);

// Where the tables are looked for: those built into the app, then those installed
// beside it (a table added there serves a language the app was built without).
QStringList DefaultFolders();

} // namespace PinlarkTranslations

// Installs on `app` the tables of the language the system's locale asks for
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), English when none serves it, and Qt's own
// table for its standard buttons and edit menus where the system has one. A second
// call replaces the tables of the first. Call after the application object exists
// and before any window is built. False when no string-id table loaded: the ids then
// show as themselves.
bool InstallPinlarkTranslations(QCoreApplication &app);
// The same for `locale`, with the tables looked for in `folders`.
bool InstallPinlarkTranslations(QCoreApplication &app, const QLocale &locale,
                                const QStringList &folders);
