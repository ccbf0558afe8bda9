#include "file_risultati.h"

#include "base/numeri.h"
#include "scaling/tabella_grandezze.h"
#include "session/descrittore.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velaris {

namespace {

enum class regola { a, b, c };

/// One field of the record, in record order (which differs from the table's:
/// the Es types stand between h'Es and fbEs, the MUF/M(3000) pairs come last).
struct campo {
    std::string_view etichetta; ///< the ten characters before the field
    std::string_view chiave;
    regola r;
};

constexpr std::array<campo, 16> campi_record = {{
    {" fmin    =", "fmin", regola::a},       {" h'E     =", "hE", regola::a},
    {" foE     =", "foE", regola::b},        {" foEs    =", "foEs", regola::a},
    {" h'Es    =", "hEs", regola::a},        {" Es Type =", "tipoEs", regola::c},
    {" fbEs    =", "fbEs", regola::a},       {" h'F     =", "hF", regola::a},
    {" foF1    =", "foF1", regola::b},       {" h'F2    =", "hF2", regola::a},
    {" foF2    =", "foF2", regola::a},       {" fxI     =", "fxI", regola::a},
    {" MUF F1  =", "MUF3000F1", regola::a},  {" M3000 F1=", "M3000F1", regola::b},
    {" MUF F2  =", "MUF3000F2", regola::a},  {" M3000 F2=", "M3000F2", regola::b},
}};

constexpr std::size_t inizio_campi = 5; // "hh:mm"
constexpr std::size_t larghezza_etichetta = 10;
constexpr std::size_t larghezza_tipi_es = 5;
constexpr std::size_t larghezza_valore = 3;

std::size_t larghezza_campo(const campo& c) {
    return c.r == regola::c ? larghezza_tipi_es : larghezza_valore + 2;
}

std::string campo_valore(std::string_view testo, regola r) {
    const std::string_view v = senza_spazi(testo);
    switch (r) {
    case regola::a:
        if (v.empty()) return "   ";
        if (v.size() == 2) return std::string(" ").append(v);
        return std::string(testo);
    case regola::b:
        return v.empty() ? "   " : std::string(testo);
    case regola::c:
        if (v.empty()) return "     ";
        return std::string(v) + (v.size() == 2 ? "   " : " ");
    }
    return {};
}

std::string campo_lettera(std::string_view testo) { return testo.empty() ? " " : std::string(testo); }

/// Reads `n` characters at 0-based `pos` of a 248-character record, trimmed.
std::string estrai(const std::string& record, std::size_t pos, std::size_t n) {
    if (pos >= record.size()) return {};
    return std::string(senza_spazi(std::string_view(record).substr(pos, n)));
}

/// Walks the record layout, calling f(field, 0-based position of its value).
template <typename F> void per_ogni_campo(F&& f) {
    std::size_t pos = inizio_campi;
    for (const auto& c : campi_record) {
        pos += larghezza_etichetta;
        f(c, *trova_grandezza(c.chiave), pos);
        pos += larghezza_campo(c);
    }
}

std::string il_file(const std::filesystem::path& file) {
    return "The results file " + file.string();
}

/// No day has more soundings than this (interval "05").
constexpr int massimo_record = 288;

errore_file_risultati errore_numero(const std::filesystem::path& file, int numero) {
    const std::string dettaglio = "has no record " + std::to_string(numero);
    return errore_file_risultati(il_file(file) + " " + dettaglio + ".", dettaglio);
}

/// The reading failure `cosa` of the results file, with the reason the
/// system gave (errno of the failed call) in brackets.
errore_file_risultati errore_lettura_risultati(const std::filesystem::path& file,
                                               const std::string& cosa, int numero) {
    const std::string dettaglio =
        numero != 0 ? cosa + " (" + std::generic_category().message(numero) + ")" : cosa;
    return errore_file_risultati("The results file " + file.string() + " " + dettaglio + ".",
                                 dettaglio);
}

} // namespace

std::string record_vuoto() { return std::string(lunghezza_record - 2, ' ') + "\r\n"; }

std::string composizione_record(const caselle_testo& caselle, int ora, int minuti) {
    std::string record = due_cifre(ora) + ":" + due_cifre(minuti);
    for (const auto& c : campi_record) {
        const grandezza& g = *trova_grandezza(c.chiave);
        record += c.etichetta;
        record += campo_valore(caselle.testo(g.valore), c.r);
        if (c.r != regola::c) {
            record += campo_lettera(caselle.testo(g.qualificativa));
            record += campo_lettera(caselle.testo(g.descrittiva));
        }
    }
    record += " \r\n";
    record.resize(lunghezza_record, ' ');
    return record;
}

std::string record_da_byte(std::string_view letti) {
    const std::string vuoto = record_vuoto();
    letti = letti.substr(0, lunghezza_record);
    return std::string(letti) + vuoto.substr(letti.size());
}

std::string lettura_record(const std::filesystem::path& file, int numero) {
    if (numero < 1 || numero > massimo_record) throw errore_numero(file, numero);
    descrittore fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) throw errore_lettura_risultati(file, "cannot be opened", errno);
    std::string letti(lunghezza_record, ' ');
    const off_t posizione = static_cast<off_t>(numero - 1) * static_cast<off_t>(lunghezza_record);
    std::size_t quanti = 0;
    while (quanti < lunghezza_record) {
        const ssize_t n = ::pread(fd.get(), letti.data() + quanti, lunghezza_record - quanti,
                                  posizione + static_cast<off_t>(quanti));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw errore_lettura_risultati(file, "cannot be read", errno);
        if (n == 0) break; // end of a short file
        quanti += static_cast<std::size_t>(n);
    }
    letti.resize(quanti);
    return record_da_byte(letti);
}

void scrittura_record(const std::filesystem::path& file, int numero, const std::string& record) {
    if (numero < 1 || numero > massimo_record) throw errore_numero(file, numero);
    const auto fallita = [&](const std::string& perche) {
        return errore_file_risultati("The record " + std::to_string(numero) +
                                     " of the results file " + file.string() +
                                     " could not be written: " + perche + ".");
    };
    // O_RDWR without O_CREAT: a file that vanished is not made up again.
    descrittore fd(::open(file.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) throw fallita(std::strerror(errno));
    struct stat stato {};
    if (::fstat(fd.get(), &stato) != 0) throw fallita(std::strerror(errno));
    if (!S_ISREG(stato.st_mode)) throw fallita("it is not a file");

    const off_t dimensione = stato.st_size;
    const off_t posizione = static_cast<off_t>(numero - 1) * static_cast<off_t>(lunghezza_record);
    std::string dati = record;
    dati.resize(lunghezza_record, ' ');
    off_t inizio = posizione;
    if (dimensione < posizione) {
        // The gap gets what blank records hold at those positions, in the same write.
        const std::string vuoto = record_vuoto();
        std::string riempimento;
        for (off_t p = dimensione; p < posizione; ++p)
            riempimento.push_back(vuoto[static_cast<std::size_t>(p) % lunghezza_record]);
        dati = riempimento + dati;
        inizio = dimensione;
    }

    // What the write covers now, to put back should it stop halfway.
    std::string vecchi(static_cast<std::size_t>(
                           std::min<off_t>(dimensione - inizio, static_cast<off_t>(dati.size()))),
                       '\0');
    if (!vecchi.empty() && ::pread(fd.get(), vecchi.data(), vecchi.size(), inizio) !=
                               static_cast<ssize_t>(vecchi.size()))
        throw fallita(std::strerror(errno));

    const auto scrivi = [&](std::string_view byte, off_t dove) {
        std::size_t fatti = 0;
        while (fatti < byte.size()) {
            const ssize_t n = ::pwrite(fd.get(), byte.data() + fatti, byte.size() - fatti,
                                       dove + static_cast<off_t>(fatti));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            fatti += static_cast<std::size_t>(n);
        }
        return fatti;
    };
    errno = 0;
    const std::size_t scritti = scrivi(dati, inizio);
    if (scritti < dati.size()) {
        const int numero_errore = errno != 0 ? errno : EIO;
        bool ripristinato = true;
        if (scritti > 0) {
            const std::size_t da_ripristinare = std::min(vecchi.size(), scritti);
            ripristinato = scrivi(std::string_view(vecchi).substr(0, da_ripristinare), inizio) ==
                           da_ripristinare;
            if (inizio + static_cast<off_t>(scritti) > dimensione)
                ripristinato = ::ftruncate(fd.get(), dimensione) == 0 && ripristinato;
        }
        throw fallita(std::string(std::strerror(numero_errore)) +
                      (ripristinato ? "; the file is as it was" : "; the record may be damaged"));
    }
    if (::fdatasync(fd.get()) != 0 || !fd.chiudi())
        throw fallita("it did not reach the disk (" + std::string(std::strerror(errno)) + ")");
}

void riempimento_caselle_testo_ionogramma_corrente(caselle_testo& caselle,
                                                   const std::string& record) {
    per_ogni_campo([&](const campo& c, const grandezza& g, std::size_t pos) {
        if (c.r == regola::c) {
            caselle.imposta_testo(g.valore, estrai(record, pos, larghezza_tipi_es));
            return;
        }
        caselle.imposta_testo(g.valore, estrai(record, pos, larghezza_valore));
        caselle.imposta_testo(g.qualificativa, estrai(record, pos + 3, 1));
        caselle.imposta_testo(g.descrittiva, estrai(record, pos + 4, 1));
    });
}

void riempimento_caselle_testo_ionogramma_precedente(caselle_testo& caselle,
                                                     const std::string& record) {
    per_ogni_campo([&](const campo& c, const grandezza& g, std::size_t pos) {
        if (c.r == regola::c)
            caselle.imposta_testo(g.precedente, estrai(record, pos, larghezza_tipi_es));
        else
            caselle.imposta_testo(g.precedente, estrai(record, pos, larghezza_valore) +
                                                     estrai(record, pos + 3, 1) +
                                                     estrai(record, pos + 4, 1));
    });
}

void svuotamento_caselle_precedenti(caselle_testo& caselle) {
    for (const auto& g : tabella_grandezze) caselle.imposta_testo(g.precedente, "");
}

} // namespace velaris
