#pragma once
// A score box: one line of text. A paste keeps the pasted text up to its first line
// break, as a single-line box should: a spreadsheet cell copies as "3" and a line
// break, and the box must show, count and save the same "3".

#include <QClipboard>
#include <QLineEdit>

class QMenu;

class ScoreBox : public QLineEdit {
    Q_OBJECT
public:
    explicit ScoreBox(QWidget *parent = nullptr) : QLineEdit(parent) {}

    // The text up to its first line break.
    static QString firstLine(const QString &text);
    // Pastes from the clipboard (or the X selection), first line only.
    void pasteFirstLine(QClipboard::Mode mode = QClipboard::Clipboard);
    // The box's context menu, its "Paste" (named "edit-paste") pasting the first line only.
    QMenu *contextMenu();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};
