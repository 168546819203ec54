#pragma once

// The identity platform's memory: authorization codes, refresh tokens and
// access tokens, with the rules a real service enforces (single-use codes,
// rotating refresh tokens, expiring access tokens). Thread-safe.

#include <chrono>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace standin {

// Random token text: prefix + standard base64 of 32 random bytes. Every
// token holds a '+', a '/' and '=' padding on purpose: a client that puts a
// code or refresh token into a form body without escaping it sends '+' as a
// blank (and may cut the value at '='), the grant fails, and the fault shows
// in tests instead of only against the real service.
std::string randomToken(const std::string &prefix);

struct Grant
{
    std::string accessToken;
    std::string refreshToken;
    std::string scope;
    int expiresIn = 0;
};

struct GrantResult
{
    std::optional<Grant> grant;
    std::string error; // OAuth error code, e.g. "invalid_grant"
    std::string description;
};

enum class AccessCheck { Valid, Unknown, Expired };

struct TokenCounts
{
    int codes = 0;
    int refreshTokens = 0;
    int accessTokens = 0;
    int validAccessTokens = 0;
    int grantsIssued = 0;
};

class TokenStore
{
public:
    explicit TokenStore(std::chrono::seconds accessLifetime);

    // `challenge` and `method` are the authorization request's PKCE fields, empty
    // when it had none.
    std::string issueCode(const std::string &clientId, const std::string &redirectUri,
                          const std::string &scope, const std::string &challenge = {},
                          const std::string &method = {});
    // A code is used up by its first redemption, successful or not. A code
    // issued with a challenge needs the verifier it was made from.
    GrantResult redeemCode(const std::string &code, const std::string &clientId,
                           const std::string &redirectUri, const std::string &verifier = {});
    // Rotation: the presented refresh token is invalid afterwards.
    GrantResult redeemRefresh(const std::string &refreshToken, const std::string &clientId);

    AccessCheck checkAccess(const std::string &accessToken) const;

    void expireAccessTokens();
    void revokeRefreshTokens();
    TokenCounts counts() const;

private:
    struct Pending
    {
        std::string clientId;
        std::string redirectUri;
        std::string scope;
        std::string challenge;
        std::string method;
    };
    using Clock = std::chrono::steady_clock;

    Grant issueGrantLocked(const std::string &clientId, const std::string &scope);

    const std::chrono::seconds m_Lifetime;
    mutable std::mutex m_Mutex;
    std::map<std::string, Pending> m_Codes;
    std::map<std::string, Pending> m_RefreshTokens;
    std::map<std::string, Clock::time_point> m_AccessTokens; // token -> expiry
    int m_GrantsIssued = 0;
};

} // namespace standin
