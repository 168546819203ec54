#include "PinlarkTranslations.h"
#include "app/AppDelegate.h"
#include "app/SignInStateFromGlobals.h"
#include "app/SingleInstance.h"
#include "app/SyncStateFromGlobals.h"
#include "app/UnixSignals.h"
#include "core/MGlobals.h"
#include "core/TokenStore.h"
#include "platform/HttpTransport.h"
#include "signin/SignInLoader.h"
#include "sync/MThreadOnlineOneNote.h"
#include "windows/ClipboardLink.h"
#include "windows/HelpPage.h"
#include "windows/MWinAbout.h"
#include "windows/MWinState.h"

#include <QApplication>
#include <QClipboard>
#include <QCommandLineParser>
#include <QDesktopServices>
#include <QSessionManager>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <optional>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace {

struct Options
{
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption toggle;
};

// The app's options, described in the language of the tables installed when it runs.
Options DescribeOptions(QCommandLineParser &parser)
{
    // Qt's options are single-dash words: "-reverse" must not read as "-v".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine",
                                    "Text snippets from a OneNote page, one click away in the "
                                    "tray.\nSettings, sign-in and the cached page are kept in %1.")
            .arg(MGlobals::DataFolderPath()));
    Options options{{{QStringLiteral("h"), QStringLiteral("help")},
                     QCoreApplication::translate("CommandLine", "Show this help and exit.")},
                    {{QStringLiteral("v"), QStringLiteral("version")},
                     QCoreApplication::translate("CommandLine", "Show the version and exit.")},
                    {QStringLiteral("toggle"),
                     QCoreApplication::translate(
                         "CommandLine", "Show the running Pinlark's board, or hide it when shown; "
                                        "start Pinlark when none runs. Bind it to a key in the "
                                        "desktop's keyboard settings.")}};
    parser.addOptions({options.help, options.version, options.toggle});
    return options;
}

// Answers --help and --version before the application object is made: they need no
// display, start no tray and hand nothing to a running instance. Gives the exit code
// when one of them was asked for. Qt's own options (-platform, -session, ...) are
// unknown here and left to QApplication.
std::optional<int> AnswerHelpOrVersion(int &argc, char **argv)
{
    QCommandLineParser parser;
    const Options options = DescribeOptions(parser);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    parser.parse(arguments);
    if (!parser.isSet(options.help) && !parser.isSet(options.version))
        return std::nullopt;

    // Names the program in the usage line; a core application needs no display.
    QCoreApplication core(argc, argv);
    QString text;
    if (parser.isSet(options.help)) {
        // Described again now that the tables can be installed.
        InstallPinlarkTranslations(core);
        QCommandLineParser translated;
        DescribeOptions(translated);
        text = translated.helpText();
    } else {
        text = QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() +
               u'\n';
    }
    std::fputs(qUtf8Printable(text), stdout);
    return 0;
}

// The process holds the tokens in memory: a crash must not write them to disk in a
// core file. Not dumpable also keeps other processes of the user from reading its
// memory through /proc or a debugger.
void DisableCoreDumps()
{
#ifdef Q_OS_UNIX
    const rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
#endif
#ifdef Q_OS_LINUX
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    DisableCoreDumps();
#ifdef __GLIBC__
    // Large blocks (a page's text, a board's lists) get mappings of their own, which
    // go back to the system when freed instead of staying in the heap after a
    // rebuild: about 3 MB less with a 10,000-item board.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    QApplication::setApplicationName(QStringLiteral("Pinlark"));
    QApplication::setApplicationVersion(QStringLiteral(PINLARK_VERSION));
    if (const std::optional<int> answered = AnswerHelpOrVersion(argc, argv))
        return *answered;

    QApplication app(argc, argv);
    // Qt has taken its own options by now; what is left must be --toggle or nothing.
    QCommandLineParser parser;
    const Options options = DescribeOptions(parser);
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        const QString what =
            parsed ? QString(u"unknown argument " + parser.positionalArguments().first())
                   : parser.errorText();
        std::fprintf(stderr, "pinlark: %s (see pinlark --help)\n", qPrintable(what));
        return 2;
    }
    const bool toggle = parser.isSet(options.toggle);
    // The desktop entry's name, which desktops match the windows and notifications to.
    QApplication::setDesktopFileName(QStringLiteral(PINLARK_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);

    InstallPinlarkTranslations(app);

    SingleInstance instance(MGlobals::DataFolderPath());
    if (instance.handOverToRunning(toggle ? SingleInstance::Request::Toggle
                                          : SingleInstance::Request::Show))
        return 0;
    instance.listen();

    // Where the tokens are kept; made before the worker, so that it outlives it.
    TokenStore tokens(platform::SystemKeyring(QStringLiteral("Pinlark")));
    // The one sync worker; it lives until shut-down, where it is stopped and
    // joined before anything it uses is destroyed.
    std::unique_ptr<MThreadOnlineOneNote> worker;
    AppDelegate::Services services;
    services.loadTokens = [&tokens](std::function<void()> ready) { tokens.load(std::move(ready)); };
    services.flushTokens = [&tokens] { tokens.flush(); };
    services.startWorker = [&worker] {
        worker = std::make_unique<MThreadOnlineOneNote>(
            SyncStateFromGlobals(), std::make_unique<platform::CurlTransport>());
        worker->Run();
    };
    services.stopWorker = [&worker] {
        if (worker)
            worker->Stop();
    };
    // The web engine is loaded only when the sign-in window opens.
    services.runSignIn = [](int logInOrOut) {
        return RunSignInWindow(SignInStateFromGlobals(), logInOrOut);
    };
    services.showStateWindow = [] { MWinState::ShowWindow(false); };
    services.showAboutWindow = [] {
        MWinAbout about;
        about.showWindow();
    };
    services.openHelp = [] { QDesktopServices::openUrl(HelpPageUrl()); };
    services.convertClipboardLink = [] {
        return DecomposeClipboardLink(QGuiApplication::clipboard()) ==
               ClipboardLinkOutcome::Converted;
    };
    AppDelegate delegate(std::move(services));
    QObject::connect(&tokens, &TokenStore::fellBackToFile, &delegate,
                     &AppDelegate::tellTokensInFile);
    QObject::connect(&instance, &SingleInstance::showRequested, &delegate,
                     &AppDelegate::MenuItemPinlarkClick);
    // The toggle a desktop's own shortcut runs acts as the app's global shortcut.
    QObject::connect(&instance, &SingleInstance::toggleRequested, &delegate,
                     &AppDelegate::globalShortcutActivated);
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
    // Started by the toggle with none running: the board was asked for.
    if (toggle)
        delegate.MenuItemPinlarkClick();
    return app.exec();
}
