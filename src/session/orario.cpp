#include "orario.h"

#include "base/numeri.h"
#include "session/nomi_file.h"

namespace velaris {

int minuti_intervallo(std::string_view incremento) {
    // Only the five intervals name a results file; the same list decides here.
    return numero_record(incremento) > 0 ? intero16_da_testo(incremento) : 0;
}

passo passo_orario(orario da, verso v, std::string_view incremento) {
    const int i = minuti_intervallo(incremento);
    if (i == 0) return {esito_passo::fermo, da};
    int h = da.ora;
    int m = da.minuti;
    if (v == verso::successivo) {
        m += i;
        if (m >= 60) {
            if (h >= 23) return {esito_passo::ultimo, da};
            ++h;
            m = 0;
        }
    } else {
        m -= i;
        if (m < 0) {
            if (h <= 0) return {esito_passo::primo, da};
            --h;
            m = 60 - i;
        }
    }
    return {esito_passo::fatto, {static_cast<std::int16_t>(h), static_cast<std::int16_t>(m)}};
}

} // namespace velaris
