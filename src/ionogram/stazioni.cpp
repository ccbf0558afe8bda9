#include "stazioni.h"

#include <array>
#include <utility>

namespace velaris {

std::string nome_stazione(std::string_view codice) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> tabella{{
        {"QX102", "Coravento"},
        {"QX101", "Ardel"},
        {"QX103", "Punta Selvane"},
        {"QX104", "Brevalo"},
        {"QX105", "Kesh Amar"},
        {"QX106", "Ostrand"},
    }};
    for (const auto& [chiave, nome] : tabella)
        if (codice == chiave) return std::string(nome);
    return "XXXXXXXX";
}

} // namespace velaris
