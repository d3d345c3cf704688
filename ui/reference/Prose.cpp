#include "Prose.h"

#include "AccessibleNames.h"

#include <QLabel>
#include <QResizeEvent>
#include <QScrollBar>

Prose::Prose(const QString &objectName, const QStringList &paragraphs, const QFont &font, const QColor &color,
             QWidget *parent)
    : QScrollArea(parent), m_text(new QLabel)
{
    setObjectName(objectName);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(false);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    QStringList html;
    for (const QString &p : paragraphs)
        html << QStringLiteral("<p style=\"margin-top:0; margin-bottom:6px\">%1</p>").arg(p.toHtmlEscaped());
    m_text->setTextFormat(Qt::RichText);
    m_text->setText(html.join(QString()));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setFont(font);
    QPalette pal = m_text->palette();
    pal.setColor(QPalette::WindowText, color);
    m_text->setPalette(pal);
    setWidget(m_text);
    AccessibleNames::set(this, AccessibleNames::prose(paragraphs), paragraphs.join(QLatin1Char('\n')));
}

int Prose::heightFor(int width) const { return m_text->heightForWidth(width); }

void Prose::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    // Measured on the whole area: the viewport shrinks once the scroll bar shows.
    int width = this->width() - 2 * frameWidth();
    if (m_text->heightForWidth(width) > this->height())
        width -= verticalScrollBar()->sizeHint().width() + 2;
    m_text->setFixedSize(width, m_text->heightForWidth(width));
}
