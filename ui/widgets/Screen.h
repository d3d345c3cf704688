#pragma once
// The frame every screen shares: a fixed-size window centred on the desktop, an
// optional menu bar of direct commands, and a drawing surface that tells when the
// pointer rests on its bare background.

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
    // Runs once when the screen closes, however it is closed.
    virtual void unload() {}

private:
    Surface *m_surface;
    bool m_unloaded = false;
};
