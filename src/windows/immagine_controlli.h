#pragma once
// The controls of the main window, built once on its menu bar and its plot
// panel: the particular-case and View menus, the table of the sixteen
// characteristics, the check options, the move labels, the companion button,
// the Es types buttons and the read-out above the plot. The boxes are found
// by their control names (caselle_qt); what the window changes later is held
// here.

#include <QColor>

#include <functional>
#include <map>
#include <string>

class QAction;
class QLabel;
class QMainWindow;
class QPushButton;
class QRadioButton;
class QWidget;

namespace velaris {

class etichetta_cliccabile;
class pannello_grafico;

/// Colour of the current characteristic's label.
inline const QColor colore_corrente(255, 0, 0);

struct controlli_immagine {
    /// The characteristics' labels by their key ("foF2").
    std::map<std::string, etichetta_cliccabile*, std::less<>> etichette;
    /// The menu entries (and submenus) by their control names.
    std::map<std::string, QAction*, std::less<>> voci_menu;
    QAction* panoramica = nullptr;              ///< View > Day overview
    QAction* proposte = nullptr;                ///< View > Show proposals (checkable)
    QLabel* lettura_frequenza = nullptr;        ///< Label1
    QLabel* lettura_altezza = nullptr;          ///< Label2
    QLabel* caso_particolare = nullptr;         ///< Label11
    QRadioButton* controllo_si = nullptr;       ///< Option1
    etichetta_cliccabile* prima = nullptr;      ///< "Previous Ionogram (F4)"
    etichetta_cliccabile* successivo = nullptr; ///< "Next Ionogram (F3)"
    QPushButton* mostra_compagna = nullptr;     ///< show_next_ionogram
    QPushButton* es_su = nullptr;               ///< Esup
    QPushButton* es_giu = nullptr;              ///< Esdown
};

/// Builds the menus on `finestra` and everything else on `pannello`.
controlli_immagine crea_controlli_immagine(QMainWindow& finestra, pannello_grafico& pannello);

/// Text colour `testo` on the window background, for a control standing on
/// the plot surface.
void colora(QWidget* controllo, const QColor& testo);

} // namespace velaris
