#include "base/numeri.h"
#include "common/giornata_di_prova.h"

#include <fstream>
#include <iterator>

namespace velaris::prova {

namespace {

std::string due(int v) { return due_cifre(v); }

} // namespace

std::filesystem::path file_ionogramma(const stato_programma& stato, int ora, int minuti) {
    return stato.sessione.cartella_ionogrammi /
           ("QX106_2023064" + due(ora) + due(minuti) + "00.rdf");
}

void scrivi_ionogramma(const stato_programma& stato, int ora, int minuti, const rdf_di_prova& rdf) {
    scrivi_file(file_ionogramma(stato, ora, minuti), rdf.byte());
}

std::string testo_file(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::filesystem::path file_impostazioni(const stato_programma& stato) {
    return stato.sessione.cartella_lavoro / "setting.txt";
}

std::string impostazioni_attese(int ora, int minuti, int numero) {
    return "05-03-2023\r\n" + due(ora) + "\r\n" + due(minuti) + "\r\n15\r\n" +
           std::to_string(numero) + "\r\n";
}

} // namespace velaris::prova
