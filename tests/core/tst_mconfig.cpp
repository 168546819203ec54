#include "core/MConfig.h"
#include "core/MGlobals.h"
#include "core/Settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <thread>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kPlistHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                              "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                              "<plist version=\"1.0\">\n";

// Binary property lists, built byte by byte: "bplist00", the objects, a table of
// their offsets, then a 32-byte trailer (6 unused bytes, offset size, reference size,
// and as 8-byte big-endian numbers the object count, the root object (0) and the
// table's offset). References and offsets take `width` bytes.
QByteArray bigEndian(quint64 value, int width)
{
    QByteArray out;
    for (int i = width - 1; i >= 0; --i)
        out += char(value >> (8 * i) & 0xFF);
    return out;
}

QByteArray binaryPlist(const QList<QByteArray> &objects, int width = 1)
{
    QByteArray out = "bplist00";
    QByteArray table;
    for (const QByteArray &object : objects) {
        table += bigEndian(out.size(), width);
        out += object;
    }
    const qsizetype tableOffset = out.size();
    return out + table + QByteArray(6, '\0') + char(width) + char(width) +
           bigEndian(objects.size(), 8) + bigEndian(0, 8) + bigEndian(tableOffset, 8);
}

// A container object: marker 0xA0 (array) or 0xD0 (dictionary: keys, then values)
// with its entry count (below 15), then the references.
QByteArray container(char marker, int count, const QList<quint64> &refs, int width = 1)
{
    QByteArray out(1, char(marker | count));
    for (const quint64 ref : refs)
        out += bigEndian(ref, width);
    return out;
}

// Text objects: ASCII (0x5n) and UTF-16 big-endian (0x6n), n characters below 15.
QByteArray ascii(const QByteArray &text)
{
    return char(0x50 | text.size()) + text;
}

QByteArray utf16(const QString &text)
{
    QByteArray out(1, char(0x60 | text.size()));
    for (const QChar c : text)
        out += bigEndian(c.unicode(), 2);
    return out;
}

// {"K": [[[...["end"]...]]]}, arrays nested `depth` deep.
QByteArray deeplyNested(int depth)
{
    constexpr int width = 4;
    QList<QByteArray> objects{container(char(0xD0), 1, {1, 2}, width), ascii("K")};
    for (int i = 0; i < depth; ++i)
        objects << container(char(0xA0), 1, {quint64(objects.size()) + 1}, width);
    objects << ascii("end");
    return binaryPlist(objects, width);
}

// {"K": A1} where each array A(i) holds A(i+1) twice: a small file whose tree,
// every shared array copied, would hold 2^levels nodes.
QByteArray sharedArrays(int levels)
{
    QList<QByteArray> objects{container(char(0xD0), 1, {1, 2}), ascii("K")};
    for (int i = 0; i < levels; ++i) {
        const quint64 next = objects.size() + 1;
        objects << container(char(0xA0), 2, {next, next});
    }
    objects << ascii("end");
    return binaryPlist(objects);
}

// Nobody but the owner may read the tokens.
const QFileDevice::Permissions kOthersMask = QFile::ReadGroup | QFile::WriteGroup |
                                             QFile::ExeGroup | QFile::ReadOther |
                                             QFile::WriteOther | QFile::ExeOther;

// What a row of a test asks to save.
using Change = std::function<void(Settings::Changes &)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class TestMConfig : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void reads_data();
    void reads();
    void realsAreSinglePrecision();
    void notADictionaryIsLeftAlone_data();
    void notADictionaryIsLeftAlone();
    void oddFileReadsAsWrittenBack_data();
    void oddFileReadsAsWrittenBack();
    void binaryPlistReadsLikeXml();
    void firstLaunchCreatesPrivateFolder();
    void saveKeepsOtherKeysAndTightensMode();
    void savesFromTwoThreadsStayWhole();
    void loadTakesWhatTheAppCanUse_data();
    void loadTakesWhatTheAppCanUse();
    void saveWritesWhatTheFileDoesNotHold_data();
    void saveWritesWhatTheFileDoesNotHold();

private:
    QTemporaryDir m_dir;
};

void TestMConfig::init()
{
    QVERIFY(m_dir.isValid());
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
}

void TestMConfig::reads_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("asString");
    QTest::addColumn<double>("asFloat");
    QTest::addColumn<qint64>("asInt");
    QTest::addColumn<bool>("asBool");
    // Defaults: "def", -1.0, -1, false.
    QTest::newRow("string") << QByteArray("<string>abc</string>") << "abc" << -1.0 << qint64(-1)
                            << false;
    QTest::newRow("numeric string")
        << QByteArray("<string>42</string>") << "42" << 42.0 << qint64(42) << true;
    QTest::newRow("real") << QByteArray("<real>2.5</real>") << "def" << 2.5 << qint64(2) << true;
    QTest::newRow("integer") << QByteArray("<integer>7</integer>") << "def" << 7.0 << qint64(7)
                             << true;
    QTest::newRow("boolean") << QByteArray("<true/>") << "def" << 1.0 << qint64(1) << true;
    QTest::newRow("array is of no known type")
        << QByteArray("<array/>") << "def" << -1.0 << qint64(-1) << false;
}

void TestMConfig::reads()
{
    QFETCH(QByteArray, value);
    const QString path = m_dir.filePath(QStringLiteral("reads.plist"));
    writeFile(path, kPlistHead + "<dict><key>K</key>" + value + "</dict></plist>");
    const MConfig config(path);
    QTEST(config.ReadValueDefStr(QStringLiteral("K"), QStringLiteral("def")), "asString");
    QTEST(config.ReadValueDefFloat(QStringLiteral("K"), -1.0), "asFloat");
    QTEST(config.ReadValueDefInt(QStringLiteral("K"), -1), "asInt");
    QTEST(config.ReadValueDefBool(QStringLiteral("K"), false), "asBool");
    QCOMPARE(config.ReadValueDefStr(QStringLiteral("missing"), QStringLiteral("d")), u"d");
}

void TestMConfig::realsAreSinglePrecision()
{
    const QString path = m_dir.filePath(QStringLiteral("real.plist"));
    QFile::remove(path);
    MConfig config(path);
    config.WriteValueFloat(QStringLiteral("WindowX"), 123.456);
    config.WriteValueDate(QStringLiteral("Day"), QDate(2024, 1, 31).startOfDay());
    config.Save();
    const MConfig reread(path);
    QCOMPARE(reread.ReadValueDefFloat(QStringLiteral("WindowX"), 0), 123.45600128173828);
    QCOMPARE(reread.ReadValueDefFloat(QStringLiteral("missing"), 0.1), 0.1);
    QCOMPARE(reread.ReadValueDefDate(QStringLiteral("Day"), std::nullopt),
             std::optional(QDate(2024, 1, 31).startOfDay()));
}

void TestMConfig::notADictionaryIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("not a property list") << QByteArray("hello, world");
    QTest::newRow("array at the root") << kPlistHead + "<array><string>x</string></array></plist>";
    // Their trees would overflow the stack or take gigabytes.
    QTest::newRow("binary, nested 100000 deep") << deeplyNested(100000);
    QTest::newRow("binary, an array shared at 40 levels") << sharedArrays(40);
    QTest::newRow("binary, an array holding itself") << binaryPlist(
        {container(char(0xD0), 1, {1, 2}), ascii("K"), container(char(0xA0), 1, {2})});
    QTest::newRow("XML, nested 100000 deep")
        << kPlistHead + QByteArray("<dict><key>K</key>").repeated(100000) +
               QByteArray("</dict>").repeated(100000) + "</plist>";
}

void TestMConfig::notADictionaryIsLeftAlone()
{
    QFETCH(QByteArray, contents);
    const QString path = m_dir.filePath(QStringLiteral("odd.plist"));
    writeFile(path, contents);
    MConfig config(path);
    QVERIFY(!config.hasDictionary());
    QCOMPARE(config.ReadValueDefFloat(QStringLiteral("WindowWidth"), 360), 360.0);
    config.WriteValueStr(QStringLiteral("K"), QStringLiteral("v"));
    config.Save();
    QCOMPARE(readFile(path), contents);
}

void TestMConfig::oddFileReadsAsWrittenBack_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("value");
    const QString missing = QStringLiteral("default");
    QTest::newRow("empty file") << QByteArray() << missing;
    QTest::newRow("XML string holding a NUL")
        << kPlistHead + QByteArray("<dict><key>K</key><string>a\0b</string></dict></plist>", 54)
        << missing;
    QTest::newRow("binary string holding a NUL")
        << binaryPlist({container(char(0xD0), 1, {1, 2}), ascii("K"), utf16(u"a\0b"_qs)})
        << missing;
    QTest::newRow("binary key holding a NUL")
        << binaryPlist({container(char(0xD0), 1, {1, 2}), utf16(u"K\0x"_qs), ascii("a")})
        << missing;
    QTest::newRow("XML markup characters and text beyond the BMP")
        << kPlistHead + "<dict><key>K</key><string>&lt;a&gt; &amp; ]]&gt; Gr\xc3\xbc\xc3\x9f"
                        "e \xf0\x9f\x98\x80</string></dict></plist>"
        << QStringLiteral("<a> & ]]> Gr\u00fc\u00dfe \U0001F600");
    QTest::newRow("XML key twice: the last one counts")
        << kPlistHead + "<dict><key>K</key><string>first</string>"
                        "<key>K</key><string>second</string></dict></plist>"
        << QStringLiteral("second");
    QTest::newRow("binary key twice: the last one counts")
        << binaryPlist({container(char(0xD0), 2, {1, 1, 2, 3}), ascii("K"), ascii("first"),
                        ascii("second")})
        << QStringLiteral("second");
    QTest::newRow("binary key twice, the last holding a NUL")
        << binaryPlist({container(char(0xD0), 2, {1, 1, 2, 3}), ascii("K"), ascii("first"),
                        utf16(u"a\0b"_qs)})
        << missing;
}

void TestMConfig::oddFileReadsAsWrittenBack()
{
    QFETCH(QByteArray, contents);
    const QString path = m_dir.filePath(QStringLiteral("odd.plist"));
    writeFile(path, contents);
    MConfig config(path);
    QVERIFY(config.hasDictionary());
    QTEST(config.ReadValueDefStr(QStringLiteral("K"), QStringLiteral("default")), "value");
    config.WriteValueStr(QStringLiteral("Other"), QStringLiteral("x"));
    QVERIFY(config.Save());
    const MConfig reread(path);
    QTEST(reread.ReadValueDefStr(QStringLiteral("K"), QStringLiteral("default")), "value");
    QCOMPARE(reread.ReadValueDefStr(QStringLiteral("Other"), QString()), u"x");
}

void TestMConfig::binaryPlistReadsLikeXml()
{
    // bplist00 holding the dictionary {"K": "v"}.
    const QString path = m_dir.filePath(QStringLiteral("binary.plist"));
    writeFile(path, QByteArray::fromHex("62706c6973743030d10102514b5176080b0d00000000000001010000"
                                        "0000000000030000000000000000000000000000000f"));
    const MConfig config(path);
    QVERIFY(config.hasDictionary());
    QCOMPARE(config.ReadValueDefStr(QStringLiteral("K"), QString()), u"v");
}

void TestMConfig::firstLaunchCreatesPrivateFolder()
{
    g_WindowX.store(10);
    g_WindowY.store(20);
    MGlobals::InitDataFolder();
    const QString folder = g_DataFolder.load();
    QVERIFY(folder.endsWith(QStringLiteral("/data/Marrowfield/") +
                            QCoreApplication::applicationName()));
    QCOMPARE(QFile::permissions(folder) & kOthersMask, QFileDevice::Permissions());
    QCOMPARE(g_CacheFilePath.load(), folder + QStringLiteral("/pinlark.html"));
    QCOMPARE(g_WindowWidth.load(), 360.0);
    QCOMPARE(g_WindowX.load(), 10.0);
    QVERIFY(g_OnlineOneNoteAccessToken.load().isEmpty());
}

void TestMConfig::saveKeepsOtherKeysAndTightensMode()
{
    MGlobals::InitDataFolder();
    const QString path = g_ConfigFilePath.load();
    writeFile(path, kPlistHead + "<dict><key>GraphRoot</key><string>http://127.0.0.1:1</string>"
                                 "<key>Extra</key><dict><key>a</key><integer>1</integer></dict>"
                                 "<key>When</key><date>2024-01-31T10:15:00Z</date>"
                                 "<key>Blob</key><data>AAEC/w==</data></dict>"
                                 "</plist>");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    MGlobals::LoadConfig();
    QCOMPARE(g_GraphRoot.load(), u"http://127.0.0.1:1");
    g_OnlineOneNoteAccessToken.store(QStringLiteral("a+b&c"));
    MGlobals::SaveConfig();

    const QByteArray saved = readFile(path);
    QVERIFY(saved.contains("<key>Extra</key>"));
    QVERIFY(saved.contains("<key>GraphRoot</key>"));
    // Kinds of value the app never reads come back as they were.
    QVERIFY(saved.contains("<date>2024-01-31T10:15:00Z</date>"));
    QVERIFY(saved.contains("AAEC/w=="));
    QVERIFY(saved.contains("a+b&amp;c"));
    QCOMPARE(QFile::permissions(path) & kOthersMask, QFileDevice::Permissions());
    QVERIFY(QFile::permissions(path) & QFile::ReadOwner);
    g_OnlineOneNoteAccessToken.store({});
}

void TestMConfig::savesFromTwoThreadsStayWhole()
{
    MGlobals::InitDataFolder();
    std::thread worker([] {
        for (int i = 0; i < 200; ++i) {
            g_OnlineOneNoteRefreshToken.store(QStringLiteral("worker-%1").arg(i));
            MGlobals::SaveConfig();
        }
    });
    for (int i = 0; i < 200; ++i) {
        g_WindowX.store(i);
        MGlobals::SaveConfig();
    }
    worker.join();
    MGlobals::SaveConfig();
    const MConfig config(g_ConfigFilePath.load());
    QVERIFY(config.hasDictionary());
    QCOMPARE(config.ReadValueDefStr(QStringLiteral("OnlineOneNoteRefreshToken"), QString()),
             u"worker-199");
    QCOMPARE(config.ReadValueDefFloat(QStringLiteral("WindowX"), 0), 199.0);
}

void TestMConfig::loadTakesWhatTheAppCanUse_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("graphRoot");
    const QString builtIn = Settings::GraphRoot::defaultValue();
    QTest::newRow("values as written") << QByteArray("<key>WindowWidth</key><real>412.5</real>"
                                                     "<key>GraphRoot</key><string>"
                                                     "http://127.0.0.1:2</string>")
                                       << 412.5 << "http://127.0.0.1:2";
    // Finite as a double, infinite once narrowed to the file's single precision.
    QTest::newRow("a width beyond single precision keeps the built-in one")
        << QByteArray("<key>WindowWidth</key><real>1e39</real>") << 360.0 << builtIn;
    QTest::newRow("a width that is no number keeps the built-in one")
        << QByteArray("<key>WindowWidth</key><string>wide</string>") << 360.0 << builtIn;
    QTest::newRow("an empty service root is the built-in one, not a refused address")
        << QByteArray("<key>GraphRoot</key><string></string>") << 360.0 << builtIn;
}

void TestMConfig::loadTakesWhatTheAppCanUse()
{
    QFETCH(QByteArray, stored);
    MGlobals::InitDataFolder();
    writeFile(g_ConfigFilePath.load(), kPlistHead + "<dict>" + stored + "</dict></plist>");
    const auto restore = qScopeGuard([] {
        g_WindowWidth.store(Settings::WindowWidth::defaultValue());
        g_GraphRoot.store(Settings::GraphRoot::defaultValue());
    });
    g_WindowWidth.store(Settings::WindowWidth::defaultValue());
    MGlobals::LoadConfig();
    QTEST(g_WindowWidth.load(), "width");
    QTEST(g_GraphRoot.load(), "graphRoot");
    QCOMPARE(g_RefusedServiceKeys.load(), QString());
}

void TestMConfig::saveWritesWhatTheFileDoesNotHold_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("written");
    const QByteArray shortcut = "<key>GlobalShortcut</key><string>Ctrl+Alt+V</string>";
    const auto setShortcut = [](const QString &keys) {
        return Change([keys](Settings::Changes &c) { c.set<Settings::GlobalShortcut>(keys); });
    };

    QTest::newRow("the same text leaves the file alone")
        << shortcut << setShortcut(QStringLiteral("Ctrl+Alt+V")) << false;
    // Otherwise a shortcut turned off would come back at the next start.
    QTest::newRow("an empty text is written where the key is missing")
        << QByteArray() << setShortcut(QString()) << true;
    QTest::newRow("a text where a number is stored is written")
        << QByteArray("<key>GlobalShortcut</key><integer>3</integer>") << setShortcut(QString())
        << true;
    QTest::newRow("the default is written where the key is missing")
        << QByteArray()
        << Change([](Settings::Changes &c) { c.set<Settings::CopyFormatting>(true); }) << true;
    QTest::newRow("the same boolean leaves the file alone")
        << QByteArray("<key>PasteAfterCopy</key><true/>")
        << Change([](Settings::Changes &c) { c.set<Settings::PasteAfterCopy>(true); }) << false;
    QTest::newRow("a real equal in single precision leaves the file alone")
        << QByteArray("<key>WindowX</key><real>123.456001281738</real>")
        << Change([](Settings::Changes &c) { c.set<Settings::WindowX>(123.456); }) << false;
    QTest::newRow("one change among same values writes the file")
        << shortcut + "<key>PasteAfterCopy</key><false/>" << Change([](Settings::Changes &c) {
               c.set<Settings::GlobalShortcut>(QStringLiteral("Ctrl+Alt+V"))
                   .set<Settings::PasteAfterCopy>(true);
           })
        << true;
}

void TestMConfig::saveWritesWhatTheFileDoesNotHold()
{
    QFETCH(QByteArray, stored);
    QFETCH(Change, change);
    MGlobals::InitDataFolder();
    const QString path = g_ConfigFilePath.load();
    const QByteArray before = kPlistHead +
                              "<dict><key>Unknown</key><date>2024-01-31T10:15:00Z</date>" + stored +
                              "</dict></plist>";
    writeFile(path, before);
    Settings::Changes changes;
    change(changes);

    QVERIFY(MGlobals::SaveSettings(changes));
    const QByteArray after = readFile(path);
    QTEST(after != before, "written");
    QVERIFY(after.contains("<date>2024-01-31T10:15:00Z</date>"));
    // What was written is held now: the same save again leaves the file alone.
    QVERIFY(MGlobals::SaveSettings(changes));
    QCOMPARE(readFile(path), after);
}

QTEST_GUILESS_MAIN(TestMConfig)
#include "tst_mconfig.moc"
