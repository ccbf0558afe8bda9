#include "csv.h"

namespace velaris {

std::vector<std::string> intestazione_csv() {
    std::vector<std::string> campi{"date", "time"};
    for (const auto chiave : chiavi_numeriche) {
        campi.emplace_back(chiave);
        campi.push_back(std::string(chiave) + "_q");
        campi.push_back(std::string(chiave) + "_d");
    }
    campi.emplace_back("es_types");
    return campi;
}

std::vector<std::string> campi_csv(const giornata& g, const sondaggio& s) {
    std::vector<std::string> campi{data_iso(g.data)};
    campi.push_back(testo_orario(s.minuti));
    for (std::size_t i = 0; i < chiavi_numeriche.size(); ++i) {
        const valore_letto& v = s.valori[i];
        campi.push_back(v.valore ? testo_fisico(*v.valore, *unita_di(chiavi_numeriche[i]))
                                 : std::string());
        campi.push_back(v.qualificativa);
        campi.push_back(v.descrittiva);
    }
    campi.push_back(s.tipi_es);
    return campi;
}

std::string campo_csv(std::string_view campo) {
    std::string utf8;
    bool tra_virgolette = false;
    for (const char c : campo) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            utf8.push_back(static_cast<char>(0xc0 | (byte >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (byte & 0x3f)));
            continue;
        }
        if (c == ',' || c == '"' || c == '\r' || c == '\n') tra_virgolette = true;
        if (c == '"') utf8.push_back('"');
        utf8.push_back(c);
    }
    return tra_virgolette ? "\"" + utf8 + "\"" : utf8;
}

namespace {

void aggiungi_riga(std::string& tabella, const std::vector<std::string>& campi) {
    for (std::size_t n = 0; n < campi.size(); ++n) {
        if (n > 0) tabella += ',';
        tabella += campo_csv(campi[n]);
    }
    tabella += "\r\n";
}

} // namespace

std::string tabella_csv(const std::vector<const giornata*>& giorni) {
    std::string tabella;
    aggiungi_riga(tabella, intestazione_csv());
    for (const giornata* g : giorni)
        for (const auto& s : g->sondaggi) aggiungi_riga(tabella, campi_csv(*g, s));
    return tabella;
}

} // namespace velaris
