#pragma once
// Small builders for the fixed-layout controls the screens are made of.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace Controls {

QLabel *label(QWidget *parent, const QString &objectName, const QString &text, const QRect &geometry,
              const QFont &font, const QColor &color, Qt::Alignment align = Qt::AlignCenter);

// A text box for a score: centred bold digits, a clear focus frame.
QLineEdit *scoreBox(QWidget *parent, const QString &objectName, const QRect &geometry);
QLineEdit *scoreBox(QWidget *parent, const QString &objectName, const QRect &geometry, const QFont &font);

// A titled frame holding one wrapped paragraph in `textColor`.
QGroupBox *noteFrame(QWidget *parent, const QString &frameName, const QString &labelName, const QString &title,
                     const QString &text, const QRect &geometry, const QColor &textColor);

// A filled, rounded rectangle with a border: the frame behind a name or a table row.
QFrame *panel(QWidget *parent, const QString &objectName, const QRect &geometry, const QColor &fill,
              const QColor &border, qreal radius = 3);

// A plain line or thin rectangle that the screen can show and hide by name.
QFrame *line(QWidget *parent, const QString &objectName, const QRect &geometry, const QColor &color);

void setTextColor(QWidget *widget, const QColor &color);
void setBackground(QWidget *widget, const QColor &color);

} // namespace Controls
