#include "AboutPage.h"

#include "Art.h"
#include "Controls.h"
#include "Fonts.h"
#include "Pictures.h"

#include <QLabel>

namespace {
constexpr int kWidth = 608;
}

AboutPage::AboutPage(QWidget *parent) : Screen(QStringLiteral("Frmquelmar"), caption(), {kWidth, 546}, parent)
{
    addExitCommand(QStringLiteral("Salir"));
    Controls::setBackground(surface(), Qt::black);
    QWidget *s = surface();

    auto *logo = new ArtView(Art::artResource(QStringLiteral("quelmar-logo")), s);
    logo->setObjectName(QStringLiteral("Picture1"));
    logo->setGeometry(24, 16, kWidth - 48, 224);
    logo->setCaption(QStringLiteral("Quelmar Software\n2006"), Fonts::font(26, true), Qt::white,
                     QRect((kWidth - 48) * 2 / 5, 0, (kWidth - 48) * 3 / 5, 224));
    Controls::line(s, QStringLiteral("Line1"), {16, 262, kWidth - 32, 1}, Qt::white);
    auto *about = Controls::label(
        s, QStringLiteral("Label1"),
        QStringLiteral("Quelmar Software es un pequeño estudio de desarrollo dedicado a crear programas claros, "
                       "prolijos y fáciles de usar para los amantes del deporte. Nació de la amistad entre un "
                       "ingeniero en sistemas, una analista programadora y un periodista deportivo que compartían "
                       "una idea simple: que cada hincha pueda seguir a su selección con la misma pasión con la que "
                       "la alienta en la tribuna. Torvelo Alemania 2006 reúne en un solo lugar los partidos, las "
                       "posiciones, la llave final y toda la información del Mundial, pensada y escrita por nuestro "
                       "propio equipo. Escríbanos: cada sugerencia se lee y se responde."),
        {24, 276, kWidth - 48, 150}, Fonts::font(10, true), Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    about->setWordWrap(true);
    Controls::line(s, QStringLiteral("Line2"), {16, 440, kWidth - 32, 1}, Qt::white);
    Controls::label(s, QStringLiteral("Label3"), QStringLiteral("Visite Nuestra Pagina Web:"), {0, 456, kWidth, 22},
                    Fonts::font(10, true), Qt::white);
    Controls::label(s, QStringLiteral("Label8"), QStringLiteral("www.quelmarsoftware.example"), {0, 484, kWidth, 40},
                    Fonts::font(18, true), QColor(0x3A, 0x8D, 0xFF));
}
