#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class MTabViewColumn;
class QLabel;
class QMenu;
class QProgressBar;
class QSystemTrayIcon;
class QTabWidget;
class QWidget;
class MSearchField;
namespace Ui {
class MainWindow;
}

// The application shell: the tray item and its menu, the main window with the
// board, start-up and shut-down, and the one-second timer that carries the sync
// worker's results into the interface.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    // What the shell starts but does not own the workings of; tests leave them out.
    struct Services
    {
        std::function<void()> startWorker;
        std::function<void()> stopWorker;
        // Runs the sign-in window modally; `logInOrOut` non-zero signs out first.
        std::function<void(int logInOrOut)> runSignIn;
        std::function<void()> showStateWindow;
        std::function<void()> showAboutWindow;
        std::function<void()> openHelp;
        std::function<void()> convertClipboardLink;
    };

    explicit AppDelegate(Services services = {}, QObject *parent = nullptr);
    ~AppDelegate() override;

    void awakeFromNib();
    void applicationDidFinishLaunching();
    void applicationWillTerminate();

    // Status menu commands.
    void MenuItemPinlarkClick();
    void MenuItemLoginClick();
    void MenuItemLogoutClick();
    void MenuItemRefreshClick();
    void MenuItemStateWindowClick();
    void MenuItemAboutClick();
    void MenuItemOpenOneNotePinlarkPageClick();
    void MenuItemHelpClick();
    void MenuItemDecompositionClipboardLinkClick();

    // Refresh timer.
    void CreateTimer();
    void TimerRun();

    // The board.
    void CreateTabs();
    void ClearTabs();
    void SelectTab(const QString &label);
    void ReloadTableViewsData();
    void showCopied2Clipboard();
    void searchField_textDidChange(const QString &text);

    QWidget *window() const { return m_Window.get(); }
    QMenu *statusMenu() const { return m_StatusMenu.get(); }
    QSystemTrayIcon *statusItem() const { return m_StatusItem; }
    QTabWidget *tabView() const;
    QWidget *searchView() const;
    MSearchField *searchField() const;
    QLabel *labelCopied() const;
    QProgressBar *progressInd() const;
    MTabViewColumn *searchColumn() const { return m_TabViewColumnSearch; }
    // The status item's look: "Connected" or "Disconnected".
    QString statusToolTip() const { return m_StatusToolTip; }

private:
    void buildStatusMenu();
    void setStatusLook(bool connected);
    MTabViewColumn *currentColumn() const;
    void moveSelection(int delta);
    void copySelection();
    void hideWindow();
    bool eventFilter(QObject *watched, QEvent *event) override;

    Services m_Services;
    std::unique_ptr<QMenu> m_StatusMenu;
    QSystemTrayIcon *m_StatusItem = nullptr;
    QIcon statusImage;
    QIcon statusHighlightImage;
    QIcon statusImageError;
    QString m_StatusToolTip;
    QTimer m_Timer;
    QString m_PinlarkHtml;
    MTabViewColumn *m_TabViewColumnSearch = nullptr;
    std::optional<QString> m_CurrSelTabName;
    bool m_FoundTabName = false;
    // Refresh-timer ticks since the copied notice was shown.
    int m_LabelCopiedTag = 0;

    std::unique_ptr<QWidget> m_Window;
    std::unique_ptr<Ui::MainWindow> ui;
};
