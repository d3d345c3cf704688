#pragma once
// The reference sections the main menu leads to. A section not part of this build
// has no entry here, and its button stays disabled.

class QWidget;

namespace Sections {
using Factory = QWidget *(*)();
Factory teams();
Factory stadiums();
Factory cities();
Factory history();
} // namespace Sections
