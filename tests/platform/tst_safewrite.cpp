// Replacing the settings file or the cached page must never lose it: when the disk
// is full the write fails, says so, and the old file stays as it was. A child
// process stands in for the full disk: a file-size limit makes every write past it
// fail with EFBIG. Both files are private, and neither is read past a size cap.

#include "board/PageFile.h"
#include "core/MConfig.h"
#include "core/MProblems.h"
#include "platform/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

const QString kTokenKey = QStringLiteral("OnlineOneNoteRefreshToken");

enum class Target { Settings, Page };

#ifdef Q_OS_UNIX

void writeOld(Target target, const QString &path)
{
    if (target == Target::Settings) {
        MConfig config(path);
        config.WriteValueStr(kTokenKey, QStringLiteral("old"));
        QVERIFY(config.Save());
    } else {
        QVERIFY(WritePageFile(path, QStringLiteral("old")));
    }
}

QString readBack(Target target, const QString &path)
{
    if (target == Target::Settings)
        return MConfig(path).ReadValueDefStr(kTokenKey, QStringLiteral("(missing)"));
    return ReadPageFile(path).value_or(QStringLiteral("(missing)"));
}

// Writes `text` in a child process whose files cannot grow past `limit` bytes.
// The exit code is 1 when the write reported success, 0 when it reported failure.
int writeWithSizeLimit(Target target, const QString &path, const QString &text, rlim_t limit)
{
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize{limit, limit};
        setrlimit(RLIMIT_FSIZE, &fileSize);
        bool written = false;
        if (target == Target::Settings) {
            MConfig config(path);
            config.WriteValueStr(kTokenKey, text);
            written = config.Save();
        } else {
            written = WritePageFile(path, text);
        }
        _exit(written ? 1 : 0);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
#endif

} // namespace

class TestSafeWrite : public QObject
{
    Q_OBJECT

private slots:
    void fullDiskKeepsOldFile_data();
    void fullDiskKeepsOldFile();
    void filesArePrivate_data();
    void filesArePrivate();
    void oversizeFileIsKeptAndNamed_data();
    void oversizeFileIsKeptAndNamed();
};

void TestSafeWrite::fullDiskKeepsOldFile_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("written");
    const int roomy = 1 << 20;
    // Small texts stay in the write buffer until the final flush; large ones are
    // written at once.
    QTest::newRow("settings, small, disk full") << Target::Settings << 100 << 16 << false;
    QTest::newRow("settings, large, disk full") << Target::Settings << 100000 << 4096 << false;
    QTest::newRow("settings, room enough") << Target::Settings << 100000 << roomy << true;
    QTest::newRow("page, small, disk full") << Target::Page << 100 << 16 << false;
    QTest::newRow("page, large, disk full") << Target::Page << 100000 << 4096 << false;
    QTest::newRow("page, room enough") << Target::Page << 100000 << roomy << true;
}

void TestSafeWrite::fullDiskKeepsOldFile()
{
#ifndef Q_OS_UNIX
    QSKIP("The full disk is a file-size limit, which only Unix offers");
#else
    QFETCH(Target, target);
    QFETCH(int, size);
    QFETCH(int, limit);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file"));
    writeOld(target, path);
    const QString text(size, u'x');

    QCOMPARE(writeWithSizeLimit(target, path, text, static_cast<rlim_t>(limit)), int(written));
    QCOMPARE(readBack(target, path), written ? text : QStringLiteral("old"));
    // No temporary file is left behind either.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("file")});
#endif
}

void TestSafeWrite::filesArePrivate_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<bool>("existedOpen");
    QTest::newRow("settings, new") << Target::Settings << false;
    QTest::newRow("settings, an older file open to all") << Target::Settings << true;
    QTest::newRow("page, new") << Target::Page << false;
    QTest::newRow("page, an older file open to all") << Target::Page << true;
}

// The settings hold tokens and the page the user's notes: neither is ever readable
// by another user, whatever the umask or the mode an older file had.
void TestSafeWrite::filesArePrivate()
{
#ifndef Q_OS_UNIX
    QSKIP("File modes are Unix's");
#else
    QFETCH(Target, target);
    QFETCH(bool, existedOpen);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file"));
    const mode_t before = umask(0);
    const auto restore = qScopeGuard([before] { umask(before); });
    if (existedOpen) {
        writeOld(target, path);
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions(0x6666)));
    }
    writeOld(target, path);
    struct stat info = {};
    QCOMPARE(stat(QFile::encodeName(path).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0600));
#endif
}

void TestSafeWrite::oversizeFileIsKeptAndNamed_data()
{
    QTest::addColumn<Target>("target");
    QTest::newRow("settings") << Target::Settings;
    QTest::newRow("page") << Target::Page;
}

// A file past the cap is never read into memory: it reads as unreadable, stays as
// it is (a save does not replace it), and the user hears of it.
void TestSafeWrite::oversizeFileIsKeptAndNamed()
{
    QFETCH(Target, target);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // Sparse: costs no disk.
        QVERIFY(file.resize(platform::kMaxReadBytes + 1));
    }
    MProblems::Clear(MProblem::FileTooLarge);
    if (target == Target::Settings) {
        MConfig config(path);
        QVERIFY(!config.hasDictionary());
        config.WriteValueStr(kTokenKey, QStringLiteral("new"));
        QVERIFY(!config.Save());
        QVERIFY(MProblems::Has(MProblem::FileTooLarge));
    } else {
        bool tooLarge = false;
        QCOMPARE(ReadPageFile(path, &tooLarge), std::nullopt);
        QVERIFY(tooLarge);
    }
    QCOMPARE(QFileInfo(path).size(), platform::kMaxReadBytes + 1);
}

QTEST_GUILESS_MAIN(TestSafeWrite)
#include "tst_safewrite.moc"
