#pragma once
// FrmFuente: the people behind the program and the source of the host-city facts.

#include "Screen.h"

class CreditsPage : public Screen {
    Q_OBJECT
public:
    explicit CreditsPage(QWidget *parent = nullptr);
    static QString caption()
    {
        return QStringLiteral("Torvelo Alemania 2006 - Fuentes de Información - Resolucion Optima 800 x 600");
    }
};
