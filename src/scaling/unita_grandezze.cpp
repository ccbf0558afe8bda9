#include "unita_grandezze.h"

#include <array>
#include <utility>

namespace velaris {

namespace {

constexpr std::array<std::pair<std::string_view, unita_valore>, 15> unita_per_chiave = {{
    {"fmin", unita_valore::decimi_mhz},
    {"hE", unita_valore::chilometri},
    {"foE", unita_valore::centesimi_mhz},
    {"foEs", unita_valore::decimi_mhz},
    {"hEs", unita_valore::chilometri},
    {"fbEs", unita_valore::decimi_mhz},
    {"hF", unita_valore::chilometri},
    {"foF1", unita_valore::centesimi_mhz},
    {"MUF3000F1", unita_valore::decimi_mhz},
    {"M3000F1", unita_valore::centesimi_fattore},
    {"hF2", unita_valore::chilometri},
    {"foF2", unita_valore::decimi_mhz},
    {"fxI", unita_valore::decimi_mhz},
    {"MUF3000F2", unita_valore::decimi_mhz},
    {"M3000F2", unita_valore::centesimi_fattore},
}};

} // namespace

std::optional<unita_valore> unita_di(std::string_view chiave) {
    for (const auto& [k, u] : unita_per_chiave)
        if (k == chiave) return u;
    return std::nullopt;
}

int divisore_unita(unita_valore unita) {
    switch (unita) {
    case unita_valore::decimi_mhz:
        return 10;
    case unita_valore::centesimi_mhz:
    case unita_valore::centesimi_fattore:
        return 100;
    case unita_valore::chilometri:
        return 1;
    }
    return 1;
}

std::string_view simbolo_unita(unita_valore unita) {
    switch (unita) {
    case unita_valore::decimi_mhz:
    case unita_valore::centesimi_mhz:
        return "MHz";
    case unita_valore::chilometri:
        return "km";
    case unita_valore::centesimi_fattore:
        return "";
    }
    return "";
}

std::string_view nome_unita(unita_valore unita) {
    switch (unita) {
    case unita_valore::decimi_mhz:
        return "0.1 MHz";
    case unita_valore::centesimi_mhz:
        return "0.01 MHz";
    case unita_valore::chilometri:
        return "km";
    case unita_valore::centesimi_fattore:
        return "M x 100";
    }
    return "";
}

} // namespace velaris
