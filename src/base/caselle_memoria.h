#pragma once
// The boxes and the operator without a window: for the command-line tools
// and the benchmarks that run the scaling logic on their own. The boxes keep
// their texts in memory; the operator reads nothing and answers every
// question Yes, as one who chose to accept what the logic does.

#include "base/porte.h"

#include <map>
#include <string>
#include <string_view>

namespace velaris {

class caselle_memoria : public caselle_testo {
public:
    std::string testo(std::string_view nome) const override {
        const auto t = m_testi.find(nome);
        return t == m_testi.end() ? std::string() : t->second;
    }
    void imposta_testo(std::string_view nome, std::string_view testo) override {
        m_testi.insert_or_assign(std::string(nome), std::string(testo));
    }

private:
    std::map<std::string, std::string, std::less<>> m_testi;
};

class messaggi_consenzienti : public messaggi {
public:
    void avviso(std::string_view, std::string_view, icona_messaggio) override {}
    bool domanda(std::string_view, std::string_view) override { return true; }
    void segnale_acustico() override {}
};

} // namespace velaris
