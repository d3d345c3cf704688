#include "SampleData.h"

#include "DataFolder.h"
#include "GroupFile.h"
#include "GroupSheet.h"

#include <QDir>
#include <QFile>

namespace {

// The real results of 2006, cell by cell in each group's match order.
const char *const kGroupResults[8][12] = {
    {"4", "2", "0", "2", "1", "0", "3", "0", "0", "3", "1", "2"},
    {"1", "0", "0", "0", "2", "0", "1", "0", "2", "2", "2", "0"},
    {"2", "1", "0", "1", "6", "0", "2", "1", "0", "0", "3", "2"},
    {"3", "1", "0", "1", "0", "0", "2", "0", "2", "1", "1", "1"},
    {"2", "0", "0", "3", "1", "1", "0", "2", "0", "2", "2", "1"},
    {"1", "0", "3", "1", "2", "0", "0", "0", "1", "4", "2", "2"},
    {"0", "0", "2", "1", "1", "1", "0", "2", "0", "2", "2", "0"},
    {"4", "0", "2", "2", "3", "1", "0", "4", "0", "1", "1", "0"},
};

void writeGroups(int played, bool invalid)
{
    for (int g = 0; g < 8; ++g) {
        GroupSheet sheet(char('A' + g));
        for (int i = 0; i < played; ++i)
            sheet.setCell(i, QString::fromLatin1(kGroupResults[g][i]));
        if (invalid && g == 2)
            sheet.setCell(played, QStringLiteral("2x"));
        GroupFile::SaveGroupFile(sheet);
    }
}

void writeBracket(bool complete)
{
    // 2006's round of 16 in slot order: Alemania-Suecia, Argentina-México, Italia-Australia,
    // Suiza-Ucrania, Inglaterra-Ecuador, Portugal-Holanda, Brasil-Ghana, España-Francia.
    QStringList oct = {"2", "0", "1", "1", "1", "0", "0", "0", "1", "0", "1", "0", "3", "0", "1", "3"};
    QStringList te = QStringList(16, "*");
    te[2] = "1";
    te[3] = "0";
    te[6] = "0";
    te[7] = "0";
    QStringList pen = QStringList(16, "*");
    pen[6] = "0";
    pen[7] = "3";
    DataFolder::writeLines("torveloOct.txt", oct);
    DataFolder::writeLines("torveloTEOct.txt", te);
    DataFolder::writeLines("torveloPENOct.txt", pen);
    if (complete) {
        // Alemania-Argentina 1-1 (4-2 pens), Italia-Ucrania 3-0, Inglaterra-Portugal 0-0 (1-3 pens), Brasil-Francia 0-1.
        DataFolder::writeLines("torvelocuar.txt", {"1", "1", "3", "0", "0", "0", "0", "1"});
        DataFolder::writeLines("torveloTEcuar.txt", {"0", "0", "*", "*", "0", "0", "*", "*"});
        DataFolder::writeLines("torveloPENcuar.txt", {"4", "2", "*", "*", "1", "3", "*", "*"});
        // Alemania-Italia 0-0, 0-2 a.e.t.; Portugal-Francia 0-1; Alemania-Portugal 3-1; Italia-Francia 1-1, 5-3 pens.
        DataFolder::writeLines("torvelofinal.txt", {"0", "0", "0", "1", "0", "2", "*", "*", "*", "*", "*", "*",
                                                   "1", "1", "3", "1", "0", "0", "*", "*", "5", "3", "*", "*"});
    } else {
        DataFolder::writeLines("torvelocuar.txt", {"1", "1", "3", "0", "*", "*", "*", "*"});
        DataFolder::writeLines("torveloTEcuar.txt", {"0", "0", "*", "*", "*", "*", "*", "*"});
        DataFolder::writeLines("torveloPENcuar.txt", QStringList(8, "*"));
    }
}

// Every knockout match level after regular and extra time, so that all three boxes of
// both sides show everywhere; some shoot-outs go to sudden death for two-digit scores.
void writeShootouts()
{
    const QStringList shootouts = {"4", "3", "5", "4", "3", "2", "11", "10", "4", "2", "5", "3", "3", "1", "7", "6"};
    DataFolder::writeLines("torveloOct.txt", QStringList(16, "1"));
    DataFolder::writeLines("torveloTEOct.txt", QStringList(16, "2"));
    DataFolder::writeLines("torveloPENOct.txt", shootouts);
    DataFolder::writeLines("torvelocuar.txt", QStringList(8, "0"));
    DataFolder::writeLines("torveloTEcuar.txt", QStringList(8, "1"));
    DataFolder::writeLines("torveloPENcuar.txt", shootouts.mid(4, 8));
    // Semi-finals, then the final (1 against 3) and the third-place match (5 against 7).
    DataFolder::writeLines("torvelofinal.txt", QStringList(4, "2") + QStringList(4, "3") + shootouts.mid(0, 4) +
                                                   QStringList(4, "1") + QStringList(4, "2") + shootouts.mid(6, 4));
}

} // namespace

namespace SampleData {

void prepare(Kind kind)
{
    QDir folder(DataFolder::path());
    for (const QString &f : folder.entryList(QDir::Files))
        folder.remove(f);
    for (char g = 'A'; g <= 'H'; ++g)
        GroupSheet::of(g).reset();
    switch (kind) {
    case Kind::None:
        break;
    case Kind::GroupsPartly:
        writeGroups(6, true);
        break;
    case Kind::GroupsDone:
        writeGroups(12, false);
        break;
    case Kind::MidKnockout:
        writeGroups(12, false);
        writeBracket(false);
        break;
    case Kind::Complete:
        writeGroups(12, false);
        writeBracket(true);
        break;
    case Kind::EveryMatchToPenalties:
        writeGroups(12, false);
        writeShootouts();
        break;
    }
}

} // namespace SampleData
