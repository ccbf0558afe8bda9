#pragma once
// What each fuzz target does with one input. The same functions serve the
// libFuzzer programs of `make fuzz` (fuzz_lettore.cpp) and the seeded run of
// the suite (test_fuzz), so a regression found by either is the same failure.
//
// An input may make a reader refuse it in its own words (an errore_rdf, a
// defect, a refused start): that is the program working. Anything else is a
// finding: a crash, a sanitizer report, an exception of another kind, or a
// promise of the readers' headers broken (controlla).

#include <cstdint>
#include <span>
#include <stdexcept>

namespace velaris::fuzz {

/// A broken promise is a finding: it throws, naming the promise.
inline void controlla(bool condizione, const char* promessa) {
    if (!condizione) throw std::logic_error(promessa);
}

using ingresso = std::span<const std::uint8_t>;

/// The ionogram reader, with and without the short header, on the input as a
/// whole file and as edits to a valid one; what it accepts is rescaled, drawn
/// and titled.
void prova_rdf(ingresso dati);

/// The results-record reader on the input as a results file: records read at
/// the places a session reads them, the boxes filled, the record composed back.
void prova_risultati(ingresso dati);

/// The settings reader on the input as "setting.txt", then what the start
/// window and the session start make of the lines read.
void prova_impostazioni(ingresso dati);

} // namespace velaris::fuzz
