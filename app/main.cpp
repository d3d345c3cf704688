#include "Fonts.h"
#include "StageChooser.h"
#include "MessageBoxes.h"
#include "Navigation.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("torvelo"));
    QApplication::setApplicationDisplayName(MessageBoxes::programName());
    Fonts::install();
    MessageBoxNotifier notifier;
    Notifier::install(&notifier);
    Navigation::openMain(new StageChooser);
    return app.exec();
}
