#include "board/UseCounts.h"

#include "platform/SafeWrite.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Far more than a board holds: a file grown past it is not read.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

} // namespace

UseCounts::UseCounts(QString path) : m_Path(std::move(path)) {}

QString UseCounts::keyOf(const MNameValue &item)
{
    // FNV-1a over the UTF-16 text: stable from run to run and Qt version to version,
    // and cheap enough to ask for thousands of close matches at a keystroke.
    quint64 hash = 14695981039346656037ULL;
    for (QChar c : item.value) {
        hash ^= c.unicode();
        hash *= 1099511628211ULL;
    }
    return QString::number(hash, 16);
}

void UseCounts::load()
{
    m_Counts.clear();
    QFile file(m_Path);
    if (file.size() > kMaxFileBytes || !file.open(QIODevice::ReadOnly))
        return;
    const QJsonObject counts = QJsonDocument::fromJson(file.readAll()).object();
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        const int count = it.value().toInt();
        if (count > 0)
            m_Counts.insert(it.key(), count);
    }
}

int UseCounts::count(const MNameValue &item) const
{
    return m_Counts.value(keyOf(item));
}

bool UseCounts::add(const MNameValue &item)
{
    int &count = m_Counts[keyOf(item)];
    if (count < std::numeric_limits<int>::max())
        ++count;
    QJsonObject counts;
    for (auto it = m_Counts.cbegin(); it != m_Counts.cend(); ++it)
        counts.insert(it.key(), it.value());
    return platform::SafeWrite(m_Path, QJsonDocument(counts).toJson(QJsonDocument::Compact),
                               QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
