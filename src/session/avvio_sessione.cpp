#include "avvio_sessione.h"

#include "base/calendario.h"
#include "base/numeri.h"
#include "session/file_risultati.h"
#include "session/impostazioni.h"
#include "session/nomi_file.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace velaris {

namespace fs = std::filesystem;

namespace {

// A new results file holds one blank record per sounding of the day. It is
// built whole and renamed into place, so a crash never leaves a short file
// that the record reads would later trip over. An existing file is the
// operator's work of the day and is never touched.
void crea_file_risultati_se_manca(const fs::path& file, int record) {
    std::error_code ec;
    const fs::file_status stato = fs::status(file, ec);
    if (fs::exists(stato)) {
        if (fs::is_directory(stato))
            throw std::runtime_error("Cannot use " + file.filename().string() + " in " +
                                     file.parent_path().string() + ": it is a folder");
        return;
    }
    const std::string vuoto = record_vuoto();
    std::string contenuto;
    contenuto.reserve(static_cast<std::size_t>(record) * vuoto.size());
    for (int i = 0; i < record; ++i) contenuto += vuoto;
    scrivi_file_sicuro(file, contenuto);
}

void crea_cartella(const fs::path& cartella) {
    std::error_code ec;
    if (fs::is_directory(cartella, ec)) return;
    if (fs::exists(fs::symlink_status(cartella, ec)))
        throw std::runtime_error("Cannot create the folder " + cartella.string() +
                                 ": a file of that name is in the way");
    fs::create_directories(cartella, ec);
    if (ec)
        throw std::runtime_error("Cannot create the folder " + cartella.string() + ": " +
                                 ec.message());
}

} // namespace

std::optional<std::vector<std::string>> minuti_ammessi(std::string_view incremento) {
    bool ammesso = false;
    for (std::string_view voce : intervalli_ammessi) ammesso = ammesso || voce == incremento;
    if (!ammesso) return std::nullopt;
    const int passo = intero16_da_testo(incremento);
    std::vector<std::string> voci;
    for (int m = 0; m < 60; m += passo) voci.push_back(due_cifre(m));
    return voci;
}

std::string voce_da_mostrare(const std::vector<std::string>& voci, std::string_view testo,
                             double limite) {
    if (voci.empty()) return {};
    for (const auto& voce : voci)
        if (voce == testo) return voce;
    double valore = -1; // a number too large to read is no time at all
    try {
        valore = valore_numerico(testo);
    } catch (const errore_overflow&) {
    }
    if (!(valore >= 0 && valore < limite)) return voci.front();
    std::string scelta = voci.front();
    for (const auto& voce : voci)
        if (valore_numerico(voce) <= valore) scelta = voce;
    return scelta;
}

std::string intervallo_da_mostrare(std::string_view testo) {
    std::string candidato(testo); // stays the raw text when it is no number
    try {
        const double valore = valore_numerico(testo);
        if (valore >= 0 && valore < 100) candidato = due_cifre(static_cast<int>(valore));
    } catch (const errore_overflow&) {
    }
    for (std::string_view voce : intervalli_ammessi)
        if (voce == testo || voce == candidato) return std::string(voce);
    return std::string(intervallo_iniziale);
}

std::optional<std::string_view> errore_data(std::string_view data) {
    const auto trattino = [&](std::size_t posizione) { return data[posizione - 1] == '-'; };
    bool formato_errato = data.size() != 10 || !trattino(3) || !trattino(6);
    if (!formato_errato)
        for (std::size_t posizione : {1, 2, 4, 5, 7, 8, 9, 10}) {
            const char c = data[posizione - 1];
            if (c < '0' || c > '9') formato_errato = true;
        }
    if (formato_errato) return "The format of the date is not correct!!";

    const std::string_view mese = caratteri(data, 4, 2);
    if (valore_numerico(mese) > 12)
        return "The number representing the month cannot be greater than 12!!";

    // A month text such as "00" has no days, and then no limit.
    const int giorni = giorni_del_mese(a_intero32(valore_numerico(caratteri(data, 7, 4))),
                                       static_cast<int>(valore_numerico(mese)));
    if (giorni > 0 && valore_numerico(caratteri(data, 1, 2)) > giorni)
        return "The day of the date is not correct!!";
    return std::nullopt;
}

avvio_preparato preparazione_avvio(const richiesta_avvio& richiesta,
                                   const parametri_sessione& attuale) {
    avvio_preparato avvio{{}, attuale, richiesta.hour, richiesta.minutes};
    parametri_sessione& sessione = avvio.sessione;
    sessione.cartella_ionogrammi = sessione.cartella_lavoro / "ionograms";
    const std::string& data = richiesta.giorno;

    if (const auto errore = errore_data(data)) {
        avvio.rifiuto = *errore;
        return avvio;
    }
    const auto nome_risultati = nome_file_risultati(data, richiesta.incremento);
    if (!nome_risultati) {
        avvio.rifiuto = "The difference in minutes between two consecutive ionograms must be "
                        "05, 10, 15, 30 or 60!!";
        return avvio;
    }

    if (data != richiesta.data_impostata) {
        sessione.ora_corrente = 0;
        sessione.minuti_correnti = 0;
        sessione.numero_ionogramma = 1;
        avvio.hour = "00";
        avvio.minutes = "00";
    }

    try {
        // Digits only: the year fits, and so does the day of the year.
        sessione.giorno_anno = calcolo_giorno_anno(data);
        sessione.ora_corrente = intero16_da_testo(avvio.hour);
        sessione.minuti_correnti = intero16_da_testo(avvio.minutes);
        if (const auto numero = numero_ionogramma_per(richiesta.incremento, sessione.ora_corrente,
                                                      sessione.minuti_correnti))
            sessione.numero_ionogramma = *numero;
    } catch (const errore_overflow&) {
        avvio.rifiuto = "The hour or the minutes are not correct!!";
        return avvio;
    }
    // The lists only offer times of the day; anything else would name no
    // ionogram file and a record outside the day's results file.
    if (sessione.ora_corrente < 0 || sessione.ora_corrente > 23 || sessione.minuti_correnti < 0 ||
        sessione.minuti_correnti > 59 || sessione.numero_ionogramma < 1 ||
        sessione.numero_ionogramma > numero_record(richiesta.incremento)) {
        avvio.rifiuto = "The hour or the minutes are not correct!!";
        return avvio;
    }

    sessione.data_sessione = data;
    sessione.incremento_minuti = richiesta.incremento;
    sessione.anno_sessione = std::string(caratteri(data, 7, 4));
    sessione.file_risultati = sessione.cartella_ionogrammi / *nome_risultati;
    return avvio;
}

esito_avvio avvio_sessione(const richiesta_avvio& richiesta, stato_programma& stato,
                           messaggi& messaggi) {
    // Worked on a copy: the program-wide record only changes when the session
    // really starts, so a refused start leaves the running state as it was.
    avvio_preparato avvio = preparazione_avvio(richiesta, stato.sessione);
    esito_avvio esito{false, avvio.hour, avvio.minutes};
    if (!avvio.rifiuto.empty()) {
        messaggi.avviso(titolo_avviso_avvio, avvio.rifiuto);
        return esito;
    }

    const parametri_sessione& sessione = avvio.sessione;
    try {
        crea_cartella(sessione.cartella_ionogrammi);
        crea_file_risultati_se_manca(sessione.file_risultati,
                                     numero_record(sessione.incremento_minuti));
        scrivi_impostazioni(sessione.cartella_lavoro / nome_file_impostazioni,
                            impostazioni{sessione.data_sessione, due_cifre(sessione.ora_corrente),
                                         due_cifre(sessione.minuti_correnti),
                                         sessione.incremento_minuti,
                                         std::to_string(sessione.numero_ionogramma)});
    } catch (const std::exception& errore) {
        messaggi.avviso(titolo_avviso_avvio, std::string(errore.what()) + "!!");
        return esito;
    }

    stato.sessione = std::move(avvio.sessione);
    esito.apri_finestra_principale = true;
    return esito;
}

} // namespace velaris
