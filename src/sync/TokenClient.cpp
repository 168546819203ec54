#include "sync/MThreadOnlineOneNote.h"
#include "sync/Requests.h"

// None of the token values is ever logged.
//
// Each answer is stored only if the sign-in it was asked for is still the current
// one (the state's storeForSignIn): the sign-in window may have cleared the
// credentials while the request was under way, and an answer stored over the
// cleared values would undo the sign-out and keep the new account's code from
// ever being exchanged.

bool MThreadOnlineOneNote::StoreTokens(const QString &accessToken, const QString &refreshToken,
                                       const QString &accessTokenBefore)
{
    m_state.accessToken.store(accessToken);
    const QString refreshTokenBefore = m_state.refreshToken.exchange(refreshToken);
    if (accessToken.isEmpty())
        m_refreshRetry.failed(m_clock());
    else
        m_refreshRetry.succeeded();
    return accessToken != accessTokenBefore || refreshToken != refreshTokenBefore;
}

platform::HttpResponse MThreadOnlineOneNote::SendTokenRequest(const QByteArray &grantType,
                                                              const SyncRequests::FormFields &grant)
{
    SyncRequests::FormFields fields{
        {"grant_type", QString::fromLatin1(grantType)},
        {"client_id", m_state.clientId.load()},
    };
    fields << grant;
    fields.append({"redirect_uri", m_state.redirectAddress.load()});
    return Send(SyncRequests::TokenRequest(m_state.identityRoot.load(), fields));
}

void MThreadOnlineOneNote::FinishTokenAnswer(bool current, SyncRequests::TokenVerdict verdict,
                                             bool changed)
{
    // An answer for a sign-in the user has since ended tells nothing.
    if (!current)
        return;
    if (verdict == SyncRequests::TokenVerdict::GrantRefused)
        m_state.raiseProblem(MProblem::SignInRefused);
    if (changed)
        m_state.saveConfig();
}

void MThreadOnlineOneNote::RetrieveTokensByCode()
{
    // A rejected client would only be rejected again, and no client id at all
    // could not be anything else.
    if (m_state.hasProblem(MProblem::ClientRejected) || m_state.clientId.load().isEmpty())
        return;
    // Read before the credentials, so that a clear after this point is noticed.
    const quint64 generation = m_state.signInGeneration.load();
    const QString code = m_state.code.load();
    if (code.isEmpty())
        return;
    // A code asked for without a challenge (a sign-in library of an older build)
    // goes without a verifier, as the service expects.
    SyncRequests::FormFields grant{{"code", code}};
    if (const QString verifier = m_state.codeVerifier.load(); !verifier.isEmpty())
        grant.append({"code_verifier", verifier});

    const platform::HttpResponse response = SendTokenRequest("authorization_code", grant);
    const SyncRequests::TokenVerdict verdict = SyncRequests::ReadTokenVerdict(response);
    if (verdict == SyncRequests::TokenVerdict::PassingFailure) {
        // The code may still be good: it is tried again in the next cycle.
        RefreshTokens();
        return;
    }
    if (verdict == SyncRequests::TokenVerdict::ClientRejected) {
        // The code was not looked at: it stays for when the settings are put right.
        m_state.raiseProblem(MProblem::ClientRejected);
        return;
    }

    const SyncRequests::TokenAnswer tokens = SyncRequests::ReadTokenAnswer(response.body);
    bool changed = false;
    const bool current = m_state.storeForSignIn(generation, [&] {
        changed = StoreTokens(tokens.accessToken, tokens.refreshToken, m_state.accessToken.load());
        // A code is single-use: whatever the answer, it is spent. Trying it again
        // would only be refused, and an old code left behind would be exchanged
        // (and refused, signing the user out) the next time a refresh leaves the
        // access token empty. Its verifier goes with it.
        if (m_state.code.compareExchange(code, QString()))
            m_state.codeVerifier.store(QString());
    });
    FinishTokenAnswer(current, verdict, changed);
}

void MThreadOnlineOneNote::RefreshTokens()
{
    // A request cut short by shut-down says nothing about the tokens.
    if (StopRequested())
        return;
    if (m_state.hasProblem(MProblem::ClientRejected) || m_state.clientId.load().isEmpty())
        return;
    const quint64 generation = m_state.signInGeneration.load();
    const QString refreshToken = m_state.refreshToken.load();
    if (refreshToken.isEmpty())
        return;

    // Until a new access token arrives the account reads as not connected.
    const QString previousAccessToken = m_state.accessToken.exchange(QString());
    const platform::HttpResponse response =
        SendTokenRequest("refresh_token", {{"refresh_token", refreshToken}});
    const SyncRequests::TokenVerdict verdict = SyncRequests::ReadTokenVerdict(response);
    if (verdict == SyncRequests::TokenVerdict::PassingFailure) {
        if (StopRequested()) {
            // Leave the credentials as they were for whoever saves them at exit,
            // unless they have been cleared meanwhile.
            m_state.storeForSignIn(generation, [&] {
                if (m_state.accessToken.load().isEmpty())
                    m_state.accessToken.store(previousAccessToken);
            });
            return;
        }
        // The refresh token is still good: keep it, and let the worker's cycle try
        // again once the back-off, or the wait the service named, allows.
        m_refreshRetry.failed(m_clock(), SyncRequests::NamedWait(response));
        return;
    }
    if (verdict == SyncRequests::TokenVerdict::ClientRejected) {
        // The refresh token is still good once the client id is put right, and the
        // worker's cycle refreshes with it then. Nothing changed worth saving.
        m_state.raiseProblem(MProblem::ClientRejected);
        return;
    }

    // A refused refresh token (revoked, expired) signs the user out, and so does
    // an answer without tokens.
    const SyncRequests::TokenAnswer tokens = verdict == SyncRequests::TokenVerdict::GrantRefused
                                                 ? SyncRequests::TokenAnswer()
                                                 : SyncRequests::ReadTokenAnswer(response.body);
    bool changed = false;
    const bool current = m_state.storeForSignIn(generation, [&] {
        changed = StoreTokens(tokens.accessToken, tokens.refreshToken, previousAccessToken);
    });
    FinishTokenAnswer(current, verdict, changed);
}

void MThreadOnlineOneNote::RetrieveUserIdByToken()
{
    const quint64 generation = m_state.signInGeneration.load();
    const QString accessToken = m_state.accessToken.load();
    if (accessToken.isEmpty())
        return;

    // Always the signed-in user's own address, whatever user id is stored.
    const platform::HttpResponse response =
        SendGraph(m_state.graphRoot.load() + QStringLiteral("/v1.0/me"), accessToken);
    if (response.transportError) {
        m_userIdRetry.failed(m_clock());
        RefreshTokens();
        return;
    }
    // An error answer (a 503, say) holds no user id to read.
    if (!SyncRequests::IsSuccess(response)) {
        m_userIdRetry.failed(m_clock());
        return;
    }

    const QString userId = SyncRequests::ReadUserId(response.body);
    if (userId.isEmpty())
        m_userIdRetry.failed(m_clock());
    else
        m_userIdRetry.succeeded();
    bool changed = false;
    m_state.storeForSignIn(generation,
                           [&] { changed = m_state.userId.exchange(userId) != userId; });
    if (changed)
        m_state.saveConfig();
}
