#include "lettore_rdf.h"

#include "base/file_sistema.h"
#include "base/numeri.h"
#include "ionogram/stazioni.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
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

/// Inside the reader a failure leaves all the steps at once; carica_rdf and
/// leggi_rdf_da_byte turn it into their one answer.
struct interruzione {
    motivo_errore motivo;
    std::string cosa; ///< what is wrong, to follow the file's name
};

[[noreturn]] void errore(motivo_errore motivo, const std::string& cosa) {
    throw interruzione{motivo, cosa};
}

/// What a window's read of the ionogram file needs to know of its header.
struct intestazione_rdf {
    float frequenza_iniziale = 0.0f;
    float frequenza_finale = 0.0f;
    float passo_frequenza = 0.0f;
    std::int32_t numero_frequenze = 0;
    bool corta = false;                  ///< the 50-byte header (main window only)
    std::size_t lunghezza = 0;           ///< 50 or 197: the first amplitude is the next byte
    std::string codice_caso_particolare; ///< bytes 60-61; empty for the short header
    std::string codice_stazione;         ///< bytes 123-127; empty for the short header
};

struct chiusura_file {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using file_aperto = std::unique_ptr<std::FILE, chiusura_file>;

/// The first `quanti` bytes of the file (fewer if it is shorter), in one read.
std::vector<unsigned char> leggi_inizio(const std::filesystem::path& percorso, std::size_t quanti) {
    file_aperto f(std::fopen(percorso.c_str(), "rb"));
    if (!f) {
        const int codice = errno;
        errore(codice == ENOENT ? motivo_errore::file_mancante : motivo_errore::non_leggibile,
               "cannot be opened (" + testo_errore_sistema(codice) + ")");
    }
    std::error_code ec;
    const auto dimensione = std::filesystem::file_size(percorso, ec);
    if (!ec) quanti = std::min<std::uintmax_t>(quanti, dimensione);
    std::vector<unsigned char> contenuto(quanti);
    const std::size_t letti = std::fread(contenuto.data(), 1, quanti, f.get());
    if (std::ferror(f.get()))
        errore(motivo_errore::non_leggibile,
               "cannot be read (" + testo_errore_sistema(errno) + ")");
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
                          std::size_t decimali) {
    const std::string testo =
        campo(testa, intero, fine_intero) + "." + campo(testa, decimali, decimali + 2);
    double valore = 0.0;
    try {
        valore = valore_numerico(testo);
    } catch (const errore_overflow&) {
        valore = std::numeric_limits<double>::infinity();
    }
    if (!(std::fabs(valore) <= std::numeric_limits<float>::max()))
        errore(motivo_errore::intestazione_non_trovata,
               "holds a header frequency \"" + testo + "\" too large to read");
    return static_cast<float>(valore);
}

std::size_t trova_intestazione(byte_span contenuto, intestazione_corta corta) {
    const auto a_capo_in = [&](std::size_t posizione) {
        return contenuto.size() >= posizione && contenuto[posizione - 1] == a_capo;
    };
    const bool accettata = corta == intestazione_corta::accettata;
    if (accettata && a_capo_in(lunghezza_intestazione_corta)) return lunghezza_intestazione_corta;
    if (a_capo_in(lunghezza_intestazione)) return lunghezza_intestazione;
    errore(motivo_errore::intestazione_non_trovata,
           accettata ? "has no header: neither byte 50 nor byte 197 is a line feed"
                     : "has no header: byte 197 is not a line feed");
}

std::int32_t calcolo_numero_frequenze(float inizio, float fine, float passo) {
    if (passo == 0.0f) errore(motivo_errore::passo_nullo, "gives a frequency step of 0 MHz");
    const long double quoziente =
        (static_cast<long double>(fine) - static_cast<long double>(inizio)) / passo + 1.0L;
    if (!std::isfinite(quoziente))
        errore(motivo_errore::intestazione_non_trovata,
               "gives frequencies from which no number of frequencies follows");
    // Header numbers written as digits are floats on a grid of 2^-33, so the
    // extended quotient is either exactly on a half or farther from one than
    // the step to double can move it: rounding the double gives the same count.
    try {
        return a_intero32(static_cast<double>(quoziente));
    } catch (const errore_overflow&) {
        errore(motivo_errore::troppe_frequenze,
               "gives more sounding frequencies than a 32-bit count holds");
    }
}

intestazione_rdf intestazione_da_byte(byte_span contenuto, intestazione_corta corta) {
    intestazione_rdf h;
    h.lunghezza = trova_intestazione(contenuto, corta);
    h.corta = h.lunghezza == static_cast<std::size_t>(lunghezza_intestazione_corta);
    const byte_span testa = contenuto.first(h.lunghezza);
    if (!h.corta) {
        h.codice_caso_particolare = campo(testa, 60, 61);
        h.codice_stazione = campo(testa, 123, 127);
    }
    h.frequenza_iniziale = numero_intestazione(testa, 1, 2, 4);
    h.frequenza_finale = numero_intestazione(testa, 8, 9, 11);
    h.passo_frequenza = numero_intestazione(testa, 15, 15, 17);
    h.numero_frequenze =
        calcolo_numero_frequenze(h.frequenza_iniziale, h.frequenza_finale, h.passo_frequenza);
    return h;
}

/// The amplitudes after the header `h` already found in `contenuto`.
ionogramma_letto ionogramma_da_byte(byte_span contenuto, const intestazione_rdf& h) {
    const std::int32_t n = h.numero_frequenze;
    if (n < 1)
        errore(motivo_errore::intestazione_non_trovata,
               "gives " + std::to_string(n) + " sounding frequencies");
    if (n > massimo_frequenze)
        errore(motivo_errore::troppe_frequenze,
               "gives " + std::to_string(n) + " sounding frequencies, more than 32767");
    const std::size_t byte_ampiezze = lunghezza_record * static_cast<std::size_t>(n);
    if (contenuto.size() - h.lunghezza < byte_ampiezze)
        errore(motivo_errore::troncato, "is truncated: " + std::to_string(contenuto.size()) +
                                            " bytes where " + std::to_string(n) +
                                            " frequencies need " +
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

/// The load decision on the first bytes of a file whose size is `dimensione`.
ionogramma_letto valutazione(byte_span contenuto, std::int32_t dimensione,
                             intestazione_corta corta) {
    const std::string taglia = "size " + std::to_string(dimensione) + " bytes";
    if (dimensione <= lunghezza_intestazione)
        errore(motivo_errore::dimensione_errata,
               taglia + " leaves no room for amplitudes after the 197-byte header.");
    const intestazione_rdf h = intestazione_da_byte(contenuto, corta);
    const std::int32_t n = h.numero_frequenze;
    const std::int64_t prodotto = std::int64_t{150} * n;
    if (prodotto > std::numeric_limits<std::int32_t>::max() ||
        prodotto < std::numeric_limits<std::int32_t>::min())
        errore(motivo_errore::troppe_frequenze,
               "gives " + std::to_string(n) + " sounding frequencies, too many to size a file");
    if (!accettato(dimensione, n))
        errore(motivo_errore::dimensione_errata,
               taglia + " is not 197 + 150 x " + std::to_string(n) + ".");
    return ionogramma_da_byte(contenuto, h);
}

/// Size in bytes of the file at the path: file_mancante or cartella when
/// there is none, non_leggibile when the size cannot be had or exceeds 2 GiB
/// (it must fit 32-bit signed).
std::int32_t dimensione_file(const std::filesystem::path& percorso) {
    std::error_code ec;
    const auto stato = std::filesystem::status(percorso, ec);
    if (stato.type() == std::filesystem::file_type::not_found)
        errore(motivo_errore::file_mancante, "does not exist");
    if (stato.type() == std::filesystem::file_type::directory)
        errore(motivo_errore::cartella, "is a folder, not a file");
    const auto dimensione = std::filesystem::file_size(percorso, ec);
    if (ec) errore(motivo_errore::non_leggibile, "has no readable size (" + ec.message() + ")");
    if (dimensione > static_cast<std::uintmax_t>(std::numeric_limits<std::int32_t>::max()))
        errore(motivo_errore::non_leggibile,
               "is larger than 2 GiB (" + std::to_string(dimensione) + " bytes)");
    return static_cast<std::int32_t>(dimensione);
}

/// Runs a whole read, turning whatever stopped it into the reason.
template <typename Lettura> lettura_rdf una_risposta(std::string_view nome, Lettura&& lettura) {
    try {
        return lettura();
    } catch (const interruzione& i) {
        const std::string frase = i.motivo == motivo_errore::dimensione_errata
                                      ? " is not a valid ionogram: " + i.cosa
                                      : " " + i.cosa + ".";
        return errore_rdf{i.motivo, i.cosa, il_file(nome) + frase};
    } catch (const std::exception& e) {
        // Even running out of memory is an answer, not a second channel.
        const std::string cosa = std::string("cannot be read (") + e.what() + ")";
        return errore_rdf{motivo_errore::non_leggibile, cosa, il_file(nome) + " " + cosa + "."};
    }
}

} // namespace

bool accettato(std::int32_t dimensione, std::int32_t numero_frequenze) {
    if (dimensione <= lunghezza_intestazione) return false;
    const std::int64_t resto = std::int64_t{dimensione} - lunghezza_intestazione;
    return resto != 0 && resto % 150 == 0 && resto == std::int64_t{150} * numero_frequenze;
}

lettura_rdf carica_rdf(const std::filesystem::path& percorso, intestazione_corta corta) {
    return una_risposta(percorso.string(), [&] {
        const std::int32_t dimensione = dimensione_file(percorso);
        std::vector<unsigned char> contenuto;
        if (dimensione > lunghezza_intestazione)
            contenuto = leggi_inizio(percorso,
                                     std::min(static_cast<std::size_t>(dimensione), massimo_utile));
        return valutazione(contenuto, dimensione, corta);
    });
}

lettura_rdf leggi_rdf_da_byte(std::span<const unsigned char> contenuto, intestazione_corta corta,
                              std::string_view nome) {
    return una_risposta(nome, [&] {
        if (contenuto.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
            errore(motivo_errore::non_leggibile, "is larger than 2 GiB");
        return valutazione(contenuto, static_cast<std::int32_t>(contenuto.size()), corta);
    });
}

void scrittura_codice_caso_particolare(const std::filesystem::path& percorso,
                                       std::string_view codice) {
    if (codice.size() != 2) return;

    const auto fallita = [&](const std::string& perche) {
        throw errore_lettura(motivo_errore::scrittura_fallita,
                             "The particular-case code cannot be written into \"" +
                                 percorso.string() + "\": " + perche + ".");
    };
    // "r+b" never creates: a file that vanished since it was read stays gone.
    file_aperto f(std::fopen(percorso.c_str(), "r+b"));
    if (!f) fallita(testo_errore_sistema(errno));
    if (std::fseek(f.get(), 0, SEEK_END) != 0) fallita(testo_errore_sistema(errno));
    const long lunghezza = std::ftell(f.get());
    if (lunghezza < 61) fallita("the file is only " + std::to_string(lunghezza) + " bytes long");
    // Both bytes go out in one write, so the header never holds half a code.
    if (std::fseek(f.get(), 59, SEEK_SET) != 0 || std::fwrite(codice.data(), 1, 2, f.get()) != 2 ||
        std::fflush(f.get()) != 0)
        fallita(testo_errore_sistema(errno));
    if (std::fclose(f.release()) != 0) fallita(testo_errore_sistema(errno));
}

} // namespace velaris
