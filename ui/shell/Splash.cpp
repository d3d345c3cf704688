#include "Splash.h"

#include "Art.h"
#include "Controls.h"
#include "Fonts.h"
#include "Pictures.h"
#include "TournamentData.h"
#include "WindowTitle.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace {

// The flags of the 32 teams, four by eight, above the maker's mark.
class FlagGrid : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal dpr = devicePixelRatioF();
        const QSize flag(30, 22);
        const int gapX = (width() - 4 * flag.width()) / 5;
        const auto teams = TournamentData::teams();
        for (int i = 0; i < 32; ++i) {
            const QPoint at(gapX + (i % 4) * (flag.width() + gapX), 8 + (i / 4) * (flag.height() + 5));
            p.drawPixmap(at, Art::flag(teams[i].flagKey, flag, dpr));
            p.setPen(QColor(255, 255, 255, 80));
            p.drawRect(QRect(at, flag).adjusted(0, 0, -1, -1));
        }
        const QRect logo(10, height() - 82, width() - 20, 72);
        p.drawPixmap(logo.topLeft(), Art::picture(Art::artResource(QStringLiteral("quelmar-logo")), logo.size(), dpr));
        p.setPen(Qt::white);
        p.setFont(Fonts::font(9, true));
        p.drawText(QRect(logo.left() + logo.width() * 2 / 5, logo.top(), logo.width() * 3 / 5, logo.height()),
                   Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("Quelmar\nSoftware"));
    }
};

constexpr int kRightX = 172;
constexpr int kRightW = 446;

} // namespace

QColor Splash::squareColour(int index)
{
    static const QColor shades[6] = {{255, 255, 255}, {255, 255, 192}, {255, 255, 128},
                                     {255, 255, 0},   {192, 192, 0},   {128, 128, 0}};
    return shades[qBound(0, index, kSquares - 1) / 2];
}

Splash::Splash(std::function<void()> openMain, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_openMain(std::move(openMain))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    setFixedSize(630, 335);
    setAttribute(Qt::WA_DeleteOnClose);
    Controls::setBackground(this, Qt::black);
    build();
    m_clock = [this] { return m_sinceShown.isValid() ? m_sinceShown.elapsed() : qint64(0); };
    // One timer re-armed for each step against the clock since the first show: a step
    // delayed by load is caught up when the timer comes, and the delay never carries
    // over to the later steps, as a repeating timer's would.
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &Splash::tick);
}

void Splash::build()
{
    auto *grid = new FlagGrid(this);
    grid->setObjectName(QStringLiteral("Picture1"));
    grid->setGeometry(0, 0, 160, 335);
    Controls::line(this, QStringLiteral("Line4"), {162, 8, 1, 319}, Qt::white);

    auto *title = Controls::label(this, QStringLiteral("Label3"), QStringLiteral("Torvelo del Mundial "),
                                  {kRightX, 6, 290, 86}, Fonts::font(26, true), Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    title->setWordWrap(true);
    auto *banner = new ArtView(Art::artResource(QStringLiteral("banner-germany")), this);
    banner->setObjectName(QStringLiteral("Picture2"));
    banner->setGeometry(466, 12, 156, 72);
    banner->setCaption(QStringLiteral("Alemania\n2006"), Fonts::font(8, true), Palette::Gold, QRect(86, 6, 68, 60));
    Controls::label(this, QStringLiteral("Label5"),
                    QStringLiteral("* La hora de los partidos corresponden  al horario de la Argentina"),
                    {kRightX, 96, kRightW, 18}, Fonts::font(8.5), Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    Controls::label(this, QStringLiteral("Label7"), QStringLiteral("Una Visión Diferente del Torvelo de Alemania 2006."),
                    {kRightX, 120, kRightW, 24}, Fonts::font(12, true), Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    Controls::line(this, QStringLiteral("Line3"), {kRightX, 148, kRightW, 1}, Qt::white);
    auto *blurb = Controls::label(
        this, QStringLiteral("Label4"),
        QStringLiteral("Fotos de los Estadios y Ciudades Anfitrionas con Información completa y detallada. Una Breve "
                       "Reseña de la Historia de los Mundiales de Futbol, y con los comentarios de como cada Selección "
                       "llego a este Campeonato a cargo de Periodistas Especializados. Y el Torvelo mas Completo y "
                       "Didactico Antes Diseñado."),
        {kRightX, 156, kRightW, 112}, Fonts::font(10, true), Qt::white, Qt::AlignLeft | Qt::AlignTop);
    blurb->setWordWrap(true);

    const int rowWidth = (kSquares - 1) * 16 + 9;
    const int x0 = kRightX + (kRightW - rowWidth) / 2;
    for (int i = 0; i < kSquares; ++i) {
        QFrame *square = Controls::line(this, QStringLiteral("Label10_%1").arg(i), {x0 + i * 16, 290, 9, 9}, squareColour(i));
        square->hide();
    }
    Controls::line(this, QStringLiteral("Line2"), {kRightX, 310, kRightW, 1}, Qt::white);
}

void Splash::start()
{
    if (!m_sinceShown.isValid())
        m_sinceShown.start();
    tick();
}

void Splash::showEvent(QShowEvent *event)
{
    if (!m_sinceShown.isValid())
        m_sinceShown.start();
    WindowTitle::clearNative(this);
    QWidget::showEvent(event);
}

void Splash::tick()
{
    advanceTo(int(m_clock()));
    if (m_finished)
        return;
    m_timer->start(int(qMax<qint64>(0, nextStepDue() - m_clock())));
}

int Splash::armedWait() const { return m_timer->isActive() ? m_timer->interval() : -1; }

int Splash::nextStepDue() const
{
    if (m_finished)
        return -1;
    const int shown = qMin(kSquares, m_elapsed / kStepMs);
    return shown < kSquares ? kStepMs * (shown + 1) : kCloseMs;
}

int Splash::squaresShown() const
{
    int n = 0;
    for (int i = 0; i < kSquares; ++i)
        n += findChild<QWidget *>(QStringLiteral("Label10_%1").arg(i))->isVisibleTo(this) ? 1 : 0;
    return n;
}

void Splash::advanceTo(int ms)
{
    if (m_finished || ms < m_elapsed)
        return;
    m_elapsed = ms;
    // Square k appears 400 x (k + 1) ms after the start; showing it again changes nothing.
    const int due = qMin(kSquares, ms / kStepMs);
    for (int i = 0; i < due; ++i)
        findChild<QWidget *>(QStringLiteral("Label10_%1").arg(i))->show();
    if (ms >= kCloseMs)
        finish();
}

void Splash::finish()
{
    m_finished = true;
    m_timer->stop();
    // First the splash goes, then the main menu comes: never both at once.
    close();
    if (m_openMain)
        m_openMain();
}

void Splash::closeEvent(QCloseEvent *event)
{
    if (m_finished)
        event->accept();
    else
        event->ignore();  // it cannot be skipped
}

void Splash::keyPressEvent(QKeyEvent *) {}
void Splash::mousePressEvent(QMouseEvent *) {}
void Splash::mouseDoubleClickEvent(QMouseEvent *) {}
