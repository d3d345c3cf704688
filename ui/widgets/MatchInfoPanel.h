#pragma once
// The date-and-venue display fed by the clocks of a screen's matches.

#include <QHash>
#include <QList>
#include <QObject>
#include <functional>

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

    // Moving the keyboard focus into `box` (Tab, Shift+Tab or a click, not the focus a
    // screen gives itself on opening) runs `show`, as hovering the box's clock does.
    void showOnFocus(QWidget *box, std::function<void()> show);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void nameFields();

    Backdrop m_backdrop;
    QLabel *m_fecha;
    QLabel *m_estadio;
    QList<QWidget *> m_backdrops;
    QHash<QObject *, std::function<void()>> m_focusShows;
};
