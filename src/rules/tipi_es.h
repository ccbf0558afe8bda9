#pragma once
// Es types: the text of the Es types box.

#include <string_view>

namespace velaris {

/// A leaving move or the closing may save the Es types only when they are
/// absent or one or two codes of two characters: 0, 2 or 4 characters.
constexpr bool formato_tipi_es_corretto(std::string_view tipi) {
    return tipi.size() == 0 || tipi.size() == 2 || tipi.size() == 4;
}

} // namespace velaris
