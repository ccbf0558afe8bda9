#pragma once
// Windows of the rule tests written as "Text1=15 Text23=B" ("_" stands for a
// blank, "Text7=" for an empty box), and the 46 value and letter boxes written
// out here, so that a test compares the whole window without borrowing the
// program's table.

#include "common/fakes.h"

#include <sstream>
#include <string>

namespace velaris::prova {

inline const char* const quarantasei_caselle =
    "Text1 Text17 Text23 Text2 Text18 Text33 Text3 Text19 Text34 Text4 Text20 Text35 Text5 "
    "Text21 Text36 Text7 Text6 Text22 Text37 Text8 Text24 Text38 Text9 lettera_qualificativa_fof1 "
    "lettera_descrittiva_fof1 Text12 Text28 Text42 Text13 lettera_qualificativa_fof2 "
    "lettera_descrittiva_fof2 Text14 Text30 Text44 Text10 lettera_qualificativa_muf3000f1 "
    "lettera_descrittiva_muf3000f1 Text11 lettera_qualificativa_m3000f1 lettera_descrittiva_m3000f1 "
    "Text15 lettera_qualificativa_muf3000f2 lettera_descrittiva_muf3000f2 Text16 "
    "lettera_qualificativa_m3000f2 lettera_descrittiva_m3000f2";

/// Writes "Name=text ..." into the boxes (over what they hold).
inline caselle_finte& scrivi(caselle_finte& c, const std::string& finestra) {
    std::istringstream in(finestra);
    for (std::string voce; in >> voce;) {
        const auto uguale = voce.find('=');
        std::string testo = voce.substr(uguale + 1);
        for (char& ch : testo) if (ch == '_') ch = ' ';
        c.imposta_testo(voce.substr(0, uguale), testo);
    }
    return c;
}

inline caselle_finte finestra(const std::string& testi) {
    caselle_finte c;
    return scrivi(c, testi);
}

/// The 46 boxes of `c` that differ from `attese`, one per line; "" when none.
inline std::string differenze(const caselle_testo& c, const caselle_testo& attese) {
    std::istringstream nomi(quarantasei_caselle);
    std::string diverse;
    for (std::string nome; nomi >> nome;)
        if (c.testo(nome) != attese.testo(nome))
            diverse += nome + "=\"" + c.testo(nome) + "\" instead of \"" + attese.testo(nome) + "\"\n";
    return diverse;
}

} // namespace velaris::prova
