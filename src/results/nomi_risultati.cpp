#include "nomi_risultati.h"

#include "base/numeri.h"
#include "ionogram/stazioni.h"

#include <array>

namespace velaris {

namespace {

constexpr std::array<intervallo_sondaggi, 5> intervalli{{
    {"05", 5, 288},
    {"10", 10, 144},
    {"15", 15, 96},
    {"30", 30, 48},
    {"60", 60, 24},
}};

} // namespace

const intervallo_sondaggi* intervallo_di(std::string_view testo) {
    for (const auto& i : intervalli)
        if (i.testo == testo) return &i;
    return nullptr;
}

std::optional<std::string> nome_file_risultati(std::string_view data, std::string_view incremento) {
    if (!intervallo_di(incremento)) return std::nullopt;
    std::string nome(prefisso_file);
    nome += caratteri(data, 1, 2);
    nome += caratteri(data, 4, 2);
    nome += caratteri(data, 7, 4);
    nome += "_";
    nome += incremento;
    nome += ".txt";
    return nome;
}

int numero_record(std::string_view incremento) {
    const intervallo_sondaggi* i = intervallo_di(incremento);
    return i ? i->record : 0;
}

} // namespace velaris
