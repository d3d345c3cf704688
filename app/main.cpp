#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::fputs("Torvelo: el motor del torneo está listo, pero todavía no hay pantallas.\n", stderr);
    return 0;
}
