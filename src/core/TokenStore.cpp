#include "core/TokenStore.h"

#include "core/MConfig.h"
#include "core/MGlobals.h"
#include "core/MProblems.h"
#include "core/Settings.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTimer>

using platform::Keyring;

namespace {

enum class Choice { Either, Keyring, File };

Choice ReadChoice(const MConfig &config)
{
    const QString value = Settings::Read<Settings::TokenStore>(config);
    if (value == QLatin1String("keyring"))
        return Choice::Keyring;
    if (value == QLatin1String("file"))
        return Choice::File;
    return Choice::Either;
}

// As the settings note it: the keyring held the sign-in when last used.
bool KeyringHoldsSignIn(const MConfig &config)
{
    return Settings::Read<Settings::TokensKeptIn>(config) == Settings::TokensKeptIn::keyring();
}

// A keyring call that answers with its result only, seen as one with an answer.
Keyring::Done ResultOnly(std::function<void(Keyring::Result, const QByteArray &)> answer)
{
    return [answer = std::move(answer)](Keyring::Result result) { answer(result, {}); };
}

} // namespace

TokenStore::TokenStore(std::unique_ptr<Keyring> keyring, std::chrono::milliseconds timeout,
                       std::chrono::milliseconds unlockTimeout, QObject *parent)
    : QObject(parent), m_keyring(std::move(keyring)), m_timeout(timeout),
      m_unlockTimeout(unlockTimeout)
{
    Q_ASSERT(m_keyring);
    // Saves come from both threads; the keyring is written on this object's.
    MGlobals::SetTokensSavedHook(
        [this] { QMetaObject::invokeMethod(this, &TokenStore::persist, Qt::QueuedConnection); });
}

TokenStore::~TokenStore()
{
    MGlobals::SetTokensSavedHook({});
    g_TokensInKeyring = false;
}

QString TokenStore::KeyFor(const QString &configFilePath)
{
    // One entry per settings file, so that a second data folder (a test's, say)
    // never reads or overwrites the user's own sign-in.
    return QStringLiteral("tokens:") + configFilePath;
}

TokenStore::Tokens TokenStore::Held()
{
    return {g_OnlineOneNoteAccessToken.load(), g_OnlineOneNoteRefreshToken.load()};
}

void TokenStore::Hold(const Tokens &tokens)
{
    g_OnlineOneNoteAccessToken.store(tokens.access);
    g_OnlineOneNoteRefreshToken.store(tokens.refresh);
}

QByteArray TokenStore::Encode(const Tokens &tokens)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("access_token"), tokens.access},
                                     {QStringLiteral("refresh_token"), tokens.refresh}})
        .toJson(QJsonDocument::Compact);
}

TokenStore::Tokens TokenStore::Decode(const QByteArray &secret)
{
    const QJsonObject object = QJsonDocument::fromJson(secret).object();
    return {object.value(QLatin1String("access_token")).toString(),
            object.value(QLatin1String("refresh_token")).toString()};
}

void TokenStore::load(std::function<void()> ready)
{
    m_ready = std::move(ready);
    m_key = KeyFor(g_ConfigFilePath.load());
    const Tokens inFile = Held();
    // Read once: what the settings ask for, and where the last run left the tokens.
    const MConfig config(g_ConfigFilePath.load());
    const bool keyringHeldThem = KeyringHoldsSignIn(config);
    // Issued by other service roots than those in use now: the settings load has
    // emptied them in the file, and the keyring's copy goes too, unread.
    m_dropKept = g_TokensDroppedForNewRoots.load();
    switch (ReadChoice(config)) {
    case Choice::File:
        // The keyring is not even asked unless the last run left the sign-in there.
        if (inFile.isEmpty() && keyringHeldThem && m_dropKept)
            removeFromKeyring();
        else if (inFile.isEmpty() && keyringHeldThem)
            moveKeyringToFile();
        else
            settle(Place::File);
        return;
    case Choice::Keyring:
        loadFromKeyring(inFile, true, keyringHeldThem);
        return;
    case Choice::Either:
        loadFromKeyring(inFile, false, keyringHeldThem);
        return;
    }
}

void TokenStore::loadFromKeyring(const Tokens &inFile, bool forced, bool keyringHeldThem)
{
    const bool expected = inFile.isEmpty() && keyringHeldThem;
    call([this](Answer answer) { m_keyring->read(m_key, std::move(answer)); },
         [this, inFile, forced](Keyring::Result result, const QByteArray &secret) {
             if (result == Keyring::Result::Failed) {
                 g_TokensFellBackToFile = true;
                 settle(Place::File);
                 // Asked for by name, or a sign-in to keep: the user hears where it is.
                 if (forced || !inFile.isEmpty())
                     emit fellBackToFile();
                 return;
             }
             if (inFile.isEmpty()) {
                 if (result == Keyring::Result::Ok && m_dropKept) {
                     // What the keyring holds, so that the save below removes it.
                     m_written = Decode(secret);
                     settle(Place::Keyring);
                     persist();
                     return;
                 }
                 if (result == Keyring::Result::Ok && Held().isEmpty())
                     Hold(Decode(secret));
                 m_written = Held();
                 settle(Place::Keyring);
                 return;
             }
             // Tokens in the file are the newest: they were saved there because the
             // keyring was not in use. They leave the file only once the keyring
             // has confirmed them.
             call(
                 [this, inFile](Answer answer) {
                     m_keyring->write(m_key, Encode(inFile), ResultOnly(std::move(answer)));
                 },
                 [this, inFile](Keyring::Result written, const QByteArray &) {
                     if (written != Keyring::Result::Ok) {
                         g_TokensFellBackToFile = true;
                         settle(Place::File);
                         emit fellBackToFile();
                         return;
                     }
                     m_written = inFile;
                     g_TokensInKeyring = true;
                     MGlobals::SaveConfig();
                     settle(Place::Keyring);
                 });
         },
         expected ? m_unlockTimeout : m_timeout);
}

void TokenStore::moveKeyringToFile()
{
    call([this](Answer answer) { m_keyring->read(m_key, std::move(answer)); },
         [this](Keyring::Result result, const QByteArray &secret) {
             const Tokens found = result == Keyring::Result::Ok ? Decode(secret) : Tokens{};
             if (found.isEmpty() || !Held().isEmpty()) {
                 settle(Place::File);
                 return;
             }
             Hold(found);
             MGlobals::SaveConfig();
             settle(Place::File);
             // Only a file that holds them lets the keyring's copy go.
             if (MProblems::Has(MProblem::SaveFailed))
                 return;
             call(
                 [this](Answer answer) { m_keyring->remove(m_key, ResultOnly(std::move(answer))); },
                 [](Keyring::Result, const QByteArray &) {});
         });
}

void TokenStore::removeFromKeyring()
{
    call([this](Answer answer) { m_keyring->remove(m_key, ResultOnly(std::move(answer))); },
         [this](Keyring::Result, const QByteArray &) { noteKeyringHolds(false); });
    settle(Place::File);
}

void TokenStore::noteKeyringHolds(bool holds)
{
    const QString value = holds ? Settings::TokensKeptIn::keyring() : QString();
    // A file without the note reads as one saying "no": it is not written for that.
    if (Settings::Read<Settings::TokensKeptIn>(MConfig(g_ConfigFilePath.load())) == value)
        return;
    MGlobals::SaveSettings(Settings::Changes().set<Settings::TokensKeptIn>(value));
}

void TokenStore::settle(Place place)
{
    m_place = place;
    g_TokensInKeyring = place == Place::Keyring;
    if (place == Place::Keyring)
        g_TokensFellBackToFile = false;
    noteKeyringHolds(place == Place::Keyring && !m_written.isEmpty());
    if (auto ready = std::exchange(m_ready, {}))
        ready();
}

void TokenStore::persist()
{
    if (m_place != Place::Keyring)
        return;
    if (m_busy) {
        m_dirty = true;
        return;
    }
    const Tokens now = Held();
    if (now == m_written)
        return;
    m_busy = true;
    const auto start = [this, now](Answer answer) {
        if (now.isEmpty())
            m_keyring->remove(m_key, ResultOnly(std::move(answer)));
        else
            m_keyring->write(m_key, Encode(now), ResultOnly(std::move(answer)));
    };
    call(start, [this, now](Keyring::Result result, const QByteArray &) {
        m_busy = false;
        if (result != Keyring::Result::Ok) {
            fallBack();
            if (m_onIdle)
                m_onIdle();
            return;
        }
        m_written = now;
        noteKeyringHolds(!now.isEmpty());
        if (std::exchange(m_dirty, false))
            persist();
        if (!m_busy && m_onIdle)
            m_onIdle();
    });
}

void TokenStore::fallBack()
{
    m_dirty = false;
    m_place = Place::File;
    g_TokensInKeyring = false;
    g_TokensFellBackToFile = true;
    // The file takes the tokens the keyring would not.
    MGlobals::SaveConfig();
    noteKeyringHolds(false);
    emit fellBackToFile();
}

void TokenStore::flush()
{
    persist();
    if (!m_busy)
        return;
    // Every keyring call ends, by its answer or its timeout, so the loop does too.
    QEventLoop loop;
    m_onIdle = [&loop] { loop.quit(); };
    loop.exec();
    m_onIdle = {};
}

void TokenStore::call(const std::function<void(Answer)> &start, Answer done,
                      std::chrono::milliseconds timeout)
{
    auto answered = std::make_shared<bool>(false);
    auto shared = std::make_shared<Answer>(std::move(done));
    QTimer::singleShot(timeout, this, [answered, shared] {
        if (std::exchange(*answered, true))
            return;
        (*shared)(Keyring::Result::Failed, {});
    });
    start([answered, shared, self = QPointer<TokenStore>(this)](Keyring::Result result,
                                                                const QByteArray &secret) {
        if (!self || std::exchange(*answered, true))
            return;
        (*shared)(result, secret);
    });
}
