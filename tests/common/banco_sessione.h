#pragma once
// The main window's session object over the in-memory ports, in a temporary
// working folder that holds the session of giornata_di_prova (05-03-2023 at
// 07:45, interval 15), its blank results file and its "setting.txt": the
// bench the session-level suites build on.

#include "common/fakes.h"
#include "common/giornata_di_prova.h"
#include "common/vista_finta.h"
#include "session/sessione_principale.h"
#include "session/spostamento.h"

namespace velaris::prova {

struct banco_sessione {
    cartella_temporanea cartella;
    stato_programma stato;
    vista_finta vista;
    caselle_finte caselle;
    messaggi_finti messaggi;
    sessione_principale sessione{stato, caselle, messaggi, vista};

    banco_sessione() {
        prepara_sessione(stato, cartella.percorso());
        scrittura_impostazioni_correnti(stato.sessione);
    }
    /// Characters da ... a (1-based, as the record layout counts) of record k
    /// (blanks beyond the end of the file).
    std::string campo(std::size_t k, std::size_t da, std::size_t a) const {
        const std::string r = testo_file(stato.sessione.file_risultati) + std::string(k * 248, ' ');
        return r.substr((k - 1) * 248 + da - 1, a - da + 1);
    }
    std::string impostazioni() const { return testo_file(file_impostazioni(stato)); }
    /// Bytes 60-61 of the ionogram file at ora:minuti (blanks when it has none).
    std::string codice_in(int ora, int minuti) const {
        return testo_file(file_ionogramma(stato, ora, minuti)).append(61, ' ').substr(59, 2);
    }
};

} // namespace velaris::prova
