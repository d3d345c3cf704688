#include "GroupChooser.h"

#include "AccessibleNames.h"
#include "Art.h"
#include "Controls.h"
#include "Fonts.h"
#include "GroupScreen.h"
#include "Navigation.h"
#include "PictureButton.h"
#include "TournamentData.h"

#include <QPainter>

namespace {

// Four flags two by two: positions 1 and 2 above, 3 and 4 below.
void paintGroupFlags(char group, QPainter &p, const QRect &area, qreal dpr)
{
    const auto teams = TournamentData::teamsOfGroup(group);
    const int gap = 6;
    const int w = qMin((area.width() - 3 * gap) / 2, ((area.height() - 3 * gap) / 2) * 4 / 3);
    const QSize flag(w, w * 3 / 4);
    const int left = area.center().x() - w - gap / 2;
    const int top = area.top() + (area.height() - 2 * flag.height() - gap) / 2;
    for (int i = 0; i < 4; ++i) {
        const QPoint at(left + (i % 2) * (w + gap), top + (i / 2) * (flag.height() + gap));
        p.drawPixmap(at, Art::flag(teams[i].flagKey, flag, dpr));
        p.setPen(QColor(255, 255, 255, 90));
        p.drawRect(QRect(at, flag).adjusted(0, 0, -1, -1));
    }
}

} // namespace

GroupChooser::GroupChooser(QWidget *parent)
    : Screen(QStringLiteral("FrmGrupos"),
             QStringLiteral("Torvelo Alemania 2006 - Grupos & Llave Final - Resolucion Optima 800 x 600"),
             {650, 375}, parent)
{
    addExitCommand();
    Controls::setBackground(surface(), Qt::black);
    const int side = 128;
    const int gapX = (650 - 4 * side) / 5;
    QWidget *previous = nullptr;
    for (int g = 0; g < 8; ++g) {
        const char letter = char('A' + g);
        auto *b = new PictureButton(surface());
        b->setObjectName(QStringLiteral("CmdGrupo%1").arg(QLatin1Char(letter)));
        b->setGeometry(gapX + (g % 4) * (side + gapX), 10 + (g / 4) * (side + 10), side, side);
        b->setPainter([letter](QPainter &p, const QRect &r, qreal dpr) { paintGroupFlags(letter, p, r, dpr); });
        b->setPictureText(QStringLiteral("GRUPO %1").arg(QLatin1Char(letter)), Fonts::font(11, true), Palette::Gold, 26);
        connect(b, &QAbstractButton::clicked, this, [this, letter] { openGroup(letter); });
        QStringList teams;
        for (const TeamEntry &t : TournamentData::teamsOfGroup(letter))
            teams << t.groupScreenName;
        AccessibleNames::set(b, QStringLiteral("Grupo %1").arg(QLatin1Char(letter)),
                             QStringLiteral("Abre el grupo %1: %2 y %3").arg(QLatin1Char(letter))
                                 .arg(teams.mid(0, 3).join(QStringLiteral(", ")), teams.value(3)));
        if (previous)
            setTabOrder(previous, b);
        previous = b;
    }
    Controls::noteFrame(surface(), QStringLiteral("Frame1"), QStringLiteral("Label1"), QStringLiteral("Observaciones"),
                        QStringLiteral("Haga Click en el boton que desea para acceder a cualquiera de las secciones del "
                                       "Torvelo 2006, en esta sección la seleccion que haga lo lleva directamente al "
                                       "grupo del Mundial que usted desea cargar y obtener informacion, recuerde que es "
                                       "un Torvelo Automatico, donde podrá ver y seguir los resultados día a día de este "
                                       "Apasionante Evento deportivo."),
                        {10, 288, 630, 80}, Qt::white);
    button('A')->setFocus();
}

PictureButton *GroupChooser::button(char group) const
{
    return findChild<PictureButton *>(QStringLiteral("CmdGrupo%1").arg(QLatin1Char(group)));
}

QWidget *GroupChooser::openGroup(char group) { return Navigation::openNew<GroupScreen>(group); }
