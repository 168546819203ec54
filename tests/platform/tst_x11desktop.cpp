// The X11 global shortcut and paste, for real, on a private X server (xvfb-run):
// keys typed through XTest by a client of their own, a grab another client got
// first, and a paste into another program's window.

#include "platform/DesktopPaste.h"
#include "platform/GlobalShortcut.h"
#include "platform/X11Connection.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

using platform::XcbReply;

namespace {

constexpr quint32 kControlL = 0xffe3;
constexpr quint32 kAltL = 0xffe9;
constexpr quint32 kNumLock = 0xff7f;
constexpr quint32 kCapsLock = 0xffe5;

// Another program on the same display: types keys and grabs them.
class OtherClient
{
public:
    OtherClient() : m_Connection(xcb_connect(nullptr, nullptr))
    {
        m_Symbols = xcb_key_symbols_alloc(m_Connection);
        m_Root = xcb_setup_roots_iterator(xcb_get_setup(m_Connection)).data->root;
    }
    ~OtherClient()
    {
        xcb_key_symbols_free(m_Symbols);
        xcb_disconnect(m_Connection);
    }

    xcb_keycode_t keycode(quint32 keysym) const
    {
        XcbReply<xcb_keycode_t> codes{xcb_key_symbols_get_keycode(m_Symbols, keysym)};
        return codes ? codes.get()[0] : XCB_NO_SYMBOL;
    }

    // Presses the keys in order and lets go of them in reverse, as a person would.
    void type(const QList<quint32> &keysyms)
    {
        for (const quint32 keysym : keysyms)
            fake(XCB_KEY_PRESS, keysym);
        for (auto keysym = keysyms.crbegin(); keysym != keysyms.crend(); ++keysym)
            fake(XCB_KEY_RELEASE, *keysym);
        roundTrip();
    }

    bool grab(quint32 keysym, quint16 modifiers)
    {
        XcbReply<xcb_generic_error_t> error{xcb_request_check(
            m_Connection, xcb_grab_key_checked(m_Connection, 0, m_Root, modifiers, keycode(keysym),
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC))};
        return !error;
    }

    void focus(xcb_window_t window)
    {
        xcb_set_input_focus(m_Connection, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
        roundTrip();
    }

private:
    void fake(uint8_t type, quint32 keysym)
    {
        xcb_test_fake_input(m_Connection, type, keycode(keysym), XCB_CURRENT_TIME, XCB_NONE, 0, 0,
                            0);
    }
    void roundTrip()
    {
        XcbReply<xcb_get_input_focus_reply_t> reply{
            xcb_get_input_focus_reply(m_Connection, xcb_get_input_focus(m_Connection), nullptr)};
    }

    xcb_connection_t *m_Connection;
    xcb_key_symbols_t *m_Symbols;
    xcb_window_t m_Root;
};

} // namespace

class TestX11Desktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shortcutUnderEveryLock_data();
    void shortcutUnderEveryLock();
    void shortcutHeldByAnotherProgram();
    void pasteIntoPreviousWindow_data();
    void pasteIntoPreviousWindow();
};

void TestX11Desktop::initTestCase()
{
    if (QGuiApplication::platformName() != u"xcb")
        QSKIP("needs an X server (run under xvfb-run)");
}

void TestX11Desktop::shortcutUnderEveryLock_data()
{
    QTest::addColumn<QList<quint32>>("locks");
    QTest::newRow("no lock") << QList<quint32>{};
    QTest::newRow("NumLock on") << QList<quint32>{kNumLock};
    QTest::newRow("CapsLock on") << QList<quint32>{kCapsLock};
    QTest::newRow("both on") << QList<quint32>{kNumLock, kCapsLock};
}

void TestX11Desktop::shortcutUnderEveryLock()
{
    QFETCH(QList<quint32>, locks);
    const std::unique_ptr<GlobalShortcut> shortcut = GlobalShortcut::Create();
    QSignalSpy activated(shortcut.get(), &GlobalShortcut::activated);
    shortcut->setKeys(QKeySequence(QStringLiteral("Ctrl+Alt+V")));
    QCOMPARE(shortcut->state(), GlobalShortcut::State::Active);

    OtherClient keyboard;
    for (const quint32 lock : locks)
        keyboard.type({lock});
    keyboard.type({kControlL, kAltL, 'v'});
    QVERIFY(activated.wait(5000));
    // Another combination on the same key is not the shortcut.
    keyboard.type({kControlL, 'v'});
    keyboard.type({kControlL, kAltL, 'b'});
    QTest::qWait(200);
    QCOMPARE(activated.size(), 1);
    for (const quint32 lock : locks)
        keyboard.type({lock});

    // Let go: the keys are everyone's again.
    shortcut->setKeys({});
    QCOMPARE(shortcut->state(), GlobalShortcut::State::Off);
    keyboard.type({kControlL, kAltL, 'v'});
    QTest::qWait(200);
    QCOMPARE(activated.size(), 1);
}

void TestX11Desktop::shortcutHeldByAnotherProgram()
{
    OtherClient other;
    // The other program holds Ctrl+Alt+B, but only with NumLock on.
    QVERIFY(other.grab('b', XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_2));
    const std::unique_ptr<GlobalShortcut> shortcut = GlobalShortcut::Create();
    QSignalSpy activated(shortcut.get(), &GlobalShortcut::activated);
    shortcut->setKeys(QKeySequence(QStringLiteral("Ctrl+Alt+B")));
    QCOMPARE(shortcut->state(), GlobalShortcut::State::Taken);
    // None of it is kept: not even the states the other program left free.
    other.type({kControlL, kAltL, 'b'});
    QTest::qWait(200);
    QCOMPARE(activated.size(), 0);

    // Another combination still works.
    shortcut->setKeys(QKeySequence(QStringLiteral("Ctrl+Alt+N")));
    QCOMPARE(shortcut->state(), GlobalShortcut::State::Active);
    other.type({kControlL, kAltL, 'n'});
    QVERIFY(activated.wait(5000));
}

void TestX11Desktop::pasteIntoPreviousWindow_data()
{
    using Outcome = DesktopPaste::Outcome;
    QTest::addColumn<bool>("terminal"); // the other program's window class is a terminal's
    QTest::addColumn<QString>("snippet");
    QTest::addColumn<QString>("noted"); // what was active as the board showed: "it", "none",
                                        // "earlier" (it, but only at an earlier show)
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<bool>("arrives");
    const QString line = QStringLiteral("Kind regards, Ada ✓");
    const QString lines = QStringLiteral("echo safe\nrm -rf ~/notes");
    QTest::newRow("one line into another program")
        << false << line << "it" << Outcome::Pasted << true;
    QTest::newRow("several lines into a program that is no terminal")
        << false << lines << "it" << Outcome::Pasted << true;
    QTest::newRow("one line into a terminal") << true << line << "it" << Outcome::Pasted << false;
    QTest::newRow("several lines into a terminal: only copied")
        << true << lines << "it" << Outcome::SeveralLinesIntoTerminal << false;
    QTest::newRow("a line that ends in a line break into a terminal: only copied")
        << true << QStringLiteral("make install\n") << "it" << Outcome::SeveralLinesIntoTerminal
        << false;
    QTest::newRow("no window active at this show: nothing pasted")
        << false << line << "none" << Outcome::NotPasted << false;
    QTest::newRow("a window of an earlier show is not pasted into")
        << false << line << "earlier" << Outcome::NotPasted << false;
}

void TestX11Desktop::pasteIntoPreviousWindow()
{
    QFETCH(bool, terminal);
    QFETCH(QString, snippet);
    QFETCH(QString, noted);
    QProcess target;
    // Qt names the window class after -name.
    target.start(QCoreApplication::applicationDirPath() + QStringLiteral("/paste_target"),
                 terminal ? QStringList{QStringLiteral("-name"), QStringLiteral("xterm")}
                          : QStringList());
    QVERIFY(target.waitForStarted());
    const auto stop = qScopeGuard([&target] {
        target.kill();
        target.waitForFinished();
    });
    QTRY_VERIFY_WITH_TIMEOUT(target.canReadLine(), 10000);
    const QByteArray shown = target.readLine().trimmed();
    QVERIFY2(shown.startsWith("window "), shown.constData());
    const auto targetWindow = xcb_window_t(shown.mid(7).toULongLong());

    OtherClient desktop;
    const std::unique_ptr<DesktopPaste> paste = DesktopPaste::Create();
    QVERIFY(paste->supported());
    if (noted == u"earlier") {
        desktop.focus(targetWindow);
        paste->rememberActiveWindow();
        // That board hid; this one shows while no window is active.
        paste->forgetRemembered();
        desktop.focus(XCB_WINDOW_NONE);
    } else {
        // The user was typing in the other program when the board came up.
        desktop.focus(noted == u"it" ? targetWindow : xcb_window_t(XCB_WINDOW_NONE));
    }
    paste->rememberActiveWindow();
    QWindow board;
    board.show();
    board.requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(&board));
    // The board is ours: noting it again must not replace the window to go back to.
    paste->rememberActiveWindow();

    QGuiApplication::clipboard()->setText(snippet);
    QSignalSpy finished(paste.get(), &DesktopPaste::finished);
    paste->pasteIntoRemembered(snippet);
    board.hide();
    QVERIFY(finished.wait(5000));
    QTEST(finished.first().first().value<DesktopPaste::Outcome>(), "outcome");
    // The other program asks this one for the text, which answers it from its
    // running event loop.
    const QByteArray firstLine = snippet.section(u'\n', 0, 0).toUtf8();
    QByteArray printed;
    if (QTest::currentDataTag() == QByteArray("one line into a terminal"))
        return; // Ctrl+Shift+V went out; a line edit does not take it for paste
    QFETCH(bool, arrives);
    if (arrives) {
        QTRY_VERIFY_WITH_TIMEOUT((printed += target.readAll()).contains(firstLine), 10000);
    } else {
        QTest::qWait(1000);
        printed += target.readAll();
        QVERIFY2(!printed.contains("text "), printed.constData());
    }
}

QTEST_MAIN(TestX11Desktop)
#include "tst_x11desktop.moc"
