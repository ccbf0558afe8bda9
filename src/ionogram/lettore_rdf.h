#pragma once
// The sounder's ionogram file (".rdf"): finding its header, the acceptance
// test, reading the amplitudes into a dati_ionogramma, and writing the
// particular-case code back into the header. One implementation serves both
// windows; what the companion window leaves out is a variante_finestra.
// The format and the fate of rejected files are described in
// docs/ionogram-file.md.

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

/// Which window reads: the companion does not look for the short header and
/// does not read the particular-case code.
enum class variante_finestra { principale, compagna };

enum class motivo_errore {
    file_mancante,            ///< nothing at the path, or a folder there
    non_leggibile,            ///< cannot be opened or read, or larger than 2 GiB
    intestazione_non_trovata, ///< no header line feed, or header values that give no frequency
    passo_nullo,              ///< the frequency step reads 0
    troppe_frequenze,         ///< more frequencies than the 16-bit loop (32767) can take
    troncato,                 ///< shorter than the header and 150 bytes per frequency
    scrittura_fallita,        ///< the particular-case code could not be written
};

/// A run-time error of the reader or of the code writer. what() is one English
/// sentence naming the file (full path) and what is wrong with it; `dettaglio`
/// is what is wrong alone, to follow the file's name ("has no header: ...",
/// "cannot be opened (Permission denied)"), empty where the writer failed.
class errore_lettura : public std::runtime_error {
public:
    errore_lettura(motivo_errore m, const std::string& messaggio, std::string dettaglio = {})
        : std::runtime_error(messaggio), motivo(m), dettaglio(std::move(dettaglio)) {}
    motivo_errore motivo;
    std::string dettaglio;
};

inline constexpr std::int32_t lunghezza_intestazione = 197;
inline constexpr std::int32_t lunghezza_intestazione_corta = 50;
/// Upper bound of the 16-bit frequency counter of the amplitude loop.
inline constexpr std::int32_t massimo_frequenze = 32767;

/// Size in bytes of the file at the path. Throws errore_lettura: file_mancante
/// when nothing (or a folder) is there, non_leggibile when the size cannot be
/// had or exceeds 2 GiB (it must fit 32-bit signed).
std::int32_t dimensione_file(const std::filesystem::path& percorso);

struct intestazione_rdf {
    float frequenza_iniziale = 0.0f;
    float frequenza_finale = 0.0f;
    float passo_frequenza = 0.0f;
    std::int32_t numero_frequenze = 0;
    bool corta = false;                  ///< the 50-byte header (main window only)
    std::size_t lunghezza = 0;           ///< 50 or 197: the first amplitude is the next byte
    std::string codice_caso_particolare; ///< bytes 60-61; empty for short header or companion
    std::string codice_stazione;         ///< bytes 123-127; empty for short header
};

/// Header of the file: the three frequencies and the number of frequencies.
/// Reads at most the first 197 bytes. Throws errore_lettura (non_leggibile,
/// file_mancante, intestazione_non_trovata, passo_nullo, troppe_frequenze when
/// the count does not even fit 32 bits).
intestazione_rdf lettura_intestazione(const std::filesystem::path& percorso,
                                      variante_finestra variante);

/// The acceptance test: size above 197, and size - 197 a non-zero multiple of
/// 150 equal to 150 x numero_frequenze. A product beyond 32 bits cannot equal
/// a 32-bit size, so it gives false (carica_rdf reports it as an error).
bool accettato(std::int32_t dimensione, std::int32_t numero_frequenze);

struct ionogramma_letto {
    dati_ionogramma dati;
    std::string stazione;                ///< display name (station table, or "Coravento")
    std::string codice_caso_particolare; ///< empty = not read (short header / companion)
};

/// Full read: header, station and amplitudes (bytes 0..6 stored as 0). Does
/// not apply the acceptance test. Throws errore_lettura: the header errors,
/// intestazione_non_trovata for a count below 1, troppe_frequenze above 32767,
/// troncato when the file ends before the last amplitude.
ionogramma_letto lettura_ionogramma(const std::filesystem::path& percorso,
                                    variante_finestra variante);

enum class esito_caricamento { accettato, mancante, rifiutato };

struct caricamento_rdf {
    esito_caricamento esito = esito_caricamento::mancante;
    std::int32_t dimensione = 0; ///< file size; 0 when mancante
    ionogramma_letto ionogramma; ///< filled only when accettato
    std::string motivo;          ///< for rifiutato: one English sentence saying why
};

/// The whole load decision of a window: mancante for a missing file,
/// rifiutato for a size of 197 or less or one that fails the acceptance test,
/// otherwise the full read. The file is never changed. Throws errore_lettura
/// for every other run-time error (unreadable file, no header, zero step,
/// too many frequencies, truncated file).
caricamento_rdf carica_rdf(const std::filesystem::path& percorso, variante_finestra variante);

/// carica_rdf over bytes already in memory, the span being the whole file;
/// `nome` names the file in messages. Lets a fuzzer feed bytes without files.
caricamento_rdf leggi_rdf_da_byte(std::span<const unsigned char> contenuto,
                                  variante_finestra variante, std::string_view nome = "(memory)");

/// Writes a two-character particular-case code into header bytes 60-61 in
/// place; which codes belong in a header is the caller's decision. A code of
/// another length writes nothing. No other byte changes and a missing file is
/// never created. Throws errore_lettura{scrittura_fallita} when the file cannot be
/// opened or written, or is too short to hold byte 61.
void scrittura_codice_caso_particolare(const std::filesystem::path& percorso,
                                       std::string_view codice);

} // namespace velaris
