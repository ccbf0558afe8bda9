#include "caricamento.h"

#include "ionogram/lettore_rdf.h"
#include "ionogram/titoli.h"
#include "rules/casi_particolari.h"
#include "session/file_risultati.h"
#include "session/nomi_file.h"

#include <optional>

namespace velaris {

namespace {

/// The status line as it is built up: sentences and the full paths of the
/// files they name.
struct riga_stato {
    std::string testo;
    std::string percorsi;

    void aggiungi(const std::string& frase, const std::filesystem::path& file) {
        if (!testo.empty()) testo += ' ';
        testo += frase;
        if (!percorsi.empty()) percorsi += '\n';
        percorsi += file.string();
    }
};

void stato_senza_ionogramma(stato_programma& stato, const finestra_caricamento& f) {
    f.presente = false;
    f.vista.imposta_titolo(
        titolo_finestra(f.nome_file, stato.stazione, stato.sessione.testo_data, std::nullopt, '.'));
    f.vista.mostra_grafico_vuoto();
    if (f.caso != nullptr) {
        f.caso->abilita_casi_particolari(false);
        stato.codice_caso_particolare = std::string(nessun_caso_particolare);
        f.caso->imposta_caso_particolare("");
    }
}

/// The status line's sentence for an ionogram file that gives no ionogram.
/// Unreadable is shown as rejected: the operator still sees and keeps the
/// sounding's record, and the file stays as it is.
std::string senza_ionogramma(const std::string& nome, const errore_rdf& e) {
    switch (e.motivo) {
    case motivo_errore::file_mancante:
        return "No ionogram for this time: " + nome + " is not in the ionograms folder.";
    case motivo_errore::cartella:
        return "No ionogram for this time: " + nome +
               " is a folder, not a file. It is left as it is.";
    case motivo_errore::dimensione_errata:
        return nome + " is not a valid ionogram: " + e.dettaglio + " The file is left as it is.";
    default:
        return nome + " " + e.dettaglio + ". The file is left as it is.";
    }
}

/// Step 1 of the sequence: the ionogram file, or the no-ionogram state.
void caricamento_file(stato_programma& stato, const finestra_caricamento& f, riga_stato& riga) {
    parametri_sessione& s = stato.sessione;
    f.nome_file = nome_file_ionogramma(s, f.ora, f.minuti);
    s.testo_data = data_ionogramma(f.nome_file);
    const auto percorso = s.cartella_ionogrammi / f.nome_file;

    lettura_rdf letto = carica_rdf(percorso, f.principale ? intestazione_corta::accettata
                                                          : intestazione_corta::rifiutata);
    if (!letto) {
        stato_senza_ionogramma(stato, f);
        riga.aggiungi(senza_ionogramma(f.nome_file, letto.errore()), percorso);
        return;
    }

    f.presente = true;
    if (f.caso != nullptr) f.caso->abilita_casi_particolari(true);
    f.dati = std::move(letto->dati);
    stato.stazione = letto->stazione;
    if (f.caso != nullptr && !letto->codice_caso_particolare.empty()) {
        stato.codice_caso_particolare = letto->codice_caso_particolare;
        if (const auto didascalia = didascalia_caso_particolare(stato.codice_caso_particolare))
            f.caso->imposta_caso_particolare(*didascalia);
    }
    f.vista.imposta_titolo(titolo_finestra(f.nome_file, stato.stazione, s.testo_data,
                                           f.dati.passo_frequenza, f.vista.separatore_decimale()));
    f.vista.mostra_ionogramma(f.dati);
}

/// Step 2: both records are read before any box changes, so a failure
/// leaves no mixture of this sounding's values and another's.
void caricamento_risultati(stato_programma& stato, caselle_testo& caselle, messaggi& messaggi,
                           riga_stato& riga) {
    parametri_sessione& s = stato.sessione;
    stato.record_caricato = false;
    record_risultati corrente, precedente;
    try {
        corrente = decodifica_record(lettura_record(s.file_risultati, s.numero_ionogramma));
        if (s.numero_ionogramma != 1) {
            s.numero_precedente = static_cast<std::int16_t>(s.numero_ionogramma - 1);
            precedente = decodifica_record(lettura_record(s.file_risultati, s.numero_precedente));
        }
    } catch (const errore_file_risultati& e) {
        riempimento_caselle_testo_ionogramma_corrente(caselle, record_risultati{});
        svuotamento_caselle_precedenti(caselle);
        const std::string perche = e.dettaglio.empty() ? "cannot be read" : e.dettaglio;
        riga.aggiungi(s.file_risultati.filename().string() + " " + perche +
                          ": the boxes are empty and this sounding will not be saved.",
                      s.file_risultati);
        messaggi.avviso("Be careful!!", std::string(e.what()) +
                                            "\r\nThe boxes stay empty, and this sounding will "
                                            "not be saved, so that its record is not "
                                            "overwritten.");
        return;
    }
    riempimento_caselle_testo_ionogramma_corrente(caselle, corrente);
    if (s.numero_ionogramma == 1)
        svuotamento_caselle_precedenti(caselle);
    else
        riempimento_caselle_testo_ionogramma_precedente(caselle, precedente);
    stato.record_caricato = true;
}

} // namespace

finestra_caricamento finestra_principale(stato_programma& stato, dati_ionogramma& dati,
                                         vista_ionogramma& vista, vista_caso_particolare& caso) {
    parametri_sessione& s = stato.sessione;
    return {true,
            s.ora_corrente,
            s.minuti_correnti,
            s.nome_file_ionogramma,
            stato.ionogramma_presente,
            dati,
            vista,
            &caso};
}

finestra_caricamento finestra_compagna(stato_programma& stato, dati_ionogramma& dati,
                                       vista_ionogramma& vista) {
    parametri_sessione& s = stato.sessione;
    return {false,
            s.ora_successivo,
            s.minuti_successivo,
            s.nome_file_successivo,
            stato.successivo_presente,
            dati,
            vista};
}

void caricamento_file_ionogramma(stato_programma& stato, const finestra_caricamento& finestra) {
    riga_stato riga;
    caricamento_file(stato, finestra, riga);
    finestra.vista.imposta_stato_file(riga.testo, riga.percorsi);
}

void caricamento_ionogramma(stato_programma& stato, dati_ionogramma& dati, vista_ionogramma& vista,
                            vista_caso_particolare& caso, caselle_testo& caselle,
                            messaggi& messaggi) {
    riga_stato riga;
    caricamento_file(stato, finestra_principale(stato, dati, vista, caso), riga);
    caricamento_risultati(stato, caselle, messaggi, riga);
    vista.imposta_stato_file(riga.testo, riga.percorsi);
}

bool salvataggio_ionogramma(const stato_programma& stato, const caselle_testo& caselle) {
    // The record goes first: should the ionogram file refuse the code, the
    // operator's values are already safe.
    if (!salvataggio_record(stato, caselle)) return false;
    salvataggio_codice(stato);
    return true;
}

bool salvataggio_record(const stato_programma& stato, const caselle_testo& caselle) {
    if (!stato.record_caricato) return false;
    const parametri_sessione& s = stato.sessione;
    scrittura_record(s.file_risultati, s.numero_ionogramma,
                     composizione_record(caselle, s.ora_corrente, s.minuti_correnti));
    return true;
}

void salvataggio_codice(const stato_programma& stato) {
    const parametri_sessione& s = stato.sessione;
    if (stato.record_caricato && stato.ionogramma_presente &&
        codice_da_scrivere(stato.codice_caso_particolare))
        scrittura_codice_caso_particolare(s.cartella_ionogrammi / s.nome_file_ionogramma,
                                          stato.codice_caso_particolare);
}

} // namespace velaris
