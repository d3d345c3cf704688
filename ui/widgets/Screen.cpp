#include "Screen.h"

#include "Fonts.h"
#include "Notifier.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>

Surface::Surface(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void Surface::paintEvent(QPaintEvent *)
{
    if (m_painter) {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        m_painter(p);
    }
}

void Surface::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over controls that ignore them arrive here too: only the bare surface counts.
    if (!childAt(event->position().toPoint()))
        emit bareMouseMove();
}

Screen::Screen(const QString &objectName, const QString &caption, QSize clientSize, QWidget *parent)
    : QMainWindow(parent), m_surface(new Surface(this))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    m_surface->setObjectName(objectName + QStringLiteral("_surface"));
    m_surface->setFixedSize(clientSize);
    setCentralWidget(m_surface);
    setFont(Fonts::font(9));
}

QMenuBar *Screen::styledMenuBar()
{
    QMenuBar *bar = menuBar();
    if (!bar->property("torvelo_styled").toBool()) {
        bar->setProperty("torvelo_styled", true);
        bar->setFont(Fonts::font(9));
        bar->setStyleSheet(QStringLiteral(
            "QMenuBar { background: #0A1633; color: #F3CF5A; border-bottom: 1px solid #9A7212; }"
            "QMenuBar::item { padding: 3px 10px; background: transparent; }"
            "QMenuBar::item:selected { background: #1F3F7A; color: #FFFFFF; }"
            "QMenu { background: #13285A; color: #FFFFFF; border: 1px solid #9A7212; }"
            "QMenu::item:selected { background: #1F3F7A; }"));
    }
    return bar;
}

QAction *Screen::addMenuCommand(const QString &objectName, const QString &caption)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(objectName);
    styledMenuBar()->addAction(action);
    return action;
}

QAction *Screen::addExitCommand(const QString &objectName)
{
    QAction *exit = addMenuCommand(objectName, QStringLiteral("Salir"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    return exit;
}

namespace {
bool unattendedClosing = false;
}

void Screen::setUnattended(bool unattended) { unattendedClosing = unattended; }

void Screen::closeEvent(QCloseEvent *event)
{
    if (!m_unloaded) {
        // One question per failed attempt, never one per file: the save is one step.
        for (SaveOutcome outcome = save(); !outcome; outcome = save()) {
            if (unattendedClosing) {
                Notifier::current().noteFailedSave(outcome.fileName, outcome.reason);
                break;
            }
            const SaveChoice choice = Notifier::current().askAfterFailedSave(outcome.fileName, outcome.reason);
            if (choice == SaveChoice::CloseWithoutSaving)
                break;
            if (choice == SaveChoice::KeepOpen) {
                event->ignore();
                return;
            }
        }
        m_unloaded = true;
        unload();
        emit closing();
    }
    event->accept();
}

void Screen::keyPressEvent(QKeyEvent *event)
{
    // Only screens shown over another: the main menu, which ends the program, stays.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && isWindow() &&
        windowModality() != Qt::NonModal) {
        event->accept();
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
