#include "sync/MOLONUtils.h"
#include "sync/MThreadOnlineOneNote.h"
#include "sync/Requests.h"
#include "text/DateText.h"
#include "text/Encoding.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The top-level object of a Graph list answer, or an empty object when the
// answer is not one.
QJsonObject ListAnswer(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    return QJsonDocument::fromJson(bytes).object();
}

// The access token travels with a continuation address, so only addresses on the
// Graph service itself are followed.
bool IsGraphAddress(const QString &graphRoot, const QString &address)
{
    return !address.isEmpty() && address.startsWith(graphRoot + u'/');
}

QString LinkAddress(const QJsonObject &page, QLatin1String kind)
{
    return page.value(QLatin1String("links"))
        .toObject()
        .value(kind)
        .toObject()
        .value(QLatin1String("href"))
        .toString();
}

} // namespace

void MThreadOnlineOneNote::SectionPageFilter(const QString &sectionName, const QString &pageName)
{
    const QString userId = m_state.userId.load();
    const QString accessToken = m_state.accessToken.load();
    if (accessToken.isEmpty() || userId.isEmpty())
        return;

    // The service compares lower-cased section names with the lower-cased name.
    const QString address =
        MUtils::EscapeUrl(MOLONUtils::GetGraphBaseURL(m_state.graphRoot.load(), userId) +
                          QStringLiteral("/onenote/sections?filter=tolower(name) eq '") +
                          sectionName.toLower() + u'\'');
    const platform::HttpResponse response = SendGraph(address, accessToken);
    if (response.transportError) {
        RefreshTokens();
        return;
    }
    // Only a walk through a real answer may say the page does not exist.
    if (SyncRequests::IsSuccess(response))
        m_state.pageMissing = true;
    SectionPageLoopSections(response.body, pageName.toLower());
}

void MThreadOnlineOneNote::SectionPageLoopSections(const QByteArray &bytes, const QString &pageName)
{
    const QJsonArray sections = ListAnswer(bytes).value(QLatin1String("value")).toArray();
    for (const QJsonValue &section : sections) {
        if (!section.isObject())
            continue;
        const QString sectionId = section.toObject().value(QLatin1String("id")).toString();
        // A section without an id has no page list to ask for.
        if (sectionId.isEmpty())
            continue;
        // A throttled walk stops where it is and starts over at a later step.
        if (!GraphDue() || SectionPageGetSectionAllPages(sectionId, pageName))
            return;
    }
}

bool MThreadOnlineOneNote::SectionPageGetSectionAllPages(const QString &sectionId,
                                                         const QString &pageName)
{
    const QString userId = m_state.userId.load();
    const QString accessToken = m_state.accessToken.load();
    if (accessToken.isEmpty() || userId.isEmpty())
        return false;

    const QString graphRoot = m_state.graphRoot.load();
    QString address = MUtils::EscapeUrl(MOLONUtils::GetGraphBaseURL(graphRoot, userId) +
                                        QStringLiteral("/onenote/sections/") + sectionId +
                                        QStringLiteral("/Pages"));
    // The service hands a long list out in pieces; the board page may be in any.
    for (int answers = 0; answers < kMaxPageListAnswers && !address.isEmpty(); ++answers) {
        const platform::HttpResponse response = SendGraph(address, accessToken);
        // A list not read cannot tell that the page is not there. No refresh
        // here: the walk goes on with the next section.
        if (!SyncRequests::IsSuccess(response)) {
            m_state.pageMissing = false;
            return false;
        }
        QString nextLink;
        if (SectionPageLoopFindPage(response.body, pageName, &nextLink))
            return true;
        // The continuation address is ready for the wire: it is not escaped again.
        address = IsGraphAddress(graphRoot, nextLink) ? nextLink : QString();
    }
    return false;
}

bool MThreadOnlineOneNote::SectionPageLoopFindPage(const QByteArray &bytes, const QString &pageName,
                                                   QString *nextLink)
{
    const QJsonObject answer = ListAnswer(bytes);
    if (nextLink)
        *nextLink = answer.value(QLatin1String("@odata.nextLink")).toString();
    const QJsonArray pages = answer.value(QLatin1String("value")).toArray();
    for (const QJsonValue &entry : pages) {
        const QJsonObject page = entry.toObject();
        const QJsonValue title = page.value(QLatin1String("title"));
        if (!title.isString() || title.toString().toLower() != pageName)
            continue;
        StorePageValues(page);
        return true;
    }
    return false;
}

void MThreadOnlineOneNote::StorePageValues(const QJsonObject &page)
{
    m_state.pageId.store(page.value(QLatin1String("id")).toString());
    m_state.pageMissing = false;
    m_state.pageClientUrl.store(LinkAddress(page, QLatin1String("oneNoteClientUrl")));
    // Where no notebook client takes the client address, the web one opens the page.
    m_state.pageWebUrl.store(LinkAddress(page, QLatin1String("oneNoteWebUrl")));
    const QString modified = page.value(QLatin1String("lastModifiedDateTime")).toString();
    // Text too short or malformed to read as a date leaves the value empty.
    m_state.pageLastModified.store(
        modified.isEmpty() ? QString() : MUtils::DateText(MUtils::DateFromDateTimeText(modified)));
    // The time a page answer names comes before its content is asked for: a
    // download that follows holds at least that change.
    m_pageModified = modified;
    m_pageModifiedFor = page.value(QLatin1String("id")).toString();
}
