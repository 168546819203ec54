#include "tokens.h"

#include "codec.h"
#include "pkce.h"

#include <array>
#include <random>

namespace standin {

std::string randomToken(const std::string &prefix)
{
    static std::mutex mutex;
    static std::random_device device;
    std::array<unsigned char, 32> bytes{};
    {
        std::lock_guard lock(mutex);
        for (auto &byte : bytes)
            byte = static_cast<unsigned char>(device());
    }
    // 32 bytes give 43 digits and one '='; pin two digits to '+' and '/'.
    bytes[15] = static_cast<unsigned char>(0xF8 | (bytes[15] & 0x03)); // digit 20 is '+'
    bytes[18] = static_cast<unsigned char>(0xFC | (bytes[18] & 0x03)); // digit 24 is '/'
    return prefix + base64(bytes.data(), bytes.size());
}

TokenStore::TokenStore(std::chrono::seconds accessLifetime) : m_Lifetime(accessLifetime) {}

std::string TokenStore::issueCode(const std::string &clientId, const std::string &redirectUri,
                                  const std::string &scope, const std::string &challenge,
                                  const std::string &method)
{
    std::string code = randomToken("M.C1_");
    std::lock_guard lock(m_Mutex);
    m_Codes[code] = Pending{clientId, redirectUri, scope, challenge, method};
    return code;
}

Grant TokenStore::issueGrantLocked(const std::string &clientId, const std::string &scope)
{
    Grant grant;
    grant.accessToken = randomToken("EwA1_");
    grant.refreshToken = randomToken("M.R1_");
    grant.scope = scope;
    grant.expiresIn = static_cast<int>(m_Lifetime.count());
    m_AccessTokens[grant.accessToken] = Clock::now() + m_Lifetime;
    m_RefreshTokens[grant.refreshToken] = Pending{clientId, {}, scope, {}, {}};
    ++m_GrantsIssued;
    return grant;
}

GrantResult TokenStore::redeemCode(const std::string &code, const std::string &clientId,
                                   const std::string &redirectUri, const std::string &verifier)
{
    std::lock_guard lock(m_Mutex);
    const auto it = m_Codes.find(code);
    if (it == m_Codes.end())
        return {std::nullopt, "invalid_grant",
                "The provided authorization code is unknown, expired or already used."};
    const Pending pending = it->second;
    m_Codes.erase(it);
    if (pending.clientId != clientId)
        return {std::nullopt, "invalid_grant",
                "The authorization code was issued to another client."};
    if (pending.redirectUri != redirectUri)
        return {std::nullopt, "invalid_grant",
                "The redirect_uri does not match the one of the authorization request."};
    if (!pending.challenge.empty() && verifier.empty())
        return {std::nullopt, "invalid_grant",
                "The code was requested with a code_challenge; the code_verifier is missing."};
    if (!pkceVerifierMatches(pending.challenge, pending.method, verifier))
        return {std::nullopt, "invalid_grant",
                "The code_verifier does not match the code_challenge of the authorization "
                "request."};
    return {issueGrantLocked(clientId, pending.scope), {}, {}};
}

GrantResult TokenStore::redeemRefresh(const std::string &refreshToken, const std::string &clientId)
{
    std::lock_guard lock(m_Mutex);
    const auto it = m_RefreshTokens.find(refreshToken);
    if (it == m_RefreshTokens.end())
        return {std::nullopt, "invalid_grant",
                "The refresh token is unknown, revoked or already used."};
    const Pending pending = it->second;
    if (pending.clientId != clientId)
        return {std::nullopt, "invalid_grant", "The refresh token was issued to another client."};
    m_RefreshTokens.erase(it);
    return {issueGrantLocked(clientId, pending.scope), {}, {}};
}

AccessCheck TokenStore::checkAccess(const std::string &accessToken) const
{
    std::lock_guard lock(m_Mutex);
    const auto it = m_AccessTokens.find(accessToken);
    if (it == m_AccessTokens.end())
        return AccessCheck::Unknown;
    return Clock::now() < it->second ? AccessCheck::Valid : AccessCheck::Expired;
}

void TokenStore::expireAccessTokens()
{
    std::lock_guard lock(m_Mutex);
    const auto past = Clock::now() - std::chrono::seconds(1);
    for (auto &entry : m_AccessTokens)
        entry.second = past;
}

void TokenStore::revokeRefreshTokens()
{
    std::lock_guard lock(m_Mutex);
    m_RefreshTokens.clear();
}

TokenCounts TokenStore::counts() const
{
    std::lock_guard lock(m_Mutex);
    TokenCounts counts;
    counts.codes = static_cast<int>(m_Codes.size());
    counts.refreshTokens = static_cast<int>(m_RefreshTokens.size());
    counts.accessTokens = static_cast<int>(m_AccessTokens.size());
    const auto now = Clock::now();
    for (const auto &entry : m_AccessTokens) {
        if (now < entry.second)
            ++counts.validAccessTokens;
    }
    counts.grantsIssued = m_GrantsIssued;
    return counts;
}

} // namespace standin
