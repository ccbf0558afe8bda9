#pragma once
// The sixteen characteristics of an ionogram and the boxes that hold them.
//
// The boxes are the one store of the scaled values while an ionogram is shown;
// everything that reads or writes a characteristic finds its boxes here, by
// the key kept in `grandezza_corrente`.

#include <array>
#include <string_view>

namespace velaris {

/// The boxes of one characteristic by control name: its value, its
/// qualifying and descriptive letters, and the previous ionogram's box. The
/// Es types have one box, and no letters.
struct caselle_grandezza {
    std::string_view valore;
    std::string_view qualificativa;
    std::string_view descrittiva;
    std::string_view precedente;
};

// Every box the logic reads or writes is named here, by its characteristic.
inline constexpr caselle_grandezza caselle_fmin{"Text1", "Text17", "Text23", "Text25"};
inline constexpr caselle_grandezza caselle_he{"Text2", "Text18", "Text33", "Text26"};
inline constexpr caselle_grandezza caselle_foe{"Text3", "Text19", "Text34", "Text27"};
inline constexpr caselle_grandezza caselle_foes{"Text4", "Text20", "Text35", "Text29"};
inline constexpr caselle_grandezza caselle_hes{"Text5", "Text21", "Text36", "Text31"};
inline constexpr caselle_grandezza caselle_fbes{"Text6", "Text22", "Text37", "Text32"};
inline constexpr caselle_grandezza caselle_tipi_es{"Text7", "", "", "Text39"};
inline constexpr caselle_grandezza caselle_hf{"Text8", "Text24", "Text38", "Text40"};
inline constexpr caselle_grandezza caselle_fof1{"Text9", "lettera_qualificativa_fof1",
                                                "lettera_descrittiva_fof1", "Text41"};
inline constexpr caselle_grandezza caselle_muf3000f1{"Text10", "lettera_qualificativa_muf3000f1",
                                                     "lettera_descrittiva_muf3000f1", "Text43"};
inline constexpr caselle_grandezza caselle_m3000f1{"Text11", "lettera_qualificativa_m3000f1",
                                                   "lettera_descrittiva_m3000f1", "Text45"};
inline constexpr caselle_grandezza caselle_hf2{"Text12", "Text28", "Text42", "Text46"};
inline constexpr caselle_grandezza caselle_fof2{"Text13", "lettera_qualificativa_fof2",
                                                "lettera_descrittiva_fof2", "Text47"};
inline constexpr caselle_grandezza caselle_fxi{"Text14", "Text30", "Text44", "Text48"};
inline constexpr caselle_grandezza caselle_muf3000f2{"Text15", "lettera_qualificativa_muf3000f2",
                                                     "lettera_descrittiva_muf3000f2", "Text49"};
inline constexpr caselle_grandezza caselle_m3000f2{"Text16", "lettera_qualificativa_m3000f2",
                                                   "lettera_descrittiva_m3000f2", "Text50"};

/// The boxes of the sixteen characteristics, in the order of tabella_grandezze.
inline constexpr std::array<caselle_grandezza, 16> caselle_per_grandezza = {
    caselle_fmin, caselle_he,        caselle_foe,       caselle_foes,
    caselle_hes,  caselle_fbes,      caselle_tipi_es,   caselle_hf,
    caselle_fof1, caselle_muf3000f1, caselle_m3000f1,   caselle_hf2,
    caselle_fof2, caselle_fxi,       caselle_muf3000f2, caselle_m3000f2};

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

/// Whether `nome` is one of the boxes named above. A port that is asked for
/// any other name meets a programming error, and stops there.
bool casella_nota(std::string_view nome);

/// Key of the Es types, whose one box takes the place of a letter pair.
inline constexpr std::string_view chiave_tipi_es = "tipoEs";

/// The six E-layer boxes (values and letters of h'E and foE) whose emptiness
/// tells night from day.
inline constexpr std::array<std::string_view, 6> caselle_strato_e = {
    caselle_he.valore,         caselle_foe.valore,     caselle_he.qualificativa,
    caselle_foe.qualificativa, caselle_he.descrittiva, caselle_foe.descrittiva};

} // namespace velaris
