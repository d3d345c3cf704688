#pragma once
// frmSplash: six seconds of title, while twelve squares fill in from left to right;
// then it closes and the main menu opens. It takes no input.

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

    // Starts the clock; the sequence then runs on its own.
    void start();
    // Brings the sequence to `ms` after the start; the timer calls it, tests may too.
    void advanceTo(int ms);
    int elapsed() const { return m_elapsed; }
    int squaresShown() const;

    static QColor squareColour(int index);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void build();
    void finish();

    std::function<void()> m_openMain;
    QTimer *m_timer = nullptr;
    int m_elapsed = 0;
    bool m_finished = false;
};
