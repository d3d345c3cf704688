// Every screen in every state the screenshot catalogue knows, looked over for what a
// user would see wrong: cut texts, lines through scores, flags and names, controls out
// of their window, texts over texts, prose that scrolls. CTest runs it at scale 1 and
// at scale 1.5.

#include "GuiSupport.h"
#include "LayoutInspector.h"
#include "SampleData.h"
#include "ScreenCatalog.h"
#include "TestSupport.h"

#include <QPointer>
#include <QTest>
#include <algorithm>

namespace {

// Flaws known and not yet mended, each with the reason it is still there (none today).
// Each entry must still fail: once fixed, the test reports it and the entry has to go.
struct KnownFlaw {
    const char *screen;  // catalogue entry
    const char *widget;
    const char *kind;
    const char *scale;   // nullptr: at every scale
    const char *why;
};

const KnownFlaw kKnownFlaws[] = {
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

QString currentScale()
{
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    return scale.isEmpty() ? QStringLiteral("1") : QString::fromLatin1(scale);
}

bool matches(const KnownFlaw &k, const QString &screen, const LayoutFlaw *flaw)
{
    if (!k.screen || screen != QLatin1String(k.screen) || (k.scale && currentScale() != QLatin1String(k.scale)))
        return false;
    return !flaw || (flaw->widget == QLatin1String(k.widget) && flaw->kind == QLatin1String(k.kind));
}

// The offscreen platform says this for every fixed-size window shown: noise here.
QtMessageHandler s_testHandler = nullptr;
void quiet(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support propagateSizeHints")))
        s_testHandler(type, context, message);
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        s_testHandler = qInstallMessageHandler(quiet);
        Fonts::install();
        m_shots = ScreenCatalog::all();
        QVERIFY(!m_shots.empty());
    }

    void everyScreen_data()
    {
        QTest::addColumn<int>("shot");
        for (int i = 0; i < int(m_shots.size()); ++i)
            QTest::newRow(qPrintable(m_shots[i].name)) << i;
    }

    void everyScreen()
    {
        QFETCH(int, shot);
        const ScreenShot &s = m_shots[shot];
        SampleData::prepare(s.sample);
        QWidget *screen = s.make();
        screen->setAttribute(Qt::WA_DeleteOnClose);
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen));
        if (s.afterShow)
            s.afterShow(screen);
        QCoreApplication::processEvents();
        QList<LayoutFlaw> flaws = LayoutInspector::inspect(screen);
        // Each clock in turn puts its match's date and venue up: the longest of them must fit too.
        for (ClockIcon *clock : screen->findChildren<ClockIcon *>()) {
            emit clock->hovered(clock->index());
            for (LayoutFlaw f : LayoutInspector::inspect(screen)) {
                const bool known = std::any_of(flaws.cbegin(), flaws.cend(), [&f](const LayoutFlaw &g) {
                    return g.widget == f.widget && g.kind == f.kind;
                });
                if (!known) {
                    f.detail += QStringLiteral(" (with %1 hovered)").arg(clock->objectName());
                    flaws << f;
                }
            }
        }
        const QString window = screen->objectName();
        m_pixelRatio = screen->devicePixelRatioF();
        // The splash refuses to be closed before its time: what stays open goes here.
        QPointer<QWidget> left(screen);
        screen->close();
        settle();
        delete left.data();

        const QString where = QStringLiteral("screen %1 (%2) at scale %3: ").arg(window, s.name, currentScale());
        QCOMPARE(m_pixelRatio, currentScale().toDouble());
        QStringList unexpected;
        QList<const KnownFlaw *> seen;
        for (const LayoutFlaw &f : flaws) {
            const QString text = where + QStringLiteral("%1 %2: %3").arg(f.widget, f.kind, f.detail);
            const KnownFlaw *known = nullptr;
            for (const KnownFlaw &k : kKnownFlaws)
                known = !known && matches(k, s.name, &f) ? &k : known;
            if (!known) {
                unexpected << text;
                continue;
            }
            seen << known;
            QEXPECT_FAIL("", known->why, Continue);
            QVERIFY2(false, qPrintable(text));
        }
        for (const KnownFlaw &k : kKnownFlaws) {
            if (matches(k, s.name, nullptr) && !seen.contains(&k))
                unexpected << where + QStringLiteral("%1 %2 is listed as a known flaw but no longer happens: "
                                                     "remove it from kKnownFlaws")
                                          .arg(QLatin1String(k.widget), QLatin1String(k.kind));
        }
        // One line per flaw, then the failure: QtTest would cut a long message short.
        for (const QString &line : std::as_const(unexpected))
            qWarning("%s", qPrintable(line));
        QVERIFY2(unexpected.isEmpty(), qPrintable(QStringLiteral("%1 layout flaw(s), listed above; the first: %2")
                                                      .arg(unexpected.size())
                                                      .arg(unexpected.value(0))));
    }

private:
    RecordingNotifier m_notifier;
    TempDataFolder m_data;
    std::vector<ScreenShot> m_shots;
    qreal m_pixelRatio = 1;
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
