#include "BracketScreen.h"
#include "FinalsScreen.h"
#include "GuiSupport.h"
#include "Navigation.h"
#include "Pictures.h"
#include "StageChooser.h"
#include "PictureButton.h"
#include "TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

class KnockoutScreensTest : public QObject {
    Q_OBJECT

    QString text(QWidget *s, const QString &name) { return child<QLabel>(s, name)->text(); }
    QString flag(QWidget *s, const QString &name) { return child<FlagView>(s, name)->flagKey(); }
    QLineEdit *box(QWidget *s, const QString &name) { return child<QLineEdit>(s, name); }
    bool shown(QWidget *s, const QString &name) { return !child<QWidget>(s, name)->isHidden(); }
    void type(QWidget *s, const QString &name, const QString &keys)
    {
        QLineEdit *b = box(s, name);
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Delete);
        QTest::keyClicks(b, keys);
    }
    BracketScreen *openBracket()
    {
        auto *chooser = new StageChooser;
        Navigation::openModal(chooser);
        QTest::mouseClick(chooser->findChild<PictureButton *>("Command1"), Qt::LeftButton);
        return qobject_cast<BracketScreen *>(openScreen("FrmgruposLLAVE"));
    }
    void playRoundOf16AndQuarters(QWidget *s)
    {
        for (int k = 1; k <= 8; ++k) {
            type(s, QString("txtOct_%1").arg(2 * k - 1), "2");
            type(s, QString("txtOct_%1").arg(2 * k), "1");
        }
        for (int first : {1, 5, 9}) {
            type(s, QString("txtcuar_%1").arg(first), "1");
            type(s, QString("txtcuar_%1").arg(first + 2), "0");
        }
    }

private slots:
    void initTestCase() { Fonts::install(); }
    void cleanup() { closeAllScreens(); }

    void bracketOpensSeededAndEmpty()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        BracketScreen *s = openBracket();
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), QString("Torvelo Alemania 2006 - Partidos de la llave - Resolucion Optima 800 x 600"));
        QVERIFY(s->menuBar()->actions().isEmpty());
        QCOMPARE(text(s, "LblOct_1"), QString("Alemania"));
        QCOMPARE(flag(s, "ImOCT_1"), QString("Alemania"));
        QCOMPARE(text(s, "LblOct_4"), QString("México"));
        QCOMPARE(flag(s, "ImOCT_4"), QString("Mexico"));
        QCOMPARE(text(s, "LblOct_16"), QString("Francia"));
        for (int i = 1; i <= 16; ++i) {
            QVERIFY(shown(s, QString("txtOct_%1").arg(i)));
            QVERIFY(!shown(s, QString("txtTEoct_%1").arg(i)));
            QVERIFY(!shown(s, QString("txtPENoct_%1").arg(i)));
        }
        QCOMPARE(text(s, "Lblcuar_1"), QString());
        QVERIFY(!s->finalsButton()->isVisible());
        for (int l = 25; l <= 32; ++l)
            QVERIFY(!shown(s, QString("Line%1").arg(l)));
        QVERIFY(child<QWidget>(s, "Line40"));
        QVERIFY(child<QWidget>(s, "Shape24") && child<QWidget>(s, "Shape32"));
        QVERIFY(child<FlagView>(s, "Trinidadytobago")->isHidden());
        QVERIFY(notes.messages.isEmpty());
        // The left half mirrors the right: round of 16 at the outer edges, quarter-finals inwards.
        QVERIFY(child<QLabel>(s, "LblOct_1")->x() < child<QLabel>(s, "Lblcuar_1")->x());
        QVERIFY(child<QLabel>(s, "LblOct_9")->x() > child<QLabel>(s, "Lblcuar_9")->x());
        QCOMPARE(child<QLabel>(s, "LblOct_1")->x() + child<QLabel>(s, "LblOct_9")->geometry().right(), 793);
    }

    void playingCarriesWinnersWithFlags()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        BracketScreen *s = openBracket();
        type(s, "txtOct_1", "0");
        type(s, "txtOct_2", "1");
        QCOMPARE(text(s, "Lblcuar_1"), QString("Suecia"));
        QCOMPARE(flag(s, "ImCuar_1"), QString("Suecia"));
        type(s, "txtOct_3", "1");
        type(s, "txtOct_4", "1");
        QVERIFY(shown(s, "txtTEoct_3") && shown(s, "txtTEoct_4"));
        QVERIFY(!shown(s, "txtPENoct_3"));
        type(s, "txtTEoct_3", "0");
        type(s, "txtTEoct_4", "0");
        type(s, "txtPENoct_3", "4");
        type(s, "txtPENoct_4", "4");
        QCOMPARE(notes.messages.size(), 1);
        QCOMPARE(notes.messages[0].title, QString("Debe haber un Ganador"));
        QCOMPARE(text(s, "Lblcuar_3"), QString());
        QCOMPARE(box(s, "txtPENoct_4")->text(), QString("4"));
        type(s, "txtPENoct_4", "3");
        QCOMPARE(text(s, "Lblcuar_3"), QString("Argentina"));
        // The tab order runs through the visible boxes match by match and skips hidden ones.
        QVERIFY(QTest::qWaitForWindowActive(s));
        box(s, "txtOct_1")->setFocus();
        QStringList order;
        for (int i = 0; i < 9; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"txtOct_1", "txtOct_2", "txtOct_3", "txtOct_4", "txtTEoct_3", "txtTEoct_4",
                                     "txtPENoct_3", "txtPENoct_4", "txtOct_5"}));
    }

    void finalsButtonAppearsAndStays()
    {
        TempDataFolder folder;
        seedGroups(folder);
        BracketScreen *s = openBracket();
        playRoundOf16AndQuarters(s);
        QVERIFY(!s->finalsButton()->isVisible());
        type(s, "txtcuar_13", "3");
        type(s, "txtcuar_15", "1");
        QVERIFY(s->finalsButton()->isVisible());
        QCOMPARE(text(s, "Lblsemi_13"), QString("Brasil"));
        QCOMPARE(flag(s, "ImSemi_13"), QString("Brasil"));
        for (int l = 25; l <= 32; ++l)
            QVERIFY(shown(s, QString("Line%1").arg(l)));
        type(s, "txtcuar_15", "3");  // the quarter-final is a draw now
        QVERIFY(s->finalsButton()->isVisible());
        QCOMPARE(text(s, "Lblsemi_13"), QString("Brasil"));
        // Tab reaches the button after the last visible box.
        QVERIFY(QTest::qWaitForWindowActive(s));
        box(s, "txtTEcuar_15")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), s->finalsButton());
    }

    void closingSavesAndReopeningReseeds()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        BracketScreen *s = openBracket();
        type(s, "txtOct_1", "3");
        type(s, "txtOct_2", "1");
        type(s, "txtOct_9", "x");
        s->close();  // the close box
        QCOMPARE(folder.bytes("torveloOct.txt").left(12), QByteArray("3\r\n1\r\n*\r\n*\r\n"));
        QVERIFY(folder.bytes("torveloOct.txt").contains("\r\nx\r\n"));
        QVERIFY(openScreen("FrmGrupoyLlave"));

        // A changed group A, and the stored invalid entry reported before the window shows.
        folder.writeLines("torveloA.txt", QStringList(12, "*") << "Polonia" << "Ecuador");
        struct BeforeShow final : Notifier {
            QStringList seen;
            void showMessage(const QString &text, const QString &) override
            {
                seen << text + (openScreen("FrmgruposLLAVE") ? " (shown)" : " (not shown yet)");
            }
            void saveFailed(const QString &, const QString &) override {}
        } spy;
        Notifier *previous = Notifier::install(&spy);
        auto *chooser = qobject_cast<StageChooser *>(openScreen("FrmGrupoyLlave"));
        auto *again = qobject_cast<BracketScreen *>(chooser->openBracket());
        Notifier::install(previous);
        QCOMPARE(spy.seen, QStringList{"Ingrese solo números enteros (not shown yet)"});
        QCOMPARE(text(again, "LblOct_1"), QString("Polonia"));
        QCOMPARE(flag(again, "ImOCT_1"), QString("Polonia"));
        QCOMPARE(text(again, "Lblcuar_1"), QString("Polonia"));
        QCOMPARE(box(again, "txtOct_9")->text(), QString("x"));
    }

    void bracketPanelKeepsItsFrames()
    {
        TempDataFolder folder;
        seedGroups(folder);
        BracketScreen *s = openBracket();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        QVERIFY(!shown(s, "ShapeFecha") && !shown(s, "LblFecha"));
        QTest::mouseMove(child<QWidget>(s, "Crono_10"), QPoint(5, 5));
        QTRY_COMPARE(text(s, "LblFecha"), QString("1° de Julio - 12:00 Hs."));
        QCOMPARE(text(s, "Lblestadio"), QString("Gelsenkirchen"));
        QVERIFY(shown(s, "ShapeFecha") && shown(s, "ShapeEstadio") && shown(s, "LblFecha"));
        QTest::mouseMove(child<QWidget>(s, "LblOct_5"), QPoint(5, 5));
        QVERIFY(shown(s, "LblFecha"));
        QTest::mouseMove(s->surface(), QPoint(397, 520));
        QTRY_VERIFY(!shown(s, "LblFecha"));
        QVERIFY(!shown(s, "Lblestadio"));
        QVERIFY(shown(s, "ShapeFecha") && shown(s, "ShapeEstadio"));
        QCOMPARE(child<QWidget>(s, "Crono_10")->cursor().shape(), Qt::PointingHandCursor);
    }

    void finalsPlayToThePodium()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        BracketScreen *s = openBracket();
        playRoundOf16AndQuarters(s);
        type(s, "txtcuar_13", "1");
        type(s, "txtcuar_15", "2");
        QTest::mouseClick(s->finalsButton(), Qt::LeftButton);
        QWidget *f = openScreen("FrmgruposFinales");
        QVERIFY(f);
        QCOMPARE(f->windowTitle(), QString("SemiFinales - 3er y 4to puesto - Final"));
        QCOMPARE(f->windowModality(), Qt::ApplicationModal);
        QCOMPARE(text(f, "LblOct_1"), QString("Alemania"));
        QCOMPARE(text(f, "LblOct_2"), QString("Italia"));
        QCOMPARE(text(f, "LblOct_3"), QString("Inglaterra"));
        QCOMPARE(text(f, "LblOct_4"), QString("España"));
        QCOMPARE(flag(f, "ImSemi_4"), QString("España"));
        QVERIFY(child<FlagView>(f, "SerbiayMontenegro"));
        // Panel: both bars visible and empty at opening, hidden over the bare window.
        QVERIFY(shown(f, "LblFecha") && shown(f, "Lblestadio"));
        QCOMPARE(text(f, "LblFecha"), QString());

        type(f, "txtOct_1", "1");
        type(f, "txtOct_2", "1");
        QVERIFY(shown(f, "txtTEoct_1") && shown(f, "txtTEoct_2"));
        type(f, "txtTEoct_1", "2");
        type(f, "txtTEoct_2", "0");
        QCOMPARE(text(f, "Lblcuar_1"), QString("Alemania"));
        QCOMPARE(text(f, "Lblcuar_5"), QString("Italia"));
        type(f, "txtOct_3", "0");
        type(f, "txtOct_4", "1");
        QCOMPARE(text(f, "Lblcuar_3"), QString("España"));
        QCOMPARE(flag(f, "Imfin_3"), QString("España"));
        type(f, "txtcuar_5", "3");
        type(f, "txtcuar_7", "1");
        QCOMPARE(text(f, "Tercero"), QString("Italia"));
        QCOMPARE(flag(f, "ImTercero"), QString("Italia"));
        type(f, "txtcuar_1", "1");
        type(f, "txtcuar_3", "0");
        QCOMPARE(text(f, "Campeon"), QString("Alemania"));
        QCOMPARE(flag(f, "ImCampeon"), QString("Alemania"));
        QCOMPARE(text(f, "Subcampeon"), QString("España"));
        QCOMPARE(text(f, "Label2"), QString("Sub Campeón"));
        // A semi-final changed: the final's names change, the podium does not.
        type(f, "txtOct_3", "2");
        QCOMPARE(text(f, "Lblcuar_3"), QString("Inglaterra"));
        QCOMPARE(flag(f, "Imfin_3"), QString("Inglaterra"));
        QCOMPARE(text(f, "Campeon"), QString("Alemania"));
        QCOMPARE(text(f, "Subcampeon"), QString("España"));
        QVERIFY(notes.messages.isEmpty());

        f->findChild<QAction *>("Salir")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!openScreen("FrmgruposFinales"));
        QVERIFY(openScreen("FrmgruposLLAVE"));
        QVERIFY(folder.bytes("torvelofinal.txt").startsWith("1\r\n1\r\n2\r\n1\r\n2\r\n0\r\n"));
        // Reopened, the file replays onto the same semi-finalists.
        QTest::mouseClick(s->finalsButton(), Qt::LeftButton);
        QWidget *again = openScreen("FrmgruposFinales");
        QCOMPARE(text(again, "Campeon"), QString("Alemania"));
        QCOMPARE(text(again, "Lblcuar_3"), QString("Inglaterra"));
        QCOMPARE(text(again, "Tercero"), QString("Italia"));
    }

    void finalsPanelHidesOnTheBareWindow()
    {
        TempDataFolder folder;
        auto *f = new FinalsScreen({"Brasil", "Francia", "", ""});
        Navigation::openModal(f);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QTest::mouseMove(child<QWidget>(f, "Crono_4"), QPoint(5, 5));
        QTRY_COMPARE(text(f, "Lblestadio"), QString("Berlin"));
        QCOMPARE(text(f, "LblFecha"), QString("9 de Julio - 16:00 Hs."));
        QTest::mouseMove(f->centralWidget(), QPoint(397, 230));
        QTRY_VERIFY(!shown(f, "Lblestadio"));
        QVERIFY(!shown(f, "LblFecha"));
        QCOMPARE(text(f, "Lblestadio"), QString("Berlin"));
        QCOMPARE(flag(f, "ImSemi_3"), QString());
    }

    void stageChooserOpensBoth()
    {
        TempDataFolder folder;
        auto *chooser = new StageChooser;
        Navigation::openModal(chooser);
        QCOMPARE(chooser->windowTitle(), QString("Torvelo Alemania 2006 - Grupos y Llave - Resolucion Optima 800 x 600"));
        auto *groups = chooser->findChild<PictureButton *>("Command2");
        auto *bracket = chooser->findChild<PictureButton *>("Command1");
        QCOMPARE(groups->pictureText(), QString("GRUPOS"));
        QCOMPARE(bracket->pictureText(), QString("LLAVE"));
        QVERIFY(groups->x() < bracket->x());
        QTest::mouseClick(groups, Qt::LeftButton);
        QVERIFY(openScreen("FrmGrupos"));
        openScreen("FrmGrupos")->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::mouseClick(bracket, Qt::LeftButton);
        QVERIFY(openScreen("FrmgruposLLAVE"));
        QCOMPARE(visibleScreens(), 2);
    }
};

QTEST_MAIN(KnockoutScreensTest)
#include "tst_knockoutscreens.moc"
