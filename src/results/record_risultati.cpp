#include "record_risultati.h"

#include "base/file_sistema.h"
#include "base/numeri.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace velaris {

namespace {

/// How a value goes into its field: a (two characters right-aligned, others
/// as they stand), b (as it stands), c (the Es types, five characters).
enum class regola { a, b, c };

/// One field of the record, in record order.
struct campo_layout {
    std::string_view etichetta; ///< the ten characters before the field
    regola r;
};

constexpr std::array<campo_layout, 16> layout = {{
    {" fmin    =", regola::a},
    {" h'E     =", regola::a},
    {" foE     =", regola::b},
    {" foEs    =", regola::a},
    {" h'Es    =", regola::a},
    {" Es Type =", regola::c},
    {" fbEs    =", regola::a},
    {" h'F     =", regola::a},
    {" foF1    =", regola::b},
    {" h'F2    =", regola::a},
    {" foF2    =", regola::a},
    {" fxI     =", regola::a},
    {" MUF F1  =", regola::a},
    {" M3000 F1=", regola::b},
    {" MUF F2  =", regola::a},
    {" M3000 F2=", regola::b},
}};

constexpr std::size_t inizio_campi = 5; // "hh:mm"
constexpr std::size_t larghezza_etichetta = 10;
constexpr std::size_t larghezza_tipi_es = 5;
constexpr std::size_t larghezza_valore = 3;

std::size_t larghezza_campo(const campo_layout& c) {
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

std::string campo_lettera(std::string_view testo) {
    return testo.empty() ? " " : std::string(testo);
}

/// Reads `n` characters at 0-based `pos` of a record, trimmed.
std::string estrai(std::string_view record, std::size_t pos, std::size_t n) {
    if (pos >= record.size()) return {};
    return std::string(senza_spazi(record.substr(pos, n)));
}

std::string il_file(const std::filesystem::path& file) {
    return "The results file " + file.string();
}

/// The reading failure `cosa` of the results file, with the reason the
/// system gave (errno of the failed call) in brackets.
errore_file_risultati errore_lettura_risultati(const std::filesystem::path& file,
                                               const std::string& cosa, int numero) {
    const std::string dettaglio =
        numero != 0 ? cosa + " (" + testo_errore_sistema(numero) + ")" : cosa;
    return errore_file_risultati(il_file(file) + " " + dettaglio + ".", dettaglio);
}

} // namespace

campo_record& record_risultati::campo(std::string_view chiave) {
    const auto it = std::find(chiavi_record.begin(), chiavi_record.end(), chiave);
    return campi.at(static_cast<std::size_t>(it - chiavi_record.begin()));
}

const campo_record& record_risultati::campo(std::string_view chiave) const {
    return const_cast<record_risultati&>(*this).campo(chiave);
}

std::string codifica_record(const record_risultati& record, int ora, int minuti) {
    std::string byte = due_cifre(ora) + ":" + due_cifre(minuti);
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const campo_layout& c = layout[i];
        const campo_record& f = record.campi[i];
        byte += c.etichetta;
        byte += campo_valore(f.valore, c.r);
        if (c.r != regola::c) {
            byte += campo_lettera(f.qualificativa);
            byte += campo_lettera(f.descrittiva);
        }
    }
    byte += " \r\n";
    byte.resize(lunghezza_record, ' ');
    return byte;
}

record_risultati decodifica_record(std::string_view byte) {
    record_risultati record;
    std::size_t pos = inizio_campi;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const campo_layout& c = layout[i];
        campo_record& f = record.campi[i];
        pos += larghezza_etichetta;
        if (c.r == regola::c) {
            f.valore = estrai(byte, pos, larghezza_tipi_es);
        } else {
            f.valore = estrai(byte, pos, larghezza_valore);
            f.qualificativa = estrai(byte, pos + 3, 1);
            f.descrittiva = estrai(byte, pos + 4, 1);
        }
        pos += larghezza_campo(c);
    }
    return record;
}

std::string record_vuoto() { return std::string(lunghezza_record - 2, ' ') + "\r\n"; }

std::string record_da_byte(std::string_view letti) {
    const std::string vuoto = record_vuoto();
    letti = letti.substr(0, lunghezza_record);
    return std::string(letti) + vuoto.substr(letti.size());
}

errore_file_risultati errore_numero_record(const std::filesystem::path& file, int numero) {
    const std::string dettaglio = "has no record " + std::to_string(numero);
    return errore_file_risultati(il_file(file) + " " + dettaglio + ".", dettaglio);
}

std::string lettura_record(const std::filesystem::path& file, int numero) {
    if (numero < 1 || numero > massimo_record) throw errore_numero_record(file, numero);
    // O_NONBLOCK: a pipe in place of the file must not hang the window.
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

} // namespace velaris
