// Prints, one per line as "name value", medians for a board of 50 tabs with 200
// items each (10,000 items): the bare libxml2 parse of the page into a tree, the
// page-to-board conversion alone, a full rebuild from a changed page, one search
// keystroke over all items (the median, the slowest, and the first after a rebuild,
// which folds the board's texts), and the resident memory of the real app with that
// board loaded. Then the conversion of a page of paragraphs nested in paragraphs,
// with the total text of its board.
//
// bench_board --write-page DIR writes that page as DIR/pinlark.html and the value
// of each of its items to DIR/texts, each followed by a NUL, for the side-by-side
// comparison with a peer (bench/side-by-side).

#include "BenchPage.h"
#include "app/AppDelegate.h"
#include "board/BoardBuilder.h"
#include "board/MSearchField.h"
#include "board/PageFile.h"
#include "core/MGlobals.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <libxml/parser.h>
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
            size += item.name().size() + item.value.size();
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

double residentMb(qint64 pid)
{
    return ResidentMb(QStringLiteral("/proc/%1/status").arg(pid));
}

// The reference for the board's own cost: libxml2 reading the page into its tree
// and freeing it, as a program with no board of its own would.
void bareParse(const QByteArray &utf8)
{
    constexpr int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    xmlFreeDoc(
        xmlReadMemory(utf8.data(), static_cast<int>(utf8.size()), nullptr, "UTF-8", options));
}

// The page and the text of each item, for a peer to be given the same texts.
int writePage(const QString &folder, const QString &page)
{
    QDir().mkpath(folder);
    if (!WritePageFile(folder + QStringLiteral("/pinlark.html"), page))
        return 1;
    QFile texts(folder + QStringLiteral("/texts"));
    if (!texts.open(QIODevice::WriteOnly))
        return 1;
    for (const BoardTab &tab : BuildBoard(page)) {
        for (const MNameValue &item : tab.items)
            texts.write(item.value.toUtf8().append('\0'));
    }
    return texts.flush() ? 0 : 1;
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
    // The app says when it has built the board.
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("pinlark.board.info=true"));
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::MergedChannels);
    app.start(QStringLiteral(PINLARK_APP_PATH), {});
    if (!app.waitForStarted())
        return -1;
    const auto stop = [&app](double result) {
        app.terminate();
        app.waitForFinished(5000);
        return result;
    };
    QByteArray output;
    const QDeadlineTimer built(20000);
    while (!output.contains("-- Create tabs. --")) {
        if (built.hasExpired() || app.state() != QProcess::Running) {
            std::fprintf(stderr, "the app did not build its board within 20 s\n");
            return stop(-1);
        }
        app.waitForReadyRead(100);
        output += app.readAll();
    }
    // Then until the window has been shown and painted: the figure stops moving.
    double mb = residentMb(app.processId());
    const QDeadlineTimer settled(10000);
    for (int still = 0; still < 10 && !settled.hasExpired();) {
        QThread::msleep(100);
        const double now = residentMb(app.processId());
        still = now == mb ? still + 1 : 0;
        mb = now;
    }
    return stop(mb);
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
    if (const QStringList arguments = QApplication::arguments();
        arguments.size() == 3 && arguments.at(1) == u"--write-page")
        return writePage(arguments.at(2), pages[0]);
    const QByteArray masked = MaskAmpersands(pages[0]).toUtf8();

    const double parseMs = medianMs([&](int) { bareParse(masked); });
    const double buildMs = medianMs([&](int) { (void)BuildBoard(pages[0]); });

    AppDelegate app;
    app.applicationDidFinishLaunching();
    const double rebuildMs = medianMs([&](int run) {
        g_PinlarkPageHtml.store(pages[run % 2]);
        app.TimerRun();
    });

    // Keystrokes of plain searches, then ones found only as close matches: words out
    // of order (every item, ranked), letters in order, and nothing at all.
    const QString queries[] = {QStringLiteral("i"),
                               QStringLiteral("it"),
                               QStringLiteral("ite"),
                               QStringLiteral("item 3"),
                               QStringLiteral("item 3.1"),
                               QStringLiteral("words"),
                               QStringLiteral("nothing here"),
                               QStringLiteral("here name"),
                               QStringLiteral("here name 3"),
                               QStringLiteral("inh"),
                               QStringLiteral("itnahe")};
    constexpr int kSearchRuns = 3 * static_cast<int>(std::size(queries));
    std::vector<double> searchTimes;
    const double searchMs = medianMs(
        [&](int run) {
            QElapsedTimer timer;
            timer.start();
            app.searchField_textDidChange(queries[run % std::size(queries)]);
            searchTimes.push_back(timer.nsecsElapsed() / 1e6);
        },
        kSearchRuns);
    // The first keystroke after a rebuild also folds the board's texts, once.
    const double searchFirstMs = searchTimes.front();
    const double searchMaxMs = *std::max_element(searchTimes.begin() + 1, searchTimes.end());

    const double rssMb = appResidentMb(pages[0]);

    const QString nested = generateNestedPage();
    qint64 nestedBoardSize = 0;
    const double nestedMs =
        medianMs([&](int) { nestedBoardSize = boardTextSize(BuildBoard(nested)); }, kNestedRuns);

    std::printf("items %d\n", kTabs * kItemsPerTab);
    std::printf("page_kb %lld\n", static_cast<long long>(masked.size() / 1024));
    std::printf("parse_ms %.2f\n", parseMs);
    std::printf("build_ms %.2f\n", buildMs);
    std::printf("rebuild_ms %.2f\n", rebuildMs);
    std::printf("rebuild_per_parse %.2f\n", rebuildMs / parseMs);
    std::printf("search_ms %.2f\n", searchMs);
    std::printf("search_max_ms %.2f\n", searchMaxMs);
    std::printf("search_first_ms %.2f\n", searchFirstMs);
    std::printf("rss_mb %.1f\n", rssMb);
    // Text sizes in thousands of characters.
    std::printf("nested_page_kchars %lld\n", static_cast<long long>(nested.size() / 1000));
    std::printf("nested_build_ms %.2f\n", nestedMs);
    std::printf("nested_board_kchars %lld\n", static_cast<long long>(nestedBoardSize / 1000));
    return 0;
}
