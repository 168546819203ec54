#include "pkce.h"

#include "codec.h"

#include <algorithm>
#include <openssl/sha.h>

namespace standin {

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
    return base64(digest, sizeof digest, Base64::UrlUnpadded);
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
