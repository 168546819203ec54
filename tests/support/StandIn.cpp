#include "StandIn.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QUrl>
#include <QUrlQuery>
#include <httplib.h>

namespace {

constexpr int kStartTimeoutMs = 10000;
constexpr int kStopTimeoutMs = 5000;
constexpr int kRequestTimeoutSeconds = 10;

httplib::Client adminClient(int port)
{
    httplib::Client client("127.0.0.1", port);
    client.set_connection_timeout(kRequestTimeoutSeconds);
    client.set_read_timeout(kRequestTimeoutSeconds);
    return client;
}

} // namespace

StandIn::StandIn(const QString &pageFile, const QStringList &extraArguments)
{
    QStringList arguments{QStringLiteral("--port"), QStringLiteral("0"),
                          QStringLiteral("--exit-on-stdin-eof")};
    if (qEnvironmentVariableIsEmpty("PINLARK_STANDIN_VERBOSE"))
        arguments << QStringLiteral("--quiet");
    if (!pageFile.isEmpty())
        arguments << QStringLiteral("--page") << pageFile;
    arguments << extraArguments;

    m_Process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_Process.start(QStringLiteral(PINLARK_STANDIN_PATH), arguments);
    if (!m_Process.waitForStarted(kStartTimeoutMs)) {
        m_Error = QStringLiteral("cannot start the stand-in: ") + m_Process.errorString();
        return;
    }

    const QByteArray marker = "listening on http://127.0.0.1:";
    QDeadlineTimer deadline(kStartTimeoutMs);
    while (!deadline.hasExpired()) {
        if (!m_Process.canReadLine()) {
            if (m_Process.state() != QProcess::Running) {
                m_Error = QStringLiteral("the stand-in exited before listening");
                return;
            }
            m_Process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
            continue;
        }
        const QByteArray line = m_Process.readLine().trimmed();
        if (line.startsWith(marker)) {
            bool ok = false;
            m_Port = line.mid(marker.size()).toInt(&ok);
            if (!ok)
                m_Port = 0;
            if (m_Port == 0)
                m_Error = QStringLiteral("unreadable start line: ") + QString::fromUtf8(line);
            return;
        }
    }
    m_Error = QStringLiteral("the stand-in did not report its port in time");
}

StandIn::~StandIn()
{
    if (m_Process.state() == QProcess::NotRunning)
        return;
    m_Process.terminate(); // SIGTERM: the stand-in stops its server and exits 0
    if (!m_Process.waitForFinished(kStopTimeoutMs)) {
        m_Process.kill();
        m_Process.waitForFinished(kStopTimeoutMs);
    }
}

bool StandIn::isRunning() const
{
    return m_Port > 0 && m_Process.state() == QProcess::Running;
}

QString StandIn::root() const
{
    return QStringLiteral("http://127.0.0.1:") + QString::number(m_Port);
}

QString StandIn::redirectAddress() const
{
    return root() + QStringLiteral("/oauth20_desktop.srf");
}

bool StandIn::post(const QString &path, const QList<std::pair<QString, QString>> &fields)
{
    if (!isRunning())
        return false;
    httplib::Params params;
    for (const auto &[name, value] : fields)
        params.emplace(name.toStdString(), value.toStdString());
    auto client = adminClient(m_Port);
    const auto result = client.Post(path.toStdString(), params);
    return result && result->status == 200;
}

QByteArray StandIn::get(const QString &pathAndQuery) const
{
    if (!isRunning())
        return {};
    auto client = adminClient(m_Port);
    const auto result = client.Get(pathAndQuery.toStdString());
    if (!result || result->status != 200)
        return {};
    return QByteArray::fromStdString(result->body);
}

bool StandIn::fault(const QString &path, int count, int status, const QString &body)
{
    QList<std::pair<QString, QString>> fields{{QStringLiteral("path"), path},
                                              {QStringLiteral("count"), QString::number(count)},
                                              {QStringLiteral("status"), QString::number(status)}};
    if (!body.isEmpty())
        fields.append({QStringLiteral("body"), body});
    return post(QStringLiteral("/_admin/fault"), fields);
}

bool StandIn::stall(const QString &path, int count, int seconds)
{
    return post(QStringLiteral("/_admin/fault"),
                {{QStringLiteral("path"), path},
                 {QStringLiteral("mode"), QStringLiteral("stall")},
                 {QStringLiteral("count"), QString::number(count)},
                 {QStringLiteral("seconds"), QString::number(seconds)}});
}

bool StandIn::drop(const QString &path, int count)
{
    return post(QStringLiteral("/_admin/fault"),
                {{QStringLiteral("path"), path},
                 {QStringLiteral("mode"), QStringLiteral("drop")},
                 {QStringLiteral("count"), QString::number(count)}});
}

bool StandIn::clearFaults()
{
    return post(QStringLiteral("/_admin/clear-faults"));
}

bool StandIn::expireTokens()
{
    return post(QStringLiteral("/_admin/expire-tokens"));
}

bool StandIn::revokeRefreshTokens()
{
    return post(QStringLiteral("/_admin/revoke-refresh-tokens"));
}

QMap<QString, int> StandIn::counts() const
{
    QMap<QString, int> counts;
    const QJsonObject object =
        QJsonDocument::fromJson(get(QStringLiteral("/_admin/counts"))).object();
    for (auto it = object.begin(); it != object.end(); ++it)
        counts.insert(it.key(), it.value().toInt());
    return counts;
}

bool StandIn::resetCounts()
{
    return post(QStringLiteral("/_admin/reset-counts"));
}

QJsonObject StandIn::state() const
{
    return QJsonDocument::fromJson(get(QStringLiteral("/_admin/state"))).object();
}

QString StandIn::authorizationCode(const QString &clientId, const QString &redirect,
                                   const QString &challenge) const
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("prompt"), QStringLiteral("login"));
    query.addQueryItem(QStringLiteral("client_id"), clientId);
    query.addQueryItem(QStringLiteral("response_type"), QStringLiteral("code"));
    query.addQueryItem(QStringLiteral("response_mode"), QStringLiteral("query"));
    query.addQueryItem(QStringLiteral("scope"), QStringLiteral("offline_access User.Read"));
    query.addQueryItem(QStringLiteral("redirect_uri"),
                       redirect.isEmpty() ? redirectAddress() : redirect);
    if (!challenge.isEmpty()) {
        query.addQueryItem(QStringLiteral("code_challenge"), challenge);
        query.addQueryItem(QStringLiteral("code_challenge_method"), QStringLiteral("S256"));
    }
    const QByteArray page =
        get(QStringLiteral("/common/oauth2/v2.0/authorize?") + query.toString(QUrl::FullyEncoded));
    // The button's data-target is the redirect address with "code=CODE&amp;lc=1033".
    const QByteArray start = "code=";
    const qsizetype from = page.indexOf(start, page.indexOf("data-target="));
    const qsizetype to = page.indexOf("&amp;", from);
    if (from < 0 || to < 0)
        return {};
    return QString::fromUtf8(page.mid(from + start.size(), to - from - start.size()));
}
