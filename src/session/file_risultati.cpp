#include "file_risultati.h"

#include "base/numeri.h"
#include "scaling/tabella_grandezze.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

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

std::string descrizione(const std::error_code& e) { return e ? e.message() : "input/output error"; }

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

std::string lettura_record(const std::filesystem::path& file, int numero) {
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in) throw errore_lettura_risultati(file, "cannot be opened", errno);
    std::string record(lunghezza_record, ' ');
    in.seekg(static_cast<std::streamoff>(numero - 1) * static_cast<std::streamoff>(lunghezza_record));
    if (in) {
        errno = 0;
        in.read(record.data(), static_cast<std::streamsize>(lunghezza_record));
        // Whatever lies beyond the end of a short file reads as blank.
        const auto letti = static_cast<std::size_t>(in.gcount());
        std::memset(record.data() + letti, ' ', lunghezza_record - letti);
        if (letti < lunghezza_record) record.replace(lunghezza_record - 2, 2, "\r\n");
    }
    if (in.bad()) throw errore_lettura_risultati(file, "cannot be read", errno);
    return record;
}

void scrittura_record(const std::filesystem::path& file, int numero, const std::string& record) {
    const auto offset = static_cast<std::uintmax_t>(numero - 1) * lunghezza_record;
    std::error_code e;
    const std::uintmax_t dimensione = std::filesystem::file_size(file, e);
    if (e)
        throw errore_file_risultati("The results file " + file.string() +
                                    " cannot be written: " + descrizione(e) + ".");
    std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
    if (!out)
        throw errore_file_risultati("The results file " + file.string() +
                                    " cannot be opened for writing.");
    std::string dati = record;
    dati.resize(lunghezza_record, ' ');
    std::uintmax_t inizio = offset;
    if (dimensione < offset) {
        // Fill the gap with what blank records hold at those positions.
        const std::string vuoto = record_vuoto();
        std::string riempimento;
        for (std::uintmax_t p = dimensione; p < offset; ++p)
            riempimento.push_back(vuoto[p % lunghezza_record]);
        dati = riempimento + dati;
        inizio = dimensione;
    }
    out.seekp(static_cast<std::streamoff>(inizio));
    out.write(dati.data(), static_cast<std::streamsize>(dati.size()));
    out.flush();
    if (!out)
        throw errore_file_risultati("The record " + std::to_string(numero) +
                                    " of the results file " + file.string() +
                                    " could not be written (is the disk full?).");
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
