#include "GuiSupport.h"
#include "HistoryPages.h"
#include "Navigation.h"
#include "PageFit.h"
#include "PictureButton.h"
#include "ReferenceData.h"
#include "TestSupport.h"

#include <QAction>
#include <QLabel>

class HistoryPagesTest : public QObject {
    Q_OBJECT

    QString text(QWidget *s, const QString &name) { return child<QLabel>(s, name)->text(); }

private slots:
    void initTestCase() { Fonts::install(); }
    void cleanup() { closeAllScreens(); }

    void everyPosterOpensItsPage_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("captionName");
        QTest::addColumn<int>("paragraphs");
        const struct {
            int r, c;
            const char *b, *l, *p, *n;
            int count;
        } rows[] = {
            {1, 1, "Command1", "Uruguay 1930", "FrmUruguay30", "Uruguay 1930", 6},
            {1, 2, "Command2", "Italia 1934", "FrmItalia34", "Italia 1934", 7},
            {1, 3, "Command3", "Francia 1938", "FrmFrancia38", "Francia 1938", 7},
            {1, 4, "Command4", "Brasil 1950", "FrmBrasil50", "Brasil 1950", 5},
            {1, 5, "Command5", "Suiza 1954", "FrmSuiza54", "Suiza 1954", 3},
            {1, 6, "Command6", "Suecia 1958", "FrmSuecia58", "Suecia 1958", 5},
            {2, 1, "Command7", "Chile 1962", "FrmChile62", "Chile 1962", 3},
            {2, 2, "Command8", "Inglaterra 1966", "FrmInglaterra66", "Inglaterra 1966", 3},
            {2, 3, "Command9", "Mexico 70", "FrmMexico70", "Mexico 1970", 4},
            {2, 4, "Command10", "Alemania 1974", "FrmAlemania74", "Alemania 1974", 3},
            {2, 5, "Command11", "Argentina 1978", "FrmArgentina78", "Argentina 1978", 1},
            {2, 6, "Command12", "España 1982", "FrmEspaña82", "España 1982", 3},
            {3, 1, "Command14", "Mexico 1986", "FrmMexico86", "Mexico 1986", 1},
            {3, 2, "Command13", "Italia 1990", "FrmItalia90", "Italia 1990", 3},
            {3, 3, "Command15", "Estados Unidos 1994", "FrmUsa94", "USA 1994", 3},
            {3, 4, "Command16", "Francia 1998", "FrmFrancia98", "Francia 1998", 3},
            {3, 5, "Command17", "Korea-Japon 2002", "FrmKorea02", "Korea-Japon 2002", 2},
        };
        for (const auto &r : rows)
            QTest::newRow(r.p) << r.r << r.c << r.b << QString::fromUtf8(r.l) << QString::fromUtf8(r.p)
                               << QString::fromUtf8(r.n) << r.count;
    }
    void everyPosterOpensItsPage()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, button);
        QFETCH(QString, label);
        QFETCH(QString, page);
        QFETCH(QString, captionName);
        QFETCH(int, paragraphs);
        RecordingNotifier notes;
        const EditionRecord *record = ReferenceData::edition(page);
        QVERIFY(record);
        QCOMPARE(record->row, row);
        QCOMPARE(record->column, column);
        QCOMPARE(record->paragraphs.size(), paragraphs);
        auto *directory = new HistoryDirectory;
        Navigation::openModal(directory);
        auto *b = child<PictureButton>(directory, button);
        QCOMPARE(text(directory, "Label" + button.mid(7)), label);
        QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(b, Qt::LeftButton);
        QWidget *opened = openScreen(page);
        QVERIFY(opened);
        QCOMPARE(opened->windowTitle(), QString("Torvelo Alemania 2006 - Mundial de %1 - Resolucion Optima 800 x 600").arg(captionName));
        QCOMPARE(text(opened, "LabelTitulo"), captionName + ":");
        QVERIFY(text(opened, "LabelPor").startsWith("(Por "));
        QCOMPARE(text(opened, "LabelEpigrafe"), record->photoCaption);
        QTRY_COMPARE(notes.informations.size(), page == "FrmBrasil50" ? 1 : 0);
        opened->findChild<QAction *>("Salir")->trigger();
        settle();
        QTRY_COMPARE(QApplication::activeWindow(), directory);
    }

    void directoryLayoutAndTheLastPoster()
    {
        RecordingNotifier notes;
        auto *directory = new HistoryDirectory;
        Navigation::openModal(directory);
        QCOMPARE(directory->windowTitle(),
                 QString("Torvelo Alemania 2006- Pantalla de la Historia de los Mundiales - Resolucion Optima 800 x 600"));
        QCOMPARE(directory->findChildren<PictureButton *>().size(), 18);
        // Command14 (1986) stands before Command13 (1990): place follows the calendar.
        QVERIFY(child<QWidget>(directory, "Command14")->x() < child<QWidget>(directory, "Command13")->x());
        QVERIFY(child<QWidget>(directory, "Command7")->y() > child<QWidget>(directory, "Command6")->y());
        auto *last = child<PictureButton>(directory, "Command18");
        QCOMPARE(text(directory, "Label18"), QString("Alemania 2006"));
        QCOMPARE(last->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(last, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(visibleScreens(), 1);
        QVERIFY(notes.messages.isEmpty());
    }

    void brasil50GreetsOncePerOpening()
    {
        RecordingNotifier notes;
        auto *directory = new HistoryDirectory;
        Navigation::openModal(directory);
        QWidget *page = directory->openPage("FrmBrasil50");
        QTRY_COMPARE(notes.informations.size(), 1);
        QCOMPARE(notes.informations[0].title, QString("Información 2da Guerra Mundial"));
        const QString text = notes.informations[0].text;
        QVERIFY(text.startsWith("Sin Mundiales en 1942 y 1946 ¿Por que?\n\n* Catorce meses"));
        QVERIFY(text.contains("por el otro los  Países del Eje"));
        QVERIFY(text.endsWith("el lapso sin los Mundiales de 1942 y 1946. "));
        // Coming back to the page (the box closed, another window in between) does not repeat it.
        page->hide();
        page->show();
        page->activateWindow();
        QTest::qWait(20);
        QCOMPARE(notes.informations.size(), 1);
        page->close();
        settle();
        directory->openPage("FrmBrasil50");
        QTRY_COMPARE(notes.informations.size(), 2);
    }

    // Every page shows all its text at its own size, without a scroll bar, with the photo
    // in the right half, and fills its place without leaving a band empty.
    void everyPageFitsItsText_data()
    {
        QTest::addColumn<QString>("page");
        for (const EditionRecord &r : ReferenceData::editions()) {
            if (!r.page.isEmpty())
                QTest::newRow(qPrintable(r.page)) << r.page;
        }
    }
    void everyPageFitsItsText()
    {
        QFETCH(QString, page);
        auto *screen = new EditionPage(*ReferenceData::edition(page));
        screen->show();
        settle();
        const QString scrolling = PageFit::scrollingBlock(screen);
        const QString band = PageFit::emptyBand(screen->surface(), 86, 40);
        const QRect photo = child<QWidget>(screen, "ImageFoto_marco")->geometry();
        const QRect caption = child<QWidget>(screen, "LabelEpigrafe")->geometry();
        const int half = screen->surface()->width() / 2;
        screen->close();
        settle();
        QVERIFY2(scrolling.isEmpty(), qPrintable(scrolling));
        QVERIFY2(band.isEmpty(), qPrintable(band));
        // Beside full-width paragraphs the photo keeps to the right half.
        bool fullWidth = false;
        for (const EditionParagraph &p : ReferenceData::edition(page)->paragraphs)
            fullWidth = fullWidth || p.place != "side";
        if (fullWidth)
            QVERIFY(photo.left() >= half && caption.left() >= half);
        QVERIFY(caption.top() > photo.bottom());
    }

    void uruguayFollowsItsStructure()
    {
        const EditionRecord *r = ReferenceData::edition("FrmUruguay30");
        const QStringList places = {"top", "side", "side", "side", "side", "bottom"};
        const QStringList openings = {"El 21 de Mayo de 1904 fue el día elegido para empezar una larguísima historia.",
                                      "Entre algunas idas y vueltas el proyecto fracasa",
                                      "En el Congreso de 1928 en Ámsterdam", "Los países que estaban postulados",
                                      "Rumania, Francia y Bélgica, viajaban en el transatlántico Conte Verde",
                                      "Fueron 13 los participantes divididos en 4 grupos."};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(r->paragraphs[i].place, places[i]);
            QVERIFY2(r->paragraphs[i].text.startsWith(openings[i]), qPrintable(r->paragraphs[i].text.left(60)));
        }
        QCOMPARE(ReferenceData::edition("FrmMexico86")->photoCaption,
                 QString("El mejor Jugador de la Selección  Argentina alza sus brazos junto a la Copa que ganaría su equipo "
                         "por segunda vez en su Historia."));
        QCOMPARE(ReferenceData::edition("FrmFrancia98")->photoCaption,
                 QString("La celebración de los \"Galos\" luego de vencer a Brasil."));
    }
};

QTEST_MAIN(HistoryPagesTest)
#include "tst_historypages.moc"
