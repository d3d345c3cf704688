#include "ScoreBox.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>

QString ScoreBox::firstLine(const QString &text)
{
    const qsizetype cut = text.indexOf(QRegularExpression(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]")));
    return cut < 0 ? text : text.left(cut);
}

void ScoreBox::pasteFirstLine(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const QString text = firstLine(QGuiApplication::clipboard()->text(mode));
    if (!text.isEmpty() || hasSelectedText())
        insert(text);
}

void ScoreBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteFirstLine();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

QMenu *ScoreBox::contextMenu()
{
    QMenu *menu = createStandardContextMenu();
    // The standard menu's entry is the line edit's own "&Paste", in the user's language.
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator() && action->text().startsWith(QLineEdit::tr("&Paste"))) {
            disconnect(action, &QAction::triggered, this, nullptr);
            action->setObjectName(QStringLiteral("edit-paste"));
            connect(action, &QAction::triggered, this, [this] { pasteFirstLine(); });
        }
    }
    return menu;
}

void ScoreBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = contextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void ScoreBox::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the X selection.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        pasteFirstLine(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void ScoreBox::dropEvent(QDropEvent *event)
{
    const QMimeData *dropped = event->mimeData();
    if (!dropped || !dropped->hasText() || firstLine(dropped->text()) == dropped->text()) {
        QLineEdit::dropEvent(event);
        return;
    }
    QMimeData cut;
    cut.setText(firstLine(dropped->text()));
    QDropEvent trimmed(event->position(), event->possibleActions(), &cut, event->buttons(), event->modifiers(),
                       event->type());
    trimmed.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&trimmed);
    event->setDropAction(trimmed.dropAction());
    event->setAccepted(trimmed.isAccepted());
}
