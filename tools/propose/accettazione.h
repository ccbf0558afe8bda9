#pragma once
// The proposals of an ionogram accepted one after another, down the table, in
// an empty set of boxes, as the operator would with one key each: every
// acceptance is the scaling library's click at the proposal's point.

#include "ionogram/dati_ionogramma.h"

#include <array>
#include <string>

namespace velaris {

/// The values the boxes show after accepting every proposal, as physical
/// quantities in the order of chiavi_proposte: MHz with one decimal for
/// tenths and two for hundredths, whole km; empty where there was no
/// proposal or the click path refused it. A question of the click path
/// (an implausible height, an order check) is answered Yes, as accepting is
/// the operator's own choice.
std::array<std::string, 8> valori_accettati(const dati_ionogramma& dati);

} // namespace velaris
