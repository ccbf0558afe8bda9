#pragma once
// The main window as its session object sees it: one port for everything the
// session shows besides the boxes and the message boxes. The window implements
// it with widgets; the tests with an in-memory fake.
//
// The narrower interfaces it gathers belong to the libraries below: the
// loading routine draws through `vista_ionogramma` (served by the plot panel
// both windows share, see grafico()) and shows the particular case through
// `vista_caso_particolare`; scaling redraws and draws its curve through
// `vista_scalatura`.

#include "scaling/vista_scalatura.h"
#include "session/caricamento.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velaris {

class vista_principale : public vista_caso_particolare, public vista_scalatura {
public:
    /// The plot and its status line, where every load of the window draws.
    virtual vista_ionogramma& grafico() = 0;

    /// Draws the empty plot again over the surface as it stands (a selection
    /// without an ionogram).
    virtual void ridisegna_grafico_vuoto() = 0;

    // The selection shown.
    /// The label of `chiave` in the current colour, every other one normal;
    /// empty: no characteristic is current.
    virtual void mostra_corrente(std::string_view chiave) = 0;
    /// Opens the letter box (or the Es types box) `casella` to typing, or
    /// locks it.
    virtual void apri_casella(std::string_view casella, bool aperta) = 0;
    /// Shows or hides the buttons `Esup` and `Esdown`.
    virtual void mostra_pulsanti_es(bool visibili) = 0;

    /// The proposal for the current characteristic: its marker drawn at
    /// `punto` over the plot as it stands, and `testo` ("proposed: foF2
    /// 7.4 MHz") in the status line after what that line says of the file.
    /// None: no marker is drawn and the status line says nothing of a
    /// proposal. A marker drawn before stays until the plot is redrawn.
    virtual void mostra_proposta(const std::optional<punto_grafico>& punto,
                                 const std::string& testo) = 0;

    /// `Option1` ("Yes"): the consistency check runs before every way out.
    virtual bool controllo_attivo() const = 0;

    /// Frames the boxes a failed consistency check is about, until the next
    /// change of any box; an empty list removes the frames.
    virtual void evidenzia(const std::vector<std::string_view>& caselle) = 0;

    // The focus.
    /// Control name of the control that has the window's focus; empty for none.
    virtual std::string casella_con_fuoco() const = 0;
    /// Gives the focus to the box of that control name.
    virtual void metti_fuoco(std::string_view casella) = 0;
};

} // namespace velaris
