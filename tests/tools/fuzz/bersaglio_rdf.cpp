// The ionogram reader under fuzzing. Each input is read as a whole file, and
// also applied as edits to a valid file (first byte: size change, then pairs
// of header offset and value), so that the amplitude read and the drawing are
// reached without the header layout having to be discovered first.

#include "tools/fuzz/bersagli.h"

#include "display/echi.h"
#include "display/superficie.h"
#include "ionogram/lettore_rdf.h"
#include "ionogram/titoli.h"
#include "rules/casi_particolari.h"

#include <string>
#include <string_view>
#include <vector>

namespace velaris::fuzz {

namespace {

std::vector<std::uint8_t> file_valido() {
    std::vector<std::uint8_t> file(197, ' ');
    const auto metti = [&](std::size_t primo, std::string_view testo) {
        for (std::size_t k = 0; k < testo.size(); ++k)
            file[primo - 1 + k] = static_cast<std::uint8_t>(testo[k]);
    };
    metti(1, "01.000 02.000 0.050");
    metti(60, "xx");
    metti(123, "QX106");
    file[196] = 10;
    for (std::size_t k = 0; k < 150 * 21; ++k)
        file.push_back(static_cast<std::uint8_t>(k * 7));
    return file;
}

void controlla(bool condizione, const char* promessa) {
    if (!condizione) throw violazione(promessa);
}

/// What the main window does with an accepted file: rescale, draw, title.
void mostra(ionogramma_letto& letto, std::size_t dimensione) {
    dati_ionogramma& dati = letto.dati;
    const std::int32_t n = dati.numero_frequenze;
    controlla(n >= 1 && n <= massimo_frequenze, "an accepted file has 1 ... 32767 frequencies");
    controlla(dimensione == 197 + 150 * static_cast<std::size_t>(n),
              "an accepted file is 197 + 150 x nfreq bytes");
    controlla(dati.ampiezze.size() == static_cast<std::size_t>(n) * 150,
              "the matrix holds nfreq x 150 cells");
    for (const std::int16_t a : dati.ampiezze)
        controlla(a == 0 || (a >= 7 && a <= 255), "a cell as read is 0 or 7 ... 255");
    const std::size_t codice = letto.codice_caso_particolare.size();
    controlla(codice == 0 || codice == 2, "a code is two characters or none");

    normalizzazione_ampiezze(dati);
    for (const std::int16_t a : dati.ampiezze)
        controlla(a >= 0 && a <= 254, "a rescaled cell is a grey level 0 ... 254");
    static const geometria_grafico geometria = geometria_grafico::finestra_principale();
    static QImage superficie = crea_superficie(geometria);
    disegno_echi(superficie, geometria, dati);
    titolo_finestra("fuzz.rdf", letto.stazione, "", dati.passo_frequenza, ',');
}

void leggi(const std::vector<std::uint8_t>& file) {
    for (const auto corta : {intestazione_corta::accettata, intestazione_corta::rifiutata}) {
        lettura_rdf letto = leggi_rdf_da_byte(file, corta, "fuzz.rdf");
        if (letto) {
            mostra(letto.valore(), file.size());
            continue;
        }
        const errore_rdf& e = letto.errore();
        controlla(e.motivo != motivo_errore::file_mancante && e.motivo != motivo_errore::cartella,
                  "bytes in memory are never a missing file");
        controlla(!e.dettaglio.empty(), "a refused file comes with its reason");
        controlla(e.messaggio.find("fuzz.rdf") != std::string::npos, "a refusal names the file");
    }
}

} // namespace

void prova_rdf(ingresso dati) {
    leggi(std::vector<std::uint8_t>(dati.begin(), dati.end()));
    const std::string_view testo(reinterpret_cast<const char*>(dati.data()), dati.size());
    data_ionogramma(testo);
    didascalia_caso_particolare(testo.substr(0, 2));

    static const std::vector<std::uint8_t> valido = file_valido();
    if (dati.empty()) return;
    std::vector<std::uint8_t> file = valido;
    const int scarto = static_cast<int>(dati[0] % 5) - 2; // -2 .. +2 bytes
    file.resize(static_cast<std::size_t>(static_cast<int>(file.size()) + scarto), 0);
    for (std::size_t k = 1; k + 1 < dati.size(); k += 2)
        file[dati[k] % 200] = dati[k + 1];
    leggi(file);
}

} // namespace velaris::fuzz
