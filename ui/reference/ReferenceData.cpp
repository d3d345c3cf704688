#include "ReferenceData.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSizeF>
#include <algorithm>

namespace {

QList<QJsonObject> readAll(const QString &folder)
{
    QList<QJsonObject> out;
    QDir dir(QStringLiteral(":/content/") + folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            out << QJsonDocument::fromJson(f.readAll()).object();
    }
    return out;
}

QStringList strings(const QJsonValue &v)
{
    QStringList out;
    for (const QJsonValue &s : v.toArray())
        out << s.toString();
    return out;
}

QString s(const QJsonObject &o, const char *key) { return o.value(QLatin1String(key)).toString(); }

template <typename T, typename Key>
const T *findBy(const QList<T> &list, const QString &page, Key key)
{
    auto it = std::find_if(list.begin(), list.end(), [&](const T &r) { return r.*key == page; });
    return it == list.end() ? nullptr : &*it;
}

// The city pages and their places on the map of Germany.
const std::pair<const char *, const char *> kVenueOfCity[] = {
    {"FrmHamburg", "Hamburg"},     {"FrmHannover", "Hannover"},       {"FrmGelsenkirchen", "Gelsenkirchen"},
    {"FrmDortmund", "Dortmund"},   {"FrmKoln", "Köln"},               {"FrmFrankfurt", "Frankfurt"},
    {"FrmKaiserslautern", "Kaiserslautern"}, {"FrmBerlin", "Berlin"}, {"FrmLeipzig", "Leipzig"},
    {"FrmNurnberg", "Nürnberg"},   {"FrmStuttgart", "Stuttgart"},     {"FrmMunchen", "München"},
};

} // namespace

namespace ReferenceData {

QString picture(const QString &path) { return QStringLiteral(":/reference/") + path; }

const QList<TeamRecord> &teams()
{
    static const QList<TeamRecord> records = [] {
        QList<TeamRecord> out;
        for (const QJsonObject &o : readAll(QStringLiteral("teams"))) {
            TeamRecord r;
            r.page = s(o, "page");
            r.key = r.page.mid(QStringLiteral("FrmInfo").size());
            r.team = s(o, "team");
            r.captionName = s(o, "captionName");
            r.button = s(o, "button");
            r.row = o.value(QLatin1String("row")).toInt();
            r.column = o.value(QLatin1String("column")).toInt();
            r.exitCommand = s(o, "salir");
            for (const QJsonValue &f : o.value(QLatin1String("facts")).toArray()) {
                const QJsonObject fact = f.toObject();
                r.facts << TeamFact{s(fact, "label"), s(fact, "value"), s(fact, "note"),
                                    QColor(s(fact, "background")), QColor(s(fact, "foreground"))};
            }
            r.separators = o.value(QLatin1String("separators")).toBool();
            r.origin = strings(o.value(QLatin1String("origin")));
            for (const QJsonValue &p : o.value(QLatin1String("players")).toArray()) {
                const QJsonObject player = p.toObject();
                r.players << Player{s(player, "name"), s(player, "position"), player.value(QLatin1String("number")).toInt()};
            }
            const QJsonObject kit = o.value(QLatin1String("kit")).toObject();
            r.shirt = QColor(s(kit, "shirt"));
            r.shorts = QColor(s(kit, "shorts"));
            r.socks = QColor(s(kit, "socks"));
            r.trim = QColor(s(kit, "trim"));
            const QJsonObject best = o.value(QLatin1String("best")).toObject();
            for (const QJsonValue &y : best.value(QLatin1String("titles")).toArray())
                r.titles << y.toInt();
            for (const QJsonValue &l : best.value(QLatin1String("lines")).toArray()) {
                const QJsonObject line = l.toObject();
                r.best << BestLine{s(line, "text"), line.value(QLatin1String("size")).toDouble(18),
                                   line.value(QLatin1String("bold")).toBool()};
            }
            out << r;
        }
        std::sort(out.begin(), out.end(), [](const TeamRecord &a, const TeamRecord &b) {
            return std::pair(a.row, a.column) < std::pair(b.row, b.column);
        });
        return out;
    }();
    return records;
}

const TeamRecord *team(const QString &page) { return findBy(teams(), page, &TeamRecord::page); }

const QList<StadiumRecord> &stadiums()
{
    static const QList<StadiumRecord> records = [] {
        QList<StadiumRecord> out;
        for (const QJsonObject &o : readAll(QStringLiteral("stadiums"))) {
            out << StadiumRecord{s(o, "page"), s(o, "button"), s(o, "captionName"), s(o, "title"), s(o, "writer"),
                                 s(o, "buttonLabel"), strings(o.value(QLatin1String("paragraphs"))), s(o, "picture"),
                                 s(o, "previous"), s(o, "next"), s(o, "city"),
                                 o.value(QLatin1String("tallPicture")).toBool()};
        }
        return out;
    }();
    return records;
}

const StadiumRecord *stadium(const QString &page) { return findBy(stadiums(), page, &StadiumRecord::page); }

const QList<CityRecord> &cities()
{
    static const QList<CityRecord> records = [] {
        QList<CityRecord> out;
        for (const QJsonObject &o : readAll(QStringLiteral("cities"))) {
            CityRecord r{s(o, "page"), s(o, "button"), s(o, "captionName"), s(o, "title"), s(o, "sources"),
                         s(o, "buttonLabel"), strings(o.value(QLatin1String("paragraphs"))), s(o, "picture"),
                         QString(), s(o, "stadium"), QString()};
            r.tallPicture = QString(r.picture).replace(QLatin1String(".svg"), QLatin1String("-tall.svg"));
            for (const auto &[page, venue] : kVenueOfCity) {
                if (r.page == QLatin1String(page))
                    r.venueKey = QString::fromUtf8(venue);
            }
            out << r;
        }
        return out;
    }();
    return records;
}

const CityRecord *city(const QString &page) { return findBy(cities(), page, &CityRecord::page); }

const QList<EditionRecord> &editions()
{
    static const QList<EditionRecord> records = [] {
        QList<EditionRecord> out;
        for (const QJsonObject &o : readAll(QStringLiteral("history"))) {
            EditionRecord r;
            r.page = s(o, "page");
            r.button = s(o, "button");
            r.label = s(o, "label");
            r.captionName = s(o, "captionName");
            r.title = s(o, "title");
            r.writer = s(o, "writer");
            r.row = o.value(QLatin1String("row")).toInt();
            r.column = o.value(QLatin1String("column")).toInt();
            r.year = o.value(QLatin1String("year")).toInt();
            r.host = s(o, "host");
            for (const QJsonValue &p : o.value(QLatin1String("paragraphs")).toArray())
                r.paragraphs << EditionParagraph{s(p.toObject(), "text"), s(p.toObject(), "place")};
            r.photoCaption = s(o, "photoCaption");
            r.poster = s(o, "poster");
            r.illustration = s(o, "illustration");
            out << r;
        }
        std::sort(out.begin(), out.end(), [](const EditionRecord &a, const EditionRecord &b) { return a.year < b.year; });
        return out;
    }();
    return records;
}

const EditionRecord *edition(const QString &page)
{
    return page.isEmpty() ? nullptr : findBy(editions(), page, &EditionRecord::page);
}

const QList<Venue> &venues()
{
    static const QList<Venue> list = [] {
        QList<Venue> out;
        QFile f(picture(QStringLiteral("maps/germany-venues.json")));
        if (f.open(QIODevice::ReadOnly)) {
            for (const QJsonValue &v : QJsonDocument::fromJson(f.readAll()).object().value(QLatin1String("cities")).toArray()) {
                const QJsonObject c = v.toObject();
                out << Venue{s(c, "key"), s(c, "name"),
                             QPointF(c.value(QLatin1String("x")).toDouble(), c.value(QLatin1String("y")).toDouble())};
            }
        }
        return out;
    }();
    return list;
}

QSizeF venueMapSize() { return {420, 520}; }

} // namespace ReferenceData
