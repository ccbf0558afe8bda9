#pragma once
// The companion window's time. It starts one interval after the main
// window's sounding and then steps on its own through the day; the main
// window's moves do not follow it, nor it them.

#include "base/porte.h"
#include "session/parametri_sessione.h"

#include <string_view>

namespace velaris {

inline constexpr std::string_view testo_primo_compagna = "This is the first ionogram you can view";
inline constexpr std::string_view testo_ultimo_compagna = "This is the last ionogram you can view";

enum class operazione_compagna {
    mostra,     ///< show_next_ionogram: one interval after the main window's time
    successivo, ///< next_new_form
    precedente, ///< previous_new_form
};

/// Sets ora_successivo and minuti_successivo for the operation. At an end of
/// the day it shows the operation's FIRST/LAST IONOGRAM message and returns
/// false: the companion keeps its time (and its picture), and show_next
/// opens nothing. With an interval none of the five the time does not step
/// and the companion loads its sounding again (show_next: the main window's).
bool orario_compagna(operazione_compagna operazione, parametri_sessione& sessione,
                     messaggi& messaggi);

} // namespace velaris
