// The app rebuilding a changing 10,000-item board 1,000 times, as the one-second
// timer does when downloads keep arriving: each round hands over a new page, which
// is written to the cache file and turned into tabs. Prints how resident memory
// and the count of open files moved between the end of the warm-up and the end;
// both should stay near zero.

#include "BenchPage.h"
#include "app/AppDelegate.h"
#include "board/BoardBuilder.h"
#include "core/MGlobals.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <malloc.h>

namespace {

constexpr int kWarmUp = 100;
constexpr int kRounds = 1000;

double residentMb()
{
    return ResidentMb(QStringLiteral("/proc/self/status"));
}

qsizetype openFiles()
{
    return QDir(QStringLiteral("/proc/self/fd"))
        .entryList(QDir::NoDotAndDotDot | QDir::System)
        .size();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pinlark"));
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    AppDelegate app;
    app.applicationDidFinishLaunching();
    if (qEnvironmentVariableIsSet("HEAPDIFF")) {
        g_PinlarkPageHtml.store(QStringLiteral("<html><body><h1>T</h1><p>x</p></body></html>"));
        app.TimerRun();
        QString big = BenchPage(7);
        malloc_trim(0);
        const size_t zero = mallinfo2().uordblks;
        Board board = BuildBoard(big);
        malloc_trim(0);
        const size_t built = mallinfo2().uordblks;
        std::printf("board alone %.2f MB\n", (built - zero) / 1048576.0);
        board.clear();
        malloc_trim(0);
        const size_t one = mallinfo2().uordblks;
        g_PinlarkPageHtml.store(big);
        big.clear();
        app.TimerRun();
        malloc_trim(0);
        std::printf("app diff %.2f MB\n", (mallinfo2().uordblks - one) / 1048576.0);
        return 0;
    }
    double rssAfterWarmUp = 0;
    qsizetype filesAfterWarmUp = 0;
    for (int round = 0; round < kRounds; ++round) {
        g_PinlarkPageHtml.store(BenchPage(round));
        app.TimerRun();
        if (round + 1 == kWarmUp) {
            malloc_trim(0);
            rssAfterWarmUp = residentMb();
            filesAfterWarmUp = openFiles();
        }
    }
    malloc_trim(0);
    std::printf("rounds %d\n", kRounds);
    std::printf("rss_mb_after_warm_up %.1f\n", rssAfterWarmUp);
    std::printf("rss_growth_mb %.1f\n", residentMb() - rssAfterWarmUp);
    std::printf("open_files_growth %lld\n", static_cast<long long>(openFiles() - filesAfterWarmUp));
    return 0;
}
