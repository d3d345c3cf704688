#pragma once
// FrmInfoEquipos, the 32 qualified teams, and one information page per team.

#include "Screen.h"

struct TeamRecord;
class PictureButton;

class TeamDirectory : public Screen {
    Q_OBJECT
public:
    explicit TeamDirectory(QWidget *parent = nullptr);
    static QString caption()
    {
        return QStringLiteral("Torvelo Alemania 2006- Información de los Equipos Clasificados - Resolucion Optima 800 x 600");
    }
    // Opens the page of the team whose button this is; returns it.
    QWidget *openPage(const QString &page);
};

class TeamInfoPage : public Screen {
    Q_OBJECT
public:
    explicit TeamInfoPage(const TeamRecord &record, QWidget *parent = nullptr);
    static QString caption(const QString &captionName);

private:
    void buildLeftColumn();
    void buildFacts();
    void buildPlayers();
    void buildRightColumn();

    const TeamRecord &m_record;
};
