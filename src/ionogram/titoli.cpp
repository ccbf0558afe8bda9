#include "titoli.h"

#include "base/calendario.h"
#include "base/numeri.h"

#include <cstdint>

namespace velaris {

namespace {

struct giorno_del_mese {
    std::string_view mese;
    int giorno = 0;
};

std::optional<giorno_del_mese> cerca(int giorno_anno, bool bisestile) {
    for (int mese = 1; mese <= 12; ++mese) {
        const int fine_precedente = ultimo_giorno_del_mese(mese - 1, bisestile);
        if (giorno_anno > fine_precedente && giorno_anno <= ultimo_giorno_del_mese(mese, bisestile))
            return giorno_del_mese{nome_mese(mese), giorno_anno - fine_precedente};
    }
    return std::nullopt;
}

} // namespace

std::string data_ionogramma(std::string_view nome_file) {
    const std::string_view anno = caratteri(nome_file, 7, 4);
    const bool bisestile = anno_bisestile(arrotonda_pari(valore_numerico(anno)));

    std::optional<giorno_del_mese> trovato;
    try {
        const std::int16_t giorno = a_intero16(valore_numerico(caratteri(nome_file, 11, 3)));
        // A common year that does not know the day asks the leap column too,
        // which is how day 366 of a common year still finds December 31.
        if (!bisestile) trovato = cerca(giorno, false);
        if (!trovato) trovato = cerca(giorno, true);
    } catch (const errore_overflow&) {
        // Such a day is in no column: month and day stay empty.
    }

    std::string ora(caratteri(nome_file, 14, 2));
    for (char& c : ora)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');

    std::string testo(anno);
    testo += "-";
    if (trovato) {
        testo += trovato->mese;
        testo += '-';
        testo += testo_breve_float(static_cast<float>(trovato->giorno));
    } else {
        testo += "-";
    }
    testo += "  ";
    testo += ora;
    testo += ':';
    testo += caratteri(nome_file, 16, 2);
    testo += " [UT]";
    return testo;
}

std::string titolo_finestra(std::string_view nome_file, std::string_view stazione,
                            std::string_view testo_data, std::optional<float> passo,
                            char separatore_decimale) {
    std::string titolo = "VELARIS - file: ";
    titolo += nome_file;
    titolo += " * ";
    titolo += stazione;
    titolo += " * ";
    titolo += testo_data;
    if (passo)
        titolo += "  (sounding frequency step = " + testo_breve_float(*passo, separatore_decimale) +
                  " MHz)";
    return titolo;
}

} // namespace velaris
