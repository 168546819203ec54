#pragma once

#include <QString>

// Proof Key for Code Exchange (S256): the sign-in asks for a code with the
// challenge, and the code is worth tokens only together with the verifier, which
// never leaves this process until the exchange. A code caught on its way back
// from the browser is useless to whoever caught it.
namespace Pkce {

// 64 characters of the unreserved URL alphabet, from the system's cryptographic
// random source. Made afresh for every sign-in.
QString NewVerifier();

// BASE64URL, without padding, of the SHA-256 of the verifier's UTF-8.
QString Challenge(const QString &verifier);

// The sign-in request's "state": 128 bits from the system's cryptographic random
// source as 22 BASE64URL digits, new for each sign-in. An answer that does not
// bring it back was not asked for by this sign-in.
QString NewState();

} // namespace Pkce
