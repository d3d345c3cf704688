#include "AccessibleNames.h"

#include "TournamentData.h"

#include <QWidget>

namespace {

// A name is read as a sentence: an undecided team or a round opens with a capital.
QString capitalised(const QString &text)
{
    return text.isEmpty() ? text : text.left(1).toUpper() + text.mid(1);
}

} // namespace

namespace AccessibleNames {

QString undecided(const QString &origin)
{
    return origin.isEmpty() ? QStringLiteral("sin definir") : QStringLiteral("sin definir (%1)").arg(origin);
}

QString team(const QString &shown, const QString &origin)
{
    // A name of blanks looks empty on screen and must sound empty too.
    return shown.trimmed().isEmpty() ? undecided(origin) : shown;
}

QString when(const QString &dateTime, const QString &venue) { return QStringLiteral("%1, %2").arg(dateTime, venue); }

QString groupScore(const QString &team, const QString &opponent, int match)
{
    return QStringLiteral("%1, goles ante %2, partido %3").arg(team, opponent).arg(match);
}

QString groupClock(int match, const QString &home, const QString &away)
{
    return QStringLiteral("Partido %1: %2 ante %3").arg(match).arg(home, away);
}

QString tableColumn(int stat)
{
    static const char *const columns[] = {"partidos jugados", "ganados",           "empatados",          "perdidos",
                                          "goles a favor",    "goles en contra",   "diferencia de gol", "puntos"};
    return stat >= 0 && stat < 8 ? QString::fromLatin1(columns[stat]) : QString();
}

QString tableFigure(const QString &team, int stat, const QString &value)
{
    // A label's name takes the place of its text: the figure itself must be in it.
    return QStringLiteral("%1, %2: %3").arg(team, tableColumn(stat), value);
}

QString tableRow(int place, const QString &team) { return QStringLiteral("Puesto %1: %2").arg(place).arg(team); }

QString scoreKind(int kind)
{
    switch (kind) {
    case 0: return QStringLiteral("tiempo reglamentario");
    case 1: return QStringLiteral("alargue");
    default: return QStringLiteral("penales");
    }
}

QString knockoutScore(const QString &team, const QString &opponent, const QString &match, int kind)
{
    return QStringLiteral("%1, goles ante %2, %3, %4").arg(capitalised(team), opponent, match, scoreKind(kind));
}

QString knockoutClock(const QString &match, const QString &first, const QString &second)
{
    return QStringLiteral("%1: %2 ante %3").arg(capitalised(match), first, second);
}

QString slot(const QString &role, const QString &team) { return QStringLiteral("%1: %2").arg(role, team); }

QString flag(const QString &flagKey)
{
    if (flagKey.isEmpty())
        return QStringLiteral("Bandera: sin definir");
    for (const TeamEntry &t : TournamentData::teams()) {
        if (t.flagKey == flagKey)
            return QStringLiteral("Bandera de %1").arg(t.groupScreenName);
    }
    return QStringLiteral("Bandera");
}

QString panelDate(const QString &text)
{
    return QStringLiteral("Fecha: %1").arg(text.isEmpty() ? QStringLiteral("sin partido elegido") : text);
}

QString panelVenue(const QString &text)
{
    return QStringLiteral("Lugar: %1").arg(text.isEmpty() ? QStringLiteral("sin partido elegido") : text);
}

QString prose(const QStringList &paragraphs)
{
    const QString first = paragraphs.isEmpty() ? QString() : paragraphs.first().simplified();
    constexpr int kOpening = 60;
    if (first.size() <= kOpening)
        return QStringLiteral("Texto: %1").arg(first);
    // Cut at a word, never inside one.
    int cut = first.lastIndexOf(QLatin1Char(' '), kOpening);
    if (cut <= 0)
        cut = kOpening;
    return QStringLiteral("Texto: %1…").arg(first.left(cut));
}

void set(QWidget *widget, const QString &name, const QString &description)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

} // namespace AccessibleNames
