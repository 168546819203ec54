// What a screen reader is told about the board: every widget a user reaches has a
// name (and, where the name alone does not say how to use it, a description), in
// the user's language, and a copy is announced.

#include "PinlarkTranslations.h"
#include "app/AppDelegate.h"
#include "board/Announcement.h"
#include "board/EmptyBoard.h"
#include "board/MTabViewColumn.h"
#include "board/MTableView.h"
#include "core/MConfig.h"
#include "core/MGlobals.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kPage = QStringLiteral("<html><body><div><h1>Mail</h1><p>Hello</p><br/><br/>"
                                     "<p>Bye</p></div></body></html>");

QString accessibleText(QAccessibleInterface *face, QAccessible::Text kind)
{
    return face ? face->text(kind) : QStringLiteral("(no accessible interface)");
}

} // namespace

class TestBoardAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void namesAndDescriptions_data();
    void namesAndDescriptions();
    void copyIsAnnounced();

private:
    void launch();
    // What a screen reader reaches: a widget's accessible interface, or a tab's.
    QAccessibleInterface *reach(const QString &which) const;

    QTemporaryDir m_Dir;
    std::unique_ptr<AppDelegate> m_App;
};

void TestBoardAccessibility::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Pinlark"));
    // Nothing here signs in or raises a problem: one data folder serves every test,
    // its cached page removed at each launch.
    QVERIFY(m_Dir.isValid());
    qputenv("XDG_DATA_HOME", m_Dir.path().toUtf8());
    QVERIFY(QDir().mkpath(MGlobals::DataFolderPath()));
    // A client id, as a user gives it: the board asks for a sign-in, not for an id.
    MConfig settings(QDir(MGlobals::DataFolderPath()).filePath(QStringLiteral("zanapp.plist")));
    settings.WriteValueStr(QStringLiteral("ClientId"),
                           QStringLiteral("0f3b2c1d-4e5f-4a6b-8c7d-9e0f1a2b3c4d"));
    QVERIFY(settings.Save());
}

void TestBoardAccessibility::cleanup()
{
    m_App.reset();
    InstallPinlarkTranslations(*QCoreApplication::instance(), QLocale(QLocale::English),
                               {QStringLiteral(":/i18n")});
}

void TestBoardAccessibility::launch()
{
    // Not signed in, no page yet: the empty board explains; then a page arrives,
    // and its tab is there beside the explanation's widgets, now hidden.
    QFile::remove(QDir(MGlobals::DataFolderPath()).filePath(QStringLiteral("pinlark.html")));
    m_App = std::make_unique<AppDelegate>();
    m_App->awakeFromNib();
    m_App->applicationDidFinishLaunching();
    g_PinlarkPageHtml.store(kPage);
    m_App->TimerRun();
}

QAccessibleInterface *TestBoardAccessibility::reach(const QString &which) const
{
    QWidget *widget = nullptr;
    if (which == u"tab bar" || which == u"first tab") {
        widget = m_App->window()->findChild<QTabWidget *>(u"tabView"_qs)->tabBar();
    } else if (which == u"first tab's list") {
        auto *column = static_cast<MTabViewColumn *>(
            m_App->window()->findChild<QTabWidget *>(u"tabView"_qs)->widget(0));
        widget = column ? column->tableView() : nullptr;
    } else if (which == u"search results") {
        widget = m_App->searchColumn()->tableView();
    } else {
        widget = m_App->window()->findChild<QWidget *>(which);
    }
    QAccessibleInterface *face = widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    if (face && which == u"first tab")
        return face->child(0);
    return face;
}

void TestBoardAccessibility::namesAndDescriptions_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    // Texts of the app's, not of the page: a German reader hears them in German.
    QTest::addColumn<bool>("translated");
    // A description that is null needs only to be there (a tool tip serves).
    const auto row = [](const char *what, const char *widget, const QString &name,
                        const QString &description = {}, bool translated = true) {
        QTest::newRow(what) << QString::fromUtf8(widget) << name << description << translated;
    };
    row("search field", "searchField", u"Search snippets"_qs);
    row("menu button, shown as a symbol", "menuButton", u"Pinlark menu"_qs);
    row("tab view", "tabView", u"Snippet board"_qs, u""_qs);
    // Qt names a tab bar after its current tab and describes a tab by its tool tip.
    row("tab bar, by its current tab", "tab bar", u"Mail"_qs, u""_qs, false);
    row("a tab, with its key", "first tab", u"Mail"_qs, u"Mail  (Alt+1)"_qs, false);
    row("a tab's list, named after its tab", "first tab's list", u"Snippets in Mail"_qs);
    row("search results", "search results", u"Search results"_qs);
    row("copied notice", "labelCopied", u"Copied to the clipboard"_qs);
    row("busy bar", "progressInd", u"Loading the board page…"_qs);
    row("empty board's explanation", "emptyBoard", u"Sign in to see your snippets"_qs,
        u"Pinlark shows the snippets on the page titled Pinlark in your OneNote notebook. "
        u"Sign in with your Microsoft account to load it."_qs);
    row("empty board's sign-in button", "signInButton", u"Sign In…"_qs);
    row("empty board's web button", "openWebButton", u"Open OneNote on the Web"_qs);
    row("empty board's create button", "createPageButton", u"Create the Page"_qs);
    row("empty board's refresh button", "refreshButton", u"Refresh"_qs);
}

void TestBoardAccessibility::namesAndDescriptions()
{
    QFETCH(QString, widget);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(bool, translated);

    launch();
    QAccessibleInterface *face = reach(widget);
    QVERIFY2(face, qPrintable(widget));
    QCOMPARE(accessibleText(face, QAccessible::Name), name);
    const QString described = accessibleText(face, QAccessible::Description);
    if (description.isNull())
        QVERIFY2(!described.isEmpty(), "no description");
    else
        QCOMPARE(described, description);
    m_App.reset();

    // The same widget for a German reader.
    QVERIFY(InstallPinlarkTranslations(*QCoreApplication::instance(), QLocale(QLocale::German),
                                       {QStringLiteral(":/i18n")}));
    launch();
    face = reach(widget);
    QVERIFY(face);
    const QString german = accessibleText(face, QAccessible::Name);
    QVERIFY(!german.isEmpty());
    if (translated) {
        QVERIFY2(german != name, qPrintable(german));
        if (!described.isEmpty())
            QVERIFY2(accessibleText(face, QAccessible::Description) != described,
                     qPrintable(described));
    }
}

void TestBoardAccessibility::copyIsAnnounced()
{
    QList<QObject *> announced;
    SetAnnouncementListener([&announced](QObject *object) { announced << object; });
    launch();
    auto *column = static_cast<MTabViewColumn *>(
        m_App->window()->findChild<QTabWidget *>(u"tabView"_qs)->widget(0));
    QVERIFY(column);
    MTableView *list = column->tableView();
    // Two copies in a row, the second while the notice still shows: both are told.
    for (const int row : {0, 1}) {
        list->setCurrentIndex(list->model()->index(row, 0));
        column->onAction();
    }
    SetAnnouncementListener({});

    QLabel *notice = m_App->window()->findChild<QLabel *>(u"labelCopied"_qs);
    QCOMPARE(announced, QList<QObject *>({notice, notice}));
    QVERIFY(!notice->isHidden());
    QCOMPARE(accessibleText(QAccessible::queryAccessibleInterface(notice), QAccessible::Name),
             u"Copied to the clipboard");
}

QTEST_MAIN(TestBoardAccessibility)
#include "tst_boardaccessibility.moc"
