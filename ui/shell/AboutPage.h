#pragma once
// Frmquelmar: who made the program.

#include "Screen.h"

class AboutPage : public Screen {
    Q_OBJECT
public:
    explicit AboutPage(QWidget *parent = nullptr);
    static QString caption() { return QStringLiteral("Acerca de Quelmar Software - Torvelo Alemania 2006"); }
};
