#include "Navigation.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace {

// Gives the keyboard back to the screen beneath as soon as the one on top closes,
// whatever the window manager does, and to the control that opened it: a keyboard
// user goes on from where they were.
class ReturnFocus final : public QObject {
public:
    ReturnFocus(QWidget *screen, QWidget *beneath)
        : QObject(screen), m_beneath(beneath), m_opener(beneath->focusWidget())
    {
        setObjectName(QStringLiteral("ReturnFocus"));
        screen->installEventFilter(this);
    }
    QWidget *beneath() const { return m_beneath; }
    QWidget *opener() const { return m_opener; }
    // The screen closes with another already in its place: that one keeps the keyboard.
    void disarm() { m_armed = false; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && m_armed && m_beneath && m_beneath->isVisible()) {
            if (m_opener && m_opener->window() == m_beneath && m_opener->isVisible() && m_opener->isEnabled())
                m_opener->setFocus(Qt::ActiveWindowFocusReason);
            m_beneath->activateWindow();
            m_beneath->raise();
        }
        return false;
    }

private:
    QPointer<QWidget> m_beneath;
    QPointer<QWidget> m_opener;
    bool m_armed = true;
};

ReturnFocus *linkOf(QWidget *screen)
{
    return screen ? screen->findChild<ReturnFocus *>(QStringLiteral("ReturnFocus"), Qt::FindDirectChildrenOnly) : nullptr;
}

QWidget *screenOnTop()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

} // namespace

namespace Navigation {

void centre(QWidget *screen)
{
    // Screens with a fixed surface know their size from it; others were sized by hand.
    screen->adjustSize();
    if (const QSize hint = screen->sizeHint(); hint.isValid())
        screen->setFixedSize(hint);
    if (QScreen *desk = QApplication::primaryScreen()) {
        const QRect area = desk->availableGeometry();
        screen->move(area.center() - QPoint(screen->width() / 2, screen->height() / 2));
    }
}

QWidget *beneathOf(QWidget *screen)
{
    auto *link = linkOf(screen);
    return link ? link->beneath() : nullptr;
}

QWidget *openerOf(QWidget *screen)
{
    auto *link = linkOf(screen);
    return link ? link->opener() : nullptr;
}

void openModal(QWidget *screen, QWidget *beneath)
{
    if (!beneath)
        beneath = screenOnTop();
    if (beneath && beneath != screen)
        new ReturnFocus(screen, beneath);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->setWindowModality(Qt::ApplicationModal);
    // Nothing on the screen itself says how to leave it without a mouse.
    if (screen->inherits("Screen") && screen->accessibleDescription().isEmpty())
        screen->setAccessibleDescription(QStringLiteral("Escape cierra esta pantalla"));
    centre(screen);
    screen->show();
    screen->activateWindow();
}

void replace(QWidget *current, QWidget *next)
{
    openModal(next, beneathOf(current));
    if (current) {
        if (ReturnFocus *link = linkOf(current))
            link->disarm();
        current->close();
    }
}

void openMain(QWidget *screen)
{
    screen->setAttribute(Qt::WA_DeleteOnClose);
    centre(screen);
    screen->show();
    screen->activateWindow();
}

} // namespace Navigation
