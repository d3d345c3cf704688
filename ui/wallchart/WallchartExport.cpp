#include "WallchartExport.h"

#include "Notifier.h"
#include "TournamentSnapshot.h"
#include "WallchartPage.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString title() { return QStringLiteral("Exportar planilla"); }

void tellFailure(const QString &path, const QString &reason)
{
    Notifier::current().showMessage(QStringLiteral("No se pudo exportar la planilla a\n%1\n\nMotivo: %2.")
                                        .arg(QDir::toNativeSeparators(path), reason),
                                    title());
}

// What stands in the way before anything is written, in the user's words; empty if nothing.
QString obstacleTo(const QString &path)
{
    if (path.isEmpty())
        return QStringLiteral("no se indicó el nombre del archivo");
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("ya existe una carpeta con ese nombre");
    if (!info.absoluteDir().exists())
        return QStringLiteral("la carpeta %1 no existe").arg(QDir::toNativeSeparators(info.absolutePath()));
    return QString();
}

QString writeFailure(const QSaveFile &file)
{
    if (file.error() == QFileDevice::OpenError || file.error() == QFileDevice::PermissionsError)
        return QStringLiteral("no se pudo crear el archivo (%1)").arg(file.errorString());
    return QStringLiteral("no se pudo escribir el archivo completo; puede que el disco esté lleno (%1)")
        .arg(file.errorString());
}

QPageLayout a4Landscape()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0));
}

// Draws the page into the open file; the reason when it could not.
QString drawPdf(QSaveFile &file, const TournamentSnapshot &snapshot)
{
    QPdfWriter writer(&file);
    writer.setPageLayout(a4Landscape());
    writer.setTitle(QStringLiteral("Torvelo Alemania 2006 - Planilla"));
    writer.setCreator(QStringLiteral("Torvelo Alemania 2006"));
    QPainter painter;
    if (!painter.begin(&writer))
        return QStringLiteral("no se pudo preparar el documento PDF");
    Wallchart::paint(painter, QRectF(0, 0, writer.width(), writer.height()), snapshot);
    painter.end();
    return QString();
}

QString drawPng(QSaveFile &file, const TournamentSnapshot &snapshot)
{
    QImage image(Wallchart::pngSize(), QImage::Format_RGB32);
    if (image.isNull())
        return QStringLiteral("no hay memoria suficiente para la imagen");
    const int dotsPerMetre = qRound(Wallchart::kPngDotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        Wallchart::paint(painter, QRectF(image.rect()), snapshot);
    }
    // Encoded in memory first: the PNG encoder does not clean up after a failed write.
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, "png");
    if (!writer.write(image))
        return QStringLiteral("no se pudo preparar la imagen (%1)").arg(writer.errorString());
    if (file.write(encoded.data()) != encoded.data().size())
        return writeFailure(file);
    return QString();
}

} // namespace

namespace Wallchart {

QString defaultFileName() { return QStringLiteral("planilla-torvelo.pdf"); }

QString defaultPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(defaultFileName());
}

Format formatOf(const QString &path)
{
    return path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? Format::Png : Format::Pdf;
}

QSize pngSize()
{
    // Rounded, not cut: 210 mm at 300 dpi is 2480.3 dots, and the picture must hold them all.
    const QSizeF mm = a4Landscape().fullRect(QPageLayout::Millimeter).size();
    return {qRound(mm.width() / 25.4 * kPngDotsPerInch), qRound(mm.height() / 25.4 * kPngDotsPerInch)};
}

bool exportTo(const QString &path, Format format, const TournamentSnapshot &snapshot)
{
    const QString obstacle = obstacleTo(path);
    if (!obstacle.isEmpty()) {
        tellFailure(path, obstacle);
        return false;
    }
    // Written aside and put in place at the end: a failure leaves any older file whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        tellFailure(path, writeFailure(file));
        return false;
    }
    QString failure = format == Format::Pdf ? drawPdf(file, snapshot) : drawPng(file, snapshot);
    // QSaveFile::commit() does not notice a failed flush (a full disk, a size limit).
    if (failure.isEmpty() && (file.error() != QFileDevice::NoError || !file.flush() || !file.commit()))
        failure = writeFailure(file);
    if (!failure.isEmpty()) {
        file.cancelWriting();
        tellFailure(path, failure);
        return false;
    }
    return true;
}

bool exportTo(const QString &path, Format format) { return exportTo(path, format, TournamentSnapshot::fromFiles()); }

bool print(QPrinter &printer, const TournamentSnapshot &snapshot)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        Notifier::current().showMessage(QStringLiteral("No se pudo imprimir la planilla: la impresora no respondió."),
                                        QStringLiteral("Imprimir planilla"));
        return false;
    }
    // The painter starts at the corner of the printable area.
    paint(painter, QRectF(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size()), snapshot);
    return painter.end();
}

} // namespace Wallchart
