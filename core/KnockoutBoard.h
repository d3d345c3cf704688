#pragma once
// The knockout matches of one screen: name slots, score boxes and the single tie rule
// that decides a match from its boxes. Which boxes and slots form which match is data
// (see BracketWiring and FinalsWiring); the rule is the same for every screen.

#include "StoredFiles.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

enum class BoxKind { Regular = 0, Extra = 1, Penalty = 2 };

struct TieSide {
    int slot;                  // the side's name slot
    std::array<int, 3> boxes;  // regular, extra-time, penalty box
};

struct TieWiring {
    int clock;
    std::array<TieSide, 2> sides;
    int winnerSlot;
    int loserSlot = -1;        // -1: the loser goes nowhere
};

struct BoxFile {
    QString fileName;
    std::vector<int> boxes;    // line n holds boxes[n]
};

struct BoardWiring {
    QStringList slotNames;                 // object names, e.g. "LblOct_1"
    std::vector<QString> slotGroups;       // groups whose teams can reach the slot; empty: all 32
    QStringList boxNames;                  // e.g. "txtTEoct_3"
    std::vector<BoxKind> boxKinds;
    std::vector<TieWiring> ties;
    std::vector<BoxFile> files;            // in loading and saving order
};

class KnockoutBoard : public QObject {
    Q_OBJECT
public:
    explicit KnockoutBoard(BoardWiring wiring, QObject *parent = nullptr);

    const BoardWiring &wiring() const { return m_wiring; }
    int boxCount() const { return int(m_boxes.size()); }
    int slotCount() const { return int(m_slots.size()); }
    int boxIndex(const QString &name) const { return int(m_wiring.boxNames.indexOf(name)); }
    int slotIndex(const QString &name) const { return int(m_wiring.slotNames.indexOf(name)); }
    const TieWiring *tieOfClock(int clock) const;

    const QString &boxText(int box) const { return m_boxes.at(box).text; }
    bool boxVisible(int box) const { return m_boxes.at(box).visible; }
    const QString &slotText(int slot) const { return m_slots.at(slot).text; }
    // The flag key last shown beside the slot; empty while no team was recognised.
    const QString &slotFlag(int slot) const { return m_slots.at(slot).flagKey; }

    // A changed text runs the tie rule for the box before returning.
    void setBoxText(int box, const QString &text);
    // A changed caption updates the slot's flag before returning.
    void setSlotText(int slot, const QString &text);

    void ProcessTieEdit(int box);

    // Replays every file's lines as edits, in file order; missing lines read as "*", and
    // so do unreadable files, which the user is told about once.
    void loadFiles();
    // Writes all the files as one save; the outcome says which failed and why.
    SaveOutcome saveFiles();

signals:
    void boxTextChanged(int box, const QString &text);
    void boxVisibilityChanged(int box, bool visible);
    void slotTextChanged(int slot, const QString &text);
    void slotFlagChanged(int slot, const QString &flagKey);

protected:
    // Runs after a slot's caption and flag have changed.
    virtual void slotChanged(int slot) { Q_UNUSED(slot); }

private:
    struct Box {
        QString text;
        bool visible = true;
        int tie = -1;
        int side = 0;
    };
    struct Slot {
        QString text;
        QString flagKey;
    };

    void setBoxVisible(int box, bool visible);
    void ShowTeamFlag(int slot);

    BoardWiring m_wiring;
    std::vector<Box> m_boxes;
    std::vector<Slot> m_slots;
    StoredFiles m_files;
};
