#include "giornata.h"

#include "base/calendario.h"
#include "base/numeri.h"
#include "ionogram/stazioni.h"
#include "session/impostazioni.h"
#include "session/nomi_file.h"
#include "sintesi.h"

#include <algorithm>
#include <system_error>

namespace velaris::demo {

namespace fs = std::filesystem;

namespace {

/// The sounding of the grid at or just before `minuto` of the day.
int sul_passo(int minuto, int intervallo) { return minuto / intervallo * intervallo; }

std::string ora_minuti(int ora, int minuti) { return due_cifre(ora) + ":" + due_cifre(minuti); }

} // namespace

std::optional<data> leggi_data(std::string_view t) {
    if (t.size() != 10 || t[2] != '-' || t[5] != '-') return std::nullopt;
    for (std::size_t k : {0, 1, 3, 4, 6, 7, 8, 9})
        if (t[k] < '0' || t[k] > '9') return std::nullopt;
    auto numero = [&](std::size_t da, std::size_t n) {
        int v = 0;
        for (std::size_t k = da; k < da + n; ++k) v = v * 10 + (t[k] - '0');
        return v;
    };
    const data d{numero(0, 2), numero(3, 2), numero(6, 4)};
    if (d.anno < 1 || d.mese < 1 || d.mese > 12 || d.giorno < 1 ||
        d.giorno > giorni_del_mese(d.anno, d.mese))
        return std::nullopt;
    return d;
}

int giorno_dell_anno(const data& d) {
    return static_cast<int>(valore_numerico(calcolo_giorno_anno(testo_data(d))));
}

std::string testo_data(const data& d) {
    std::string anno = std::to_string(d.anno);
    anno.insert(0, 4 - std::min<std::size_t>(4, anno.size()), '0');
    return due_cifre(d.giorno) + "-" + due_cifre(d.mese) + "-" + anno;
}

bool intervallo_valido(int intervallo) {
    return intervallo == 5 || intervallo == 10 || intervallo == 15 || intervallo == 30 ||
           intervallo == 60;
}

std::string nome_ionogramma(const data& d, int ora, int minuti) {
    // Named by the program's own rule, so the demo day is found where it looks.
    parametri_sessione sessione;
    sessione.anno_sessione = testo_data(d).substr(6);
    sessione.giorno_anno = calcolo_giorno_anno(testo_data(d));
    return nome_file_ionogramma(sessione, ora, minuti);
}

std::vector<voce_giornata> piano_giornata(const opzioni_giornata& o) {
    if (!intervallo_valido(o.intervallo)) throw errore_demo("interval must be 5, 10, 15, 30 or 60");
    std::vector<voce_giornata> voci;
    for (int minuto = 0; minuto < 24 * 60; minuto += o.intervallo) {
        voce_giornata v;
        v.ora = minuto / 60;
        v.minuti = minuto % 60;
        v.nome = nome_ionogramma(o.giorno, v.ora, v.minuti);
        if (std::any_of(std::begin(minuti_mancanti), std::end(minuti_mancanti),
                        [&](int m) { return sul_passo(m, o.intervallo) == minuto; }))
            v.stato = stato_file::mancante;
        else if (sul_passo(minuti_troncato, o.intervallo) == minuto)
            v.stato = stato_file::troncato;
        voci.push_back(std::move(v));
    }
    return voci;
}

sondaggio_sintetico sondaggio_di(const opzioni_giornata& o, const voce_giornata& v) {
    const int giorno_anno = giorno_dell_anno(o.giorno);
    const int minuto = v.ora * 60 + v.minuti;
    // Each sounding draws from its own stream, so a file does not depend on
    // which others are written.
    const std::uint64_t seme = mescola(o.seme, static_cast<std::uint64_t>(giorno_anno) * 1440 +
                                                   static_cast<std::uint64_t>(minuto));
    return sintetizza(giorno_anno, minuto / 60.0, seme);
}

std::vector<std::uint8_t> file_ionogramma(const opzioni_giornata& o, const voce_giornata& v) {
    if (v.stato == stato_file::mancante) return {};
    const sondaggio_sintetico s = sondaggio_di(o, v);
    const std::string descrizione = std::string(stazione_sistema) + " " + testo_data(o.giorno) +
                                    " " + ora_minuti(v.ora, v.minuti) + ":00 LT";
    const std::string testa = intestazione(descrizione, o.seme);

    std::vector<std::uint8_t> byte(testa.begin(), testa.end());
    byte.insert(byte.end(), s.ampiezze.begin(), s.ampiezze.end());
    if (v.stato == stato_file::troncato) byte.pop_back();
    return byte;
}

resoconto scrivi_giornata(const fs::path& cartella, const opzioni_giornata& o, bool forza) {
    const std::vector<voce_giornata> voci = piano_giornata(o);
    const fs::path impostazioni = cartella / "setting.txt";
    const fs::path ionogrammi = cartella / "ionograms";
    std::error_code ec;

    if (fs::exists(cartella, ec) && !fs::is_directory(cartella, ec))
        throw errore_demo(cartella.string() + " exists and is not a folder");
    if (fs::exists(ionogrammi, ec) && !fs::is_directory(ionogrammi, ec))
        throw errore_demo(ionogrammi.string() + " exists and is not a folder");
    if (!forza) {
        if (fs::exists(impostazioni, ec))
            throw errore_demo(cartella.string() +
                              " already has a setting.txt; nothing written (--force overwrites)");
        if (fs::is_directory(ionogrammi, ec) && !fs::is_empty(ionogrammi, ec))
            throw errore_demo(ionogrammi.string() +
                              " already has files; nothing written (--force overwrites)");
    }
    fs::create_directories(ionogrammi, ec);
    if (ec) throw errore_demo("cannot create " + ionogrammi.string() + ": " + ec.message());

    resoconto r;
    for (const voce_giornata& v : voci) {
        const fs::path percorso = ionogrammi / v.nome;
        if (v.stato == stato_file::mancante) {
            // With --force an older copy would hide the gap the day must have.
            fs::remove(percorso, ec);
            if (ec) throw errore_demo("cannot remove " + percorso.string() + ": " + ec.message());
            r.mancanti.push_back(ora_minuti(v.ora, v.minuti));
            continue;
        }
        const std::vector<std::uint8_t> byte = file_ionogramma(o, v);
        scrivi_file_sicuro(
            percorso, std::string_view(reinterpret_cast<const char*>(byte.data()), byte.size()));
        if (v.stato == stato_file::troncato) r.troncato = ora_minuti(v.ora, v.minuti);
        ++r.scritti;
    }
    scrivi_impostazioni(impostazioni, velaris::impostazioni{testo_data(o.giorno), "00", "00",
                                                            due_cifre(o.intervallo), "1"});
    return r;
}

} // namespace velaris::demo
