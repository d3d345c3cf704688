#pragma once
// Mirrors a knockout board on a screen: every box, name and flag the board changes
// changes on the screen at the same moment, and every edit typed goes to the board.

#include <QHash>
#include <QObject>

class FlagView;
class KnockoutBoard;
class QLabel;
class QLineEdit;
class QWidget;

class BoardView : public QObject {
    Q_OBJECT
public:
    BoardView(KnockoutBoard &board, QObject *parent = nullptr);

    // Register the screen's controls under the board's names, then connectBoard():
    // it shows the board as it stands and from then on keeps both in step.
    void addBox(QLineEdit *box);                      // object name = board box name
    void addSlot(QLabel *label, FlagView *flag);      // object name = board slot name
    void connectBoard();

    QLineEdit *box(const QString &name) const;
    QLabel *slotLabel(const QString &name) const;
    FlagView *slotFlag(const QString &name) const;

    // The 32 hidden flag images the visible flags are copied from; one per team.
    static void addFlagStore(QWidget *parent, int y, bool finalsNames);

private:
    KnockoutBoard &m_board;
    QHash<int, QLineEdit *> m_boxes;
    QHash<int, QLabel *> m_slots;
    QHash<int, FlagView *> m_flags;
};
