#pragma once
// What the main window says of a proposal in its status line.

#include "proposals/proposte.h"

#include <string>

namespace velaris {

/// "proposed: ", the characteristic's caption and the value a click at the
/// proposal's point writes into its box, in MHz with the box's decimals or in
/// km: "proposed: foF2 7.4 MHz", "proposed: foE 3.28 MHz", "proposed: h'F
/// 215 km". A rule that changes the box after the click (fmin at the first
/// sounding frequency, the fxI rule) is not foreseen here.
std::string testo_proposta(const proposta& p);

} // namespace velaris
