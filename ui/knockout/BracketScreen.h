#pragma once
// FrmgruposLLAVE: the round of 16 and the quarter-finals, seeded from the groups.

#include "BracketBoard.h"
#include "Screen.h"

class BoardView;
class MatchInfoPanel;
class QLabel;
class QPushButton;

class BracketScreen : public Screen {
    Q_OBJECT
public:
    explicit BracketScreen(QWidget *parent = nullptr);

    BracketBoard &board() { return m_board; }
    QPushButton *finalsButton() const { return m_button; }
    // Opens the finals over this screen and returns them.
    QWidget *openFinals();

    static QString caption();

    ~BracketScreen() override;

protected:
    SaveOutcome save() override;

private:
    void buildHalf(bool right);
    void buildMiddleBand();
    void buildTabOrder();
    void showFinalsWay(bool open);
    void paintBackground(QPainter &p) const;

    BracketBoard m_board;
    BoardView *m_view = nullptr;
    MatchInfoPanel *m_panel = nullptr;
    QPushButton *m_button = nullptr;
    QList<QWidget *> m_semiLines;
    int m_connectors = 0;
};
