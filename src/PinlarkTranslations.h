#pragma once

class QCoreApplication;

// Installs the app's string table on `app`: the table for the system's language
// when one is embedded, else the English one. Call once, after the application
// object exists and before any window is built. False when no table loaded; the
// ids then show as themselves.
bool InstallPinlarkTranslations(QCoreApplication &app);
