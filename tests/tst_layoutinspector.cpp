// The layout check must see each kind of flaw it is there for, and must stay quiet
// about layouts that only look close: a check that cries wolf gets switched off.

#include "GuiSupport.h"
#include "LayoutInspector.h"
#include "PictureButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <functional>

namespace {

using Builder = std::function<void(QWidget *)>;

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &geometry, bool wrap = false)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setFont(Fonts::font(9, true));
    l->setWordWrap(wrap);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QFrame *frame(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *f = new QFrame(parent);
    f->setObjectName(QLatin1String(name));
    f->setGeometry(geometry);
    return f;
}

QLineEdit *box(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *b = new QLineEdit(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setAlignment(Qt::AlignCenter);
    b->setFont(Fonts::font(8, true));
    b->setTextMargins(0, 0, 0, 0);
    return b;
}

PictureButton *pictureButton(QWidget *parent, const char *name, const QString &word, qreal points, const QRect &geometry)
{
    auto *b = new PictureButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setPictureText(word, Fonts::font(points, true), Qt::white, 30);
    return b;
}

} // namespace

Q_DECLARE_METATYPE(Builder)

class TestLayoutInspector : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Fonts::install(); }

    void findsWhatIsWrong_data()
    {
        QTest::addColumn<Builder>("build");
        QTest::addColumn<QStringList>("expected");  // widget:kind

        QTest::newRow("a tidy screen") << Builder([](QWidget *w) {
            // Two table cells with a rule along their common edge, a name on its frame,
            // a two-digit score, a wrapped note with room to spare.
            label(w, "Dato", QStringLiteral("Capital"), {10, 10, 80, 20});
            label(w, "Valor", QStringLiteral("Estocolmo"), {90, 10, 100, 20});
            frame(w, "Regla", {89, 10, 2, 20});
            frame(w, "Marco", {10, 40, 120, 24})->setFrameShape(QFrame::Box);
            label(w, "Nombre", QStringLiteral("Alemania"), {13, 40, 114, 24});
            box(w, "Penal", QStringLiteral("11"), {140, 40, 24, 22});
            label(w, "Nota", QStringLiteral("Posicionando el Mouse encima del Icono"), {10, 80, 180, 60}, true);
            pictureButton(w, "Uno", QStringLiteral("ESTADIOS"), 9, {200, 10, 105, 97});
            pictureButton(w, "Dos", QStringLiteral("HISTORIA DE MUNDIALES"), 9, {200, 110, 105, 97});
        }) << QStringList();

        QTest::newRow("a name wider than its label") << Builder([](QWidget *w) {
            label(w, "Nombre", QStringLiteral("Trinidad y Tobago"), {10, 10, 60, 20});
        }) << QStringList{"Nombre:clipped"};
        QTest::newRow("a two-line name in a one-line label") << Builder([](QWidget *w) {
            label(w, "Figura", QStringLiteral("Yoshikatsu Kawaguchi"), {10, 10, 90, 18}, true);
        }) << QStringList{"Figura:clipped"};
        QTest::newRow("a score wider than its box") << Builder([](QWidget *w) {
            box(w, "Penal", QStringLiteral("110"), {10, 10, 16, 22});
        }) << QStringList{"Penal:clipped"};
        QTest::newRow("a caption longer than its button") << Builder([](QWidget *w) {
            auto *b = new QPushButton(QStringLiteral("Rumbo a la Final"), w);
            b->setObjectName(QStringLiteral("Boton"));
            b->setGeometry(10, 10, 50, 30);
        }) << QStringList{"Boton:clipped"};
        QTest::newRow("a painted name too long for its button") << Builder([](QWidget *w) {
            pictureButton(w, "Boton", QStringLiteral("HISTORIADEMUNDIALES"), 12, {10, 10, 50, 50});
        }) << QStringList{"Boton:clipped"};

        QTest::newRow("a connector through a score box") << Builder([](QWidget *w) {
            box(w, "Penal", QStringLiteral("0"), {40, 10, 22, 20});
            frame(w, "Line9", {50, 0, 2, 60});
        }) << QStringList{"Penal:crossed"};
        QTest::newRow("a line through a flag") << Builder([](QWidget *w) {
            auto *flag = new FlagView(w);
            flag->setObjectName(QStringLiteral("Bandera"));
            flag->setGeometry(40, 40, 26, 20);
            frame(w, "Linea", {30, 49, 60, 2});
        }) << QStringList{"Bandera:crossed"};
        QTest::newRow("a line through a name's words") << Builder([](QWidget *w) {
            label(w, "Nombre", QStringLiteral("Argentina"), {10, 10, 120, 20});
            frame(w, "Linea", {70, 0, 2, 40});
        }) << QStringList{"Nombre:crossed"};
        QTest::newRow("a frame's edge across a flag") << Builder([](QWidget *w) {
            auto *flag = new FlagView(w);
            flag->setObjectName(QStringLiteral("Bandera"));
            flag->setGeometry(40, 40, 26, 20);
            frame(w, "Marco", {50, 30, 80, 60})->setFrameShape(QFrame::Box);
        }) << QStringList{"Bandera:crossed"};

        QTest::newRow("two names over each other") << Builder([](QWidget *w) {
            label(w, "Estadio", QStringLiteral("Arena AufSchalke"), {10, 10, 140, 20});
            label(w, "Ciudad", QStringLiteral("Gelsenkirchen"), {40, 18, 140, 20});
        }) << QStringList{"Ciudad:overlaps"};

        QTest::newRow("a label past the window's edge") << Builder([](QWidget *w) {
            label(w, "Podio", QStringLiteral("1"), {150, 280, 40, 40});
        }) << QStringList{"Podio:outside"};
        QTest::newRow("a flag past its frame") << Builder([](QWidget *w) {
            QFrame *row = frame(w, "Fila", {10, 10, 100, 30});
            auto *flag = new FlagView(row);
            flag->setObjectName(QStringLiteral("Bandera"));
            flag->setGeometry(80, 15, 34, 26);
        }) << QStringList{"Bandera:outside"};

        QTest::newRow("prose that scrolls") << Builder([](QWidget *w) {
            auto *area = new QScrollArea(w);
            area->setObjectName(QStringLiteral("Texto"));
            area->setGeometry(10, 10, 180, 60);
            area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            auto *text = new QLabel(QStringLiteral("Uno.\nDos.\nTres.\nCuatro.\nCinco.\nSeis."));
            text->setFont(Fonts::font(9));
            area->setWidget(text);
        }) << QStringList{"Texto:scrolls"};
        QTest::newRow("prose cut where the bar is switched off") << Builder([](QWidget *w) {
            auto *area = new QScrollArea(w);
            area->setObjectName(QStringLiteral("Texto"));
            area->setGeometry(10, 10, 180, 60);
            area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            auto *text = new QLabel(QStringLiteral("Uno.\nDos.\nTres.\nCuatro.\nCinco.\nSeis."));
            text->setFont(Fonts::font(9));
            area->setWidget(text);
        }) << QStringList{"Texto:scrolls"};

        QTest::newRow("sibling buttons in two type sizes") << Builder([](QWidget *w) {
            pictureButton(w, "Uno", QStringLiteral("ESTADIOS"), 9, {10, 10, 105, 97});
            pictureButton(w, "Dos", QStringLiteral("SEDES"), 8, {10, 120, 105, 97});
        }) << QStringList{"Dos:typesize"};
    }

    void findsWhatIsWrong()
    {
        QFETCH(Builder, build);
        QFETCH(QStringList, expected);
        QWidget window;
        window.setFixedSize(320, 300);
        build(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList found;
        for (const LayoutFlaw &f : LayoutInspector::inspect(&window))
            found << f.widget + QLatin1Char(':') + f.kind;
        found.removeDuplicates();
        QCOMPARE(found, expected);
    }

    void hiddenControlsAreNotLookedAt()
    {
        QWidget window;
        window.setFixedSize(200, 100);
        label(&window, "Nombre", QStringLiteral("Trinidad y Tobago"), {10, 10, 30, 20})->hide();
        box(&window, "Penal", QStringLiteral("0"), {40, 40, 22, 20});
        frame(&window, "Line9", {50, 0, 2, 100})->hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(LayoutInspector::inspect(&window).isEmpty());
    }
};

QTEST_MAIN(TestLayoutInspector)
#include "tst_layoutinspector.moc"
