#pragma once
// The echoes of one ionogram as traces: what stands above the noise of its
// frequency and of its height, grouped into runs of heights per frequency,
// with the leading edge of each run and whether it is a multiple hop.

#include "ionogram/dati_ionogramma.h"

#include <vector>

namespace velaris::proposte_detail {

/// One run of echo in one frequency record: contiguous heights above the
/// noise. Heights in km, frequencies in MHz.
struct eco {
    int colonna = 0; ///< record index, 0-based
    int basso = 0;   ///< lowest and highest height cell, 0-based
    int alto = 0;
    double bordo = 0;         ///< leading edge: where the echo first reaches half its peak
    int picco = 0;            ///< strongest amplitude in the run
    bool multiplo = false;    ///< 2 or 3 times the height of a stronger echo below it
    int precedente = -1;      ///< index of the echo it continues in an earlier record, or -1
    double minimo_catena = 0; ///< lowest leading edge along the chain of `precedente`
    int radice = -1;          ///< index of the first echo of that chain
};

struct tracce {
    double frequenza_iniziale = 0;
    double passo = 0;
    int colonne = 0;
    std::vector<eco> echi;   ///< by record, then by height
    std::vector<int> inizio; ///< echi of record c: [inizio[c], inizio[c + 1])

    std::vector<int> echi_radice; ///< by echo index: how many echoes share its chain's root

    double frequenza(int colonna) const { return frequenza_iniziale + colonna * passo; }
    int lunghezza_catena(const eco& e) const {
        return e.radice < 0 ? 1 : echi_radice[static_cast<std::size_t>(e.radice)];
    }
};

/// The traces of an ionogram, either as read or after normalisation.
tracce trova_tracce(const dati_ionogramma& dati);

} // namespace velaris::proposte_detail
