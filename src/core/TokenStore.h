#pragma once

#include "platform/Keyring.h"

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

// Keeps the access and refresh tokens in the system keyring when one answers, and
// in the settings file (readable by its owner only) when none does, without ever
// losing a sign-in on the way between the two.
//
// The tokens live in the shared state as always; this store only decides where
// they are saved. While they are in the keyring, SaveConfig writes the file's
// token keys empty and asks this store to write the keyring, on the main thread.
// A keyring that fails then, or takes longer than the timeout, sends the tokens
// back to the file and the user is told once.
//
// The setting "TokenStore" chooses: "keyring" or "file"; anything else, or none,
// is the keyring when it answers. Moving either way takes the tokens along at the
// next start: tokens found in the file go to the keyring and leave the file only
// once the keyring has confirmed them; with "file", tokens found only in the
// keyring come back to the file and leave the keyring once the file is saved.
//
// The settings file notes where the tokens went ("TokensKeptIn", no secret), so
// that a keyring still locked at the next start is waited for while it asks for
// its password, instead of being taken for no keyring at all.
class TokenStore : public QObject
{
    Q_OBJECT

public:
    // How long a keyring may take to answer before the file keeps the tokens.
    static constexpr std::chrono::milliseconds kTimeout{2000};
    // How long it may take when the tokens are known to be in it: a locked
    // keyring asks the user for its password first, and giving up on it would
    // open the sign-in window for a user who is signed in.
    static constexpr std::chrono::milliseconds kUnlockTimeout{120000};

    enum class Place { Undecided, File, Keyring };

    explicit TokenStore(std::unique_ptr<platform::Keyring> keyring,
                        std::chrono::milliseconds timeout = kTimeout,
                        std::chrono::milliseconds unlockTimeout = kUnlockTimeout,
                        QObject *parent = nullptr);
    ~TokenStore() override;

    // Call after the settings are loaded. Finds where the tokens are, brings them
    // into the shared state and runs `ready` once, on the main thread's event
    // loop, before which nothing should decide whether the user is signed in.
    void load(std::function<void()> ready);
    // Puts the latest tokens where they belong before returning (at exit), waiting
    // for the keyring at most the timeout.
    void flush();

    Place place() const { return m_place; }
    // The keyring's key for this settings file's tokens.
    static QString KeyFor(const QString &configFilePath);

signals:
    // The keyring failed or was not there when the settings asked for it: the
    // tokens are kept in the settings file from now on.
    void fellBackToFile();

private:
    struct Tokens
    {
        QString access;
        QString refresh;
        bool isEmpty() const { return access.isEmpty() && refresh.isEmpty(); }
        bool operator==(const Tokens &) const = default;
    };
    using Answer = std::function<void(platform::Keyring::Result, const QByteArray &)>;

    static Tokens Held();
    static void Hold(const Tokens &tokens);
    static QByteArray Encode(const Tokens &tokens);
    static Tokens Decode(const QByteArray &secret);

    void loadFromKeyring(const Tokens &inFile, bool forced, bool keyringHeldThem);
    void moveKeyringToFile();
    void removeFromKeyring();
    void settle(Place place);
    // Notes in the settings whether the keyring holds a sign-in.
    void noteKeyringHolds(bool holds);
    void persist();
    void fallBack();
    // Runs one keyring call; `done` sees its answer, or Failed after `timeout`.
    void call(const std::function<void(Answer)> &start, Answer done,
              std::chrono::milliseconds timeout);
    void call(const std::function<void(Answer)> &start, Answer done)
    {
        call(start, std::move(done), m_timeout);
    }

    std::unique_ptr<platform::Keyring> m_keyring;
    std::chrono::milliseconds m_timeout;
    std::chrono::milliseconds m_unlockTimeout;
    QString m_key;
    Place m_place = Place::Undecided;
    std::function<void()> m_ready;
    // What the keyring last confirmed holding.
    Tokens m_written;
    bool m_busy = false;
    // Told when a write has ended and no other is under way (the exit's flush).
    std::function<void()> m_onIdle;
    bool m_dirty = false;
    // The tokens the keyring holds were issued by other service roots: remove them.
    bool m_dropKept = false;
};
