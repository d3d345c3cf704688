#include "Sections.h"

#include "HistoryPages.h"
#include "TeamPages.h"
#include "VenueDirectory.h"
#include "VenuePages.h"

namespace Sections {
Factory teams()
{
    return [] { return static_cast<QWidget *>(new TeamDirectory); };
}
Factory stadiums()
{
    return [] { return static_cast<QWidget *>(VenuePages::stadiumDirectory()); };
}
Factory cities()
{
    return [] { return static_cast<QWidget *>(VenuePages::cityDirectory()); };
}
Factory history()
{
    return [] { return static_cast<QWidget *>(new HistoryDirectory); };
}
} // namespace Sections
