#pragma once
// The stations known to the program: the code a sounder writes into its file
// header, and the name shown to the operator.

#include <string>
#include <string_view>

namespace velaris {

/// Display name for a five-character station code (exact, case-sensitive);
/// "XXXXXXXX" for a code not in the table.
std::string nome_stazione(std::string_view codice);

/// The station this installation serves, and the prefix of its file names.
inline constexpr std::string_view stazione_sistema = "Ostrand";
inline constexpr std::string_view prefisso_file = "QX106_";
/// Name given to files with the short header, which carry no station code.
inline constexpr std::string_view stazione_intestazione_corta = "Coravento";

} // namespace velaris
