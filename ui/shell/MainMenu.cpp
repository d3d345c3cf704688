#include "MainMenu.h"

#include "AboutPage.h"
#include "AccessibleNames.h"
#include "Art.h"
#include "Controls.h"
#include "CreditsPage.h"
#include "Fonts.h"
#include "Navigation.h"
#include "PictureButton.h"
#include "Pictures.h"
#include "Sections.h"
#include "StageChooser.h"
#include "WallchartCommands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

namespace {
constexpr int kWidth = 792;
constexpr int kHeight = 546;
constexpr int kBannerHeight = 100;
} // namespace

MainMenu::MainMenu(QWidget *parent) : Screen(QStringLiteral("Frminicio"), caption(), {kWidth, kHeight}, parent)
{
    QMenu *archivo = styledMenuBar()->addMenu(QStringLiteral("Archivo"));
    archivo->setObjectName(QStringLiteral("archivo"));
    Wallchart::addMenuCommands(archivo, this);
    QAction *salir = archivo->addAction(QStringLiteral("Salir"));
    salir->setObjectName(QStringLiteral("Salir"));
    connect(salir, &QAction::triggered, this, &QWidget::close);
    QMenu *ayuda = styledMenuBar()->addMenu(QStringLiteral("Ayuda"));
    ayuda->setObjectName(QStringLiteral("ayuda"));
    QAction *acerca = ayuda->addAction(QStringLiteral("Acerca de Quelmar Software"));
    acerca->setObjectName(QStringLiteral("acerca2"));
    connect(acerca, &QAction::triggered, this, &MainMenu::openAbout);
    QAction *fuente = ayuda->addAction(QStringLiteral("Fuente Información"));
    fuente->setObjectName(QStringLiteral("fuente"));
    connect(fuente, &QAction::triggered, this, &MainMenu::openCredits);

    Controls::setBackground(surface(), Palette::NightDeep);
    surface()->setBackgroundPainter([this](QPainter &p) { paintBackground(p); });

    auto *banner = new ArtView(QString(), surface());
    banner->setObjectName(QStringLiteral("Picture2"));
    banner->setGeometry(0, 0, kWidth, kBannerHeight);

    auto open = [](std::function<QWidget *()> make) {
        return [make]() -> QWidget * {
            QWidget *screen = make();
            Navigation::openModal(screen);
            return screen;
        };
    };
    auto section = [open](Sections::Factory make) -> std::function<QWidget *()> {
        if (!make)
            return {};
        return open(make);
    };
    QList<PictureButton *> order;
    order << addButton(QStringLiteral("Command2"), QStringLiteral("menu-torvelo"), QStringLiteral("TORVELO"), 0, 0,
                       open([] { return new StageChooser; }));
    order << addButton(QStringLiteral("Command3"), QStringLiteral("menu-estadios"), QStringLiteral("ESTADIOS"), 0, 1,
                       section(Sections::stadiums()));
    order << addButton(QStringLiteral("Command1"), QStringLiteral("menu-sedes"), QStringLiteral("SEDES"), 0, 2,
                       section(Sections::cities()));
    order << addButton(QStringLiteral("Command7"), QStringLiteral("menu-equipos"), QStringLiteral("EQUIPOS"), 1, 0,
                       section(Sections::teams()));
    order << addButton(QStringLiteral("Command5"), QStringLiteral("menu-historia"), QStringLiteral("HISTORIA DE MUNDIALES"),
                       1, 1, section(Sections::history()));
    order << addButton(QStringLiteral("Command6"), QStringLiteral("quelmar-mark"), QStringLiteral("QUELMAR SOFTWARE"), 1, 2,
                       &MainMenu::openAbout);
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    // The words on the pictures, as a screen reader should say them, and where each leads.
    const char *const spoken[][2] = {
        {"Torvelo", "Abre los grupos y la llave del Mundial"},
        {"Estadios", "Abre los estadios del Mundial"},
        {"Sedes", "Abre las ciudades sede del Mundial"},
        {"Equipos", "Abre la información de los equipos clasificados"},
        {"Historia de los Mundiales", "Abre la historia de los mundiales anteriores"},
        {"Quelmar Software", "Abre la página Acerca de Quelmar Software"},
    };
    for (int i = 0; i < order.size() && i < 6; ++i)
        AccessibleNames::set(order[i], QString::fromUtf8(spoken[i][0]), QString::fromUtf8(spoken[i][1]));
    order.first()->setFocus();
}

PictureButton *MainMenu::button(const QString &name) const { return findChild<PictureButton *>(name); }

PictureButton *MainMenu::addButton(const QString &name, const QString &picture, const QString &word, int column, int row,
                                   std::function<QWidget *()> open)
{
    auto *b = new PictureButton(surface());
    b->setObjectName(name);
    const int x = column == 0 ? 22 : kWidth - 22 - 105;
    b->setGeometry(x, kBannerHeight + 24 + row * 140, 105, 97);
    b->setPicture(Art::artResource(picture));
    // One type size for all six; the band holds two lines, for the two-word names.
    b->setPictureText(word, Fonts::font(9, true), Palette::Gold, 30);
    if (open)
        connect(b, &QAbstractButton::clicked, this, [open] { open(); });
    else
        b->setEnabled(false);  // its section is not part of this version
    return b;
}

void MainMenu::paintBackground(QPainter &p) const
{
    const qreal dpr = surface()->devicePixelRatioF();
    p.drawPixmap(0, 0, Art::picture(Art::artResource(QStringLiteral("menu-background")), {kWidth, kHeight}, dpr));
    // The banner: Germany and the tournament's name at the left, the trophy at the right.
    QLinearGradient band(0, 0, 0, kBannerHeight);
    band.setColorAt(0, Palette::Night);
    band.setColorAt(1, Palette::NightDeep);
    p.fillRect(QRect(0, 0, kWidth, kBannerHeight), band);
    p.drawPixmap(6, 5, Art::picture(Art::artResource(QStringLiteral("banner-germany")), {260, 90}, dpr));
    p.drawPixmap(kWidth - 266, 5, Art::picture(Art::artResource(QStringLiteral("banner-trophy")), {260, 90}, dpr));
    p.setPen(Palette::Gold);
    p.setFont(Fonts::font(24, true));
    p.drawText(QRect(266, 10, kWidth - 532, 50), Qt::AlignCenter, QStringLiteral("Torvelo"));
    p.setFont(Fonts::font(13, true));
    p.setPen(Qt::white);
    p.drawText(QRect(266, 56, kWidth - 532, 30), Qt::AlignCenter, QStringLiteral("Mundial Alemania 2006"));
    p.setPen(QPen(Palette::GoldDeep, 2));
    p.drawLine(0, kBannerHeight - 1, kWidth, kBannerHeight - 1);
}

QWidget *MainMenu::openAbout() { return Navigation::openNew<AboutPage>(); }

QWidget *MainMenu::openCredits() { return Navigation::openNew<CreditsPage>(); }
