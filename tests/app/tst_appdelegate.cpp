#include "app/AppDelegate.h"
#include "app/MGlobals.h"
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

private:
    void launch();
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
    for (auto *value : {&g_OnlineOneNoteAccessToken, &g_OnlineOneNoteUserId, &g_PinlarkPageHtml})
        value->store({});
    g_WindowWidth.store(360);
    g_WindowHeight.store(600);
}

void TestAppDelegate::cleanup()
{
    m_app.reset();
}

void TestAppDelegate::launch()
{
    m_app = std::make_unique<AppDelegate>();
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

    // A page that does not parse empties the board; the next one selects its first tab.
    g_PinlarkPageHtml.store(QStringLiteral("<h1>broken"));
    tick();
    QCOMPARE(m_app->tabView()->count(), 0);
    g_PinlarkPageHtml.store(kTwoTabs);
    tick();
    QCOMPARE(m_app->tabView()->currentIndex(), 0);
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
    launch();
    m_app->applicationWillTerminate();
    const QString settings = g_ConfigFilePath.load();
    QFile::remove(settings);

    m_app->applicationWillTerminate();
    QVERIFY2(!QFileInfo::exists(settings), "unchanged geometry must not rewrite the settings");

    m_app->window()->resize(m_app->window()->width() - 1, m_app->window()->height());
    m_app->applicationWillTerminate();
    QVERIFY(QFileInfo::exists(settings));
    QCOMPARE(g_WindowWidth.load(), double(m_app->window()->width()));
}

QTEST_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
