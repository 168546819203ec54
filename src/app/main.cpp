#include "PinlarkTranslations.h"
#include "app/AppDelegate.h"
#include "app/MGlobals.h"
#include "app/SingleInstance.h"
#include "app/UnixSignals.h"
#include "platform/HttpTransport.h"
#include "signin/SignInLoader.h"
#include "sync/MThreadOnlineOneNote.h"
#include "windows/ClipboardLink.h"
#include "windows/HelpPage.h"
#include "windows/MWinAbout.h"
#include "windows/MWinState.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QSessionManager>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pinlark"));
    QApplication::setApplicationVersion(QStringLiteral(PINLARK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("pinlark"));
    QApplication::setQuitOnLastWindowClosed(false);

    InstallPinlarkTranslations(app);

    SingleInstance instance(MGlobals::DataFolderPath());
    if (instance.handOverToRunning())
        return 0;
    instance.listen();

    // The one sync worker; it lives until shut-down, where it is stopped and
    // joined before anything it uses is destroyed.
    std::unique_ptr<MThreadOnlineOneNote> worker;
    AppDelegate::Services services;
    services.startWorker = [&worker] {
        worker =
            std::make_unique<MThreadOnlineOneNote>(std::make_shared<platform::CurlTransport>());
        worker->Run();
    };
    services.stopWorker = [&worker] {
        if (worker)
            worker->Stop();
    };
    // The web engine is loaded only when the sign-in window opens.
    services.runSignIn = [](int logInOrOut) { RunSignInWindow(logInOrOut); };
    services.showStateWindow = [] { MWinState::ShowWindow(false); };
    services.showAboutWindow = [] {
        MWinAbout about;
        about.showWindow();
    };
    services.openHelp = [] { QDesktopServices::openUrl(HelpPageUrl()); };
    services.convertClipboardLink = [] { DecomposeClipboardLink(QGuiApplication::clipboard()); };
    AppDelegate delegate(std::move(services));
    QObject::connect(&instance, &SingleInstance::showRequested, &delegate,
                     &AppDelegate::MenuItemPinlarkClick);
    // Every way of ending the app goes through Terminate, which works in any
    // state: the board shown, a modal window open, a request under way.
    UnixSignals signalsToQuit;
    QObject::connect(&signalsToQuit, &UnixSignals::terminateRequested, &delegate,
                     &AppDelegate::Terminate);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &delegate,
                     [&delegate](QSessionManager &) { delegate.Terminate(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate,
                     &AppDelegate::applicationWillTerminate);

    delegate.awakeFromNib();
    delegate.applicationDidFinishLaunching();
    // Asked to end during the start-up sign-in, before the event loop ran.
    if (delegate.terminating()) {
        delegate.applicationWillTerminate();
        return 0;
    }
    return app.exec();
}
