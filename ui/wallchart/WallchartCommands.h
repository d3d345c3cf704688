#pragma once
// "Imprimir planilla…" and "Exportar planilla…": the two commands of the main menu's
// file menu, each a thin dialog in front of WallchartExport.

#include <QString>

class QMenu;
class QWidget;

namespace Wallchart {

// Adds both commands at the end of `menu`, each with its shortcut and description.
void addMenuCommands(QMenu *menu, QWidget *window);

// The platform's print dialog, then the page printed as chosen.
void printWithDialog(QWidget *parent);
// A save dialog offering PDF and PNG; returns the file written, empty if none was.
QString exportWithDialog(QWidget *parent);

} // namespace Wallchart
