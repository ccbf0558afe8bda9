// libFuzzer entry for the ionogram reader. Each input is tried twice: as a
// whole file, and as edits to a valid file (first byte: size change, then
// pairs of header offset and value), so that the fuzzer reaches the amplitude
// read without having to discover the header layout. Anything but a return or
// an errore_lettura is a finding.

#include "ionogram/lettore_rdf.h"
#include "ionogram/titoli.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace {

using namespace velaris;

std::vector<unsigned char> file_valido() {
    std::vector<unsigned char> file(197, ' ');
    constexpr std::string_view campi = "01.000 02.000 0.050";
    for (std::size_t k = 0; k < campi.size(); ++k)
        file[k] = static_cast<unsigned char>(campi[k]);
    file[59] = 'x';
    file[60] = 'x';
    constexpr std::string_view stazione = "QX106";
    for (std::size_t k = 0; k < stazione.size(); ++k)
        file[122 + k] = static_cast<unsigned char>(stazione[k]);
    file[196] = 10;
    for (std::size_t k = 0; k < 150 * 21; ++k)
        file.push_back(static_cast<unsigned char>(k * 7));
    return file;
}

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

    static const std::vector<unsigned char> valido = file_valido();
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
