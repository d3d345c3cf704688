#include "GroupFile.h"

#include "DataFolder.h"
#include "GroupSheet.h"

namespace GroupFile {

QString fileName(char group) { return QStringLiteral("torvelo%1.txt").arg(QLatin1Char(group)); }

void LoadGroupFile(GroupSheet &sheet)
{
    sheet.reset();
    const QStringList lines = DataFolder::readLines(fileName(sheet.group()), 12);
    for (int n = 0; n < 12; ++n) {
        const QString line = n < lines.size() ? lines[n] : QStringLiteral("*");
        sheet.setCell(n, line == QLatin1String("*") ? QString() : line);
    }
}

bool SaveGroupFile(const GroupSheet &sheet)
{
    QStringList lines;
    for (int n = 0; n < 12; ++n)
        lines << (sheet.cell(n).isEmpty() ? QStringLiteral("*") : sheet.cell(n));
    lines << sheet.first() << sheet.second();
    return DataFolder::writeLines(fileName(sheet.group()), lines);
}

} // namespace GroupFile
