#pragma once
// The moves of the main window to the previous and the next sounding of the
// day (the labels "Previous Ionogram (F4)" and "Next Ionogram (F3)" and their
// keys), as one sequence over the session, the boxes and the window's view.
//
// Order of the effects: checks, day/night marker (Next), the record of the
// sounding being left, the time step, its particular-case code, the loading
// of the new sounding with the boxes of its record and the previous one,
// "setting.txt". The window then makes foF2 current with the focus in its
// descriptive box. What happens when a step fails is in docs/day.md.

#include "base/porte.h"
#include "ionogram/dati_ionogramma.h"
#include "session/caricamento.h"
#include "session/orario.h"
#include "session/stato_programma.h"

#include <string>
#include <string_view>
#include <vector>

namespace velaris {

inline constexpr std::string_view testo_primo_principale = "This is the first ionogram you can scale";
inline constexpr std::string_view testo_ultimo_principale = "This is the last ionogram you can scale";

/// The main window as a move sees it: what the move works on, and two
/// things it reports back.
struct contesto_principale {
    contesto_principale(stato_programma& stato, caselle_testo& caselle, messaggi& avvisi,
                        dati_ionogramma& dati, vista_ionogramma& vista, std::string& giorno_notte,
                        bool controllo)
        : stato(stato), caselle(caselle), avvisi(avvisi), dati(dati), vista(vista),
          giorno_notte(giorno_notte), controllo(controllo) {}

    stato_programma& stato;
    caselle_testo& caselle;
    messaggi& avvisi; ///< the message boxes
    dati_ionogramma& dati;
    vista_ionogramma& vista;
    std::string& giorno_notte;
    bool controllo; ///< Option1: the consistency check runs before leaving

    /// Set by the move: the record of the sounding left was written.
    bool record_salvato = false;
    /// Set by the move when the consistency check stopped it: the boxes its
    /// failed rule is about.
    std::vector<std::string_view> caselle_controllo;
};

enum class esito_spostamento {
    rifiutato,   ///< the Es types or the consistency check stopped it: nothing saved
    non_salvato, ///< the record could not be written and the operator stays: nothing moved
    limite,      ///< first or last sounding of the day: the record is saved, the window stays
    interrotto,  ///< failed after the time step: told; the window stays on the sounding it shows
    completato,  ///< the window shows the new sounding and its records
};

/// One move. Messages go through the context's port; a saving that fails
/// asks whether to leave without saving.
esito_spostamento spostamento(verso v, contesto_principale& finestra);

/// The same steps to sounding `numero` (1-based) of the day, picked by the
/// operator elsewhere (the day overview). Going later sets the day/night
/// marker as Next does. A number outside the day does nothing (rifiutato,
/// without a message).
esito_spostamento spostamento_a(int numero, contesto_principale& finestra);

/// "setting.txt" in the working folder for the session's current sounding:
/// date, hour, minutes, interval, number. Written atomically; throws
/// std::runtime_error naming the file and the reason.
void scrittura_impostazioni_correnti(const parametri_sessione& sessione);

} // namespace velaris
