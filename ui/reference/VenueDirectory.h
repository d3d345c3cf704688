#pragma once
// The layout the stadium and host-city directories share: banner, a map of Germany
// with the twelve places, the red title, three buttons twice beside the map and six
// under it.

#include "Screen.h"

#include <functional>

class PictureButton;

struct VenueButton {
    QString name;        // "Command10"
    QString picture;     // resource
    QString label;       // written under the picture
    QString venueKey;    // its place on the map
    QString mapLabel;    // the name written on the map
    std::function<QWidget *()> open;
};

class VenueDirectory : public Screen {
    Q_OBJECT
public:
    // `buttons`: all twelve, any order; `beside`: the names of the six beside the map, row by
    // row. The other six, Command1 to Command6, stand under it.
    VenueDirectory(const QString &objectName, const QString &caption, const QString &title,
                   const QList<VenueButton> &buttons, const QStringList &beside, QWidget *parent = nullptr);
};
