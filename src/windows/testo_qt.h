#pragma once
// Crossing between the logic's single-byte texts and Qt. Box texts, titles and
// file contents are Latin-1, so every byte a results file holds shows in its
// box and is written back unchanged.

#include <QString>

#include <string>
#include <string_view>

class QWidget;

namespace velaris {

QString testo_qt(std::string_view testo);
std::string testo_std(const QString& testo);

/// The system's decimal separator (the default locale's), for the frequency
/// step in the window titles.
char separatore_decimale_sistema();

/// Places a top-level window in the middle of the available area of its screen.
void centra_sullo_schermo(QWidget* finestra);

} // namespace velaris
