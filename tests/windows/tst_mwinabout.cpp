#include "PinlarkTranslations.h"
#include "windows/MWinAbout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTranslator>

// Stands in for the browser and the mail program.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestMWinAbout : public QObject
{
    Q_OBJECT

private slots:
    void versionLabel_data();
    void versionLabel();
    void buttonsOpenAddressesAndKeepWindowOpen();
    void installedTableTranslatesTheIds();
};

void TestMWinAbout::versionLabel_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("withTable");
    QTest::addColumn<QString>("expected");
    QTest::newRow("the table's word, a space and the version")
        << "1.0.0" << true << "Version 1.0.0";
    QTest::newRow("a short version") << "2.1" << true << "Version 2.1";
    QTest::newRow("without a table the key itself leads") << "1.0.0" << false << "strVersion 1.0.0";
}

void TestMWinAbout::versionLabel()
{
    QFETCH(QString, version);
    QFETCH(bool, withTable);
    QTranslator table;
    if (withTable) {
        QVERIFY(table.load(QStringLiteral(":/i18n/pinlark_en.qm")));
        QVERIFY(QCoreApplication::installTranslator(&table));
    }
    QCoreApplication::setApplicationVersion(version);

    MWinAbout window;
    QCOMPARE(window.tfVersion(), nullptr); // built when the window opens
    window.loadWindow();
    QTEST(window.tfVersion()->text(), "expected");
    QCoreApplication::removeTranslator(&table);
}

void TestMWinAbout::buttonsOpenAddressesAndKeepWindowOpen()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");

    const QUrl website(QStringLiteral("https://pinlark.test"));
    const QUrl support(QStringLiteral("mailto:support@pinlark.test"));
    MWinAbout window({website, support, QUrl()});
    // What the window showed is looked at once it has closed: a check that failed
    // inside its loop would return before closing it.
    bool helpHidden = false;
    int clicked = 0;
    bool openAfterClicks = false;
    QTimer::singleShot(0, &window, [&] {
        const auto *help = window.findChild<QAbstractButton *>(QStringLiteral("buttonLabelHelp"));
        helpHidden = help && help->isHidden();
        for (const char *name : {"buttonLabelWebsite", "buttonLabelSupport"}) {
            if (auto *button = window.findChild<QAbstractButton *>(QLatin1String(name))) {
                QTest::mouseClick(button, Qt::LeftButton);
                ++clicked;
            }
        }
        openAfterClicks = window.isVisible();
        window.close();
    });
    // A watchdog, should the window not close.
    QTimer::singleShot(10000, &window, &QDialog::reject);
    window.showWindow();

    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    // A button without an address would lead nowhere: it is not shown.
    QVERIFY(helpHidden);
    QCOMPARE(clicked, 2);
    QVERIFY(openAfterClicks);
    QCOMPARE(catcher.opened, QList<QUrl>({website, support}));
}

void TestMWinAbout::installedTableTranslatesTheIds()
{
    // Last: the table stays installed.
    QVERIFY(InstallPinlarkTranslations(*QCoreApplication::instance()));
    QCOMPARE(qtTrId("strVersion"), QStringLiteral("Version"));
    QCOMPARE(qtTrId("strLogin"), QStringLiteral("Signed in"));
    QCOMPARE(qtTrId("strLogout"), QStringLiteral("Signed out"));
}

QTEST_MAIN(TestMWinAbout)
#include "tst_mwinabout.moc"
