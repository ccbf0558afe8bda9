#pragma once
// The sounder's ionogram file (".rdf"): finding its header, the acceptance
// test, reading the amplitudes into a dati_ionogramma, and writing the
// particular-case code back into the header. One implementation serves both
// windows; the main window also accepts the short header. The format and the
// fate of rejected files are described in docs/ionogram-file.md.

#include "base/risultato.h"
#include "ionogram/dati_ionogramma.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace velaris {

/// Whether a file whose header ends at byte 50 is read (the main window) or
/// only the 197-byte header counts (the companion window).
enum class intestazione_corta { rifiutata, accettata };

enum class motivo_errore {
    file_mancante,            ///< nothing at the path
    cartella,                 ///< a folder where the file should be
    non_leggibile,            ///< cannot be opened or read, or larger than 2 GiB
    dimensione_errata,        ///< the size fails the acceptance test
    intestazione_non_trovata, ///< no header line feed, or header values that give no frequency
    passo_nullo,              ///< the frequency step reads 0
    troppe_frequenze,         ///< more frequencies than the 16-bit loop (32767) can take
    troncato,                 ///< shorter than the header and 150 bytes per frequency
    scrittura_fallita,        ///< the particular-case code could not be written
};

/// Why a file gives no ionogram.
struct errore_rdf {
    motivo_errore motivo;
    /// What is wrong, to follow the file's name ("has no header: ...",
    /// "cannot be opened (Permission denied)"); for dimensione_errata the
    /// sentence that says why the size is refused ("size 57348 bytes is not
    /// 197 + 150 x 381.").
    std::string dettaglio;
    /// One English sentence naming the file (full path) and what is wrong.
    std::string messaggio;
};

/// The failure of the particular-case code writer: what() is one English
/// sentence naming the file (full path) and the reason.
class errore_lettura : public std::runtime_error {
public:
    errore_lettura(motivo_errore m, const std::string& messaggio)
        : std::runtime_error(messaggio), motivo(m) {}
    motivo_errore motivo;
};

inline constexpr std::int32_t lunghezza_intestazione = 197;
inline constexpr std::int32_t lunghezza_intestazione_corta = 50;
/// Upper bound of the 16-bit frequency counter of the amplitude loop.
inline constexpr std::int32_t massimo_frequenze = 32767;

/// The acceptance test: size above 197, and size - 197 a non-zero multiple of
/// 150 equal to 150 x numero_frequenze. A product beyond 32 bits cannot equal
/// a 32-bit size, so it gives false (carica_rdf reports it as an error).
bool accettato(std::int32_t dimensione, std::int32_t numero_frequenze);

struct ionogramma_letto {
    dati_ionogramma dati;
    std::string stazione;                ///< display name (station table, or "Coravento")
    std::string codice_caso_particolare; ///< bytes 60-61; empty for the short header
};

using lettura_rdf = risultato<ionogramma_letto, errore_rdf>;

/// The whole load decision of a window, without ever changing the file: the
/// ionogram of an accepted file (header, station, amplitudes with bytes 0..6
/// stored as 0), or why there is none: file_mancante or cartella, a size of
/// 197 or less or one that fails the acceptance test (dimensione_errata), an
/// unreadable file, no header, a zero step, too many frequencies, a file that
/// ends before its last amplitude.
lettura_rdf carica_rdf(const std::filesystem::path& percorso, intestazione_corta corta);

/// carica_rdf over bytes already in memory, the span being the whole file;
/// `nome` names the file in messages. Lets a fuzzer feed bytes without files.
lettura_rdf leggi_rdf_da_byte(std::span<const unsigned char> contenuto, intestazione_corta corta,
                              std::string_view nome = "(memory)");

/// Writes a two-character particular-case code into header bytes 60-61 in
/// place; which codes belong in a header is the caller's decision. A code of
/// another length writes nothing. No other byte changes and a missing file is
/// never created. Throws errore_lettura{scrittura_fallita} when the file cannot be
/// opened or written, or is too short to hold byte 61.
void scrittura_codice_caso_particolare(const std::filesystem::path& percorso,
                                       std::string_view codice);

} // namespace velaris
