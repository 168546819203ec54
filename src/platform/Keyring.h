#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace platform {

// One secret per key in the system's keyring. Every call returns at once; its
// answer comes later, on the calling thread's event loop. A keyring that never
// answers is the caller's to time out.
class Keyring
{
public:
    enum class Result {
        Ok,
        // The keyring answered: no secret under that key.
        NotFound,
        // No keyring, a locked one, a refusal, or any other failure.
        Failed,
    };
    using ReadDone = std::function<void(Result, const QByteArray &secret)>;
    using Done = std::function<void(Result)>;

    virtual ~Keyring() = default;
    virtual void read(const QString &key, ReadDone done) = 0;
    virtual void write(const QString &key, const QByteArray &secret, Done done) = 0;
    // Removing a key that holds nothing is a success.
    virtual void remove(const QString &key, Done done) = 0;
};

// The platform's keyring through QtKeychain: the Secret Service on Linux (GNOME
// Keyring, KWallet), the Keychain on macOS, the Credential Manager on Windows.
// Secrets are filed under `service`. Never falls back to a plain file itself:
// where the secret goes then is the caller's choice.
std::unique_ptr<Keyring> SystemKeyring(const QString &service);

} // namespace platform
