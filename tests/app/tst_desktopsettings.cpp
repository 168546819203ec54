// The files behind the desktop preferences: the autostart entry and the three
// preference keys with the client id, each saved without losing another key.

#include "app/Autostart.h"
#include "core/MConfig.h"
#include "core/MGlobals.h"
#include "core/MProblems.h"
#include "core/Preferences.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestDesktopSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void execArgument_data();
    void execArgument();
    void autostartEntry_data();
    void autostartEntry();
    void autostartFollowsXdgConfigHome();
    void preferencesRead_data();
    void preferencesRead();
    void savingKeepsOtherKeys();
    void clientId_data();
    void clientId();

private:
    std::unique_ptr<QTemporaryDir> m_Dir;
};

void TestDesktopSettings::init()
{
    m_Dir = std::make_unique<QTemporaryDir>();
    g_ConfigFilePath.store(m_Dir->filePath(QStringLiteral("zanapp.plist")));
    MProblems::Clear(MProblem::SaveFailed);
}

void TestDesktopSettings::execArgument_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain path, quoted all the same") << "/usr/bin/pinlark"
                                                     << R"("/usr/bin/pinlark")";
    QTest::newRow("space") << "/opt/My Apps/pinlark"
                           << R"("/opt/My Apps/pinlark")";
    // Quoting escapes these with a backslash, which the value's own escaping doubles.
    QTest::newRow("quote, dollar, backtick") << R"(/tmp/a"b$c`d)"
                                             << R"("/tmp/a\\"b\\$c\\`d")";
    QTest::newRow("backslash: four in the file") << R"(/tmp/a\b)"
                                                 << R"("/tmp/a\\\\b")";
    QTest::newRow("percent is no field code") << "/tmp/100%/pinlark"
                                              << R"("/tmp/100%%/pinlark")";
    QTest::newRow("line feed") << "/tmp/a\nb"
                               << R"("/tmp/a\nb")";
}

void TestDesktopSettings::execArgument()
{
    QFETCH(QString, program);
    QTEST(Autostart::ExecArgument(program), "exec");
}

void TestDesktopSettings::autostartEntry_data()
{
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("our entry") << Autostart::EntryText(QStringLiteral("/usr/bin/pinlark")) << true;
    QTest::newRow("hidden by the desktop's settings")
        << QByteArray("[Desktop Entry]\nType=Application\nExec=pinlark\nHidden=true\n") << false;
    QTest::newRow("switched off the GNOME way")
        << QByteArray("[Desktop Entry]\nExec=pinlark\nX-GNOME-Autostart-enabled=false\n") << false;
    QTest::newRow("Hidden in another group does not count")
        << QByteArray("[Desktop Entry]\nExec=pinlark\n[Desktop Action x]\nHidden=true\n") << true;
}

void TestDesktopSettings::autostartEntry()
{
    QFETCH(QByteArray, written);
    const QString path = m_Dir->filePath(QStringLiteral("autostart/" PINLARK_APP_ID ".desktop"));
    QVERIFY(!Autostart::IsEnabled(path));
    QVERIFY(QDir().mkpath(m_Dir->filePath(QStringLiteral("autostart"))));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(written);
    file.close();
    QTEST(Autostart::IsEnabled(path), "enabled");
    QVERIFY(Autostart::Disable(path));
    QVERIFY(!QFile::exists(path));
    QVERIFY(Autostart::Disable(path));
}

void TestDesktopSettings::autostartFollowsXdgConfigHome()
{
    qputenv("XDG_CONFIG_HOME", m_Dir->path().toUtf8());
    const QString path = Autostart::EntryPath();
    QCOMPARE(path, m_Dir->filePath(QStringLiteral("autostart/" PINLARK_APP_ID ".desktop")));
    // The folder is made when missing; the entry reads back as the desktop reads it.
    const QString program = QStringLiteral("/opt/Pin lark/bin/pinlark");
    QVERIFY(Autostart::Enable(program));
    QVERIFY(Autostart::IsEnabled());
    QSettings entry(path, QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    QCOMPARE(entry.value(QStringLiteral("Type")).toString(), u"Application");
    QVERIFY(Autostart::Disable());
    QVERIFY(!Autostart::IsEnabled());

    qunsetenv("XDG_CONFIG_HOME");

    // A config folder that cannot hold one (a file stands in its way): no entry,
    // and said so.
    QFile blocker(m_Dir->filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString blocked =
        blocker.fileName() + QStringLiteral("/autostart/" PINLARK_APP_ID ".desktop");
    QVERIFY(!Autostart::Enable(program, blocked));
    QVERIFY(!Autostart::IsEnabled(blocked));
}

void TestDesktopSettings::preferencesRead_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<bool>("withoutName");
    const QByteArray head =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>";
    QTest::newRow("no file: the defaults") << QByteArray() << "Ctrl+Alt+V" << false << false;
    QTest::newRow("as saved") << head + "<key>GlobalShortcut</key><string>Meta+Space</string>"
                                        "<key>PasteAfterCopy</key><true/>"
                                        "<key>CopyWithoutName</key><true/></dict></plist>"
                              << "Meta+Space" << true << true;
    QTest::newRow("turned off: an empty shortcut stays empty")
        << head + "<key>GlobalShortcut</key><string></string></dict></plist>"
        << "" << false << false;
    QTest::newRow("wrong types give the defaults")
        << head + "<key>GlobalShortcut</key><integer>3</integer>"
                  "<key>PasteAfterCopy</key><string>maybe</string></dict></plist>"
        << "Ctrl+Alt+V" << false << false;
}

void TestDesktopSettings::preferencesRead()
{
    QFETCH(QByteArray, stored);
    if (!stored.isEmpty()) {
        QFile file(g_ConfigFilePath.load());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(stored);
    }
    const Preferences::Values values = Preferences::Read(g_ConfigFilePath.load());
    QTEST(values.globalShortcut, "shortcut");
    QTEST(values.pasteAfterCopy, "paste");
    QTEST(values.copyWithoutName, "withoutName");
}

void TestDesktopSettings::savingKeepsOtherKeys()
{
    const QString path = g_ConfigFilePath.load();
    MConfig before(path);
    before.WriteValueStr(QStringLiteral("OnlineOneNoteRefreshToken"), QStringLiteral("r"));
    before.WriteValueStr(QStringLiteral("SomethingNewer"), QStringLiteral("kept"));
    QVERIFY(before.Save());

    QVERIFY(Preferences::SavePasteAfterCopy(true));
    QVERIFY(Preferences::SaveGlobalShortcut(QString()));
    QVERIFY(Preferences::SaveClientId(QStringLiteral("0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d")));
    const MConfig after(path);
    QCOMPARE(after.ReadValueDefStr(QStringLiteral("SomethingNewer"), {}), u"kept");
    QCOMPARE(after.ReadValueDefStr(QStringLiteral("OnlineOneNoteRefreshToken"), {}), u"r");
    QCOMPARE(after.ReadValueDefStr(QStringLiteral("GlobalShortcut"), QStringLiteral("x")), u"");
    const Preferences::Values values = Preferences::Read(path);
    QVERIFY(values.pasteAfterCopy);
    QVERIFY(!values.copyWithoutName);

    // A file that is not a settings file is never overwritten, and the user hears.
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a property list");
    file.close();
    QVERIFY(!Preferences::SaveCopyWithoutName(true));
    QVERIFY(MProblems::Has(MProblem::SaveFailed));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("not a property list"));
    QVERIFY(Preferences::Read(path).copyWithoutName == false);
}

void TestDesktopSettings::clientId_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("kept");
    QTest::newRow("as the admin center shows it")
        << "0A1B2C3D-4E5F-6A7B-8C9D-0E1F2A3B4C5D" << true << "0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d";
    QTest::newRow("pasted with blanks and braces")
        << "  {0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d}\n"
        << true << "0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d";
    QTest::newRow("empty: the built-in one") << "  " << true << "";
    QTest::newRow("one brace only") << "{0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d" << false << "";
    QTest::newRow("a digit short") << "0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5" << false << "";
    QTest::newRow("not hexadecimal") << "0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5g" << false << "";
    QTest::newRow("no dashes") << "0a1b2c3d4e5f6a7b8c9d0e1f2a3b4c5d" << false << "";
    QTest::newRow("a name, not an id") << "my-app" << false << "";
}

void TestDesktopSettings::clientId()
{
    QFETCH(QString, typed);
    QFETCH(bool, valid);
    const std::optional<QString> clientId = Preferences::ClientIdFromText(typed);
    QCOMPARE(clientId.has_value(), valid);
    if (clientId)
        QTEST(*clientId, "kept");
}

QTEST_GUILESS_MAIN(TestDesktopSettings)
#include "tst_desktopsettings.moc"
