#include "calendario.h"

#include <array>
#include <cmath>

namespace velaris {

namespace {

struct mese {
    std::string_view nome;
    int ultimo_giorno_comune;
};

constexpr std::array<mese, 12> mesi{{
    {"January", 31},
    {"February", 59},
    {"March", 90},
    {"April", 120},
    {"May", 151},
    {"June", 181},
    {"July", 212},
    {"August", 243},
    {"September", 273},
    {"October", 304},
    {"November", 334},
    {"December", 365},
}};

bool mese_valido(int mese) { return mese >= 1 && mese <= 12; }

} // namespace

bool anno_bisestile(double anno) { return std::fmod(anno, 4.0) == 0.0; }

int ultimo_giorno_del_mese(int mese, bool bisestile) {
    if (!mese_valido(mese)) return 0;
    // February 29 pushes every later month one day on.
    return mesi[static_cast<std::size_t>(mese - 1)].ultimo_giorno_comune +
           (bisestile && mese >= 2 ? 1 : 0);
}

int giorni_del_mese(int anno, int mese) {
    if (!mese_valido(mese)) return 0;
    const bool bisestile = anno_bisestile(anno);
    return ultimo_giorno_del_mese(mese, bisestile) - ultimo_giorno_del_mese(mese - 1, bisestile);
}

std::string_view nome_mese(int mese) {
    return mese_valido(mese) ? mesi[static_cast<std::size_t>(mese - 1)].nome : std::string_view{};
}

} // namespace velaris
