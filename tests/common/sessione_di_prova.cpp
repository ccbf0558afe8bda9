#include "common/sessione_di_prova.h"

#include "session/file_risultati.h"

#include <fstream>

namespace velaris::prova {

void prepara_sessione(stato_programma& stato, const std::filesystem::path& cartella) {
    stato = stato_programma{};
    auto& s = stato.sessione;
    s.cartella_lavoro = cartella;
    s.cartella_ionogrammi = cartella / "ionograms";
    std::filesystem::create_directories(s.cartella_ionogrammi);
    s.data_sessione = "05-03-2023";
    s.anno_sessione = "2023";
    s.giorno_anno = "064";
    s.incremento_minuti = "15";
    s.ora_corrente = 7;
    s.minuti_correnti = 45;
    s.numero_ionogramma = 32;
    s.file_risultati = s.cartella_ionogrammi / "QX106_05032023_15.txt";
    std::ofstream risultati(s.file_risultati, std::ios::binary);
    for (int k = 0; k < 96; ++k) risultati << record_vuoto();
}

std::filesystem::path file_ionogramma_0745(const stato_programma& stato) {
    return stato.sessione.cartella_ionogrammi / "QX106_2023064074500.rdf";
}

} // namespace velaris::prova
