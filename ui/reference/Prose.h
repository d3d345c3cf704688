#pragma once
// Paragraphs of a reference page: one wrapped text block in the page's own type,
// which scrolls only when a text is longer than its place.

#include <QScrollArea>

class QLabel;

class Prose : public QScrollArea {
    Q_OBJECT
public:
    Prose(const QString &objectName, const QStringList &paragraphs, const QFont &font, const QColor &color,
          QWidget *parent = nullptr);
    QLabel *text() const { return m_text; }
    // The height the text needs at `width`, without scrolling.
    int heightFor(int width) const;
    // Opens the lines and paragraphs up a little, within what still reads as ordinary
    // type, so that the text comes as close to `height` as it can at `width` without
    // passing it. Returns the height the text then needs.
    int spreadTo(int width, int height);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setSpacing(int lineHeight, int paragraphGap);

    QStringList m_paragraphs;
    QLabel *m_text;
};
