// SIGTERM and SIGHUP close the open screens from the top down, each saving its file.
#include "FileErrors.h"
#include "GroupChooser.h"
#include "GroupScreen.h"
#include "GuiSupport.h"
#include "Navigation.h"
#include "SessionEnd.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <cerrno>
#include <csignal>

class SessionEndTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fonts::install();
        SessionEnd::install();
    }
    void cleanup()
    {
        FileErrors::lift();
        closeAllScreens();
    }

    void sigtermSavesTheOpenScreensTopDown()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        auto *chooser = Navigation::openNew<GroupChooser>();
        auto *group = Navigation::openNew<GroupScreen>('F');
        QTest::keyClicks(child<QLineEdit>(group, "R_0"), "2");
        QStringList closed;
        connect(chooser, &Screen::closing, this, [&] { closed << "FrmGrupos"; });
        connect(group, &Screen::closing, this, [&] {
            closed << QString("FrmGrupoF") + (QFile::exists(folder.file("torveloF.txt")) ? "" : " (not saved yet)");
        });
        ::raise(SIGTERM);
        QTRY_VERIFY_WITH_TIMEOUT(!openScreen("FrmGrupos"), 30000);
        QCOMPARE(closed, (QStringList{"FrmGrupoF", "FrmGrupos"}));
        const QStringList lines = DataFolder::readLines("torveloF.txt", 14);
        QCOMPARE(lines.size(), 14);
        QCOMPARE(lines.first(), QString("2"));
    }

    void failedSaveAtSessionEndIsNotedNotAsked()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        auto *group = Navigation::openNew<GroupScreen>('G');
        child<QLineEdit>(group, "R_0")->setText("1");
        FileErrors::inject("torveloG.txt", FileErrors::Step::Write, ENOSPC);
        ::raise(SIGHUP);
        QTRY_VERIFY_WITH_TIMEOUT(!openScreen("FrmGrupoG"), 30000);
        QVERIFY(notes.questions.isEmpty());
        QCOMPARE(notes.notedSaves.size(), 1);
        QVERIFY(notes.notedSaves.first().contains("disco lleno"));
    }
};

QTEST_MAIN(SessionEndTest)
#include "tst_sessionend.moc"
