#include "nomi_file.h"

#include "base/calendario.h"
#include "base/numeri.h"
#include "ionogram/stazioni.h"

namespace velaris {

std::string nome_file_ionogramma(const parametri_sessione& sessione, int ora, int minuti) {
    std::string nome(prefisso_file);
    nome += sessione.anno_sessione;
    nome += sessione.giorno_anno;
    // An hour the table lacks still gets a name (which no sounder file has),
    // so that a time stepped out of the day shows as a sounding without file.
    const bool nella_tabella = ora >= 0 && ora < static_cast<int>(sessione.tabella_ore.size());
    nome += nella_tabella ? sessione.tabella_ore[static_cast<std::size_t>(ora)] : due_cifre(ora);
    nome += due_cifre(minuti);
    nome += "00.rdf";
    return nome;
}

std::string calcolo_giorno_anno(std::string_view data) {
    const std::int32_t anno = a_intero32(valore_numerico(caratteri(data, 7, 4)));
    const std::string_view mese = caratteri(data, 4, 2);

    if (mese == "01") return std::string("0").append(caratteri(data, 1, 2));

    for (int m = 2; m <= 12; ++m) {
        if (mese != due_cifre(m)) continue;
        const double n = valore_numerico(caratteri(data, 1, 2)) +
                         ultimo_giorno_del_mese(m - 1, anno_bisestile(anno));
        std::string testo(senza_spazi(numero_stampato(n)));
        const bool zero_davanti =
            mese == "02" || mese == "03" || (mese == "04" && testo.size() < 3);
        if (zero_davanti) testo.insert(testo.begin(), '0');
        return testo;
    }
    return {};
}

std::optional<std::int16_t> numero_ionogramma_per(std::string_view incremento, int h, int m) {
    const intervallo_sondaggi* i = intervallo_di(incremento);
    if (!i) return std::nullopt;
    if (i->minuti == 60) return a_intero16(h + 1.0);
    const int per_ora = 60 / i->minuti;
    // The quotient is read back from its printed text (15 significant digits):
    // for a minute the interval does not allow, that text decides the rounding.
    const double quoziente = valore_numerico(numero_stampato(static_cast<double>(m) / i->minuti));
    return a_intero16(static_cast<double>(per_ora) * h + 1.0 + quoziente);
}

} // namespace velaris
