#pragma once
// The moves of the main window to the previous and the next sounding of the
// day (the labels "Previous Ionogram (F4)" and "Next Ionogram (F3)" and their
// keys) and to a sounding picked in the day overview: sessione_principale's
// sposta() and vai_a(), in spostamento.cpp.
//
// Order of the effects: the focus-leave work of the box with the focus,
// checks, day/night marker (Next), the record of the sounding being left, the
// time step, its particular-case code, the loading of the new sounding with
// the boxes of its record and the previous one, "setting.txt", then foF2
// current with the focus in its descriptive box. What happens when a step
// fails is in docs/day.md.

#include "session/parametri_sessione.h"

#include <string_view>

namespace velaris {

inline constexpr std::string_view testo_primo_principale =
    "This is the first ionogram you can scale";
inline constexpr std::string_view testo_ultimo_principale =
    "This is the last ionogram you can scale";

/// "setting.txt" in the working folder for the session's current sounding:
/// date, hour, minutes, interval, number. Written atomically; throws
/// std::runtime_error naming the file and the reason.
void scrittura_impostazioni_correnti(const parametri_sessione& sessione);

} // namespace velaris
