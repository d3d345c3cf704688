#pragma once
// FrmHistoria, the posters of every World Cup, and one page per earlier edition.

#include "Screen.h"

struct EditionRecord;

class HistoryDirectory : public Screen {
    Q_OBJECT
public:
    explicit HistoryDirectory(QWidget *parent = nullptr);
    static QString caption()
    {
        return QStringLiteral("Torvelo Alemania 2006- Pantalla de la Historia de los Mundiales - Resolucion Optima 800 x 600");
    }
    QWidget *openPage(const QString &page);
};

class EditionPage : public Screen {
    Q_OBJECT
public:
    explicit EditionPage(const EditionRecord &record, QWidget *parent = nullptr);
    static QString caption(const QString &captionName)
    {
        return QStringLiteral("Torvelo Alemania 2006 - Mundial de %1 - Resolucion Optima 800 x 600").arg(captionName);
    }
    // The message of the 1950 page about the two World Cups that war prevented.
    static QString warTitle();
    static QString warText();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void layOut(const QStringList &top, const QStringList &side, const QStringList &bottom);

    const EditionRecord &m_record;
    bool m_greeted = false;
};
