// Files that cannot be read, saves that fail half-way, leftovers of a killed save, the
// data folder's place.
#include "FileErrors.h"
#include "FileSet.h"
#include "GroupFile.h"
#include "GroupSheet.h"
#include "KnockoutBoard.h"
#include "BracketBoard.h"
#include "TestSupport.h"

#include <QDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QStringList kBracket = {"torveloOct.txt", "torveloTEOct.txt", "torveloPENOct.txt",
                              "torvelocuar.txt", "torveloTEcuar.txt", "torveloPENcuar.txt"};

QList<QStringList> bracketOf(const QString &value)
{
    QList<QStringList> contents;
    for (int i = 0; i < 6; ++i)
        contents << QStringList(i < 3 ? 16 : 8, value);
    return contents;
}

// Opening a pipe or reading it would block: fail the test rather than hang the suite.
struct HangGuard {
    HangGuard() { ::alarm(20); }
    ~HangGuard() { ::alarm(0); }
};

} // namespace

class DataFilesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { FileErrors::lift(); }

    void unreadableGroupFileKeepsItsBytes_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << "folder" << "no es un archivo común";
        QTest::newRow("fifo") << "fifo" << "no es un archivo común";
        QTest::newRow("endless device") << "device" << "no es un archivo común";
        QTest::newRow("too large") << "large" << "demasiado grande";
        QTest::newRow("read error") << "eio" << "error de lectura o escritura del disco";
    }
    void unreadableGroupFileKeepsItsBytes()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        TempDataFolder folder;
        RecordingNotifier notes;
        HangGuard guard;
        const QString file = folder.file("torveloA.txt");
        const QByteArray stored = "3\r\n0\r\n*\r\n*\r\n*\r\n*\r\n*\r\n*\r\n*\r\n*\r\n*\r\n*\r\nAlemania\r\nPolonia\r\n";
        if (kind == "folder")
            QVERIFY(QDir().mkdir(file));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0644), 0);
        else if (kind == "device")
            QVERIFY(QFile::link("/dev/zero", file));
        else if (kind == "large") {
            folder.writeBytes("torveloA.txt", stored);  // then grown, sparse, past the bound
            QCOMPARE(::truncate(QFile::encodeName(file).constData(), DataFolder::kMaxFileBytes + 1), 0);
        }
        else {
            folder.writeBytes("torveloA.txt", stored);
            FileErrors::inject("torveloA.txt", FileErrors::Step::Read, EIO);
        }

        GroupSheet sheet('A');
        StoredFiles files = GroupFile::files('A');
        GroupFile::LoadGroupFile(sheet, files);
        QVERIFY(DataFolder::readLines("torveloA.txt", 14).isEmpty());  // the plain read gives nothing
        FileErrors::lift();
        QCOMPARE(sheet.cell(0), QString());
        QCOMPARE(notes.unreadable.size(), 1);
        const QString text = notes.unreadable.first();
        QVERIFY2(text.contains(file) && text.contains(reason) && text.contains(files.asideName(0)), qPrintable(text));
        QVERIFY(notes.messages.isEmpty());

        sheet.setCell(2, "1");
        const QString aside = folder.file(files.asideName(0));
        QVERIFY(GroupFile::SaveGroupFile(sheet, files));
        struct stat info {};
        QCOMPARE(::lstat(QFile::encodeName(aside).constData(), &info), 0);
        if (kind == "folder")
            QVERIFY(S_ISDIR(info.st_mode));
        else if (kind == "fifo")
            QVERIFY(S_ISFIFO(info.st_mode));
        else if (kind == "device")
            QCOMPARE(QFileInfo(aside).symLinkTarget(), QString("/dev/zero"));
        else if (kind == "large")
            QCOMPARE(qint64(info.st_size), DataFolder::kMaxFileBytes + 1);
        else
            QCOMPARE(folder.bytes(QFileInfo(aside).fileName()), stored);
        QCOMPARE(DataFolder::readLines("torveloA.txt", 14).size(), 14);
        QCOMPARE(notes.unreadable.size(), 1);
    }

    void asideNamesNeverReplaceEachOther()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        QStringList asides;
        for (int round = 0; round < 3; ++round) {
            folder.writeBytes("torvelofinal.txt", QByteArray::number(round));
            FileErrors::inject("torvelofinal.txt", FileErrors::Step::Read, EIO);
            StoredFiles files({"torvelofinal.txt"});
            files.load({24});
            FileErrors::lift();
            asides << files.asideName(0);
            QVERIFY(files.save({QStringList(24, "*")}));
        }
        QCOMPARE(QSet<QString>(asides.begin(), asides.end()).size(), 3);
        for (int round = 0; round < 3; ++round)
            QCOMPARE(folder.bytes(asides[round]), QByteArray::number(round));
    }

    void missingIsNotUnreadable()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        QVERIFY(QFile::link(folder.file("nowhere"), folder.file("torveloB.txt")));  // dangling link
        QCOMPARE(DataFolder::read("torveloB.txt", 14).status, DataFolder::ReadResult::Missing);
        QCOMPARE(DataFolder::read("torveloC.txt", 14).status, DataFolder::ReadResult::Missing);
        GroupSheet sheet('C');
        GroupFile::LoadGroupFile(sheet);
        QVERIFY(notes.unreadable.isEmpty());
    }

    void oneUnreadableBracketFileSetsTheWholeSetAside()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        for (int i = 0; i < 6; ++i)
            folder.writeLines(kBracket[i], QStringList(i < 3 ? 16 : 8, i == 0 ? "2" : "*"));
        const QByteArray oct = folder.bytes("torveloOct.txt");
        QVERIFY(QFile::remove(folder.file("torveloTEOct.txt")));
        QVERIFY(QDir().mkdir(folder.file("torveloTEOct.txt")));
        BracketBoard board;
        board.open();
        QCOMPARE(notes.unreadable.size(), 1);
        QVERIFY(notes.unreadable.first().contains("torveloTEOct.txt"));
        QVERIFY(!notes.unreadable.first().contains("torveloOct.txt\nMotivo"));
        QCOMPARE(board.boxText(0), QString("2"));  // the readable files still replay
        QVERIFY(board.save());
        const QString suffix = notes.unreadable.first().section("torveloOct.txt", 1, 1).section('\n', 0, 0);
        QVERIFY(suffix.startsWith(".ilegible-"));
        for (const QString &name : kBracket)
            QVERIFY2(QFileInfo::exists(folder.file(name + suffix)), qPrintable(name + suffix));
        QCOMPARE(folder.bytes("torveloOct.txt" + suffix), oct);
        QVERIFY(QFileInfo(folder.file("torveloTEOct.txt" + suffix)).isDir());
        QCOMPARE(DataFolder::readLines("torveloTEOct.txt", 16), QStringList(16, "*"));
    }

    void failedSetWriteChangesNoFile_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full") << ENOSPC << "disco lleno";
        QTest::newRow("permission") << EACCES << "permiso denegado";
        QTest::newRow("folder gone") << ENOENT << "carpeta no disponible";
        QTest::newRow("read-only") << EROFS << "solo lectura";
    }
    void failedSetWriteChangesNoFile()
    {
        QFETCH(int, error);
        QFETCH(QString, reason);
        TempDataFolder folder;
        StoredFiles set(kBracket);
        QVERIFY(set.save(bracketOf("1")));
        FileErrors::inject("torvelocuar.txt", FileErrors::Step::Write, error);
        const SaveOutcome outcome = set.save(bracketOf("2"));
        QVERIFY(!outcome);
        QVERIFY(outcome.fileName.endsWith("torvelocuar.txt"));
        QCOMPARE(outcome.reason, reason.contains("solo") ? FileErrors::reason(EROFS) : reason);
        for (const QString &name : kBracket)
            QCOMPARE(DataFolder::readLines(name, 16).value(0), QString("1"));
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).size() == 6);
    }

    void sizeLimitFailsInSpanish()
    {
        TempDataFolder folder;
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit tight = saved;
        tight.rlim_cur = 40;
        setrlimit(RLIMIT_FSIZE, &tight);
        const SaveOutcome outcome = StoredFiles(kBracket).save(bracketOf("12"));
        setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!outcome);
        QCOMPARE(outcome.reason, FileErrors::reason(EFBIG));
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    }

    void renameCutHalfWayIsCompletedAtTheNextStart()
    {
        TempDataFolder folder;
        StoredFiles set(kBracket);
        QVERIFY(set.save(bracketOf("1")));
        FileErrors::inject("torvelocuar.txt", FileErrors::Step::Rename, EIO);
        QVERIFY(!set.save(bracketOf("2")));
        FileErrors::lift();
        QCOMPARE(DataFolder::readLines("torveloOct.txt", 1), QStringList{"2"});
        QCOMPARE(DataFolder::readLines("torvelocuar.txt", 1), QStringList{"1"});
        FileSet::tidyUp();
        for (const QString &name : kBracket)
            QCOMPARE(DataFolder::readLines(name, 16), QStringList(name.contains("Oct") ? 16 : 8, "2"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::System).size(), 6);
    }

    void strayTemporariesGoAtStart()
    {
        TempDataFolder folder;
        const QStringList strays = {"torveloA.txt.Ab12Cd", "torveloPENcuar.txt.zzzzzz", "torvelo.guardando.q1W2e3"};
        const QStringList kept = {"torveloA.txt", "torvelo.lock", "torveloA.txt.ilegible-20260101-101010", "notas.txt.Ab12Cd"};
        for (const QString &n : strays + kept)
            folder.writeBytes(n, "x\r\n");
        FileSet::tidyUp();
        QStringList left = QDir(folder.path()).entryList(QDir::Files);
        left.sort();
        QStringList expected = kept;
        expected.sort();
        QCOMPARE(left, expected);
    }

    void dataFolderPlace_data()
    {
        QTest::addColumn<QByteArray>("xdg");
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("expected");
        QTest::newRow("absolute XDG") << QByteArray("/srv/datos") << QByteArray("/home/ana") << "/srv/datos/torvelo";
        QTest::newRow("relative XDG ignored") << QByteArray("datos") << QByteArray("/home/ana")
                                              << "/home/ana/.local/share/torvelo";
        QTest::newRow("no XDG") << QByteArray() << QByteArray("/home/ana/") << "/home/ana/.local/share/torvelo";
        QTest::newRow("no home") << QByteArray() << QByteArray() << QString();
        QTest::newRow("relative home") << QByteArray("x") << QByteArray("ana") << QString();
        QTest::newRow("root as home") << QByteArray() << QByteArray("/") << QString();
        QTest::newRow("XDG without home") << QByteArray("/srv/d") << QByteArray() << "/srv/d/torvelo";
    }
    void dataFolderPlace()
    {
        QFETCH(QByteArray, xdg);
        QFETCH(QByteArray, home);
        QFETCH(QString, expected);
        const QByteArray oldXdg = qgetenv("XDG_DATA_HOME"), oldHome = qgetenv("HOME");
        if (xdg.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", xdg);
        if (home.isEmpty())
            qunsetenv("HOME");
        else
            qputenv("HOME", home);
        DataFolder::setPath(QString());
        const QString place = DataFolder::path();
        qputenv("XDG_DATA_HOME", oldXdg);
        qputenv("HOME", oldHome);
        QCOMPARE(place, expected);
    }
};

QTEST_GUILESS_MAIN(DataFilesTest)
#include "tst_datafiles.moc"
