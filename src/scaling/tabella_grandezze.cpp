#include "tabella_grandezze.h"

namespace velaris {

const std::array<grandezza, 16> tabella_grandezze = {{
    {"fmin", "fmin", "fmin", "Text1", "Text17", "Text23", "Text25", true},
    {"hE", "hE", "h'E", "Text2", "Text18", "Text33", "Text26", true},
    {"foE", "foE", "foE", "Text3", "Text19", "Text34", "Text27", true},
    {"foEs", "foEs", "foEs", "Text4", "Text20", "Text35", "Text29", true},
    {"hEs", "hEs", "h'Es", "Text5", "Text21", "Text36", "Text31", true},
    {"fbEs", "fbEs", "fbEs", "Text6", "Text22", "Text37", "Text32", true},
    {"tipoEs", "tipoEs", "Es Types", "Text7", "", "", "Text39", true},
    {"hF", "hF", "h'F", "Text8", "Text24", "Text38", "Text40", true},
    {"foF1", "foF1", "foF1", "Text9", "lettera_qualificativa_fof1", "lettera_descrittiva_fof1",
     "Text41", true},
    {"MUF3000F1", "MUF3000F1", "MUF(3000)F1", "Text10", "lettera_qualificativa_muf3000f1",
     "lettera_descrittiva_muf3000f1", "Text43", true},
    {"M3000F1", "M3000F1", "M(3000)F1", "Text11", "lettera_qualificativa_m3000f1",
     "lettera_descrittiva_m3000f1", "Text45", false},
    {"hF2", "hF2", "h'F2", "Text12", "Text28", "Text42", "Text46", true},
    {"foF2", "foF2", "foF2", "Text13", "lettera_qualificativa_fof2", "lettera_descrittiva_fof2",
     "Text47", true},
    {"fxI", "fxI", "fxI", "Text14", "Text30", "Text44", "Text48", true},
    {"MUF3000F2", "MUF3000F2", "MUF(3000)F2", "Text15", "lettera_qualificativa_muf3000f2",
     "lettera_descrittiva_muf3000f2", "Text49", true},
    {"M3000F2", "M3000F2", "M(3000)F2", "Text16", "lettera_qualificativa_m3000f2",
     "lettera_descrittiva_m3000f2", "Text50", false},
}};

const grandezza* trova_grandezza(std::string_view chiave) {
    for (const auto& g : tabella_grandezze)
        if (g.chiave == chiave) return &g;
    return nullptr;
}

} // namespace velaris
