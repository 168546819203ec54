// pinlark-board PAGE_FILE
// pinlark-board --help
//
// Prints the board that Pinlark builds from a cached page file, as one JSON
// document: {"tabs":[{"label":"…","items":[{"name":"…","value":"…"}]}]}. It goes
// through the app's own reading and conversion, so it shows why a snippet does or
// does not appear, and lets anyone compare boards.

#include "board/BoardBuilder.h"
#include "board/BoardJson.h"
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
    parser.addOption(help);
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
        std::fprintf(stderr, "usage: pinlark-board PAGE_FILE (or --help)\n");
        return 2;
    }
    const std::optional<QString> html = ReadPageFile(files.first());
    if (!html) {
        std::fprintf(stderr, "pinlark-board: cannot read %s\n", qPrintable(files.first()));
        return 2;
    }
    const QByteArray json = BoardJson(BuildBoard(*html));
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    return 0;
}
