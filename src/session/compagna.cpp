#include "compagna.h"

#include "session/orario.h"
#include "session/spostamento.h"

namespace velaris {

bool orario_compagna(operazione_compagna operazione, parametri_sessione& s, messaggi& messaggi) {
    const bool mostra = operazione == operazione_compagna::mostra;
    const orario da = mostra ? orario{s.ora_corrente, s.minuti_correnti}
                             : orario{s.ora_successivo, s.minuti_successivo};
    const verso v =
        operazione == operazione_compagna::precedente ? verso::precedente : verso::successivo;
    const passo p = passo_orario(da, v, s.incremento_minuti);
    switch (p.esito) {
    case esito_passo::primo:
        messaggi.avviso(titolo_primo, testo_primo_compagna);
        return false;
    case esito_passo::ultimo:
        // Opening on the main window's last sounding: that one is being scaled.
        messaggi.avviso(titolo_ultimo, mostra ? testo_ultimo_principale : testo_ultimo_compagna);
        return false;
    case esito_passo::fatto:
    case esito_passo::fermo:
        break;
    }
    s.ora_successivo = p.nuovo.ora;
    s.minuti_successivo = p.nuovo.minuti;
    return true;
}

} // namespace velaris
