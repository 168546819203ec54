#include "app/AppDelegate.h"
#include "app/MConfig.h"
#include "app/MGlobals.h"
#include "app/MProblems.h"
#include "board/MSearchField.h"
#include "board/MTabViewColumn.h"
#include "board/MTableView.h"
#include "board/PageFile.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString page(const QString &body)
{
    return QStringLiteral("<html><body><div>") + body + QStringLiteral("</div></body></html>");
}

const QString kTwoTabs =
    page(QStringLiteral("<h1>Mail</h1><p>Hello</p><p>there</p><br/><br/><p>Bye</p><br/><br/>"
                        "<h1>Code</h1><p>git</p><p>git log hello</p>"));

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
    void newPageRebuildsAndKeepsTab();
    void samePageOnlyStopsProgress();
    void statusLookFollowsSignIn_data();
    void statusLookFollowsSignIn();
    void copyShowsNoticeForThreeTicks();
    void searchAcrossTabs();
    void keyboardCopiesSelection();
    void timerRestsWhileModal();
    void geometrySavedOnlyWhenChanged();
    void signInAskedOnlyWithoutRefreshToken_data();
    void signInAskedOnlyWithoutRefreshToken();
    void quitEndsModalLoopsAndSavesOnce();
    void problemsToldOnceAndActedOn();

private:
    void launch(AppDelegate::Services services = {});
    void tick(int times = 1);

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
    for (const MProblem problem : MProblems::kAll)
        MProblems::Clear(problem);
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
    QCOMPARE(tabLabels(m_app->tabView()), QStringList({u"Mail"_qs, u"Code"_qs}));
    auto *mail = static_cast<MTabViewColumn *>(m_app->tabView()->widget(0));
    QAbstractItemModelTester tester(mail->tableView()->model());
    QCOMPARE(mail->tableView()->model()->rowCount(), 2);
    QCOMPARE(mail->tableView()->model()->index(0, 0).data().toString(), u"Hello");
    QVERIFY(m_app->progressInd()->isHidden());
}

void TestAppDelegate::newPageRebuildsAndKeepsTab()
{
    launch();
    QCOMPARE(m_app->tabView()->count(), 0);
    g_PinlarkPageHtml.store(kTwoTabs);
    tick();
    QCOMPARE(m_app->tabView()->count(), 2);
    QCOMPARE(ReadPageFile(g_CacheFilePath.load()), std::optional(kTwoTabs));

    m_app->tabView()->setCurrentIndex(1);
    const QString reordered =
        page(QStringLiteral("<h1>New</h1><h1>Code</h1><p>x</p><h1>Mail</h1>"));
    g_PinlarkPageHtml.store(reordered);
    tick();
    QCOMPARE(tabLabels(m_app->tabView()), QStringList({u"New"_qs, u"Code"_qs, u"Mail"_qs}));
    QCOMPARE(m_app->tabView()->currentIndex(), 1);

    // A download cut short keeps the board and the cached page, and says so.
    g_PinlarkPageHtml.store(reordered.left(reordered.size() - 10));
    tick();
    QCOMPARE(tabLabels(m_app->tabView()), QStringList({u"New"_qs, u"Code"_qs, u"Mail"_qs}));
    QCOMPARE(ReadPageFile(g_CacheFilePath.load()), std::optional(reordered));
    QVERIFY(MProblems::Has(MProblem::PageUnreadable));
    g_PinlarkPageHtml.store(kTwoTabs);
    tick();
    QCOMPARE(tabLabels(m_app->tabView()), QStringList({u"Mail"_qs, u"Code"_qs}));
    QVERIFY(!MProblems::Has(MProblem::PageUnreadable));
}

void TestAppDelegate::samePageOnlyStopsProgress()
{
    const QString cache = QDir(MGlobals::DataFolderPath()).filePath(QStringLiteral("pinlark.html"));
    QVERIFY(WritePageFile(cache, kTwoTabs));
    launch();
    m_app->progressInd()->show();
    const QDateTime written = QFileInfo(cache).lastModified();
    QFile::remove(cache);
    g_PinlarkPageHtml.store(kTwoTabs);
    tick();
    QVERIFY(m_app->progressInd()->isHidden());
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
    auto *mail = static_cast<MTabViewColumn *>(m_app->tabView()->widget(0));
    MTableView *list = mail->tableView();
    const QRect second = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Bye");
    QVERIFY(!m_app->labelCopied()->isHidden());
    tick(2);
    QVERIFY(!m_app->labelCopied()->isHidden());
    // A second copy during the countdown starts it over.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    tick(2);
    QVERIFY(!m_app->labelCopied()->isHidden());
    tick();
    QVERIFY(m_app->labelCopied()->isHidden());

    // A click below the last row selects nothing and copies nothing.
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    list->clearSelection();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->height() - 5));
    QCOMPARE(QGuiApplication::clipboard()->text(), u"kept");
    QVERIFY(m_app->labelCopied()->isHidden());
}

void TestAppDelegate::searchAcrossTabs()
{
    g_PinlarkPageHtml.store(kTwoTabs);
    launch();
    tick();
    QTest::keyClicks(m_app->searchField(), QStringLiteral("HELLO"));
    QVERIFY(m_app->tabView()->isHidden());
    QVERIFY(!m_app->searchView()->isHidden());
    const QAbstractItemModel *results = m_app->searchColumn()->tableView()->model();
    QCOMPARE(results->rowCount(), 2);
    QCOMPARE(results->index(0, 0).data().toString(), u"Hello");
    QCOMPARE(results->index(1, 0).data().toString(), u"git");

    m_app->searchField()->setText(QStringLiteral("nothing like it"));
    QCOMPARE(results->rowCount(), 0);
    QVERIFY(m_app->tabView()->isHidden());

    QTest::keyClick(m_app->searchField(), Qt::Key_Escape);
    QVERIFY(m_app->searchField()->text().isEmpty());
    QVERIFY(!m_app->tabView()->isHidden());
    QVERIFY(m_app->searchView()->isHidden());
}

void TestAppDelegate::keyboardCopiesSelection()
{
    g_PinlarkPageHtml.store(kTwoTabs);
    launch();
    tick();
    m_app->MenuItemPinlarkClick();
    QTest::keyClicks(m_app->searchField(), QStringLiteral("git"));
    QTest::keyClick(m_app->searchField(), Qt::Key_Down);
    QTest::keyClick(m_app->searchField(), Qt::Key_Return);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"git\ngit log hello");
    QVERIFY(!m_app->labelCopied()->isHidden());
}

void TestAppDelegate::timerRestsWhileModal()
{
    launch();
    g_PinlarkPageHtml.store(kTwoTabs);
    QDialog dialog;
    QTimer::singleShot(0, &dialog, [&] {
        m_app->TimerRun();
        QCOMPARE(m_app->tabView()->count(), 0);
        dialog.reject();
    });
    dialog.exec();
    QCOMPARE(g_PinlarkPageHtml.load(), kTwoTabs);
    tick();
    QCOMPARE(m_app->tabView()->count(), 2);
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
    QTest::newRow("nothing stored") << ""
                                    << ""
                                    << "" << true;
    QTest::newRow("signed in") << "a"
                               << "r"
                               << "u" << false;
    // A refresh that got no answer before the last exit: the worker renews it.
    QTest::newRow("refresh cut short") << ""
                                       << "r"
                                       << "u" << false;
    QTest::newRow("user id still to fetch") << "a"
                                            << "r"
                                            << "" << false;
    QTest::newRow("token without refresh or user id") << "a"
                                                      << ""
                                                      << "" << true;
}

void TestAppDelegate::signInAskedOnlyWithoutRefreshToken()
{
    QFETCH(QString, access);
    QFETCH(QString, refresh);
    QFETCH(QString, userId);
    g_OnlineOneNoteAccessToken.store(access);
    g_OnlineOneNoteRefreshToken.store(refresh);
    g_OnlineOneNoteUserId.store(userId);
    int asked = 0;
    AppDelegate::Services services;
    services.runSignIn = [&asked](int) { ++asked; };
    launch(std::move(services));
    QTEST(asked == 1, "asked");
    QCOMPARE(g_OnlineOneNoteRefreshToken.load(), refresh);
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
    services.runSignIn = [&signIns](int) { ++signIns; };
    g_OnlineOneNoteAccessToken.store(QStringLiteral("a"));
    g_OnlineOneNoteUserId.store(QStringLiteral("u"));
    launch(std::move(services));

    // A standing problem, or one that comes back within the hour, is told once.
    MProblems::Raise(MProblem::SaveFailed);
    tick(3);
    MProblems::Clear(MProblem::SaveFailed);
    tick();
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
    g_OnlineOneNoteClientId.store(QString::fromLatin1(MGlobals::kDefaultClientId));
}

QTEST_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
