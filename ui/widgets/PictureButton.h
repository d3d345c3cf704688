#pragma once
// A button that is all picture: no caption text of its own, the target's name drawn
// into the picture, a pointing hand over it, a visible focus frame, and Enter or
// Space to press it.

#include <QAbstractButton>
#include <functional>

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter &, const QRect &, qreal dpr)>;

    explicit PictureButton(QWidget *parent = nullptr);

    // The picture: a resource stretched over the area above the name band...
    void setPicture(const QString &resource);
    const QString &picture() const { return m_resource; }
    // ...or a drawing of the screen's own.
    void setPainter(Painter painter);
    // The name drawn under the picture.
    void setPictureText(const QString &text, const QFont &font, const QColor &color = Qt::white,
                        int bandHeight = 26);
    const QString &pictureText() const { return m_text; }
    const QFont &pictureTextFont() const { return m_font; }
    // The largest size, up to the font's own, at which the name fits its band (on one or
    // more lines); the geometry must be set first.
    qreal fittingTextSize() const;
    // Sets the names of buttons that stand side by side in one size: the largest that
    // fits every one of them.
    static void shareTextSize(const QList<PictureButton *> &buttons);
    // Where the name is drawn, and in what type: a name too tall for its band is set a
    // little smaller rather than cut off.
    QRect textArea() const;
    QFont textFont() const;
    void setBackground(const QColor &color) { m_background = color; }

    QSize sizeHint() const override { return {105, 97}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_resource;
    Painter m_painter;
    QString m_text;
    QFont m_font;
    QColor m_color = Qt::white;
    QColor m_background = QColor(0x0A, 0x16, 0x33);
    int m_band = 26;
};
