#include "StageChooser.h"

#include "AccessibleNames.h"
#include "Art.h"
#include "BracketScreen.h"
#include "Controls.h"
#include "Fonts.h"
#include "GroupChooser.h"
#include "Navigation.h"
#include "PictureButton.h"

StageChooser::StageChooser(QWidget *parent)
    : Screen(QStringLiteral("FrmGrupoyLlave"),
             QStringLiteral("Torvelo Alemania 2006 - Grupos y Llave - Resolucion Optima 800 x 600"), {528, 252}, parent)
{
    addExitCommand();
    Controls::setBackground(surface(), Qt::black);
    auto button = [&](const QString &name, const QString &picture, const QString &word, int x) {
        auto *b = new PictureButton(surface());
        b->setObjectName(name);
        b->setGeometry(x, 10, 200, 150);
        b->setPicture(Art::artResource(picture));
        b->setPictureText(word, Fonts::font(14, true), Palette::Gold, 34);
        return b;
    };
    PictureButton *groups = button(QStringLiteral("Command2"), QStringLiteral("btn-grupos"), QStringLiteral("GRUPOS"), 42);
    PictureButton *bracket = button(QStringLiteral("Command1"), QStringLiteral("btn-llave"), QStringLiteral("LLAVE"), 286);
    setTabOrder(groups, bracket);
    AccessibleNames::set(groups, QStringLiteral("Grupos"), QStringLiteral("Abre los ocho grupos de la primera ronda"));
    AccessibleNames::set(bracket, QStringLiteral("Llave"),
                         QStringLiteral("Abre la llave, de los octavos de final hasta la final"));
    connect(groups, &QAbstractButton::clicked, this, &StageChooser::openGroups);
    connect(bracket, &QAbstractButton::clicked, this, &StageChooser::openBracket);
    Controls::noteFrame(surface(), QStringLiteral("Frame1"), QStringLiteral("Label1"), QStringLiteral("Observaciones"),
                        QStringLiteral("Haga Click en el boton que desea para acceder a cualquiera de las secciones del "
                                       "Torvelo 2006, en GRUPOS usted encontrara la ronda inicial del mundial, y en LLAVE "
                                       "la fase correspondiente a las ruedas luego de la clasificacion y hasta llegar a "
                                       "la Final."),
                        {10, 168, 508, 78}, Qt::white);
    groups->setFocus();
}

QWidget *StageChooser::openGroups() { return Navigation::openNew<GroupChooser>(); }

QWidget *StageChooser::openBracket() { return Navigation::openNew<BracketScreen>(); }
