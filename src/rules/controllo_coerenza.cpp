#include "controllo_coerenza.h"

#include "base/numeri.h"
#include "scaling/tabella_grandezze.h"

#include <array>
#include <optional>
#include <string>

namespace velaris {

namespace {

constexpr std::string_view t1 = "Be careful!!";
constexpr std::string_view t2 = "Be careful!!!!";

// Rule 1 walks the characteristics in this order, rule 2 the required ones.
constexpr std::array<std::string_view, 15> ordine_qualificative = {
    "fmin", "hE",        "foE",       "foEs",    "hEs",     "fbEs", "hF", "foF1",
    "foF2", "MUF3000F1", "MUF3000F2", "M3000F1", "M3000F2", "hF2",  "fxI"};
constexpr std::array<std::string_view, 6> obbligatorie = {"fmin", "fbEs",      "hF",
                                                          "foF2", "MUF3000F2", "fxI"};

class verifica {
public:
    verifica(const caselle_testo& c, messaggi& m) : m_c(c), m_m(m) {}

    bool presente(std::string_view nome) const { return !m_c.testo(nome).empty(); }
    bool presente_senza_spazi(std::string_view nome) const {
        return !senza_spazi(m_c.testo(nome)).empty();
    }
    /// A value or a descriptive letter; the qualifying letter does not count.
    bool scalata(const grandezza& g) const { return presente(g.valore) || presente(g.descrittiva); }
    std::string tipi_es() const { return m_c.testo(caselle_tipi_es.valore); }

    esito_controllo ferma(std::string_view titolo, std::string_view testo,
                          std::vector<std::string_view> caselle) {
        m_m.avviso(titolo, testo);
        return {true, std::move(caselle)};
    }

private:
    const caselle_testo& m_c;
    messaggi& m_m;
};

const grandezza& g(std::string_view chiave) { return *trova_grandezza(chiave); }

std::vector<std::string_view> tutte(const grandezza& x) {
    return {x.valore, x.qualificativa, x.descrittiva};
}

/// Rule 8's checks for the particular case in force, made in order: the
/// first that fails shows its message and the later ones are skipped. An
/// empty Es types text has length 0 here; its first character is that of the
/// trimmed text.
class regole_caso {
public:
    explicit regole_caso(verifica& v)
        : m_v(v), m_tipi(v.tipi_es()), m_primo(senza_spazi(m_tipi).substr(0, 1)) {}

    bool tipi_vuoti() const { return m_tipi.empty(); }
    bool primo_tipo_f() const { return m_primo == "F"; }

    /// The characteristic must have neither value nor descriptive letter.
    regole_caso& senza(std::string_view chiave) {
        const grandezza& x = g(chiave);
        if (!m_esito && m_v.scalata(x))
            m_esito = m_v.ferma(t2,
                                "The selected particular case cannot have values or letters for " +
                                    std::string(x.didascalia) + "!!",
                                tutte(x));
        return *this;
    }
    /// The characteristic must have a value or a descriptive letter.
    regole_caso& con(std::string_view chiave) {
        const grandezza& x = g(chiave);
        if (!m_esito && !m_v.scalata(x))
            m_esito = m_v.ferma(t2,
                                "The selected particular case has to have a value and/or a "
                                "descriptive letter for " +
                                    std::string(x.didascalia) + "!!",
                                {x.valore, x.descrittiva});
        return *this;
    }
    /// The Es types must not be as `violata` says.
    regole_caso& tipi(bool violata, std::string_view testo) {
        if (!m_esito && violata) m_esito = m_v.ferma(t2, testo, {caselle_tipi_es.valore});
        return *this;
    }
    const std::optional<esito_controllo>& esito() const { return m_esito; }

private:
    verifica& m_v;
    std::string m_tipi;
    std::string_view m_primo;
    std::optional<esito_controllo> m_esito;
};

std::optional<esito_controllo> regole_caso_particolare(verifica& v, std::string_view codice) {
    regole_caso r(v);
    constexpr std::string_view tipi_vuoti =
        "The selected particular case has to have the field Es Types empty!!";
    if (codice == "01")
        return r.senza("hE")
            .tipi(!r.tipi_vuoti(), tipi_vuoti)
            .senza("hF2")
            .senza("foE")
            .senza("foF1")
            .senza("MUF3000F1")
            .esito();
    if (codice == "02") return r.con("foE").con("hE").tipi(!r.tipi_vuoti(), tipi_vuoti).esito();
    if (codice == "3a" || codice == "3b" || codice == "3c")
        return r.con("foE")
            .con("hE")
            .tipi(r.tipi_vuoti(),
                  "The selected particular case can't have the field Es Types empty!!")
            .tipi(r.primo_tipo_f(), "The selected particular case has to have as first "
                                    "character of Es Types a C, a H or a L!!")
            .esito();
    if (codice == "4a" || codice == "4b" || codice == "4c")
        return r.senza("foE")
            .senza("hE")
            .tipi(r.tipi_vuoti(),
                  "The selected particular case cannot have the field Es Types empty!!")
            .tipi(!r.primo_tipo_f(), "The selected particular case has to have as first "
                                     "character of Es Types a F!!")
            .senza("hF2")
            .senza("foF1")
            .senza("MUF3000F1")
            .esito();
    return std::nullopt;
}

} // namespace

esito_controllo controllo_coerenza(const caselle_testo& caselle,
                                   std::string_view codice_caso_particolare, messaggi& messaggi) {
    verifica v(caselle, messaggi);

    for (std::string_view chiave : ordine_qualificative) {
        const grandezza& x = g(chiave);
        if (v.presente(x.qualificativa) && !v.presente(x.descrittiva))
            return v.ferma(t1, std::string(x.didascalia) + " has only a qualificative letter!!",
                           {x.qualificativa, x.descrittiva});
    }
    for (std::string_view chiave : obbligatorie) {
        const grandezza& x = g(chiave);
        if (!v.presente(x.valore) && !v.presente(x.descrittiva))
            return v.ferma(t1, std::string(x.didascalia) + " missing!!", {x.valore, x.descrittiva});
    }

    const grandezza &he = g("hE"), &foe = g("foE");
    if (v.scalata(foe) && !v.scalata(he))
        return v.ferma(t1, "h'E missing!!", {he.valore, he.descrittiva});
    if (v.scalata(he) && !v.scalata(foe))
        return v.ferma(t1, "foE missing!!", {foe.valore, foe.descrittiva});

    // Rules 5 and 6 look at foE and the Es types without their blanks.
    const bool foe_scalato =
        v.presente_senza_spazi(foe.valore) || v.presente_senza_spazi(foe.descrittiva);
    const std::string tipi(senza_spazi(caselle.testo(caselle_tipi_es.valore)));
    if (foe_scalato && tipi.find('F') != std::string::npos)
        return v.ferma(t1, "foE was scaled. You are not allowed to digit F in the Es Types.",
                       {caselle_tipi_es.valore, foe.valore, foe.descrittiva});
    if (!foe_scalato && tipi.find_first_of("ACDHKLQRS") != std::string::npos)
        return v.ferma(t1, "foE was not scaled. You are allowed to digit only F in the Es Types.",
                       {caselle_tipi_es.valore, foe.valore, foe.descrittiva});

    const grandezza& fxi = g("fxI");
    std::string d_fxi = caselle.testo(fxi.descrittiva);
    for (char& c : d_fxi)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    if (d_fxi == "X" && v.presente_senza_spazi(fxi.qualificativa))
        return v.ferma(t1,
                       "If the descriptive letter of fxI is \"X\" the corresponding qualificative "
                       "letter has to be empty.",
                       {fxi.qualificativa, fxi.descrittiva});

    if (auto esito = regole_caso_particolare(v, codice_caso_particolare)) return *esito;
    return {};
}

} // namespace velaris
