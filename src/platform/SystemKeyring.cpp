#include "platform/Keyring.h"

#include <qt6keychain/keychain.h>

namespace platform {

namespace {

Keyring::Result ResultOf(const QKeychain::Job &job)
{
    switch (job.error()) {
    case QKeychain::NoError:
        return Keyring::Result::Ok;
    case QKeychain::EntryNotFound:
        return Keyring::Result::NotFound;
    default:
        return Keyring::Result::Failed;
    }
}

class QtKeychainRing final : public Keyring
{
public:
    explicit QtKeychainRing(QString service) : m_service(std::move(service)) {}

    void read(const QString &key, ReadDone done) override
    {
        auto *job = new QKeychain::ReadPasswordJob(m_service);
        job->setKey(key);
        QObject::connect(job, &QKeychain::Job::finished, job, [job, done = std::move(done)] {
            const Result result = ResultOf(*job);
            done(result, result == Result::Ok ? job->binaryData() : QByteArray());
        });
        job->start();
    }

    void write(const QString &key, const QByteArray &secret, Done done) override
    {
        auto *job = new QKeychain::WritePasswordJob(m_service);
        job->setKey(key);
        job->setBinaryData(secret);
        QObject::connect(job, &QKeychain::Job::finished, job,
                         [job, done = std::move(done)] { done(ResultOf(*job)); });
        job->start();
    }

    void remove(const QString &key, Done done) override
    {
        auto *job = new QKeychain::DeletePasswordJob(m_service);
        job->setKey(key);
        QObject::connect(job, &QKeychain::Job::finished, job, [job, done = std::move(done)] {
            const Result result = ResultOf(*job);
            done(result == Result::NotFound ? Result::Ok : result);
        });
        job->start();
    }

private:
    QString m_service;
};

} // namespace

std::unique_ptr<Keyring> SystemKeyring(const QString &service)
{
    // Jobs delete themselves once finished (QtKeychain's default).
    return std::make_unique<QtKeychainRing>(service);
}

} // namespace platform
