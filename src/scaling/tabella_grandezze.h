#pragma once
// The sixteen characteristics of an ionogram and the boxes that hold them.
//
// The boxes are the one store of the scaled values while an ionogram is shown;
// everything that reads or writes a characteristic finds its boxes here, by
// the key kept in `grandezza_corrente`.

#include <array>
#include <string_view>

namespace velaris {

struct grandezza {
    std::string_view chiave;        ///< key kept in grandezza_corrente ("foF2")
    std::string_view etichetta;     ///< control name of the clickable label
    std::string_view didascalia;    ///< caption of the label ("h'E")
    std::string_view valore;        ///< value box ("Text13"); the Es types box for "tipoEs"
    std::string_view qualificativa; ///< qualifying-letter box; empty for the Es types
    std::string_view descrittiva;   ///< descriptive-letter box; empty for the Es types
    std::string_view precedente;    ///< previous-ionogram box
    bool selezionabile;             ///< the M(3000) values are derived, not selected
};

/// The characteristics in table order: the order in which a selection walks
/// the labels and the letter boxes.
extern const std::array<grandezza, 16> tabella_grandezze;

/// The characteristic with the given key, or nullptr.
const grandezza* trova_grandezza(std::string_view chiave);

/// Key of the Es types, whose one box takes the place of a letter pair.
inline constexpr std::string_view chiave_tipi_es = "tipoEs";

/// The six E-layer boxes (values and letters of h'E and foE) whose emptiness
/// tells night from day.
inline constexpr std::array<std::string_view, 6> caselle_strato_e = {
    "Text2", "Text3", "Text18", "Text19", "Text33", "Text34"};

} // namespace velaris
