#pragma once
// One ionogram file to one picture, exactly as the main window draws it.

#include <QImage>
#include <QString>

#include <filesystem>
#include <string>

namespace velaris {

/// The picture of one file, or why there is none.
struct resa_ionogramma {
    QImage immagine;    ///< null when the file is not an ionogram
    std::string errore; ///< one line for the operator when immagine is null
};

/// Reads `file` as the main window does and, when it is accepted, rescales
/// and draws it with white labels: the whole main-window surface (1015 x 721)
/// or, with `solo_grafico`, the plot rectangle with its frame (766 x 602).
/// A missing, rejected or damaged file gives the reason instead; never throws
/// for bad input. Needs a QGuiApplication.
resa_ionogramma rendi_ionogramma(const std::filesystem::path& file, bool solo_grafico);

/// The same, drawn on `superficie` (a main-window surface from
/// crea_superficie, cleared here first) so that a batch reuses one surface per
/// thread. The picture returned shares or copies it: draw the next file only
/// after the picture has been saved.
resa_ionogramma rendi_ionogramma(const std::filesystem::path& file, bool solo_grafico,
                                 QImage& superficie);

/// Writes the picture as PNG to `destinazione` through a temporary file beside
/// it that replaces it only when complete, so that no half picture is ever
/// seen. Pictures can always be drawn again, so they are not forced to disk
/// one by one (a day's batch would wait for the disk 96 times). Safe to call
/// from several threads. Returns the empty text on success, or the reason of
/// the failure.
std::string salva_png(const QImage& immagine, const QString& destinazione);

} // namespace velaris
