#include "caricamento.h"

#include "ionogram/lettore_rdf.h"
#include "ionogram/titoli.h"
#include "rules/casi_particolari.h"
#include "session/file_risultati.h"
#include "session/nomi_file.h"

#include <optional>

namespace velaris {

namespace {

void stato_senza_ionogramma(stato_programma& stato, vista_ionogramma& vista,
                            const std::string& motivo) {
    const parametri_sessione& s = stato.sessione;
    stato.ionogramma_presente = false;
    vista.imposta_titolo(
        titolo_finestra(s.nome_file_ionogramma, stato.stazione, s.testo_data, std::nullopt, '.'));
    vista.mostra_grafico_vuoto();
    vista.abilita_casi_particolari(false);
    stato.codice_caso_particolare = std::string(nessun_caso_particolare);
    vista.imposta_caso_particolare("");
    vista.imposta_stato_file(motivo);
}

} // namespace

bool caricamento_file_ionogramma(stato_programma& stato, dati_ionogramma& dati,
                                 vista_ionogramma& vista) {
    parametri_sessione& s = stato.sessione;
    s.nome_file_ionogramma = nome_file_ionogramma(s, s.ora_corrente, s.minuti_correnti);
    s.testo_data = data_ionogramma(s.nome_file_ionogramma);
    const auto percorso = s.cartella_ionogrammi / s.nome_file_ionogramma;

    caricamento_rdf letto;
    try {
        letto = carica_rdf(percorso, variante_finestra::principale);
    } catch (const std::exception& e) {
        vista.imposta_stato_file(e.what());
        return false;
    }
    switch (letto.esito) {
    case esito_caricamento::mancante:
        stato_senza_ionogramma(stato, vista,
                               "No ionogram for this time: " + s.nome_file_ionogramma +
                                   " is not in the ionograms folder.");
        return true;
    case esito_caricamento::rifiutato:
        stato_senza_ionogramma(stato, vista,
                               s.nome_file_ionogramma + " is not a valid ionogram: " +
                                   letto.motivo + " The file is left as it is.");
        return true;
    case esito_caricamento::accettato:
        break;
    }

    stato.ionogramma_presente = true;
    vista.abilita_casi_particolari(true);
    dati = std::move(letto.ionogramma.dati);
    stato.stazione = letto.ionogramma.stazione;
    if (!letto.ionogramma.codice_caso_particolare.empty()) {
        stato.codice_caso_particolare = letto.ionogramma.codice_caso_particolare;
        if (const auto didascalia = didascalia_caso_particolare(stato.codice_caso_particolare))
            vista.imposta_caso_particolare(*didascalia);
    }
    vista.imposta_titolo(titolo_finestra(s.nome_file_ionogramma, stato.stazione, s.testo_data,
                                         dati.passo_frequenza, vista.separatore_decimale()));
    vista.imposta_stato_file("");
    vista.mostra_ionogramma(dati);
    return true;
}

void caricamento_risultati(stato_programma& stato, caselle_testo& caselle) {
    parametri_sessione& s = stato.sessione;
    riempimento_caselle_testo_ionogramma_corrente(
        caselle, lettura_record(s.file_risultati, s.numero_ionogramma));
    if (s.numero_ionogramma == 1) {
        svuotamento_caselle_precedenti(caselle);
        return;
    }
    s.numero_precedente = static_cast<std::int16_t>(s.numero_ionogramma - 1);
    riempimento_caselle_testo_ionogramma_precedente(
        caselle, lettura_record(s.file_risultati, s.numero_precedente));
}

void salvataggio_ionogramma(const stato_programma& stato, const caselle_testo& caselle) {
    const parametri_sessione& s = stato.sessione;
    // The record goes first: should the ionogram file refuse the code, the
    // operator's values are already safe.
    scrittura_record(s.file_risultati, s.numero_ionogramma,
                     composizione_record(caselle, s.ora_corrente, s.minuti_correnti));
    if (stato.ionogramma_presente && codice_da_scrivere(stato.codice_caso_particolare))
        scrittura_codice_caso_particolare(s.cartella_ionogrammi / s.nome_file_ionogramma,
                                          stato.codice_caso_particolare);
}

} // namespace velaris
