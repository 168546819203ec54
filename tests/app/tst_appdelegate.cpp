#include "app/AppDelegate.h"
#include "app/Autostart.h"
#include "app/SingleInstance.h"
#include "board/EmptyBoard.h"
#include "board/ItemListModel.h"
#include "board/MSearchField.h"
#include "board/MTabViewColumn.h"
#include "board/MTableView.h"
#include "board/PageFile.h"
#include "core/MConfig.h"
#include "core/MGlobals.h"
#include "core/MProblems.h"
#include "windows/MWinAddSnippet.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstring>
#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

QString page(const QString &body)
{
    return QStringLiteral("<html><body><div>") + body + QStringLiteral("</div></body></html>");
}

// The tests' app registration; a copy of Pinlark may be built without one.
const QString kClientId = QStringLiteral("0f3b2c1d-4e5f-4a6b-8c7d-9e0f1a2b3c4d");

const QString kTwoTabs =
    page(QStringLiteral("<h1>Mail</h1><p>Hello</p><p>there</p><br/><br/><p>Bye</p><br/><br/>"
                        "<h1>Code</h1><p>git</p><p>git log hello</p>"));

// Holds a list's model to its contract with its view from the moment it is made:
// Qt's tester checks every change the model announces, and the row count may change
// only with one (a view not told would go on showing rows that are gone).
class ModelWatch
{
public:
    explicit ModelWatch(QAbstractItemModel *model)
        : m_Tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest), m_Model(model),
          m_Rows(model->rowCount())
    {
        const auto recount = [this] { m_Rows = m_Model->rowCount(); };
        QObject::connect(model, &QAbstractItemModel::modelReset, &m_Tester, recount);
        QObject::connect(model, &QAbstractItemModel::rowsInserted, &m_Tester, recount);
        QObject::connect(model, &QAbstractItemModel::rowsRemoved, &m_Tester, recount);
    }

    // True also once the model is gone (a rebuild drops a tab with its list).
    bool rowsAsAnnounced() const { return !m_Model || m_Model->rowCount() == m_Rows; }

private:
    QAbstractItemModelTester m_Tester;
    QPointer<QAbstractItemModel> m_Model;
    int m_Rows;
};

// The client id as the tests give it: in the settings file, which start-up reads.
void storeClientId(const QString &clientId)
{
    MConfig config(QDir(MGlobals::DataFolderPath()).filePath(QStringLiteral("zanapp.plist")));
    config.WriteValueStr(QStringLiteral("ClientId"), clientId);
    QVERIFY(config.Save());
    g_OnlineOneNoteClientId.store(clientId);
}

QStringList tabLabels(const QTabWidget *tabs)
{
    QStringList labels;
    for (int i = 0; i < tabs->count(); ++i)
        labels << static_cast<MTabViewColumn *>(tabs->widget(i))->label();
    return labels;
}

} // namespace

class TestAppDelegate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsFromCachedPage();
    void longCachedPageShowsItsFirstTabFirst_data();
    void longCachedPageShowsItsFirstTabFirst();
    void newPageRebuildsAndKeepsTab();
    void samePageOnlyStopsProgress();
    void statusLookFollowsSignIn_data();
    void statusLookFollowsSignIn();
    void copyShowsNoticeForThreeTicks();
    void searchAcrossTabs();
    void keyboardCopiesSelection();
    void formattedCopy();
    void timerRestsWhileModal();
    void geometrySavedOnlyWhenChanged();
    void signInAskedOnlyWithoutRefreshToken_data();
    void signInAskedOnlyWithoutRefreshToken();
    void quitEndsModalLoopsAndSavesOnce();
    void problemsToldOnceAndActedOn();
    void emptyBoardExplains_data();
    void emptyBoardExplains();
    void signInOutcome_data();
    void signInOutcome();
    void setupTakesAClientIdThenSignsIn_data();
    void setupTakesAClientIdThenSignsIn();
    void enterOnTheEmptyBoardTakesItsNextStep();
    void oversizeCacheIsKeptUntilADownloadReplacesIt();
    void signOutForgetsTheAccountFirst_data();
    void signOutForgetsTheAccountFirst();
    void linkConversionSaysWhatItDid();
    void boardKeys_data();
    void boardKeys();
    void tabShortcuts_data();
    void tabShortcuts();
    void tabLabelsAndNamesStayReadable_data();
    void tabLabelsAndNamesStayReadable();
    void secondStartHandsOver();
    void staleSocketDoesNotBlockAStart();
    void socketHearsOnlyShortWholeMessages_data();
    void socketHearsOnlyShortWholeMessages();
    void anotherUserIsNeitherHeardNorInTheWay_data();
    void anotherUserIsNeitherHeardNorInTheWay();
    void globalShortcutShowsAndHides();
    void preferencesApplyAtOnce();
    void startAtLoginShowsWhatIsOnDisk();
    void addSnippet_data();
    void addSnippet();
    void signOutAsksAboutWaitingSnippets_data();
    void signOutAsksAboutWaitingSnippets();

private:
    void launch(AppDelegate::Services services = {});
    void tick(int times = 1);
    // A part of the window that only the form names.
    QWidget *part(const char *name) const
    {
        return m_app->window()->findChild<QWidget *>(QLatin1String(name));
    }
    QTabWidget *tabView() const { return static_cast<QTabWidget *>(part("tabView")); }
    MSearchField *searchField() const { return static_cast<MSearchField *>(part("searchField")); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppDelegate> m_app;
};

void TestAppDelegate::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Pinlark"));
}

void TestAppDelegate::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_dir->path().toUtf8());
    QDir().mkpath(MGlobals::DataFolderPath());
    for (auto *value : {&g_OnlineOneNoteAccessToken, &g_OnlineOneNoteRefreshToken,
                        &g_OnlineOneNoteUserId, &g_PinlarkPageHtml})
        value->store({});
    g_SnippetOutbox.store({});
    for (const MProblem problem : MProblems::kAll)
        MProblems::Clear(problem);
    storeClientId(kClientId);
    g_PinlarkPageCreateHtml.store({});
    g_PinlarkPageCreateFailure.store(std::nullopt);
    g_WindowWidth.store(360);
    g_WindowHeight.store(600);
}

void TestAppDelegate::cleanup()
{
    m_app.reset();
}

void TestAppDelegate::launch(AppDelegate::Services services)
{
    m_app = std::make_unique<AppDelegate>(std::move(services));
    m_app->awakeFromNib();
    m_app->applicationDidFinishLaunching();
}

void TestAppDelegate::tick(int times)
{
    for (int i = 0; i < times; ++i)
        m_app->TimerRun();
}

void TestAppDelegate::startsFromCachedPage()
{
    QVERIFY(WritePageFile(QDir(MGlobals::DataFolderPath()).filePath(QStringLiteral("pinlark.html")),
                          kTwoTabs));
    launch();
    QCOMPARE(tabLabels(tabView()), QStringList({u"Mail"_qs, u"Code"_qs}));
    auto *mail = static_cast<MTabViewColumn *>(tabView()->widget(0));
    QAbstractItemModelTester tester(mail->tableView()->model());
    QCOMPARE(mail->tableView()->model()->rowCount(), 2);
    QCOMPARE(mail->tableView()->model()->index(0, 0).data().toString(), u"Hello");
    QVERIFY(part("progressInd")->isHidden());
}

void TestAppDelegate::longCachedPageShowsItsFirstTabFirst_data()
{
    QTest::addColumn<bool>("whole");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("a readable page comes whole")
        << true << QStringList{u"One"_qs, u"Two"_qs, u"Three"_qs};
    QTest::newRow("a page cut short leaves no tabs") << false << QStringList{};
}

void TestAppDelegate::longCachedPageShowsItsFirstTabFirst()
{
    QFETCH(bool, whole);
    QString body;
    for (const QString &label : {u"One"_qs, u"Two"_qs, u"Three"_qs}) {
        body += u"<h1>" + label + u"</h1>";
        for (int i = 0; i < 400; ++i)
            body += u"<p>" + label + u" item " + QString::number(i) +
                    u" with a few words of text to carry</p><br/><br/>";
    }
    QString html = page(body);
    if (!whole)
        html.chop(20);
    QVERIFY(WritePageFile(QDir(MGlobals::DataFolderPath()).filePath(QStringLiteral("pinlark.html")),
                          html));
    int started = 0;
    AppDelegate::Services services;
    services.startWorker = [&started] { ++started; };
    launch(std::move(services));
    // The first tab is there when the window first shows; the rest follow, and
    // only then does the worker start: no network traffic before the board.
    QVERIFY(tabView()->count() >= 1);
    QVERIFY(tabView()->count() < 3);
    QCOMPARE(started, 0);
    if (whole) {
        // A search from the first moment finds items of every tab.
        m_app->searchField_textDidChange(QStringLiteral("item 399 "));
        QCOMPARE(m_app->searchColumn()->m_ArrayItems().size(), 3);
    }
    QFETCH(QStringList, labels);
    QTRY_COMPARE(tabLabels(tabView()), labels);
    QCOMPARE(started, 1);
}

void TestAppDelegate::newPageRebuildsAndKeepsTab()
{
    launch();
    QCOMPARE(tabView()->count(), 0);
    g_PinlarkPageHtml.store(kTwoTabs);
    tick();
    QCOMPARE(tabView()->count(), 2);
    QCOMPARE(ReadPageFile(g_CacheFilePath.load()), std::optional(kTwoTabs));

    tabView()->setCurrentIndex(1);
    const QString reordered =
        page(QStringLiteral("<h1>New</h1><h1>Code</h1><p>x</p><h1>Mail</h1>"));
    g_PinlarkPageHtml.store(reordered);
    tick();
    QCOMPARE(tabLabels(tabView()), QStringList({u"New"_qs, u"Code"_qs, u"Mail"_qs}));
    QCOMPARE(tabView()->currentIndex(), 1);

    // A download cut short keeps the board and the cached page, and says so.
    g_PinlarkPageHtml.store(reordered.left(reordered.size() - 10));
    tick();
    QCOMPARE(tabLabels(tabView()), QStringList({u"New"_qs, u"Code"_qs, u"Mail"_qs}));
    QCOMPARE(ReadPageFile(g_CacheFilePath.load()), std::optional(reordered));
    QVERIFY(MProblems::Has(MProblem::PageUnreadable));
    g_PinlarkPageHtml.store(kTwoTabs);
    tick();
    QCOMPARE(tabLabels(tabView()), QStringList({u"Mail"_qs, u"Code"_qs}));
    QVERIFY(!MProblems::Has(MProblem::PageUnreadable));
}

void TestAppDelegate::samePageOnlyStopsProgress()
{
    const QString cache = QDir(MGlobals::DataFolderPath()).filePath(QStringLiteral("pinlark.html"));
    QVERIFY(WritePageFile(cache, kTwoTabs));
    launch();
    part("progressInd")->show();
    const QDateTime written = QFileInfo(cache).lastModified();
    QFile::remove(cache);
    g_PinlarkPageHtml.store(kTwoTabs);
    tick();
    QVERIFY(part("progressInd")->isHidden());
    QVERIFY2(!QFileInfo::exists(cache), "an unchanged page must not be written again");
    Q_UNUSED(written);
    QVERIFY(g_PinlarkPageHtml.load().isEmpty());
}

void TestAppDelegate::statusLookFollowsSignIn_data()
{
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("userId");
    QTest::addColumn<QString>("look");
    QTest::newRow("signed out") << ""
                                << ""
                                << "Disconnected";
    QTest::newRow("token without user id") << "t"
                                           << ""
                                           << "Disconnected";
    QTest::newRow("refresh under way (token emptied)") << ""
                                                       << "u"
                                                       << "Disconnected";
    QTest::newRow("signed in") << "t"
                               << "u"
                               << "Connected";
}

void TestAppDelegate::statusLookFollowsSignIn()
{
    QFETCH(QString, token);
    QFETCH(QString, userId);
    launch();
    QCOMPARE(m_app->statusToolTip(), u"Connected");
    g_OnlineOneNoteAccessToken.store(token);
    g_OnlineOneNoteUserId.store(userId);
    tick(2);
    QTEST(m_app->statusToolTip(), "look");
    g_OnlineOneNoteAccessToken.store(QStringLiteral("t"));
    g_OnlineOneNoteUserId.store(QStringLiteral("u"));
    tick();
    QCOMPARE(m_app->statusToolTip(), u"Connected");
}

void TestAppDelegate::copyShowsNoticeForThreeTicks()
{
    g_PinlarkPageHtml.store(kTwoTabs);
    launch();
    tick();
    auto *mail = static_cast<MTabViewColumn *>(tabView()->widget(0));
    MTableView *list = mail->tableView();
    const QRect second = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Bye");
    QVERIFY(!part("labelCopied")->isHidden());
    tick(2);
    QVERIFY(!part("labelCopied")->isHidden());
    // A second copy during the countdown starts it over.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    tick(2);
    QVERIFY(!part("labelCopied")->isHidden());
    tick();
    QVERIFY(part("labelCopied")->isHidden());

    // A click below the last row selects nothing and copies nothing.
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    list->clearSelection();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->height() - 5));
    QCOMPARE(QGuiApplication::clipboard()->text(), u"kept");
    QVERIFY(part("labelCopied")->isHidden());
}

void TestAppDelegate::searchAcrossTabs()
{
    g_PinlarkPageHtml.store(kTwoTabs);
    launch();
    tick();
    QAbstractItemModel *results = m_app->searchColumn()->tableView()->model();
    const ModelWatch watchResults(results);
    const ModelWatch watchTab(
        static_cast<MTabViewColumn *>(tabView()->widget(0))->tableView()->model());
    QTest::keyClicks(searchField(), QStringLiteral("HELLO"));
    QVERIFY(tabView()->isHidden());
    QVERIFY(!part("searchView")->isHidden());
    QCOMPARE(results->rowCount(), 2);
    QCOMPARE(results->index(0, 0).data().toString(), u"Hello");
    QCOMPARE(results->index(1, 0).data().toString(), u"git");

    // Ending a search leaves the hidden results as their view last saw them.
    searchField()->clear();
    QVERIFY(!tabView()->isHidden());
    QVERIFY(watchResults.rowsAsAnnounced());

    searchField()->setText(QStringLiteral("nothing like it"));
    QCOMPARE(results->rowCount(), 0);
    QVERIFY(tabView()->isHidden());

    // A new board while searching: the results stay until the text changes.
    searchField()->setText(QStringLiteral("bye"));
    QCOMPARE(results->rowCount(), 1);
    g_PinlarkPageHtml.store(page(QStringLiteral("<h1>New</h1><p>bye now</p><br/><br/><p>bye</p>")));
    tick();
    QCOMPARE(tabLabels(tabView()), QStringList{u"New"_qs});
    QVERIFY(tabView()->isHidden());
    QCOMPARE(results->rowCount(), 1);
    QCOMPARE(results->index(0, 0).data().toString(), u"Bye");
    QTest::keyClicks(searchField(), QStringLiteral(" "));
    // "bye" holds no blank but the one word typed: a close match, under the divider,
    // which the keyboard steps over.
    QCOMPARE(results->rowCount(), 3);
    QCOMPARE(results->index(0, 0).data().toString(), u"bye now");
    QVERIFY(results->index(1, 0).data(ItemListModel::DividerRole).toBool());
    QCOMPARE(results->index(2, 0).data().toString(), u"bye");
    QTest::keyClick(searchField(), Qt::Key_Down);
    QTest::keyClick(searchField(), Qt::Key_Return);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"bye");
    // Only close matches: the first of them is ready for Enter, not the divider.
    searchField()->setText(QStringLiteral("now bye"));
    QCOMPARE(results->rowCount(), 2);
    QCOMPARE(m_app->searchColumn()->tableView()->selectedRow(), 1);

    QTest::keyClick(searchField(), Qt::Key_Escape);
    QVERIFY(searchField()->text().isEmpty());
    QVERIFY(!tabView()->isHidden());
    QVERIFY(part("searchView")->isHidden());
    QVERIFY(watchResults.rowsAsAnnounced());
    QVERIFY(watchTab.rowsAsAnnounced());
}

// A formatted item goes to the clipboard as HTML beside the same plain text; Shift
// and the preference turned off copy plain text only.
void TestAppDelegate::formattedCopy()
{
    g_PinlarkPageHtml.store(page(QStringLiteral(
        "<h1>Mail</h1><p>Sign</p><p><b>Ada</b>, <a href='https://example.com'>site</a></p>")));
    launch();
    tick();
    m_app->MenuItemPinlarkClick();
    const auto copied = [this](Qt::KeyboardModifiers modifiers) {
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(searchField(), Qt::Key_Return, modifiers);
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        return data ? std::pair(data->text(), data->hasHtml() ? data->html() : QString())
                    : std::pair(QString(), QString());
    };
    QTest::keyClicks(searchField(), QStringLiteral("sign"));
    const QString plain = QStringLiteral("Sign\nAda, site");
    QCOMPARE(copied(Qt::NoModifier),
             std::pair(plain, QStringLiteral("Sign<br><b>Ada</b>, <a href=\"https://example.com\">"
                                             "site</a>")));
    QCOMPARE(copied(Qt::ShiftModifier), std::pair(plain, QString()));
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{u"text/plain"_qs});

    // Shift+click too.
    MTableView *list = m_app->searchColumn()->tableView();
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      list->visualRect(list->model()->index(0, 0)).center());
    QCOMPARE(QGuiApplication::clipboard()->text(), plain);
    QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasHtml());
}

void TestAppDelegate::keyboardCopiesSelection()
{
    g_PinlarkPageHtml.store(kTwoTabs);
    launch();
    tick();
    m_app->MenuItemPinlarkClick();
    QTest::keyClicks(searchField(), QStringLiteral("git"));
    QTest::keyClick(searchField(), Qt::Key_Down);
    QTest::keyClick(searchField(), Qt::Key_Return);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"git\ngit log hello");
    QVERIFY(!part("labelCopied")->isHidden());

    // Space on the list shows the whole value; Escape, sent where the focus is,
    // closes it.
    MTableView *list = m_app->searchColumn()->tableView();
    QTest::keyClick(list, Qt::Key_Space);
    QWidget *preview = QApplication::activePopupWidget();
    QVERIFY(preview);
    auto *text = preview->findChild<QPlainTextEdit *>();
    QVERIFY(text);
    QCOMPARE(text->toPlainText(), u"git\ngit log hello");
    QCOMPARE(searchField()->text(), u"git");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
}

void TestAppDelegate::timerRestsWhileModal()
{
    launch();
    g_PinlarkPageHtml.store(kTwoTabs);
    QDialog dialog;
    // Looked at once the window is gone: a failed check inside the loop would leave
    // it open for ever.
    int tabsWhileModal = -1;
    QTimer::singleShot(0, &dialog, [&] {
        m_app->TimerRun();
        tabsWhileModal = tabView()->count();
        dialog.reject();
    });
    dialog.exec();
    QCOMPARE(tabsWhileModal, 0);
    QCOMPARE(g_PinlarkPageHtml.load(), kTwoTabs);
    tick();
    QCOMPARE(tabView()->count(), 2);
}

void TestAppDelegate::geometrySavedOnlyWhenChanged()
{
    // Stored values between pixels, as another platform writes them: an unmoved
    // window must not rewrite the file.
    const QString settings =
        QDir(MGlobals::DataFolderPath()).filePath(QStringLiteral("zanapp.plist"));
    MConfig stored(settings);
    stored.WriteValueFloat(QStringLiteral("WindowX"), 20.25);
    stored.WriteValueFloat(QStringLiteral("WindowY"), 500.75);
    stored.WriteValueFloat(QStringLiteral("WindowWidth"), 300.5);
    stored.WriteValueFloat(QStringLiteral("WindowHeight"), 400.5);
    QVERIFY(stored.Save());
    const QDateTime written = QFileInfo(settings).lastModified();
    QTest::qWait(20);

    launch();
    m_app->applicationWillTerminate();
    QCOMPARE(QFileInfo(settings).lastModified(), written);

    launch();
    m_app->window()->resize(m_app->window()->width() - 1, m_app->window()->height());
    m_app->applicationWillTerminate();
    QVERIFY(QFileInfo(settings).lastModified() != written);
    QCOMPARE(g_WindowWidth.load(), double(m_app->window()->width()));
}

void TestAppDelegate::signInAskedOnlyWithoutRefreshToken_data()
{
    QTest::addColumn<QString>("access");
    QTest::addColumn<QString>("refresh");
    QTest::addColumn<QString>("userId");
    QTest::addColumn<bool>("asked");
    // The tokens come from a keyring, which answers after start-up has returned.
    QTest::addColumn<bool>("later");
    QTest::newRow("nothing stored") << ""
                                    << ""
                                    << "" << true << false;
    QTest::newRow("signed in") << "a"
                               << "r"
                               << "u" << false << false;
    // A refresh that got no answer before the last exit: the worker renews it.
    QTest::newRow("refresh cut short") << ""
                                       << "r"
                                       << "u" << false << false;
    QTest::newRow("user id still to fetch") << "a"
                                            << "r"
                                            << "" << false << false;
    QTest::newRow("token without refresh or user id") << "a"
                                                      << ""
                                                      << "" << true << false;
    QTest::newRow("signed in, as the keyring says a moment later") << "a"
                                                                   << "r"
                                                                   << "u" << false << true;
    QTest::newRow("nothing in the keyring either") << ""
                                                   << ""
                                                   << "" << true << true;
}

void TestAppDelegate::signInAskedOnlyWithoutRefreshToken()
{
    QFETCH(QString, access);
    QFETCH(QString, refresh);
    QFETCH(QString, userId);
    QFETCH(bool, later);
    g_OnlineOneNoteUserId.store(userId);
    const auto hold = [access, refresh] {
        g_OnlineOneNoteAccessToken.store(access);
        g_OnlineOneNoteRefreshToken.store(refresh);
    };
    int asked = 0;
    int started = 0;
    int flushed = 0;
    AppDelegate::Services services;
    services.runSignIn = [&asked](int) {
        ++asked;
        return SignInOutcome::Closed;
    };
    services.startWorker = [&started] { ++started; };
    if (later) {
        services.loadTokens = [hold](std::function<void()> ready) {
            QTimer::singleShot(10, [hold, ready] {
                hold();
                ready();
            });
        };
        services.flushTokens = [&flushed] { ++flushed; };
    } else {
        hold();
    }
    launch(std::move(services));
    if (later) {
        // Nothing is decided before the tokens are known.
        QCOMPARE(asked + started, 0);
        QVERIFY(QTest::qWaitFor([&started] { return started == 1; }));
    }
    QTEST(asked == 1, "asked");
    QCOMPARE(started, 1);
    QCOMPARE(g_OnlineOneNoteRefreshToken.load(), refresh);
    m_app->applicationWillTerminate();
    QCOMPARE(flushed, later ? 1 : 0);
}

void TestAppDelegate::quitEndsModalLoopsAndSavesOnce()
{
    int stops = 0;
    int abouts = 0;
    AppDelegate::Services services;
    services.stopWorker = [&stops] { ++stops; };
    services.showAboutWindow = [&abouts] { ++abouts; };
    launch(std::move(services));
    connect(qApp, &QCoreApplication::aboutToQuit, m_app.get(),
            &AppDelegate::applicationWillTerminate);
    // The board refuses to close, as it does when it hides to the tray.
    struct RefuseClose : QObject
    {
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() != QEvent::Close)
                return false;
            event->ignore();
            return true;
        }
    } refuse;
    m_app->window()->installEventFilter(&refuse);
    m_app->MenuItemPinlarkClick();

    bool modalReturned = false;
    QTimer::singleShot(0, m_app.get(), [&] {
        QDialog dialog;
        QTimer::singleShot(0, &dialog, [this] {
            // The tray menu stays usable; a second modal window is not stacked.
            m_app->MenuItemAboutClick();
            m_app->statusMenu()->actions().last()->trigger();
        });
        dialog.exec();
        modalReturned = true;
    });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(modalReturned);
    QVERIFY(m_app->terminating());
    m_app->applicationWillTerminate();
    QCOMPARE(stops, 1);
    QCOMPARE(abouts, 0);
}

void TestAppDelegate::problemsToldOnceAndActedOn()
{
    QStringList told;
    int signIns = 0;
    AppDelegate::Services services;
    services.notify = [&told](const QString &, const QString &text) { told << text; };
    services.runSignIn = [&signIns](int) {
        ++signIns;
        return SignInOutcome::Closed;
    };
    g_OnlineOneNoteAccessToken.store(QStringLiteral("a"));
    g_OnlineOneNoteUserId.store(QStringLiteral("u"));
    launch(std::move(services));

    // A standing problem, or one that comes back within the hour, is told once.
    MProblems::Raise(MProblem::SaveFailed);
    tick(3);
    // The board has a line for it, leading to the status window.
    const auto *line = m_app->window()->findChild<QLabel *>(QStringLiteral("labelProblem"));
    QVERIFY(!line->isHidden());
    MProblems::Clear(MProblem::SaveFailed);
    tick();
    QVERIFY(line->isHidden());
    MProblems::Raise(MProblem::SaveFailed);
    tick();
    QCOMPARE(told, QStringList{MProblems::Text(MProblem::SaveFailed)});

    // A refused sign-in is told and asked for again, once.
    MProblems::Raise(MProblem::SignInRefused);
    tick(2);
    QCoreApplication::processEvents();
    QCOMPARE(told.size(), 2);
    QCOMPARE(signIns, 1);

    // A rejected client id waits for the settings file to change, then is read
    // again and tried.
    MProblems::Raise(MProblem::ClientRejected);
    tick(2);
    QVERIFY(MProblems::Has(MProblem::ClientRejected));
    MConfig edited(g_ConfigFilePath.load());
    edited.WriteValueStr(QStringLiteral("ClientId"), QStringLiteral("corrected-id"));
    QVERIFY(edited.Save());
    QFile file(g_ConfigFilePath.load());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                             QFileDevice::FileModificationTime));
    file.close();
    tick();
    QVERIFY(!MProblems::Has(MProblem::ClientRejected));
    QCOMPARE(g_OnlineOneNoteClientId.load(), u"corrected-id");
    g_OnlineOneNoteClientId.store(kClientId);
}

void TestAppDelegate::emptyBoardExplains_data()
{
    QTest::addColumn<QString>("clientId");
    QTest::addColumn<QString>("refresh");
    QTest::addColumn<bool>("pageMissing");
    QTest::addColumn<QString>("creating");
    QTest::addColumn<QString>("html");
    QTest::addColumn<EmptyBoard::Kind>("kind");
    QTest::newRow("no client id: the setup, whatever the sign-in") << ""
                                                                   << "r" << true << ""
                                                                   << "" << EmptyBoard::Kind::Setup;
    QTest::newRow("never signed in") << kClientId << "" << false << ""
                                     << "" << EmptyBoard::Kind::NotSignedIn;
    QTest::newRow("signed in, still looking") << kClientId << "r" << false << ""
                                              << "" << EmptyBoard::Kind::Looking;
    QTest::newRow("signed in, no page") << kClientId << "r" << true << ""
                                        << "" << EmptyBoard::Kind::NoPage;
    QTest::newRow("the page asked for") << kClientId << "r" << true << "<html/>"
                                        << "" << EmptyBoard::Kind::Creating;
    QTest::newRow("a page without items")
        << kClientId << "r" << false << "" << page(QStringLiteral("<h1>Mail</h1>"))
        << EmptyBoard::Kind::NoItems;
    QTest::newRow("a board is shown whatever the sign-in or client id")
        << ""
        << "" << false << "" << kTwoTabs << EmptyBoard::Kind::None;
}

void TestAppDelegate::emptyBoardExplains()
{
    QFETCH(QString, clientId);
    QFETCH(QString, refresh);
    QFETCH(bool, pageMissing);
    QFETCH(QString, creating);
    QFETCH(QString, html);
    storeClientId(clientId);
    g_OnlineOneNoteRefreshToken.store(refresh);
    g_PinlarkPageMissing = pageMissing;
    g_PinlarkPageCreateHtml.store(creating);
    launch();
    g_PinlarkPageHtml.store(html);
    tick();
    QTEST(m_app->emptyBoard()->kind(), "kind");
    QCOMPARE(m_app->emptyBoard()->isHidden(),
             m_app->emptyBoard()->kind() == EmptyBoard::Kind::None);
    g_PinlarkPageMissing = false;
}

void TestAppDelegate::signInOutcome_data()
{
    QTest::addColumn<SignInResult>("outcome");
    QTest::addColumn<bool>("boardShown");
    QTest::addColumn<bool>("told");
    // Words the notification, the status window and the board's problem line say.
    QTest::addColumn<QString>("saying");
    QTest::newRow("signed in: the board opens")
        << SignInResult(SignInOutcome::SignedIn) << true << false << "";
    QTest::newRow("closed: nothing more")
        << SignInResult(SignInOutcome::Closed) << false << false << "";
    QTest::newRow("window missing: the user is told")
        << SignInResult(SignInOutcome::Unavailable) << false << true << "";
    QTest::newRow("declined: told why Pinlark asks")
        << SignInResult(SignInOutcome::ServiceError, QStringLiteral("access_denied"),
                        QStringLiteral("The user has denied access."))
        << true << true << "You declined the access";
    QTest::newRow("client refused: the client id and the redirect address named")
        << SignInResult(SignInOutcome::ServiceError, QStringLiteral("unauthorized_client"),
                        QStringLiteral("The client does not exist."))
        << true << true << "https://login.live.com/oauth20_desktop.srf";
    QTest::newRow("a request the service would not take: its words passed on")
        << SignInResult(SignInOutcome::ServiceError, QStringLiteral("invalid_request"),
                        QStringLiteral("The redirect is malformed."))
        << true << true << "invalid_request: The redirect is malformed.";
    QTest::newRow("an answer this sign-in did not ask for")
        << SignInResult(SignInOutcome::Forged) << true << true << "did not belong";
    QTest::newRow("closed on the service's error page naming the client")
        << SignInResult(SignInOutcome::ClosedOnErrorPage, QStringLiteral("AADSTS700016")) << true
        << true << "client id may be the cause";
    QTest::newRow("closed on an error page of other trouble")
        << SignInResult(SignInOutcome::ClosedOnErrorPage) << true << true << "did not finish";
}

void TestAppDelegate::signInOutcome()
{
    QFETCH(SignInResult, outcome);
    QFETCH(QString, saying);
    QStringList told;
    AppDelegate::Services services;
    services.runSignIn = [outcome](int) { return outcome; };
    services.notify = [&told](const QString &, const QString &text) { told << text; };
    launch(std::move(services));
    told.clear();
    // Without a tray the board shows from the start: look at a sign-in from the menu.
    m_app->window()->hide();
    m_app->MenuItemLoginClick();
    tick(2);
    QTEST(m_app->window()->isVisible(), "boardShown");
    QTEST(told.size() == 1, "told");
    if (!saying.isEmpty()) {
        QVERIFY2(told.value(0).contains(saying), qPrintable(told.value(0)));
        QVERIFY(MProblems::Texts(MProblems::Current()).join(u'\n').contains(saying));
        const auto *line =
            m_app->emptyBoard()->findChild<QLabel *>(QStringLiteral("emptyBoardProblem"));
        QCOMPARE(m_app->emptyBoard()->kind(), EmptyBoard::Kind::NotSignedIn);
        QVERIFY(!line->isHidden());
        QVERIFY(line->text().contains(saying));
        // A new sign-in starts with a clean slate.
        m_app->MenuItemLoginClick();
        QCOMPARE(told.size(), 2);
    }
}

void TestAppDelegate::setupTakesAClientIdThenSignsIn_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("typed into the board's setup") << "setup";
    QTest::newRow("an edited settings file") << "file";
}

void TestAppDelegate::setupTakesAClientIdThenSignsIn()
{
    QFETCH(QString, how);
    storeClientId(QString());
    int signIns = 0;
    AppDelegate::Services services;
    services.runSignIn = [&signIns](int) {
        ++signIns;
        return SignInOutcome::Closed;
    };
    launch(std::move(services));
    tick();
    // No client id: never the service's error page, the setup instead.
    QCOMPARE(signIns, 0);
    EmptyBoard *board = m_app->emptyBoard();
    QCOMPARE(board->kind(), EmptyBoard::Kind::Setup);
    QVERIFY(m_app->window()->isVisible());
    m_app->MenuItemLoginClick();
    QCOMPARE(signIns, 0);

    const QString id = QStringLiteral("7D0C9B1E-2F3A-4B5C-8D6E-0A1B2C3D4E5F");
    if (how == u"setup") {
        // A wrong id is told beside the field and kept out of the file.
        board->clientIdEdit()->setText(QStringLiteral("my-app"));
        QTest::keyClick(board->clientIdEdit(), Qt::Key_Return);
        QVERIFY(!board->findChild<QLabel *>(QStringLiteral("setupClientIdNote"))->isHidden());
        QCOMPARE(MConfig(g_ConfigFilePath.load()).ReadValueDefStr(QStringLiteral("ClientId"), {}),
                 QString());
        board->clientIdEdit()->setText(u'{' + id + u'}');
        // Enter in the empty search field presses the setup's main button.
        searchField()->clear();
        QTest::keyClick(searchField(), Qt::Key_Return);
    } else {
        MConfig edited(g_ConfigFilePath.load());
        edited.WriteValueStr(QStringLiteral("ClientId"), id.toLower());
        QVERIFY(edited.Save());
        QFile file(g_ConfigFilePath.load());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                 QFileDevice::FileModificationTime));
        file.close();
        tick();
    }
    QCOMPARE(g_OnlineOneNoteClientId.load(), id.toLower());
    QCOMPARE(MConfig(g_ConfigFilePath.load()).ReadValueDefStr(QStringLiteral("ClientId"), {}),
             id.toLower());
    // The sign-in opens by itself, once.
    QTRY_COMPARE(signIns, 1);
    tick(2);
    QCoreApplication::processEvents();
    QCOMPARE(signIns, 1);
    QCOMPARE(board->kind(), EmptyBoard::Kind::NotSignedIn);
}

void TestAppDelegate::enterOnTheEmptyBoardTakesItsNextStep()
{
    int signIns = 0;
    AppDelegate::Services services;
    services.runSignIn = [&signIns](int) {
        ++signIns;
        return SignInOutcome::Closed;
    };
    launch(std::move(services));
    tick();
    m_app->MenuItemPinlarkClick();
    EmptyBoard *board = m_app->emptyBoard();
    QCOMPARE(board->kind(), EmptyBoard::Kind::NotSignedIn);
    QCOMPARE(board->mainButton()->objectName(), u"signInButton");
    QVERIFY(board->mainButton()->isDefault());
    signIns = 0;
    QTest::keyClick(searchField(), Qt::Key_Return);
    QCOMPARE(signIns, 1);

    // Signed in, no page: Enter asks for the page, once.
    g_OnlineOneNoteAccessToken.store(QStringLiteral("a"));
    g_OnlineOneNoteRefreshToken.store(QStringLiteral("r"));
    g_OnlineOneNoteUserId.store(QStringLiteral("u"));
    g_PinlarkPageMissing = true;
    tick();
    QCOMPARE(board->kind(), EmptyBoard::Kind::NoPage);
    QCOMPARE(board->mainButton()->objectName(), u"createPageButton");
    QTest::keyClick(searchField(), Qt::Key_Return);
    const QString asked = g_PinlarkPageCreateHtml.load();
    QVERIFY(!asked.isEmpty());
    tick();
    QCOMPARE(board->kind(), EmptyBoard::Kind::Creating);
    QCOMPARE(board->mainButton(), nullptr);
    QTest::keyClick(searchField(), Qt::Key_Return);
    QCOMPARE(g_PinlarkPageCreateHtml.load(), asked);

    // The service refused: told on the board, where the button tries again.
    g_PinlarkPageCreateHtml.store(QString());
    g_PinlarkPageCreateFailure.store(
        PageCreateFailure{507, QStringLiteral("The notebook is full.")});
    tick();
    QCOMPARE(board->kind(), EmptyBoard::Kind::NoPage);
    const auto *line = board->findChild<QLabel *>(QStringLiteral("emptyBoardProblem"));
    QVERIFY(!line->isHidden());
    QVERIFY2(line->text().contains(u"507: The notebook is full."), qPrintable(line->text()));
    QVERIFY(MProblems::Has(MProblem::PageNotCreated));

    // Made: the page as created comes back as the board, with its starter items.
    g_PinlarkPageId.store(QStringLiteral("P1"));
    g_PinlarkPageMissing = false;
    g_PinlarkPageHtml.store(asked);
    tick();
    QVERIFY(!MProblems::Has(MProblem::PageNotCreated));
    QCOMPARE(board->kind(), EmptyBoard::Kind::None);
    QCOMPARE(tabLabels(tabView()),
             (QStringList{QStringLiteral("Start here"), QStringLiteral("Examples")}));
    const auto *examples = static_cast<MTabViewColumn *>(tabView()->widget(1));
    QCOMPARE(examples->m_ArrayItems().size(), 2);
    QCOMPARE(examples->m_ArrayItems().at(1).value, u"Address\n1 Example Street\n12345 Sample Town");
    g_PinlarkPageId.store(QString());
}

// A cached page past the read cap is never read into memory: the board starts
// empty, the user hears why, and the next download replaces the file.
void TestAppDelegate::oversizeCacheIsKeptUntilADownloadReplacesIt()
{
    {
        QFile cache(QDir(MGlobals::DataFolderPath()).filePath(QStringLiteral("pinlark.html")));
        QVERIFY(cache.open(QIODevice::WriteOnly));
        QVERIFY(cache.resize(qint64(64) * 1024 * 1024 + 1)); // sparse: costs no disk
    }
    launch();
    QVERIFY(MProblems::Has(MProblem::FileTooLarge));
    QCOMPARE(tabView()->count(), 0);
    QCOMPARE(QFileInfo(g_CacheFilePath.load()).size(), qint64(64) * 1024 * 1024 + 1);

    g_PinlarkPageHtml.store(kTwoTabs);
    tick();
    QCOMPARE(tabView()->count(), 2);
    QVERIFY(!MProblems::Has(MProblem::FileTooLarge));
    QCOMPARE(ReadPageFile(g_CacheFilePath.load()), std::optional(kTwoTabs));
}

void TestAppDelegate::signOutForgetsTheAccountFirst_data()
{
    QTest::addColumn<SignInOutcome>("outcome");
    QTest::addColumn<bool>("told");
    QTest::newRow("the web view cannot load: signed out all the same, and told")
        << SignInOutcome::Unavailable << true;
    QTest::newRow("the sign-out page closed unused") << SignInOutcome::Closed << false;
}

// Sign Out takes the account away before the browser part starts, and whether that
// part works or not.
void TestAppDelegate::signOutForgetsTheAccountFirst()
{
    QFETCH(SignInOutcome, outcome);
    g_OnlineOneNoteAccessToken.store(QStringLiteral("access"));
    g_OnlineOneNoteRefreshToken.store(QStringLiteral("refresh"));
    g_OnlineOneNoteUserId.store(QStringLiteral("user"));
    QStringList told;
    QStringList atBrowser; // what was left when the browser part began
    AppDelegate::Services services;
    services.runSignIn = [this, outcome, &atBrowser](int logInOrOut) {
        if (logInOrOut != 0)
            atBrowser << g_OnlineOneNoteRefreshToken.load()
                      << MConfig(g_ConfigFilePath.load())
                             .ReadValueDefStr(QStringLiteral("OnlineOneNoteRefreshToken"),
                                              QString())
                      << QString::number(tabView()->count())
                      << QString::number(QFileInfo::exists(g_CacheFilePath.load()));
        return outcome;
    };
    services.notify = [&told](const QString &, const QString &text) { told << text; };
    launch(std::move(services));
    MGlobals::SaveConfig();
    g_PinlarkPageHtml.store(kTwoTabs);
    g_PinlarkPageId.store(QStringLiteral("page"));
    tick();
    QCOMPARE(tabView()->count(), 2);
    QVERIFY(QFileInfo::exists(g_CacheFilePath.load()));

    m_app->MenuItemLogoutClick();
    QCOMPARE(atBrowser, QStringList({"", "", "0", "0"}));
    QVERIFY(!MGlobals::HasSignIn());
    QVERIFY(g_PinlarkPageId.load().isEmpty());
    QCOMPARE(m_app->emptyBoard()->kind(), EmptyBoard::Kind::NotSignedIn);
    QTEST(!told.isEmpty(), "told");
    // Nothing of the account comes back at the next start either.
    const MConfig saved(g_ConfigFilePath.load());
    for (const char *key :
         {"OnlineOneNoteAccessToken", "OnlineOneNoteRefreshToken", "OnlineOneNoteUserId"})
        QCOMPARE(saved.ReadValueDefStr(QLatin1String(key), QStringLiteral("(missing)")), QString());
}

void TestAppDelegate::boardKeys_data()
{
    // Keys: "↓" Down, "⌫" Backspace, "⎋" Escape, "▸" focus into the list shown
    // (the results while searching, else the tab's); anything else is typed.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    // The selected row of the list shown, the tab it comes from, and what Return
    // copies from wherever the focus ended up ("kept": nothing copied).
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("copied");
    const auto row = [](const char *title, const char *keys, const char *text, const char *name,
                        const char *tab, const char *copied) {
        QTest::newRow(title) << QString::fromUtf8(keys) << QString::fromUtf8(text)
                             << QString::fromUtf8(name) << QString::fromUtf8(tab)
                             << QString::fromUtf8(copied);
    };
    row("typing selects the first match", "hel", "hel", "Hello", "Mail", "Hello\nthere");
    row("a match from a later tab names it", "log", "log", "git", "Code", "git\ngit log hello");
    row("Down moves to the next match", "he↓", "he", "git", "Code", "git\ngit log hello");
    row("a keystroke after a move starts at the top again", "he↓l", "hel", "Hello", "Mail",
        "Hello\nthere");
    row("so does Backspace", "hel↓⌫", "he", "Hello", "Mail", "Hello\nthere");
    row("nothing found, nothing copied", "xyz", "xyz", "", "", "kept");
    row("typing in a tab's list searches", "▸by", "by", "Bye", "Mail", "Bye");
    row("typing in the results adds to the search", "g▸it", "git", "git", "Code",
        "git\ngit log hello");
    row("a space typed in a list counts", "▸t ", "t ", "git", "Code", "git\ngit log hello");
    row("Backspace in the results edits the search", "hell▸⌫", "hel", "Hello", "Mail",
        "Hello\nthere");
    row("Escape in the results ends the search", "hel▸⎋", "", "", "", "kept");
}

void TestAppDelegate::boardKeys()
{
    QFETCH(QString, keys);
    g_PinlarkPageHtml.store(kTwoTabs);
    launch();
    tick();
    m_app->MenuItemPinlarkClick();
    QVERIFY(QTest::qWaitForWindowActive(m_app->window()));
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    const ModelWatch watchResults(m_app->searchColumn()->tableView()->model());
    const auto shownList = [this] {
        return part("searchView")->isHidden()
                   ? static_cast<MTabViewColumn *>(tabView()->currentWidget())->tableView()
                   : m_app->searchColumn()->tableView();
    };
    for (const QChar key : keys) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        if (key == u'▸') {
            shownList()->setFocus();
            continue;
        }
        if (key == u'↓') {
            QTest::keyClick(focus, Qt::Key_Down);
            continue;
        }
        if (key == u'⌫')
            QTest::keyClick(focus, Qt::Key_Backspace);
        else if (key == u'⎋')
            QTest::keyClick(focus, Qt::Key_Escape);
        else
            QTest::keyClicks(focus, QString(key));
        // Every change of the search leaves its first result selected.
        if (!part("searchView")->isHidden() && shownList()->model()->rowCount() > 0)
            QCOMPARE(shownList()->selectedRow(), 0);
    }
    QTEST(searchField()->text(), "text");
    const MTableView *list = shownList();
    const QModelIndex selected = list->model()->index(list->selectedRow(), 0);
    QTEST(selected.data().toString(), "name");
    QTEST(selected.data(ItemListModel::TabLabelRole).toString(), "tab");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTEST(QGuiApplication::clipboard()->text(), "copied");
    QVERIFY(watchResults.rowsAsAnnounced());
}

void TestAppDelegate::tabShortcuts_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("inList");
    QTest::addColumn<bool>("searching");
    QTest::addColumn<int>("to");
    const int ctrl = Qt::ControlModifier;
    const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const int alt = Qt::AltModifier;
    QTest::newRow("Ctrl+Tab") << 0 << int(Qt::Key_Tab) << ctrl << false << false << 1;
    QTest::newRow("Ctrl+Tab round the end") << 2 << int(Qt::Key_Tab) << ctrl << false << false << 0;
    QTest::newRow("Ctrl+Shift+Tab as X11 sends it")
        << 0 << int(Qt::Key_Backtab) << ctrlShift << false << false << 2;
    QTest::newRow("Ctrl+Shift+Tab") << 1 << int(Qt::Key_Tab) << ctrlShift << false << false << 0;
    QTest::newRow("Ctrl+PageDown") << 1 << int(Qt::Key_PageDown) << ctrl << false << false << 2;
    QTest::newRow("Ctrl+PageUp") << 1 << int(Qt::Key_PageUp) << ctrl << false << false << 0;
    QTest::newRow("Alt+1") << 2 << int(Qt::Key_1) << alt << false << false << 0;
    QTest::newRow("Alt+3") << 0 << int(Qt::Key_3) << alt << false << false << 2;
    QTest::newRow("Alt+4: no such tab") << 1 << int(Qt::Key_4) << alt << false << false << 1;
    QTest::newRow("Ctrl+PageDown in a list")
        << 0 << int(Qt::Key_PageDown) << ctrl << true << false << 1;
    QTest::newRow("Alt+2 in a list") << 0 << int(Qt::Key_2) << alt << true << false << 1;
    QTest::newRow("Ctrl+Tab ends a search") << 0 << int(Qt::Key_Tab) << ctrl << false << true << 1;
    QTest::newRow("Alt+3 from the results") << 0 << int(Qt::Key_3) << alt << true << true << 2;
}

void TestAppDelegate::tabShortcuts()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, inList);
    QFETCH(bool, searching);
    g_PinlarkPageHtml.store(
        page(QStringLiteral("<h1>A</h1><p>a</p><h1>B</h1><p>b</p><h1>C</h1><p>c</p>")));
    launch();
    tick();
    m_app->MenuItemPinlarkClick();
    QVERIFY(QTest::qWaitForWindowActive(m_app->window()));
    tabView()->setCurrentIndex(from);
    if (searching)
        QTest::keyClicks(searchField(), QStringLiteral("b"));
    QWidget *target = searchField();
    if (inList) {
        target = searching ? m_app->searchColumn()->tableView()
                           : static_cast<MTabViewColumn *>(tabView()->currentWidget())->tableView();
        target->setFocus();
    }
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTEST(tabView()->currentIndex(), "to");
    QVERIFY(searchField()->text().isEmpty());
    QVERIFY(!tabView()->isHidden());
}

void TestAppDelegate::tabLabelsAndNamesStayReadable_data()
{
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("shortened");
    QTest::newRow("five tabs in the default width")
        << QStringList{u"Greetings"_qs, u"Addresses"_qs, u"Code"_qs, u"Symbols"_qs,
                       u"Customer replies"_qs}
        << 0;
    QTest::newRow("a label too long for any bar")
        << QStringList{u"Replies to customers who asked for a refund twice"_qs, u"Code"_qs} << 1;
    QTest::newRow("an ampersand is no accelerator") << QStringList{u"R&D"_qs} << 0;
}

void TestAppDelegate::tabLabelsAndNamesStayReadable()
{
    QFETCH(QStringList, labels);
    QString body;
    for (const QString &label : labels)
        body += u"<h1>" + QString(label).replace(u'&', u"&amp;"_qs) +
                u"</h1><p>A name much longer than the window is wide, which no one "
                u"would want to scroll sideways to read</p>";
    g_PinlarkPageHtml.store(page(body));
    launch();
    tick();
    m_app->MenuItemPinlarkClick();
    QVERIFY(QTest::qWaitForWindowExposed(m_app->window()));
    const QTabBar *bar = tabView()->tabBar();
    // Narrow or wide, a tab keeps its width: the bar scrolls instead of squeezing a
    // label into a few letters.
    m_app->window()->resize(1200, 600);
    QList<int> wide;
    for (int i = 0; i < labels.size(); ++i)
        wide << bar->tabRect(i).width();
    m_app->window()->resize(m_app->window()->minimumWidth(), 600);
    for (int i = 0; i < labels.size(); ++i)
        QCOMPARE(bar->tabRect(i).width(), wide[i]);
    int shortened = 0;
    for (int i = 0; i < labels.size(); ++i) {
        const QString shown = bar->tabText(i).replace(u"&&"_qs, u"&"_qs);
        if (shown != labels[i]) {
            ++shortened;
            QVERIFY2(shown.endsWith(u'…') && labels[i].startsWith(shown.chopped(1)),
                     qPrintable(shown));
        }
        QVERIFY(bar->tabToolTip(i).startsWith(labels[i]));

        const MTableView *list = static_cast<MTabViewColumn *>(tabView()->widget(i))->tableView();
        tabView()->setCurrentIndex(i);
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        QVERIFY(list->visualRect(list->model()->index(0, 0)).width() <= list->viewport()->width());
    }
    QTEST(shortened, "shortened");
}

void TestAppDelegate::linkConversionSaysWhatItDid()
{
    bool found = true;
    QStringList told;
    AppDelegate::Services services;
    services.convertClipboardLink = [&found] { return found; };
    services.notify = [&told](const QString &, const QString &text) { told << text; };
    launch(std::move(services));
    m_app->MenuItemDecompositionClipboardLinkClick();
    found = false;
    m_app->MenuItemDecompositionClipboardLinkClick();
    QCOMPARE(told.size(), 2);
    QVERIFY(told.at(0) != told.at(1));
}

// One Pinlark per data folder: a second start hands over to the running one, and
// the socket of one that crashed does not keep the next one from starting.
void TestAppDelegate::secondStartHandsOver()
{
    const QString folder = m_dir->filePath(QStringLiteral("running"));
    SingleInstance first(folder);
    QVERIFY(!first.handOverToRunning());
    QVERIFY(first.listen());
    QSignalSpy shown(&first, &SingleInstance::showRequested);

    QVERIFY(SingleInstance(folder).handOverToRunning());
    QTRY_COMPARE(shown.count(), 1);
    QSignalSpy toggled(&first, &SingleInstance::toggleRequested);
    QVERIFY(SingleInstance(folder).handOverToRunning(SingleInstance::Request::Toggle));
    QTRY_COMPARE(toggled.count(), 1);
    QCOMPARE(shown.count(), 1);
    // Another data folder is another Pinlark.
    QVERIFY(!SingleInstance(m_dir->filePath(QStringLiteral("other"))).handOverToRunning());
    QCOMPARE(shown.count(), 1);
}

void TestAppDelegate::staleSocketDoesNotBlockAStart()
{
#ifndef Q_OS_UNIX
    QSKIP("Only a Unix socket file outlives the process that made it");
#else
    const QString folder = m_dir->filePath(QStringLiteral("crashed"));
    QString path;
    {
        SingleInstance crashed(folder);
        QVERIFY(crashed.listen());
        const auto *server = crashed.findChild<QLocalServer *>();
        QVERIFY(server);
        path = server->fullServerName();
        // A crash skips the clean close, which removes the file: hide it from that.
        QVERIFY(QFile::rename(path, path + u".kept"));
    }
    QVERIFY(QFile::rename(path + u".kept", path));

    SingleInstance next(folder);
    QVERIFY(!next.handOverToRunning());
    QVERIFY(next.listen());
    QSignalSpy shown(&next, &SingleInstance::showRequested);
    QVERIFY(SingleInstance(folder).handOverToRunning());
    QTRY_COMPARE(shown.count(), 1);
#endif
}

void TestAppDelegate::socketHearsOnlyShortWholeMessages_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("later"); // sent after a pause; empty: nothing more
    QTest::addColumn<int>("pauseMs");
    QTest::addColumn<bool>("shown");
    QTest::newRow("a message in pieces") << QByteArray("sh") << QByteArray("ow\n") << 200 << true;
    QTest::newRow("a message of 64 bytes at most")
        << QByteArray("show") + QByteArray(59, ' ') + '\n'
        << QByteArray() << 0 << false;
    QTest::newRow("a line past 64 bytes") << QByteArray(64, 'x') + "\nshow\n"
                                          << QByteArray() << 0 << false;
    QTest::newRow("64 MB without an end")
        << QByteArray(64 << 20, 'x') << QByteArray() << 0 << false;
    QTest::newRow("a client too slow to finish")
        << QByteArray("sh") << QByteArray("ow\n") << SingleInstance::kMessageTimeoutMs + 500
        << false;
}

// What a client sends never grows the app: the connection closes on a line longer
// than a message, and on one that does not end in time.
void TestAppDelegate::socketHearsOnlyShortWholeMessages()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, later);
    QFETCH(int, pauseMs);
    SingleInstance running(m_dir->filePath(QStringLiteral("guarded")), m_dir->path());
    QVERIFY(running.listen());
    QSignalSpy shown(&running, &SingleInstance::showRequested);

    QLocalSocket client;
    client.connectToServer(running.socketPath());
    QVERIFY(client.waitForConnected(1000));
    client.write(first);
    if (!later.isEmpty()) {
        QTest::qWait(pauseMs);
        client.write(later);
    }
    QTRY_VERIFY_WITH_TIMEOUT(client.state() == QLocalSocket::UnconnectedState,
                             SingleInstance::kMessageTimeoutMs + 2000);
    QTEST(!shown.isEmpty(), "shown");
    // Still listening for the next one.
    QVERIFY(SingleInstance(m_dir->filePath(QStringLiteral("guarded")), m_dir->path())
                .handOverToRunning());
    QTRY_COMPARE(shown.size(),
                 1 + int(QTest::currentDataTag() == QByteArray("a message in pieces")));
}

void TestAppDelegate::anotherUserIsNeitherHeardNorInTheWay_data()
{
    QTest::addColumn<QString>("situation");
    QTest::newRow("a connection from another user is closed unheard") << "peer";
    QTest::newRow("another user's file at the socket's path") << "socket path";
    QTest::newRow("another user's folder where the private one goes") << "folder";
}

// Only root can act as another user, which is how CI runs.
void TestAppDelegate::anotherUserIsNeitherHeardNorInTheWay()
{
#ifndef Q_OS_UNIX
    QSKIP("Users and their sockets are Unix's");
#else
    if (getuid() != 0)
        QSKIP("Acting as another user needs root");
    QFETCH(QString, situation);
    constexpr uid_t kOther = 65534;
    const QString key = m_dir->filePath(QStringLiteral("shared"));

    if (situation == u"peer") {
        SingleInstance running(key, m_dir->path());
        QVERIFY(running.listen());
        QSignalSpy shown(&running, &SingleInstance::showRequested);
        // Opened to everyone here, so that the other user reaches it at all.
        QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7777)));
        chmod(QFile::encodeName(running.socketPath()).constData(), 0777);
        const QByteArray path = QFile::encodeName(running.socketPath());
        const pid_t child = fork();
        if (child == 0) {
            // Raw calls only: this is a copy of a Qt process.
            alarm(10);
            if (setgid(kOther) != 0 || setuid(kOther) != 0)
                _exit(2);
            const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address = {};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
            if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
                _exit(3);
            if (write(fd, "show\n", 5) != 5)
                _exit(4);
            char byte = 0;
            // Closed by the app (reset, since the message was left unread).
            _exit(read(fd, &byte, 1) <= 0 ? 0 : 5);
        }
        int status = -1;
        bool ended = false;
        QTRY_VERIFY_WITH_TIMEOUT(ended || (ended = waitpid(child, &status, WNOHANG) == child),
                                 10000);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(shown.size(), 0);
        return;
    }

    QString folder = m_dir->path();
    if (situation == u"folder") {
        const QByteArray tmp = qgetenv("TMPDIR");
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const auto restore = qScopeGuard([tmp, runtime] {
            qputenv("TMPDIR", tmp);
            qputenv("XDG_RUNTIME_DIR", runtime);
        });
        qputenv("TMPDIR", QFile::encodeName(m_dir->path()));
        qunsetenv("XDG_RUNTIME_DIR");
        const QString taken = m_dir->filePath(QStringLiteral("pinlark-%1").arg(getuid()));
        QVERIFY(QDir().mkdir(taken));
        QCOMPARE(chown(QFile::encodeName(taken).constData(), kOther, kOther), 0);
        folder = SingleInstance::SocketFolder();
        QCOMPARE(folder, QString());
    } else {
        const QString taken = SingleInstance(key, folder).socketPath();
        QFile file(taken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(chown(QFile::encodeName(taken).constData(), kOther, kOther), 0);
    }
    // The app starts, alone, and what the other user made stays.
    SingleInstance instance(key, folder);
    QVERIFY(!instance.handOverToRunning());
    QVERIFY(!instance.listen());
    if (!folder.isEmpty())
        QVERIFY(QFileInfo::exists(instance.socketPath()));
#endif
}

void TestAppDelegate::globalShortcutShowsAndHides()
{
    // No tray here: the board shows at start, and hides by minimising.
    launch();
    QVERIFY(QTest::qWaitForWindowActive(m_app->window()));
    m_app->globalShortcutActivated();
    QVERIFY(!m_app->window()->isVisible() || m_app->window()->isMinimized());
    // From anywhere it comes back, whole, with the search field ready for typing.
    searchField()->setText(QStringLiteral("old search"));
    m_app->globalShortcutActivated();
    QVERIFY(m_app->window()->isVisible());
    QVERIFY(!m_app->window()->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(m_app->window()));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(searchField()));
    QCOMPARE(searchField()->selectedText(), u"old search");
}

void TestAppDelegate::preferencesApplyAtOnce()
{
    g_PinlarkPageHtml.store(kTwoTabs);
    launch();
    tick();
    QCOMPARE(m_app->preferences().globalShortcut, u"Ctrl+Alt+V");
    MProblems::Raise(MProblem::ClientRejected);
    const QString validId = QStringLiteral("0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d");

    // Driven from inside the window's modal loop; looked at once it has closed.
    bool invalidNoted = false;
    bool invalidKept = true;
    bool closedByEscape = false;
    bool tabLeftField = false;
    bool bareKeyRefused = false;
    QTimer::singleShot(0, m_app.get(), [&] {
        QWidget *window = QApplication::activeModalWidget();
        if (!window)
            return;
        window->findChild<QCheckBox *>(QStringLiteral("copyWithoutNameCheck"))->click();
        window->findChild<QCheckBox *>(QStringLiteral("copyFormattingCheck"))->click();
        window->findChild<QCheckBox *>(QStringLiteral("orderByUseCheck"))->click();
        auto *keys = window->findChild<QKeySequenceEdit *>(QStringLiteral("shortcutEdit"));
        // Tab leaves the field instead of becoming the shortcut.
        keys->setFocus();
        QTest::keyClick(keys, Qt::Key_Tab);
        tabLeftField = window->focusWidget() ==
                           window->findChild<QWidget *>(QStringLiteral("shortcutClearButton")) &&
                       keys->keySequence() == QKeySequence(QStringLiteral("Ctrl+Alt+V"));
        // A bare letter is no global shortcut: the one before stays.
        keys->setKeySequence(QKeySequence(QStringLiteral("V")));
        emit keys->editingFinished();
        bareKeyRefused = keys->keySequence() == QKeySequence(QStringLiteral("Ctrl+Alt+V")) &&
                         !window->findChild<QLabel *>(QStringLiteral("shortcutNote"))->isHidden() &&
                         MConfig(g_ConfigFilePath.load())
                             .ReadValueDefStr(QStringLiteral("GlobalShortcut"), {})
                             .isEmpty();
        keys->setKeySequence(QKeySequence(QStringLiteral("Ctrl+Alt+K, Ctrl+Alt+L")));
        emit keys->editingFinished();
        auto *clientId = window->findChild<QLineEdit *>(QStringLiteral("clientIdEdit"));
        clientId->setText(QStringLiteral("my-app"));
        emit clientId->editingFinished();
        invalidNoted = !window->findChild<QLabel *>(QStringLiteral("clientIdNote"))->isHidden();
        invalidKept =
            MConfig(g_ConfigFilePath.load()).ReadValueDefStr(QStringLiteral("ClientId"), {}) ==
            kClientId;
        // Typed and closed at once: still taken.
        clientId->setText(validId);
        QTest::keyClick(window, Qt::Key_Escape);
        closedByEscape = !window->isVisible();
    });
    QTimer::singleShot(5000, qApp, [] {
        if (QWidget *left = QApplication::activeModalWidget())
            left->close();
    });
    m_app->MenuItemPreferencesClick();
    QVERIFY(closedByEscape);
    QVERIFY(tabLeftField);
    QVERIFY(bareKeyRefused);
    QVERIFY(invalidNoted);
    QVERIFY2(invalidKept, "a client id that is not a GUID must not be saved");

    // Each choice is in the file, with the keys it did not touch kept.
    const MConfig saved(g_ConfigFilePath.load());
    QCOMPARE(saved.ReadValueDefStr(QStringLiteral("ClientId"), {}), validId);
    QCOMPARE(g_OnlineOneNoteClientId.load(), validId);
    QVERIFY(!MProblems::Has(MProblem::ClientRejected));
    QCOMPARE(saved.ReadValueDefStr(QStringLiteral("GlobalShortcut"), {}), u"Ctrl+Alt+K");
    QVERIFY(saved.ReadValueDefBool(QStringLiteral("CopyWithoutName"), false));
    QVERIFY(!saved.ReadValueDefBool(QStringLiteral("CopyFormatting"), true));
    QVERIFY(!m_app->preferences().copyFormatting);
    QVERIFY(saved.ReadValueDefBool(QStringLiteral("OrderByUse"), false));
    QCOMPARE(saved.ReadValueDefInt(QStringLiteral("PasteAfterCopy"), -1), -1);

    // And in effect: a copy leaves the name line out.
    auto *mail = static_cast<MTabViewColumn *>(tabView()->widget(0));
    mail->tableView()->selectFirstRow();
    const QString counts =
        QFileInfo(g_CacheFilePath.load()).dir().filePath(QStringLiteral("usecounts.json"));
    QVERIFY(!QFileInfo::exists(counts));
    mail->onAction();
    QCOMPARE(QGuiApplication::clipboard()->text(), u"there");
    // Ordering by use counts the copy, in the data folder.
    QVERIFY(QFileInfo::exists(counts));
    g_OnlineOneNoteClientId.store(kClientId);
}

void TestAppDelegate::startAtLoginShowsWhatIsOnDisk()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    qputenv("XDG_CONFIG_HOME", m_dir->filePath(QStringLiteral("config")).toUtf8());
    launch();
    QAction *action = m_app->startAtLoginAction();
    QVERIFY(action);
    action->trigger();
    QVERIFY(action->isChecked());
    QFile entry(Autostart::EntryPath());
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QByteArray exec = "Exec=\"" + QCoreApplication::applicationFilePath().toUtf8();
    QVERIFY(entry.readAll().contains(exec));
    entry.close();
    // Removed behind the app's back: the mark follows when the menu opens.
    QVERIFY(entry.remove());
    emit m_app->statusMenu()->aboutToShow();
    QVERIFY(!action->isChecked());
    action->trigger();
    action->trigger();
    QVERIFY(!action->isChecked());
    QVERIFY(!QFile::exists(Autostart::EntryPath()));
    qunsetenv("XDG_CONFIG_HOME");
#endif
}

void TestAppDelegate::addSnippet_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("boardCopied"); // the board put it there
    QTest::addColumn<QString>("typed");    // replaces the field's text; "" keeps it
    QTest::addColumn<QString>("tab");      // typed into the tab field; "" keeps the one shown
    QTest::addColumn<int>("key");          // the key that ends the window
    QTest::addColumn<QString>("offered");
    // The snippet kept, or "" for none: its text, tab and the tab's place.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("savedTab");
    QTest::addColumn<int>("savedIndex");
    QTest::addColumn<QStringList>("tabs"); // the board's tabs afterwards

    const QStringList both{QStringLiteral("Mail"), QStringLiteral("Code")};
    QTest::newRow("text copied elsewhere is offered, Ctrl+Enter adds it to the tab shown")
        << "From elsewhere\nsecond" << false << ""
        << "" << int(Qt::Key_Return) << "From elsewhere\nsecond"
        << "From elsewhere\nsecond"
        << "Code" << 1 << both;
    QTest::newRow("what the board copied is not offered") << "git\ngit log hello" << true << "Typed"
                                                          << "" << int(Qt::Key_Enter) << ""
                                                          << "Typed"
                                                          << "Code" << 1 << both;
    QTest::newRow("a new tab by name, without the blanks around it")
        << "" << false << "Idea"
        << " Ideas " << int(Qt::Key_Return) << ""
        << "Idea"
        << "Ideas" << -1
        << QStringList{QStringLiteral("Mail"), QStringLiteral("Code"), QStringLiteral("Ideas")};
    QTest::newRow("an existing tab typed by name is that tab")
        << "" << false << "x"
        << "Mail" << int(Qt::Key_Return) << ""
        << "x"
        << "Mail" << 0 << both;
    QTest::newRow("Escape cancels") << "Some text" << false << ""
                                    << "" << int(Qt::Key_Escape) << "Some text"
                                    << ""
                                    << "" << -1 << both;
    QTest::newRow("blank text is not saved, the window stays") << "" << false << "   "
                                                               << "" << int(Qt::Key_Return) << ""
                                                               << ""
                                                               << "" << -1 << both;
}

void TestAppDelegate::addSnippet()
{
    QFETCH(QString, clipboard);
    QFETCH(bool, boardCopied);
    QFETCH(QString, typed);
    QFETCH(QString, tab);
    QFETCH(int, key);
    QFETCH(QString, text);

    g_PinlarkPageHtml.store(kTwoTabs);
    launch();
    tick();
    tabView()->setCurrentIndex(1);
    QGuiApplication::clipboard()->setText(clipboard);
    if (boardCopied)
        m_app->showCopied2Clipboard();
    m_app->MenuItemPinlarkClick();
    QVERIFY(QTest::qWaitForWindowActive(m_app->window()));
    QTest::keyClick(m_app->window(), Qt::Key_N, Qt::ControlModifier);
    QPointer<MWinAddSnippet> window = m_app->addSnippetWindow();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto *field = window->findChild<QPlainTextEdit *>(QStringLiteral("snippetText"));
    QCOMPARE(QApplication::focusWidget(), field);
    QTEST(field->toPlainText(), "offered");
    if (!typed.isEmpty())
        QTest::keyClicks(field, typed); // the offered text is selected: typing replaces it
    if (!tab.isEmpty())
        window->findChild<QComboBox *>(QStringLiteral("snippetTab"))->setEditText(tab);
    // Saved from the text field, where Enter alone is a line break.
    QTest::keyClick(field, Qt::Key(key),
                    key == Qt::Key_Escape ? Qt::NoModifier : Qt::ControlModifier);
    QCoreApplication::processEvents();

    const SnippetOutbox outbox = g_SnippetOutbox.load();
    QCOMPARE(outbox.size(), text.isEmpty() ? 0 : 1);
    QCOMPARE(window && window->isVisible(), text.isEmpty() && key != Qt::Key_Escape);
    QTEST(tabLabels(tabView()), "tabs");
    if (window)
        window->close();
    if (text.isEmpty())
        return;
    QCOMPARE(outbox.first().text, text);
    QTEST(outbox.first().tab, "savedTab");
    QTEST(outbox.first().tabIndex, "savedIndex");
    // On the board at once, marked, and kept on disk for the owner alone: a new
    // start shows it again.
    const QString name = text.section(u'\n', 0, 0) + QStringLiteral(" (adding…)");
    const auto marked = [this, &name] {
        for (int i = 0; i < tabView()->count(); ++i) {
            const auto *column = static_cast<MTabViewColumn *>(tabView()->widget(i));
            for (const MNameValue &item : column->m_ArrayItems()) {
                if (item.name() == name)
                    return column->label();
            }
        }
        return QString();
    };
    QTEST(marked(), "savedTab");
    const QFileInfo file(QDir(MGlobals::DataFolderPath()).filePath(QStringLiteral("outbox.json")));
    QCOMPARE(file.permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    m_app.reset();
    g_SnippetOutbox.store({});
    launch();
    QCOMPARE(g_SnippetOutbox.load(), outbox);
    QTEST(marked(), "savedTab");
}

void TestAppDelegate::signOutAsksAboutWaitingSnippets_data()
{
    using Choice = AppDelegate::WaitingSnippetsChoice;
    QTest::addColumn<Choice>("choice");
    QTest::addColumn<int>("keptSnippets");
    QTest::addColumn<bool>("signedOutAtOnce");
    QTest::newRow("discard: they go, the sign-out goes ahead") << Choice::Discard << 1 << true;
    QTest::newRow("cancel: nothing happens") << Choice::Cancel << 3 << false;
    QTest::newRow("send first: the sign-out waits for them") << Choice::SendFirst << 3 << false;
}

void TestAppDelegate::signOutAsksAboutWaitingSnippets()
{
    QFETCH(AppDelegate::WaitingSnippetsChoice, choice);
    QFETCH(int, keptSnippets);
    QFETCH(bool, signedOutAtOnce);
    g_OnlineOneNoteAccessToken.store(QStringLiteral("a"));
    g_OnlineOneNoteRefreshToken.store(QStringLiteral("r"));
    g_OnlineOneNoteUserId.store(QStringLiteral("me"));
    const auto snippet = [](const char *id, const char *userId, PendingSnippet::State state) {
        PendingSnippet s;
        s.id = QString::fromLatin1(id);
        s.text = QStringLiteral("t");
        s.tab = QStringLiteral("Mail");
        s.userId = QString::fromLatin1(userId);
        s.state = state;
        return s;
    };
    // Mine refused, mine written before any sign-in, and another account's.
    g_SnippetOutbox.store({snippet("1", "me", PendingSnippet::State::Refused),
                           snippet("2", "", PendingSnippet::State::Unconfirmed),
                           snippet("3", "other", PendingSnippet::State::Waiting)});
    int signOuts = 0;
    qsizetype asked = -1;
    AppDelegate::Services services;
    services.runSignIn = [&signOuts](int logInOrOut) {
        signOuts += logInOrOut;
        return SignInOutcome::Closed;
    };
    services.askAboutWaitingSnippets = [&asked, choice](qsizetype waiting) {
        asked = waiting;
        return choice;
    };
    launch(std::move(services));
    m_app->MenuItemLogoutClick();
    QCOMPARE(asked, 2);
    QCOMPARE(g_SnippetOutbox.load().size(), keptSnippets);
    QCOMPARE(signOuts, signedOutAtOnce ? 1 : 0);
    if (choice != AppDelegate::WaitingSnippetsChoice::SendFirst)
        return;
    // Once the worker has sent them, the sign-out follows by itself.
    tick();
    QCoreApplication::processEvents();
    QCOMPARE(signOuts, 0);
    g_SnippetOutbox.store({snippet("3", "other", PendingSnippet::State::Waiting)});
    tick();
    QTRY_COMPARE(signOuts, 1);
}

QTEST_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
