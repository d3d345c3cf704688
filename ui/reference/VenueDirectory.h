#pragma once
// The layout the stadium and host-city directories share: banner, a map of Germany
// with the twelve places, the red title, three buttons twice beside the map and six
// under it.

#include "Screen.h"

#include <QFont>
#include <QRectF>
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

    // How the map of Germany is drawn in a widget of size `widget`: the picture's place,
    // the names (key and text pairs) in their boxes, and the twelve marks.
    static QFont mapFont();
    static QRect mapPicture(const QSize &widget);
    static QList<std::pair<QRectF, QString>> mapLabels(const QList<std::pair<QString, QString>> &labels,
                                                       const QSize &widget);
    static QList<QRectF> mapMarks(const QSize &widget);
    // This directory's names as its map shows them, in the map's coordinates.
    QList<std::pair<QRectF, QString>> mapLabels() const;

private:
    QList<std::pair<QString, QString>> m_mapLabels;
};
