#include "costo.h"

#include "base/caselle_memoria.h"
#include "base/numeri.h"
#include "display/echi.h"
#include "ionogram/lettore_rdf.h"
#include "proposals/proposte.h"
#include "results/giornata.h"
#include "scaling/tabella_grandezze.h"
#include "scaling/unita_grandezze.h"
#include "session/avvio_sessione.h"
#include "session/sessione_principale.h"
#include "verita.h"
#include "vista_muta.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <unistd.h>

namespace velaris {

namespace {

namespace fs = std::filesystem;

/// The window as the walk needs it: the ionogram rescaled as the plot
/// rescales it, so that the proposals are the window's own, and the marker
/// the operator looks at; nothing else is shown.
class vista_senza_finestra : public vista_muta {
public:
    std::optional<punto_grafico> marcatore;

    void mostra_ionogramma(dati_ionogramma& dati) override { normalizzazione_ampiezze(dati); }
    void mostra_proposta(const std::optional<punto_grafico>& punto, const std::string&) override {
        marcatore = punto;
    }
};

/// A folder of its own for the day, gone with the walk.
struct cartella_temporanea {
    fs::path percorso;
    explicit cartella_temporanea(bool con_proposte)
        : percorso(fs::temp_directory_path() /
                   ("velaris-cost-" + std::to_string(getpid()) + (con_proposte ? "-p" : ""))) {}
    ~cartella_temporanea() {
        std::error_code ec;
        fs::remove_all(percorso, ec);
    }
};

/// The model's values by key, where it has them.
std::map<std::string_view, double> da_scalare(const demo::valori_veri& v) {
    const std::array<std::optional<double>, 8> tutti = {v.fmin, v.hE, v.foE,  v.foEs,
                                                        v.hEs,  v.hF, v.foF1, v.foF2};
    std::map<std::string_view, double> valori;
    for (std::size_t k = 0; k < tutti.size(); ++k)
        if (tutti[k]) valori.emplace(chiavi_proposte[k], *tutti[k]);
    return valori;
}

bool altezza(std::string_view chiave) { return chiave.front() == 'h'; }

/// The plot point of a value of `chiave`, on the plot.
punto_grafico punto_di(std::string_view chiave, double valore) {
    if (altezza(chiave))
        return {1, std::clamp(static_cast<int>(std::lround(coordinate_grafico::y_altezza(valore))),
                              1, coordinate_grafico::altezza_grafico)};
    return {std::clamp(static_cast<int>(std::lround(coordinate_grafico::x_frequenza(valore))), 1,
                       coordinate_grafico::larghezza_grafico),
            1};
}

/// The value a plot point stands for, for `chiave`.
double valore_di(std::string_view chiave, punto_grafico p) {
    return altezza(chiave) ? coordinate_grafico::altezza(p.y) : coordinate_grafico::frequenza(p.x);
}

double tolleranza(std::string_view chiave, const std::array<double, 8>& tolleranze) {
    const auto k = std::find(chiavi_proposte.begin(), chiavi_proposte.end(), chiave);
    return tolleranze[static_cast<std::size_t>(k - chiavi_proposte.begin())];
}

} // namespace

costo_giornata costo_della_giornata(const demo::opzioni_giornata& o, bool con_proposte,
                                    const std::array<double, 8>& tolleranze) {
    const cartella_temporanea cartella(con_proposte);
    demo::scrivi_giornata(cartella.percorso, o, true);
    stato_programma stato;
    stato.sessione.cartella_lavoro = cartella.percorso;
    messaggi_consenzienti messaggi;
    const std::string data = demo::testo_data(o.giorno);
    if (!avvio_sessione({data, "00", "00", due_cifre(o.intervallo), data}, stato, messaggi)
             .apri_finestra_principale)
        throw std::runtime_error("the demo day's session does not start");
    caselle_memoria caselle;
    vista_senza_finestra vista;
    sessione_principale sessione(stato, caselle, messaggi, vista);
    sessione.mostra_proposte(con_proposte);
    sessione.carica();

    costo_giornata costo;
    for (const demo::voce_giornata& voce : demo::piano_giornata(o)) {
        if (stato.sessione.ora_corrente != voce.ora ||
            stato.sessione.minuti_correnti != voce.minuti)
            throw std::runtime_error("the walk lost its place in the day");
        std::map<std::string_view, double> valori;
        if (voce.stato == demo::stato_file::presente) {
            const demo::valori_veri vero = demo::verita(demo::sondaggio_di(o, voce));
            valori = da_scalare(vero);
            const std::vector<std::uint8_t> byte = demo::file_ionogramma(o, voce);
            const lettura_rdf letto =
                leggi_rdf_da_byte(byte, intestazione_corta::accettata, voce.nome);
            // A height is the point's y alone, a frequency its x alone.
            const auto uguali = [](const proposta& a, const proposta& b) {
                return a.chiave == b.chiave &&
                       valore_di(a.chiave, a.punto) == valore_di(b.chiave, b.punto);
            };
            const std::vector<proposta> finestra = proposte(sessione.dati());
            const std::vector<proposta> file = proposte(letto->dati);
            costo.proposte_diverse +=
                !std::equal(finestra.begin(), finestra.end(), file.begin(), file.end(), uguali);
        }
        const std::map<std::string_view, double> tutti = valori;
        const int clic_prima = costo.clic + costo.etichette;
        const auto scala_corrente = [&] {
            const auto v = valori.find(sessione.grandezza_corrente());
            if (v == valori.end()) return;
            const auto& [chiave, vero] = *v;
            if (vista.marcatore && std::abs(valore_di(chiave, *vista.marcatore) - vero) <=
                                       tolleranza(chiave, tolleranze) + 1e-9) {
                sessione.tasto(tasto_tabella::invio, false, false);
                ++costo.invio;
            } else {
                const punto_grafico p = punto_di(chiave, vero);
                sessione.clic(1, static_cast<float>(p.x), static_cast<float>(p.y));
                ++costo.clic;
            }
            ++costo.valori;
            valori.erase(v);
        };
        scala_corrente();
        for (int passi = 0; !valori.empty() && passi < 16; ++passi) {
            sessione.tasto(tasto_tabella::f1, false, false);
            ++costo.f1;
            scala_corrente();
            if (sessione.grandezza_corrente() == "foF2") break;
        }
        while (!valori.empty()) {
            const std::string_view chiave = valori.begin()->first;
            sessione.seleziona(chiave);
            ++costo.etichette;
            scala_corrente();
            valori.erase(chiave); // scaled, or its selection failed: not again
        }
        for (const auto& [chiave, vero] : tutti) {
            const std::string testo = caselle.testo(trova_grandezza(chiave)->valore);
            const double valore = valore_fisico(intero16_da_testo(testo), *unita_di(chiave));
            costo.lontani +=
                testo.empty() || std::abs(valore - vero) > tolleranza(chiave, tolleranze) + 1e-9;
        }
        costo.solo_tasti += !tutti.empty() && costo.clic + costo.etichette == clic_prima;
        sessione.tasto(tasto_tabella::f3, false, false);
        ++costo.f3;
    }
    return costo;
}

} // namespace velaris
