#pragma once
// FrmGrupoyLlave: the way into the tournament, the groups or the bracket.

#include "Screen.h"

class PictureButton;

class StageChooser : public Screen {
    Q_OBJECT
public:
    explicit StageChooser(QWidget *parent = nullptr);
    QWidget *openGroups();
    QWidget *openBracket();
};
