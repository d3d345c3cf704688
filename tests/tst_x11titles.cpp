// The titles a window manager reads from the program's windows, on a real X server:
// run inside tests/x11/xsession.sh, which starts Xvfb and openbox for it.

#include "BracketScreen.h"
#include "FinalsScreen.h"
#include "GroupScreen.h"
#include "GuiSupport.h"
#include "HistoryPages.h"
#include "MainMenu.h"
#include "MessageBoxes.h"
#include "Splash.h"
#include "TestSupport.h"

#include <QTimer>

#include <xcb/xcb.h>

#include <functional>

namespace {

// A connection of the test's own, so that it reads what the server holds, as the
// window manager does, and not what the program's connection still has queued.
class XReader {
public:
    XReader() : m_c(xcb_connect(nullptr, nullptr)) {}
    ~XReader() { xcb_disconnect(m_c); }
    bool ok() const { return !xcb_connection_has_error(m_c); }

    // The window's text property; "<none>" when the window lacks it.
    QString text(WId window, const char *property)
    {
        xcb_get_property_cookie_t cookie =
            xcb_get_property(m_c, 0, xcb_window_t(window), atom(property), XCB_GET_PROPERTY_TYPE_ANY, 0, 4096);
        xcb_get_property_reply_t *reply = xcb_get_property_reply(m_c, cookie, nullptr);
        QString value = QStringLiteral("<none>");
        if (reply && reply->type != XCB_ATOM_NONE) {
            const auto *data = static_cast<const char *>(xcb_get_property_value(reply));
            const int length = xcb_get_property_value_length(reply);
            value = reply->type == atom("UTF8_STRING") ? QString::fromUtf8(data, length) : QString::fromLatin1(data, length);
        }
        free(reply);
        return value;
    }

private:
    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *reply =
            xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, uint16_t(qstrlen(name)), name), nullptr);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return a;
    }

    xcb_connection_t *m_c;
};

using Make = std::function<QWidget *()>;

} // namespace

Q_DECLARE_METATYPE(Make)

class X11TitlesTest : public QObject {
    Q_OBJECT

    XReader m_x;
    TempDataFolder m_data;

    // Both names the window manager may show, once the server holds them.
    void expectTitle(QWidget *window, const QString &title)
    {
        QTRY_COMPARE_WITH_TIMEOUT(m_x.text(window->winId(), "_NET_WM_NAME"), title, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(m_x.text(window->winId(), "WM_NAME"), title, 10000);
    }

    // Shows a message box through the program's notifier and reads its two names.
    QStringList boxTitles(const std::function<void()> &show)
    {
        QStringList names;
        QTimer::singleShot(0, this, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (box) {
                // The box is on screen once the server has its name; give it a moment.
                QDeadlineTimer deadline(10000);
                while (m_x.text(box->winId(), "_NET_WM_NAME") == QLatin1String("<none>") && !deadline.hasExpired())
                    QTest::qWait(20);
                names << m_x.text(box->winId(), "_NET_WM_NAME") << m_x.text(box->winId(), "WM_NAME");
                box->close();
            }
        });
        show();
        return names;
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server: run through tests/x11/xsession.sh");
        QVERIFY(m_x.ok());
        Fonts::install();
    }
    void cleanup() { closeAllScreens(); }

    void screensCarryTheirCaptionsAlone_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<QString>("title");
        QTest::newRow("main menu") << Make([] { return new MainMenu; })
                                   << "Torvelo Alemania 2006- Pantalla de Inicio - Resolucion Optima 800 x 600";
        QTest::newRow("group A") << Make([] { return new GroupScreen('A'); }) << GroupScreen::caption('A');
        QTest::newRow("bracket") << Make([] { return new BracketScreen; })
                                 << "Torvelo Alemania 2006 - Partidos de la llave - Resolucion Optima 800 x 600";
        QTest::newRow("finals") << Make([] { return new FinalsScreen({}); }) << "SemiFinales - 3er y 4to puesto - Final";
    }
    void screensCarryTheirCaptionsAlone()
    {
        QFETCH(Make, make);
        QFETCH(QString, title);
        RecordingNotifier quiet;
        QWidget *screen = make();
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen));
        QCOMPARE(screen->windowTitle(), title);
        expectTitle(screen, title);
    }

    void splashHasNoTitle()
    {
        auto *splash = new Splash(nullptr);
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        expectTitle(splash, QString());
        splash->advanceTo(Splash::kCloseMs);
    }

    void messageBoxesCarryTheirOwnTitle()
    {
        MessageBoxNotifier boxes;
        Notifier *previous = Notifier::install(&boxes);
        const QStringList untitled = boxTitles([] { Notifier::current().showMessage("Ingrese solo números enteros", {}); });
        const QStringList penalties = boxTitles(
            [] { Notifier::current().showMessage("No puede colocar empate en los penales", "Debe haber un Ganador"); });
        const QStringList war =
            boxTitles([] { Notifier::current().showInformation(EditionPage::warText(), EditionPage::warTitle()); });
        Notifier::install(previous);
        QCOMPARE(untitled, QStringList({"Torvelo Alemania 2006", "Torvelo Alemania 2006"}));
        QCOMPARE(penalties, QStringList({"Debe haber un Ganador", "Debe haber un Ganador"}));
        QCOMPARE(war, QStringList({"Información 2da Guerra Mundial", "Información 2da Guerra Mundial"}));
    }
};

QTEST_MAIN(X11TitlesTest)
#include "tst_x11titles.moc"
