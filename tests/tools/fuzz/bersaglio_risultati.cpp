// The results-record reader under fuzzing: the input is a whole results file.
// The session reads the record of a sounding and the one before it, fills the
// boxes from them, and composes the record back when the sounding is left.

#include "tools/fuzz/bersagli.h"

#include "common/fakes.h"
#include "scaling/tabella_grandezze.h"
#include "session/file_risultati.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace velaris::fuzz {

namespace {

void controlla(bool condizione, const char* promessa) {
    if (!condizione) throw violazione(promessa);
}

/// A box holds at most its field, without the blanks that pad it.
void controlla_casella(const prova::caselle_finte& caselle, std::string_view nome,
                       std::size_t larghezza) {
    const std::string testo = caselle.testo(nome);
    controlla(testo.size() <= larghezza, "a box never holds more than its field");
    controlla(testo.empty() || (testo.front() != ' ' && testo.back() != ' '),
              "a box holds its field without the padding blanks");
}

} // namespace

void prova_risultati(ingresso dati) {
    const std::string_view file(reinterpret_cast<const char*>(dati.data()), dati.size());
    const int record_nel_file = static_cast<int>(file.size() / lunghezza_record);
    // Record 2 (and 1 before it), the last whole record of the file, and the
    // first one past its end: what matters is where the bytes stand, not
    // which sounding reads them.
    for (const int numero : {2, record_nel_file, record_nel_file + 1}) {
        if (numero < 2 || numero > 288) continue;
        const auto leggi = [&](int k) {
            const std::size_t inizio =
                std::min(file.size(), (static_cast<std::size_t>(k) - 1) * lunghezza_record);
            const std::string record = record_da_byte(file.substr(inizio, lunghezza_record));
            controlla(record.size() == lunghezza_record, "a record read is 248 bytes");
            return record;
        };

        prova::caselle_finte caselle;
        riempimento_caselle_testo_ionogramma_corrente(caselle, decodifica_record(leggi(numero)));
        riempimento_caselle_testo_ionogramma_precedente(caselle,
                                                        decodifica_record(leggi(numero - 1)));
        for (const grandezza& g : tabella_grandezze) {
            const bool tipi = g.chiave == chiave_tipi_es;
            controlla_casella(caselle, g.valore, tipi ? 5 : 3);
            controlla_casella(caselle, g.precedente, 5);
            if (!tipi) {
                controlla_casella(caselle, g.qualificativa, 1);
                controlla_casella(caselle, g.descrittiva, 1);
            }
        }
        const std::string composto = composizione_record(caselle, numero % 24, numero % 60);
        controlla(composto.size() == lunghezza_record, "a composed record is 248 bytes");
    }
}

} // namespace velaris::fuzz
