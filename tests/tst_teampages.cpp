#include "GuiSupport.h"
#include "Navigation.h"
#include "PictureButton.h"
#include "Pictures.h"
#include "ReferenceData.h"
#include "TeamPages.h"
#include "TestSupport.h"
#include "TournamentData.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>

class TeamPagesTest : public QObject {
    Q_OBJECT

    QString text(QWidget *s, const QString &name) { return child<QLabel>(s, name)->text(); }

private slots:
    void initTestCase() { Fonts::install(); }
    void cleanup() { closeAllScreens(); }

    void directoryOpensEveryPage_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("team");
        QTest::addColumn<QString>("captionName");
        QTest::addColumn<QString>("headOfState");
        struct Row {
            int r, c;
            const char *button, *page, *team, *caption, *label;
        };
        const Row rows[] = {
            {1, 1, "Command7", "FrmInfoAlemania", "Alemania", "Alemania", "Presidente:"},
            {1, 2, "Command1", "FrmInfoAngola", "Angola", "Angola", "Presidente:"},
            {1, 3, "Command2", "FrmInfoArabia", "Arabia Saudí", "Arabia Saudita", "Rey:"},
            {1, 4, "Command3", "FrmInfoArgentina", "Argentina", "Argentina", "Presidente:"},
            {1, 5, "Command4", "FrmInfoAustralia", "Australia", "Australia", "Primer ministro:"},
            {1, 6, "Command5", "FrmInfoBrasil", "Brasil", "Brasil", "Primer ministro:"},
            {1, 7, "Command19", "FrmInfoCorea", "Corea del Sur", "Corea del Sur", "Presidente:"},
            {2, 1, "Command8", "FrmInfoCostadeMarfil", "Costa de Marfil", "Costa de Marfil", "Presidente:"},
            {2, 2, "Command9", "FrmInfoCostaRica", "Costa Rica", "Costa Rica", "Presidente:"},
            {2, 3, "Command10", "FrmInfoCroacia", "Croacia", "Croacia", "Presidente:"},
            {2, 4, "Command11", "FrmInfoEcuador", "Ecuador", "Ecuador", "Presidente:"},
            {2, 5, "Command6", "FrmInfoEspaña", "España", "España", "Presidente:"},
            {2, 6, "Command12", "FrmInfoEEUU", "Estados Unidos", "Estados Unidos", "Presidente:"},
            {2, 7, "Command20", "FrmInfoFrancia", "Francia", "Francia", "Presidente:"},
            {3, 1, "Command29", "FrmInfoGhana", "Ghana", "Ghana", "Presidente:"},
            {3, 2, "Command30", "FrmInfoHolanda", "Holanda", "Holanda", "Primer Ministro:"},
            {3, 6, "Command31", "FrmInfoInglaterra", "Inglaterra", "Inglaterra", "Primer Ministro:"},
            {3, 7, "Command32", "FrmInfoIran", "Irán", "Irán", "Lider Supremo:"},
            {4, 1, "Command13", "FrmInfoItalia", "Italia", "Italia", "Primer Ministro:"},
            {4, 2, "Command14", "FrmInfoJapon", "Japón", "Japón", "Primer Ministro:"},
            {4, 3, "Command15", "FrmInfoMexico", "México", "México", "Presidente:"},
            {4, 4, "Command16", "FrmInfoParaguay", "Paraguay", "Paraguay", "Presidente:"},
            {4, 5, "Command17", "FrmInfoPolonia", "Polonia", "Polonia", "Presidente:"},
            {4, 6, "Command18", "FrmInfoPortugal", "Portugal", "Portugal", "Presidente:"},
            {4, 7, "Command21", "FrmInfoRepCheca", "República Checa", "la República Checa", "Presidente:"},
            {5, 1, "Command22", "FrmInfoSerbia", "Serbia y Mont.", "Serbia y Montengro", "Presidente:"},
            {5, 2, "Command23", "FrmInfoSuecia", "Suecia", "Suecia", "Primer Ministro:"},
            {5, 3, "Command24", "FrmInfoSuiza", "Suiza", "Suiza", "Presidente:"},
            {5, 4, "Command25", "FrmInfoTogo", "Togo", "Togo", "Presidente:"},
            {5, 5, "Command27", "FrmInfoTrinidad", "Trinidad y Tobago", "Trinidad y Tobago", "Presidente:"},
            {5, 6, "Command26", "FrmInfoTunez", "Túnez", "Túnez", "Presidente:"},
            {5, 7, "Command28", "FrmInfoUcrania", "Ucrania", "Ucrania", "Presidente:"},
        };
        for (const Row &r : rows)
            QTest::newRow(r.page) << r.r << r.c << r.button << QString::fromUtf8(r.page) << QString::fromUtf8(r.team)
                                  << QString::fromUtf8(r.caption) << QString::fromUtf8(r.label);
    }
    void directoryOpensEveryPage()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, button);
        QFETCH(QString, page);
        QFETCH(QString, team);
        QFETCH(QString, captionName);
        QFETCH(QString, headOfState);
        const TeamRecord *record = ReferenceData::team(page);
        QVERIFY(record);
        QCOMPARE(record->row, row);
        QCOMPARE(record->column, column);
        QCOMPARE(record->button, button);
        QCOMPARE(record->team, team);
        QVERIFY(TournamentData::teamByDisplayName(team));
        QCOMPARE(TournamentData::teamByDisplayName(team)->teamPage, page);
        QCOMPARE(record->captionName, captionName);
        // Complete: twelve facts in their order, three players, a best position.
        const QStringList labels = {"Nombre Oficial:", "Capital:", page == "FrmInfoSuiza" ? "Idiomas Oficiales" : "Idioma Oficial",
                                    "Forma de Gobierno:", headOfState, "Superficie:", "Población:", "PIB per cápita:",
                                    "Moneda:", "Dominio Internet:", "Código telefónico:", "Miembro de:"};
        QCOMPARE(record->facts.size(), 12);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(record->facts[i].label, labels[i]);
            QVERIFY(!record->facts[i].value.isEmpty());
            QVERIFY(record->facts[i].background.isValid() && record->facts[i].foreground.isValid());
            QCOMPARE(record->facts[i].note.isEmpty(), !(page == "FrmInfoArgentina" && i == 5));
        }
        QCOMPARE(record->players.size(), 3);
        QVERIFY(!record->origin.isEmpty() && record->origin.size() <= 3);
        QVERIFY(record->titles.isEmpty() != record->best.isEmpty());
        QVERIFY(QFile::exists(ReferenceData::picture(QString("maps/%1.svg").arg(record->key))));
        QVERIFY(QFile::exists(ReferenceData::picture(QString("arms/%1.svg").arg(record->key))));

        TempDataFolder folder;
        auto *directory = new TeamDirectory;
        Navigation::openModal(directory);
        auto *b = child<PictureButton>(directory, button);
        QCOMPARE(b->text(), QString());
        QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(b, Qt::LeftButton);
        QWidget *opened = openScreen(page);
        QVERIFY(opened);
        QCOMPARE(opened->windowTitle(),
                 QString("Torvelo Alemania 2006- Información de %1 - Resolucion Optima 800 x 600").arg(captionName));
        QCOMPARE(opened->windowModality(), Qt::ApplicationModal);
        QCOMPARE(text(opened, "LabelDato_5"), headOfState);
        QAction *exit = opened->findChild<QAction *>(page == "FrmInfoHolanda" ? "Salr" : "Salir");
        QVERIFY(exit);
        QCOMPARE(exit->text(), QString("Salir"));
        exit->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!openScreen(page));
        QTRY_COMPARE(QApplication::activeWindow(), directory);
    }

    void directoryGridAndLogo()
    {
        TeamDirectory directory;
        QCOMPARE(directory.windowTitle(),
                 QString("Torvelo Alemania 2006- Información de los Equipos Clasificados - Resolucion Optima 800 x 600"));
        QCOMPARE(directory.findChildren<PictureButton *>().size(), 32);
        // Row 3 keeps columns 3 to 5 for the logo, which is a picture and opens nothing.
        QWidget *logo = child<QWidget>(&directory, "Image1");
        QVERIFY(!qobject_cast<QAbstractButton *>(logo));
        QWidget *holanda = child<QWidget>(&directory, "Command30");
        QWidget *inglaterra = child<QWidget>(&directory, "Command31");
        QCOMPARE(holanda->y(), inglaterra->y());
        QVERIFY(logo->geometry().left() > holanda->geometry().right());
        QVERIFY(logo->geometry().right() < inglaterra->geometry().left());
        directory.show();
        QTest::mouseClick(logo, Qt::LeftButton);
        QCOMPARE(visibleScreens(), 1);
    }

    // Every featured player's name shows whole under the photo: every line at its full
    // height, descenders included, and no word wider than its label.
    void playerNamesShowWhole_data()
    {
        QTest::addColumn<QString>("page");
        for (const TeamRecord &r : ReferenceData::teams())
            QTest::newRow(qPrintable(r.page)) << r.page;
    }
    void playerNamesShowWhole()
    {
        QFETCH(QString, page);
        TeamInfoPage screen(*ReferenceData::team(page));
        for (int i = 1; i <= 3; ++i) {
            auto *name = child<QLabel>(&screen, QString("LabelFigura_%1").arg(i));
            QVERIFY(name);
            const QFontMetrics fm(name->font());
            QVERIFY2(name->heightForWidth(name->width()) <= name->height(), qPrintable(name->text()));
            const QRect needed = fm.boundingRect(QRect(0, 0, name->width(), 1000), Qt::AlignHCenter | Qt::TextWordWrap, name->text());
            QVERIFY2(needed.height() <= name->height(), qPrintable(name->text()));
            for (const QString &word : name->text().split(' '))
                QVERIFY2(fm.horizontalAdvance(word) <= name->width(), qPrintable(word));
            QVERIFY(name->geometry().bottom() < screen.surface()->height());
            QVERIFY(name->geometry().top() > child<QWidget>(&screen, QString("ImageFigura_%1").arg(i))->geometry().bottom());
        }
        // The other texts of the page show whole too: the name's origin, and every fact.
        auto *origin = child<QLabel>(&screen, "LabelOrigen");
        QVERIFY2(origin->heightForWidth(origin->width()) <= origin->height(), qPrintable(origin->text().left(40)));
        for (QLabel *cell : screen.findChildren<QLabel *>()) {
            if ((cell->objectName().startsWith("LabelDato_") || cell->objectName().startsWith("LabelValor_")) &&
                cell->textFormat() != Qt::RichText)
                QVERIFY2(QFontMetrics(cell->font()).horizontalAdvance(cell->text()) <= cell->width(), qPrintable(cell->text()));
        }
    }

    // The 32 names under the flags share one size, and each fits its button.
    void directoryNamesShareOneSize()
    {
        TeamDirectory directory;
        directory.show();
        const QList<PictureButton *> buttons = directory.findChildren<PictureButton *>();
        for (PictureButton *b : buttons) {
            QCOMPARE(b->pictureTextFont().pointSizeF(), buttons[0]->pictureTextFont().pointSizeF());
            QVERIFY2(b->fittingTextSize() >= b->pictureTextFont().pointSizeF(), qPrintable(b->pictureText()));
        }
        QVERIFY(buttons[0]->pictureTextFont().pointSizeF() >= 8);
    }

    void theTwoPagesGivenInFull()
    {
        TeamInfoPage alemania(*ReferenceData::team("FrmInfoAlemania"));
        QCOMPARE(text(&alemania, "LabelValor_1"), QString("Bundesrepublik Deutschland"));
        QCOMPARE(text(&alemania, "LabelValor_4"), QString("República Federal Parlamentaria"));
        QCOMPARE(text(&alemania, "LabelValor_6"), QString("357.021 km²"));
        QCOMPARE(text(&alemania, "LabelValor_12"), QString("UE - ONU - OTAN - G-8"));
        const TeamRecord &a = *ReferenceData::team("FrmInfoAlemania");
        const QColor colours[3][2] = {{"#000000", "#FF0000"}, {"#C00000", "#FFFF00"}, {"#FFFF00", "#000000"}};
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(a.facts[i].background, colours[i % 3][0]);
            QCOMPARE(a.facts[i].foreground, colours[i % 3][1]);
        }
        QCOMPARE(a.origin.join(" "),
                 QString("Alemania significa \"tierra de los alamanes\" -no es lo mismo que alemanes-, en referencia a uno "
                         "de los pueblos bárbaros que cruzaron el río Rin e invadieron la Galia romana durante el siglo V"));
        QCOMPARE(a.titles, (QList<int>{1954, 1974, 1990}));
        // Titles up to 1970 show the first trophy, later ones the present trophy.
        QCOMPARE(child<ArtView>(&alemania, "ImageCopa_1")->resource(), QString(":/art/trophy-classic.svg"));
        QCOMPARE(child<ArtView>(&alemania, "ImageCopa_2")->resource(), QString(":/art/trophy-modern.svg"));
        QCOMPARE(text(&alemania, "LabelAnio_3"), QString("1990"));

        const TeamRecord &s = *ReferenceData::team("FrmInfoArabia");
        for (const TeamFact &f : s.facts) {
            QCOMPARE(f.background, QColor("#008000"));
            QCOMPARE(f.foreground, QColor("#FFFFFF"));
        }
        QCOMPARE(s.facts[0].value, QString("Reino de Arabia Saudita"));
        QCOMPARE(s.facts[11].value, QString("Liga Árabe - OPEP - ONU"));
        QCOMPARE(s.origin.join(" "),
                 QString("Su origen etimológico esta compuesto por la casa de Saud (la mas poderosa tras la unificación de "
                         "1932) y la palabra arabia que hace referencia a noble en la lengua semítica."));
        TeamInfoPage arabia(s);
        QCOMPARE(text(&arabia, "LabelPosicion_1"), QString("Octavos de Final"));
        QCOMPARE(text(&arabia, "LabelPosicion_2"), QString("1994"));
        QCOMPARE(child<QLabel>(&arabia, "LabelPosicion_1")->font().pointSizeF(), 18.0);
        QCOMPARE(child<QLabel>(&arabia, "LabelPosicion_2")->font().pointSizeF(), 24.0);

        const TeamRecord &arg = *ReferenceData::team("FrmInfoArgentina");
        QCOMPARE(arg.facts[5].note, QString("(Incluye la Antártida )"));
        QCOMPARE(ReferenceData::team("FrmInfoAngola")->best[1].text, QString("en la Copa"));
        QCOMPARE(ReferenceData::team("FrmInfoTunez")->best[1].text, QString("1978 - 1998  2002"));
        QCOMPARE(ReferenceData::team("FrmInfoInglaterra")->titles, QList<int>{1966});
        QCOMPARE(ReferenceData::team("FrmInfoFrancia")->titles, QList<int>{1998});
        QVERIFY(ReferenceData::team("FrmInfoSuecia")->separators);
    }
};

QTEST_MAIN(TeamPagesTest)
#include "tst_teampages.moc"
