// A settings file, XML or binary property list, as anyone may have edited it: loaded,
// every key read, saved, reloaded. What was read must read back the same, through
// the settings store and through the app's own load and save, and a file that is
// not a property-list dictionary must never be overwritten. The window place read
// from it, and any doubles at all, must give a window on one of the screens.

#include "FuzzCheck.h"
#include "app/WindowPlacement.h"
#include "core/MConfig.h"
#include "core/MGlobals.h"
#include "core/MProblems.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <plist/plist.h>

namespace {

const char *const kAppKeys[] = {
    "WindowX",
    "WindowY",
    "WindowWidth",
    "WindowHeight",
    "OnlineOneNoteAccessToken",
    "OnlineOneNoteRefreshToken",
    "OnlineOneNoteAccountId",
    "OnlineOneNoteUserId",
    // The roots that issued the tokens, written with them.
    "TokensIssuedByIdentityRoot",
    "TokensIssuedByGraphRoot",
    "IdentityRoot",
    "RedirectAddress",
    "GraphRoot",
    "ClientId",
};

// A NaN read back is still a NaN; a -0 written as text may come back as 0.
bool sameReal(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

// What every reader of the store gives for a key, asked twice with different
// defaults so that a default shows as such.
struct Reads
{
    QString str[2];
    bool boolean[2] = {};
    qint64 integer[2] = {};
    double real[2] = {};
    std::optional<QDateTime> date;

    static Reads of(const MConfig &config, const QString &key)
    {
        Reads r;
        r.str[0] = config.ReadValueDefStr(key, QStringLiteral("a"));
        r.str[1] = config.ReadValueDefStr(key, QStringLiteral("b"));
        r.boolean[0] = config.ReadValueDefBool(key, false);
        r.boolean[1] = config.ReadValueDefBool(key, true);
        r.integer[0] = config.ReadValueDefInt(key, 0);
        r.integer[1] = config.ReadValueDefInt(key, 1);
        r.real[0] = config.ReadValueDefFloat(key, 0.5);
        r.real[1] = config.ReadValueDefFloat(key, 1.5);
        r.date = config.ReadValueDefDate(key, QDateTime::fromSecsSinceEpoch(0, Qt::UTC));
        return r;
    }

    friend bool operator==(const Reads &a, const Reads &b)
    {
        return a.str[0] == b.str[0] && a.str[1] == b.str[1] && a.boolean[0] == b.boolean[0] &&
               a.boolean[1] == b.boolean[1] && a.integer[0] == b.integer[0] &&
               a.integer[1] == b.integer[1] && sameReal(a.real[0], b.real[0]) &&
               sameReal(a.real[1], b.real[1]) && a.date == b.date;
    }
};

struct AppValues
{
    double geometry[4];
    QString credentials[4];

    static AppValues current()
    {
        return {{g_WindowX.load(), g_WindowY.load(), g_WindowWidth.load(), g_WindowHeight.load()},
                {g_OnlineOneNoteAccessToken.load(), g_OnlineOneNoteRefreshToken.load(),
                 g_OnlineOneNoteAccountId.load(), g_OnlineOneNoteUserId.load()}};
    }

    // For the report of a finding.
    QByteArray text() const
    {
        QByteArray out;
        for (const double value : geometry)
            out += QByteArray::number(value, 'g', 17) + ' ';
        for (const QString &value : credentials)
            out += '"' + value.toUtf8().toPercentEncoding(" ") + "\" ";
        return out;
    }

    friend bool operator==(const AppValues &a, const AppValues &b)
    {
        for (int i = 0; i < 4; ++i) {
            if (!sameReal(a.geometry[i], b.geometry[i]) || a.credentials[i] != b.credentials[i])
                return false;
        }
        return true;
    }
};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void writeFile(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes.data(), bytes.size()) == bytes.size());
}

// Keys of a file the store wrote; such a file holds no key libplist cannot give.
QStringList keysOf(const QByteArray &xml)
{
    plist_t root = nullptr;
    plist_from_memory(xml.constData(), static_cast<uint32_t>(xml.size()), &root);
    FUZZ_CHECK(root && plist_get_node_type(root) == PLIST_DICT);
    QStringList keys;
    plist_dict_iter it = nullptr;
    plist_dict_new_iter(root, &it);
    for (;;) {
        char *key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(root, it, &key, &value);
        if (!value)
            break;
        keys << QString::fromUtf8(key);
        std::free(key);
    }
    std::free(it);
    plist_free(root);
    for (const char *key : kAppKeys) {
        if (!keys.contains(QLatin1String(key)))
            keys << QLatin1String(key);
    }
    return keys;
}

void resetAppValues()
{
    g_WindowX.store(0);
    g_WindowY.store(0);
    g_WindowWidth.store(360);
    g_WindowHeight.store(600);
    for (MShared<QString> *credential : {&g_OnlineOneNoteAccessToken, &g_OnlineOneNoteRefreshToken,
                                         &g_OnlineOneNoteAccountId, &g_OnlineOneNoteUserId})
        credential->store(QString());
    MProblems::Clear(MProblem::SaveFailed);
}

bool insideOneOf(const QRect &window, const QList<QRect> &areas)
{
    for (const QRect &area : areas) {
        if (area.contains(window))
            return true;
    }
    return false;
}

// A window placed where it was stored stays on a screen, and placed again from
// where it ended up (as the next start does) it stays put.
void checkPlacement(double x, double topUp, double width, double height)
{
    static const QRect primary(0, 0, 1920, 1080);
    static const QList<QList<QRect>> layouts = {
        {},
        {QRect(0, 32, 1920, 1048)},
        {QRect(0, 0, 1920, 1040), QRect(1920, -400, 1200, 1920), QRect(-1280, 600, 1280, 1024)},
    };
    for (const QList<QRect> &areas : layouts) {
        const QRect window = WindowPlacement::Place(x, topUp, width, height, primary, areas);
        FUZZ_CHECK(window.width() >= 1 && window.height() >= 1);
        FUZZ_CHECK(insideOneOf(window, areas.isEmpty() ? QList<QRect>{primary} : areas));
        const QRect again =
            WindowPlacement::Place(window.x(), WindowPlacement::TopUp(window.y(), primary),
                                   window.width(), window.height(), primary, areas);
        FUZZ_CHECK(again == window);
    }
}

// Each input saves the file several times, and on a disk every save waits for its
// sync: in memory, where the system has it, the target runs twenty times faster.
QString scratchTemplate()
{
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    const QString parent =
        memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
    return parent + QStringLiteral("/pinlark-fuzz-XXXXXX");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder(scratchTemplate());
    FUZZ_CHECK(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("zanapp.plist"));
    const QByteArrayView input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    writeFile(path, input);
    resetAppValues();
    g_ConfigFilePath.store(path);

    if (size >= 4 * sizeof(double)) {
        double raw[4];
        std::memcpy(raw, data, sizeof raw);
        checkPlacement(raw[0], raw[1], raw[2], raw[3]);
    }

    MConfig config(path);
    if (!config.hasDictionary()) {
        // Neither the store nor the app's save may replace what it cannot read.
        FUZZ_CHECK(!config.Save());
        MGlobals::LoadConfig();
        MGlobals::SaveConfig();
        FUZZ_CHECK(MProblems::Has(MProblem::SaveFailed));
        FUZZ_CHECK(readFile(path) == input);
        return 0;
    }

    // Every key reads back the same from the file the store writes.
    FUZZ_CHECK(config.Save());
    const QByteArray saved = readFile(path);
    const QStringList keys = keysOf(saved);
    QList<Reads> before;
    for (const QString &key : keys)
        before << Reads::of(config, key);
    {
        const MConfig reloaded(path);
        FUZZ_CHECK(reloaded.hasDictionary());
        for (qsizetype i = 0; i < keys.size(); ++i)
            FUZZ_CHECK(Reads::of(reloaded, keys[i]) == before[i]);
        // Written again, the file comes out the same; but libplist writes a date
        // beyond its calendar as an empty element, which reads back as 2001-01-01.
        FUZZ_CHECK(reloaded.Save());
        FUZZ_CHECK(readFile(path) == saved || saved.contains("<date/>"));
    }

    // The app's load and save: a change of one value is written, everything else is
    // read back as it was loaded, and keys the app does not know stay as they were.
    MGlobals::LoadConfig();
    AppValues loaded = AppValues::current();
    for (const double value : loaded.geometry)
        FUZZ_CHECK(std::isfinite(value));
    checkPlacement(loaded.geometry[0], loaded.geometry[1], loaded.geometry[2], loaded.geometry[3]);
    loaded.credentials[2] += u'+';
    g_OnlineOneNoteAccountId.store(loaded.credentials[2]);
    MGlobals::SaveConfig();
    FUZZ_CHECK(!MProblems::Has(MProblem::SaveFailed));
    resetAppValues();
    MGlobals::LoadConfig();
    if (!(AppValues::current() == loaded))
        std::fprintf(stderr, "loaded %s\nreloaded %s\n", loaded.text().constData(),
                     AppValues::current().text().constData());
    FUZZ_CHECK(AppValues::current() == loaded);

    const MConfig after(path);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const bool written =
            std::any_of(std::begin(kAppKeys), std::begin(kAppKeys) + 10,
                        [&](const char *key) { return keys[i] == QLatin1String(key); });
        if (!written)
            FUZZ_CHECK(Reads::of(after, keys[i]) == before[i]);
    }
    return 0;
}
