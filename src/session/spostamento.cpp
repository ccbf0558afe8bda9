// The main window's moves: Previous, Next and a jump from the day overview,
// as one sequence over the session object's own state.

#include "spostamento.h"

#include "base/numeri.h"
#include "scaling/selezione.h"
#include "session/caricamento.h"
#include "session/impostazioni.h"
#include "session/nomi_file.h"
#include "session/sessione_principale.h"
#include "session/uscita.h"

#include <exception>

namespace velaris {

namespace {

/// Where the window stood before the time step, to go back to when the move
/// cannot be finished.
struct posizione {
    orario tempo;
    std::int16_t numero;
    std::string nome_file;
    bool record_caricato = false;
};

posizione posizione_di(const stato_programma& stato) {
    const parametri_sessione& s = stato.sessione;
    return {{s.ora_corrente, s.minuti_correnti},
            s.numero_ionogramma,
            s.nome_file_ionogramma,
            stato.record_caricato};
}

void torna_a(stato_programma& stato, const posizione& p) {
    parametri_sessione& s = stato.sessione;
    s.ora_corrente = p.tempo.ora;
    s.minuti_correnti = p.tempo.minuti;
    s.numero_ionogramma = p.numero;
    s.nome_file_ionogramma = p.nome_file;
    stato.record_caricato = p.record_caricato;
}

/// A move that cannot be finished once its loading has begun: the session
/// goes back to the sounding whose values the boxes still hold (the loading
/// changes the boxes last, all at once), so that no later saving writes them
/// into another sounding's record; the plot and the title show that sounding
/// again.
void torna_indietro(stato_programma& stato, dati_ionogramma& dati, vista_principale& vista,
                    messaggi& avvisi, const posizione& lasciata, const std::string& motivo) {
    parametri_sessione& s = stato.sessione;
    const std::string ora_nuova = due_cifre(s.ora_corrente) + ":" + due_cifre(s.minuti_correnti);
    torna_a(stato, lasciata);
    try {
        caricamento_file_ionogramma(stato,
                                    finestra_principale(stato, dati, vista.grafico(), vista));
    } catch (const std::exception&) {
        // The time is back where the boxes are: that is what saving needs.
    }
    avvisi.avviso(titolo_salvataggio, "The ionogram of " + ora_nuova +
                                          " cannot be shown: " + motivo +
                                          "\r\nThe window stays on " + due_cifre(s.ora_corrente) +
                                          ":" + due_cifre(s.minuti_correnti) + ".");
}

} // namespace

void scrittura_impostazioni_correnti(const parametri_sessione& s) {
    scrivi_impostazioni(s.cartella_lavoro / nome_file_impostazioni,
                        impostazioni{s.data_sessione, due_cifre(s.ora_corrente),
                                     due_cifre(s.minuti_correnti),
                                     due_cifre(intero16_da_testo(s.incremento_minuti)),
                                     std::to_string(s.numero_ionogramma)});
}

esito_comando sessione_principale::sposta(verso v) {
    m_salvata_da_esc = false;
    const lasciando_sondaggio guardia(*this);
    const parametri_sessione& s = m_stato.sessione;
    const passo p = passo_orario({s.ora_corrente, s.minuti_correnti}, v, s.incremento_minuti);
    const int numero = s.numero_ionogramma + (v == verso::successivo ? 1 : -1);
    return spostamento(v == verso::successivo, p.esito, p.nuovo, static_cast<std::int16_t>(numero));
}

esito_comando sessione_principale::vai_a(int numero) {
    m_salvata_da_esc = false;
    const lasciando_sondaggio guardia(*this);
    const parametri_sessione& s = m_stato.sessione;
    const int i = minuti_intervallo(s.incremento_minuti);
    if (i == 0 || numero < 1 || numero > numero_record(s.incremento_minuti)) return {};
    const int minuti = (numero - 1) * i;
    const orario tempo{static_cast<std::int16_t>(minuti / 60),
                       static_cast<std::int16_t>(minuti % 60)};
    // Going later in the day marks day or night as Next does.
    return spostamento(numero > s.numero_ionogramma, esito_passo::fatto, tempo,
                       static_cast<std::int16_t>(numero));
}

/// The move itself, once the destination is known: its time is taken only
/// after the record of the sounding left has been written.
esito_comando sessione_principale::spostamento(bool segna_giorno_notte, esito_passo passo,
                                               orario tempo, std::int16_t numero) {
    parametri_sessione& s = m_stato.sessione;
    esito_comando esito;
    if (!controlli_prima_di_lasciare(testo_tipi_es_spostamento)) return esito;
    if (segna_giorno_notte) m_giorno_notte = giorno_o_notte(m_caselle);

    if (!salva_o_chiedi(m_messaggi, domanda_senza_record(via_uscita::spostamento),
                        [&] { esito.record_salvato = salvataggio_record(m_stato, m_caselle); }))
        return esito;

    const posizione lasciata = posizione_di(m_stato);
    switch (passo) {
    case esito_passo::primo:
        m_messaggi.avviso(titolo_primo, testo_primo_principale);
        return esito;
    case esito_passo::ultimo:
        m_messaggi.avviso(titolo_ultimo, testo_ultimo_principale);
        return esito;
    case esito_passo::fatto:
        s.ora_corrente = tempo.ora;
        s.minuti_correnti = tempo.minuti;
        s.numero_ionogramma = numero;
        break;
    case esito_passo::fermo:
        break; // no interval to step by: the same sounding is saved and loaded again
    }

    // nome_file_ionogramma still names the file being left. Its record is
    // written by now: a refused code costs only the code.
    if (!salva_o_chiedi(
            m_messaggi,
            domanda_senza_codice(via_uscita::spostamento, m_stato.codice_caso_particolare),
            [&] { salvataggio_codice(m_stato); })) {
        torna_a(m_stato, lasciata);
        return esito;
    }

    try {
        carica_sondaggio();
    } catch (const std::exception& e) {
        torna_indietro(m_stato, m_dati, m_vista, m_messaggi, lasciata, e.what());
        // The plot shows the sounding left again, without its marker.
        calcola_proposte();
        mostra_proposta();
        return esito;
    }
    // The boxes are the window's own: writing "setting.txt" after them or
    // before changes nothing on disk but its place in the sequence.
    try {
        scrittura_impostazioni_correnti(s);
    } catch (const std::exception& e) {
        // Only the place to resume from is lost; the move itself is sound.
        m_messaggi.avviso(titolo_salvataggio, std::string(e.what()) + "!!");
    }
    fof2_corrente();
    return esito;
}

} // namespace velaris
