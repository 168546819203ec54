// The parts of the global shortcut and the paste that need no display: which keysym
// and modifiers a key sequence grabs, under which lock states, and which windows
// are terminals.

#include "platform/PasteKeys.h"
#include "platform/X11KeyChord.h"

#include <QKeySequence>
#include <QTest>

using namespace platform;

class TestDesktopKeys : public QObject
{
    Q_OBJECT

private slots:
    void chord_data();
    void chord();
    void lockStates();
    void terminal_data();
    void terminal();
};

void TestDesktopKeys::chord_data()
{
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<bool>("grabbable");
    QTest::addColumn<uint>("keysym");
    QTest::addColumn<uint>("modifiers");
    const uint ctrlAlt = kX11ControlMask | kX11Mod1Mask;
    QTest::newRow("letter: the lower-case keysym") << "Ctrl+Alt+V" << true << 0x76u << ctrlAlt;
    QTest::newRow("digit") << "Ctrl+Alt+1" << true << 0x31u << ctrlAlt;
    QTest::newRow("Meta is Super (Mod4), Shift kept")
        << "Meta+Shift+Space" << true << 0x20u << uint(kX11Mod4Mask | kX11ShiftMask);
    QTest::newRow("F-key alone") << "F12" << true << 0xffc9u << 0u;
    QTest::newRow("navigation key") << "Ctrl+Alt+PgDown" << true << 0xff56u << ctrlAlt;
    QTest::newRow("Latin-1 letter lower-cased") << "Ctrl+Alt+É" << true << 0xe9u << ctrlAlt;
    QTest::newRow("beyond Latin-1: Unicode keysym")
        << "Ctrl+Alt+Ж" << true << (0x01000000u | 0x436u) << ctrlAlt;
    QTest::newRow("a bare letter would take it from every program") << "V" << false << 0u << 0u;
    QTest::newRow("Shift alone is no command either") << "Shift+V" << false << 0u << 0u;
    QTest::newRow("unknown key") << "Ctrl+Alt+Help" << false << 0u << 0u;
}

void TestDesktopKeys::chord()
{
    QFETCH(QString, sequence);
    QFETCH(bool, grabbable);
    const QKeySequence keys = QKeySequence::fromString(sequence, QKeySequence::PortableText);
    QVERIFY2(!keys.isEmpty(), qPrintable(sequence));
    const std::optional<X11KeyChord> chord = X11ChordFor(keys[0]);
    QCOMPARE(chord.has_value(), grabbable);
    if (!chord)
        return;
    QTEST(uint(chord->keysym), "keysym");
    QTEST(uint(chord->modifiers), "modifiers");
}

void TestDesktopKeys::lockStates()
{
    const quint16 ctrlAlt = kX11ControlMask | kX11Mod1Mask;
    const quint16 numLock = kX11Mod2Mask;
    // Every lock combination is grabbed, and each event state they make matches.
    const QList<quint16> states = X11GrabStates(ctrlAlt, numLock);
    QCOMPARE(states,
             (QList<quint16>{ctrlAlt, quint16(ctrlAlt | kX11LockMask), quint16(ctrlAlt | numLock),
                             quint16(ctrlAlt | numLock | kX11LockMask)}));
    for (const quint16 state : states)
        QVERIFY(X11StateMatches(state | 0x100 /* a mouse button held */, ctrlAlt, numLock));
    QVERIFY(!X11StateMatches(ctrlAlt | kX11ShiftMask, ctrlAlt, numLock));
    QVERIFY(!X11StateMatches(kX11ControlMask | numLock, ctrlAlt, numLock));
    // A keymap without NumLock: only CapsLock varies.
    QCOMPARE(X11GrabStates(ctrlAlt, 0).size(), 2);
}

void TestDesktopKeys::terminal_data()
{
    QTest::addColumn<QByteArray>("wmClass");
    QTest::addColumn<bool>("terminal");
    QTest::newRow("xterm") << QByteArray("xterm\0XTerm\0", 12) << true;
    QTest::newRow("GNOME Terminal by its class")
        << QByteArray("gnome-terminal-server\0Gnome-terminal\0", 37) << true;
    QTest::newRow("kitty") << QByteArray("kitty\0kitty\0", 12) << true;
    QTest::newRow("an editor") << QByteArray("gedit\0Gedit\0", 12) << false;
    QTest::newRow("a name that merely contains one")
        << QByteArray("xtermish\0Notes\0", 15) << false;
    QTest::newRow("no class at all") << QByteArray() << false;
    QTest::newRow("instance name without its end") << QByteArray("konsole") << true;
}

void TestDesktopKeys::terminal()
{
    QFETCH(QByteArray, wmClass);
    QTEST(IsTerminalWindowClass(wmClass), "terminal");
}

QTEST_GUILESS_MAIN(TestDesktopKeys)
#include "tst_desktopkeys.moc"
