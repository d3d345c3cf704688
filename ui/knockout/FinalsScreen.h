#pragma once
// FrmgruposFinales: semi-finals, third-place match, final and the podium.

#include "FinalsBoard.h"
#include "Screen.h"

class BoardView;
class MatchInfoPanel;

class FinalsScreen : public Screen {
    Q_OBJECT
public:
    // The semi-finalists as the bracket shows them: Lblsemi 1, 5, 9 and 13.
    explicit FinalsScreen(const QStringList &semifinalists, QWidget *parent = nullptr);

    FinalsBoard &board() { return m_board; }
    static QString caption() { return QStringLiteral("SemiFinales - 3er y 4to puesto - Final"); }

    ~FinalsScreen() override;

protected:
    SaveOutcome save() override;

private:
    void buildBanner();
    void buildSemifinals();
    void buildLastMatches();
    void buildPodium();
    void buildTabOrder();
    void paintBackground(QPainter &p) const;

    FinalsBoard m_board;
    BoardView *m_view = nullptr;
    MatchInfoPanel *m_panel = nullptr;
};
