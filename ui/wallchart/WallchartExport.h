#pragma once
// Saving and printing the wallchart. A failed export tells the user why, in Spanish,
// through the notifier; a file that was there before stays as it was.

#include <QSize>
#include <QString>

class QPrinter;
struct TournamentSnapshot;

namespace Wallchart {

enum class Format { Pdf, Png };

constexpr int kPngDotsPerInch = 300;

// "planilla-torvelo.pdf" in the user's documents folder.
QString defaultFileName();
QString defaultPath();
// PNG for a name ending in .png (any case), PDF otherwise.
Format formatOf(const QString &path);
// The picture an export as PNG gives: the A4 page at 300 dpi.
QSize pngSize();

// Writes the page of the given tournament; false (after telling the user) on failure.
bool exportTo(const QString &path, Format format, const TournamentSnapshot &snapshot);
// The same for the tournament the data files hold now.
bool exportTo(const QString &path, Format format);

// Prints the page on the printer as chosen by the user, fitted to its paper.
bool print(QPrinter &printer, const TournamentSnapshot &snapshot);

} // namespace Wallchart
