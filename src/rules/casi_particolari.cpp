#include "casi_particolari.h"

#include "base/numeri.h"
#include "scaling/tabella_grandezze.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <span>

namespace velaris {

const std::array<caso_particolare, 11> casi_particolari = {{
    {"01", "Particular Case: Nighttime Es missing", "Particular Case: Nighttime Es missing", true},
    {"02", "Particular Case: Daytime Es missing", "Particular Case: Daytime Es missing", true},
    {"3a", "Particular Case: Daily Es blanketing - single reflection",
     "Particular Case: Daytime Es blanketing - single reflection", true},
    {"3b", "Particular Case: Daily Es blanketing - more reflections - second reflection >= foEs",
     "Particular Case: Daytime Es blanketing - multiple reflections - second reflection >= foEs",
     true},
    {"3c", "Particular Case: Daily Es blanketing - more reflections - second reflection < foEs",
     "Particular Case: Daytime Es blanketing - multiple reflections - second reflection < foEs",
     true},
    {"4a", "Particular Case: Nocturnal Es blanketing - single reflection",
     "Particular Case: Nighttime Es blanketing - single reflection", true},
    {"4b",
     "Particular Case: Nocturnal Es blanketing - more reflections - second reflection >= foEs",
     "Particular Case: Nighttime Es blanketing - multiple reflections - second reflection >= foEs",
     true},
    {"4c", "Particular Case: Nocturnal Es blanketing - more reflections - second reflection < foEs",
     "Particular Case: Nighttime Es blanketing - multiple reflections - second reflection < foEs",
     true},
    {"05", "Particular Case: Partial absorption", "Particular Case: Partial absorption", true},
    // No ionogram leaves the label alone and never reaches a file header.
    {"06", std::nullopt, std::nullopt, false},
    {nessun_caso_particolare, "", "", true},
}};

namespace {

/// What a fill writes into a box: a fixed text, or a value the case takes
/// from the boxes or from its conditions.
enum class dato {
    testo,         ///< the entry's text
    foe_in_decimi, ///< foE's value rounded to tenths
    fmin,          ///< fmin's value
    foes,          ///< foEs's value
    lettera_notte, ///< the letter fmin's descriptive letter chose (case 01)
    e_qualificata, ///< "E" unless that letter is "E"; then the box is left alone
    s_se_s,        ///< "S" when that letter is "S"; otherwise the box is left alone
};

struct scrittura {
    std::string_view casella;
    std::string_view testo = {};
    dato da = dato::testo;
};

/// One particular case: when it may be applied (the conditions also choose
/// the night letter of case 01), what applying it writes, in this order, and
/// the boxes its deletion empties. Nothing is restored by a deletion.
struct regola_caso {
    std::string_view codice;
    bool (*ammesso)(const caselle_testo& c, std::string_view codice, std::string_view& lettera);
    std::span<const scrittura> riempimento;
    std::span<const std::string_view> cancellazione;
};

template <std::size_t N>
constexpr std::array<scrittura, N> tutte(const std::array<std::string_view, N>& caselle,
                                         std::string_view testo) {
    std::array<scrittura, N> elenco{};
    for (std::size_t i = 0; i < N; ++i) elenco[i] = {caselle[i], testo};
    return elenco;
}

template <typename T, std::size_t N, std::size_t M>
constexpr std::array<T, N + M> poi(const std::array<T, N>& a, const std::array<T, M>& b) {
    std::array<T, N + M> elenco{};
    std::copy(a.begin(), a.end(), elenco.begin());
    std::copy(b.begin(), b.end(), elenco.begin() + N);
    return elenco;
}

bool vuota(const caselle_testo& c, std::string_view nome) { return c.testo(nome).empty(); }

bool tutte_vuote(const caselle_testo& c, std::initializer_list<std::string_view> nomi) {
    return std::all_of(nomi.begin(), nomi.end(), [&](std::string_view n) { return vuota(c, n); });
}

// Daytime Es missing (02): foEs and fbEs from foE.
bool es_mancante_di_giorno(const caselle_testo& c, std::string_view, std::string_view&) {
    return !vuota(c, caselle_foe.valore) &&
           tutte_vuote(c, {caselle_foes.valore, caselle_tipi_es.valore});
}

constexpr std::array<scrittura, 7> riempimento_02 = {{
    {caselle_foes.valore, {}, dato::foe_in_decimi},
    {caselle_foes.qualificativa, "E"},
    {caselle_foes.descrittiva, "G"},
    {caselle_fbes.valore, {}, dato::foe_in_decimi},
    {caselle_fbes.qualificativa, "E"},
    {caselle_fbes.descrittiva, "G"},
    {caselle_hes.descrittiva, "G"},
}};
constexpr std::array<std::string_view, 7> cancellazione_02 = {
    caselle_foes.valore,    caselle_foes.qualificativa, caselle_foes.descrittiva,
    caselle_fbes.valore,    caselle_fbes.qualificativa, caselle_fbes.descrittiva,
    caselle_hes.descrittiva};

// Nighttime Es missing (01): foEs and fbEs from fmin. fmin's descriptive
// letter decides the letter the Es boxes take and whether the qualifying
// letters are set.
bool es_mancante_di_notte(const caselle_testo& c, std::string_view, std::string_view& lettera) {
    if (vuota(c, caselle_fmin.valore) ||
        !tutte_vuote(c, {caselle_he.valore, caselle_foe.valore, caselle_foes.valore,
                         caselle_hes.valore, caselle_tipi_es.valore}))
        return false;
    const std::string d = c.testo(caselle_fmin.descrittiva);
    if (d.empty() || d == "S")
        lettera = "S";
    else if (d == "B" || d == "E")
        lettera = d == "B" ? "B" : "E";
    else
        return false;
    return true;
}

constexpr std::array<scrittura, 9> riempimento_01 = {{
    {caselle_fmin.qualificativa, {}, dato::e_qualificata},
    {caselle_fmin.descrittiva, {}, dato::s_se_s},
    {caselle_foes.valore, {}, dato::fmin},
    {caselle_foes.qualificativa, {}, dato::e_qualificata},
    {caselle_foes.descrittiva, {}, dato::lettera_notte},
    {caselle_fbes.valore, {}, dato::fmin},
    {caselle_fbes.qualificativa, {}, dato::e_qualificata},
    {caselle_fbes.descrittiva, {}, dato::lettera_notte},
    {caselle_hes.descrittiva, {}, dato::lettera_notte},
}};
constexpr std::array<std::string_view, 9> cancellazione_01 = {
    caselle_fmin.qualificativa, caselle_fmin.descrittiva, caselle_foes.valore,
    caselle_foes.qualificativa, caselle_foes.descrittiva, caselle_fbes.valore,
    caselle_fbes.qualificativa, caselle_fbes.descrittiva, caselle_hes.descrittiva};

// Es blanketing by day (3a, 3b, 3c) or by night (4a, 4b, 4c). The variant:
// a single reflection (a), or more with the second at or above foEs (b) or
// below it (c).
bool occultamento(const caselle_testo& c, std::string_view codice, std::string_view&) {
    if (vuota(c, caselle_foes.valore) || vuota(c, caselle_hes.valore) ||
        vuota(c, caselle_tipi_es.valore))
        return false;
    if (codice[0] == '3') {
        if (vuota(c, caselle_foe.valore) && vuota(c, caselle_foe.descrittiva)) return false;
        if (vuota(c, caselle_he.valore) && vuota(c, caselle_he.descrittiva)) return false;
    } else if (!tutte_vuote(c, {caselle_foe.valore, caselle_he.valore})) {
        return false;
    }
    return codice[1] != 'c' || !vuota(c, caselle_fbes.valore);
}

// The descriptive boxes every blanketing marks with "A", in fill order:
// fbEs, h'F, foF2, fxI, M(3000)F2, MUF(3000)F2.
constexpr std::array<std::string_view, 6> occultate = {
    caselle_fbes.descrittiva, caselle_hf.descrittiva,      caselle_fof2.descrittiva,
    caselle_fxi.descrittiva,  caselle_m3000f2.descrittiva, caselle_muf3000f2.descrittiva};

constexpr auto riempimento_occultamento_a = tutte(occultate, "A");
constexpr auto riempimento_occultamento_b =
    poi(std::array<scrittura, 2>{{{caselle_fbes.valore, {}, dato::foes},
                                  {caselle_fbes.qualificativa, "A"}}},
        tutte(occultate, "A"));
constexpr auto riempimento_occultamento_c =
    poi(std::array<scrittura, 1>{{{caselle_fbes.qualificativa, "A"}}}, tutte(occultate, "A"));
constexpr auto cancellazione_occultamento_a = occultate;
constexpr auto cancellazione_occultamento_bc = poi(
    std::array<std::string_view, 2>{caselle_fbes.valore, caselle_fbes.qualificativa}, occultate);

// Partial absorption (05): the E boxes marked "B", foEs and fbEs from fmin.
bool assorbimento_parziale(const caselle_testo& c, std::string_view, std::string_view&) {
    return !vuota(c, caselle_fmin.valore);
}

constexpr std::array<scrittura, 10> riempimento_05 = {{
    {caselle_he.descrittiva, "B"},
    {caselle_foe.descrittiva, "B"},
    {caselle_foes.valore, {}, dato::fmin},
    {caselle_foes.qualificativa, "E"},
    {caselle_foes.descrittiva, "B"},
    {caselle_hes.descrittiva, "B"},
    {caselle_tipi_es.valore, ""},
    {caselle_fbes.valore, {}, dato::fmin},
    {caselle_fbes.qualificativa, "E"},
    {caselle_fbes.descrittiva, "B"},
}};
// The Es types it empties are not given back.
constexpr std::array<std::string_view, 9> cancellazione_05 = {
    caselle_he.descrittiva,     caselle_foe.descrittiva,    caselle_foes.valore,
    caselle_foes.qualificativa, caselle_foes.descrittiva,   caselle_hes.descrittiva,
    caselle_fbes.valore,        caselle_fbes.qualificativa, caselle_fbes.descrittiva};

// No ionogram (06), always allowed.
bool sempre(const caselle_testo&, std::string_view, std::string_view&) { return true; }

// The descriptive boxes that receive "C": fmin, foEs, h'Es, h'F, foF2, fbEs,
// fxI, M(3000)F2, MUF(3000)F2.
constexpr std::array<std::string_view, 9> senza_ionogramma = {
    caselle_fmin.descrittiva, caselle_foes.descrittiva,    caselle_hes.descrittiva,
    caselle_hf.descrittiva,   caselle_fof2.descrittiva,    caselle_fbes.descrittiva,
    caselle_fxi.descrittiva,  caselle_m3000f2.descrittiva, caselle_muf3000f2.descrittiva};

// Emptied after the "C"s: the sixteen value boxes, the fifteen qualifying
// boxes and the descriptive boxes that get no "C".
constexpr auto svuotate_senza_ionogramma = [] {
    std::array<std::string_view, 37> elenco{};
    std::size_t n = 0;
    for (const auto& c : caselle_per_grandezza) elenco[n++] = c.valore;
    for (const auto& c : caselle_per_grandezza)
        if (!c.qualificativa.empty()) elenco[n++] = c.qualificativa;
    for (const auto d :
         {caselle_he.descrittiva, caselle_foe.descrittiva, caselle_fof1.descrittiva,
          caselle_m3000f1.descrittiva, caselle_muf3000f1.descrittiva, caselle_hf2.descrittiva})
        elenco[n++] = d;
    return elenco;
}();

constexpr auto riempimento_06 =
    poi(tutte(senza_ionogramma, "C"), tutte(svuotate_senza_ionogramma, ""));

constexpr std::array<regola_caso, 10> regole_casi = {{
    {"01", es_mancante_di_notte, riempimento_01, cancellazione_01},
    {"02", es_mancante_di_giorno, riempimento_02, cancellazione_02},
    {"3a", occultamento, riempimento_occultamento_a, cancellazione_occultamento_a},
    {"3b", occultamento, riempimento_occultamento_b, cancellazione_occultamento_bc},
    {"3c", occultamento, riempimento_occultamento_c, cancellazione_occultamento_bc},
    {"4a", occultamento, riempimento_occultamento_a, cancellazione_occultamento_a},
    {"4b", occultamento, riempimento_occultamento_b, cancellazione_occultamento_bc},
    {"4c", occultamento, riempimento_occultamento_c, cancellazione_occultamento_bc},
    {"05", assorbimento_parziale, riempimento_05, cancellazione_05},
    {"06", sempre, riempimento_06, senza_ionogramma},
}};

const regola_caso* regola_di(std::string_view codice) {
    for (const auto& r : regole_casi)
        if (r.codice == codice) return &r;
    return nullptr;
}

/// The text an entry writes; none when the entry leaves its box alone.
std::optional<std::string> testo_da_scrivere(const scrittura& s, const caselle_testo& c,
                                             std::string_view lettera) {
    switch (s.da) {
    case dato::testo:
        return std::string(s.testo);
    case dato::foe_in_decimi:
        return foe_in_decimi(c.testo(caselle_foe.valore));
    case dato::fmin:
        return c.testo(caselle_fmin.valore);
    case dato::foes:
        return c.testo(caselle_foes.valore);
    case dato::lettera_notte:
        return std::string(lettera);
    case dato::e_qualificata:
        return lettera != "E" ? std::optional<std::string>("E") : std::nullopt;
    case dato::s_se_s:
        return lettera == "S" ? std::optional<std::string>("S") : std::nullopt;
    }
    return std::nullopt;
}

/// Applies the rule of a case; false when its conditions fail, and then no
/// box has been touched.
bool regola(const regola_caso& r, caselle_testo& c) {
    std::string_view lettera;
    if (!r.ammesso(c, r.codice, lettera)) return false;
    for (const scrittura& s : r.riempimento)
        if (const auto testo = testo_da_scrivere(s, c, lettera)) c.imposta_testo(s.casella, *testo);
    return true;
}

} // namespace
const caso_particolare* trova_caso_particolare(std::string_view codice) {
    for (const auto& caso : casi_particolari)
        if (caso.codice == codice) return &caso;
    return nullptr;
}

std::optional<std::string> didascalia_caso_particolare(std::string_view codice) {
    const caso_particolare* caso = trova_caso_particolare(codice);
    if (caso == nullptr || !caso->didascalia_letta) return std::nullopt;
    return std::string(*caso->didascalia_letta);
}

bool codice_da_scrivere(std::string_view codice) {
    const caso_particolare* caso = trova_caso_particolare(codice);
    return caso != nullptr && caso->nell_intestazione;
}

std::string foe_in_decimi(std::string_view foe) {
    if (foe.size() == 3) {
        if (valore_numerico(foe.substr(2, 1)) >= 5)
            return std::string(senza_spazi(numero_stampato(valore_numerico(foe.substr(0, 2)) + 1)));
        return std::string(foe.substr(0, 2));
    }
    // Scaling never writes foE with other than three characters; should one
    // arrive from a file, the same rounding is done on its whole number.
    const double decimi = std::floor(valore_numerico(foe) / 10.0 + 0.5);
    return std::string(senza_spazi(numero_stampato(decimi)));
}

esito_caso_particolare applicazione_caso_particolare(std::string_view codice,
                                                     caselle_testo& caselle,
                                                     std::string& codice_caso_particolare,
                                                     messaggi& messaggi) {
    const caso_particolare* caso = trova_caso_particolare(codice);
    const regola_caso* r = regola_di(codice);
    if (caso == nullptr || r == nullptr || !regola(*r, caselle)) {
        messaggi.avviso("Be careful!!",
                        "There aren't the right conditions to apply this particular case");
        return {};
    }
    codice_caso_particolare = std::string(codice);
    esito_caso_particolare esito;
    esito.applicato = true;
    esito.seleziona_hf = codice == "01" || codice == "02" || codice == "05";
    if (caso->didascalia_scelta) esito.didascalia = std::string(*caso->didascalia_scelta);
    return esito;
}

esito_caso_particolare annullamento_caso_particolare(caselle_testo& caselle,
                                                     std::string& codice_caso_particolare) {
    if (codice_caso_particolare == nessun_caso_particolare) return {};
    // A code the table lacks (read from a file header) filled nothing here.
    if (const regola_caso* r = regola_di(codice_caso_particolare))
        for (std::string_view nome : r->cancellazione) caselle.imposta_testo(nome, "");
    codice_caso_particolare = std::string(nessun_caso_particolare);
    esito_caso_particolare esito;
    esito.applicato = true;
    esito.didascalia = std::string();
    return esito;
}

esito_caso_particolare mancanza_es_clic_destro(caselle_testo& caselle,
                                               std::string& codice_caso_particolare,
                                               messaggi& messaggi) {
    const bool foe = !caselle.testo(caselle_foe.valore).empty() ||
                     !caselle.testo(caselle_foe.descrittiva).empty();
    return applicazione_caso_particolare(foe ? "02" : "01", caselle, codice_caso_particolare,
                                         messaggi);
}

} // namespace velaris
