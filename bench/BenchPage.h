#pragma once

#include <QFile>
#include <QString>

// A board page of 50 tabs of 200 items each, plain in shape (a heading, a name
// paragraph, a value paragraph, two breaks). `variant` changes one item's value,
// so that consecutive variants are different pages of the same size.
inline QString BenchPage(int variant)
{
    constexpr int kTabs = 50;
    constexpr int kItemsPerTab = 200;
    QString html;
    html.reserve(1024 * 1024);
    html += u"<html><head><title>Pinlark</title></head><body><div>\n";
    for (int t = 0; t < kTabs; ++t) {
        html += u"<h1>Tab " + QString::number(t) + u"</h1>\n";
        for (int i = 0; i < kItemsPerTab; ++i) {
            const QString n = QString::number(t) + u'.' + QString::number(i);
            html += u"<p>Item " + n + u"</p>\n<p>The value of item " + n +
                    u", with a few more words to carry</p>\n<br />\n<br />\n";
        }
    }
    html += u"<h1>Changes</h1>\n<p>Change " + QString::number(variant) + u"</p>\n";
    return html + u"</div></body></html>\n";
}

// Resident memory in MB from a /proc status file ("/proc/self/status", or of a
// process by its id); -1 when it cannot be read.
inline double ResidentMb(const QString &statusFile)
{
    QFile status(statusFile);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}
