// The settings reader under fuzzing: the input is "setting.txt". What the
// start window shows from the lines read, and what a start on them would do,
// are followed up to the names of the files the session would open.

#include "tools/fuzz/bersagli.h"

#include "base/numeri.h"
#include "ionogram/titoli.h"
#include "session/avvio_sessione.h"
#include "session/impostazioni.h"
#include "session/nomi_file.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace velaris::fuzz {

namespace {

void controlla(bool condizione, const char* promessa) {
    if (!condizione) throw violazione(promessa);
}

bool tra(const std::vector<std::string>& voci, const std::string& voce) {
    return std::find(voci.begin(), voci.end(), voce) != voci.end();
}

/// What the start window and a start do with five lines read.
void avvia(const impostazioni& letti) {
    parametri_sessione attuale;
    attuale.cartella_lavoro = "/lavoro";
    const std::vector<std::string> ore(attuale.tabella_ore.begin(), attuale.tabella_ore.end());

    const std::string incremento = intervallo_da_mostrare(letti.incremento);
    const auto minuti_lista = minuti_ammessi(incremento);
    controlla(minuti_lista.has_value(), "the window always shows one of the five intervals");
    const std::string ora = voce_da_mostrare(ore, letti.ora, 24);
    const std::string minuti = voce_da_mostrare(*minuti_lista, letti.minuti, 60);
    controlla(tra(ore, ora) && tra(*minuti_lista, minuti), "the lists show one of their items");
    try {
        intero16_da_testo(letti.numero);
    } catch (const errore_overflow&) {
        // The window counts such a number as 1, and a start recomputes it.
    }

    // The date box keeps ten characters.
    const richiesta_avvio richiesta{letti.data.substr(0, 10), ora, minuti, incremento, letti.data};
    const avvio_preparato avvio = preparazione_avvio(richiesta, attuale);
    if (!avvio.rifiuto.empty()) {
        controlla(avvio.rifiuto.ends_with("!!"), "a refused start says why, as a warning");
        return;
    }
    const parametri_sessione& s = avvio.sessione;
    controlla(s.numero_ionogramma >= 1 && s.numero_ionogramma <= numero_record(incremento),
              "a session starts on a record of the day's results file");
    controlla(s.file_risultati.parent_path() == attuale.cartella_lavoro / "ionograms" &&
                  s.file_risultati.filename().string() ==
                      nome_file_risultati(s.data_sessione, incremento).value_or(""),
              "the results file lies in the ionograms folder, under its own name");
    const std::string nome = nome_file_ionogramma(s, s.ora_corrente, s.minuti_correnti);
    controlla(nome.starts_with("QX106_") && nome.ends_with("00.rdf") &&
                  nome.find('/') == std::string::npos && nome.find('\0') == std::string::npos,
              "the ionogram file name names a file in the ionograms folder");
    data_ionogramma(nome);

    // What the start writes reads back as written.
    const impostazioni scritte{s.data_sessione, due_cifre(s.ora_corrente),
                               due_cifre(s.minuti_correnti), s.incremento_minuti,
                               std::to_string(s.numero_ionogramma)};
    controlla(impostazioni_da_testo(testo_impostazioni(scritte)).valori == scritte,
              "the settings a start writes read back the same");
}

} // namespace

void prova_impostazioni(ingresso dati) {
    const std::string_view testo(reinterpret_cast<const char*>(dati.data()), dati.size());
    const lettura_impostazioni letta = impostazioni_da_testo(testo);
    controlla(letta.valori.has_value() != !letta.difetto.empty(),
              "five lines were read, or the defect is said");
    if (!letta.valori) return;
    const impostazioni& v = *letta.valori;
    for (const std::string* riga : {&v.data, &v.ora, &v.minuti, &v.incremento, &v.numero})
        controlla(riga->size() <= lunghezza_massima_riga_impostazioni &&
                      riga->find_first_of("\r\n") == std::string::npos,
                  "a line read is at most 256 characters and holds no line end");
    avvia(v);
}

} // namespace velaris::fuzz
