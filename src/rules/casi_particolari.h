#pragma once
// Particular cases: ionograms scaled by a fixed rule instead of by clicking
// (Es missing by day or by night, Es blanketing, partial absorption, no
// ionogram). Each case is known everywhere by its two-character code, and this
// is the one place that says what a code means: the caption it shows, whether
// it travels into the ionogram file's header, what applying and deleting it
// do to the boxes. Loading, saving, the menu and the consistency check all
// ask here.

#include "base/porte.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velaris {

/// The code of an ionogram without a particular case.
inline constexpr std::string_view nessun_caso_particolare = "xx";

/// One particular-case code and what it means wherever the code goes.
struct caso_particolare {
    std::string_view codice; ///< "01", "02", "3a" ... "06", or "xx"
    /// Caption of `Label11` when the operator applies the case; nullopt when
    /// applying it leaves the label as it is (no ionogram).
    std::optional<std::string_view> didascalia_scelta;
    /// Caption of `Label11` when the code is read from an ionogram file;
    /// nullopt when such a code leaves the label as it is.
    std::optional<std::string_view> didascalia_letta;
    /// Whether leaving the ionogram stores the code in its file header.
    bool nell_intestazione;
};

/// The eleven codes: the ten cases and "xx".
extern const std::array<caso_particolare, 11> casi_particolari;

/// The entry of a code, or nullptr for a code that is none of them.
const caso_particolare* trova_caso_particolare(std::string_view codice);

/// Caption of `Label11` for a code read from an ionogram file: "" for "xx",
/// std::nullopt for "06" and for any unknown code (the label keeps its caption).
std::optional<std::string> didascalia_caso_particolare(std::string_view codice);

/// Whether leaving an ionogram writes this code into its file header: every
/// code of the table but "06"; never an unknown one.
bool codice_da_scrivere(std::string_view codice);

/// What the window must do once a case command has run.
struct esito_caso_particolare {
    bool applicato = false;    ///< false: refused, or a deletion with nothing to delete
    bool seleziona_hf = false; ///< h'F becomes the characteristic to scale
    /// New caption of `Label11`; nullopt: the label is left as it is.
    std::optional<std::string> didascalia;
};

/// Applies the case `codice` ("01" ... "06") to the boxes: checks its
/// conditions, and either fills the boxes in the fixed order and sets
/// `codice_caso_particolare`, or shows "There aren't the right conditions to
/// apply this particular case" and changes nothing. The code in force is not
/// looked at: a second case overwrites the first.
esito_caso_particolare applicazione_caso_particolare(std::string_view codice,
                                                     caselle_testo& caselle,
                                                     std::string& codice_caso_particolare,
                                                     messaggi& messaggi);

/// Deletes the case in force: empties the boxes that case fills (nothing is
/// restored), resets the code to "xx" and empties `Label11`. With "xx" in
/// force nothing happens at all.
esito_caso_particolare annullamento_caso_particolare(caselle_testo& caselle,
                                                     std::string& codice_caso_particolare);

/// The right click on the plot: Daytime Es missing when foE has a value or a
/// descriptive letter, Nighttime Es missing otherwise.
esito_caso_particolare mancanza_es_clic_destro(caselle_testo& caselle,
                                               std::string& codice_caso_particolare,
                                               messaggi& messaggi);

/// foE (hundredths of a megahertz, as its box holds it) rounded half up to
/// tenths, as the Es boxes hold it: "345" -> "35", "344" -> "34", "995" -> "100".
std::string foe_in_decimi(std::string_view foe);

} // namespace velaris
