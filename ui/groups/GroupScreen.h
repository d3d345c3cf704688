#pragma once
// FrmGrupoA .. FrmGrupoH: one group's six matches, its table and the match clocks.

#include "Screen.h"
#include "GroupSheet.h"
#include "StoredFiles.h"

#include <array>

struct GroupMatch;
class FlagView;
class QFrame;
class QLabel;
class QLineEdit;
class MatchInfoPanel;

class GroupScreen : public Screen {
    Q_OBJECT
public:
    explicit GroupScreen(char group, QWidget *parent = nullptr);

    char group() const { return m_group; }
    GroupSheet &sheet() const { return m_sheet; }
    QLineEdit *scoreBox(int i) const { return m_boxes.at(i); }
    // The row frame standing in table slot `slot` (0 = top).
    QFrame *rowInSlot(int slot) const;

    static QString caption(char group);
    static QRect rowSlot(int slot);  // geometry of a table slot

protected:
    SaveOutcome save() override;

private:
    void buildLeftColumn();
    void buildTable();
    void buildMatches();
    void paintBackground(QPainter &p) const;
    void placeRows();
    void nameRows();
    void showFigure(int row, int stat, const QString &value);
    void nameMatch(const GroupMatch &m, QWidget *clock);

    char m_group;
    GroupSheet &m_sheet;
    StoredFiles m_files;
    std::array<QFrame *, 4> m_rows{};
    std::array<std::array<QLabel *, kStatCount>, 4> m_stats{};
    std::array<QLineEdit *, 12> m_boxes{};
    QLabel *m_fecha = nullptr;
    QLabel *m_estadio = nullptr;
    MatchInfoPanel *m_panel = nullptr;
};
