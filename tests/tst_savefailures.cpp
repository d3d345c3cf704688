// What the screens do when their files cannot be read or saved, and pastes into a box.
#include "BracketScreen.h"
#include "FileErrors.h"
#include "FinalsScreen.h"
#include "GroupScreen.h"
#include "GuiSupport.h"
#include "Navigation.h"
#include "ScoreBox.h"
#include "TestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A blocking open or read of a pipe would hang: end the test instead.
struct HangGuard {
    HangGuard() { ::alarm(20); }
    ~HangGuard() { ::alarm(0); }
};

void makeFifo(const QString &path) { QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0); }

} // namespace

class SaveFailuresTest : public QObject {
    Q_OBJECT

    QLineEdit *box(QWidget *s, const QString &name) { return child<QLineEdit>(s, name); }

private slots:
    void initTestCase() { Fonts::install(); }
    void cleanup()
    {
        FileErrors::lift();
        closeAllScreens();
    }

    void failedSaveKeepsTheScreenUntilRetried()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        auto *screen = Navigation::openNew<GroupScreen>('B');
        QTest::keyClicks(box(screen, "R_0"), "3");
        FileErrors::inject("torveloB.txt", FileErrors::Step::Write, ENOSPC);
        bool openWhileAsked = false;
        QString typedWhileAsked;
        notes.answer = [&] {
            openWhileAsked = openScreen("FrmGrupoB") != nullptr;
            typedWhileAsked = box(screen, "R_0")->text();
            FileErrors::lift();  // the user frees some space
            return SaveChoice::Retry;
        };
        screen->close();
        settle();
        QCOMPARE(notes.questions.size(), 1);
        QVERIFY(notes.questions.first().contains("torveloB.txt: disco lleno"));
        QVERIFY(openWhileAsked);
        QCOMPARE(typedWhileAsked, QString("3"));
        QVERIFY(!openScreen("FrmGrupoB"));
        QCOMPARE(DataFolder::readLines("torveloB.txt", 1), QStringList{"3"});
        QVERIFY(notes.failedSaves.isEmpty());
    }

    void dismissedQuestionKeepsTheScreenOpen()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        folder.writeLines("torveloC.txt", QStringList(12, "1") << "Argentina" << "Holanda");
        const QByteArray old = folder.bytes("torveloC.txt");
        auto *screen = Navigation::openNew<GroupScreen>('C');
        box(screen, "R_0")->setText("4");
        FileErrors::inject("torveloC.txt", FileErrors::Step::Write, EACCES);
        notes.answer = [] { return SaveChoice::KeepOpen; };
        screen->close();
        settle();
        QVERIFY(openScreen("FrmGrupoC"));
        QCOMPARE(box(screen, "R_0")->text(), QString("4"));
        notes.answer = [] { return SaveChoice::CloseWithoutSaving; };
        screen->close();
        settle();
        QVERIFY(!openScreen("FrmGrupoC"));
        QCOMPARE(notes.questions.size(), 2);  // one per closing
        QVERIFY(notes.questions.first().endsWith("permiso denegado"));
        QCOMPARE(folder.bytes("torveloC.txt"), old);
    }

    void bracketAsksOnceForItsSixFiles()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        auto *screen = Navigation::openNew<BracketScreen>();
        box(screen, "txtOct_1")->setText("2");
        box(screen, "txtOct_2")->setText("0");
        for (const char *name : {"torveloOct.txt", "torveloTEOct.txt", "torveloPENOct.txt", "torvelocuar.txt",
                                 "torveloTEcuar.txt", "torveloPENcuar.txt"})
            FileErrors::inject(name, FileErrors::Step::Write, EROFS);
        int asked = 0;
        notes.answer = [&] {
            if (++asked == 2)
                FileErrors::lift();
            return SaveChoice::Retry;
        };
        screen->close();
        settle();
        QCOMPARE(notes.questions.size(), 2);  // the first attempt and the retry, one each
        QVERIFY(!openScreen("FrmgruposLLAVE"));
        QCOMPARE(DataFolder::readLines("torveloOct.txt", 2), (QStringList{"2", "0"}));
        QVERIFY(notes.failedSaves.isEmpty());
    }

    void finalsCloseWithoutSavingKeepsTheOldFile()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        folder.writeLines("torvelofinal.txt", QStringList(24, "*"));
        const QByteArray old = folder.bytes("torvelofinal.txt");
        auto *screen = Navigation::openNew<FinalsScreen>(QStringList{"Alemania", "Italia", "Francia", "Portugal"});
        box(screen, "txtOct_1")->setText("1");
        FileErrors::inject("torvelofinal.txt", FileErrors::Step::Write, EIO);
        screen->close();
        settle();
        QCOMPARE(notes.questions.size(), 1);
        QVERIFY(!openScreen("FrmgruposFinales"));
        QCOMPARE(folder.bytes("torvelofinal.txt"), old);
    }

    // Each screen opens at all with a pipe or a huge file in place of its file, says so
    // once, and keeps the old one aside as it closes.
    void unreadableFilesOpenAndSurvive_data()
    {
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("fifo");
        QTest::newRow("group, pipe") << "FrmGrupoD" << "torveloD.txt" << true;
        QTest::newRow("bracket, pipe") << "FrmgruposLLAVE" << "torveloPENcuar.txt" << true;
        QTest::newRow("finals, pipe") << "FrmgruposFinales" << "torvelofinal.txt" << true;
        QTest::newRow("group, huge") << "FrmGrupoD" << "torveloD.txt" << false;
        QTest::newRow("bracket, huge") << "FrmgruposLLAVE" << "torveloOct.txt" << false;
        QTest::newRow("finals, huge") << "FrmgruposFinales" << "torvelofinal.txt" << false;
    }
    void unreadableFilesOpenAndSurvive()
    {
        QFETCH(QString, screenName);
        QFETCH(QString, fileName);
        QFETCH(bool, fifo);
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        const QString path = folder.file(fileName);
        QFile::remove(path);
        if (fifo) {
            makeFifo(path);
        } else {
            folder.writeBytes(fileName, "1\r\n");
            QCOMPARE(::truncate(QFile::encodeName(path).constData(), DataFolder::kMaxFileBytes + 10), 0);
        }
        {
            HangGuard guard;
            if (screenName == "FrmGrupoD")
                Navigation::openNew<GroupScreen>('D');
            else if (screenName == "FrmgruposLLAVE")
                Navigation::openNew<BracketScreen>();
            else
                Navigation::openNew<FinalsScreen>(QStringList{"Alemania", "Italia", "Francia", "Portugal"});
        }
        QWidget *screen = openScreen(screenName);
        QVERIFY(screen);
        QCOMPARE(notes.unreadable.size(), 1);
        QVERIFY(notes.unreadable.first().contains(path));
        const QString keptAs = notes.unreadable.first().section(fileName + ".ilegible-", 1, 1).section('\n', 0, 0);
        QVERIFY(!keptAs.isEmpty());
        screen->close();
        settle();
        QVERIFY(!openScreen(screenName));
        QFileInfo aside(path + ".ilegible-" + keptAs);
        QVERIFY(aside.exists());
        QCOMPARE(aside.size() > DataFolder::kMaxFileBytes, !fifo);
        QVERIFY(QFileInfo(path).isFile());
        QCOMPARE(notes.unreadable.size(), 1);
        QVERIFY(notes.questions.isEmpty());
    }

    void pasteKeepsTheFirstLine_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("keys") << "keys";
        QTest::newRow("context menu") << "menu";
        QTest::newRow("drop") << "drop";
    }
    void pasteKeepsTheFirstLine()
    {
        QFETCH(QString, how);
        TempDataFolder folder;
        RecordingNotifier notes;
        auto *screen = Navigation::openNew<GroupScreen>('E');
        auto *r = qobject_cast<ScoreBox *>(box(screen, "R_0"));
        QVERIFY(r);
        r->setFocus();
        const QString copied = QStringLiteral("3\r\n4\n");  // a spreadsheet cell, and more
        if (how == "keys") {
            QGuiApplication::clipboard()->setText(copied);
            QTest::keySequence(r, QKeySequence::Paste);
        } else if (how == "menu") {
            QGuiApplication::clipboard()->setText(copied);
            QMenu *menu = r->contextMenu();
            auto *paste = menu->findChild<QAction *>("edit-paste");
            QVERIFY(paste);
            paste->trigger();
            delete menu;
        } else {
            QMimeData data;
            data.setText(copied);
            const QPoint at(r->width() / 2, r->height() / 2);
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(r, &enter);
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(r, &drop);
        }
        QCOMPARE(r->text(), QString("3"));
        QCOMPARE(screen->sheet().cell(0), QString("3"));
        QVERIFY(notes.messages.isEmpty());  // "3" is a whole number: no complaint
        screen->close();
        settle();
        QCOMPARE(DataFolder::readLines("torveloE.txt", 1), QStringList{"3"});
    }
};

QTEST_MAIN(SaveFailuresTest)
#include "tst_savefailures.moc"
