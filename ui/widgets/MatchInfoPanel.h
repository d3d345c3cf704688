#pragma once
// The date-and-venue display fed by the clocks of a screen's matches.

#include <QList>
#include <QObject>

class QLabel;
class QWidget;

class MatchInfoPanel : public QObject {
    Q_OBJECT
public:
    enum class Backdrop {
        SignBoard,    // group screens: the board is always there; clearing empties the texts
        Frames,       // bracket: two frames appear on the first hover and stay; clearing hides the texts
        BannerFrame,  // finals: a fixed frame in the banner; clearing hides the texts
    };

    // `backdrops` are shown, in order, before the fields on every Show (Frames only).
    MatchInfoPanel(Backdrop backdrop, QLabel *fecha, QLabel *estadio, QList<QWidget *> backdrops = {},
                   QObject *parent = nullptr);

    void showMatch(const QString &dateTime, const QString &venue);
    // Shows the knockout match of clock `clock` on the bracket (false) or finals (true) screen.
    void showKnockoutMatch(bool finals, int clock);
    void clear();

private:
    Backdrop m_backdrop;
    QLabel *m_fecha;
    QLabel *m_estadio;
    QList<QWidget *> m_backdrops;
};
