// Random mutations of a valid sounder file: whatever the bytes, the reader
// answers (the ionogram or the reason) and never throws; the code writer
// raises nothing but errore_lettura. The generator is seeded, so
// a failure repeats; the iteration is in the trace. This run goes through real
// files; tests/tools/fuzz feeds the reader bytes in memory, under libFuzzer
// and the sanitizers too.

#include "ionogram/lettore_rdf.h"
#include "common/rdf_di_prova.h"

#include <gtest/gtest.h>

#include <random>

using namespace velaris;

TEST(FuzzLettoreRdf, MutatedFilesAlwaysGetAnAnswer) {
    prova::cartella_temporanea cartella;
    const auto seme = prova::rdf_di_prova{.campi = "01.000 02.000 0.050", .record = 21}.byte();
    std::mt19937 caso(20230929);
    const auto tra = [&](std::size_t da, std::size_t a) {
        return std::uniform_int_distribution<std::size_t>(da, a)(caso);
    };
    // Header bytes that decide the read (numbers, separators, line feeds, code).
    const std::size_t sensibili[] = {0, 1, 3, 4, 7, 10, 14, 16, 18, 49, 59, 196};
    const int scarti[] = {0, 0, 0, 1, -1, 150, -150}; // bytes more or fewer
    int accettati = 0;
    for (int n = 0; n < 2000; ++n) {
        SCOPED_TRACE("iteration " + std::to_string(n));
        auto file = seme;
        for (std::size_t m = tra(0, 3); m > 0; --m)
            file[tra(0, 1) ? sensibili[tra(0, std::size(sensibili) - 1)] : tra(0, 199)] =
                static_cast<unsigned char>(tra(0, 2) ? tra(0, 255) : 10);
        const int dimensione = static_cast<int>(file.size()) + scarti[tra(0, 6)];
        file.resize(tra(0, 5) ? static_cast<std::size_t>(dimensione) : tra(0, file.size()), 0);

        const auto percorso = cartella.scrivi("fuzz.rdf", file);
        for (const auto corta : {intestazione_corta::accettata, intestazione_corta::rifiutata}) {
            const auto letto = carica_rdf(percorso, corta);
            accettati += static_cast<bool>(letto);
            // The file decides, not the way it was handed over.
            const auto da_byte = leggi_rdf_da_byte(file, corta);
            ASSERT_EQ(static_cast<bool>(da_byte), static_cast<bool>(letto));
            EXPECT_TRUE(!letto || da_byte->dati.ampiezze == letto->dati.ampiezze);
        }
        try {
            scrittura_codice_caso_particolare(percorso, "xx");
        } catch (const errore_lettura&) {
        }
    }
    // Enough of the mutants stay valid for the accepted path to be exercised too.
    EXPECT_GT(accettati, 100);
}
