// The session of 05-03-2023 at 07:45 and its day.

#include "common/giornata_di_prova.h"
#include "base/numeri.h"
#include "session/file_risultati.h"

#include <fstream>

namespace velaris::prova {

void prepara_sessione(stato_programma& stato, const std::filesystem::path& cartella) {
    stato = stato_programma{};
    auto& s = stato.sessione;
    s.cartella_lavoro = cartella;
    s.cartella_ionogrammi = cartella / "ionograms";
    std::filesystem::create_directories(s.cartella_ionogrammi);
    s.data_sessione = "05-03-2023", s.anno_sessione = "2023", s.giorno_anno = "064";
    s.incremento_minuti = "15", s.ora_corrente = 7, s.minuti_correnti = 45,
    s.numero_ionogramma = 32;
    s.file_risultati = s.cartella_ionogrammi / "QX106_05032023_15.txt";
    std::ofstream risultati(s.file_risultati, std::ios::binary);
    for (int k = 0; k < 96; ++k) risultati << record_vuoto();
}

std::filesystem::path file_ionogramma(const stato_programma& stato, int ora, int minuti) {
    return stato.sessione.cartella_ionogrammi /
           ("QX106_2023064" + due_cifre(ora) + due_cifre(minuti) + "00.rdf");
}

void scrivi_ionogramma(const stato_programma& stato, int ora, int minuti, const rdf_di_prova& rdf) {
    scrivi_file(file_ionogramma(stato, ora, minuti), rdf.byte());
}

void scrivi_record(const stato_programma& stato, int k,
                   const std::map<std::string, std::string>& caselle) {
    caselle_finte scritte;
    for (const auto& [nome, testo] : caselle) scritte.imposta_testo(nome, testo);
    scrittura_record(stato.sessione.file_risultati, k,
                     composizione_record(scritte, (k - 1) / 4, (k - 1) % 4 * 15));
}

std::filesystem::path file_impostazioni(const stato_programma& stato) {
    return stato.sessione.cartella_lavoro / "setting.txt";
}

std::string impostazioni_attese(int ora, int minuti, int numero, const std::string& incremento) {
    return "05-03-2023\r\n" + due_cifre(ora) + "\r\n" + due_cifre(minuti) + "\r\n" + incremento +
           "\r\n" + std::to_string(numero) + "\r\n";
}

} // namespace velaris::prova
