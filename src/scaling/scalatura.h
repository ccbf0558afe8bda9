#pragma once
// Scaling on the plot: a click becomes the value of the current
// characteristic with its checks, and MUF(3000)F1/F2 are found by moving the
// transmission curve, with M(3000) following.
//
// One `scalatura` lives as long as the main window: the clicks that set foF1
// and foF2 are remembered across ionograms, so an estimate of the MUF may use
// the click of an earlier sounding. Everything else is read from and written
// to the boxes.

#include "base/porte.h"
#include "scaling/vista_scalatura.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velaris {

/// The main window's scaling variables.
struct variabili_scalatura {
    /// Frequency (MHz) and virtual height (km) of the last click that set
    /// foF1 / foF2; 0 while no such click is known.
    float frequenza_click_fof1 = 0.0f;
    float altezza_click_fof1 = 0.0f;
    float frequenza_click_fof2 = 0.0f;
    float altezza_click_fof2 = 0.0f;
    /// The curve's MUF in MHz and, always changed with it, in tenths.
    float muf_mhz = 0.0f;
    std::int16_t muf_decimi = 0;
    /// The MUF in fo's unit times 100 (100 k muf_decimi) in the searches and
    /// the M(3000) computation.
    std::int32_t muf_passo = 0;
};

/// One of the two MUF(3000) layers: its boxes, the factor k that turns the MUF
/// (tenths of a megahertz) into fo's unit, and the texts of its messages.
struct strato_muf {
    std::string_view chiave; ///< "MUF3000F1" / "MUF3000F2"
    std::string_view casella_muf;
    std::string_view casella_fo;
    std::string_view casella_m;
    int k;
    std::string_view fo_oltre_muf;       ///< fo not below the MUF, after a click on fo
    std::string_view fo_oltre_muf_tasto; ///< the same, after a key move down
    std::string_view muf_dieci_volte_fo; ///< the MUF ten times fo or more
};

extern const strato_muf strato_f1;
extern const strato_muf strato_f2;

/// The layer of a MUF key ("MUF3000F1", "MUF3000F2"), or nullptr.
const strato_muf* strato_muf_di(std::string_view chiave);

/// Station offset D of the fxI/foF2 rule, in tenths of a megahertz:
/// "PSV" 9, "Kesh Amar" 6, "Ostrand" 5, any other 6.
int scarto_stazione(std::string_view stazione);

class scalatura {
public:
    /// `stazione` is the system's own station name (not the one read from a
    /// file); it chooses D. All references must outlive the object.
    scalatura(caselle_testo& caselle, messaggi& messaggi, vista_scalatura& vista,
              std::string_view stazione);

    /// A click that scales (any button but the right one, whose particular
    /// case is the session's) on plot coordinates x, y: the current
    /// characteristic takes the value under it when the click lies on the
    /// plot and an ionogram is shown. `frequenza_iniziale` is the ionogram's
    /// first sounding frequency.
    /// Throws errore_overflow when a box holds a number no 16/32-bit variable
    /// can take; what was written before stays.
    void clic(float x, float y, std::string_view grandezza_corrente, bool ionogramma_presente,
              float frequenza_iniziale);

    /// The MUF selection after its common steps: the start value (from the
    /// box, from the secant-law estimate of fo's last click, or from 15.0 MHz
    /// with the searches) and the first move of +0.1 MHz when fo is present.
    void selezione_muf(const strato_muf& strato, bool ionogramma_presente);

    /// One key move of the curve by `passo_decimi` tenths of a megahertz
    /// (-1, +1, -20, +20): clamps, limit searches, M(3000), the MUF box, the
    /// redraw with the curve.
    void spostamento_muf(const strato_muf& strato, int passo_decimi);

    variabili_scalatura& variabili() { return m_variabili; }
    const variabili_scalatura& variabili() const { return m_variabili; }

private:
    void clic_altezza(std::string_view grandezza, float y);
    void clic_centesimi(std::string_view grandezza, float x, float y);
    void clic_decimi(std::string_view grandezza, float x, float y, float frequenza_iniziale);
    void regola_fxi_fof2(std::string_view grandezza);
    void regole_finali(std::string_view grandezza);
    bool conferma(std::string_view titolo, std::string_view testo);
    void limiti_muf_dopo_clic(const strato_muf& strato);
    void alza_muf(const strato_muf& strato, double fo);
    void abbassa_muf(const strato_muf& strato, double fo);
    void scrivi_m3000(const strato_muf& strato, double fo);

    caselle_testo& m_caselle;
    messaggi& m_messaggi;
    vista_scalatura& m_vista;
    int m_scarto;
    variabili_scalatura m_variabili;
};

} // namespace velaris
