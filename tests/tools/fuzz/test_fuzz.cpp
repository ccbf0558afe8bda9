// The fuzz targets over their committed seeds and seeded mutations of them: a
// few thousand inputs per reader in every run of the suite, so that a
// regression the fuzzer would find fails it without clang. A failing input is
// saved beside the test program, to be replayed with the libFuzzer target.

#include "tools/fuzz/bersagli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using byte_file = std::vector<std::uint8_t>;

/// A seed with one to four of the edits a fuzzer makes: bytes that mean
/// something to the readers (line ends, separators, digits, exponents), any
/// byte, cuts, and pieces of a seed put in.
byte_file muta(const std::vector<byte_file>& semi, std::mt19937& caso) {
    const auto fino_a = [&](std::ptrdiff_t n) {
        return std::uniform_int_distribution<std::ptrdiff_t>(0, n)(caso);
    };
    byte_file dati = semi.begin()[fino_a(std::ssize(semi) - 1)];
    static constexpr std::uint8_t notevoli[] = {0,   9,   10,  13,  ' ', '-', '.',  ',',  '0',
                                                '1', '5', '9', 'E', 'D', 'x', 0x7f, 0x80, 0xff};
    for (auto volte = 1 + fino_a(3); volte > 0; --volte) {
        const auto dove = fino_a(std::ssize(dati)), quanti = 1 + fino_a(15);
        const byte_file& seme = semi.begin()[fino_a(std::ssize(semi) - 1)];
        const auto da = seme.begin() + fino_a(std::ssize(seme));
        const auto p = dati.begin() + dove;
        const auto tipo = dove < std::ssize(dati) ? fino_a(3) : 3;
        if (tipo == 0) *p = notevoli[fino_a(17)];
        if (tipo == 1) *p = static_cast<std::uint8_t>(fino_a(255));
        if (tipo == 2) dati.erase(p, p + std::min(std::ssize(dati) - dove, quanti));
        if (tipo == 3) dati.insert(p, da, da + std::min(seme.end() - da, 8 * quanti));
    }
    return dati;
}

} // namespace

TEST(Fuzz, SeedsAndTheirMutationsGetOnlyTheReadersOwnAnswers) {
    using namespace velaris::fuzz;
    // clang-format off
    const std::pair<const char*, void (*)(ingresso)> lettori[] = {
        {"rdf", prova_rdf}, {"risultati", prova_risultati}, {"impostazioni", prova_impostazioni}};
    // clang-format on
    for (const auto& [nome, prova] : lettori) {
        // The seeds live in a folder named after the reader, read in name order.
        const fs::directory_iterator cartella(fs::path(VELARIS_SEMI_FUZZ) / nome);
        const std::set<fs::path> file(begin(cartella), end(cartella));
        std::vector<byte_file> semi;
        const std::istreambuf_iterator<char> fine;
        for (const auto& percorso : file)
            semi.emplace_back(std::istreambuf_iterator<char>(std::ifstream(percorso).rdbuf()),
                              fine);
        ASSERT_GE(semi.size(), 3u) << "seeds of " << nome;
        std::mt19937 caso(20240301);
        for (std::size_t n = 0; n < semi.size() + 4000; ++n) {
            const byte_file ingresso = n < semi.size() ? semi[n] : muta(semi, caso);
            try {
                prova(ingresso);
            } catch (const std::exception& e) {
                const auto salvato =
                    VELARIS_CARTELLA_PROVA "/fuzz-" + std::string(nome) + "-" + std::to_string(n);
                std::ofstream(salvato).write(reinterpret_cast<const char*>(ingresso.data()),
                                             std::ssize(ingresso));
                FAIL() << "input " << n << " (" << salvato << "): " << e.what();
            }
        }
    }
}
