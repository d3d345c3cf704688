#include "MatchInfoPanel.h"

#include "AccessibleNames.h"
#include "TournamentData.h"

#include <QFocusEvent>
#include <QLabel>

MatchInfoPanel::MatchInfoPanel(Backdrop backdrop, QLabel *fecha, QLabel *estadio, QList<QWidget *> backdrops,
                               QObject *parent)
    : QObject(parent), m_backdrop(backdrop), m_fecha(fecha), m_estadio(estadio), m_backdrops(std::move(backdrops))
{
    nameFields();
}

void MatchInfoPanel::nameFields()
{
    // A hidden field keeps its text but shows nothing: it says nothing either.
    AccessibleNames::set(m_fecha, AccessibleNames::panelDate(m_fecha->isHidden() ? QString() : m_fecha->text()));
    AccessibleNames::set(m_estadio, AccessibleNames::panelVenue(m_estadio->isHidden() ? QString() : m_estadio->text()));
}

void MatchInfoPanel::showOnFocus(QWidget *box, std::function<void()> show)
{
    if (!m_focusShows.contains(box)) {
        box->installEventFilter(this);
        connect(box, &QObject::destroyed, this, [this, box] { m_focusShows.remove(box); });
    }
    m_focusShows.insert(box, std::move(show));
}

bool MatchInfoPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Only the user's own moves: focus given back after a message box or on
        // opening leaves the panel as it is.
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason) {
            if (auto show = m_focusShows.value(watched))
                show();
        }
    }
    return QObject::eventFilter(watched, event);
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
    nameFields();
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
    nameFields();
}
