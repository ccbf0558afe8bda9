#pragma once
// The main window's session: what the main window knows while the operator
// scales a day, in one object that is not a widget.
//
// It owns the ionogram shown and its proposals, the current characteristic,
// the day/night marker, the scaling state (the clicks and the MUF curve) and
// whether proposals are shown. The program state (`stato_programma`: the
// session's time and files, the particular-case code, whether an ionogram is
// shown) it holds by reference: the application owns it, because the start
// window fills it and the companion window and the day overview read it too.
// The boxes stay the one store of the scaled values (`caselle_testo`); the
// operator is asked through `messaggi`; everything else the window shows goes
// through `vista_principale`.
//
// Every operator command is one call here and answers with one
// `esito_comando`, which the window applies and nothing more. The commands
// are in sessione_principale.cpp (load, selection, click, keys, particular
// cases, Es types, boxes), spostamento.cpp (Previous, Next, a jump),
// uscita.cpp (Esc and the closing) and proposta_corrente.cpp (the proposals:
// shown, switched, accepted).

#include "base/porte.h"
#include "ionogram/dati_ionogramma.h"
#include "proposals/proposte.h"
#include "rules/lettere.h"
#include "scaling/scalatura.h"
#include "scaling/selezione.h"
#include "session/orario.h"
#include "session/stato_programma.h"
#include "session/vista_principale.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velaris {

struct esito_caso_particolare;

/// The keys of the main window's key table (Form_KeyDown). The window finds
/// them, the digits and the backslash key by their place on the keyboard;
/// `invio` is either Enter key.
enum class tasto_tabella {
    altro,
    su,
    giu,
    uno,
    due,
    tre,
    quattro,
    f1,
    f2,
    f3,
    f4,
    f12,
    ctrl,
    spazio,
    backslash,
    esc,
    invio,
};

/// What the window does once a command has run.
enum class seguito {
    nessuno, ///< nothing more
    chiude,  ///< the closing goes on: the window closes, and its companion with it
    resta,   ///< the closing is refused: the window stays as it was
    entrata, ///< Esc went through: the start window opens, whose load closes this one
};

/// The one answer of every command.
struct esito_comando {
    bool record_salvato = false; ///< a record was written: the day overview redraws
    seguito poi = seguito::nessuno;
};

class sessione_principale {
public:
    /// All references must outlive the object. Nothing is loaded yet.
    sessione_principale(stato_programma& stato, caselle_testo& caselle, messaggi& messaggi,
                        vista_principale& vista);
    sessione_principale(const sessione_principale&) = delete;
    sessione_principale& operator=(const sessione_principale&) = delete;

    /// The window's load: the ionogram of the session's time and its results
    /// (see caricamento_ionogramma), foF2 current, the focus in its
    /// descriptive letter.
    esito_comando carica();

    /// Makes `chiave` the characteristic being scaled, as a click on its label.
    esito_comando seleziona(std::string_view chiave);

    /// Form_MouseDown on plot coordinates: button 1 left, 2 right, 4 middle.
    /// The right button applies Daytime or Nighttime Es missing (by foE),
    /// anywhere and with or without an ionogram; any other button scales the
    /// current characteristic.
    esito_comando clic(std::int16_t pulsante, float x, float y);

    /// Form_KeyDown: one key of the table, `solo_ctrl` when Ctrl alone is
    /// held, `tastierino` when the key comes from the numeric keypad (whose
    /// digits are none of the table's). See docs/day.md for the table.
    esito_comando tasto(tasto_tabella tasto, bool solo_ctrl, bool tastierino);

    /// Enter: the proposal for the current characteristic accepted, which is
    /// a left click at its point, with everything a click does. Nothing
    /// without a proposal shown.
    esito_comando accetta_proposta();
    /// View > Show proposals: the proposal for the current characteristic is
    /// shown (marker and status line) and Enter accepts it, or neither. On
    /// until the window says otherwise.
    esito_comando mostra_proposte(bool attive);
    bool proposte_attive() const { return m_proposte_attive; }

    /// A particular case from the menu or F5 to F9 ("01" ... "06").
    esito_comando caso_particolare(std::string_view codice);
    /// DELETE PARTICULAR CASE (F8).
    esito_comando annulla_caso_particolare();

    /// `Esup` and `Esdown`: one reflection more or less for the single Es type.
    esito_comando es_su();
    esito_comando es_giu();

    /// Previous and Next (the labels, F4 and F3).
    esito_comando sposta(verso v);
    /// The move to sounding `numero` (1-based) picked in the day overview, by
    /// the steps of a move; a number outside the day does nothing more than
    /// leave the box with the focus.
    esito_comando vai_a(int numero);
    /// Esc: checks and saves the sounding; when it goes through, no
    /// characteristic is current and the start window is to open.
    esito_comando esc();
    /// The closing, whoever asks: checks and saves, or nothing at all right
    /// after Esc went through (it has just done both).
    esito_comando chiusura();

    /// The focus left the box named `casella` (M(3000) letters derived from
    /// its layer's letter boxes). Nothing while a way out runs.
    esito_comando lascia_casella(std::string_view casella);
    /// A click into a box: selects its characteristic (letter boxes and the
    /// Es types box only).
    esito_comando clic_in_casella(std::string_view casella);
    /// The key filter of a letter box or the Es types box for one typed
    /// character, given the box's text before it.
    esito_tasto carattere_in_casella(std::string_view casella, std::string_view testo,
                                     int carattere);

    const std::string& grandezza_corrente() const { return m_grandezza_corrente; }
    bool ionogramma_presente() const { return m_stato.ionogramma_presente; }
    const dati_ionogramma& dati() const { return m_dati; }
    const variabili_scalatura& variabili() const { return m_scalatura.variabili(); }

private:
    /// While a way out of the sounding runs (a move, Esc, the closing): the
    /// box with the focus has finished its focus-leave work on the sounding
    /// being left, and no focus change derives anything until it ends.
    class lasciando_sondaggio {
    public:
        explicit lasciando_sondaggio(sessione_principale& sessione);
        ~lasciando_sondaggio();
        lasciando_sondaggio(const lasciando_sondaggio&) = delete;
        lasciando_sondaggio& operator=(const lasciando_sondaggio&) = delete;

    private:
        sessione_principale& m_sessione;
    };

    void applica_selezione(const esito_selezione& esito);
    void selezione_tipi_es();
    void seleziona_muf(std::string_view chiave);
    void tasto_muf(int passo_decimi);
    void mostra_esito_caso(const esito_caso_particolare& esito);
    void fof2_corrente();
    /// Every load of a sounding: its file and its records, the frames of a
    /// check failed on the sounding before removed.
    void carica_sondaggio();

    // spostamento.cpp: the move itself, once its destination is known.
    esito_comando spostamento(bool segna_giorno_notte, esito_passo passo, orario tempo,
                              std::int16_t numero);
    // uscita.cpp
    bool controlli_prima_di_lasciare(std::string_view testo_tipi_es);
    // proposta_corrente.cpp
    /// The proposals of the sounding just loaded: once per load.
    void calcola_proposte();
    /// The proposal for the current characteristic, when one is shown.
    std::optional<proposta> proposta_corrente() const;
    /// Its marker over the plot as it stands and its status line, or none.
    void mostra_proposta();

    stato_programma& m_stato;
    caselle_testo& m_caselle;
    messaggi& m_messaggi;
    vista_principale& m_vista;
    dati_ionogramma m_dati;
    std::string m_grandezza_corrente = "foF2";
    std::string m_giorno_notte = "d";
    scalatura m_scalatura;
    std::vector<proposta> m_proposte; ///< of the ionogram shown; none without one
    bool m_proposte_attive = true;
    bool m_lasciando = false;      ///< a way out runs: see lasciando_sondaggio
    bool m_salvata_da_esc = false; ///< Esc went through: the closing that follows asks nothing
};

} // namespace velaris
