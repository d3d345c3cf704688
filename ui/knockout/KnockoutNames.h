#pragma once
// Names the controls of a knockout screen for screen readers and keeps them in step
// with the names that seeding and the tie rule write: every score box says whose goals
// it holds, against whom, in which match and of which kind; every clock its match;
// every name slot its place. Moving the keyboard into a score box shows its match's
// date and venue.

#include <QHash>
#include <QList>
#include <QObject>

class BoardView;
class KnockoutBoard;
class MatchInfoPanel;
class QWidget;

class KnockoutNames : public QObject {
    Q_OBJECT
public:
    // Lives as long as `view`; `surface` holds the screen's clocks `Crono_k`.
    KnockoutNames(KnockoutBoard &board, BoardView &view, QWidget *surface, MatchInfoPanel *panel, bool finals);

    // "octavos de final, partido 1", "semifinal 2", "final".
    QString matchTitle(int clock) const;
    // "del partido 1 (octavos de final)", "de la semifinal 1": where a team comes from.
    static QString ofMatch(bool finals, int clock);

private:
    void nameTie(int tie);
    void nameSlot(int slot);
    QString team(int slot) const;
    QString origin(int slot) const;
    QString role(int slot) const;

    KnockoutBoard &m_board;
    BoardView &m_view;
    QWidget *m_surface;
    bool m_finals;
    QHash<int, QList<int>> m_tiesOfSlot;
};
