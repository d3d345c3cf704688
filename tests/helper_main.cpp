// A second process for the tests that need one.
//   torvelo_testhelper claim       starts as the program does, up to its first screen:
//                                  prints "claimed" (exit 0) or the message shown (exit 3)
//   torvelo_testhelper saveloop D  saves a group, the bracket and the finals in folder D
//                                  over and over, every line of one save holding the same
//                                  value, until it is killed
#include "DataFolder.h"
#include "FileSet.h"
#include "FolderLock.h"
#include "Notifier.h"
#include "Program.h"
#include "StoredFiles.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

namespace {

class PrintingNotifier final : public Notifier {
public:
    void showMessage(const QString &text, const QString &) override { print(text); }
    void saveFailed(const QString &fileName, const QString &reason) override { print(fileName + ": " + reason); }
    static void print(const QString &text)
    {
        std::fputs(text.toUtf8().constData(), stdout);
        std::fputs("\n", stdout);
        std::fflush(stdout);
    }
};

[[noreturn]] void saveLoop(const QString &folder)
{
    DataFolder::setPath(folder);
    StoredFiles group({QStringLiteral("torveloA.txt")});
    StoredFiles bracket({"torveloOct.txt", "torveloTEOct.txt", "torveloPENOct.txt", "torvelocuar.txt",
                         "torveloTEcuar.txt", "torveloPENcuar.txt"});
    StoredFiles finals({QStringLiteral("torvelofinal.txt")});
    for (long n = 0;; ++n) {
        if (n == 1)
            PrintingNotifier::print(QStringLiteral("saved once"));
        const QString value = QStringLiteral("%1-%2").arg(::getpid()).arg(n);
        group.save({QStringList(14, value)});
        QList<QStringList> six;
        for (int i = 0; i < 6; ++i)
            six << QStringList(i < 3 ? 16 : 8, value);
        bracket.save(six);
        finals.save({QStringList(24, value)});
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("saveloop"))
        saveLoop(args.value(2));
    PrintingNotifier notifier;
    Notifier::install(&notifier);
    FolderLock lock;
    if (!Program::claimDataFolder(lock))
        return 3;
    PrintingNotifier::print(QStringLiteral("claimed"));
    return 0;
}
