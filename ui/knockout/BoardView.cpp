#include "BoardView.h"

#include "KnockoutBoard.h"
#include "Pictures.h"
#include "TournamentData.h"

#include <QLabel>
#include <QLineEdit>

BoardView::BoardView(KnockoutBoard &board, QObject *parent) : QObject(parent), m_board(board) {}

void BoardView::addBox(QLineEdit *box)
{
    const int index = m_board.boxIndex(box->objectName());
    Q_ASSERT(index >= 0);
    m_boxes.insert(index, box);
    box->setVisible(m_board.boxVisible(index));
}

void BoardView::addSlot(QLabel *label, FlagView *flag)
{
    const int index = m_board.slotIndex(label->objectName());
    Q_ASSERT(index >= 0);
    m_slots.insert(index, label);
    m_flags.insert(index, flag);
}

void BoardView::connectBoard()
{
    // First the board as it stands: a screen replays its files before it is shown, and
    // the states the replay passes through are never seen, so they are not drawn.
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it) {
        it.value()->setText(m_board.boxText(it.key()));
        it.value()->setVisible(m_board.boxVisible(it.key()));
    }
    for (auto it = m_slots.cbegin(); it != m_slots.cend(); ++it) {
        it.value()->setText(m_board.slotText(it.key()));
        m_flags.value(it.key())->setFlagKey(m_board.slotFlag(it.key()));
    }
    connect(&m_board, &KnockoutBoard::boxTextChanged, this, [this](int b, const QString &text) {
        if (QLineEdit *box = m_boxes.value(b); box && box->text() != text)
            box->setText(text);
    });
    connect(&m_board, &KnockoutBoard::boxVisibilityChanged, this, [this](int b, bool visible) {
        if (QLineEdit *box = m_boxes.value(b))
            box->setVisible(visible);
    });
    connect(&m_board, &KnockoutBoard::slotTextChanged, this, [this](int s, const QString &text) {
        if (QLabel *label = m_slots.value(s))
            label->setText(text);
    });
    connect(&m_board, &KnockoutBoard::slotFlagChanged, this, [this](int s, const QString &key) {
        if (FlagView *flag = m_flags.value(s))
            flag->setFlagKey(key);
    });
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it) {
        const int index = it.key();
        connect(it.value(), &QLineEdit::textChanged, this,
                [this, index](const QString &text) { m_board.setBoxText(index, text); });
    }
}

QLineEdit *BoardView::box(const QString &name) const { return m_boxes.value(m_board.boxIndex(name)); }

QLabel *BoardView::slotLabel(const QString &name) const { return m_slots.value(m_board.slotIndex(name)); }

FlagView *BoardView::slotFlag(const QString &name) const { return m_flags.value(m_board.slotIndex(name)); }

void BoardView::addFlagStore(QWidget *parent, int y, bool finalsNames)
{
    int x = 0;
    for (const TeamEntry &team : TournamentData::teams()) {
        auto *image = new FlagView(parent);
        const bool serbia = team.flagKey == QLatin1String("SerbiayMont");
        image->setObjectName(finalsNames && serbia ? QStringLiteral("SerbiayMontenegro") : team.flagKey);
        image->setFlagKey(team.flagKey);
        image->setGeometry(x, y, 20, 15);
        image->hide();
        x += 22;
    }
}
