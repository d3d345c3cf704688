#pragma once
// The reference pages' content: records compiled in as JSON resources, read once.

#include <QColor>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>

struct TeamFact {
    QString label;
    QString value;
    QString note;
    QColor background;
    QColor foreground;
};

struct Player {
    QString name;
    QString position;
    int number = 0;
};

struct BestLine {
    QString text;
    qreal size = 18;
    bool bold = false;
};

struct TeamRecord {
    QString key;          // "Alemania", "RepCheca": names the page, the map and the arms
    QString page;         // "FrmInfoAlemania"
    QString team;         // team display name
    QString captionName;
    QString button;
    int row = 0, column = 0;
    QString exitCommand;  // "Salir", or "Salr" on one page
    QList<TeamFact> facts;
    bool separators = false;
    QStringList origin;
    QList<Player> players;
    QColor shirt, shorts, socks, trim;
    QList<int> titles;    // World Cups won, or...
    QList<BestLine> best; // ...the best stage reached
};

struct StadiumRecord {
    QString page, button, captionName, title, writer, buttonLabel;
    QStringList paragraphs;
    QString picture;
    QString previous, next, city;
    bool tallPicture = false;
};

struct CityRecord {
    QString page, button, captionName, title, sources, buttonLabel;
    QStringList paragraphs;
    QString picture;      // wide, for buttons; the page shows the tall one
    QString tallPicture;
    QString stadium;
    QString venueKey;     // its place on the map of Germany
};

struct EditionParagraph {
    QString text;
    QString place;        // "top", "side" or "bottom"
};

struct EditionRecord {
    QString page;         // empty for the 2006 poster, which leads nowhere
    QString button, label, captionName, title, writer;
    int row = 0, column = 0, year = 0;
    QString host;
    QList<EditionParagraph> paragraphs;
    QString photoCaption;
    QString poster, illustration;
};

struct Venue {
    QString key, name;
    QPointF at;           // in the map's own coordinates
};

namespace ReferenceData {

const QList<TeamRecord> &teams();        // in directory order, row by row
const TeamRecord *team(const QString &page);
const QList<StadiumRecord> &stadiums();
const StadiumRecord *stadium(const QString &page);
const QList<CityRecord> &cities();
const CityRecord *city(const QString &page);
const QList<EditionRecord> &editions();  // chronological, the 2006 poster last
const EditionRecord *edition(const QString &page);

const QList<Venue> &venues();
QSizeF venueMapSize();

// ":/reference/<path>"
QString picture(const QString &path);

} // namespace ReferenceData
