#pragma once
// The 46 value and letter boxes of the main window, written out here so that
// the rule tests compare whole windows without borrowing the program's table.

#include "common/fakes.h"

#include <array>
#include <map>
#include <string>
#include <string_view>

namespace velaris::prova {

inline constexpr std::array<std::string_view, 46> quarantasei_caselle = {
    "Text1",  "Text17", "Text23", // fmin
    "Text2",  "Text18", "Text33", // h'E
    "Text3",  "Text19", "Text34", // foE
    "Text4",  "Text20", "Text35", // foEs
    "Text5",  "Text21", "Text36", // h'Es
    "Text7",                      // Es types
    "Text6",  "Text22", "Text37", // fbEs
    "Text8",  "Text24", "Text38", // h'F
    "Text9",  "lettera_qualificativa_fof1", "lettera_descrittiva_fof1",
    "Text12", "Text28", "Text42", // h'F2
    "Text13", "lettera_qualificativa_fof2", "lettera_descrittiva_fof2",
    "Text14", "Text30", "Text44", // fxI
    "Text10", "lettera_qualificativa_muf3000f1", "lettera_descrittiva_muf3000f1",
    "Text11", "lettera_qualificativa_m3000f1", "lettera_descrittiva_m3000f1",
    "Text15", "lettera_qualificativa_muf3000f2", "lettera_descrittiva_muf3000f2",
    "Text16", "lettera_qualificativa_m3000f2", "lettera_descrittiva_m3000f2",
};

/// Box texts by control name; boxes not named are empty.
using finestra = std::map<std::string, std::string, std::less<>>;

inline caselle_finte caselle_da(const finestra& testi) {
    caselle_finte c;
    for (const auto& [nome, testo] : testi) c.imposta_testo(nome, testo);
    return c;
}

/// `prima` with the changes of `modifiche` applied on top.
inline finestra con(finestra prima, const finestra& modifiche) {
    for (const auto& [nome, testo] : modifiche) prima[nome] = testo;
    return prima;
}

/// Every one of the 46 boxes holds what `attese` says (empty when not named).
/// Returns the differences, one per line, for the failure message.
inline std::string differenze(const caselle_testo& c, const finestra& attese) {
    std::string diverse;
    for (std::string_view nome : quarantasei_caselle) {
        const auto trovata = attese.find(nome);
        const std::string atteso = trovata == attese.end() ? std::string() : trovata->second;
        const std::string reale = c.testo(nome);
        if (reale != atteso)
            diverse += std::string(nome) + ": \"" + reale + "\" instead of \"" + atteso + "\"\n";
    }
    return diverse;
}

} // namespace velaris::prova
