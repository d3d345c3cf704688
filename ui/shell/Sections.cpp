#include "Sections.h"

namespace Sections {
Factory teams() { return nullptr; }
Factory stadiums() { return nullptr; }
Factory cities() { return nullptr; }
Factory history() { return nullptr; }
} // namespace Sections
