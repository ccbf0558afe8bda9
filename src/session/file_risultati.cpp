#include "file_risultati.h"

#include "base/file_sistema.h"
#include "scaling/tabella_grandezze.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velaris {

namespace {

/// The characteristic of the record's field `i`.
const grandezza& grandezza_del_campo(std::size_t i) { return *trova_grandezza(chiavi_record[i]); }

bool tipi_es(const grandezza& g) { return g.chiave == chiave_tipi_es; }

/// The bytes one write puts into the file, from `inizio` on.
struct blocco {
    off_t inizio;
    std::string dati;
};

/// The write of record `numero` into a file of `dimensione` bytes: the
/// record cut or padded to 248 bytes at its place; in a shorter file, from
/// its end on, with what blank records hold in the gap.
blocco blocco_del_record(off_t dimensione, int numero, const std::string& record) {
    const off_t posizione = static_cast<off_t>(numero - 1) * static_cast<off_t>(lunghezza_record);
    blocco b{posizione, record};
    b.dati.resize(lunghezza_record, ' ');
    if (dimensione < posizione) {
        const std::string vuoto = record_vuoto();
        std::string riempimento;
        for (off_t p = dimensione; p < posizione; ++p)
            riempimento.push_back(vuoto[static_cast<std::size_t>(p) % lunghezza_record]);
        b.dati = riempimento + b.dati;
        b.inizio = dimensione;
    }
    return b;
}

/// Writes `byte` at `dove`, going on after a write cut short by a signal;
/// how many bytes went out before the system refused more.
std::size_t scrivi_a(int fd, std::string_view byte, off_t dove) {
    std::size_t fatti = 0;
    while (fatti < byte.size()) {
        const ssize_t n = ::pwrite(fd, byte.data() + fatti, byte.size() - fatti,
                                   dove + static_cast<off_t>(fatti));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        fatti += static_cast<std::size_t>(n);
    }
    return fatti;
}

/// After a write of `scritti` bytes at `inizio` that stopped halfway: puts
/// back the bytes `vecchi` it covered and the file's old size. Whether the
/// file is as it was.
bool ripristino(int fd, std::string_view vecchi, std::size_t scritti, off_t inizio,
                off_t dimensione) {
    const std::size_t da_ripristinare = std::min(vecchi.size(), scritti);
    bool ripristinato = scrivi_a(fd, vecchi.substr(0, da_ripristinare), inizio) == da_ripristinare;
    if (inizio + static_cast<off_t>(scritti) > dimensione)
        ripristinato = ::ftruncate(fd, dimensione) == 0 && ripristinato;
    return ripristinato;
}

} // namespace

void scrittura_record(const std::filesystem::path& file, int numero, const std::string& record) {
    if (numero < 1 || numero > massimo_record) throw errore_numero_record(file, numero);
    const auto fallita = [&](const std::string& perche) {
        return errore_file_risultati("The record " + std::to_string(numero) +
                                     " of the results file " + file.string() +
                                     " could not be written: " + perche + ".");
    };
    // O_RDWR without O_CREAT: a file that vanished is not made up again.
    descrittore fd(::open(file.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) throw fallita(testo_errore_sistema(errno));
    struct stat stato {};
    if (::fstat(fd.get(), &stato) != 0) throw fallita(testo_errore_sistema(errno));
    if (!S_ISREG(stato.st_mode)) throw fallita("it is not a file");

    const off_t dimensione = stato.st_size;
    const blocco b = blocco_del_record(dimensione, numero, record);
    // What the write covers now, to put back should it stop halfway.
    std::string vecchi(static_cast<std::size_t>(std::min<off_t>(dimensione - b.inizio,
                                                                static_cast<off_t>(b.dati.size()))),
                       '\0');
    if (!vecchi.empty() && ::pread(fd.get(), vecchi.data(), vecchi.size(), b.inizio) !=
                               static_cast<ssize_t>(vecchi.size()))
        throw fallita(testo_errore_sistema(errno));

    errno = 0;
    const std::size_t scritti = scrivi_a(fd.get(), b.dati, b.inizio);
    if (scritti < b.dati.size()) {
        const int numero_errore = errno != 0 ? errno : EIO;
        const bool ripristinato =
            scritti == 0 || ripristino(fd.get(), vecchi, scritti, b.inizio, dimensione);
        throw fallita(testo_errore_sistema(numero_errore) +
                      (ripristinato ? "; the file is as it was" : "; the record may be damaged"));
    }
    if (::fdatasync(fd.get()) != 0 || !fd.chiudi())
        throw fallita("it did not reach the disk (" + testo_errore_sistema(errno) + ")");
}

record_risultati record_da_caselle(const caselle_testo& caselle) {
    record_risultati record;
    for (std::size_t i = 0; i < chiavi_record.size(); ++i) {
        const grandezza& g = grandezza_del_campo(i);
        campo_record& f = record.campi[i];
        f.valore = caselle.testo(g.valore);
        if (tipi_es(g)) continue;
        f.qualificativa = caselle.testo(g.qualificativa);
        f.descrittiva = caselle.testo(g.descrittiva);
    }
    return record;
}

std::string composizione_record(const caselle_testo& caselle, int ora, int minuti) {
    return codifica_record(record_da_caselle(caselle), ora, minuti);
}

void riempimento_caselle_testo_ionogramma_corrente(caselle_testo& caselle,
                                                   const record_risultati& record) {
    for (std::size_t i = 0; i < chiavi_record.size(); ++i) {
        const grandezza& g = grandezza_del_campo(i);
        const campo_record& f = record.campi[i];
        caselle.imposta_testo(g.valore, f.valore);
        if (tipi_es(g)) continue;
        caselle.imposta_testo(g.qualificativa, f.qualificativa);
        caselle.imposta_testo(g.descrittiva, f.descrittiva);
    }
}

void riempimento_caselle_testo_ionogramma_precedente(caselle_testo& caselle,
                                                     const record_risultati& record) {
    for (std::size_t i = 0; i < chiavi_record.size(); ++i) {
        const campo_record& f = record.campi[i];
        caselle.imposta_testo(grandezza_del_campo(i).precedente,
                              f.valore + f.qualificativa + f.descrittiva);
    }
}

void svuotamento_caselle_precedenti(caselle_testo& caselle) {
    for (const auto& g : tabella_grandezze) caselle.imposta_testo(g.precedente, "");
}

} // namespace velaris
