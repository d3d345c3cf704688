#include "GroupFile.h"
#include "GroupSheet.h"
#include "TestSupport.h"

#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray crlf(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + "\r\n";
    return out;
}

} // namespace

class GroupFileTest : public QObject {
    Q_OBJECT
private slots:
    void savesTheExampleByteForByte()
    {
        TempDataFolder folder;
        GroupSheet s('A');
        s.setCell(0, "1");
        s.setCell(1, "0");
        QVERIFY(GroupFile::SaveGroupFile(s));
        QCOMPARE(folder.bytes("torveloA.txt"),
                 crlf({"1", "0", "*", "*", "*", "*", "*", "*", "*", "*", "*", "*", "Alemania", "Polonia"}));
    }

    void writesWindows1252()
    {
        TempDataFolder folder;
        GroupSheet s('D');
        s.setCell(0, "3");
        s.setCell(1, " 2");
        QVERIFY(GroupFile::SaveGroupFile(s));
        const QByteArray bytes = folder.bytes("torveloD.txt");
        QVERIFY(bytes.endsWith("M\xe9xico\r\nAngola\r\n"));
        QVERIFY(bytes.startsWith("3\r\n 2\r\n*\r\n"));
    }

    void roundTripKeepsTextsAsTyped()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        {
            GroupSheet s('C');
            const QStringList cells = {" 2", "1", "3x", "0", "*", "", "10", "9", "05", "5", "-1", "+2"};
            for (int i = 0; i < 12; ++i)
                s.setCell(i, cells[i]);
            QVERIFY(GroupFile::SaveGroupFile(s));
        }
        const QByteArray saved = folder.bytes("torveloC.txt");
        notes.clear();
        GroupSheet again('C');
        GroupFile::LoadGroupFile(again);
        QCOMPARE(again.cell(0), QString(" 2"));
        QCOMPARE(again.cell(2), QString("3x"));
        QCOMPARE(again.cell(4), QString());  // a lone "*" comes back empty
        QCOMPARE(again.cell(11), QString("+2"));
        QCOMPARE(notes.texts(), QStringList{"Ingrese solo números enteros"});  // for "3x" only
        QVERIFY(GroupFile::SaveGroupFile(again));
        QVERIFY(GroupFile::SaveGroupFile(again));
        QCOMPARE(folder.bytes("torveloC.txt"), saved);
    }

    void pastedLineBreakCannotShiftTheLines()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        GroupSheet s('A');
        s.setCell(0, "1\n2");
        s.setCell(1, "3\r\n");
        QVERIFY(GroupFile::SaveGroupFile(s));
        const QByteArray bytes = folder.bytes("torveloA.txt");
        QCOMPARE(bytes.count("\r\n"), 14);
        QVERIFY(bytes.startsWith("1 2\r\n3  \r\n*\r\n"));
    }

    void emptyFileFirstOpenWritesEmptyQualifiers()
    {
        TempDataFolder folder;
        QList<QByteArray> lines(12, "*");
        lines << "Francia" << "Suiza";
        folder.writeBytes("torveloG.txt", crlf(lines));
        GroupSheet s('G');
        GroupFile::LoadGroupFile(s);
        QVERIFY(GroupFile::SaveGroupFile(s));
        QCOMPARE(folder.bytes("torveloG.txt"), crlf(QList<QByteArray>(12, "*") << "" << ""));
    }

    void missingAndShortFilesReadAsEmpty_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("played");
        QTest::newRow("missing") << QByteArray() << false << 0;
        QTest::newRow("empty") << QByteArray() << true << 0;
        QTest::newRow("three lines") << QByteArray("2\r\n1\r\n4\r\n") << true << 1;
        QTest::newRow("LF only") << QByteArray("2\n1\n*\n*\n3\n") << true << 2;
        QTest::newRow("no final newline") << QByteArray("2\r\n1") << true << 1;
        QTest::newRow("extra lines ignored") << crlf(QList<QByteArray>(12, "*") << "x" << "y" << "1" << "1")
                                             << true << 0;
    }
    void missingAndShortFilesReadAsEmpty()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFETCH(int, played);
        TempDataFolder folder;
        RecordingNotifier notes;
        if (exists)
            folder.writeBytes("torveloB.txt", content);
        GroupSheet s('B');
        GroupFile::LoadGroupFile(s);
        QCOMPARE(int(s.stat(1, Stat::J)), played);
        for (int i = 5; i < 12; ++i)
            QCOMPARE(s.cell(i), QString());
        QVERIFY(notes.messages.isEmpty());
    }

    void loadReplaysIntoTheSameSheet()
    {
        TempDataFolder folder;
        folder.writeLines("torveloE.txt", {"0", "1", "*", "*", "*", "*", "*", "*", "*", "*", "*", "*", "", ""});
        GroupSheet &s = GroupSheet::of('E');
        s.setCell(3, "7");
        GroupFile::LoadGroupFile(s);  // starts afresh, then replays
        QCOMPARE(s.cell(3), QString());
        QCOMPARE(s.first(), QString("Ghana"));
        QCOMPARE(s.stat(2, Stat::PUN), qint16(3));
    }

    void saveCreatesTheFolder()
    {
        TempDataFolder folder;
        DataFolder::setPath(folder.path() + "/nested/torvelo");
        GroupSheet s('F');
        QVERIFY(GroupFile::SaveGroupFile(s));
        QVERIFY(QFile::exists(folder.path() + "/nested/torvelo/torveloF.txt"));
    }

    void failedSaveKeepsTheOldFile()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        const QByteArray old = crlf(QList<QByteArray>(12, "*") << "Alemania" << "Polonia");
        folder.writeBytes("torveloA.txt", old);
        GroupSheet s('A');
        s.setCell(0, "5");

        // A file-size limit makes every write past a few bytes fail, even for root.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit tight = saved;
        tight.rlim_cur = 4;
        setrlimit(RLIMIT_FSIZE, &tight);
        const bool ok = GroupFile::SaveGroupFile(s);
        setrlimit(RLIMIT_FSIZE, &saved);

        QVERIFY(!ok);
        QCOMPARE(folder.bytes("torveloA.txt"), old);
        QCOMPARE(notes.failedSaves.size(), 1);
        QVERIFY(notes.failedSaves.first().contains("torveloA.txt"));
        QVERIFY(notes.messages.isEmpty());
    }

    void saveOntoADirectoryIsReported()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        QDir(folder.path()).mkdir("torveloH.txt");
        GroupSheet s('H');
        QVERIFY(!GroupFile::SaveGroupFile(s));
        QCOMPARE(notes.failedSaves.size(), 1);
    }

    void unencodableCharactersBecomeQuestionMarks()
    {
        QCOMPARE(DataFolder::encode(QString::fromUtf8("Espa\u00f1a \u20ac \u2713 \U0001F600")),
                 QByteArray("Espa\xf1" "a \x80 ? ?"));
        QCOMPARE(DataFolder::decode("M\xe9xico"), QString::fromUtf8("México"));
    }
};

QTEST_GUILESS_MAIN(GroupFileTest)
#include "tst_groupfile.moc"
