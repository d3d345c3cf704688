#include "CreditsPage.h"

#include "Art.h"
#include "Controls.h"
#include "Fonts.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>

namespace {

constexpr int kWidth = 715;
constexpr int kColumn = kWidth / 3;
const QColor kHeading(0x00, 0x00, 0xC0);

// The tournament's name in dot-matrix letters beside three player silhouettes.
class DotMatrixBanner : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), Palette::NightDeep);
        // Letters are drawn small, then every lit pixel becomes one round dot.
        auto glyphs = [](const QString &text) {
            QImage image(60, 9, QImage::Format_Grayscale8);
            image.fill(0);
            QPainter g(&image);
            QFont f = Fonts::font(6, true);
            f.setPixelSize(8);
            f.setStyleStrategy(QFont::NoAntialias);
            g.setFont(f);
            g.setPen(Qt::white);
            g.drawText(image.rect(), Qt::AlignCenter, text);
            return image;
        };
        const qreal pitch = 3.4;
        auto dots = [&](const QImage &img, qreal top, const QColor &c) {
            p.setPen(Qt::NoPen);
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const bool lit = qGray(img.pixel(x, y)) > 128;
                    p.setBrush(lit ? c : QColor(255, 255, 255, 18));
                    p.drawEllipse(QPointF(8 + x * pitch, top + y * pitch), 1.3, 1.3);
                }
        };
        dots(glyphs(QStringLiteral("ALEMANIA")), 10, Palette::SignYellow);
        dots(glyphs(QStringLiteral("2006")), 44, QColor(0xDD, 0x00, 0x00));
        const QRect players(214, 6, width() - 220, height() - 12);
        p.drawPixmap(players.topLeft(), Art::picture(Art::artResource(QStringLiteral("players-silhouettes")),
                                                     players.size(), devicePixelRatioF()));
    }
};

} // namespace

CreditsPage::CreditsPage(QWidget *parent) : Screen(QStringLiteral("FrmFuente"), caption(), {kWidth, 230}, parent)
{
    addExitCommand(QStringLiteral("Salir"));
    QWidget *s = surface();
    s->setPalette(QApplication::palette());
    s->setAutoFillBackground(true);
    const QColor text = QApplication::palette().color(QPalette::WindowText);
    struct Person {
        const char *heading, *name, *role, *extra, *contact;
    };
    // Each contact block: the person's own address and the studio desk that answers for them.
    const Person people[3] = {
        {"Idea Original:", "Ing. Gustavo A. Quelmar", "Ingeniero en Sistemas de Información",
         "Matrícula Profesional en trámite", "gquelmar@quelmarsoftware.example\nideas@quelmarsoftware.example"},
        {"Comentarios Periodisticos:", "Ricardo Olmedo", "Tecnico Superior en Periodismo Deportivo", nullptr,
         "rolmedo@quelmarsoftware.example\nprensa@quelmarsoftware.example"},
        {"Leader Proyect:", "Lic. Marcela Ibarzábal", "Programación - Análisis y Diseño", nullptr,
         "mibarzabal@quelmarsoftware.example\nsoporte@quelmarsoftware.example"},
    };
    int label = 0;
    auto next = [&label] { return QStringLiteral("Label%1").arg(++label); };
    for (int c = 0; c < 3; ++c) {
        const Person &person = people[c];
        const int x = c * kColumn + 8;
        const int w = kColumn - 16;
        Controls::label(s, next(), QString::fromUtf8(person.heading), {x, 6, w, 18}, Fonts::font(9, true), kHeading);
        Controls::label(s, next(), QString::fromUtf8(person.name), {x, 24, w, 22}, Fonts::font(11, true), text);
        Controls::label(s, c == 1 ? QStringLiteral("Tecni") : next(), QString::fromUtf8(person.role), {x, 46, w, 16},
                        Fonts::font(8), text);
        int y = 62;
        if (person.extra) {
            Controls::label(s, next(), QString::fromUtf8(person.extra), {x, y, w, 16}, Fonts::font(8), text);
            y += 16;
        }
        Controls::label(s, next(), QString::fromUtf8(person.contact), {x, y, w, 32}, Fonts::font(8), text);
    }
    const QColor rule = text;
    Controls::line(s, QStringLiteral("Line1"), {kColumn, 4, 1, 108}, rule);
    Controls::line(s, QStringLiteral("Line2"), {2 * kColumn, 4, 1, 108}, rule);
    Controls::line(s, QStringLiteral("Line3"), {4, 114, kWidth - 8, 1}, rule);
    Controls::label(s, next(), QStringLiteral("Fuentes de Información:"), {8, 122, 330, 18}, Fonts::font(9, true), kHeading,
                    Qt::AlignLeft | Qt::AlignVCenter);
    auto *source = Controls::label(s, next(), QStringLiteral("Datos y Descripcion de las Ciudades Sedes del Mundial Alemania 2006."),
                                   {8, 142, 330, 34}, Fonts::font(8.5), text, Qt::AlignLeft | Qt::AlignTop);
    source->setWordWrap(true);
    Controls::label(s, next(), QStringLiteral("www.ciudades-sedes2006.example"), {8, 180, 330, 18}, Fonts::font(9, true),
                    kHeading, Qt::AlignLeft | Qt::AlignVCenter);
    auto *banner = new DotMatrixBanner(s);
    banner->setObjectName(QStringLiteral("Picture1"));
    banner->setGeometry(350, 122, kWidth - 358, 96);
    Controls::line(s, QStringLiteral("Line4"), {4, 224, kWidth - 8, 1}, rule);
}
