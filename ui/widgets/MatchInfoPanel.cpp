#include "MatchInfoPanel.h"

#include "TournamentData.h"

#include <QLabel>

MatchInfoPanel::MatchInfoPanel(Backdrop backdrop, QLabel *fecha, QLabel *estadio, QList<QWidget *> backdrops,
                               QObject *parent)
    : QObject(parent), m_backdrop(backdrop), m_fecha(fecha), m_estadio(estadio), m_backdrops(std::move(backdrops))
{
}

void MatchInfoPanel::showMatch(const QString &dateTime, const QString &venue)
{
    if (m_backdrop == Backdrop::Frames) {
        // Frame, field, frame, field: each backdrop comes up just before its text.
        for (int i = 0; i < m_backdrops.size(); ++i) {
            m_backdrops[i]->show();
            (i == 0 ? m_fecha : m_estadio)->show();
        }
    }
    m_fecha->show();
    m_estadio->show();
    m_fecha->setText(dateTime);
    m_estadio->setText(venue);
}

void MatchInfoPanel::showKnockoutMatch(bool finals, int clock)
{
    if (const KnockoutMatch *m =
            TournamentData::knockoutMatch(finals ? KnockoutScreen::Finals : KnockoutScreen::Bracket, clock))
        showMatch(m->dateTime, m->venue);
}

void MatchInfoPanel::clear()
{
    if (m_backdrop == Backdrop::SignBoard) {
        m_fecha->clear();
        m_estadio->clear();
    } else {
        m_fecha->hide();
        m_estadio->hide();
    }
}
