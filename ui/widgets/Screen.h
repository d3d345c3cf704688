#pragma once
// The frame every screen shares: a fixed-size window centred on the desktop, an
// optional menu bar of direct commands, and a drawing surface that tells when the
// pointer rests on its bare background.

#include "DataFolder.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QMenuBar;

class Surface : public QWidget {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter &)>;
    explicit Surface(QWidget *parent = nullptr);
    void setBackgroundPainter(Painter painter) { m_painter = std::move(painter); }

signals:
    // The pointer moved over the surface itself, not over any control on it.
    void bareMouseMove();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    Painter m_painter;
};

class Screen : public QMainWindow {
    Q_OBJECT
public:
    Screen(const QString &objectName, const QString &caption, QSize clientSize, QWidget *parent = nullptr);

    Surface *surface() const { return m_surface; }
    // A command straight on the menu bar, such as "Salir".
    QAction *addMenuCommand(const QString &objectName, const QString &caption);
    // The menu bar in the program's colours; a screen without commands has none.
    QMenuBar *styledMenuBar();
    // "Salir": closes the screen.
    QAction *addExitCommand(const QString &objectName = QStringLiteral("salir"));

signals:
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Escape closes a screen opened over another, as its close box does.
    void keyPressEvent(QKeyEvent *event) override;
    // Runs when the screen closes, however it is closed: keeps what the screen holds.
    // A failure keeps the screen open unless the user chooses to close without saving.
    virtual SaveOutcome save() { return {}; }
    // Runs once, after a closing has saved (or the user gave up saving).
    virtual void unload() {}

public:
    // While set, nobody is there to answer (the session is ending): a failed save is
    // noted and the screen closes all the same.
    static void setUnattended(bool unattended);

private:
    Surface *m_surface;
    bool m_unloaded = false;
};
