// pinlark-board PAGE_FILE
// pinlark-board --search TEXT PAGE_FILE
// pinlark-board --help
//
// Prints the board that Pinlark builds from a cached page file, as one JSON
// document: {"tabs":[{"label":"…","items":[{"name":"…","value":"…"}]}]}. It goes
// through the app's own reading and conversion, so it shows why a snippet does or
// does not appear, and lets anyone compare boards. With --search it prints what the
// board's search field would list for TEXT, in order:
// {"results":[{"tab":"…","name":"…","value":"…","close":false}]}.

#include "board/BoardBuilder.h"
#include "board/BoardJson.h"
#include "board/BoardSearch.h"
#include "board/PageFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prints the board Pinlark builds from a page file, as JSON."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption search(QStringLiteral("search"),
                                    QStringLiteral("Print what a search for TEXT lists, in order."),
                                    QStringLiteral("TEXT"));
    parser.addOptions({help, search});
    parser.addPositionalArgument(
        QStringLiteral("PAGE_FILE"),
        QStringLiteral("A page's HTML, such as pinlark.html in Pinlark's data folder."));
    const bool parsed = parser.parse(app.arguments());
    // Asked for, help wins over any mistake beside it.
    if (parser.isSet(help)) {
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        return 0;
    }
    const QStringList files = parser.positionalArguments();
    if (!parsed || files.size() != 1) {
        if (!parsed)
            std::fprintf(stderr, "pinlark-board: %s\n", qPrintable(parser.errorText()));
        std::fprintf(stderr, "usage: pinlark-board [--search TEXT] PAGE_FILE (or --help)\n");
        return 2;
    }
    const std::optional<QString> html = ReadPageFile(files.first());
    if (!html) {
        std::fprintf(stderr, "pinlark-board: cannot read %s\n", qPrintable(files.first()));
        return 2;
    }
    const Board board = BuildBoard(*html);
    QByteArray json;
    if (parser.isSet(search)) {
        QList<SearchIndex> indexes;
        indexes.reserve(board.size());
        QList<SearchList> lists;
        for (const BoardTab &tab : board)
            indexes.append(IndexItems(tab.items));
        for (qsizetype i = 0; i < board.size(); ++i)
            lists.append({&board[i].items, &indexes[i], board[i].label});
        json = SearchJson(SearchItems(lists, parser.value(search)));
    } else {
        json = BoardJson(board);
    }
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    return 0;
}
