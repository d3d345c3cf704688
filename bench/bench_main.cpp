// Times the engine's replays and the screens' openings; prints figures, asserts nothing.
// Usage: torvelo_bench [word]   only the figures whose names contain the word.

#include "BracketBoard.h"
#include "DataFolder.h"
#include "FinalsBoard.h"
#include "GroupFile.h"
#include "GroupSheet.h"

#include "Fonts.h"
#include "BracketScreen.h"
#include "FinalsScreen.h"
#include "GroupScreen.h"
#include "Program.h"
#include "Splash.h"
#include "Notifier.h"

#include <QApplication>
#include <QProcess>
#include <algorithm>
#include <vector>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <functional>

void benchWallchart(const std::function<void(const char *, int, const std::function<void()> &)> &report);

namespace {

QByteArray g_only;

bool wanted(const char *what) { return g_only.isEmpty() || QByteArray(what).contains(g_only); }

void report(const char *what, int runs, const std::function<void()> &op)
{
    if (!wanted(what))
        return;
    op();  // warm up
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        op();
    const double us = double(timer.nsecsElapsed()) / 1000.0 / runs;
    std::printf("%-45s %10.1f us/op  (%d runs)\n", what, us, runs);
}

// Builds a screen, shows it and paints it once, then closes it.
void openAndPaint(const std::function<QWidget *()> &make)
{
    QWidget *screen = make();
    screen->show();
    screen->repaint();
    screen->close();
    delete screen;
}

// The processor time this thread has used, in ns: on a busy machine it says what the
// work costs, where the time on the clock also counts the waits for other programs.
qint64 threadCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// The opening (built, replayed, shown and painted) and the closing (files saved,
// destroyed) timed apart: a closing's saves wait for the disk, an opening does not.
void reportOpenAndClose(const char *opening, const char *closing, int runs, const std::function<QWidget *()> &make)
{
    if (!wanted(opening) && !wanted(closing))
        return;
    openAndPaint(make);  // warm up
    qint64 open = 0, close = 0, openCpu = 0;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        const qint64 cpu = threadCpuNs();
        timer.start();
        QWidget *screen = make();
        screen->show();
        screen->repaint();
        open += timer.nsecsElapsed();
        openCpu += threadCpuNs() - cpu;
        timer.start();
        screen->close();
        delete screen;
        close += timer.nsecsElapsed();
    }
    std::printf("%-45s %10.1f us/op  (%d runs; %.1f us of processor time)\n", opening, open / 1000.0 / runs, runs,
                openCpu / 1000.0 / runs);
    std::printf("%-45s %10.1f us/op  (%d runs)\n", closing, close / 1000.0 / runs, runs);
}

// Offscreen windows cannot pass size hints on, and Qt says so at every fixed-size
// window shown, hundreds of times; nor is there a session's runtime folder when the
// bench runs as root. Neither says anything about the figures, which they would bury.
QtMessageHandler g_defaultHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints")) ||
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    g_defaultHandler(type, context, message);
}

class SilentNotifier final : public Notifier {
public:
    void showMessage(const QString &, const QString &) override {}
    void saveFailed(const QString &, const QString &) override {}
};

// The program's own start-up, in a child process that reports its first painted splash frame.
int splashChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    Fonts::install();
    struct FirstPaint : QObject {
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (qEnvironmentVariableIsSet("TORVELO_BENCH_TRACE"))
                std::fprintf(stderr, "event %d\n", int(e->type()));
            if (e->type() == QEvent::Paint) {
                std::printf("painted\n");
                std::fflush(stdout);
                std::_Exit(0);
            }
            return false;
        }
    } filter;
    Splash *splash = Program::start();
    splash->installEventFilter(&filter);
    return app.exec();
}

void timeSplash(const char *self)
{
    std::vector<double> runs;
    for (int i = 0; i < 7; ++i) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(QString::fromLocal8Bit(self), {QStringLiteral("--splash-child")});
        child.waitForReadyRead(10000);
        runs.push_back(timer.nsecsElapsed() / 1e6);
        child.waitForFinished(10000);
    }
    std::sort(runs.begin(), runs.end());
    std::printf("%-45s %10.1f ms    (median of %zu starts; goal under 150 ms)\n",
                "process start to first painted splash frame", runs[runs.size() / 2], runs.size());
}

void writeSampleTournament()
{
    const char *scores[] = {"2", "1", "0", "0", "1", "1", "3", "2", "0", "4", "2", "2"};
    for (char g : QByteArrayLiteral("ABCDEFGH")) {
        GroupSheet sheet(g);
        for (int i = 0; i < 12; ++i)
            sheet.setCell(i, QString::fromLatin1(scores[i]));
        GroupFile::SaveGroupFile(sheet);
    }
    QStringList oct, te, pen;
    for (int k = 0; k < 8; ++k) {
        oct << "1" << "1";
        te << "0" << "0";
        pen << "4" << "3";
    }
    DataFolder::writeLines("torveloOct.txt", oct);
    DataFolder::writeLines("torveloTEOct.txt", te);
    DataFolder::writeLines("torveloPENOct.txt", pen);
    DataFolder::writeLines("torvelocuar.txt", {"2", "1", "0", "1", "3", "3", "1", "0"});
    DataFolder::writeLines("torveloTEcuar.txt", {"*", "*", "*", "*", "1", "0", "*", "*"});
    DataFolder::writeLines("torveloPENcuar.txt", QStringList(8, "*"));
    DataFolder::writeLines("torvelofinal.txt", {"1", "0", "2", "2", "*", "*", "1", "0", "*", "*", "*", "*",
                                               "3", "1", "0", "0", "*", "*", "1", "1", "*", "*", "5", "4"});
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--splash-child")
        return splashChild(argc, argv);
    g_defaultHandler = qInstallMessageHandler(quietHandler);
    if (argc > 1)
        g_only = argv[1];
    QApplication app(argc, argv);
    Fonts::install();
    SilentNotifier silent;
    Notifier::install(&silent);
    QTemporaryDir dir;
    DataFolder::setPath(dir.path());
    writeSampleTournament();

    report("group load (12 lines replayed)", 2000, [] {
        GroupFile::LoadGroupFile(GroupSheet::of('A'));
    });
    report("group save", 500, [] { GroupFile::SaveGroupFile(GroupSheet::of('A')); });
    report("bracket replay (seeding + six files)", 500, [] {
        BracketBoard board;
        board.open();
    });
    QStringList semis;
    {
        BracketBoard board;
        board.open();
        semis = board.semifinalists();
    }
    report("finals replay (24 lines)", 2000, [&] {
        FinalsBoard board;
        board.open(semis);
    });

    if (wanted("wallchart"))
        benchWallchart(report);

    if (wanted("group screen opened and painted")) {
        QElapsedTimer first;
        first.start();
        openAndPaint([] { return new GroupScreen('B'); });
        std::printf("%-45s %10.1f us     (first opening, pictures not cached yet)\n", "group screen opened and painted",
                    first.nsecsElapsed() / 1000.0);
    }
    report("group screen opened and painted (repeated)", 200, [] { openAndPaint([] { return new GroupScreen('A'); }); });
    reportOpenAndClose("bracket screen opened with a full replay, painted", "bracket screen closed (six files saved)", 100,
                       [] { return new BracketScreen; });
    report("finals screen opened with a full file and painted", 100,
           [&] { openAndPaint([&] { return new FinalsScreen(semis); }); });
    if (wanted("splash"))
        timeSplash(argv[0]);
    return 0;
}
