#include "sync/StarterPage.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// Texts are marked for the translation tables where they stand and looked up in
// the user's language when the page is made.
QString translated(const char *text)
{
    return QCoreApplication::translate("StarterPage", text);
}

struct StarterItem
{
    // The first paragraph is the item's name on the board; all of them are copied.
    QStringList paragraphs;
};

struct StarterTab
{
    QString heading;
    QList<StarterItem> items;
};

QList<StarterTab> starterTabs()
{
    return {
        {translated(QT_TRANSLATE_NOOP("StarterPage", "Start here")),
         {
             {{translated(QT_TRANSLATE_NOOP("StarterPage", "Click an item to copy it")),
               translated(QT_TRANSLATE_NOOP(
                   "StarterPage",
                   "A click puts the whole item on the clipboard: its name (this first "
                   "paragraph) and the paragraphs under it."))}},
             {{translated(QT_TRANSLATE_NOOP("StarterPage", "Each Heading 1 is a tab")),
               translated(QT_TRANSLATE_NOOP(
                   "StarterPage",
                   "Every level-1 heading on this page becomes a tab of the board, and the "
                   "paragraphs under it become the tab's items."))}},
             {{translated(QT_TRANSLATE_NOOP("StarterPage", "Two blank lines end an item")),
               translated(QT_TRANSLATE_NOOP(
                   "StarterPage",
                   "An item goes on over one blank line. After two blank lines the next "
                   "paragraph starts a new item."))}},
             {{translated(QT_TRANSLATE_NOOP("StarterPage", "Edit this page in OneNote")),
               translated(QT_TRANSLATE_NOOP(
                   "StarterPage",
                   "Change, delete or add items on this page in OneNote. The board follows "
                   "within two minutes, or at once with Refresh."))}},
         }},
        {translated(QT_TRANSLATE_NOOP("StarterPage", "Examples")),
         {
             {{translated(QT_TRANSLATE_NOOP("StarterPage", "Thanks")),
               translated(QT_TRANSLATE_NOOP(
                   "StarterPage", "Thank you for your message. I will get back to you soon."))}},
             {{translated(QT_TRANSLATE_NOOP("StarterPage", "Address")),
               translated(QT_TRANSLATE_NOOP("StarterPage", "1 Example Street")),
               translated(QT_TRANSLATE_NOOP("StarterPage", "12345 Sample Town"))}},
         }},
    };
}

QString paragraph(const QString &text)
{
    return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>\n");
}

} // namespace

namespace StarterPage {

QString Html()
{
    QString body;
    for (const StarterTab &tab : starterTabs()) {
        body += QStringLiteral("<h1>") + tab.heading.toHtmlEscaped() + QStringLiteral("</h1>\n");
        for (qsizetype i = 0; i < tab.items.size(); ++i) {
            // Two line breaks close an item; a heading closes the tab's last one.
            if (i > 0)
                body += QStringLiteral("<br />\n<br />\n");
            for (const QString &text : tab.items.at(i).paragraphs)
                body += paragraph(text);
        }
    }
    return QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<title>Pinlark</title>\n"
                          "<meta http-equiv=\"Content-Type\" content=\"text/html; "
                          "charset=utf-8\" />\n</head>\n<body>\n") +
           body + QStringLiteral("</body>\n</html>\n");
}

} // namespace StarterPage
