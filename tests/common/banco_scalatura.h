#pragma once
// The scaling logic of one window over the in-memory boxes, message boxes and
// plot, with the boxes written first: the bench of the click and MUF tables.

#include "common/fakes.h"
#include "common/vista_finta.h"
#include "scaling/scalatura.h"

#include <string>
#include <utility>
#include <vector>

namespace velaris::prova {

/// Boxes by name and their texts.
using testi = std::vector<std::pair<const char*, const char*>>;

struct banco_scalatura {
    caselle_finte caselle;
    messaggi_finti messaggi;
    vista_finta vista;
    scalatura s;

    explicit banco_scalatura(const testi& prima = {}, const char* stazione = "Ostrand")
        : s{caselle, messaggi, vista, stazione} {
        for (const auto& [nome, testo] : prima) caselle.imposta_testo(nome, testo);
    }
    std::string operator[](std::string_view nome) const { return caselle.testo(nome); }
};

} // namespace velaris::prova
