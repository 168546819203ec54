#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

namespace platform {

// A property-list dictionary held as libplist nodes, so that values this program
// does not know (nested dictionaries, dates, data) are written back untouched.
class PlistDict
{
public:
    PlistDict();
    ~PlistDict();
    PlistDict(PlistDict &&) noexcept;
    PlistDict &operator=(PlistDict &&) noexcept;

    // XML or binary property-list bytes whose root is a dictionary; nullopt otherwise,
    // and for lists too large or too deeply nested to be settings. Every key is kept
    // once, with the last value given for it, so that what is read is what is written
    // back; a string or key holding a NUL is dropped with its entry.
    static std::optional<PlistDict> fromData(QByteArrayView data);

    // A string gives QString, a real double, an integer qint64, a boolean bool;
    // a missing key or another kind of value gives an invalid QVariant.
    QVariant value(const QString &key) const;
    bool contains(const QString &key) const;

    void setString(const QString &key, const QString &value);
    void setReal(const QString &key, double value);
    void setInteger(const QString &key, qint64 value);
    void setBool(const QString &key, bool value);

    // The published XML property-list format.
    QByteArray toXml() const;

private:
    struct Deleter
    {
        void operator()(void *node) const;
    };
    explicit PlistDict(void *node);
    void set(const QString &key, void *node);
    std::unique_ptr<void, Deleter> m_node;
};

} // namespace platform
