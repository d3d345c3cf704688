#pragma once
// Semi-finals, third-place match and final, played on from the bracket's semi-finalists.

#include "KnockoutBoard.h"

namespace FinalsWiring {
BoardWiring make();
QString fileName();  // "torvelofinal.txt"
} // namespace FinalsWiring

class FinalsBoard : public KnockoutBoard {
    Q_OBJECT
public:
    explicit FinalsBoard(QObject *parent = nullptr);

    // The four semi-finalists (bracket's Lblsemi 1, 5, 9, 13), then the file replayed.
    void open(const QStringList &semifinalists);
    SaveOutcome save() { return saveFiles(); }

    QString champion() const { return slotText(slotIndex(QStringLiteral("Campeon"))); }
    QString runnerUp() const { return slotText(slotIndex(QStringLiteral("Subcampeon"))); }
    QString third() const { return slotText(slotIndex(QStringLiteral("Tercero"))); }
};
