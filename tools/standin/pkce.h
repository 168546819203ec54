#pragma once

// Proof Key for Code Exchange as the identity platform checks it: a code asked
// for with a challenge is given out only for the verifier it was made from.

#include <string>

namespace standin {

// What the authorization request may carry: no challenge at all, or a challenge
// of 43 to 128 unreserved characters with the method "S256" or "plain" ("plain"
// when the method is left out).
bool pkceChallengeIsValid(const std::string &challenge, const std::string &method);

// BASE64URL (no padding) of the SHA-256 of `verifier`.
std::string pkceS256(const std::string &verifier);

// Whether `verifier` answers `challenge` under `method`. A code asked for
// without a challenge takes any verifier, or none.
bool pkceVerifierMatches(const std::string &challenge, const std::string &method,
                         const std::string &verifier);

} // namespace standin
