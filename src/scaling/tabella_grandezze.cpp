#include "tabella_grandezze.h"

namespace velaris {

namespace {

/// A row of the table; every label is named by its characteristic's key.
constexpr grandezza voce(std::string_view chiave, std::string_view didascalia,
                         const caselle_grandezza& c, bool selezionabile = true) {
    return {chiave,          chiave,        didascalia,   c.valore,
            c.qualificativa, c.descrittiva, c.precedente, selezionabile};
}

} // namespace

const std::array<grandezza, 16> tabella_grandezze = {{
    voce("fmin", "fmin", caselle_fmin),
    voce("hE", "h'E", caselle_he),
    voce("foE", "foE", caselle_foe),
    voce("foEs", "foEs", caselle_foes),
    voce("hEs", "h'Es", caselle_hes),
    voce("fbEs", "fbEs", caselle_fbes),
    voce(chiave_tipi_es, "Es Types", caselle_tipi_es),
    voce("hF", "h'F", caselle_hf),
    voce("foF1", "foF1", caselle_fof1),
    voce("MUF3000F1", "MUF(3000)F1", caselle_muf3000f1),
    voce("M3000F1", "M(3000)F1", caselle_m3000f1, false),
    voce("hF2", "h'F2", caselle_hf2),
    voce("foF2", "foF2", caselle_fof2),
    voce("fxI", "fxI", caselle_fxi),
    voce("MUF3000F2", "MUF(3000)F2", caselle_muf3000f2),
    voce("M3000F2", "M(3000)F2", caselle_m3000f2, false),
}};

const grandezza* trova_grandezza(std::string_view chiave) {
    for (const auto& g : tabella_grandezze)
        if (g.chiave == chiave) return &g;
    return nullptr;
}

bool casella_nota(std::string_view nome) {
    if (nome.empty()) return false;
    for (const auto& c : caselle_per_grandezza)
        if (nome == c.valore || nome == c.qualificativa || nome == c.descrittiva ||
            nome == c.precedente)
            return true;
    return false;
}

} // namespace velaris
