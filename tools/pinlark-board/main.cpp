// pinlark-board PAGE_FILE
//
// Prints the board that Pinlark builds from a cached page file, as one JSON
// document: {"tabs":[{"label":"…","items":[{"name":"…","value":"…"}]}]}. It goes
// through the app's own reading and conversion, so it shows why a snippet does or
// does not appear, and lets anyone compare boards.

#include "board/BoardBuilder.h"
#include "board/PageFile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <cstdio>

namespace {

// Qt's writer escapes exactly what JSON requires and writes the rest as UTF-8.
void appendJsonString(QByteArray &out, const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    out += QByteArrayView(array).sliced(1, array.size() - 2);
}

QByteArray boardJson(const Board &board)
{
    QByteArray out = "{\"tabs\":[";
    for (qsizetype t = 0; t < board.size(); ++t) {
        if (t)
            out += ',';
        out += "{\"label\":";
        appendJsonString(out, board[t].label);
        out += ",\"items\":[";
        const auto &items = board[t].items;
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (i)
                out += ',';
            out += "{\"name\":";
            appendJsonString(out, items[i].name);
            out += ",\"value\":";
            appendJsonString(out, items[i].value);
            out += '}';
        }
        out += "]}";
    }
    out += "]}\n";
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: pinlark-board PAGE_FILE\n");
        return 2;
    }
    const std::optional<QString> html = ReadPageFile(args.at(1));
    if (!html) {
        std::fprintf(stderr, "pinlark-board: cannot read %s\n", qPrintable(args.at(1)));
        return 2;
    }
    const QByteArray json = boardJson(BuildBoard(*html));
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    return 0;
}
