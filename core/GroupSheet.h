#pragma once
// One group's scores and table. Every change of a cell's text is one edit: the two
// teams of its match are refreshed figure by figure and the group is ranked again.

#include <QObject>
#include <QString>
#include <array>

enum class Stat { J, G, E, P, GF, GC, DIF, PUN };
constexpr int kStatCount = 8;

struct StandingsRow {
    std::array<qint16, kStatCount> values{};
    qint16 operator[](Stat s) const { return values[int(s)]; }
};

class GroupSheet : public QObject {
    Q_OBJECT
public:
    explicit GroupSheet(char group, QObject *parent = nullptr);

    char group() const { return m_group; }

    // The sheet of each group lives for the whole run of the program, so that
    // first and second survive closing and reopening the group screen.
    static GroupSheet &of(char group);

    const QString &cell(int i) const { return m_cells.at(i); }
    // Stores the text and, if it differs from the current one, processes the edit.
    void setCell(int i, const QString &text);

    const StandingsRow &row(int position) const { return m_rows.at(position - 1); }
    qint16 stat(int position, Stat s) const { return row(position)[s]; }
    const std::array<int, 4> &displayOrder() const { return m_order; }
    const QString &first() const { return m_first; }
    const QString &second() const { return m_second; }

    // Empty cells, zero rows, order 1-4; first and second are kept.
    void reset();

    // The figures of team t (1 to 4) computed from the cells as they stand; 0 for
    // any other t. They fail when the sum leaves the 16-bit range.
    bool partidos(int t, qint16 &out) const;
    bool ganados(int t, qint16 &out) const;
    bool empatados(int t, qint16 &out) const;
    bool perdidos(int t, qint16 &out) const;
    bool GolF(int t, qint16 &out) const;
    bool GolC(int t, qint16 &out) const;
    bool DifG(int t, qint16 &out) const;
    bool puntos(int t, qint16 &out) const;  // from the stored G and E

    void ProcessCellEdit(int i);
    void RankGroup();

signals:
    void cellChanged(int index, const QString &text);
    void statStored(int position, Stat stat, qint16 value);
    void orderChanged();
    void qualifiersChanged(const QString &first, const QString &second);

private:
    bool compute(int t, Stat s, qint16 &out) const;
    bool refresh(int t, Stat s);

    char m_group;
    std::array<QString, 12> m_cells;
    std::array<StandingsRow, 4> m_rows{};
    std::array<int, 4> m_order{1, 2, 3, 4};
    QString m_first;
    QString m_second;
};
