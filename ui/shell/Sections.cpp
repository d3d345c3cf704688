#include "Sections.h"

#include "TeamPages.h"

namespace Sections {
Factory teams()
{
    return [] { return static_cast<QWidget *>(new TeamDirectory); };
}
Factory stadiums() { return nullptr; }
Factory cities() { return nullptr; }
Factory history() { return nullptr; }
} // namespace Sections
