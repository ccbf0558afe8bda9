// The fuzz targets over seeded mutations of the committed seeds: a few
// thousand inputs per reader in every run of the suite, so that a regression
// the fuzzer would find fails it without clang. A failing input is saved
// beside the test program, to be replayed with the libFuzzer target.

#include "tools/fuzz/bersagli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using byte_file = std::vector<std::uint8_t>;

struct lettore {
    const char* nome; ///< also the folder of its seeds
    void (*prova)(velaris::fuzz::ingresso);
};

std::vector<byte_file> semi(const char* nome) {
    std::vector<fs::path> file;
    for (const auto& voce : fs::directory_iterator(fs::path(VELARIS_SEMI_FUZZ) / nome))
        file.push_back(voce.path());
    std::sort(file.begin(), file.end());
    std::vector<byte_file> contenuti;
    for (const auto& percorso : file) {
        std::ifstream flusso(percorso, std::ios::binary);
        contenuti.emplace_back(std::istreambuf_iterator<char>(flusso),
                               std::istreambuf_iterator<char>());
    }
    return contenuti;
}

/// One to four of the edits a fuzzer makes: bits, bytes that mean something
/// to the readers (line ends, separators, digits, exponents), cuts,
/// insertions, repeats, and pieces of another seed.
byte_file muta(byte_file dati, const std::vector<byte_file>& altri, std::mt19937& caso) {
    const auto fino_a = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n)(caso);
    };
    static constexpr std::uint8_t notevoli[] = {0,   9,   10,  13,  ' ', '-', '.',  ',',  '0',
                                                '1', '5', '9', 'E', 'D', 'x', 0x7f, 0x80, 0xff};
    for (std::size_t volte = 1 + fino_a(3); volte > 0; --volte) {
        const std::size_t dove = fino_a(dati.size());
        const std::size_t quanti = 1 + fino_a(15);
        const auto it = dati.begin() + static_cast<std::ptrdiff_t>(dove);
        const bool dentro = dove < dati.size();
        switch (fino_a(7)) {
        case 0:
            if (dentro) dati[dove] ^= static_cast<std::uint8_t>(1u << fino_a(7));
            break;
        case 1:
            if (dentro) dati[dove] = static_cast<std::uint8_t>(fino_a(255));
            break;
        case 2:
            if (dentro) dati[dove] = notevoli[fino_a(std::size(notevoli) - 1)];
            break;
        case 3:
            dati.erase(it, it + static_cast<std::ptrdiff_t>(std::min(quanti, dati.size() - dove)));
            break;
        case 4:
            for (std::size_t k = 0; k < quanti; ++k)
                dati.insert(dati.begin() + static_cast<std::ptrdiff_t>(dove),
                            static_cast<std::uint8_t>(fino_a(255)));
            break;
        case 5: {
            const byte_file pezzo(
                it, it + static_cast<std::ptrdiff_t>(std::min(quanti * 8, dati.size() - dove)));
            dati.insert(dati.begin() + static_cast<std::ptrdiff_t>(fino_a(dati.size())),
                        pezzo.begin(), pezzo.end());
            break;
        }
        case 6:
            dati.resize(dove);
            break;
        default: {
            const byte_file& altro = altri[fino_a(altri.size() - 1)];
            const std::size_t da = fino_a(altro.size());
            const std::size_t lunghezza = std::min(quanti * 16, altro.size() - da);
            dati.resize(std::max(dati.size(), dove + lunghezza));
            std::copy_n(altro.begin() + static_cast<std::ptrdiff_t>(da), lunghezza,
                        dati.begin() + static_cast<std::ptrdiff_t>(dove));
        }
        }
    }
    return dati;
}

void PrintTo(const lettore& l, std::ostream* os) {
    *os << l.nome;
}

class Fuzz : public ::testing::TestWithParam<lettore> {};

} // namespace

TEST_P(Fuzz, SeedsAndTheirMutationsGetOnlyTheReadersOwnAnswers) {
    const lettore& l = GetParam();
    const std::vector<byte_file> iniziali = semi(l.nome);
    ASSERT_GE(iniziali.size(), 3u) << "seeds of " << l.nome;
    std::mt19937 caso(20240301);
    constexpr std::size_t mutazioni = 4000;
    for (std::size_t n = 0; n < iniziali.size() + mutazioni; ++n) {
        const byte_file ingresso = n < iniziali.size()
                                       ? iniziali[n]
                                       : muta(iniziali[std::uniform_int_distribution<std::size_t>(
                                                  0, iniziali.size() - 1)(caso)],
                                              iniziali, caso);
        try {
            l.prova(ingresso);
        } catch (const std::exception& e) {
            const fs::path salvato = fs::path(VELARIS_CARTELLA_PROVA) /
                                     ("fuzz-" + std::string(l.nome) + "-" + std::to_string(n));
            std::ofstream(salvato, std::ios::binary)
                .write(reinterpret_cast<const char*>(ingresso.data()),
                       static_cast<std::streamsize>(ingresso.size()));
            FAIL() << "input " << n << " (" << salvato << "): " << e.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lettori, Fuzz,
                         ::testing::Values(lettore{"rdf", velaris::fuzz::prova_rdf},
                                           lettore{"risultati", velaris::fuzz::prova_risultati},
                                           lettore{"impostazioni",
                                                   velaris::fuzz::prova_impostazioni}),
                         [](const auto& info) { return std::string(info.param.nome); });
