// Random mutations of valid sounder files: whatever the bytes, the reader
// returns or raises errore_lettura, nothing else. The generator is seeded, so
// a failure repeats; the iteration is in the trace. (The libFuzzer target in
// tests/tools/fuzz_rdf adds the sanitizers that catch out-of-bounds reads.)

#include "ionogram/lettore_rdf.h"
#include "common/rdf_di_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>

using namespace velaris;

namespace {

constexpr int numero_prove = 2000;

std::vector<unsigned char> muta(std::vector<unsigned char> file, std::mt19937& caso) {
    const auto tra = [&](std::size_t da, std::size_t a) {
        return std::uniform_int_distribution<std::size_t>(da, a)(caso);
    };
    const auto byte_a_caso = [&] { return static_cast<unsigned char>(tra(0, 255)); };
    // Header bytes that decide the read are picked more often than the rest.
    const std::size_t sensibili[] = {0, 1, 2, 3, 4, 5, 7, 8, 10, 14, 16, 17, 18, 49, 59, 60, 196};
    const int mutazioni = static_cast<int>(tra(1, 4));
    for (int m = 0; m < mutazioni && !file.empty(); ++m) {
        switch (tra(0, 5)) {
        case 0: // truncation anywhere
            file.resize(tra(0, file.size()));
            break;
        case 1: { // size one byte or one record off
            const std::size_t passo = tra(0, 1) ? 1 : 150;
            if (tra(0, 1))
                file.resize(file.size() + passo, 0);
            else
                file.resize(file.size() - std::min(file.size(), passo));
            break;
        }
        case 2: // a decisive header byte gets any value
            file[sensibili[tra(0, std::size(sensibili) - 1)] % file.size()] = byte_a_caso();
            break;
        case 3: { // the line feed moves
            for (std::size_t k = 0; k < std::min<std::size_t>(file.size(), 197); ++k)
                if (file[k] == 10) file[k] = ' ';
            file[tra(0, std::min<std::size_t>(file.size(), 200) - 1)] = 10;
            break;
        }
        case 4: // a byte anywhere
            file[tra(0, file.size() - 1)] = byte_a_caso();
            break;
        default: // a short header in front of the standard one
            file[std::min<std::size_t>(49, file.size() - 1)] = 10;
            break;
        }
    }
    return file;
}

template <typename Azione> void solo_errori_di_lettura(Azione azione) {
    try {
        azione();
    } catch (const errore_lettura&) {
    } catch (const std::exception& e) {
        ADD_FAILURE() << "unexpected exception: " << e.what();
    } catch (...) {
        ADD_FAILURE() << "unexpected non-standard exception";
    }
}

} // namespace

TEST(FuzzLettoreRdf, MutatedFilesOnlyEverRaiseReadErrors) {
    prova::cartella_temporanea cartella;
    const std::vector<std::vector<unsigned char>> semi = {
        prova::rdf_di_prova{.campi = "01.000 02.000 0.050", .record = 21}.byte(),
        prova::rdf_di_prova{
            .campi = "01,000 02,000 0,050", .codice = "3b", .a_capo_50 = true, .record = 21}
            .byte(),
        prova::rdf_di_prova{}.byte(),
    };
    std::mt19937 caso(20230929);
    int accettati = 0;
    for (int prova_n = 0; prova_n < numero_prove; ++prova_n) {
        SCOPED_TRACE("iteration " + std::to_string(prova_n));
        const auto& seme = semi[static_cast<std::size_t>(prova_n) % semi.size()];
        const auto file = muta(seme, caso);
        const auto percorso = cartella.scrivi("fuzz.rdf", file);
        for (const auto variante : {variante_finestra::principale, variante_finestra::compagna}) {
            solo_errori_di_lettura([&] {
                const auto letto = carica_rdf(percorso, variante);
                if (letto.esito != esito_caricamento::accettato) return;
                ++accettati;
                const auto& dati = letto.ionogramma.dati;
                ASSERT_EQ(dati.ampiezze.size(),
                          static_cast<std::size_t>(dati.numero_frequenze) * 150);
                // The file decides, not the way it was handed over.
                EXPECT_EQ(leggi_rdf_da_byte(file, variante).ionogramma.dati.ampiezze,
                          dati.ampiezze);
            });
            solo_errori_di_lettura([&] { lettura_intestazione(percorso, variante); });
            solo_errori_di_lettura([&] { lettura_ionogramma(percorso, variante); });
        }
        solo_errori_di_lettura([&] { scrittura_codice_caso_particolare(percorso, "xx"); });
    }
    // Enough of the mutants stay valid for the accepted path to be exercised too.
    EXPECT_GT(accettati, numero_prove / 20);
}
