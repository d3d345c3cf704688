#pragma once
// The twelve stadiums and the twelve host cities: their directories and pages.

#include "Screen.h"

struct CityRecord;
struct StadiumRecord;
class VenueDirectory;

namespace VenuePages {
VenueDirectory *stadiumDirectory();  // FrmEstadios
VenueDirectory *cityDirectory();     // Frmciudades
} // namespace VenuePages

class StadiumPage : public Screen {
    Q_OBJECT
public:
    explicit StadiumPage(const StadiumRecord &record, QWidget *parent = nullptr);
    static QString caption(const QString &captionName)
    {
        return QStringLiteral("Torvelo Alemania 2006 - Detalles %1 - Resolucion Optima 800 x 600").arg(captionName);
    }
    // The three links; each returns the page it opened.
    QWidget *goPrevious();
    QWidget *goNext();
    QWidget *goCity();

private:
    QWidget *replaceBy(const QString &stadiumPage);
    void addLink(const QString &name, const QString &caption, const QString &picture, const QRect &geometry,
                 QWidget *(StadiumPage::*go)());

    const StadiumRecord &m_record;
};

class CityPage : public Screen {
    Q_OBJECT
public:
    explicit CityPage(const CityRecord &record, QWidget *parent = nullptr);
    static QString caption(const QString &captionName)
    {
        return QStringLiteral("Torvelo Alemania 2006 - Detalles Ciudad de %1 - Resolucion Optima 800 x 600").arg(captionName);
    }
    QWidget *openSources();
};
