// The wallchart as a user gets it: a one-page PDF whose words are text, a 300 dpi PNG,
// a failed export explained in Spanish, and the two commands of the main menu.

#include "GuiSupport.h"
#include "MainMenu.h"
#include "SampleData.h"
#include "TestSupport.h"
#include "TournamentSnapshot.h"
#include "WallchartExport.h"
#include "WallchartPage.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QFileDialog>
#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

namespace {

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString &pdf) { return run(PDFTOTEXT, {"-enc", "UTF-8", pdf, "-"}); }

// The words printed inside a part of the page given in millimetres.
QString pdfTextIn(const QString &pdf, const QRectF &mm)
{
    auto pt = [](double v) { return QString::number(qRound(v / 25.4 * 72)); };
    return run(PDFTOTEXT, {"-enc", "UTF-8", "-r", "72", "-x", pt(mm.x()), "-y", pt(mm.y()), "-W", pt(mm.width()), "-H",
                           pt(mm.height()), pdf, "-"});
}

int pdfPages(const QString &pdf)
{
    const QString info = run(PDFINFO, {pdf});
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// A size limit on written files makes writing fail half-way, like a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_old{};
    void (*m_handler)(int) = nullptr;
};

} // namespace

class WallchartTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Fonts::install(); }
    void cleanup() { closeAllScreens(); }

    void pdfIsOnePageWithTheChampionAsText()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        SampleData::prepare(SampleData::Kind::Complete);
        const QString pdf = folder.file("planilla.pdf");
        QVERIFY(Wallchart::exportTo(pdf, Wallchart::Format::Pdf));
        QVERIFY(notes.messages.isEmpty());
        QCOMPARE(pdfPages(pdf), 1);
        QVERIFY(run(PDFINFO, {pdf}).contains("(A4)"));

        const QString podium = pdfTextIn(pdf, Wallchart::podiumAreaMm());
        QVERIFY2(podium.contains("Italia") && podium.contains("Campeón"), qPrintable(podium));
        QVERIFY(podium.contains("Francia") && podium.contains("Sub Campeón"));
        QVERIFY(podium.contains("Alemania") && podium.contains("Tercero"));
        const QString all = pdfText(pdf);
        QVERIFY(all.contains("Torvelo Alemania 2006"));
        QVERIFY(all.contains("Serbia y Montenegro"));
        QVERIFY(all.contains("9 de Julio - 16:00 Hs. · Berlin"));
        QVERIFY(all.contains("TE") && all.contains("pen."));
        // Written aside and moved into place: nothing else is left in the folder.
        QVERIFY(!QDir(folder.path()).entryList({"*.pdf.*", "*~"}, QDir::Files).size());
    }

    // Nothing typed yet: every place is drawn, with every knockout date and venue.
    void emptyTournamentShowsEveryFixture()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        const QString pdf = folder.file("vacia.pdf");
        QVERIFY(Wallchart::exportTo(pdf, Wallchart::Format::Pdf));
        QCOMPARE(pdfPages(pdf), 1);
        const QString all = pdfText(pdf).simplified();
        for (const KnockoutMatch &m : TournamentData::knockoutMatches())
            QVERIFY2(all.contains(m.dateTime + " · " + m.venue), qPrintable(m.dateTime));
        for (char g : QByteArrayLiteral("ABCDEFGH"))
            QVERIFY(all.contains(QString("GRUPO %1").arg(g)));
        const QString podium = pdfTextIn(pdf, Wallchart::podiumAreaMm());
        QVERIFY(podium.contains("Campeón"));
        for (const TeamEntry &t : TournamentData::teams())
            QVERIFY2(!podium.contains(t.displayName), qPrintable(t.displayName));
        QVERIFY(!QFile::exists(folder.file("torvelollave.txt")));
    }

    void pngIsTheA4PageAt300Dpi()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        SampleData::prepare(SampleData::Kind::MidKnockout);
        const QString png = folder.file("planilla.PNG");
        QCOMPARE(Wallchart::formatOf(png), Wallchart::Format::Png);
        QVERIFY(Wallchart::exportTo(png, Wallchart::formatOf(png)));
        QImageReader reader(png);
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(3508, 2480));
        QCOMPARE(Wallchart::pngSize(), QSize(3508, 2480));
        QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 300);
        // White paper at the corner, the night-blue title band at the top.
        QCOMPARE(image.pixelColor(10, 10), QColor(Qt::white));
        QVERIFY(image.pixelColor(1754, 135).blue() < 0x70);
    }

    void failedExportSaysWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder in place of the file") << "planilla.pdf" << "ya existe una carpeta con ese nombre";
        QTest::newRow("a folder that does not exist") << "falta/planilla.pdf" << "no existe";
        QTest::newRow("no name") << "" << "no se indicó el nombre del archivo";
    }
    void failedExportSaysWhy()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        TempDataFolder folder;
        RecordingNotifier notes;
        QVERIFY(QDir(folder.path()).mkdir("planilla.pdf"));
        const QString path = name.isEmpty() ? QString() : folder.file(name);
        QVERIFY(!Wallchart::exportTo(path, Wallchart::Format::Pdf));
        QCOMPARE(notes.messages.size(), 1);
        QCOMPARE(notes.messages[0].title, QString("Exportar planilla"));
        QVERIFY2(notes.messages[0].text.startsWith("No se pudo exportar la planilla"), qPrintable(notes.messages[0].text));
        QVERIFY2(notes.messages[0].text.contains(reason), qPrintable(notes.messages[0].text));
        QVERIFY(QFileInfo(folder.file("planilla.pdf")).isDir());
    }

    // Writing fails half-way: the user is told, and the earlier export stays whole.
    void writeFailureKeepsTheOldFile()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        SampleData::prepare(SampleData::Kind::Complete);
        folder.writeBytes("planilla.png", "earlier export");
        {
            FileSizeLimit limit(16 * 1024);
            QVERIFY(!Wallchart::exportTo(folder.file("planilla.png"), Wallchart::Format::Png));
        }
        QCOMPARE(folder.bytes("planilla.png"), QByteArray("earlier export"));
        QCOMPARE(notes.messages.size(), 1);
        QVERIFY2(notes.messages[0].text.contains("no se pudo escribir el archivo completo"),
                 qPrintable(notes.messages[0].text));
        QCOMPARE(QDir(folder.path()).entryList({"planilla*"}, QDir::Files), QStringList{"planilla.png"});
    }

    // The print path draws the same single page on whatever the printer is.
    void printsOnePage()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        SampleData::prepare(SampleData::Kind::Complete);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A3));
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setOutputFileName(folder.file("impresa.pdf"));
        QVERIFY(Wallchart::print(printer, TournamentSnapshot::fromFiles()));
        QCOMPARE(pdfPages(folder.file("impresa.pdf")), 1);
        QVERIFY(run(PDFINFO, {folder.file("impresa.pdf")}).contains("(A3)"));
        QVERIFY(pdfText(folder.file("impresa.pdf")).contains("Italia"));
    }

    void mainMenuOffersBothCommands()
    {
        TempDataFolder folder;
        MainMenu menu;
        QMenu *archivo = menu.menuBar()->findChild<QMenu *>("archivo");
        QVERIFY(archivo);
        QStringList items;
        for (QAction *a : archivo->actions())
            items << (a->isSeparator() ? QString("-") : a->text().remove('&'));
        QCOMPARE(items, QStringList({"Imprimir planilla…", "Exportar planilla…", "-", "Salir"}));
        auto *imprimir = archivo->findChild<QAction *>("imprimirPlanilla");
        auto *exportar = archivo->findChild<QAction *>("exportarPlanilla");
        QVERIFY(imprimir && exportar);
        QCOMPARE(imprimir->shortcut(), QKeySequence(QKeySequence::Print));
        QCOMPARE(exportar->shortcut(), QKeySequence("Ctrl+E"));
        QVERIFY(!imprimir->statusTip().isEmpty() && !exportar->statusTip().isEmpty());
        // The letters the open menu answers to differ from each other and from "Salir".
        QCOMPARE(imprimir->text().indexOf('&'), 0);
        QCOMPARE(exportar->text().indexOf('&'), 0);
    }

    // Ctrl+E opens the save dialog on planilla-torvelo.pdf in the documents folder;
    // choosing a PNG name there writes the picture.
    void exportDialogFromTheKeyboard()
    {
        TempDataFolder folder;
        RecordingNotifier notes;
        SampleData::prepare(SampleData::Kind::Complete);
        MainMenu menu;
        menu.show();
        QApplication::setActiveWindow(&menu);
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        QString offered, title;
        const QString target = folder.file("desde-el-menu.png");
        QTimer::singleShot(0, &menu, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            title = dialog->windowTitle();
            offered = dialog->selectedFiles().value(0);
            dialog->selectNameFilter(dialog->nameFilters().value(1));
            dialog->selectFile(target);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QTest::keyClick(&menu, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(title, QString("Exportar planilla"));
        QCOMPARE(QFileInfo(offered).fileName(), QString("planilla-torvelo.pdf"));
        QCOMPARE(QFileInfo(offered).absolutePath(), QFileInfo(Wallchart::defaultPath()).absolutePath());
        QVERIFY(notes.messages.isEmpty());
        QCOMPARE(QImageReader(target).size(), QSize(3508, 2480));
    }
};

QTEST_MAIN(WallchartTest)
#include "tst_wallchart.moc"
