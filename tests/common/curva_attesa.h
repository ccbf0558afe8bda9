#pragma once
// The transmission curve's vertices computed straight from its definition,
// for checking the scaling and drawing code against: f(h) = M cos i / 1.114,
// i = atan(sin 0.235 / (1 + h / 6371 - cos 0.235)), constants and heights as
// 32-bit floats; column Int((f - 0.925) / 0.025), row Int((h - 86.625) / 1.125).

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace velaris::prova {

inline std::vector<std::pair<int, int>> vertici_curva_attesi(float muf) {
    const float teta = 0.235f, raggio = 6371.0f, correzione = 1.114f;
    const auto colonna = [&](float h) {
        const double i = std::atan(std::sin(double(teta)) /
                                   (1.0 + double(h) / double(raggio) - std::cos(double(teta))));
        return static_cast<int>(std::floor((muf * std::cos(i) / correzione - 0.925) / 0.025));
    };
    const auto riga = [](float h) { return static_cast<int>(std::floor((h - 86.625) / 1.125)); };
    int n = 0;
    while (n <= 264 && colonna(99.0f + 1.125f * n) <= 1) ++n; // 99 + 264 * 1.125 = 396
    const float inizio = 99.0f + 1.125f * n;
    std::vector<std::pair<int, int>> vertici{{colonna(std::min(inizio, 396.0f)), riga(inizio)}};
    for (float h = inizio; h <= 756.0f; h += 1.125f)
        if (colonna(h) < 760) vertici.emplace_back(colonna(h), riga(h));
    return vertici;
}

} // namespace velaris::prova
