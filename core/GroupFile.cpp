#include "GroupFile.h"

#include "GroupSheet.h"
#include "Notifier.h"

namespace GroupFile {

QString fileName(char group) { return QStringLiteral("torvelo%1.txt").arg(QLatin1Char(group)); }

StoredFiles files(char group) { return StoredFiles({fileName(group)}); }

void LoadGroupFile(GroupSheet &sheet, StoredFiles &files)
{
    sheet.reset();
    const QStringList lines = files.load({12}).value(0);
    for (int n = 0; n < 12; ++n) {
        const QString line = n < lines.size() ? lines[n] : QStringLiteral("*");
        sheet.setCell(n, line == QLatin1String("*") ? QString() : line);
    }
}

void LoadGroupFile(GroupSheet &sheet)
{
    StoredFiles set = files(sheet.group());
    LoadGroupFile(sheet, set);
}

SaveOutcome SaveGroupFile(const GroupSheet &sheet, StoredFiles &files)
{
    QStringList lines;
    for (int n = 0; n < 12; ++n)
        lines << (sheet.cell(n).isEmpty() ? QStringLiteral("*") : sheet.cell(n));
    lines << sheet.first() << sheet.second();
    return files.save({lines});
}

bool SaveGroupFile(const GroupSheet &sheet)
{
    StoredFiles set = files(sheet.group());
    const SaveOutcome outcome = SaveGroupFile(sheet, set);
    if (!outcome)
        Notifier::current().saveFailed(outcome.fileName, outcome.reason);
    return outcome.ok;
}

} // namespace GroupFile
