#pragma once
// The main window's session object over the in-memory ports, in a temporary
// working folder: the bench the session-level suites build on.

#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "common/vista_finta.h"
#include "session/sessione_principale.h"
#include "session/stato_programma.h"

namespace velaris::prova {

struct banco_sessione {
    cartella_temporanea cartella;
    stato_programma stato;
    vista_finta vista;
    caselle_finte caselle;
    messaggi_finti messaggi;
    sessione_principale sessione{stato, caselle, messaggi, vista};
};

} // namespace velaris::prova
