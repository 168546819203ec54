// Prints, one per line as "name value", medians for a board of 50 tabs with 200
// items each (10,000 items): the bare libxml2 parse of the page, a full rebuild
// from a changed page, one search keystroke over all items, and the resident
// memory of the real app with that board loaded. Then the conversion of a page of
// paragraphs nested in paragraphs, with the total text of its board.

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
constexpr int kNestedLevels = 250;
constexpr int kNestedRuns = 5;

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

// About 2 MB: paragraphs nested 250 deep, each holding its own text, a heading and
// the next paragraph, so that every paragraph's text holds all the text below it.
QString generateNestedPage()
{
    const QString filler = QStringLiteral("word ").repeated(1600);
    QString html =
        QStringLiteral("<html><head><title>Pinlark</title></head><body><div><h1>Top</h1>");
    for (int i = 0; i < kNestedLevels; ++i)
        html += QStringLiteral("<p>%1 %2<h1>Head %1</h1>").arg(i).arg(filler);
    return html + QStringLiteral("</p>").repeated(kNestedLevels) +
           QStringLiteral("</div></body></html>");
}

qint64 boardTextSize(const Board &board)
{
    qint64 size = 0;
    for (const BoardTab &tab : board) {
        size += tab.label.size();
        for (const MNameValue &item : tab.items)
            size += item.name.size() + item.value.size();
    }
    return size;
}

template <typename F> double medianMs(F &&run, int runs = kRuns)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run(i);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
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

    const QString nested = generateNestedPage();
    qint64 nestedBoardSize = 0;
    const double nestedMs =
        medianMs([&](int) { nestedBoardSize = boardTextSize(BuildBoard(nested)); }, kNestedRuns);

    std::printf("items %d\n", kTabs * kItemsPerTab);
    std::printf("page_kb %lld\n", static_cast<long long>(masked.size() / 1024));
    std::printf("parse_ms %.2f\n", parseMs);
    std::printf("rebuild_ms %.2f\n", rebuildMs);
    std::printf("search_ms %.2f\n", searchMs);
    std::printf("rss_mb %.1f\n", rssMb);
    // Text sizes in thousands of characters.
    std::printf("nested_page_kchars %lld\n", static_cast<long long>(nested.size() / 1000));
    std::printf("nested_build_ms %.2f\n", nestedMs);
    std::printf("nested_board_kchars %lld\n", static_cast<long long>(nestedBoardSize / 1000));
    return 0;
}
