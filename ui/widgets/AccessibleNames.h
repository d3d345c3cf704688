#pragma once
// What a screen reader says for each control: Spanish names and descriptions built in
// one place, so that every screen words the same things the same way.

#include <QString>
#include <QStringList>

class QWidget;
struct TeamEntry;

namespace AccessibleNames {

// The words for a team that is not known yet, e.g. "sin definir (ganador del partido 1)".
QString undecided(const QString &origin = QString());
// A team as the screen shows it, or `undecided(origin)` while the text is empty.
QString team(const QString &shown, const QString &origin = QString());

// "9 de Junio - 13:00 Hs., Munich"
QString when(const QString &dateTime, const QString &venue);

// "Alemania, goles ante Costa Rica, partido 1"
QString groupScore(const QString &team, const QString &opponent, int match);
// "Partido 1: Alemania ante Costa Rica"
QString groupClock(int match, const QString &home, const QString &away);
// Column `stat` (0 = J .. 7 = Ptos) of the group table: "Alemania, puntos: 3".
QString tableFigure(const QString &team, int stat, const QString &value);
QString tableColumn(int stat);  // "partidos jugados" .. "puntos"
// A table row in its ranked place: "Puesto 1: Alemania".
QString tableRow(int place, const QString &team);

// Regular time, extra time, penalties (0, 1, 2).
QString scoreKind(int kind);
// "Alemania, goles ante Suecia, octavos de final, partido 1, tiempo reglamentario"
QString knockoutScore(const QString &team, const QString &opponent, const QString &match, int kind);
// "Octavos de final, partido 1: Alemania ante Suecia"
QString knockoutClock(const QString &match, const QString &first, const QString &second);
// A name slot: "Campeón: Italia".
QString slot(const QString &role, const QString &team);

// "Bandera de Alemania"; a flag showing nothing says so.
QString flag(const QString &flagKey);

// The date-and-venue fields: "Fecha: 9 de Junio - 13:00 Hs."; "Lugar: sin partido elegido".
QString panelDate(const QString &text);
QString panelVenue(const QString &text);

// A block of page text: its opening words as the name.
QString prose(const QStringList &paragraphs);

// Sets name and description, sending the change only when there is one.
void set(QWidget *widget, const QString &name, const QString &description = QString());

} // namespace AccessibleNames
