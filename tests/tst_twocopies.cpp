// The program against other processes: a second copy, a killed run, a kill in the
// middle of a save, the end of the session.
#include "FileSet.h"
#include "FolderLock.h"
#include "TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <csignal>

namespace {

// Generous: these wait for real processes on a loaded machine, never for a clock.
constexpr int kProcessWait = 60000;

QProcessEnvironment environmentFor(const QString &dataHome, bool withHome = true)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("XDG_DATA_HOME");
    env.remove("HOME");
    if (withHome) {
        env.insert("XDG_DATA_HOME", dataHome);
        env.insert("HOME", dataHome);
    }
    return env;
}

// Runs the helper to its end; returns its exit code and what it printed.
int runHelper(const QProcessEnvironment &env, QString *printed, const QStringList &args = {"claim"})
{
    QProcess helper;
    helper.setProcessEnvironment(env);
    helper.start(TORVELO_HELPER, args);
    if (!helper.waitForFinished(kProcessWait))
        return -1;
    *printed = QString::fromUtf8(helper.readAllStandardOutput());
    return helper.exitStatus() == QProcess::NormalExit ? helper.exitCode() : -2;
}

// Waits until the file exists with some content: a lock file is created empty and its
// holder's process id written just after.
bool waitForFile(const QString &path, QProcess &process)
{
    QDeadlineTimer deadline(kProcessWait);
    while (QFileInfo(path).size() <= 0) {
        if (deadline.hasExpired() || process.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(20);
    }
    return true;
}

QStringList folderState(const QString &folder)
{
    QStringList state;
    for (const QFileInfo &f : QDir(folder).entryInfoList(QDir::Files | QDir::System | QDir::Hidden))
        state << f.fileName() + QString::number(f.size()) + f.lastModified().toString(Qt::ISODateWithMs);
    return state;
}

} // namespace

class TwoCopiesTest : public QObject {
    Q_OBJECT
private slots:
    void secondCopyIsRefusedAndSigtermEndsTheFirst()
    {
        QTemporaryDir home;
        const QProcessEnvironment env = environmentFor(home.path());
        const QString folder = home.path() + "/torvelo";
        QProcess first;
        first.setProcessEnvironment(env);
        first.start(TORVELO_APP);
        QVERIFY(waitForFile(folder + "/" + FolderLock::lockFileName(), first));
        const QStringList before = folderState(folder);

        QString printed;
        QCOMPARE(runHelper(env, &printed), 3);
        QVERIFY2(printed.contains("Torvelo Alemania 2006 ya está abierto"), qPrintable(printed));
        QCOMPARE(folderState(folder), before);

        ::kill(pid_t(first.processId()), SIGTERM);
        QVERIFY(first.waitForFinished(kProcessWait));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
        QVERIFY(!QFileInfo::exists(folder + "/" + FolderLock::lockFileName()));
    }

    void lockOfAKilledRunIsTakenOver()
    {
        QTemporaryDir home;
        const QProcessEnvironment env = environmentFor(home.path());
        QProcess first;
        first.setProcessEnvironment(env);
        first.start(TORVELO_APP);
        QVERIFY(waitForFile(home.path() + "/torvelo/" + FolderLock::lockFileName(), first));
        first.kill();
        QVERIFY(first.waitForFinished(kProcessWait));
        QVERIFY(QFileInfo::exists(home.path() + "/torvelo/" + FolderLock::lockFileName()));
        QString printed;
        QCOMPARE(runHelper(env, &printed), 0);
        QCOMPARE(printed.trimmed(), QString("claimed"));
    }

    void halfWrittenLockOfACrashIsTakenOver()
    {
        // A run killed between creating its lock file and writing its process id.
        QTemporaryDir home;
        QVERIFY(QDir().mkpath(home.path() + "/torvelo"));
        QFile lock(home.path() + "/torvelo/" + FolderLock::lockFileName());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        lock.close();
        QString printed;
        QCOMPARE(runHelper(environmentFor(home.path()), &printed), 0);
        QCOMPARE(printed.trimmed(), QString("claimed"));
    }

    void noHomeFolderEndsTheProgram()
    {
        QString printed;
        QCOMPARE(runHelper(environmentFor(QString(), false), &printed), 3);
        QVERIFY2(printed.contains("carpeta personal"), qPrintable(printed));
    }

    // Kills a process that saves over and over (once it has saved once) at random moments: after each kill and
    // the tidying of the next start, every file is whole, the six bracket files come
    // from one save, and no temporary file is left.
    void killsInTheMiddleOfSavesLoseNothing()
    {
        QTemporaryDir dir;
        TempDataFolder unused;  // restores the folder setting afterwards
        DataFolder::setPath(dir.path());
        const QStringList bracket = {"torveloOct.txt", "torveloTEOct.txt", "torveloPENOct.txt",
                                     "torvelocuar.txt", "torveloTEcuar.txt", "torveloPENcuar.txt"};
        QRandomGenerator random(20060709);
        for (int kill = 0; kill < 50; ++kill) {
            QProcess saver;
            saver.start(TORVELO_HELPER, {"saveloop", dir.path()});
            QVERIFY(saver.waitForReadyRead(kProcessWait));
            QThread::usleep(random.bounded(20000));
            saver.kill();
            QVERIFY(saver.waitForFinished(kProcessWait));

            FileSet::tidyUp();
            QList<QStringList> six;
            for (const QString &name : bracket)
                six << DataFolder::readLines(name, 100);
            for (int i = 0; i < 6; ++i) {
                QCOMPARE(six[i].size(), i < 3 ? 16 : 8);
                QCOMPARE(six[i].count(six[0].first()), six[i].size());  // all from one save
            }
            for (auto [name, count] : {std::pair{"torveloA.txt", 14}, std::pair{"torvelofinal.txt", 24}}) {
                const QStringList lines = DataFolder::readLines(name, 100);
                QCOMPARE(lines.size(), count);
                QCOMPARE(lines.count(lines.first()), count);
            }
            const QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden);
            for (const QString &n : names)
                QVERIFY2(n.endsWith(".txt"), qPrintable(n));
        }
    }
};

QTEST_GUILESS_MAIN(TwoCopiesTest)
#include "tst_twocopies.moc"
