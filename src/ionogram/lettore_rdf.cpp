#include "lettore_rdf.h"

#include "base/numeri.h"
#include "ionogram/stazioni.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <system_error>

namespace velaris {

namespace {

using byte_span = std::span<const unsigned char>;

constexpr unsigned char a_capo = 10;
constexpr std::size_t lunghezza_record = dati_ionogramma::numero_altezze;
/// No file longer than this can ever be read in full: more frequencies stop
/// at the 16-bit counter before the amplitudes.
constexpr std::size_t massimo_utile =
    lunghezza_intestazione + lunghezza_record * static_cast<std::size_t>(massimo_frequenze);

std::string il_file(std::string_view nome) {
    return "The ionogram file \"" + std::string(nome) + "\"";
}

[[noreturn]] void errore(motivo_errore motivo, std::string_view nome, const std::string& cosa) {
    throw errore_lettura(motivo, il_file(nome) + " " + cosa + ".", cosa);
}

struct chiusura_file {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using file_aperto = std::unique_ptr<std::FILE, chiusura_file>;

/// The first `quanti` bytes of the file (fewer if it is shorter), in one read.
std::vector<unsigned char> leggi_inizio(const std::filesystem::path& percorso, std::size_t quanti) {
    const std::string nome = percorso.string();
    file_aperto f(std::fopen(percorso.c_str(), "rb"));
    if (!f) {
        const int codice = errno;
        errore(codice == ENOENT ? motivo_errore::file_mancante : motivo_errore::non_leggibile, nome,
               "cannot be opened (" + std::string(std::strerror(codice)) + ")");
    }
    std::error_code ec;
    const auto dimensione = std::filesystem::file_size(percorso, ec);
    if (!ec) quanti = std::min<std::uintmax_t>(quanti, dimensione);
    std::vector<unsigned char> contenuto(quanti);
    const std::size_t letti = std::fread(contenuto.data(), 1, quanti, f.get());
    if (std::ferror(f.get()))
        errore(motivo_errore::non_leggibile, nome,
               "cannot be read (" + std::string(std::strerror(errno)) + ")");
    contenuto.resize(letti);
    return contenuto;
}

/// Header characters `primo`..`ultimo` (1-based, inclusive) as text.
std::string campo(byte_span testa, std::size_t primo, std::size_t ultimo) {
    return std::string(testa.begin() + static_cast<std::ptrdiff_t>(primo - 1),
                       testa.begin() + static_cast<std::ptrdiff_t>(ultimo));
}

/// Whatever stands at the separator position, the number is read as
/// integer characters + "." + decimal characters.
float numero_intestazione(byte_span testa, std::size_t intero, std::size_t fine_intero,
                          std::size_t decimali, std::string_view nome) {
    const std::string testo =
        campo(testa, intero, fine_intero) + "." + campo(testa, decimali, decimali + 2);
    double valore = 0.0;
    try {
        valore = valore_numerico(testo);
    } catch (const errore_overflow&) {
        valore = std::numeric_limits<double>::infinity();
    }
    if (!(std::fabs(valore) <= std::numeric_limits<float>::max()))
        errore(motivo_errore::intestazione_non_trovata, nome,
               "holds a header frequency \"" + testo + "\" too large to read");
    return static_cast<float>(valore);
}

std::size_t trova_intestazione(byte_span contenuto, variante_finestra variante,
                               std::string_view nome) {
    const auto a_capo_in = [&](std::size_t posizione) {
        return contenuto.size() >= posizione && contenuto[posizione - 1] == a_capo;
    };
    const bool principale = variante == variante_finestra::principale;
    if (principale && a_capo_in(lunghezza_intestazione_corta)) return lunghezza_intestazione_corta;
    if (a_capo_in(lunghezza_intestazione)) return lunghezza_intestazione;
    errore(motivo_errore::intestazione_non_trovata, nome,
           principale ? "has no header: neither byte 50 nor byte 197 is a line feed"
                      : "has no header: byte 197 is not a line feed");
}

std::int32_t calcolo_numero_frequenze(float inizio, float fine, float passo,
                                      std::string_view nome) {
    if (passo == 0.0f) errore(motivo_errore::passo_nullo, nome, "gives a frequency step of 0 MHz");
    const long double quoziente =
        (static_cast<long double>(fine) - static_cast<long double>(inizio)) / passo + 1.0L;
    if (!std::isfinite(quoziente))
        errore(motivo_errore::intestazione_non_trovata, nome,
               "gives frequencies from which no number of frequencies follows");
    // Header numbers written as digits are floats on a grid of 2^-33, so the
    // extended quotient is either exactly on a half or farther from one than
    // the step to double can move it: rounding the double gives the same count.
    try {
        return a_intero32(static_cast<double>(quoziente));
    } catch (const errore_overflow&) {
        errore(motivo_errore::troppe_frequenze, nome,
               "gives more sounding frequencies than a 32-bit count holds");
    }
}

intestazione_rdf intestazione_da_byte(byte_span contenuto, variante_finestra variante,
                                      std::string_view nome) {
    intestazione_rdf h;
    h.lunghezza = trova_intestazione(contenuto, variante, nome);
    h.corta = h.lunghezza == static_cast<std::size_t>(lunghezza_intestazione_corta);
    const byte_span testa = contenuto.first(h.lunghezza);
    if (!h.corta) {
        if (variante == variante_finestra::principale)
            h.codice_caso_particolare = campo(testa, 60, 61);
        h.codice_stazione = campo(testa, 123, 127);
    }
    h.frequenza_iniziale = numero_intestazione(testa, 1, 2, 4, nome);
    h.frequenza_finale = numero_intestazione(testa, 8, 9, 11, nome);
    h.passo_frequenza = numero_intestazione(testa, 15, 15, 17, nome);
    h.numero_frequenze =
        calcolo_numero_frequenze(h.frequenza_iniziale, h.frequenza_finale, h.passo_frequenza, nome);
    return h;
}

/// The amplitudes after the header `h` already found in `contenuto`.
ionogramma_letto ionogramma_da_byte(byte_span contenuto, const intestazione_rdf& h,
                                    std::string_view nome) {
    const std::int32_t n = h.numero_frequenze;
    if (n < 1)
        errore(motivo_errore::intestazione_non_trovata, nome,
               "gives " + std::to_string(n) + " sounding frequencies");
    if (n > massimo_frequenze)
        errore(motivo_errore::troppe_frequenze, nome,
               "gives " + std::to_string(n) + " sounding frequencies, more than 32767");
    const std::size_t byte_ampiezze = lunghezza_record * static_cast<std::size_t>(n);
    if (contenuto.size() - h.lunghezza < byte_ampiezze)
        errore(motivo_errore::troncato, nome,
               "is truncated: " + std::to_string(contenuto.size()) + " bytes where " +
                   std::to_string(n) + " frequencies need " +
                   std::to_string(h.lunghezza + byte_ampiezze));

    ionogramma_letto letto;
    dati_ionogramma& dati = letto.dati;
    dati.frequenza_iniziale = h.frequenza_iniziale;
    dati.frequenza_finale = h.frequenza_finale;
    dati.passo_frequenza = h.passo_frequenza;
    dati.numero_frequenze = n;
    dati.azzeramento_ampiezze();
    // The matrix is frequency-major like the file, so the records map onto it
    // in file order; bytes up to 6 are the sounder's noise floor.
    const byte_span ampiezze = contenuto.subspan(h.lunghezza, byte_ampiezze);
    std::transform(ampiezze.begin(), ampiezze.end(), dati.ampiezze.begin(),
                   [](unsigned char b) { return static_cast<std::int16_t>(b > 6 ? b : 0); });
    letto.stazione =
        h.corta ? std::string(stazione_intestazione_corta) : nome_stazione(h.codice_stazione);
    letto.codice_caso_particolare = h.codice_caso_particolare;
    return letto;
}

caricamento_rdf rifiuto(std::int32_t dimensione, std::string motivo) {
    caricamento_rdf esito;
    esito.esito = esito_caricamento::rifiutato;
    esito.dimensione = dimensione;
    esito.motivo = std::move(motivo);
    return esito;
}

/// The load decision on the first bytes of a file whose size is `dimensione`.
caricamento_rdf valutazione(byte_span contenuto, std::int32_t dimensione,
                            variante_finestra variante, std::string_view nome) {
    const std::string taglia = "size " + std::to_string(dimensione) + " bytes";
    if (dimensione <= lunghezza_intestazione)
        return rifiuto(dimensione, taglia + " leaves no room for amplitudes after the 197-byte "
                                            "header.");
    const intestazione_rdf h = intestazione_da_byte(contenuto, variante, nome);
    const std::int32_t n = h.numero_frequenze;
    const std::int64_t prodotto = std::int64_t{150} * n;
    if (prodotto > std::numeric_limits<std::int32_t>::max() ||
        prodotto < std::numeric_limits<std::int32_t>::min())
        errore(motivo_errore::troppe_frequenze, nome,
               "gives " + std::to_string(n) + " sounding frequencies, too many to size a file");
    if (!accettato(dimensione, n))
        return rifiuto(dimensione, taglia + " is not 197 + 150 x " + std::to_string(n) + ".");
    caricamento_rdf esito;
    esito.esito = esito_caricamento::accettato;
    esito.dimensione = dimensione;
    esito.ionogramma = ionogramma_da_byte(contenuto, h, nome);
    return esito;
}

} // namespace

std::int32_t dimensione_file(const std::filesystem::path& percorso) {
    const std::string nome = percorso.string();
    std::error_code ec;
    const auto stato = std::filesystem::status(percorso, ec);
    // A folder in place of the file counts as no file, as the file-system
    // lookup of a file by path reports it.
    if (stato.type() == std::filesystem::file_type::not_found)
        errore(motivo_errore::file_mancante, nome, "does not exist");
    if (stato.type() == std::filesystem::file_type::directory)
        errore(motivo_errore::file_mancante, nome, "is a folder, not a file");
    const auto dimensione = std::filesystem::file_size(percorso, ec);
    if (ec)
        errore(motivo_errore::non_leggibile, nome, "has no readable size (" + ec.message() + ")");
    if (dimensione > static_cast<std::uintmax_t>(std::numeric_limits<std::int32_t>::max()))
        errore(motivo_errore::non_leggibile, nome,
               "is larger than 2 GiB (" + std::to_string(dimensione) + " bytes)");
    return static_cast<std::int32_t>(dimensione);
}

intestazione_rdf lettura_intestazione(const std::filesystem::path& percorso,
                                      variante_finestra variante) {
    const auto contenuto = leggi_inizio(percorso, lunghezza_intestazione);
    return intestazione_da_byte(contenuto, variante, percorso.string());
}

bool accettato(std::int32_t dimensione, std::int32_t numero_frequenze) {
    if (dimensione <= lunghezza_intestazione) return false;
    const std::int64_t resto = std::int64_t{dimensione} - lunghezza_intestazione;
    return resto != 0 && resto % 150 == 0 && resto == std::int64_t{150} * numero_frequenze;
}

ionogramma_letto lettura_ionogramma(const std::filesystem::path& percorso,
                                    variante_finestra variante) {
    const auto contenuto = leggi_inizio(percorso, massimo_utile);
    const std::string nome = percorso.string();
    return ionogramma_da_byte(contenuto, intestazione_da_byte(contenuto, variante, nome), nome);
}

caricamento_rdf carica_rdf(const std::filesystem::path& percorso, variante_finestra variante) {
    std::int32_t dimensione = 0;
    try {
        dimensione = dimensione_file(percorso);
    } catch (const errore_lettura& e) {
        if (e.motivo != motivo_errore::file_mancante) throw;
        return caricamento_rdf{};
    }
    std::vector<unsigned char> contenuto;
    if (dimensione > lunghezza_intestazione)
        contenuto =
            leggi_inizio(percorso, std::min(static_cast<std::size_t>(dimensione), massimo_utile));
    return valutazione(contenuto, dimensione, variante, percorso.string());
}

caricamento_rdf leggi_rdf_da_byte(std::span<const unsigned char> contenuto,
                                  variante_finestra variante, std::string_view nome) {
    if (contenuto.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        errore(motivo_errore::non_leggibile, nome, "is larger than 2 GiB");
    return valutazione(contenuto, static_cast<std::int32_t>(contenuto.size()), variante, nome);
}

void scrittura_codice_caso_particolare(const std::filesystem::path& percorso,
                                       std::string_view codice) {
    if (codice.size() != 2) return;

    const std::string nome = percorso.string();
    const auto fallita = [&](const std::string& perche) {
        throw errore_lettura(motivo_errore::scrittura_fallita,
                             "The particular-case code cannot be written into \"" + nome +
                                 "\": " + perche + ".");
    };
    // "r+b" never creates: a file that vanished since it was read stays gone.
    file_aperto f(std::fopen(percorso.c_str(), "r+b"));
    if (!f) fallita(std::strerror(errno));
    if (std::fseek(f.get(), 0, SEEK_END) != 0) fallita(std::strerror(errno));
    const long lunghezza = std::ftell(f.get());
    if (lunghezza < 61) fallita("the file is only " + std::to_string(lunghezza) + " bytes long");
    // Both bytes go out in one write, so the header never holds half a code.
    if (std::fseek(f.get(), 59, SEEK_SET) != 0 || std::fwrite(codice.data(), 1, 2, f.get()) != 2 ||
        std::fflush(f.get()) != 0)
        fallita(std::strerror(errno));
    if (std::fclose(f.release()) != 0) fallita(std::strerror(errno));
}

} // namespace velaris
