#include "pkce.h"

#include <algorithm>
#include <openssl/sha.h>

namespace standin {

namespace {

bool isUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

std::string base64Url(const unsigned char *data, size_t size)
{
    static const char alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    std::string out;
    for (size_t i = 0; i < size; i += 3) {
        const unsigned b0 = data[i];
        const unsigned b1 = i + 1 < size ? data[i + 1] : 0;
        const unsigned b2 = i + 2 < size ? data[i + 2] : 0;
        const unsigned triple = (b0 << 16) | (b1 << 8) | b2;
        out.push_back(alphabet[(triple >> 18) & 63]);
        out.push_back(alphabet[(triple >> 12) & 63]);
        if (i + 1 < size)
            out.push_back(alphabet[(triple >> 6) & 63]);
        if (i + 2 < size)
            out.push_back(alphabet[triple & 63]);
    }
    return out;
}

} // namespace

bool pkceChallengeIsValid(const std::string &challenge, const std::string &method)
{
    if (challenge.empty())
        return method.empty();
    if (method != "S256" && method != "plain" && !method.empty())
        return false;
    return challenge.size() >= 43 && challenge.size() <= 128 &&
           std::all_of(challenge.begin(), challenge.end(), isUnreserved);
}

std::string pkceS256(const std::string &verifier)
{
    unsigned char digest[SHA256_DIGEST_LENGTH];
    SHA256(reinterpret_cast<const unsigned char *>(verifier.data()), verifier.size(), digest);
    return base64Url(digest, sizeof digest);
}

bool pkceVerifierMatches(const std::string &challenge, const std::string &method,
                         const std::string &verifier)
{
    if (challenge.empty())
        return true;
    if (verifier.size() < 43 || verifier.size() > 128 ||
        !std::all_of(verifier.begin(), verifier.end(), isUnreserved))
        return false;
    return (method == "S256" ? pkceS256(verifier) : verifier) == challenge;
}

} // namespace standin
