#include "WallchartCommands.h"

#include "TournamentSnapshot.h"
#include "WallchartExport.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>

namespace {

const QString kPdfFilter = QStringLiteral("Documento PDF (*.pdf)");
const QString kPngFilter = QStringLiteral("Imagen PNG, 300 ppp (*.png)");

} // namespace

namespace Wallchart {

void addMenuCommands(QMenu *menu, QWidget *window)
{
    QAction *imprimir = menu->addAction(QStringLiteral("&Imprimir planilla…"));
    imprimir->setObjectName(QStringLiteral("imprimirPlanilla"));
    imprimir->setShortcut(QKeySequence::Print);
    imprimir->setStatusTip(QStringLiteral("Imprime en una hoja los grupos, la llave y el podio"));
    imprimir->setToolTip(imprimir->statusTip());
    QObject::connect(imprimir, &QAction::triggered, window, [window] { printWithDialog(window); });

    QAction *exportar = menu->addAction(QStringLiteral("&Exportar planilla…"));
    exportar->setObjectName(QStringLiteral("exportarPlanilla"));
    exportar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    exportar->setStatusTip(QStringLiteral("Guarda la planilla del torneo como documento PDF o imagen PNG"));
    exportar->setToolTip(exportar->statusTip());
    QObject::connect(exportar, &QAction::triggered, window, [window] { exportWithDialog(window); });

    menu->addSeparator();
}

void printWithDialog(QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Torvelo Alemania 2006 - Planilla"));
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("imprimirPlanillaDialogo"));
    dialog.setWindowTitle(QStringLiteral("Imprimir planilla"));
    if (dialog.exec() == QDialog::Accepted)
        print(printer, TournamentSnapshot::fromFiles());
}

QString exportWithDialog(QWidget *parent)
{
    QFileDialog dialog(parent, QStringLiteral("Exportar planilla"), defaultPath());
    dialog.setObjectName(QStringLiteral("exportarPlanillaDialogo"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({kPdfFilter, kPngFilter});
    dialog.selectNameFilter(kPdfFilter);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(defaultFileName());
    // Choosing the other kind of file changes the suffix the name gets.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
        dialog.setDefaultSuffix(filter == kPngFilter ? QStringLiteral("png") : QStringLiteral("pdf"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    QString path = dialog.selectedFiles().constFirst();
    const QString suffix = QFileInfo(path).suffix().toLower();
    Format format = formatOf(path);
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("png"))
        format = dialog.selectedNameFilter() == kPngFilter ? Format::Png : Format::Pdf;
    return exportTo(path, format) ? path : QString();
}

} // namespace Wallchart
