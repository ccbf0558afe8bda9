#include "scaling/scalatura.h"

#include "base/numeri.h"
#include "plot/coordinate_grafico.h"
#include "scaling/tabella_grandezze.h"
#include "scaling/testo_click.h"

#include <array>

namespace velaris {

namespace {

constexpr std::string_view continuare = "\r\nDo you want to continue?";

/// The heights, their boxes and the clicks that are questioned as implausible.
struct regola_altezza {
    std::string_view chiave;
    std::string_view casella;
    bool (*dubbia)(float y);
};

constexpr std::array<regola_altezza, 4> regole_altezza = {{
    {"hE", caselle_he.valore, [](float y) { return y >= 58.0f; }},   // 150.75 km and above
    {"hEs", caselle_hes.valore, [](float y) { return y >= 98.0f; }}, // 195.75 km and above
    {"hF", caselle_hf.valore,
     [](float y) { return !(y >= 84.0f && y <= 280.0f); }}, // 180 .. 400.5 km
    {"hF2", caselle_hf2.valore,
     [](float y) { return !(y >= 102.0f && y <= 458.0f); }}, // 200.25 .. 600.75
}};

struct casella_frequenza {
    std::string_view chiave;
    std::string_view casella;
};

constexpr std::array<casella_frequenza, 7> caselle_frequenza = {{
    {"foE", caselle_foe.valore},
    {"foF1", caselle_fof1.valore},
    {"fmin", caselle_fmin.valore},
    {"foEs", caselle_foes.valore},
    {"fbEs", caselle_fbes.valore},
    {"foF2", caselle_fof2.valore},
    {"fxI", caselle_fxi.valore},
}};

template <typename Tabella> auto trova(const Tabella& tabella, std::string_view chiave) {
    for (const auto& voce : tabella)
        if (voce.chiave == chiave) return &voce;
    return static_cast<decltype(&tabella[0])>(nullptr);
}

const std::string_view messaggio_he_hes = "(h'E-10) cannot be greater than h'Es";
const std::string_view messaggio_hes_hf = "h'Es cannot be greater than h'F";
const std::string_view messaggio_hf_hf2 = "h'F cannot be greater than h'F2";

} // namespace

int scarto_stazione(std::string_view stazione) {
    if (stazione == "PSV") return 9;
    if (stazione == "Kesh Amar") return 6;
    if (stazione == "Ostrand") return 5;
    return 6;
}

scalatura::scalatura(caselle_testo& caselle, messaggi& messaggi, vista_scalatura& vista,
                     std::string_view stazione)
    : m_caselle(caselle), m_messaggi(messaggi), m_vista(vista),
      m_scarto(scarto_stazione(stazione)) {}

bool scalatura::conferma(std::string_view titolo, std::string_view testo) {
    return m_messaggi.domanda(titolo, std::string(testo) + std::string(continuare));
}

void scalatura::clic(float x, float y, std::string_view grandezza, bool ionogramma_presente,
                     float frequenza_iniziale) {
    if (!coordinate_grafico::sul_grafico(x, y) || !ionogramma_presente) return;
    if (trova(regole_altezza, grandezza) != nullptr)
        clic_altezza(grandezza, y);
    else if (grandezza == "foE" || grandezza == "foF1")
        clic_centesimi(grandezza, x, y);
    else if (trova(caselle_frequenza, grandezza) != nullptr)
        clic_decimi(grandezza, x, y, frequenza_iniziale);
}

void scalatura::clic_altezza(std::string_view grandezza, float y) {
    const regola_altezza& regola = *trova(regole_altezza, grandezza);
    if (regola.dubbia(y) &&
        !conferma("Be careful!!!", "Impossible value for this characteristic!!"))
        return;
    m_caselle.imposta_testo(regola.casella, valore_chilometri(testo_click_altezza(y)));

    // Each order check may keep the value (Yes) or take it back (No), and a
    // No ends the click.
    const auto numero = [this](std::string_view nome) {
        return valore_numerico(m_caselle.testo(nome));
    };
    const auto piena = [this](std::string_view nome) { return !m_caselle.testo(nome).empty(); };
    const auto verifica = [&](bool violata, std::string_view messaggio) {
        if (!violata || conferma("Be careful!", messaggio)) return true;
        m_caselle.imposta_testo(regola.casella, "");
        return false;
    };
    const auto he_sopra_hes = [&] {
        return numero(caselle_he.valore) - 10 > numero(caselle_hes.valore);
    };
    const auto hes_sopra_hf = [&] {
        return numero(caselle_hes.valore) > numero(caselle_hf.valore);
    };
    const auto hf_sopra_hf2 = [&] {
        return numero(caselle_hf.valore) > numero(caselle_hf2.valore);
    };
    if (grandezza == "hE") {
        verifica(piena(caselle_hes.valore) && he_sopra_hes(), messaggio_he_hes);
    } else if (grandezza == "hEs") {
        verifica(piena(caselle_he.valore) && he_sopra_hes(), messaggio_he_hes) &&
            verifica(piena(caselle_hf.valore) && hes_sopra_hf(), messaggio_hes_hf);
    } else if (grandezza == "hF") {
        verifica(piena(caselle_hes.valore) && hes_sopra_hf(), messaggio_hes_hf) &&
            verifica(piena(caselle_hf2.valore) && hf_sopra_hf2(), messaggio_hf_hf2);
    } else {
        verifica(piena(caselle_hf.valore) && hf_sopra_hf2(), messaggio_hf_hf2);
    }
}

void scalatura::clic_centesimi(std::string_view grandezza, float x, float y) {
    if (x >= coordinate_grafico::x_frequenza(10.0)) {
        m_messaggi.avviso("Be careful", "Impossible value for this characteristic!!");
        return;
    }
    const std::string testo = testo_click_frequenza(x);
    if (grandezza == "foF1") {
        m_variabili.frequenza_click_fof1 = static_cast<float>(coordinate_grafico::frequenza(x));
        m_variabili.altezza_click_fof1 = static_cast<float>(coordinate_grafico::altezza(y));
    }
    const std::string_view casella = trova(caselle_frequenza, grandezza)->casella;
    if (const auto valore = valore_centesimi(testo)) m_caselle.imposta_testo(casella, *valore);

    if (grandezza == "foE") {
        // fmin in tenths against foE in hundredths.
        if (!senza_spazi(m_caselle.testo(caselle_fmin.valore)).empty() &&
            valore_numerico(m_caselle.testo(caselle_fmin.valore)) * 10 >
                valore_numerico(m_caselle.testo(caselle_foe.valore)) &&
            !conferma("Be careful!", "fmin cannot be greater than foE"))
            m_caselle.imposta_testo(caselle_foe.valore, "");
        return;
    }
    limiti_muf_dopo_clic(strato_f1);
}

void scalatura::clic_decimi(std::string_view grandezza, float x, float y,
                            float frequenza_iniziale) {
    const std::string testo = testo_click_frequenza(x);
    if (grandezza == "foF2") {
        m_variabili.frequenza_click_fof2 = static_cast<float>(coordinate_grafico::frequenza(x));
        m_variabili.altezza_click_fof2 = static_cast<float>(coordinate_grafico::altezza(y));
    }
    const std::string_view casella = trova(caselle_frequenza, grandezza)->casella;
    if (const auto valore = valore_decimi(testo)) m_caselle.imposta_testo(casella, *valore);

    if (grandezza == "fxI" || grandezza == "foF2") {
        regola_fxi_fof2(grandezza);
        return;
    }
    if (grandezza == "fmin") {
        // An fmin at or below the first sounding frequency is that frequency,
        // marked as limited by the equipment. Both sides as 32-bit floats.
        const float primo = 10.0f * frequenza_iniziale;
        if (primo >= static_cast<float>(valore_numerico(m_caselle.testo(caselle_fmin.valore)))) {
            m_caselle.imposta_testo(caselle_fmin.valore,
                                    senza_spazi(numero_stampato_singolo(primo)));
            m_caselle.imposta_testo(caselle_fmin.qualificativa, "E");
            m_caselle.imposta_testo(caselle_fmin.descrittiva, "E");
        }
    }
    regole_finali(grandezza);
}

void scalatura::regola_fxi_fof2(std::string_view grandezza) {
    const bool fo_presente = !senza_spazi(m_caselle.testo(caselle_fof2.valore)).empty();
    const bool fx_presente = !senza_spazi(m_caselle.testo(caselle_fxi.valore)).empty();
    const double fo = valore_numerico(m_caselle.testo(caselle_fof2.valore));
    const double fx = valore_numerico(m_caselle.testo(caselle_fxi.valore));
    const bool vicine = fo - fx >= -2 && fo - fx <= 2;
    if (grandezza == "fxI") {
        if (fo_presente && fx - fo == m_scarto)
            m_caselle.imposta_testo(caselle_fxi.descrittiva, "X");
        if (fo_presente && vicine) {
            // Clicked on the ordinary trace: fxI follows from foF2.
            m_caselle.imposta_testo(caselle_fxi.valore,
                                    senza_spazi(numero_stampato(fo + m_scarto)));
            m_caselle.imposta_testo(caselle_fxi.qualificativa, "O");
            m_caselle.imposta_testo(caselle_fof2.qualificativa, "");
        }
        return;
    }
    if (fx_presente && vicine) {
        // Clicked on the extraordinary trace: foF2 follows from fxI.
        m_caselle.imposta_testo(caselle_fof2.valore, senza_spazi(numero_stampato(fx - m_scarto)));
        m_caselle.imposta_testo(caselle_fxi.descrittiva, "X");
        m_caselle.imposta_testo(caselle_fof2.qualificativa, "J");
    }
    // foF2 clicked on its own trace exactly D below fxI: the same letter as
    // an fxI clicked D above foF2, whichever of the two came first.
    if (!senza_spazi(m_caselle.testo(caselle_fof2.valore)).empty() &&
        fx - valore_numerico(m_caselle.testo(caselle_fof2.valore)) == m_scarto)
        m_caselle.imposta_testo(caselle_fxi.descrittiva, "X");
    limiti_muf_dopo_clic(strato_f2);
}

void scalatura::regole_finali(std::string_view grandezza) {
    const auto rifilata = [this](std::string_view nome) {
        return std::string(senza_spazi(m_caselle.testo(nome)));
    };
    if (grandezza == "fmin") {
        if (!rifilata(caselle_foe.valore).empty() &&
            valore_numerico(m_caselle.testo(caselle_fmin.valore)) * 10 >
                valore_numerico(m_caselle.testo(caselle_foe.valore)) &&
            !conferma("Be careful!", "fmin cannot be greater than foE"))
            m_caselle.imposta_testo(caselle_fmin.valore, "");
        return;
    }
    if (grandezza != "fbEs" && grandezza != "foEs") return;
    if (rifilata(grandezza == "fbEs" ? caselle_foes.valore : caselle_fbes.valore).empty()) return;
    const std::string fbes = rifilata(caselle_fbes.valore), foes = rifilata(caselle_foes.valore);
    if (fbes == foes) {
        m_caselle.imposta_testo(caselle_fbes.qualificativa, "A");
        m_caselle.imposta_testo(caselle_fbes.descrittiva, "A");
    }
    if (valore_numerico(fbes) > valore_numerico(foes)) {
        m_caselle.imposta_testo(caselle_fbes.qualificativa, "U");
        m_caselle.imposta_testo(caselle_fbes.descrittiva, "Y");
    }
}

} // namespace velaris
