#pragma once

#include "platform/Keyring.h"

#include <QMap>
#include <QTimer>

// A keyring in memory that answers on the next turn of the event loop, as a real
// one does, or fails, or never answers at all. An answer still on its way when the
// keyring is gone (its store gave up waiting) lands in the shared state, not in
// freed memory.
class FakeKeyring final : public platform::Keyring
{
public:
    enum class Mode { Answers, Fails, Silent };

    struct Shared
    {
        Mode mode = Mode::Answers;
        bool refuseWrites = false;
        // How long each answer takes, as a keyring asking for its password does.
        int delayMs = 0;
        QMap<QString, QByteArray> secrets;
        int calls = 0;
    };

    explicit FakeKeyring(std::shared_ptr<Shared> shared) : m_shared(std::move(shared)) {}

    void read(const QString &key, ReadDone done) override
    {
        answer(
            [shared = m_shared, key, done] {
                const auto it = shared->secrets.constFind(key);
                if (it == shared->secrets.cend())
                    done(Result::NotFound, {});
                else
                    done(Result::Ok, *it);
            },
            [done] { done(Result::Failed, {}); });
    }

    void write(const QString &key, const QByteArray &secret, Done done) override
    {
        answer(
            [shared = m_shared, key, secret, done] {
                if (shared->refuseWrites)
                    return done(Result::Failed);
                shared->secrets.insert(key, secret);
                done(Result::Ok);
            },
            [done] { done(Result::Failed); });
    }

    void remove(const QString &key, Done done) override
    {
        answer(
            [shared = m_shared, key, done] {
                shared->secrets.remove(key);
                done(Result::Ok);
            },
            [done] { done(Result::Failed); });
    }

private:
    void answer(std::function<void()> ok, std::function<void()> failed)
    {
        ++m_shared->calls;
        if (m_shared->mode == Mode::Silent)
            return;
        QTimer::singleShot(m_shared->delayMs,
                           m_shared->mode == Mode::Answers ? std::move(ok) : std::move(failed));
    }

    std::shared_ptr<Shared> m_shared;
};
