#pragma once
// A first guess of the main characteristics of one ionogram, read from its
// echoes: for each one it can see, the point of the plot where the operator
// would click to scale it. Accepting a proposal is exactly a click there, so
// the click path rounds it, checks it and writes it as it does any click.
//
// A characteristic it cannot make out gets no proposal: a wrong one costs
// the operator more than none. The method and its limits are described in
// docs/proposals.md.

#include "ionogram/dati_ionogramma.h"
#include "plot/punto_grafico.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace velaris {

/// The characteristics that get proposals, by their keys in the
/// characteristic table, in table order.
inline constexpr std::array<std::string_view, 8> chiavi_proposte = {"fmin", "hE", "foE",  "foEs",
                                                                    "hEs",  "hF", "foF1", "foF2"};

struct proposta {
    std::string_view chiave; ///< one of chiavi_proposte
    punto_grafico punto;     ///< plot coordinates, always on the plot
};

/// Every proposal for the ionogram, in the order of chiavi_proposte. The
/// amplitudes may be as read or normalised; an empty or malformed matrix
/// gives none.
std::vector<proposta> proposte(const dati_ionogramma& dati);

/// The proposal for one characteristic; none for a key without proposals.
std::optional<proposta> proponi(const dati_ionogramma& dati, std::string_view chiave);

} // namespace velaris
