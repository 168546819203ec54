// The parts the shell hands its side jobs to: telling problems, placing the board by
// the tray icon, and the outbox's snippets on the board.

#include "app/ProblemNotifier.h"
#include "app/SetupController.h"
#include "app/SnippetOutboxKeeper.h"
#include "app/TrayPlacement.h"
#include "board/EmptyBoard.h"
#include "core/MGlobals.h"
#include "core/MProblems.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {

struct Tick
{
    unsigned problems;
    bool boardActive;
    qint64 at;
};

constexpr auto kSave = static_cast<unsigned>(MProblem::SaveFailed);
constexpr auto kSignIn = static_cast<unsigned>(MProblem::SignInFailed);
constexpr qint64 kHour = 60 * 60 * 1000;

PendingSnippet snippet(const QString &text, const QString &tab, int tabIndex,
                       const QString &userId = {},
                       PendingSnippet::State state = PendingSnippet::State::Waiting)
{
    PendingSnippet s;
    s.id = text;
    s.text = text;
    s.tab = tab;
    s.tabIndex = tabIndex;
    s.userId = userId;
    s.state = state;
    return s;
}

// "Tab: name, name | Tab: name" for a compact comparison.
QString describe(const Board &board)
{
    QStringList tabs;
    for (const BoardTab &tab : board) {
        QStringList names;
        for (const MNameValue &item : tab.items)
            names.append(item.name());
        tabs.append(tab.label + QStringLiteral(": ") + names.join(QStringLiteral(", ")));
    }
    return tabs.join(QStringLiteral(" | "));
}

} // namespace

Q_DECLARE_METATYPE(QList<Tick>)

class TestShellParts : public QObject
{
    Q_OBJECT

private slots:
    void problemsToldOnce_data();
    void problemsToldOnce();
    void boardOpensByTheTrayIcon_data();
    void boardOpensByTheTrayIcon();
    void pendingSnippetsOnTheBoard_data();
    void pendingSnippetsOnTheBoard();
    void emptyBoardSaysWhatWentWrongByItsStep_data();
    void emptyBoardSaysWhatWentWrongByItsStep();
};

void TestShellParts::problemsToldOnce_data()
{
    QTest::addColumn<bool>("toldAtOnce");
    QTest::addColumn<QList<Tick>>("ticks");
    QTest::addColumn<int>("told");
    QTest::addColumn<bool>("lineShown");

    QTest::newRow("told once while it lasts")
        << false << QList<Tick>{{kSave, false, 0}, {kSave, false, 1000}, {kSave, false, 2000}} << 1
        << true;
    QTest::newRow("the board in front says it itself")
        << false << QList<Tick>{{kSave, true, 0}, {kSave, false, 1000}} << 0 << true;
    QTest::newRow("back within the hour: not told again")
        << false << QList<Tick>{{kSave, false, 0}, {0, false, 1000}, {kSave, false, 2000}} << 1
        << true;
    QTest::newRow("back after an hour: told again")
        << false << QList<Tick>{{kSave, false, 0}, {0, false, 1000}, {kSave, false, kHour + 1}} << 2
        << true;
    QTest::newRow("two problems, each told")
        << false << QList<Tick>{{kSave | kSignIn, false, 0}} << 2 << true;
    QTest::newRow("gone: the line goes")
        << false << QList<Tick>{{kSave, false, 0}, {0, false, 1000}} << 1 << false;
    QTest::newRow("told at once is not told again by the tick")
        << true << QList<Tick>{{kSignIn, false, 10}, {kSignIn, false, 1000}} << 1 << true;
}

void TestShellParts::problemsToldOnce()
{
    QFETCH(bool, toldAtOnce);
    QFETCH(QList<Tick>, ticks);
    QFETCH(int, told);
    QFETCH(bool, lineShown);

    QWidget board;
    auto *line = new QLabel(&board);
    line->hide();
    QStringList heard;
    ProblemNotifier notifier([&heard](const QString &, const QString &text) { heard.append(text); },
                             line);
    if (toldAtOnce)
        notifier.tellNow(MProblem::SignInFailed, QStringLiteral("refused"), 0);
    for (const Tick &tick : ticks)
        notifier.report(tick.problems, tick.boardActive, tick.at);
    QCOMPARE(heard.size(), told);
    QCOMPARE(!line->isHidden(), lineShown);
    // The line's tool tip names every problem that lasts.
    if (lineShown)
        QCOMPARE(line->toolTip(), MProblems::Texts(ticks.last().problems).join(u'\n'));
}

void TestShellParts::boardOpensByTheTrayIcon_data()
{
    QTest::addColumn<QPoint>("userMove");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<bool>("saved");

    QTest::newRow("opened by the icon, not moved: nothing saved")
        << QPoint() << QStringLiteral("bottom right") << false;
    QTest::newRow("moved by the user, then opened by the icon: saved")
        << QPoint(-30, 20) << QStringLiteral("bottom right") << true;
    QTest::newRow("icon place unknown: where it was")
        << QPoint() << QStringLiteral("unknown") << false;
    QTest::newRow("icon off every screen: where it was")
        << QPoint() << QStringLiteral("off screen") << false;
}

void TestShellParts::boardOpensByTheTrayIcon()
{
    QFETCH(QPoint, userMove);
    QFETCH(QString, icon);
    QFETCH(bool, saved);

    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    QDir().mkpath(MGlobals::DataFolderPath());
    MGlobals::InitDataFolder();
    g_WindowWidth.store(200);
    g_WindowHeight.store(300);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect iconPlace = icon == QLatin1String("bottom right")
                                ? QRect(area.bottomRight() - QPoint(24, 24), QSize(24, 24))
                            : icon == QLatin1String("off screen") ? QRect(-5000, -5000, 24, 24)
                                                                  : QRect();

    QWidget window;
    window.resize(200, 300);
    TrayPlacement placement(&window);
    placement.storeDefaultPosition();
    placement.placeAtStart();
    const QPoint placed = window.pos();
    QCOMPARE(window.size(), QSize(200, 300));

    if (!userMove.isNull())
        window.move(window.pos() + userMove);
    placement.placeNearIcon(iconPlace);
    if (icon == QLatin1String("bottom right")) {
        // Above the icon of a panel along the bottom, inside the screen.
        QCOMPARE(window.frameGeometry().bottom(), iconPlace.top() - 1);
        QVERIFY(area.contains(window.frameGeometry()));
    } else {
        QCOMPARE(window.pos(), placed);
    }
    QCOMPARE(placement.saveIfMoved(), saved);
}

void TestShellParts::pendingSnippetsOnTheBoard_data()
{
    QTest::addColumn<SnippetOutbox>("outbox");
    QTest::addColumn<QString>("userId");
    QTest::addColumn<QString>("board");

    using State = PendingSnippet::State;
    const QString me = QStringLiteral("me");
    QTest::newRow("in its tab, by place")
        << SnippetOutbox{snippet(QStringLiteral("new"), QStringLiteral("Mail"), 1, me)} << me
        << QStringLiteral("Mail: hello | Mail: bye, new (adding…) | Code: x");
    QTest::newRow("its tab moved: found by label")
        << SnippetOutbox{snippet(QStringLiteral("new"), QStringLiteral("Code"), 0, me)} << me
        << QStringLiteral("Mail: hello | Mail: bye | Code: x, new (adding…)");
    QTest::newRow("a label twice, no place: the last")
        << SnippetOutbox{snippet(QStringLiteral("new"), QStringLiteral("Mail"), -1, me)} << me
        << QStringLiteral("Mail: hello | Mail: bye, new (adding…) | Code: x");
    QTest::newRow("a new tab at the end")
        << SnippetOutbox{snippet(QStringLiteral("new"), QStringLiteral("Notes"), -1, me)} << me
        << QStringLiteral("Mail: hello | Mail: bye | Code: x | Notes: new (adding…)");
    QTest::newRow("on the page already: no mark")
        << SnippetOutbox{snippet(QStringLiteral("x"), QStringLiteral("Code"), 2, me)} << me
        << QStringLiteral("Mail: hello | Mail: bye | Code: x");
    QTest::newRow("refused: marked so")
        << SnippetOutbox{snippet(QStringLiteral("new"), QStringLiteral("Code"), 2, me,
                                 State::Refused)}
        << me << QStringLiteral("Mail: hello | Mail: bye | Code: x, new (not added)");
    QTest::newRow("another account's: not on this board")
        << SnippetOutbox{snippet(QStringLiteral("new"), QStringLiteral("Code"), 2,
                                 QStringLiteral("other"))}
        << me << QStringLiteral("Mail: hello | Mail: bye | Code: x");
    QTest::newRow("signed out: all show")
        << SnippetOutbox{snippet(QStringLiteral("new"), QStringLiteral("Code"), 2,
                                 QStringLiteral("other"))}
        << QString() << QStringLiteral("Mail: hello | Mail: bye | Code: x, new (adding…)");
}

void TestShellParts::pendingSnippetsOnTheBoard()
{
    QFETCH(SnippetOutbox, outbox);
    QFETCH(QString, userId);
    QFETCH(QString, board);

    Board tabs{{QStringLiteral("Mail"), {{QStringLiteral("hello"), QStringLiteral("hello"), {}}}},
               {QStringLiteral("Mail"), {{QStringLiteral("bye"), QStringLiteral("bye"), {}}}},
               {QStringLiteral("Code"), {{QStringLiteral("x"), QStringLiteral("x"), {}}}}};
    SnippetOutboxKeeper::AddPendingItems(tabs, outbox, userId);
    QCOMPARE(describe(tabs), board);
}

void TestShellParts::emptyBoardSaysWhatWentWrongByItsStep_data()
{
    QTest::addColumn<bool>("signedIn");
    QTest::addColumn<MProblem>("problem");
    QTest::addColumn<EmptyBoard::Kind>("kind");
    QTest::addColumn<bool>("said");

    QTest::newRow("a refused sign-in, by Sign In")
        << false << MProblem::SignInFailed << EmptyBoard::Kind::NotSignedIn << true;
    QTest::newRow("a page not made, by Create")
        << true << MProblem::PageNotCreated << EmptyBoard::Kind::NoPage << true;
    QTest::newRow("a page not made is not the sign-in's")
        << false << MProblem::PageNotCreated << EmptyBoard::Kind::NotSignedIn << false;
    QTest::newRow("a refused sign-in is not the page's")
        << true << MProblem::SignInFailed << EmptyBoard::Kind::NoPage << false;
    QTest::newRow("other problems are the problem line's")
        << true << MProblem::SaveFailed << EmptyBoard::Kind::NoPage << false;
}

void TestShellParts::emptyBoardSaysWhatWentWrongByItsStep()
{
    QFETCH(bool, signedIn);
    QFETCH(MProblem, problem);
    QFETCH(EmptyBoard::Kind, kind);
    QFETCH(bool, said);

    const QString reason = QStringLiteral("The service said no.");
    g_OnlineOneNoteClientId.store(QStringLiteral("client"));
    g_OnlineOneNoteRefreshToken.store(signedIn ? QStringLiteral("r") : QString());
    g_PinlarkPageMissing = true;
    for (const MProblem each : MProblems::kAll)
        MProblems::Clear(each);
    MProblems::RaiseSaying(problem, reason);
    const auto restore = qScopeGuard([] {
        for (const MProblem each : MProblems::kAll)
            MProblems::Clear(each);
        g_PinlarkPageMissing = false;
        g_OnlineOneNoteRefreshToken.store({});
    });

    ProblemNotifier notifier({}, nullptr);
    SetupController setup(&notifier);
    QWidget tabs;
    auto *board = new EmptyBoard(&tabs);
    setup.setEmptyBoard(board);
    setup.describeEmptyBoard(false, false);
    QCOMPARE(board->kind(), kind);
    QCOMPARE(board->accessibleDescription().contains(MProblems::Text(problem)), said);
}

QTEST_MAIN(TestShellParts)
#include "tst_shellparts.moc"
