// The program without a mouse: the date and venue of a match follow the keyboard into
// its score boxes, and Escape closes the screen on top and gives the keyboard back to
// the control that opened it.

#include "BracketScreen.h"
#include "FinalsScreen.h"
#include "GroupChooser.h"
#include "GroupScreen.h"
#include "GuiSupport.h"
#include "MainMenu.h"
#include "Navigation.h"
#include "PictureButton.h"
#include "Splash.h"
#include "StageChooser.h"
#include "TestSupport.h"
#include "VenueDirectory.h"
#include "VenuePages.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString shownText(QWidget *screen, const QString &label)
{
    auto *l = child<QLabel>(screen, label);
    return l && !l->isHidden() ? l->text() : QStringLiteral("<hidden>");
}

// Keys go where the keyboard is, as they would from a real keyboard.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY2(target, "nothing has the keyboard");
    QTest::keyClick(target, Qt::Key(key), modifiers);
    settle();
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Fonts::install(); }
    void cleanup() { closeAllScreens(); }

    void tabIntoAScoreBoxShowsItsMatch()
    {
        TempDataFolder folder;
        auto *s = new GroupScreen('A');
        Navigation::openModal(s);
        QVERIFY(QTest::qWaitForWindowActive(s));
        // The focus the screen gives itself on opening shows nothing.
        QCOMPARE(QApplication::focusWidget(), s->scoreBox(0));
        QCOMPARE(shownText(s, "LblFecha"), QString());
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), s->scoreBox(1));
        QCOMPARE(shownText(s, "Lblestadio"), QString("Munich"));
        QCOMPARE(shownText(s, "LblFecha"), QString("9 de Junio - 13:00 Hs."));
        press(Qt::Key_Tab);
        QCOMPARE(shownText(s, "Lblestadio"), QString("Gelsenkirchen"));
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), s->scoreBox(1));
        QCOMPARE(shownText(s, "Lblestadio"), QString("Munich"));
        // A click into a box moves the keyboard there too.
        QTest::mouseClick(s->scoreBox(8), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), s->scoreBox(8));
        QCOMPARE(shownText(s, "Lblestadio"), QString("Berlín"));
        QCOMPARE(shownText(s, "LblFecha"), QString("20 de Junio - 11:00 Hs."));
        // The pointer still clears the board over the bare window.
        QTest::mouseMove(s->surface(), QPoint(5, 5));
        emit s->surface()->bareMouseMove();
        QCOMPARE(shownText(s, "Lblestadio"), QString());
        // Focus set by the program is not the user moving: the board stays empty.
        s->scoreBox(11)->setFocus(Qt::OtherFocusReason);
        QCOMPARE(shownText(s, "Lblestadio"), QString());
    }

    void tabIntoAKnockoutBoxShowsItsMatch()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        auto *s = new BracketScreen;
        Navigation::openModal(s);
        QVERIFY(QTest::qWaitForWindowActive(s));
        QCOMPARE(shownText(s, "Lblestadio"), QString("<hidden>"));
        QVERIFY(child<QWidget>(s, "ShapeFecha")->isHidden());
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtOct_2"));
        QCOMPARE(shownText(s, "Lblestadio"), QString("Munich"));
        QVERIFY(!child<QWidget>(s, "ShapeFecha")->isHidden());
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtOct_3"));
        QCOMPARE(shownText(s, "LblFecha"), QString("24 de Junio - 16:00 Hs."));
        QCOMPARE(shownText(s, "Lblestadio"), QString("Leipzig"));
        // The right half's first match has clock 3.
        QTest::mouseClick(child<QLineEdit>(s, "txtOct_10"), Qt::LeftButton);
        QCOMPARE(shownText(s, "Lblestadio"), QString("Stuttgart"));

        auto *finals = qobject_cast<FinalsScreen *>(s->openFinals());
        QVERIFY(QTest::qWaitForWindowActive(finals));
        QTest::mouseClick(child<QLineEdit>(finals, "txtcuar_3"), Qt::LeftButton);
        QCOMPARE(shownText(finals, "LblFecha"), QString("9 de Julio - 16:00 Hs."));
        QCOMPARE(shownText(finals, "Lblestadio"), QString("Berlin"));
    }

    // Main menu, chooser, groups, group C and back, by keyboard alone.
    void escapeClosesTheTopScreenAndFocusGoesBack()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        auto *menu = new MainMenu;
        Navigation::openMain(menu);
        QVERIFY(QTest::qWaitForWindowActive(menu));
        QCOMPARE(QApplication::focusWidget(), menu->button("Command2"));
        press(Qt::Key_Return);
        // A key press shows the button going down before it opens anything.
        StageChooser *stages = nullptr;
        QTRY_VERIFY((stages = qobject_cast<StageChooser *>(openScreen("FrmGrupoyLlave"))));
        QVERIFY(QTest::qWaitForWindowActive(stages));
        press(Qt::Key_Return);
        GroupChooser *groups = nullptr;
        QTRY_VERIFY((groups = qobject_cast<GroupChooser *>(openScreen("FrmGrupos"))));
        QVERIFY(QTest::qWaitForWindowActive(groups));
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), groups->button('C'));
        press(Qt::Key_Return);
        QWidget *groupC = nullptr;
        QTRY_VERIFY((groupC = openScreen("FrmGrupoC")));
        QVERIFY(QTest::qWaitForWindowActive(groupC));
        QCOMPARE(Navigation::openerOf(groupC), groups->button('C'));
        QCOMPARE(QAccessible::queryAccessibleInterface(groupC)->text(QAccessible::Description),
                 QString("Escape cierra esta pantalla"));
        QVERIFY(menu->accessibleDescription().isEmpty());
        QTest::keyClicks(QApplication::focusWidget(), "3");

        // Escape in a score box closes the group as its close box does: the file is written.
        press(Qt::Key_Escape);
        QVERIFY(!openScreen("FrmGrupoC"));
        QVERIFY(QFile::exists(folder.file("torveloC.txt")));
        QCOMPARE(folder.bytes("torveloC.txt").left(3), QByteArray("3\r\n"));
        QTRY_COMPARE(QApplication::focusWidget(), groups->button('C'));

        press(Qt::Key_Escape);
        QVERIFY(!openScreen("FrmGrupos"));
        QTRY_COMPARE(QApplication::focusWidget(), stages->findChild<QWidget *>("Command2"));
        press(Qt::Key_Escape);
        QVERIFY(!openScreen("FrmGrupoyLlave"));
        QTRY_COMPARE(QApplication::focusWidget(), menu->button("Command2"));

        // The main menu ends the program: Escape leaves it alone.
        press(Qt::Key_Escape);
        QVERIFY(openScreen("Frminicio"));
        QVERIFY(menu->isVisible());
    }

    void escapeClosesTheBracketAndSavesIt()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        seedGroups(folder);
        auto *stages = new StageChooser;
        Navigation::openModal(stages);
        QVERIFY(QTest::qWaitForWindowActive(stages));
        press(Qt::Key_Tab);
        press(Qt::Key_Return);
        BracketScreen *bracket = nullptr;
        QTRY_VERIFY((bracket = qobject_cast<BracketScreen *>(openScreen("FrmgruposLLAVE"))));
        QVERIFY(QTest::qWaitForWindowActive(bracket));
        QTest::keyClicks(QApplication::focusWidget(), "2");
        press(Qt::Key_Escape);
        QVERIFY(!openScreen("FrmgruposLLAVE"));
        QCOMPARE(folder.bytes("torveloOct.txt").left(3), QByteArray("2\r\n"));
        QTRY_COMPARE(QApplication::focusWidget(), stages->findChild<QWidget *>("Command1"));
    }

    // A stadium page replaced by the next one still gives the keyboard back to the
    // directory button that opened the first.
    void focusGoesBackPastReplacedPages()
    {
        VenueDirectory *directory = VenuePages::stadiumDirectory();
        Navigation::openModal(directory);
        QVERIFY(QTest::qWaitForWindowActive(directory));
        auto *hannover = directory->findChild<PictureButton *>("Command2");
        hannover->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Return);
        QWidget *page = nullptr;
        QTRY_VERIFY((page = openScreen("FrmEHannover")));
        QVERIFY(QTest::qWaitForWindowActive(page));
        page->findChild<PictureButton *>("CmdSiguiente")->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Return);
        QWidget *next = nullptr;
        QTRY_VERIFY((next = openScreen("FrmEArena")));
        QTRY_VERIFY(!openScreen("FrmEHannover"));
        QVERIFY(QTest::qWaitForWindowActive(next));
        QCOMPARE(Navigation::openerOf(next), hannover);
        press(Qt::Key_Escape);
        QVERIFY(!openScreen("FrmEArena"));
        QTRY_COMPARE(QApplication::focusWidget(), hannover);
    }

    void escapeWithAModifierIsNotAClose()
    {
        TempDataFolder folder;
        auto *s = new GroupScreen('B');
        Navigation::openModal(s);
        QVERIFY(QTest::qWaitForWindowActive(s));
        press(Qt::Key_Escape, Qt::ShiftModifier);
        QVERIFY(openScreen("FrmGrupoB"));
    }

    void theSplashStillIgnoresEscape()
    {
        int opened = 0;
        auto *splash = new Splash([&opened] { ++opened; });
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QTest::keyClick(splash, Qt::Key_Escape);
        settle();
        QVERIFY(splash->isVisible());
        QCOMPARE(opened, 0);
        splash->advanceTo(Splash::kCloseMs);
        settle();
        QCOMPARE(opened, 1);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
