#pragma once

#include "ScriptedTransport.h"
#include "sync/MThreadOnlineOneNote.h"

#include <QTemporaryDir>
#include <memory>

// Shared set-up of the sync tests: every MGlobals variable the worker touches back
// at its initial value, the service roots on test hosts, the settings file in a
// temporary folder, and a worker over a scripted transport with a clock that only
// the test moves.
class SyncFixture
{
public:
    // 2024-05-01 08:30:15 UTC
    static constexpr qint64 kStart = 1714552215;

    qint64 now = kStart;
    std::shared_ptr<ScriptedTransport> transport;
    std::unique_ptr<MThreadOnlineOneNote> worker;

    // Call from init(): a fresh worker, transport and state.
    void reset();
    void signIn(const QString &accessToken, const QString &refreshToken, const QString &userId,
                const QString &pageId = {});
    // A string as the settings file holds it now.
    QString saved(const char *key) const;

    // A service that answers every request as a healthy one would: new tokens, user
    // "U1", one section "S1" holding the board page "P1", and its content.
    static ScriptedAnswer HealthyService(const platform::HttpRequest &request);
    static const QByteArray kPageHtml;

private:
    QTemporaryDir m_dir;
};
