// Replacing the settings file or the cached page must never lose it: when the disk
// is full the write fails, says so, and the old file stays as it was. A child
// process stands in for the full disk: a file-size limit makes every write past it
// fail with EFBIG.

#include "board/PageFile.h"
#include "core/MConfig.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
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

QTEST_GUILESS_MAIN(TestSafeWrite)
#include "tst_safewrite.moc"
