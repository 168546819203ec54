// Prints, one per line as "name value", medians for a board of 50 tabs with 200
// items each (10,000 items): the bare libxml2 parse of the page, a full rebuild
// from a changed page, one search keystroke over all items, and the resident
// memory of the real app with that board loaded.

#include "app/AppDelegate.h"
#include "app/MGlobals.h"
#include "board/BoardBuilder.h"
#include "board/MSearchField.h"
#include "board/PageFile.h"
#include "platform/XmlDocument.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kTabs = 50;
constexpr int kItemsPerTab = 200;
constexpr int kRuns = 15;

// A page in the shape the notebook service sends: ids on every element, styles,
// entities, and items closed by two line breaks.
QString generatePage(int variant)
{
    QString html;
    html.reserve(4 * 1024 * 1024);
    html +=
        QStringLiteral("<html lang=\"en-US\"><head><title>Pinlark</title>"
                       "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />"
                       "</head><body data-absolute-enabled=\"true\"><div id=\"div:{1}\">\n");
    int id = 0;
    for (int t = 0; t < kTabs; ++t) {
        html += QStringLiteral("<h1 id=\"h1:{%1}\" style=\"font-size:16pt\">Tab %2 v%3</h1>\n")
                    .arg(++id)
                    .arg(t)
                    .arg(variant);
        for (int i = 0; i < kItemsPerTab; ++i, id += 2) {
            html += QStringLiteral("<p id=\"p:{%1}\">Item %2.%3 name&nbsp;here</p>\n"
                                   "<p id=\"p:{%4}\">Value of item %2.%3 with some text &amp; more "
                                   "words to search through</p>\n<br />\n<br />\n")
                        .arg(id + 1)
                        .arg(t)
                        .arg(i)
                        .arg(id + 2);
        }
    }
    html += QStringLiteral("</div></body></html>\n");
    return html;
}

template <typename F> double medianMs(F &&run)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run(i);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
    return times[kRuns / 2];
}

// Resident memory of the real app showing the board from its cached page file.
double appResidentMb(const QString &page)
{
    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("Marrowfield/Pinlark"));
    QDir().mkpath(folder);
    WritePageFile(folder + QStringLiteral("/pinlark.html"), page);
    // Signed in, but pointed at a closed loopback port: no sign-in window, and
    // nothing leaves the machine.
    QFile settings(folder + QStringLiteral("/zanapp.plist"));
    if (!settings.open(QIODevice::WriteOnly))
        return -1;
    settings.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>"
                   "<key>OnlineOneNoteAccessToken</key><string>bench</string>"
                   "<key>OnlineOneNoteUserId</key><string>bench</string>"
                   "<key>IdentityRoot</key><string>http://127.0.0.1:9</string>"
                   "<key>GraphRoot</key><string>http://127.0.0.1:9</string></dict></plist>");
    settings.close();

    QProcess app;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    app.setProcessEnvironment(env);
    app.start(QStringLiteral(PINLARK_APP_PATH), {});
    if (!app.waitForStarted())
        return -1;
    QThread::sleep(4);
    QFile status(QStringLiteral("/proc/%1/status").arg(app.processId()));
    double mb = -1;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                mb = line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
    app.terminate();
    app.waitForFinished(5000);
    return mb;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pinlark"));
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    QtMessageHandler quiet = [](QtMsgType, const QMessageLogContext &, const QString &) {};
    qInstallMessageHandler(quiet);

    const QString pages[2] = {generatePage(0), generatePage(1)};
    const QByteArray masked = MaskAmpersands(pages[0]).toUtf8();

    const double parseMs = medianMs([&](int) { (void)platform::XmlDocument::parse(masked); });

    AppDelegate app;
    app.applicationDidFinishLaunching();
    const double rebuildMs = medianMs([&](int run) {
        g_PinlarkPageHtml.store(pages[run % 2]);
        app.TimerRun();
    });

    const QString queries[] = {QStringLiteral("i"),           QStringLiteral("it"),
                               QStringLiteral("ite"),         QStringLiteral("item 3"),
                               QStringLiteral("item 3.1"),    QStringLiteral("words"),
                               QStringLiteral("nothing here")};
    const double searchMs = medianMs(
        [&](int run) { app.searchField_textDidChange(queries[run % std::size(queries)]); });

    const double rssMb = appResidentMb(pages[0]);

    std::printf("items %d\n", kTabs * kItemsPerTab);
    std::printf("page_kb %lld\n", static_cast<long long>(masked.size() / 1024));
    std::printf("parse_ms %.2f\n", parseMs);
    std::printf("rebuild_ms %.2f\n", rebuildMs);
    std::printf("search_ms %.2f\n", searchMs);
    std::printf("rss_mb %.1f\n", rssMb);
    return 0;
}
