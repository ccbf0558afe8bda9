#include "casi_particolari.h"

#include "base/numeri.h"

#include <cmath>
#include <initializer_list>
#include <vector>

namespace velaris {

const std::array<caso_particolare, 11> casi_particolari = {{
    {"01", "Particular Case: Nighttime Es missing", "Particular Case: Nighttime Es missing", true},
    {"02", "Particular Case: Daytime Es missing", "Particular Case: Daytime Es missing", true},
    {"3a", "Particular Case: Daily Es blanketing - single reflection",
     "Particular Case: Daytime Es blanketing - single reflection", true},
    {"3b",
     "Particular Case: Daily Es blanketing - more reflections - second reflection >= foEs",
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
    {"4c",
     "Particular Case: Nocturnal Es blanketing - more reflections - second reflection < foEs",
     "Particular Case: Nighttime Es blanketing - multiple reflections - second reflection < foEs",
     true},
    {"05", "Particular Case: Partial absorption", "Particular Case: Partial absorption", true},
    // No ionogram leaves the label alone and never reaches a file header.
    {"06", std::nullopt, std::nullopt, false},
    {nessun_caso_particolare, "", "", true},
}};

namespace {

using nomi = std::initializer_list<std::string_view>;

// The descriptive boxes the blanketing cases mark with "A", in fill order:
// fbEs, h'F, foF2, fxI, M(3000)F2, MUF(3000)F2.
constexpr std::array<std::string_view, 6> occultate = {
    "Text37", "Text38", "lettera_descrittiva_fof2", "Text44", "lettera_descrittiva_m3000f2",
    "lettera_descrittiva_muf3000f2"};

// The descriptive boxes that receive "C" when there is no ionogram: fmin,
// foEs, h'Es, h'F, foF2, fbEs, fxI, M(3000)F2, MUF(3000)F2.
constexpr std::array<std::string_view, 9> senza_ionogramma = {
    "Text23", "Text35", "Text36", "Text38", "lettera_descrittiva_fof2", "Text37", "Text44",
    "lettera_descrittiva_m3000f2", "lettera_descrittiva_muf3000f2"};

// Emptied when there is no ionogram: the sixteen value boxes, the fifteen
// qualifying boxes and the descriptive boxes that get no "C".
constexpr std::array<std::string_view, 37> svuotate_senza_ionogramma = {
    "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10",
    "Text11", "Text12", "Text13", "Text14", "Text15", "Text16",
    "Text17", "Text18", "Text19", "Text20", "Text21", "Text22", "Text24",
    "lettera_qualificativa_fof1", "lettera_qualificativa_muf3000f1",
    "lettera_qualificativa_m3000f1", "Text28", "lettera_qualificativa_fof2", "Text30",
    "lettera_qualificativa_muf3000f2", "lettera_qualificativa_m3000f2",
    "Text33", "Text34", "lettera_descrittiva_fof1", "lettera_descrittiva_m3000f1",
    "lettera_descrittiva_muf3000f1", "Text42"};

class scatole {
public:
    explicit scatole(caselle_testo& c) : m_c(c) {}
    bool vuota(std::string_view n) const { return m_c.testo(n).empty(); }
    bool presente(std::string_view n) const { return !vuota(n); }
    bool tutte_presenti(nomi elenco) const {
        for (auto n : elenco)
            if (vuota(n)) return false;
        return true;
    }
    bool tutte_vuote(nomi elenco) const {
        for (auto n : elenco)
            if (presente(n)) return false;
        return true;
    }
    std::string testo(std::string_view n) const { return m_c.testo(n); }
    void metti(std::string_view n, std::string_view t) { m_c.imposta_testo(n, t); }
    template <typename Elenco> void metti_tutte(const Elenco& elenco, std::string_view t) {
        for (auto n : elenco) m_c.imposta_testo(n, t);
    }

private:
    caselle_testo& m_c;
};

bool mancanza_es_di_giorno(scatole& s) {
    if (s.vuota("Text3") || s.presente("Text4") || s.presente("Text7")) return false;
    s.metti("Text4", foe_in_decimi(s.testo("Text3")));
    s.metti("Text20", "E");
    s.metti("Text35", "G");
    s.metti("Text6", foe_in_decimi(s.testo("Text3")));
    s.metti("Text22", "E");
    s.metti("Text37", "G");
    s.metti("Text36", "G");
    return true;
}

bool mancanza_es_di_notte(scatole& s) {
    if (s.vuota("Text1") || !s.tutte_vuote({"Text2", "Text3", "Text4", "Text5", "Text7"}))
        return false;
    // fmin's descriptive letter decides the letter the Es boxes take and
    // whether the qualifying letters are set.
    const std::string d = s.testo("Text23");
    std::string_view lettera;
    if (d.empty() || d == "S")
        lettera = "S";
    else if (d == "B" || d == "E")
        lettera = d == "B" ? "B" : "E";
    else
        return false;
    const bool qualificative = lettera != "E";
    const std::string fmin = s.testo("Text1");
    if (qualificative) s.metti("Text17", "E");
    if (lettera == "S") s.metti("Text23", "S");
    s.metti("Text4", fmin);
    if (qualificative) s.metti("Text20", "E");
    s.metti("Text35", lettera);
    s.metti("Text6", fmin);
    if (qualificative) s.metti("Text22", "E");
    s.metti("Text37", lettera);
    s.metti("Text36", lettera);
    return true;
}

bool occultamento(scatole& s, std::string_view codice) {
    const bool di_giorno = codice[0] == '3';
    const char variante = codice[1];
    if (!s.tutte_presenti({"Text4", "Text5", "Text7"})) return false;
    if (di_giorno) {
        if (s.vuota("Text3") && s.vuota("Text34")) return false;
        if (s.vuota("Text2") && s.vuota("Text33")) return false;
    } else if (!s.tutte_vuote({"Text3", "Text2"})) {
        return false;
    }
    if (variante == 'c' && s.vuota("Text6")) return false;
    if (variante == 'b') s.metti("Text6", s.testo("Text4"));
    if (variante != 'a') s.metti("Text22", "A");
    s.metti_tutte(occultate, "A");
    return true;
}

bool assorbimento_parziale(scatole& s) {
    if (s.vuota("Text1")) return false;
    const std::string fmin = s.testo("Text1");
    s.metti("Text33", "B");
    s.metti("Text34", "B");
    s.metti("Text4", fmin);
    s.metti("Text20", "E");
    s.metti("Text35", "B");
    s.metti("Text36", "B");
    s.metti("Text7", "");
    s.metti("Text6", fmin);
    s.metti("Text22", "E");
    s.metti("Text37", "B");
    return true;
}

void no_ionogramma(scatole& s) {
    s.metti_tutte(senza_ionogramma, "C");
    s.metti_tutte(svuotate_senza_ionogramma, "");
}

/// Applies the rule of a case; false when its conditions fail, and then no
/// box has been touched.
bool regola(std::string_view codice, scatole& s) {
    if (codice == "02") return mancanza_es_di_giorno(s);
    if (codice == "01") return mancanza_es_di_notte(s);
    if (codice == "05") return assorbimento_parziale(s);
    if (codice == "06") {
        no_ionogramma(s);
        return true;
    }
    if (codice.size() == 2 && (codice[0] == '3' || codice[0] == '4') && codice[1] >= 'a' &&
        codice[1] <= 'c')
        return occultamento(s, codice);
    return false;
}

/// The boxes a recorded case filled, which its deletion empties.
std::vector<std::string_view> caselle_del_caso(std::string_view codice) {
    std::vector<std::string_view> elenco;
    if (codice == "01") {
        elenco = {"Text17", "Text23", "Text4", "Text20", "Text35",
                  "Text6",  "Text22", "Text37", "Text36"};
    } else if (codice == "02") {
        elenco = {"Text4", "Text20", "Text35", "Text6", "Text22", "Text37", "Text36"};
    } else if (codice == "3a" || codice == "4a") {
        elenco.assign(occultate.begin(), occultate.end());
    } else if (codice == "3b" || codice == "3c" || codice == "4b" || codice == "4c") {
        elenco = {"Text6", "Text22"};
        elenco.insert(elenco.end(), occultate.begin(), occultate.end());
    } else if (codice == "05") {
        elenco = {"Text33", "Text34", "Text4", "Text20", "Text35",
                  "Text36", "Text6",  "Text22", "Text37"};
    } else if (codice == "06") {
        elenco.assign(senza_ionogramma.begin(), senza_ionogramma.end());
    }
    return elenco;
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

esito_caso_particolare applicazione_caso_particolare(std::string_view codice, caselle_testo& caselle,
                                                     std::string& codice_caso_particolare,
                                                     messaggi& messaggi) {
    const caso_particolare* caso = trova_caso_particolare(codice);
    scatole s(caselle);
    if (caso == nullptr || codice == nessun_caso_particolare || !regola(codice, s)) {
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
    for (std::string_view nome : caselle_del_caso(codice_caso_particolare))
        caselle.imposta_testo(nome, "");
    codice_caso_particolare = std::string(nessun_caso_particolare);
    esito_caso_particolare esito;
    esito.applicato = true;
    esito.didascalia = std::string();
    return esito;
}

esito_caso_particolare mancanza_es_clic_destro(caselle_testo& caselle,
                                               std::string& codice_caso_particolare,
                                               messaggi& messaggi) {
    const bool foe = !caselle.testo("Text3").empty() || !caselle.testo("Text34").empty();
    return applicazione_caso_particolare(foe ? "02" : "01", caselle, codice_caso_particolare,
                                         messaggi);
}

} // namespace velaris
