// The three fuzz targets: each takes the bytes of one input, runs the reader
// and what the program then does with what it read, and checks the promises
// of the readers' headers; the text of each check names the promise.

#include "tools/fuzz/bersagli.h"

#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "display/echi.h"
#include "display/superficie.h"
#include "ionogram/lettore_rdf.h"
#include "ionogram/titoli.h"
#include "session/avvio_sessione.h"
#include "session/file_risultati.h"
#include "session/impostazioni.h"
#include "session/nomi_file.h"

namespace velaris::fuzz {

namespace {

std::string_view testo_di(ingresso dati) {
    return {reinterpret_cast<const char*>(dati.data()), dati.size()};
}

/// Both windows' reads of an ionogram file; what is accepted is rescaled,
/// drawn and titled as the main window does.
void leggi_rdf(const std::vector<std::uint8_t>& file) {
    for (const auto corta : {intestazione_corta::accettata, intestazione_corta::rifiutata}) {
        lettura_rdf letto = leggi_rdf_da_byte(file, corta, "fuzz.rdf");
        if (!letto) {
            // A refused file is named, and the reason follows.
            controlla(letto.errore().messaggio.starts_with("The ionogram file \"fuzz.rdf\" "),
                      "named");
            continue;
        }
        dati_ionogramma& d = letto.valore().dati;
        const auto n = static_cast<std::size_t>(d.numero_frequenze);
        // An accepted file is 197 + 150 x nfreq bytes, nfreq 1 ... 32767, all read.
        controlla(n >= 1 && n <= 32767 && file.size() == 197 + 150 * n &&
                      d.ampiezze.size() == 150 * n,
                  "an accepted file");
        for (const auto a : d.ampiezze) controlla(a == 0 || (a > 6 && a < 256), "a cell as read");
        normalizzazione_ampiezze(d);
        for (const auto a : d.ampiezze) controlla(a >= 0 && a <= 254, "a grey level");
        static const geometria_grafico geometria = geometria_grafico::finestra_principale();
        static QImage superficie = crea_superficie(geometria);
        disegno_echi(superficie, geometria, d);
        titolo_finestra("fuzz.rdf", letto.valore().stazione, "", d.passo_frequenza, ',');
    }
}

} // namespace

void prova_rdf(ingresso dati) {
    // The input as a whole file, and as edits to a valid one (first byte: size
    // change, then pairs of header offset and value), so that the amplitudes
    // and the drawing are reached without the header having to be found first.
    leggi_rdf({dati.begin(), dati.end()});
    if (dati.empty()) return;
    auto file = prova::rdf_di_prova{.campi = "01.000 02.000 0.050", .record = 21}.byte();
    file.resize(file.size() - 2 + dati[0] % 5u, 0);
    for (std::size_t k = 1; k + 1 < dati.size(); k += 2) file[dati[k] % 200] = dati[k + 1];
    leggi_rdf(file);
}

void prova_risultati(ingresso dati) {
    // Record 2 (and 1 before it), the last whole record and the first past the
    // end are read, the boxes filled and the record composed back.
    const std::string_view file = testo_di(dati);
    for (const std::size_t numero : {std::size_t{2}, file.size() / 248, file.size() / 248 + 1}) {
        if (numero < 2 || numero > 288) continue;
        const auto leggi = [&](std::size_t k) {
            const auto record =
                record_da_byte(file.substr(std::min(file.size(), (k - 1) * 248), 248));
            controlla(record.size() == 248, "a record read is 248 bytes");
            return decodifica_record(record);
        };
        prova::caselle_finte caselle;
        riempimento_caselle_testo_ionogramma_corrente(caselle, leggi(numero));
        riempimento_caselle_testo_ionogramma_precedente(caselle, leggi(numero - 1));
        for (const auto& [nome, t] : caselle.testi) // value 3, Es types 5, letter 1, previous 5
            controlla(t.size() <= 5 && !t.starts_with(' ') && !t.ends_with(' '), "a box");
        controlla(composizione_record(caselle, 1, 0).size() == 248, "a record composed");
    }
}

void prova_impostazioni(ingresso dati) {
    // Five lines or the defect; then a start on them as the start window
    // shows them (the date box keeps ten characters) is refused saying why,
    // or starts on a record of the day, in files of the ionograms folder.
    const lettura_impostazioni letta = impostazioni_da_testo(testo_di(dati));
    controlla(letta.valori.has_value() == letta.difetto.empty(), "five lines, or the defect");
    if (!letta.valori) return;
    const impostazioni& v = *letta.valori;
    parametri_sessione attuale;
    attuale.cartella_lavoro = "/lavoro";
    const std::string incremento = intervallo_da_mostrare(v.incremento);
    const std::vector<std::string> ore(attuale.tabella_ore.begin(), attuale.tabella_ore.end());
    const std::string ora = voce_da_mostrare(ore, v.ora, 24);
    const std::string minuti = voce_da_mostrare(minuti_ammessi(incremento).value(), v.minuti, 60);
    const auto avvio =
        preparazione_avvio({v.data.substr(0, 10), ora, minuti, incremento, v.data}, attuale);
    if (!avvio.rifiuto.empty())
        return controlla(avvio.rifiuto.ends_with("!!"), "a refusal says why");
    const parametri_sessione& s = avvio.sessione;
    const std::string nome = nome_file_ionogramma(s, s.ora_corrente, s.minuti_correnti);
    controlla(s.numero_ionogramma >= 1 && s.numero_ionogramma <= numero_record(incremento) &&
                  s.file_risultati.parent_path() == "/lavoro/ionograms" &&
                  nome.starts_with("QX106_") &&
                  nome.find_first_of(std::string_view("/\0", 2)) == std::string::npos,
              "a start on a record of the day, with files in the ionograms folder");
    const impostazioni scritte{s.data_sessione, ora, minuti, s.incremento_minuti,
                               std::to_string(s.numero_ionogramma)};
    controlla(impostazioni_da_testo(testo_impostazioni(scritte)).valori == scritte, "read back");
}

} // namespace velaris::fuzz
