#include "Prose.h"

#include "AccessibleNames.h"

#include <QLabel>
#include <QResizeEvent>
#include <QScrollBar>

Prose::Prose(const QString &objectName, const QStringList &paragraphs, const QFont &font, const QColor &color,
             QWidget *parent)
    : QScrollArea(parent), m_paragraphs(paragraphs), m_text(new QLabel)
{
    setObjectName(objectName);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(false);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    m_text->setTextFormat(Qt::RichText);
    setSpacing(100, 6);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setFont(font);
    QPalette pal = m_text->palette();
    pal.setColor(QPalette::WindowText, color);
    m_text->setPalette(pal);
    setWidget(m_text);
    AccessibleNames::set(this, AccessibleNames::prose(paragraphs), paragraphs.join(QLatin1Char('\n')));
}

void Prose::setSpacing(int lineHeight, int paragraphGap)
{
    QStringList html;
    for (const QString &p : m_paragraphs)
        html << QStringLiteral("<p style=\"margin-top:0; margin-bottom:%1px; line-height:%2%\">%3</p>")
                    .arg(paragraphGap)
                    .arg(lineHeight)
                    .arg(p.toHtmlEscaped());
    m_text->setText(html.join(QString()));
}

int Prose::heightFor(int width) const { return m_text->heightForWidth(width); }

int Prose::spreadTo(int width, int height)
{
    // From the most open setting down to the plain one; the first that fits is kept.
    for (int step = 6; step >= 0; --step) {
        setSpacing(100 + 5 * step, 6 + 2 * step);
        if (step == 0 || heightFor(width) <= height)
            break;
    }
    return heightFor(width);
}

void Prose::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    // Measured on the whole area: the viewport shrinks once the scroll bar shows.
    int width = this->width() - 2 * frameWidth();
    if (m_text->heightForWidth(width) > this->height())
        width -= verticalScrollBar()->sizeHint().width() + 2;
    m_text->setFixedSize(width, m_text->heightForWidth(width));
}
