#pragma once
// What the windows add to the text conventions of base/codifiche_qt.h: the
// system's decimal separator and the placing of a window.

#include "base/codifiche_qt.h"

class QWidget;

namespace velaris {

/// The system's decimal separator (the default locale's), for the frequency
/// step in the window titles.
char separatore_decimale_sistema();

/// Places a top-level window in the middle of the available area of its screen.
void centra_sullo_schermo(QWidget* finestra);

} // namespace velaris
