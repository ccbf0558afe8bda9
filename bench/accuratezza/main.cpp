// velaris-accuracy: the proposals for every sounding of the demo day, valued
// as the boxes show them after accepting, against the model's own values
// (velaris-demo --truth). Prints the accuracy table of docs/proposals.md and
// what the day costs the operator in keys and clicks with the proposals and
// without them, walked through the main window's session (costo.h).

#include "accettazione.h"
#include "base/numeri.h"
#include "costo.h"
#include "ionogram/lettore_rdf.h"
#include "proposals/proposte.h"
#include "verita.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

using namespace velaris;

namespace {

struct criterio {
    double tolleranza;
    const char* testo;     ///< the tolerance as the table shows it
    const char* obiettivo; ///< the share required within tolerance, where one is set
};

/// In the order of chiavi_proposte.
constexpr std::array<criterio, 8> criteri = {{
    {0.2, "0.2 MHz", "90%"},
    {10, "10 km", "90%"},
    {0.1, "0.1 MHz", "90%"},
    {0.2, "0.2 MHz", "-"},
    {10, "10 km", "-"},
    {10, "10 km", "90%"},
    {0.1, "0.1 MHz", "-"},
    {0.2, "0.2 MHz", "90%"},
}};

struct conteggio {
    int con_strato = 0, entro = 0, senza_es = 0, entro_senza_es = 0, nessuna = 0, errate = 0;
};

std::optional<double> vero(const demo::valori_veri& v, std::size_t k) {
    const std::array<std::optional<double>, 8> tutti = {v.fmin, v.hE, v.foE,  v.foEs,
                                                        v.hEs,  v.hF, v.foF1, v.foF2};
    return tutti[k];
}

/// A whole percentage; numbers are never printed through the locale.
std::string percento(int parte, int totale) {
    if (totale == 0) return "-";
    return std::to_string(std::lround(100.0 * parte / totale)) + "%";
}

} // namespace

int main() {
    const demo::opzioni_giornata opzioni;
    std::array<conteggio, 8> conti{};
    int sondaggi = 0;
    for (const demo::voce_giornata& voce : demo::piano_giornata(opzioni)) {
        if (voce.stato != demo::stato_file::presente) continue;
        ++sondaggi;
        const demo::sondaggio_sintetico s = demo::sondaggio_di(opzioni, voce);
        const demo::valori_veri verita = demo::verita(s);
        const std::vector<std::uint8_t> byte = demo::file_ionogramma(opzioni, voce);
        const lettura_rdf letto = leggi_rdf_da_byte(byte, intestazione_corta::accettata, voce.nome);
        const std::array<std::string, 8> proposti = valori_accettati(letto->dati);
        for (std::size_t k = 0; k < criteri.size(); ++k) {
            conteggio& n = conti[k];
            const std::optional<double> v = vero(verita, k);
            const bool proposto = !proposti[k].empty();
            const double errore = proposto && v ? std::abs(valore_numerico(proposti[k]) - *v) : 0.0;
            if (!v) {
                n.errate += proposto;
                continue;
            }
            const bool buono = proposto && errore <= criteri[k].tolleranza + 1e-9;
            ++n.con_strato;
            n.entro += buono;
            n.nessuna += !proposto;
            n.errate += proposto && errore > 2 * criteri[k].tolleranza + 1e-9;
            if (!s.es) {
                ++n.senza_es;
                n.entro_senza_es += buono;
            }
        }
    }

    std::printf("Demo day %02d-%02d-%04d, seed %llu, every %d minutes: %d soundings with a "
                "good file.\n\n",
                opzioni.giorno.giorno, opzioni.giorno.mese, opzioni.giorno.anno,
                static_cast<unsigned long long>(opzioni.seme), opzioni.intervallo, sondaggi);
    std::printf("| characteristic | within | target | soundings with it | within tolerance | "
                "same, without Es | no proposal | wrong |\n");
    std::printf("|---|---|---|---|---|---|---|---|\n");
    for (std::size_t k = 0; k < criteri.size(); ++k) {
        const conteggio& n = conti[k];
        std::printf("| %s | %s | %s | %d | %d (%s) | %d of %d (%s) | %d | %d (%s) |\n",
                    std::string(chiavi_proposte[k]).c_str(), criteri[k].testo, criteri[k].obiettivo,
                    n.con_strato, n.entro, percento(n.entro, n.con_strato).c_str(),
                    n.entro_senza_es, n.senza_es, percento(n.entro_senza_es, n.senza_es).c_str(),
                    n.nessuna, n.errate, percento(n.errate, sondaggi).c_str());
    }
    std::printf("\nWrong: a proposal where the model has no such echo, or off by more than "
                "twice the tolerance; share of all soundings.\n");

    std::array<double, 8> tolleranze{};
    for (std::size_t k = 0; k < criteri.size(); ++k) tolleranze[k] = criteri[k].tolleranza;
    std::printf("\nThe operator's cost of the day, walked through the main window's session: "
                "after each load foF2, then F1 down the list to each of these characteristics "
                "the model has, a label click for one F1 went past, F3; a value is an aimed "
                "click at the model's value, or Enter on a marker within the tolerance.\n\n");
    std::printf("| proposals | F1 | F3 | label clicks | aimed clicks | Enter | keys | clicks | "
                "all | values | beyond tolerance | soundings by keys alone |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    int diverse = 0;
    for (const bool con : {false, true}) {
        const costo_giornata c = costo_della_giornata(opzioni, con, tolleranze);
        const int tasti = c.f1 + c.f3 + c.invio, clic = c.etichette + c.clic;
        std::printf("| %s | %d | %d | %d | %d | %d | %d | %d | %d | %d | %d | %d |\n",
                    con ? "on" : "off", c.f1, c.f3, c.etichette, c.clic, c.invio, tasti, clic,
                    tasti + clic, c.valori, c.lontani, c.solo_tasti);
        diverse = c.proposte_diverse;
    }
    std::printf("\nSoundings whose proposals on the plot's rescaled amplitudes differ from "
                "those of the file as read, in value: %d.\n",
                diverse);
    return 0;
}
