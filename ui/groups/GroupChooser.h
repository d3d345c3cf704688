#pragma once
// FrmGrupos: the eight groups, each a button with its four flags.

#include "Screen.h"

class PictureButton;

class GroupChooser : public Screen {
    Q_OBJECT
public:
    explicit GroupChooser(QWidget *parent = nullptr);
    PictureButton *button(char group) const;
    // Opens the group's screen over this one and returns it.
    QWidget *openGroup(char group);
};
