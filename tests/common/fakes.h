#pragma once
// In-memory stand-ins for the two ports to the operator. They record what the
// logic showed and answer questions from a script, so a test can say exactly
// which boxes appeared and in what order.

#include "base/porte.h"
#include "scaling/tabella_grandezze.h"

#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velaris::prova {

/// One message box the logic asked for.
struct messaggio_mostrato {
    bool domanda = false; ///< a Yes/No box rather than an OK box
    std::string titolo, testo;
    icona_messaggio icona = icona_messaggio::nessuna;
};

/// Records every box; Yes/No boxes are answered from `risposte` in order
/// (true = Yes). A question with no answer left is a test fault and throws.
class messaggi_finti : public messaggi {
public:
    std::vector<messaggio_mostrato> mostrati;
    std::deque<bool> risposte;
    int segnali_acustici = 0;

    void avviso(std::string_view titolo, std::string_view testo,
                icona_messaggio icona = icona_messaggio::nessuna) override {
        mostrati.push_back({false, std::string(titolo), std::string(testo), icona});
    }

    bool domanda(std::string_view titolo, std::string_view testo) override {
        mostrati.push_back({true, std::string(titolo), std::string(testo)});
        if (risposte.empty()) throw std::logic_error("unscripted question: " + std::string(testo));
        const bool risposta = risposte.front();
        risposte.pop_front();
        return risposta;
    }

    void segnale_acustico() override { ++segnali_acustici; }

    /// Every box shown so far as "title|text", a question with "?" before it, one a line.
    std::string detti() const {
        std::string tutto;
        for (const auto& m : mostrati)
            tutto += (m.domanda ? "?" : "") + m.titolo + "|" + m.testo + "\n";
        return tutto;
    }

    /// Texts of the boxes shown so far, in order.
    std::vector<std::string> testi() const {
        std::vector<std::string> elenco;
        for (const auto& m : mostrati) elenco.push_back(m.testo);
        return elenco;
    }
};

/// The boxes of a window as a map from control name to text. A box never
/// written reads as the empty text; a name that is no box throws.
class caselle_finte : public caselle_testo {
public:
    std::map<std::string, std::string, std::less<>> testi;

    std::string testo(std::string_view nome) const override {
        const auto trovato = testi.find(conosciuta(nome));
        return trovato == testi.end() ? std::string() : trovato->second;
    }

    void imposta_testo(std::string_view nome, std::string_view testo) override {
        testi.insert_or_assign(std::string(conosciuta(nome)), std::string(testo));
    }

private:
    static std::string_view conosciuta(std::string_view nome) {
        if (!casella_nota(nome))
            throw std::logic_error("no box named \"" + std::string(nome) + "\"");
        return nome;
    }
};

/// The offscreen screen is 800 pixels wide, too narrow for the program's
/// own check: the window tests lend the start window a wide one.
inline bool schermo_largo(messaggi&) { return true; }

} // namespace velaris::prova
