#include "Controls.h"

#include "Art.h"
#include "Fonts.h"
#include "ScoreBox.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <limits>

namespace {

// Painted by hand: style sheets on hundreds of small frames cost whole frames of time.
class Panel final : public QFrame {
public:
    Panel(QWidget *parent, const QColor &fill, const QColor &border, qreal radius)
        : QFrame(parent), m_fill(fill), m_border(border), m_radius(radius)
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(m_border.alpha() ? QPen(m_border, 1) : Qt::NoPen);
        p.setBrush(m_fill);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), m_radius, m_radius);
    }

private:
    QColor m_fill;
    QColor m_border;
    qreal m_radius;
};

} // namespace

namespace Controls {

QFrame *panel(QWidget *parent, const QString &objectName, const QRect &geometry, const QColor &fill,
              const QColor &border, qreal radius)
{
    auto *frame = new Panel(parent, fill, border, radius);
    frame->setObjectName(objectName);
    frame->setGeometry(geometry);
    return frame;
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, color);
    pal.setColor(QPalette::Text, color);
    widget->setPalette(pal);
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, color);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

QLabel *label(QWidget *parent, const QString &objectName, const QString &text, const QRect &geometry,
              const QFont &font, const QColor &color, Qt::Alignment align)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(objectName);
    l->setGeometry(geometry);
    l->setFont(font);
    l->setAlignment(align);
    setTextColor(l, color);
    return l;
}

QLineEdit *scoreBox(QWidget *parent, const QString &objectName, const QRect &geometry)
{
    return scoreBox(parent, objectName, geometry, Fonts::font(10, true));
}

QLineEdit *scoreBox(QWidget *parent, const QString &objectName, const QRect &geometry, const QFont &font)
{
    // One palette for every box: a screen builds dozens of them at each opening.
    static const QPalette boxPalette = [] {
        QPalette pal;
        pal.setColor(QPalette::Base, Qt::white);
        pal.setColor(QPalette::Text, Palette::Ink);
        pal.setColor(QPalette::Highlight, Palette::GoldDeep);  // the focus frame
        pal.setColor(QPalette::HighlightedText, Qt::white);
        return pal;
    }();
    auto *box = new ScoreBox(parent);
    box->setObjectName(objectName);
    box->setGeometry(geometry);
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(std::numeric_limits<int>::max());  // a score box takes any text, however long
    box->setFont(font);
    box->setPalette(boxPalette);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}

QGroupBox *noteFrame(QWidget *parent, const QString &frameName, const QString &labelName, const QString &title,
                     const QString &text, const QRect &geometry, const QColor &textColor)
{
    auto *frame = new QGroupBox(title, parent);
    frame->setObjectName(frameName);
    frame->setGeometry(geometry);
    frame->setFont(Fonts::font(9, true));
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid #D4A12A; border-radius: 4px; margin-top: 8px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: #F3CF5A; }"));
    auto *note = new QLabel(text, frame);
    note->setObjectName(labelName);
    note->setWordWrap(true);
    note->setFont(Fonts::font(9));
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setGeometry(QRect(10, 18, geometry.width() - 20, geometry.height() - 24));
    setTextColor(note, textColor);
    return frame;
}

QFrame *line(QWidget *parent, const QString &objectName, const QRect &geometry, const QColor &color)
{
    auto *l = new QFrame(parent);
    l->setObjectName(objectName);
    l->setGeometry(geometry);
    setBackground(l, color);
    return l;
}

} // namespace Controls
