// The bracket's drawing holds together in every state the scores can bring: nothing
// lies over a score box, every connector reaches what it joins at both ends, and the
// lines to "Rumbo a la Final" reach the button without crossing a flag.

#include "BracketScreen.h"
#include "GuiSupport.h"
#include "Pictures.h"
#include "TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct Parts {
    QList<QWidget *> boxes, lines, frames, names, flags, clocks;
    QPushButton *button = nullptr;
};

// The visible controls drawn on the screen's surface, by kind.
Parts partsOf(BracketScreen *s)
{
    Parts p;
    p.button = s->finalsButton();
    for (QObject *o : s->surface()->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || !w->isVisible())
            continue;
        const QString n = w->objectName();
        if (qobject_cast<QLineEdit *>(w))
            p.boxes << w;
        else if (n.startsWith("Line"))
            p.lines << w;
        else if (n.startsWith("Shape"))
            p.frames << w;
        else if (n.startsWith("LblOct") || n.startsWith("Lblcuar") || n.startsWith("Lblsemi"))
            p.names << w;
        else if (qobject_cast<ClockIcon *>(w))
            p.clocks << w;
        else if (qobject_cast<FlagView *>(w))
            p.flags << w;
    }
    return p;
}

// The outermost pixel row or column at each end of a line, reaching one pixel beyond it.
std::array<QRect, 2> endsOf(const QRect &r)
{
    if (r.width() >= r.height())
        return {QRect(r.left() - 1, r.top(), 2, r.height()), QRect(r.right(), r.top(), 2, r.height())};
    return {QRect(r.left(), r.top() - 1, r.width(), 2), QRect(r.left(), r.bottom(), r.width(), 2)};
}

bool touches(const QRect &a, const QRect &b) { return a.adjusted(-1, -1, 1, 1).intersects(b); }

} // namespace

class BracketLayoutTest : public QObject {
    Q_OBJECT

    TempDataFolder *m_folder = nullptr;

    BracketScreen *openIn(const QString &state)
    {
        const QStringList none16(16, "*"), none8(8, "*");
        QStringList oct = none16, te = none16, pen = none16, cuar = none8, tecuar = none8, pencuar = none8;
        if (state == "every match to penalties") {
            // Two-digit shoot-outs too: the widest the boxes get.
            oct = QStringList(16, "0");
            te = QStringList(16, "1");
            pen = {"10", "9", "3", "4", "4", "2", "0", "3", "5", "4", "11", "12", "2", "4", "5", "3"};
            cuar = QStringList(8, "2");
            tecuar = QStringList(8, "0");
            pencuar = {"5", "4", "3", "5", "11", "10", "7", "6"};
        } else if (state == "every match in regular time") {
            oct = {"2", "1", "0", "1", "3", "0", "1", "2", "2", "0", "0", "4", "1", "0", "2", "3"};
            cuar = {"1", "0", "2", "3", "0", "1", "4", "2"};
        }
        m_folder->writeLines("torveloOct.txt", oct);
        m_folder->writeLines("torveloTEOct.txt", te);
        m_folder->writeLines("torveloPENOct.txt", pen);
        m_folder->writeLines("torvelocuar.txt", cuar);
        m_folder->writeLines("torveloTEcuar.txt", tecuar);
        m_folder->writeLines("torveloPENcuar.txt", pencuar);
        auto *s = new BracketScreen;
        s->show();
        return s;
    }

private slots:
    void initTestCase() { Fonts::install(); }
    void init()
    {
        m_folder = new TempDataFolder;
        seedGroups(*m_folder);
    }
    void cleanup()
    {
        closeAllScreens();
        delete m_folder;
    }

    void states_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<bool>("button");
        QTest::newRow("seeded, nothing played") << "seeded, nothing played" << 24 << false;
        QTest::newRow("every match in regular time") << "every match in regular time" << 24 << true;
        QTest::newRow("every match to penalties") << "every match to penalties" << 72 << true;
    }

    void nothingLiesOverAScoreBox_data() { states_data(); }
    void nothingLiesOverAScoreBox()
    {
        QFETCH(QString, state);
        QFETCH(int, boxes);
        QFETCH(bool, button);
        RecordingNotifier quiet;
        const Parts p = partsOf(openIn(state));
        QCOMPARE(p.boxes.size(), boxes);
        QCOMPARE(p.button->isVisible(), button);
        QList<QWidget *> others = p.lines + p.frames + p.names + p.flags + p.clocks;
        if (button)
            others << p.button;
        for (QWidget *box : p.boxes) {
            for (QWidget *other : others) {
                if (other->geometry().intersects(box->geometry()))
                    QFAIL(qPrintable(QString("%1 lies over %2").arg(other->objectName(), box->objectName())));
            }
        }
    }

    void connectorsReachWhatTheyJoin_data() { states_data(); }
    void connectorsReachWhatTheyJoin()
    {
        QFETCH(QString, state);
        RecordingNotifier quiet;
        const Parts p = partsOf(openIn(state));
        QList<QWidget *> ends = p.lines + p.frames + p.names;
        if (p.button->isVisible())
            ends << p.button;
        for (QWidget *line : p.lines) {
            for (const QRect &end : endsOf(line->geometry())) {
                bool met = false;
                for (QWidget *other : ends)
                    met = met || (other != line && other->geometry().intersects(end));
                if (!met)
                    QFAIL(qPrintable(QString("an end of %1 reaches nothing").arg(line->objectName())));
            }
            for (QWidget *flag : p.flags) {
                if (line->geometry().intersects(flag->geometry()))
                    QFAIL(qPrintable(QString("%1 crosses %2").arg(line->objectName(), flag->objectName())));
            }
        }
    }

    // Each semi-finalist is joined to the button by Line25 to Line32 alone.
    void semiFinalistsJoinTheButton()
    {
        RecordingNotifier quiet;
        BracketScreen *s = openIn("every match to penalties");
        QVERIFY(s->finalsButton()->isVisible());
        QList<QWidget *> semiLines;
        for (int n = 25; n <= 32; ++n) {
            semiLines << child<QWidget>(s, QString("Line%1").arg(n));
            QVERIFY(semiLines.last()->isVisible());
        }
        for (int semi : {1, 5, 9, 13}) {
            QList<QRect> reached = {child<QWidget>(s, QString("Lblsemi_%1").arg(semi))->geometry()};
            QList<QWidget *> left = semiLines;
            for (bool grew = true; grew;) {
                grew = false;
                for (QWidget *line : QList<QWidget *>(left)) {
                    for (const QRect &r : QList<QRect>(reached)) {
                        if (left.contains(line) && touches(line->geometry(), r)) {
                            reached << line->geometry();
                            left.removeOne(line);
                            grew = true;
                        }
                    }
                }
            }
            bool atButton = false;
            for (const QRect &r : reached)
                atButton = atButton || touches(r, s->finalsButton()->geometry());
            QVERIFY2(atButton, qPrintable(QString("Lblsemi_%1 is not joined to the button").arg(semi)));
        }
    }
};

QTEST_MAIN(BracketLayoutTest)
#include "tst_bracketlayout.moc"
