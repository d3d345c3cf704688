#pragma once
// Frminicio: the program's main window; every section is reached from here.

#include "Screen.h"

#include <functional>

class PictureButton;

class MainMenu : public Screen {
    Q_OBJECT
public:
    explicit MainMenu(QWidget *parent = nullptr);

    PictureButton *button(const QString &name) const;
    static QString caption()
    {
        return QStringLiteral("Torvelo Alemania 2006- Pantalla de Inicio - Resolucion Optima 800 x 600");
    }

    // Each opens its screen modally over the main menu and returns it.
    static QWidget *openAbout();
    static QWidget *openCredits();

private:
    PictureButton *addButton(const QString &name, const QString &picture, const QString &word, int column, int row,
                             std::function<QWidget *()> open);
    void paintBackground(QPainter &p) const;
};
