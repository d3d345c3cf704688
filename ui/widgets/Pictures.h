#pragma once
// Widgets that show vector art: a plain picture, a team flag and a match clock.

#include <QWidget>

// A picture from the resources, stretched over the widget; optionally with words
// drawn into a band along its bottom edge.
class ArtView : public QWidget {
    Q_OBJECT
public:
    explicit ArtView(const QString &resource = QString(), QWidget *parent = nullptr);
    void setResource(const QString &resource);
    const QString &resource() const { return m_resource; }
    // Text drawn centred in the lowest `bandHeight` pixels...
    void setCaption(const QString &text, const QFont &font, const QColor &color, int bandHeight);
    // ...or centred in the given area of the picture.
    void setCaption(const QString &text, const QFont &font, const QColor &color, const QRect &area);
    QString caption() const { return m_caption; }
    // Covers the whole widget with the picture in its own proportions, trimming what
    // overhangs evenly on both sides, instead of stretching it.
    void setCovering(bool covering);
    bool covering() const { return m_covering; }
    QRect captionArea() const;
    QFont captionFont() const { return m_font; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resource;
    QString m_caption;
    QFont m_font;
    QColor m_color;
    int m_band = 0;
    QRect m_area;
    bool m_covering = false;
};

// A team's flag in its 4:3 box with a thin frame; empty while it shows no team.
class FlagView : public QWidget {
    Q_OBJECT
public:
    explicit FlagView(QWidget *parent = nullptr);
    void setFlagKey(const QString &flagKey);
    const QString &flagKey() const { return m_key; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_key;
};

// The clock beside a match: hovering it tells the screen to show the match's date
// and venue.
class ClockIcon : public ArtView {
    Q_OBJECT
public:
    ClockIcon(int index, const QString &resource, QWidget *parent = nullptr);
    int index() const { return m_index; }

signals:
    void hovered(int index);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;

private:
    int m_index;
};
