#pragma once

#include "platform/PlistDict.h"

#include <QDateTime>
#include <QString>
#include <optional>

// A small typed settings store over one property-list file. A store belongs to the
// call that makes it; it is never shared between threads.
//
// A file that exists but is not a property-list dictionary is never overwritten:
// the store then has no dictionary, reads give their defaults, writes do nothing and
// Save fails. An empty file reads as no file.
class MConfig
{
public:
    explicit MConfig(const QString &path);

    QString ReadValueDefStr(const QString &key, const QString &defStr) const;
    bool ReadValueDefBool(const QString &key, bool defBool) const;
    qint64 ReadValueDefInt(const QString &key, qint64 defInt) const;
    // Stored reals are single precision; the default is returned as given.
    double ReadValueDefFloat(const QString &key, double defFloat) const;
    // A stored "yyyyMMdd" string gives that day at local midnight; a stored value
    // that does not parse gives no date; a missing key gives the default.
    std::optional<QDateTime> ReadValueDefDate(const QString &key,
                                              std::optional<QDateTime> defDate) const;

    void WriteValueStr(const QString &key, const QString &value);
    void WriteValueInt(const QString &key, qint64 value);
    void WriteValueBool(const QString &key, bool value);
    void WriteValueFloat(const QString &key, double value);
    void WriteValueDate(const QString &key, const QDateTime &value);

    // Writes the dictionary as an XML property list, atomically and readable by its
    // owner only. False when nothing was written (no dictionary, a full disk, a
    // read-only folder): the previous file then stays whole.
    bool Save() const;

    bool hasDictionary() const { return m_Dict.has_value(); }

private:
    QString m_FileName;
    std::optional<platform::PlistDict> m_Dict;
};
