#include "core/MGlobals.h"
#include "core/MProblems.h"
#include "windows/MWinState.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {

QString labelText(const QWidget &window, const char *name)
{
    const auto *label = window.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("(no label %1)").arg(QLatin1String(name));
}

QString status(const QWidget &window)
{
    return labelText(window, "m_LabelLoginStatusValue");
}

void signIn(bool signedIn)
{
    g_OnlineOneNoteAccessToken.store(signedIn ? QStringLiteral("token") : QString());
    g_OnlineOneNoteUserId.store(signedIn ? QStringLiteral("user") : QString());
}

} // namespace

class TestMWinState : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void labels_data();
    void labels();
    void signInSurvivesRefreshAndOffline_data();
    void signInSurvivesRefreshAndOffline();
    void lastModifiedKeepsItsLastValue();
    void closesWithButtonAndEscape();
    void ticksWaitWhileModalOrMenuIsUp_data();
    void ticksWaitWhileModalOrMenuIsUp();
    void timerRefreshesOnItsOwn();
    void secondShowWindowMakesNoSecondWindow();
    void snippetsListedAndRefusedOnesDiscarded();
};

void TestMWinState::init()
{
    signIn(false);
    g_OnlineOneNoteRefreshToken.store(QString());
    g_ServiceUnreachable = false;
    g_OnlineOneNoteLastAccess.store(QString());
    g_PinlarkPageLastModified.store(QString());
    g_SnippetOutbox.store({});
}

void TestMWinState::labels_data()
{
    QTest::addColumn<QString>("accessToken");
    QTest::addColumn<QString>("userId");
    QTest::addColumn<bool>("withTable");
    QTest::addColumn<QString>("lastAccess");
    QTest::addColumn<QString>("lastModified");
    QTest::addColumn<QString>("expectedStatus");
    QTest::addColumn<QString>("expectedLastModified");
    const QString at = QStringLiteral("2024-01-31 10:15:00 +0000");
    const QString changed = QStringLiteral("2024-01-30 08:00:05 +0000");
    const QString nibText = QStringLiteral("—");

    QTest::newRow("token and user id without a table show the key")
        << "token"
        << "user" << false << at << changed << "strLogin" << changed;
    QTest::newRow("token without user id shows signed out")
        << "token"
        << "" << false << at << changed << "strLogout" << changed;
    QTest::newRow("user id without token shows signed out")
        << ""
        << "user" << false << at << changed << "strLogout" << changed;
    QTest::newRow("signed in with the table reads Signed in")
        << "token"
        << "user" << true << at << changed << "Signed in" << changed;
    QTest::newRow("signed out with the table reads Signed out")
        << ""
        << "" << true << at << changed << "Signed out" << changed;
    QTest::newRow("before any download the times are the window's own") << ""
                                                                        << "" << true << ""
                                                                        << ""
                                                                        << "Signed out" << nibText;
}

void TestMWinState::labels()
{
    QFETCH(QString, accessToken);
    QFETCH(QString, userId);
    QFETCH(bool, withTable);
    QFETCH(QString, lastAccess);
    QFETCH(QString, lastModified);

    QTranslator table;
    if (withTable) {
        QVERIFY(table.load(QStringLiteral(":/i18n/pinlark_en.qm")));
        QVERIFY(QCoreApplication::installTranslator(&table));
    }
    g_OnlineOneNoteAccessToken.store(accessToken);
    g_OnlineOneNoteUserId.store(userId);
    g_OnlineOneNoteLastAccess.store(lastAccess);
    g_PinlarkPageLastModified.store(lastModified);

    MWinState window;
    window.loadWindow(); // filled before it is first shown

    QTEST(status(window), "expectedStatus");
    QCOMPARE(labelText(window, "m_LabelLastAccessValue"), lastAccess);
    QTEST(labelText(window, "m_LabelLastModifiedValue"), "expectedLastModified");
    QCoreApplication::removeTranslator(&table);
}

void TestMWinState::signInSurvivesRefreshAndOffline_data()
{
    QTest::addColumn<QString>("refreshToken");
    QTest::addColumn<bool>("offline");
    QTest::addColumn<bool>("fellBack");
    QTest::addColumn<QString>("expectedStatus");
    // The access token is emptied while a refresh is under way.
    QTest::newRow("refresh under way") << "r" << false << false << "strLogin";
    QTest::newRow("network down") << "r" << true << false << "strLogin (offline, retrying)";
    QTest::newRow("signed out, network down") << "" << true << false << "strLogout";
    QTest::newRow("no keyring answered: said in the window")
        << "r" << false << true
        << "strLogin, kept in the settings file: no system keyring answered";
    QTest::newRow("signed out: no keyring to speak of") << "" << false << true << "strLogout";
}

void TestMWinState::signInSurvivesRefreshAndOffline()
{
    QFETCH(QString, refreshToken);
    QFETCH(bool, offline);
    QFETCH(bool, fellBack);
    g_OnlineOneNoteUserId.store(QStringLiteral("user"));
    g_OnlineOneNoteRefreshToken.store(refreshToken);
    g_ServiceUnreachable = offline;
    g_TokensFellBackToFile = fellBack;
    const auto reset = qScopeGuard([] { g_TokensFellBackToFile = false; });
    MWinState window;
    window.loadWindow();
    QTEST(status(window), "expectedStatus");
}

void TestMWinState::closesWithButtonAndEscape()
{
    MWinState window;
    window.loadWindow();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isHidden());
    window.show();
    auto *buttons = window.findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    buttons->button(QDialogButtonBox::Close)->click();
    QVERIFY(window.isHidden());
}

void TestMWinState::lastModifiedKeepsItsLastValue()
{
    MWinState window;
    window.loadWindow();
    g_OnlineOneNoteLastAccess.store(QStringLiteral("2024-01-31 10:15:00 +0000"));
    g_PinlarkPageLastModified.store(QStringLiteral("2024-01-30 08:00:05 +0000"));
    window.TimerRun();

    // The worker emptied both: last access follows, last change keeps what it had.
    g_OnlineOneNoteLastAccess.store(QString());
    g_PinlarkPageLastModified.store(QString());
    window.TimerRun();
    QCOMPARE(labelText(window, "m_LabelLastAccessValue"), QString());
    QCOMPARE(labelText(window, "m_LabelLastModifiedValue"),
             QStringLiteral("2024-01-30 08:00:05 +0000"));
}

void TestMWinState::ticksWaitWhileModalOrMenuIsUp_data()
{
    QTest::addColumn<bool>("menu");
    QTest::newRow("a modal window") << false;
    QTest::newRow("an open menu") << true;
}

void TestMWinState::ticksWaitWhileModalOrMenuIsUp()
{
    QFETCH(bool, menu);
    MWinState window;
    window.loadWindow();
    QCOMPARE(status(window), QStringLiteral("strLogout"));

    QDialog modal;
    modal.setModal(true);
    QMenu popup;
    popup.addAction(QStringLiteral("Refresh"));
    if (menu) {
        popup.popup(QPoint(10, 10));
        QVERIFY(QApplication::activePopupWidget());
    } else {
        modal.show();
        QVERIFY(QApplication::activeModalWidget());
    }

    signIn(true);
    window.TimerTick();
    QCOMPARE(status(window), QStringLiteral("strLogout"));

    // The first tick after the window or menu has gone catches up.
    popup.close();
    modal.close();
    window.TimerTick();
    QCOMPARE(status(window), QStringLiteral("strLogin"));
}

void TestMWinState::timerRefreshesOnItsOwn()
{
    MWinState window;
    window.loadWindow();
    QVERIFY(window.timer());
    QVERIFY(window.timer()->isActive());
    QCOMPARE(window.timer()->interval(), 1000);

    signIn(true);
    QTRY_COMPARE_WITH_TIMEOUT(status(window), QStringLiteral("strLogin"), 5000);
}

void TestMWinState::secondShowWindowMakesNoSecondWindow()
{
    const auto statusWindows = [] {
        int count = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            count += qobject_cast<MWinState *>(widget) ? 1 : 0;
        return count;
    };
    QCOMPARE(statusWindows(), 0);

    signIn(true);
    MWinState::ShowWindow(false);
    MWinState *first = g_WinState.get();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(status(*first), QStringLiteral("strLogin"));
    QTimer *firstTimer = first->timer();

    first->hide();
    MWinState::ShowWindow(false);
    QCOMPARE(g_WinState.get(), first);
    QCOMPARE(first->timer(), firstTimer);
    QVERIFY(first->isVisible());
    QCOMPARE(statusWindows(), 1);
}

void TestMWinState::snippetsListedAndRefusedOnesDiscarded()
{
    const auto snippet = [](const char *text, PendingSnippet::State state) {
        PendingSnippet s;
        s.id = QString::fromLatin1(text);
        s.text = QString::fromLatin1(text);
        s.tab = QStringLiteral("Mail");
        s.state = state;
        return s;
    };
    const PendingSnippet waiting = snippet("Hello\nthere", PendingSnippet::State::Waiting);
    g_SnippetOutbox.store({waiting, snippet("Bye", PendingSnippet::State::Refused)});
    MProblems::Raise(MProblem::SnippetRefused);
    MWinState window;
    window.loadWindow();
    QCOMPARE(labelText(window, "m_LabelSnippetsValue"),
             QStringLiteral("\"Hello\" in Mail: waiting to be sent\n"
                            "\"Bye\" in Mail: refused by the page, kept here and on the board"));
    auto *discard = window.findChild<QPushButton *>(QStringLiteral("m_DiscardRefused"));
    QVERIFY(discard && !discard->isHidden());
    discard->click();
    // The waiting one stays; the problem goes with the refused one.
    QCOMPARE(g_SnippetOutbox.load(), SnippetOutbox{waiting});
    QVERIFY(!MProblems::Has(MProblem::SnippetRefused));
    QVERIFY(discard->isHidden());
}

QTEST_MAIN(TestMWinState)
#include "tst_mwinstate.moc"
