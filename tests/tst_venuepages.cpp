#include "Art.h"
#include "CreditsPage.h"
#include "GuiSupport.h"
#include "Navigation.h"
#include "PageFit.h"
#include "PictureButton.h"
#include "ReferenceData.h"
#include "TestSupport.h"
#include "VenueDirectory.h"
#include "VenuePages.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

class VenuePagesTest : public QObject {
    Q_OBJECT

    QString text(QWidget *s, const QString &name) { return child<QLabel>(s, name)->text(); }
    StadiumPage *stadiumOnTop()
    {
        StadiumPage *found = nullptr;
        int n = 0;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *p = qobject_cast<StadiumPage *>(w); p && p->isVisible()) {
                found = p;
                ++n;
            }
        }
        return n == 1 ? found : nullptr;
    }
    // A picture that fills most of its button's width rather than standing in it as a sliver.
    static bool readsAtItsShape(PictureButton *b)
    {
        return b && Art::fitted(b->picture(), b->rect()).width() >= b->width() * 3 / 5;
    }
    int topLevelScreens()
    {
        int n = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            n += qobject_cast<Screen *>(w) ? 1 : 0;
        return n;
    }

private slots:
    void initTestCase() { Fonts::install(); }
    void cleanup() { closeAllScreens(); }

    void stadiumDirectoryOpensEveryPage_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("captionName");
        QTest::addColumn<QString>("title");
        const char *rows[][4] = {
            {"Command1", "FrmEHamburgo", "Estadio de Hamburgo", "Estadio de Hamburgo:"},
            {"Command2", "FrmEHannover", "Estadio de Hannover", "Estadio de Hannover:"},
            {"Command3", "FrmEArena", "Estadio Arena AufSchalke", "Estadio Arena AufSchalke:"},
            {"Command4", "FrmEWestfalen", "WestFalen Stadion", "West Falen Stadion:"},
            {"Command5", "FrmEKoln", "Estadio de Köln", "Estadio de Köln:"},
            {"Command6", "FrmEWald", "WaldStadion", "Waldstadion:"},
            {"Command7", "FrmEFritz", "Estadio Fritz-Walter ", "Estadio Fritz-Walter:"},
            {"Command8", "FrmEMunich", "Estadio de Munich", "Estadio de Munich:"},
            {"Command9", "FrmEGottlieb", "Gottlieb-Daimler-Stadion", "Gottlieb-Daimler-Stadion:"},
            {"Command10", "FrmEFranken", "Franken Stadion", "Franken Stadion:"},
            {"Command11", "FrmEZentral", "Zentral Stadion", "Zentral Stadion:"},
            {"Command12", "FrmEOlimpia", "Olimpia Stadion", "Olimpia Stadion:"},
        };
        for (auto &r : rows)
            QTest::newRow(r[1]) << r[0] << r[1] << QString::fromUtf8(r[2]) << QString::fromUtf8(r[3]);
    }
    void stadiumDirectoryOpensEveryPage()
    {
        QFETCH(QString, button);
        QFETCH(QString, page);
        QFETCH(QString, captionName);
        QFETCH(QString, title);
        VenueDirectory *directory = VenuePages::stadiumDirectory();
        Navigation::openModal(directory);
        QCOMPARE(directory->windowTitle(), QString("Torvelo Alemania 2006- Estadios del Mundial - Resolucion Optima 800 x 600"));
        QCOMPARE(text(directory, "LabelTitulo"), QString("Estadios del Mundial"));
        QTest::mouseClick(child<PictureButton>(directory, button), Qt::LeftButton);
        QWidget *opened = openScreen(page);
        QVERIFY(opened);
        QCOMPARE(opened->windowTitle(),
                 QString("Torvelo Alemania 2006 - Detalles %1 - Resolucion Optima 800 x 600").arg(captionName));
        QCOMPARE(text(opened, "LabelTitulo"), title);
        QVERIFY(text(opened, "LabelPor").startsWith("(Por "));
        QCOMPARE(text(opened, "CmdAnterior_texto"), QString(" Anterior"));
        QCOMPARE(text(opened, "CmdSiguiente_texto"), QString("Siguiente"));
        QCOMPARE(text(opened, "CmdCiudad_texto"), QString("Ciudad"));
        const int paragraphs = ReferenceData::stadium(page)->paragraphs.size();
        QVERIFY(paragraphs >= 2 && paragraphs <= 5);
        opened->close();
        settle();
        QTRY_COMPARE(QApplication::activeWindow(), directory);
    }

    void theRingRunsBothWays()
    {
        VenueDirectory *directory = VenuePages::stadiumDirectory();
        Navigation::openModal(directory);
        QTest::mouseClick(child<PictureButton>(directory, "Command8"), Qt::LeftButton);  // Munich
        const QStringList ring = {"FrmEHamburgo", "FrmEHannover", "FrmEArena", "FrmEWestfalen", "FrmEKoln", "FrmEWald",
                                  "FrmEFritz", "FrmEOlimpia", "FrmEZentral", "FrmEFranken", "FrmEGottlieb", "FrmEMunich"};
        for (int i = 0; i < 12; ++i) {
            StadiumPage *page = stadiumOnTop();
            QVERIFY(page);
            QTest::mouseClick(child<PictureButton>(page, "CmdSiguiente"), Qt::LeftButton);
            settle();
            QCOMPARE(stadiumOnTop()->objectName(), ring[i]);
        }
        for (int i = 10; i >= -1; --i) {
            QTest::mouseClick(child<PictureButton>(stadiumOnTop(), "CmdAnterior"), Qt::LeftButton);
            settle();
            QCOMPARE(stadiumOnTop()->objectName(), ring[(i + 12) % 12]);
        }
        // A hundred hops leave one page over the directory, and nothing hidden behind.
        for (int i = 0; i < 100; ++i) {
            QTest::mouseClick(child<PictureButton>(stadiumOnTop(), i % 3 ? "CmdSiguiente" : "CmdAnterior"), Qt::LeftButton);
            settle();
        }
        QCOMPARE(topLevelScreens(), 2);
        QCOMPARE(visibleScreens(), 2);
        stadiumOnTop()->close();
        settle();
        QTRY_COMPARE(QApplication::activeWindow(), directory);
        QCOMPARE(visibleScreens(), 1);
    }

    void cityLinksReplaceExceptFromTheOlympicStadium()
    {
        VenueDirectory *directory = VenuePages::stadiumDirectory();
        Navigation::openModal(directory);
        QTest::mouseClick(child<PictureButton>(directory, "Command5"), Qt::LeftButton);
        QTest::mouseClick(child<PictureButton>(openScreen("FrmEKoln"), "CmdCiudad"), Qt::LeftButton);
        settle();
        QWidget *koln = openScreen("FrmKoln");
        QVERIFY(koln);
        QVERIFY(!openScreen("FrmEKoln"));
        koln->close();
        settle();
        QTRY_COMPARE(QApplication::activeWindow(), directory);

        QTest::mouseClick(child<PictureButton>(directory, "Command12"), Qt::LeftButton);
        QWidget *olimpia = openScreen("FrmEOlimpia");
        QTest::mouseClick(child<PictureButton>(olimpia, "CmdCiudad"), Qt::LeftButton);
        settle();
        QWidget *berlin = openScreen("FrmBerlin");
        QVERIFY(berlin);
        QVERIFY(openScreen("FrmEOlimpia"));
        QCOMPARE(visibleScreens(), 3);
        berlin->close();
        settle();
        QTRY_COMPARE(QApplication::activeWindow(), olimpia);
    }

    void cityDirectoryAndPages_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("captionName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("sources");
        QTest::addColumn<int>("paragraphs");
        const struct {
            const char *b, *p, *c, *t, *s;
            int n;
        } rows[] = {
            {"Command1", "FrmHamburg", "Hamburg", "Hamburg:", "Fuentes de Información", 0},
            {"Command6", "FrmFrankfurt", "Frankfurt", "Frankfurt:", "Fuentes de Informacón", 4},
            {"Command7", "FrmKaiserslautern", "Kaiserslautern", "Kaiserslautern:", "Fuentes de Información", 3},
            {"Command8", "FrmBerlin", "Berlin", "Berlin:", "Fuente de Información", 5},
            {"Command9", "FrmLeipzig", "Leipzig", "Leipzig:", "Fuentes de Información", 5},
            {"Command10", "FrmNurnberg", "Nürnberg", "Nurenberg:", "Fuentes de Información", 3},
            {"Command11", "FrmStuttgart", "Stuttgart", "Stuttgart:", "Fuentes de Información", 5},
            {"Command12", "FrmMunchen", "München", "München:", "Fuentes de Información", 5},
        };
        for (const auto &r : rows)
            QTest::newRow(r.p) << r.b << r.p << QString::fromUtf8(r.c) << QString::fromUtf8(r.t) << QString::fromUtf8(r.s) << r.n;
    }
    void cityDirectoryAndPages()
    {
        QFETCH(QString, button);
        QFETCH(QString, page);
        QFETCH(QString, captionName);
        QFETCH(QString, title);
        QFETCH(QString, sources);
        QFETCH(int, paragraphs);
        VenueDirectory *directory = VenuePages::cityDirectory();
        Navigation::openModal(directory);
        QCOMPARE(directory->windowTitle(), QString("Torvelo Alemania 2006- Cedes del Mundial - Resolucion Optima 800 x 600"));
        QCOMPARE(text(directory, "LabelTitulo"), QString("Sedes del Mundial"));
        QTest::mouseClick(child<PictureButton>(directory, button), Qt::LeftButton);
        auto *city = qobject_cast<QMainWindow *>(openScreen(page));
        QVERIFY(city);
        QCOMPARE(city->windowTitle(),
                 QString("Torvelo Alemania 2006 - Detalles Ciudad de %1 - Resolucion Optima 800 x 600").arg(captionName));
        QCOMPARE(text(city, "LabelTitulo"), title);
        QVERIFY(!city->findChild<QLabel *>("LabelPor"));
        if (paragraphs)
            QCOMPARE(ReferenceData::city(page)->paragraphs.size(), paragraphs);
        const auto commands = city->menuBar()->actions();
        QCOMPARE(commands.size(), 2);
        QCOMPARE(commands[0]->text(), QString("Salir"));
        QCOMPARE(commands[1]->text(), sources);
        commands[1]->trigger();
        QWidget *credits = openScreen("FrmFuente");
        QVERIFY(credits);
        QCOMPARE(credits->windowModality(), Qt::ApplicationModal);
        credits->close();
        settle();
        QTRY_COMPARE(QApplication::activeWindow(), city);
        commands[0]->trigger();
        settle();
        QTRY_COMPARE(QApplication::activeWindow(), directory);
    }

    // Every page shows all its text at its own size, without a scroll bar, and fills its
    // place without leaving a band empty under a block.
    void everyPageFitsItsText_data()
    {
        QTest::addColumn<QString>("page");
        for (const StadiumRecord &r : ReferenceData::stadiums())
            QTest::newRow(qPrintable(r.page)) << r.page;
        for (const CityRecord &r : ReferenceData::cities())
            QTest::newRow(qPrintable(r.page)) << r.page;
    }
    void everyPageFitsItsText()
    {
        QFETCH(QString, page);
        Screen *screen = ReferenceData::stadium(page) ? static_cast<Screen *>(new StadiumPage(*ReferenceData::stadium(page)))
                                                      : new CityPage(*ReferenceData::city(page));
        screen->show();
        settle();
        const QString scrolling = PageFit::scrollingBlock(screen);
        const QString band = PageFit::emptyBand(screen->surface(), 86, 40);
        screen->close();
        settle();
        QVERIFY2(scrolling.isEmpty(), qPrintable(scrolling));
        QVERIFY2(band.isEmpty(), qPrintable(band));
    }

    // Names of buttons side by side share one size, and every name fits its button.
    void directoryNamesShareOneSize()
    {
        for (VenueDirectory *directory : {VenuePages::stadiumDirectory(), VenuePages::cityDirectory()}) {
            directory->show();
            const QList<PictureButton *> buttons = directory->findChildren<PictureButton *>();
            QCOMPARE(buttons.size(), 12);
            for (PictureButton *b : buttons) {
                QCOMPARE(b->pictureTextFont().pointSizeF(), buttons[0]->pictureTextFont().pointSizeF());
                QVERIFY2(b->fittingTextSize() >= b->pictureTextFont().pointSizeF(), qPrintable(b->pictureText()));
                QVERIFY2(readsAtItsShape(b), qPrintable(b->pictureText()));
            }
            directory->close();
            settle();
        }
    }

    // Each map names what its directory shows, every name on the map, clear of the other
    // names and of the other places' marks.
    void mapNamesStayOnTheMap()
    {
        for (VenueDirectory *directory : {VenuePages::stadiumDirectory(), VenuePages::cityDirectory()}) {
            const QSize size = child<QWidget>(directory, "ImageMapa")->size();
            const QRectF map = VenueDirectory::mapPicture(size);
            const auto labels = directory->mapLabels();
            QCOMPARE(labels.size(), 12);
            QStringList names;
            for (PictureButton *b : directory->findChildren<PictureButton *>())
                names << b->pictureText();
            const QList<QRectF> marks = VenueDirectory::mapMarks(size);
            for (const auto &[box, text] : labels) {
                QVERIFY2(names.contains(text), qPrintable(text));
                QVERIFY2(map.contains(box), qPrintable(text));
                const QRectF needed = QFontMetricsF(VenueDirectory::mapFont())
                                          .boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, text);
                QVERIFY2(box.contains(needed), qPrintable(text));
                int covered = 0;
                for (const QRectF &mark : marks)
                    covered += box.intersects(mark) ? 1 : 0;
                QVERIFY2(covered == 0, qPrintable(text));
                for (const auto &[other, otherText] : labels)
                    QVERIFY2(text == otherText || !box.intersects(other), qPrintable(text + " / " + otherText));
            }
            delete directory;
        }
    }

    // The stadium links show the same pictures as the directory, at the same shape.
    void linkPicturesReadAtTheirShape()
    {
        for (const StadiumRecord &r : ReferenceData::stadiums()) {
            StadiumPage page(r);
            for (const char *link : {"CmdAnterior", "CmdSiguiente", "CmdCiudad"})
                QVERIFY2(readsAtItsShape(child<PictureButton>(&page, link)), qPrintable(r.page + " " + link));
        }
    }

    void ringAndLinksAreData()
    {
        QCOMPARE(ReferenceData::stadiums().size(), 12);
        QCOMPARE(ReferenceData::cities().size(), 12);
        for (const StadiumRecord &s : ReferenceData::stadiums()) {
            QVERIFY2(ReferenceData::stadium(s.next), qPrintable(s.page));
            QCOMPARE(ReferenceData::stadium(s.next)->previous, s.page);
            QVERIFY(ReferenceData::city(s.city));
            QCOMPARE(ReferenceData::city(s.city)->stadium, s.page);
            QVERIFY(QFile::exists(ReferenceData::picture(s.picture)));
            if (s.tallPicture)
                QVERIFY(QFile::exists(ReferenceData::picture(QString(s.picture).replace(".svg", "-tall.svg"))));
        }
        for (const CityRecord &c : ReferenceData::cities()) {
            QVERIFY(QFile::exists(ReferenceData::picture(c.tallPicture)));
            QVERIFY(!c.venueKey.isEmpty());
        }
        QCOMPARE(ReferenceData::venues().size(), 12);
        QVERIFY(ReferenceData::stadium("FrmEGottlieb")->tallPicture);
        QVERIFY(ReferenceData::stadium("FrmEMunich")->paragraphs[0].startsWith(
            "Después de que el Estadio Olímpico hiciera famosa a la capital bávara"));
        QVERIFY(ReferenceData::stadium("FrmEMunich")->paragraphs.join(" ").contains(
            "Justamente dicho proyecto es financiado por los dos clubes de la Bundesliga en partes iguales."));
        const QStringList berlin = ReferenceData::city("FrmBerlin")->paragraphs;
        const QStringList openings = {"Diecisiete años después de la caída del muro", "Tras su fundación en 1871",
                                      "Berlín no sólo es una referencia de su propio pasado",
                                      "Berlín no es sólo la metrópolis de la cultura", "Además de arte, cultura y deporte"};
        for (int i = 0; i < 5; ++i)
            QVERIFY(berlin[i].startsWith(openings[i]));
    }
};

QTEST_MAIN(VenuePagesTest)
#include "tst_venuepages.moc"
