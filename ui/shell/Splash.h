#pragma once
// frmSplash: six seconds of title, while twelve squares fill in from left to right;
// then it closes and the main menu opens. It takes no input.

#include <QElapsedTimer>
#include <QWidget>
#include <functional>

class QTimer;

class Splash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kStepMs = 400;      // one square every 400 ms
    static constexpr int kSquares = 12;      // complete at 4.8 s
    static constexpr int kCloseMs = 6000;    // then the main menu

    // `openMain` is called once the splash has closed.
    explicit Splash(std::function<void()> openMain, QWidget *parent = nullptr);

    // Milliseconds since the splash was first shown. The real clock is read when the
    // timer fires; tests put their own in its place.
    using Clock = std::function<qint64()>;
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // Starts the sequence; it then runs on its own, keeping time by the clock.
    void start();
    // Brings the sequence to the clock's time and arms the timer for the next step.
    void tick();
    // Brings the sequence to `ms` after the first show; tick() calls it, tests may too.
    void advanceTo(int ms);
    int elapsed() const { return m_elapsed; }
    int squaresShown() const;
    // The wait, in ms, the timer was last armed with; -1 while none is armed.
    int armedWait() const;
    // When the next square or the hand-over is due, in ms after the first show; -1 when done.
    int nextStepDue() const;

    static QColor squareColour(int index);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void build();
    void finish();

    std::function<void()> m_openMain;
    QElapsedTimer m_sinceShown;
    Clock m_clock;
    QTimer *m_timer = nullptr;
    int m_elapsed = 0;
    bool m_finished = false;
};
