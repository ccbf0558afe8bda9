// libFuzzer entry for the ionogram reader. Each input is tried twice: as a
// whole file, and as edits to a valid file (first byte: size change, then
// pairs of header offset and value), so that the fuzzer reaches the amplitude
// read without having to discover the header layout. Anything but a return or
// an errore_lettura is a finding.

#include "common/rdf_di_prova.h"
#include "ionogram/lettore_rdf.h"
#include "ionogram/titoli.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace {

using namespace velaris;

void leggi(std::span<const unsigned char> file) {
    for (const auto variante : {variante_finestra::principale, variante_finestra::compagna}) {
        try {
            leggi_rdf_da_byte(file, variante, "fuzz.rdf");
        } catch (const errore_lettura&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    const std::span<const unsigned char> ingresso(dati, quanti);
    leggi(ingresso);
    data_ionogramma(std::string_view(reinterpret_cast<const char*>(dati), quanti));

    static const std::vector<unsigned char> valido =
        prova::rdf_di_prova{.campi = "01.000 02.000 0.050", .record = 21}.byte();
    if (quanti == 0) return 0;
    std::vector<unsigned char> file = valido;
    const int scarto = static_cast<int>(dati[0] % 5) - 2; // -2 .. +2 bytes
    if (scarto < 0)
        file.resize(file.size() - static_cast<std::size_t>(-scarto));
    else
        file.resize(file.size() + static_cast<std::size_t>(scarto), 0);
    for (std::size_t k = 1; k + 1 < quanti; k += 2)
        file[dati[k] % 200] = dati[k + 1];
    leggi(file);
    return 0;
}
