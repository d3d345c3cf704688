#include "GroupChooser.h"
#include "GroupFile.h"
#include "GroupScreen.h"
#include "GuiSupport.h"
#include "PictureButton.h"
#include "Navigation.h"
#include "Pictures.h"
#include "TestSupport.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

class GroupScreenTest : public QObject {
    Q_OBJECT

    QString text(QWidget *screen, const QString &label) { return child<QLabel>(screen, label)->text(); }
    void type(QWidget *screen, int box, const QString &keys)
    {
        QLineEdit *r = child<QLineEdit>(screen, QString("R_%1").arg(box));
        r->setFocus();
        QTest::keyClicks(r, keys);
    }
    GroupScreen *openFromChooser(char group)
    {
        auto *chooser = qobject_cast<GroupChooser *>(openScreen("FrmGrupos"));
        if (!chooser) {
            chooser = new GroupChooser;
            Navigation::openModal(chooser);
        }
        QTest::mouseClick(chooser->button(group), Qt::LeftButton);
        auto *screen = qobject_cast<GroupScreen *>(openScreen(QString("FrmGrupo%1").arg(group)));
        return screen;
    }

private slots:
    void initTestCase() { Fonts::install(); }
    void cleanup() { closeAllScreens(); }

    void captionsAndControlsFollowTheData()
    {
        TempDataFolder folder;
        GroupScreen screen('C');
        QCOMPARE(screen.windowTitle(), QString("Torvelo Alemania 2006 - Partidos del Grupo C - Resolucion Optima 800 x 600"));
        QCOMPARE(text(&screen, "A3"), QString("Serbia y Montenegro"));
        QCOMPARE(text(&screen, "Label13"), QString("Serbia y Montenegro"));
        QCOMPARE(text(&screen, "Label15"), QString("Holanda"));
        QCOMPARE(text(&screen, "Label11"), QString("Vs"));
        QCOMPARE(child<FlagView>(&screen, "Image3")->flagKey(), QString("SerbiayMont"));
        const auto actions = screen.menuBar()->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions[0]->text(), QString("Salir"));
        for (int k = 1; k <= 6; ++k)
            QVERIFY(child<ClockIcon>(&screen, QString("Crono_%1").arg(k)));
        QCOMPARE(screen.surface()->size(), QSize(794, 543));
    }

    void typingRefreshesAndReranks()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        GroupScreen *screen = openFromChooser('A');
        QVERIFY(screen);
        QCOMPARE(screen->rowInSlot(0)->objectName(), QString("FrmA1"));
        type(screen, 2, "3");
        QCOMPARE(text(screen, "J_3"), QString("1"));
        QCOMPARE(text(screen, "GF_3"), QString("3"));
        type(screen, 3, "0");
        QCOMPARE(text(screen, "PUN_3"), QString("3"));
        QCOMPARE(text(screen, "G_3"), QString("1"));
        QCOMPARE(text(screen, "P_4"), QString("1"));
        QFrame *top = screen->rowInSlot(0);
        QCOMPARE(top->objectName(), QString("FrmA3"));
        QCOMPARE(top->geometry(), GroupScreen::rowSlot(0));
        QCOMPARE(top->findChild<QLabel *>("A3")->text(), QString("Polonia"));
        QCOMPARE(screen->rowInSlot(3)->objectName(), QString("FrmA4"));
        QCOMPARE(screen->rowInSlot(3)->geometry(), GroupScreen::rowSlot(3));
        QCOMPARE(child<QLabel>(screen, "Label1")->geometry().y(), 0);  // the titles do not move
        // Deleting the score undoes the result.
        QTest::keyClick(child<QLineEdit>(screen, "R_3"), Qt::Key_Backspace);
        QCOMPARE(text(screen, "PUN_3"), QString("0"));
        QCOMPARE(text(screen, "J_4"), QString("0"));
        QVERIFY(notes.messages.isEmpty());
    }

    void matchFiveIsEcuadorAgainstAlemania()
    {
        TempDataFolder folder;
        GroupScreen screen('A');
        screen.show();
        type(&screen, 8, "2");
        QCOMPARE(text(&screen, "J_4"), QString("1"));
        QCOMPARE(text(&screen, "GF_4"), QString("2"));
        QCOMPARE(text(&screen, "GC_1"), QString("2"));
        QCOMPARE(text(&screen, "DIF_1"), QString("-2"));
        QCOMPARE(text(&screen, "GC_2"), QString("0"));
        QCOMPARE(screen.rowInSlot(0)->objectName(), QString("FrmA4"));
    }

    void invalidEntryRaisesTheMessageAndStays()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        GroupScreen screen('B');
        screen.show();
        type(&screen, 0, "2,");
        QCOMPARE(notes.texts(), QStringList{"Ingrese solo números enteros"});
        QCOMPARE(child<QLineEdit>(&screen, "R_0")->text(), QString("2,"));
        QCOMPARE(text(&screen, "GF_1"), QString("2"));  // from the "2" typed before the comma
        type(&screen, 1, "1");
        QCOMPARE(text(&screen, "G_1"), QString("1"));
    }

    void figuresShowWhileTheMessageIsUp()
    {
        TempDataFolder folder;
        GroupScreen screen('A');
        screen.show();
        child<QLineEdit>(&screen, "R_0")->setText("20000");
        // The overflow message comes after Alemania's played count is stored: it must already show.
        struct Peek final : Notifier {
            QLabel *played = nullptr;
            QString seen;
            void showMessage(const QString &, const QString &) override { seen = played->text(); }
            void saveFailed(const QString &, const QString &) override {}
        } peek;
        peek.played = child<QLabel>(&screen, "J_1");
        Notifier *previous = Notifier::install(&peek);
        child<QLineEdit>(&screen, "R_4")->setText("20000");
        Notifier::install(previous);
        QCOMPARE(peek.seen, QString("2"));
        QCOMPARE(text(&screen, "GF_1"), QString("20000"));
    }

    void clocksShowDateAndVenue()
    {
        TempDataFolder folder;
        GroupScreen screen('A');
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        auto *clock = child<ClockIcon>(&screen, "Crono_6");
        QTest::mouseMove(clock, QPoint(10, 10));
        QTRY_COMPARE(text(&screen, "Lblestadio"), QString("Hannover"));
        QCOMPARE(text(&screen, "LblFecha"), QString("20 de Junio - 11:00 Hs."));
        QVERIFY(child<QLabel>(&screen, "Lblestadio")->geometry().bottom() <
                child<QLabel>(&screen, "LblFecha")->geometry().top());
        QTest::mouseMove(child<QLineEdit>(&screen, "R_0"), QPoint(5, 5));
        QTest::mouseMove(child<QLabel>(&screen, "Label10"), QPoint(5, 5));
        QTest::mouseMove(child<QWidget>(&screen, "Image17"), QPoint(5, 5));
        QCOMPARE(text(&screen, "Lblestadio"), QString("Hannover"));
        QTest::mouseMove(screen.surface(), QPoint(266, 300));  // between the columns
        QTRY_COMPARE(text(&screen, "Lblestadio"), QString());
        QCOMPARE(text(&screen, "LblFecha"), QString());
        QVERIFY(child<QWidget>(&screen, "Cartel")->isVisible());
        QTest::mouseMove(child<ClockIcon>(&screen, "Crono_3"), QPoint(8, 8));
        QTRY_COMPARE(text(&screen, "Lblestadio"), QString("Dormund"));
        QCOMPARE(clock->cursor().shape(), Qt::PointingHandCursor);
    }

    void closeBoxSavesLikeSalir()
    {
        TempDataFolder folder;
        GroupScreen *a = openFromChooser('D');
        type(a, 0, "1");
        type(a, 1, " 0");
        a->findChild<QAction *>("salir")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QByteArray bySalir = folder.bytes("torveloD.txt");
        QVERIFY(bySalir.startsWith("1\r\n 0\r\n*\r\n"));
        QVERIFY(bySalir.endsWith("M\xe9xico\r\nAngola\r\n"));
        QVERIFY(openScreen("FrmGrupos"));
        QVERIFY(!openScreen("FrmGrupoD"));

        QFile::remove(folder.file("torveloD.txt"));
        GroupScreen *b = openFromChooser('D');
        QCOMPARE(child<QLineEdit>(b, "R_1")->text(), QString());  // the file was removed
        type(b, 0, "1");
        type(b, 1, " 0");
        b->close();  // the close box
        QCOMPARE(folder.bytes("torveloD.txt"), bySalir);
    }

    void reopeningReplaysTheFile()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        GroupScreen *first = openFromChooser('E');
        type(first, 0, "0");
        type(first, 1, "2");
        type(first, 2, "x");
        first->close();
        QCOMPARE(notes.messages.size(), 1);
        GroupScreen *again = openFromChooser('E');
        QVERIFY(again != nullptr);
        QCOMPARE(notes.messages.size(), 2);  // the stored "x" is reported again while opening
        QCOMPARE(child<QLineEdit>(again, "R_1")->text(), QString("2"));
        QCOMPARE(child<QLineEdit>(again, "R_2")->text(), QString("x"));
        QCOMPARE(again->rowInSlot(0)->objectName(), QString("FrmE2"));
        QCOMPARE(text(again, "PUN_2"), QString("3"));
        QCOMPARE(GroupSheet::of('E').first(), QString("Ghana"));
    }

    void chooserOpensEveryGroupModally()
    {
        TempDataFolder folder;
        auto *chooser = new GroupChooser;
        Navigation::openModal(chooser);
        QCOMPARE(chooser->windowTitle(), QString("Torvelo Alemania 2006 - Grupos & Llave Final - Resolucion Optima 800 x 600"));
        QVERIFY(QTest::qWaitForWindowActive(chooser));
        QCOMPARE(QApplication::focusWidget(), chooser->button('A'));
        for (char g = 'A'; g <= 'H'; ++g) {
            PictureButton *b = chooser->button(g);
            QCOMPARE(b->pictureText(), QString("GRUPO %1").arg(g));
            QCOMPARE(b->text(), QString());
            QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(QApplication::focusWidget(), b);
            QTest::keyClick(b, Qt::Key_Return);
            QTRY_VERIFY(openScreen(QString("FrmGrupo%1").arg(g)));
            QWidget *screen = openScreen(QString("FrmGrupo%1").arg(g));
            QCOMPARE(screen->windowModality(), Qt::ApplicationModal);
            screen->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QTRY_VERIFY(QApplication::activeWindow() == chooser);
            b->setFocus();
            QTest::keyClick(b, Qt::Key_Tab);
        }
        QCOMPARE(visibleScreens(), 1);
    }

    void aScoreBoxHasNoLengthLimit()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        const QString longText = QString(40000, '7') + "x";
        folder.writeLines("torveloB.txt", QStringList{longText});
        GroupScreen screen('B');
        QCOMPARE(child<QLineEdit>(&screen, "R_0")->text(), longText);
        screen.close();
        QVERIFY(folder.bytes("torveloB.txt").startsWith(longText.toLatin1() + "\r\n*\r\n"));
    }

    void tabRunsThroughTheScoreBoxes()
    {
        TempDataFolder folder;
        GroupScreen screen('F');
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("R_0"));
        for (int i = 1; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString("R_%1").arg(i));
        }
    }
};

QTEST_MAIN(GroupScreenTest)
#include "tst_groupscreen.moc"
