#include "spostamento.h"

#include "base/numeri.h"
#include "scaling/selezione.h"
#include "session/impostazioni.h"
#include "session/nomi_file.h"
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

void vai_a(stato_programma& stato, const posizione& p) {
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
void torna_indietro(contesto_principale& f, const posizione& lasciata, const std::string& motivo) {
    parametri_sessione& s = f.stato.sessione;
    const std::string ora_nuova = due_cifre(s.ora_corrente) + ":" + due_cifre(s.minuti_correnti);
    vai_a(f.stato, lasciata);
    try {
        caricamento_file_ionogramma(f.stato, finestra_principale(f.stato, f.dati, f.vista));
    } catch (const std::exception&) {
        // The time is back where the boxes are: that is what saving needs.
    }
    f.avvisi.avviso(titolo_salvataggio, "The ionogram of " + ora_nuova +
                                            " cannot be shown: " + motivo +
                                            "\r\nThe window stays on " +
                                            due_cifre(s.ora_corrente) + ":" +
                                            due_cifre(s.minuti_correnti) + ".");
}

} // namespace

void scrittura_impostazioni_correnti(const parametri_sessione& s) {
    scrivi_impostazioni(s.cartella_lavoro / nome_file_impostazioni,
                        impostazioni{s.data_sessione, due_cifre(s.ora_corrente),
                                     due_cifre(s.minuti_correnti),
                                     due_cifre(intero16_da_testo(s.incremento_minuti)),
                                     std::to_string(s.numero_ionogramma)});
}

namespace {

/// Where a move goes: the adjacent sounding, or one the operator picked.
struct destinazione {
    esito_passo esito;
    posizione dove;
};

/// The move itself, once the destination is known: its time is taken only
/// after the record of the sounding left has been written.
esito_spostamento esegui(contesto_principale& f, bool segna_giorno_notte,
                         const destinazione& d) {
    stato_programma& stato = f.stato;
    parametri_sessione& s = stato.sessione;
    f.record_salvato = false;
    f.caselle_controllo.clear();

    if (!controlli_prima_di_lasciare(stato, f.caselle, f.avvisi, f.controllo,
                                     testo_tipi_es_spostamento, &f.caselle_controllo))
        return esito_spostamento::rifiutato;
    if (segna_giorno_notte) f.giorno_notte = giorno_o_notte(f.caselle);

    if (!salva_o_chiedi(f.avvisi, domanda_senza_record(via_uscita::spostamento),
                        [&] { f.record_salvato = salvataggio_record(stato, f.caselle); }))
        return esito_spostamento::non_salvato;

    const posizione lasciata = posizione_di(stato);
    switch (d.esito) {
    case esito_passo::primo:
        f.avvisi.avviso(titolo_primo, testo_primo_principale);
        return esito_spostamento::limite;
    case esito_passo::ultimo:
        f.avvisi.avviso(titolo_ultimo, testo_ultimo_principale);
        return esito_spostamento::limite;
    case esito_passo::fatto:
        s.ora_corrente = d.dove.tempo.ora;
        s.minuti_correnti = d.dove.tempo.minuti;
        s.numero_ionogramma = d.dove.numero;
        break;
    case esito_passo::fermo:
        break; // no interval to step by: the same sounding is saved and loaded again
    }

    // nome_file_ionogramma still names the file being left. Its record is
    // written by now: a refused code costs only the code.
    if (!salva_o_chiedi(f.avvisi,
                        domanda_senza_codice(via_uscita::spostamento, stato.codice_caso_particolare),
                        [&] { salvataggio_codice(stato); })) {
        vai_a(stato, lasciata);
        return esito_spostamento::interrotto;
    }

    try {
        caricamento_ionogramma(stato, f.dati, f.vista, f.caselle, f.avvisi);
    } catch (const std::exception& e) {
        torna_indietro(f, lasciata, e.what());
        return esito_spostamento::interrotto;
    }
    // The boxes are the window's own: writing "setting.txt" after them or
    // before changes nothing on disk but its place in the sequence.
    try {
        scrittura_impostazioni_correnti(s);
    } catch (const std::exception& e) {
        // Only the place to resume from is lost; the move itself is sound.
        f.avvisi.avviso(titolo_salvataggio, std::string(e.what()) + "!!");
    }
    return esito_spostamento::completato;
}

} // namespace

esito_spostamento spostamento(verso v, contesto_principale& f) {
    const parametri_sessione& s = f.stato.sessione;
    const passo p = passo_orario({s.ora_corrente, s.minuti_correnti}, v, s.incremento_minuti);
    const int numero = s.numero_ionogramma + (v == verso::successivo ? 1 : -1);
    return esegui(f, v == verso::successivo,
                  {p.esito, {p.nuovo, static_cast<std::int16_t>(numero), {}, false}});
}

esito_spostamento spostamento_a(int numero, contesto_principale& f) {
    const parametri_sessione& s = f.stato.sessione;
    const int i = minuti_intervallo(s.incremento_minuti);
    if (i == 0 || numero < 1 || numero > numero_record(s.incremento_minuti))
        return esito_spostamento::rifiutato;
    const int minuti = (numero - 1) * i;
    const orario tempo{static_cast<std::int16_t>(minuti / 60),
                       static_cast<std::int16_t>(minuti % 60)};
    return esegui(f, numero > s.numero_ionogramma,
                  {esito_passo::fatto, {tempo, static_cast<std::int16_t>(numero), {}, false}});
}

} // namespace velaris
