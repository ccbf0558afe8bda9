// MUF(3000)F1/F2 and M(3000): the limits after a click on fo, the start of
// the transmission curve when a MUF is selected, and the key moves.

#include "base/numeri.h"
#include "scaling/curva_trasmissione.h"
#include "scaling/scalatura.h"
#include "scaling/tabella_grandezze.h"

namespace velaris {

const strato_muf strato_f1 = {
    "MUF3000F1",
    caselle_muf3000f1.valore,
    caselle_fof1.valore,
    caselle_m3000f1.valore,
    10,
    "foF1 cannot be greater than MUF(3000)F1!!",
    "foF1 cannot be greater than MUF(3000)F1!!",
    "MUF(3000)F1 cannot be 10 times greater than foF1!!",
};

const strato_muf strato_f2 = {
    "MUF3000F2",
    caselle_muf3000f2.valore,
    caselle_fof2.valore,
    caselle_m3000f2.valore,
    1,
    "foF2 cannot be greater than MUF(3000)F2!!",
    "foF2 cannot be greater than MUF(3000)F2!!!",
    "MUF(3000)F2 cannot be 10 times greater than foF2!!",
};

const strato_muf* strato_muf_di(std::string_view chiave) {
    if (chiave == strato_f1.chiave) return &strato_f1;
    if (chiave == strato_f2.chiave) return &strato_f2;
    return nullptr;
}

namespace {

constexpr double muf_massima = 70.0;
constexpr double muf_minima = 3.0;
constexpr float muf_iniziale = 15.0f;

std::string intero_stampato(double valore) {
    return std::string(senza_spazi(numero_stampato(valore)));
}

/// muf_decimi from the printed estimate s: "9" -> 90, "27" -> 270, "9.5" -> 95,
/// "27.4" -> 274; any other shape (estimates of 100 MHz and more) leaves it.
void decimi_da_stima(std::string_view s, std::int16_t& muf_decimi) {
    switch (s.size()) {
    case 1:
    case 2:
        muf_decimi = intero16_da_testo(std::string(s) + "0");
        break;
    case 3:
        muf_decimi = intero16_da_testo(std::string{s[0], s[2]});
        break;
    case 4:
        muf_decimi = intero16_da_testo(std::string{s[0], s[1], s[3]});
        break;
    default:
        break;
    }
}

} // namespace

void scalatura::scrivi_m3000(const strato_muf& strato, double fo) {
    // 100 MUF / fo in fo's unit, to the nearest whole number, ties to even.
    m_caselle.imposta_testo(strato.casella_m,
                            intero_stampato(a_intero32(m_variabili.muf_passo / fo)));
}

void scalatura::limiti_muf_dopo_clic(const strato_muf& strato) {
    if (m_caselle.testo(strato.casella_muf).empty()) return;
    const double muf = valore_numerico(m_caselle.testo(strato.casella_muf));
    const double fo = valore_numerico(m_caselle.testo(strato.casella_fo));
    const double k_muf = strato.k * muf;
    const bool troppo_alta = k_muf >= fo && k_muf / fo > 10;
    if (troppo_alta || k_muf < fo) {
        m_messaggi.avviso("Be careful!",
                          troppo_alta ? strato.muf_dieci_volte_fo : strato.fo_oltre_muf);
        m_caselle.imposta_testo(strato.casella_fo, "");
        m_caselle.imposta_testo(strato.casella_m, "");
        return;
    }
    m_variabili.muf_passo = a_intero32(100.0 * muf);
    m_variabili.muf_passo = a_intero32(static_cast<double>(m_variabili.muf_passo) * strato.k);
    scrivi_m3000(strato, fo);
}

void scalatura::alza_muf(const strato_muf& strato, double fo) {
    // Up in steps of 0.1 MHz until the MUF is above fo, at most to 70.0 MHz.
    auto& v = m_variabili;
    const std::int32_t passo = 100 * strato.k;
    v.muf_passo = a_intero32(static_cast<double>(v.muf_passo) + passo);
    while (v.muf_passo <= 70000 * strato.k) {
        v.muf_mhz = passo_singolo(v.muf_mhz, 0.1);
        v.muf_decimi = a_intero16(v.muf_decimi + 1);
        if (100 * fo < v.muf_passo) break;
        v.muf_passo += passo;
    }
}

void scalatura::abbassa_muf(const strato_muf& strato, double fo) {
    // Down in steps of 0.1 MHz until the MUF is below ten times fo, at least to
    // 3.0 MHz.
    auto& v = m_variabili;
    const std::int32_t passo = 100 * strato.k;
    v.muf_passo = a_intero32(static_cast<double>(v.muf_passo) - passo);
    while (v.muf_passo >= 3000 * strato.k) {
        v.muf_mhz = passo_singolo(v.muf_mhz, -0.1);
        v.muf_decimi = a_intero16(v.muf_decimi - 1);
        if (1000 * fo > v.muf_passo) break;
        v.muf_passo -= passo;
    }
}

void scalatura::selezione_muf(const strato_muf& strato, bool ionogramma_presente) {
    if (!ionogramma_presente) return;
    m_vista.ridisegna_ionogramma(true);

    auto& v = m_variabili;
    const std::string muf = m_caselle.testo(strato.casella_muf);
    const bool fo_presente = !m_caselle.testo(strato.casella_fo).empty();
    const double fo = valore_numerico(m_caselle.testo(strato.casella_fo));
    const bool f1 = strato.chiave == strato_f1.chiave;
    const float f_click = f1 ? v.frequenza_click_fof1 : v.frequenza_click_fof2;
    const float h_click = f1 ? v.altezza_click_fof1 : v.altezza_click_fof2;

    if (!muf.empty()) {
        // "75" is 7.5 MHz, "275" 27.5 MHz.
        const std::string mhz = muf.size() == 2 ? std::string{muf[0], '.', muf[1]}
                                                : std::string(caratteri(muf, 1, 2)) + "." +
                                                      std::string(caratteri(muf, 3, 1));
        v.muf_mhz = static_cast<float>(valore_numerico(mhz));
        v.muf_decimi = intero16_da_testo(muf);
    } else if (fo_presente && f_click != 0.0f && h_click != 0.0f) {
        // The secant-law estimate from fo's last click, to 0.1 MHz, ties to even.
        v.muf_mhz =
            static_cast<float>(arrotonda_pari(stima_secante(f_click, h_click) * 10.0) / 10.0);
        decimi_da_stima(senza_spazi(numero_stampato_singolo(v.muf_mhz)), v.muf_decimi);
    } else {
        v.muf_mhz = muf_iniziale;
        v.muf_decimi = 150;
        if (fo_presente) {
            // Between fo and ten times fo, wherever the limits allow.
            v.muf_passo = 15000 * strato.k;
            if (100 * fo >= v.muf_passo)
                alza_muf(strato, fo);
            else if (1000 * fo <= v.muf_passo)
                abbassa_muf(strato, fo);
        }
    }
    // The first curve shown lies 0.1 MHz above the start.
    if (fo_presente) spostamento_muf(strato, +1);
}

void scalatura::spostamento_muf(const strato_muf& strato, int passo_decimi) {
    auto& v = m_variabili;
    const bool in_su = passo_decimi > 0;
    v.muf_mhz = passo_singolo(v.muf_mhz, passo_decimi / 10.0);
    v.muf_decimi = a_intero16(v.muf_decimi + passo_decimi);
    if (in_su && v.muf_mhz > muf_massima) {
        v.muf_mhz = static_cast<float>(muf_massima);
        v.muf_decimi = 700;
        m_messaggi.segnale_acustico();
    } else if (!in_su && v.muf_mhz < muf_minima) {
        v.muf_mhz = static_cast<float>(muf_minima);
        v.muf_decimi = 30;
        m_messaggi.segnale_acustico();
    }

    const std::string fo_testo = m_caselle.testo(strato.casella_fo);
    if (!fo_testo.empty()) {
        const double fo = valore_numerico(fo_testo);
        const bool muf_scritta = !m_caselle.testo(strato.casella_muf).empty();
        v.muf_passo = a_intero32(100.0 * strato.k * v.muf_decimi);
        // The messages never refuse the move: the searches correct the MUF.
        if (!in_su && 100 * fo >= v.muf_passo) {
            if (muf_scritta) m_messaggi.avviso("Be careful!", strato.fo_oltre_muf_tasto);
            alza_muf(strato, fo);
        } else if (in_su && 1000 * fo <= v.muf_passo) {
            if (muf_scritta) m_messaggi.avviso("Be careful!!", strato.muf_dieci_volte_fo);
            abbassa_muf(strato, fo);
        }
        scrivi_m3000(strato, fo);
    }
    m_caselle.imposta_testo(strato.casella_muf, intero_stampato(v.muf_decimi));
    m_vista.ridisegna_ionogramma(false);
    m_vista.disegna_curva_trasmissione(punti_curva_trasmissione(v.muf_mhz));
}

} // namespace velaris
