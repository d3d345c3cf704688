#include "AboutPage.h"
#include "CreditsPage.h"
#include "GuiSupport.h"
#include "MainMenu.h"
#include "PictureButton.h"
#include "Program.h"
#include "Splash.h"
#include "TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

class ShellTest : public QObject {
    Q_OBJECT

    QAction *menuItem(QWidget *menu, const QString &name) { return menu->findChild<QAction *>(name); }

private slots:
    void initTestCase() { Fonts::install(); }
    void cleanup() { closeAllScreens(); }

    void splashFillsOneSquareEvery400ms()
    {
        bool opened = false;
        bool splashGoneFirst = false;
        Splash *splash = nullptr;
        splash = new Splash([&] {
            opened = true;
            splashGoneFirst = !splash->isVisible();
        });
        splash->show();
        QCOMPARE(splash->size(), QSize(630, 335));
        QCOMPARE(splash->windowTitle(), QString());
        QCOMPARE(child<QLabel>(splash, "Label5")->text(),
                 QString("* La hora de los partidos corresponden  al horario de la Argentina"));
        QCOMPARE(splash->squaresShown(), 0);
        for (int k = 0; k < Splash::kSquares; ++k) {
            splash->advanceTo(400 * (k + 1) - 1);
            QCOMPARE(splash->squaresShown(), k);
            splash->advanceTo(400 * (k + 1));
            QCOMPARE(splash->squaresShown(), k + 1);
            QWidget *square = child<QWidget>(splash, QString("Label10_%1").arg(k));
            QCOMPARE(square->size(), QSize(9, 9));
            QCOMPARE(square->palette().color(QPalette::Window), Splash::squareColour(k));
            if (k > 0)
                QCOMPARE(square->x() - child<QWidget>(splash, QString("Label10_%1").arg(k - 1))->x(), 16);
        }
        QCOMPARE(Splash::squareColour(0), QColor(255, 255, 255));
        QCOMPARE(Splash::squareColour(7), QColor(255, 255, 0));
        QCOMPARE(Splash::squareColour(11), QColor(128, 128, 0));
        splash->advanceTo(5999);
        QVERIFY(splash->isVisible());
        QVERIFY(!opened);
        splash->advanceTo(6000);
        QVERIFY(opened);
        QVERIFY(splashGoneFirst);
        QVERIFY(!splash->isVisible());
    }

    void startupHandsOverToTheMainMenu()
    {
        Splash *splash = Program::start();
        QCOMPARE(splash->size(), QSize(630, 335));
        QVERIFY(splash->isVisible());
        QVERIFY(!openScreen("Frminicio"));
        splash->advanceTo(6000);
        QWidget *menu = openScreen("Frminicio");
        QVERIFY(menu);
        QVERIFY(!splash->isVisible());
        QCOMPARE(menu->windowModality(), Qt::NonModal);
    }

    void splashTakesNoInput()
    {
        bool opened = false;
        auto *splash = new Splash([&] { opened = true; });
        splash->show();
        splash->advanceTo(1200);
        QTest::mouseClick(splash, Qt::LeftButton);
        QTest::keyClick(splash, Qt::Key_Escape);
        QTest::keyClick(splash, Qt::Key_Return);
        QVERIFY(!splash->close());
        QVERIFY(splash->isVisible());
        QCOMPARE(splash->squaresShown(), 3);
        QVERIFY(!opened);
        splash->advanceTo(6000);
    }

    // The timer is re-armed against the time since the first show: a step that comes
    // late under load shows every square due by then, and the lateness never carries
    // over into the steps after it.
    void splashKeepsTimeByTheClock_data()
    {
        QTest::addColumn<QList<int>>("firings");   // clock readings when the timer comes
        QTest::addColumn<QList<int>>("squares");   // squares shown after each
        QTest::addColumn<QList<int>>("waits");     // the wait armed after each; -1: handed over
        QTest::newRow("on time") << QList<int>{400, 800, 1200} << QList<int>{1, 2, 3} << QList<int>{400, 400, 400};
        QTest::newRow("late under load") << QList<int>{550, 950, 1210} << QList<int>{1, 2, 3}
                                         << QList<int>{250, 250, 390};
        QTest::newRow("blocked for seconds") << QList<int>{3333, 5900, 6001} << QList<int>{8, 12, 12}
                                             << QList<int>{267, 100, -1};
        QTest::newRow("a little early") << QList<int>{399, 400, 4799, 4800, 5999, 6000}
                                        << QList<int>{0, 1, 11, 12, 12, 12} << QList<int>{1, 400, 1, 1200, 1, -1};
    }
    void splashKeepsTimeByTheClock()
    {
        QFETCH(QList<int>, firings);
        QFETCH(QList<int>, squares);
        QFETCH(QList<int>, waits);
        qint64 now = 0;
        bool opened = false;
        auto *splash = new Splash([&] { opened = true; });
        splash->setClock([&] { return now; });
        splash->show();
        splash->start();
        QCOMPARE(splash->armedWait(), 400);
        for (int i = 0; i < firings.size(); ++i) {
            now = firings[i];
            splash->tick();
            QCOMPARE(splash->squaresShown(), squares[i]);
            QCOMPARE(splash->armedWait(), waits[i]);
        }
        QCOMPARE(opened, now >= Splash::kCloseMs);
        QCOMPARE(splash->isVisible(), now < Splash::kCloseMs);
        if (!opened)
            splash->advanceTo(Splash::kCloseMs);
    }

    void mainMenuLooksAsDesigned()
    {
        MainMenu *menu = Program::openMainMenu();
        QCOMPARE(menu->windowTitle(), QString("Torvelo Alemania 2006- Pantalla de Inicio - Resolucion Optima 800 x 600"));
        QCOMPARE(menu->surface()->size(), QSize(792, 546));
        QVERIFY(QTest::qWaitForWindowActive(menu));
        const QStringList order = {"Command2", "Command3", "Command1", "Command7", "Command5", "Command6"};
        const QStringList words = {"TORVELO", "ESTADIOS", "SEDES", "EQUIPOS", "HISTORIA DE MUNDIALES", "QUELMAR SOFTWARE"};
        QCOMPARE(QApplication::focusWidget(), menu->button("Command2"));
        for (int i = 0; i < order.size(); ++i) {
            PictureButton *b = menu->button(order[i]);
            QCOMPARE(b->size(), QSize(105, 97));
            QCOMPARE(b->pictureText(), words[i]);
            QCOMPARE(b->text(), QString());
            QVERIFY(b->isEnabled());
            QCOMPARE(b->x() < 396, i < 3);
            if (i % 3)
                QVERIFY(b->y() > menu->button(order[i - 1])->y());
        }
        const auto menus = menu->menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text(), QString("Archivo"));
        QCOMPARE(menus[1]->text(), QString("Ayuda"));
        QCOMPARE(menuItem(menu, "Salir")->text(), QString("Salir"));
        QCOMPARE(menuItem(menu, "acerca2")->text(), QString("Acerca de Quelmar Software"));
        QCOMPARE(menuItem(menu, "fuente")->text(), QString("Fuente Información"));
    }

    void everyWayOutOfTheMenuComesBack_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("screen");
        QTest::newRow("TORVELO") << "Command2" << "FrmGrupoyLlave";
        QTest::newRow("ESTADIOS") << "Command3" << "FrmEstadios";
        QTest::newRow("SEDES") << "Command1" << "Frmciudades";
        QTest::newRow("EQUIPOS") << "Command7" << "FrmInfoEquipos";
        QTest::newRow("HISTORIA") << "Command5" << "FrmHistoria";
        QTest::newRow("logo button") << "Command6" << "Frmquelmar";
        QTest::newRow("Acerca de") << "acerca2" << "Frmquelmar";
        QTest::newRow("Fuente") << "fuente" << "FrmFuente";
    }
    void everyWayOutOfTheMenuComesBack()
    {
        QFETCH(QString, control);
        QFETCH(QString, screen);
        TempDataFolder folder;
        MainMenu *menu = Program::openMainMenu();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        if (PictureButton *b = menu->button(control))
            QTest::mouseClick(b, Qt::LeftButton);
        else
            menuItem(menu, control)->trigger();
        QWidget *opened = openScreen(screen);
        QVERIFY(opened);
        QCOMPARE(opened->windowModality(), Qt::ApplicationModal);
        QVERIFY(qobject_cast<QMainWindow *>(opened)->menuBar()->actions().size() >= 1);
        QCOMPARE(visibleScreens(), 2);
        opened->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTRY_COMPARE(QApplication::activeWindow(), menu);
        QCOMPARE(visibleScreens(), 1);
    }

    void pagesHaveTheirCaptionsAndSizes()
    {
        AboutPage about;
        QCOMPARE(about.windowTitle(), QString("Acerca de Quelmar Software - Torvelo Alemania 2006"));
        QCOMPARE(about.surface()->size(), QSize(608, 546));
        QCOMPARE(child<QLabel>(&about, "Label3")->text(), QString("Visite Nuestra Pagina Web:"));
        QVERIFY(child<QLabel>(&about, "Label8")->text().endsWith(".example"));
        CreditsPage credits;
        QCOMPARE(credits.windowTitle(), QString("Torvelo Alemania 2006 - Fuentes de Información - Resolucion Optima 800 x 600"));
        QCOMPARE(credits.surface()->size(), QSize(715, 230));
        QCOMPARE(child<QLabel>(&credits, "Label1")->text(), QString("Idea Original:"));
        QCOMPARE(child<QLabel>(&credits, "Label6")->text(), QString("Comentarios Periodisticos:"));
        QCOMPARE(child<QLabel>(&credits, "Tecni")->text(), QString("Tecnico Superior en Periodismo Deportivo"));
        QCOMPARE(child<QLabel>(&credits, "Label9")->text(), QString("Leader Proyect:"));
        QCOMPARE(child<QLabel>(&credits, "Label13")->text(), QString("Fuentes de Información:"));
        QVERIFY(child<QLabel>(&credits, "Label15"));
        QVERIFY(!credits.findChild<QLabel *>("Label16"));
    }

    void closingTheMainMenuEndsTheProgram()
    {
        MainMenu *menu = Program::openMainMenu();
        QTimer::singleShot(0, menu, [menu] { menu->findChild<QAction *>("Salir")->trigger(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });  // a safety net, never reached
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(visibleScreens(), 0);
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
