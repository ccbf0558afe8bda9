// Damaged files, one table. Each row damages one file the operator depends on
// (the settings file, the ionograms folder, the day's results file, an
// ionogram file) and runs what the operator would run on it: the start window
// and a start, or the main window's load followed by a close that saves an
// edited foF2. It states what the program must do: what it tells the
// operator, what the window shows, and which files may change. Every other
// file of the working folder must keep its bytes.

#include "common/fakes.h"
#include "common/permessi.h"
#include "common/rdf_di_prova.h"
#include "common/vista_finta.h"
#include "session/avvio_sessione.h"
#include "session/caricamento.h"
#include "session/file_risultati.h"
#include "session/impostazioni.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>

using namespace velaris;
namespace fs = std::filesystem;

namespace {

using namespace std::chrono_literals;

constexpr std::string_view marzo = "05-03-2023\r\n07\r\n45\r\n15\r\n32\r\n";
const std::string impostazioni_file = "setting.txt";
const std::string cartella_ionogrammi = "ionograms";
const std::string risultati_marzo = "ionograms/QX106_05032023_15.txt";
const std::string ionogramma_0745 = "ionograms/QX106_2023064074500.rdf";
/// A first run starts on "today", fixed here.
constexpr std::chrono::year_month_day oggi{2024y / 3 / 1};
const std::string prima_esecuzione = "01-03-2024 00 00 15";
const std::string impostazioni_prima_esecuzione = "01-03-2024\r\n00\r\n00\r\n15\r\n1\r\n";
const std::string risultati_prima_esecuzione = "ionograms/QX106_01032024_15.txt";

constexpr std::size_t record = 248;
/// 0-based offset of record 32 (07:45) and of the last digit of its foF2
/// value (positions 166-168 of the record).
constexpr std::size_t record_32 = 31 * record;
constexpr std::size_t cifra_fof2 = record_32 + 167;

std::string leggi(const fs::path& file) {
    std::ifstream flusso(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(flusso), {}};
}

void scrivi(const fs::path& file, std::string_view byte) {
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(byte.data(), static_cast<std::streamsize>(byte.size()));
}

/// The working folder of a session on 05-03-2023 at 07:45, interval 15: the
/// settings of that time, and the day's results with foF2 61 at 07:30 and
/// foF2 52 D, foE 305 A at 07:45. No ionogram file.
struct banco {
    prova::cartella_temporanea cartella;
    stato_programma stato;

    banco() {
        fs::create_directory(percorso(cartella_ionogrammi));
        scrivi(percorso(impostazioni_file), marzo);
        std::string giorno;
        for (int k = 0; k < 96; ++k)
            giorno += record_vuoto();
        prova::caselle_finte caselle;
        caselle.imposta_testo("Text13", "61");
        giorno.replace(30 * record, record, composizione_record(caselle, 7, 30));
        caselle.imposta_testo("Text13", "52");
        caselle.imposta_testo("lettera_qualificativa_fof2", "D");
        caselle.imposta_testo("Text3", "305");
        caselle.imposta_testo("Text19", "A");
        giorno.replace(record_32, record, composizione_record(caselle, 7, 45));
        scrivi(percorso(risultati_marzo), giorno);

        parametri_sessione& s = stato.sessione;
        s.cartella_lavoro = cartella.percorso();
        s.cartella_ionogrammi = percorso(cartella_ionogrammi);
        s.data_sessione = "05-03-2023";
        s.anno_sessione = "2023";
        s.giorno_anno = "064";
        s.incremento_minuti = "15";
        s.ora_corrente = 7;
        s.minuti_correnti = 45;
        s.numero_ionogramma = 32;
        s.file_risultati = percorso(risultati_marzo);
    }
    fs::path percorso(const std::string& relativo) const { return cartella.percorso() / relativo; }
};

/// Every file and folder under the working folder, by relative path: the
/// bytes of a file, a mark for a folder or a link (never followed).
void fotografa(const fs::path& radice, const fs::path& cartella,
               std::map<std::string, std::string>& voci) {
    for (const auto& voce : fs::directory_iterator(cartella)) {
        const std::string nome = voce.path().lexically_relative(radice).string();
        const fs::file_status stato = fs::symlink_status(voce.path());
        if (fs::is_symlink(stato)) {
            voci[nome] = "<link to " + fs::read_symlink(voce.path()).string() + ">";
        } else if (fs::is_directory(stato)) {
            voci[nome] = "<folder>";
            fotografa(radice, voce.path(), voci);
        } else {
            voci[nome] = leggi(voce.path());
        }
    }
}

std::map<std::string, std::string> fotografia(const fs::path& radice) {
    std::map<std::string, std::string> voci;
    fotografa(radice, radice, voci);
    return voci;
}

enum class operazione { avvio, caricamento };

struct caso {
    const char* nome;
    operazione op;
    std::function<void(banco&)> guasta = {};
    /// Needs permission bits that hold (unreadable, read-only).
    bool permessi = false;
    /// avvio: the start window's note at its load ("" = none); caricamento:
    /// part of what the status line says after the load.
    std::string detto_prima = {};
    /// avvio: date box, hour, minutes and interval shown; caricamento: the
    /// boxes foF2 | its qualifying letter | foE | previous foF2 ("*": what a
    /// damaged record holds, not checked here).
    std::string mostrato = {};
    /// avvio: part of the start's message ("" = the main window opens);
    /// caricamento: part of the save's error ("" = saved; non_salvato when it
    /// refuses, having never read the record).
    std::string detto_poi = {};
    /// Files that may change, beside the results file that a save writes.
    std::vector<std::string> cambiati = {};
    /// setting.txt afterwards, when it is among `cambiati`.
    std::string impostazioni_dopo = {};
    /// caricamento: the results file before and after, when the rule of a
    /// canonical file (only the edited foF2 digit changes) does not apply.
    void (*risultati_dopo)(const std::string& prima, const std::string& dopo) = nullptr;
};

std::function<void(banco&)> con_impostazioni(std::string contenuto) {
    return [contenuto](banco& b) { scrivi(b.percorso(impostazioni_file), contenuto); };
}

std::function<void(banco&)> data_impostata(const std::string& data) {
    return con_impostazioni(data + std::string(marzo.substr(10)));
}

std::function<void(banco&)> ionogramma(prova::rdf_di_prova rdf) {
    return [rdf](banco& b) { prova::scrivi_file(b.percorso(ionogramma_0745), rdf.byte()); };
}

std::function<void(banco&)> permessi(const std::string& relativo, fs::perms p) {
    return [relativo, p](banco& b) { fs::permissions(b.percorso(relativo), p); };
}

std::string dieci_mega(std::string_view riga) {
    std::string testo;
    testo.reserve(10u << 20);
    while (testo.size() < (10u << 20))
        testo += riga;
    return testo;
}

/// The start window's load and a start from what it shows.
std::pair<std::string, std::string> avvia(banco& b, prova::messaggi_finti& messaggi,
                                          std::string& mostrato) {
    const impostazioni_iniziali iniziali =
        impostazioni_per_entrata(b.percorso(impostazioni_file), oggi);
    const impostazioni& v = iniziali.valori;
    const std::vector<std::string> ore(b.stato.sessione.tabella_ore.begin(),
                                       b.stato.sessione.tabella_ore.end());
    const std::string incremento = intervallo_da_mostrare(v.incremento);
    const richiesta_avvio richiesta{v.data.substr(0, 10), voce_da_mostrare(ore, v.ora, 24),
                                    voce_da_mostrare(*minuti_ammessi(incremento), v.minuti, 60),
                                    incremento, v.data};
    mostrato = richiesta.giorno + " " + richiesta.hour + " " + richiesta.minutes + " " + incremento;

    stato_programma stato;
    stato.sessione.cartella_lavoro = b.cartella.percorso();
    const bool aperta = avvio_sessione(richiesta, stato, messaggi).apri_finestra_principale;
    EXPECT_EQ(aperta, messaggi.mostrati.empty());
    EXPECT_EQ(aperta, !stato.sessione.data_sessione.empty())
        << "the session record changes only when the start succeeds";
    return {iniziali.avviso,
            aperta ? "" : messaggi.mostrati.at(0).titolo + " " + messaggi.mostrati.at(0).testo};
}

/// What the save says when it refuses to write a record it never read.
const std::string non_salvato = "(not saved: the record was not read)";

/// The main window's load, the operator's edit of foF2 to 53, and the close.
std::pair<std::string, std::string> carica_e_salva(banco& b, std::string& mostrato) {
    prova::vista_finta vista;
    prova::caselle_finte caselle;
    prova::messaggi_finti messaggi;
    dati_ionogramma dati;
    caricamento_ionogramma(b.stato, dati, vista, vista, caselle, messaggi);
    mostrato = caselle.testo("Text13") + "|" + caselle.testo("lettera_qualificativa_fof2") + "|" +
               caselle.testo("Text3") + "|" + caselle.testo("Text47");
    // The no-ionogram state, whatever is wrong with the file.
    EXPECT_FALSE(b.stato.ionogramma_presente);
    EXPECT_EQ(vista.titolo,
              "VELARIS - file: QX106_2023064074500.rdf *  * 2023-March-5  07:45 [UT]");
    EXPECT_EQ(vista.vuoti, 1);
    EXPECT_EQ(vista.tutti_i_casi, false);
    EXPECT_EQ(b.stato.codice_caso_particolare, "xx");
    // A results file that cannot be read is told once, in a box, besides the status.
    EXPECT_EQ(messaggi.mostrati.size(), b.stato.record_caricato ? 0u : 1u);
    std::string detto = vista.stato_file;
    for (const auto& m : messaggi.mostrati)
        detto += " [" + m.titolo + "] " + m.testo;

    caselle.imposta_testo("Text13", "53");
    try {
        if (!salvataggio_ionogramma(b.stato, caselle)) return {detto, non_salvato};
    } catch (const std::exception& e) {
        return {detto, e.what()};
    }
    return {detto, ""};
}

void contiene(const std::string& testo, const std::string& parte, const char* che) {
    if (parte.empty())
        EXPECT_EQ(testo, "") << che;
    else
        EXPECT_NE(testo.find(parte), std::string::npos) << che << ": \"" << testo << "\"";
}

const std::string giorno_vuoto = [] {
    std::string giorno;
    for (int k = 0; k < 96; ++k)
        giorno += std::string(246, ' ') + "\r\n";
    return giorno;
}();

void PrintTo(const caso& c, std::ostream* os) {
    *os << c.nome;
}

class FileDanneggiati : public ::testing::TestWithParam<caso> {};

} // namespace

TEST_P(FileDanneggiati, TheOperatorIsToldAndNoOtherFileChanges) {
    const caso& c = GetParam();
    banco b;
    if (c.guasta) c.guasta(b);
    if (c.permessi && !prova::permessi_rispettati::possibile(b.cartella.percorso()))
        GTEST_SKIP() << "permission bits do not hold here even once the root override is "
                        "dropped; this case needs an unreadable or read-only file";
    const auto prima = fotografia(b.cartella.percorso());

    std::string mostrato;
    prova::messaggi_finti messaggi;
    std::pair<std::string, std::string> detto;
    {
        std::optional<prova::permessi_rispettati> senza_privilegi;
        if (c.permessi) senza_privilegi.emplace();
        detto =
            c.op == operazione::avvio ? avvia(b, messaggi, mostrato) : carica_e_salva(b, mostrato);
    }
    contiene(detto.first, c.detto_prima, c.op == operazione::avvio ? "start window" : "status");
    if (c.mostrato != "*") {
        EXPECT_EQ(mostrato, c.mostrato);
    }
    contiene(detto.second, c.detto_poi, c.op == operazione::avvio ? "start" : "save");
    if (c.op == operazione::avvio && !detto.second.empty()) {
        EXPECT_TRUE(detto.second.starts_with("Be careful!! ")) << detto.second;
    }

    const auto dopo = fotografia(b.cartella.percorso());
    std::map<std::string, std::string> tutti = prima;
    tutti.insert(dopo.begin(), dopo.end());
    for (const auto& [nome, _] : tutti) {
        const auto p = prima.find(nome), d = dopo.find(nome);
        const std::string vecchio = p == prima.end() ? "<none>" : p->second;
        const std::string nuovo = d == dopo.end() ? "<none>" : d->second;
        const bool ammesso =
            std::find(c.cambiati.begin(), c.cambiati.end(), nome) != c.cambiati.end();
        if (nome == impostazioni_file && ammesso) {
            EXPECT_EQ(nuovo, c.impostazioni_dopo);
        } else if (nome == risultati_marzo && c.op == operazione::caricamento) {
            if (c.risultati_dopo) {
                c.risultati_dopo(vecchio, nuovo);
            } else {
                std::string atteso = vecchio;
                if (c.detto_poi.empty()) atteso[cifra_fof2] = '3'; // " 52" -> " 53"
                EXPECT_TRUE(nuovo == atteso) << "only the edited digit of record 32 changes";
            }
        } else if (ammesso && vecchio == "<none>" && nome.ends_with("_15.txt")) {
            EXPECT_TRUE(nuovo == giorno_vuoto) << nome << ": a new day is 96 blank records";
        } else if (!ammesso) {
            EXPECT_TRUE(vecchio == nuovo) << nome << " changed";
        }
    }
}

namespace {

const std::string formato = "The format of the date is not correct!!";
const std::string mese = "The number representing the month cannot be greater than 12!!";
const std::string giorno = "The day of the date is not correct!!";
const std::string marzo_mostrato = "05-03-2023 07 45 15";
const std::vector<std::string> nuovo_giorno = {impostazioni_file, risultati_prima_esecuzione};

caso data_sbagliata(const char* nome, const std::string& data, const std::string& messaggio) {
    return {.nome = nome,
            .op = operazione::avvio,
            .guasta = data_impostata(data),
            .mostrato = data.substr(0, 10) + " 07 45 15",
            .detto_poi = messaggio};
}

caso ionogramma_rifiutato(const char* nome, std::function<void(banco&)> guasta,
                          const std::string& motivo, bool permessi = false) {
    return {.nome = nome,
            .op = operazione::caricamento,
            .guasta = std::move(guasta),
            .permessi = permessi,
            .detto_prima = motivo,
            .mostrato = "52|D|305|61",
            .detto_poi = ""};
}

prova::rdf_di_prova con_campi(const char* campi, int record_n = 381, int scarto = 0) {
    prova::rdf_di_prova rdf;
    rdf.campi = campi;
    rdf.record = record_n;
    rdf.scarto = scarto;
    return rdf;
}

const caso casi[] = {
    // The settings file.
    {.nome = "SettingsMissing", .op = operazione::avvio,
     .guasta = [](banco& b) { fs::remove(b.percorso(impostazioni_file)); },
     .detto_prima = "", .mostrato = prima_esecuzione, .detto_poi = "", .cambiati = nuovo_giorno,
     .impostazioni_dopo = impostazioni_prima_esecuzione},
    {.nome = "SettingsEmpty", .op = operazione::avvio, .guasta = con_impostazioni(""),
     .detto_prima = "The settings file setting.txt cannot be used: it is empty. The window "
                    "shows 01-03-2024 at 00:00; the file is rewritten when the session starts!",
     .mostrato = prima_esecuzione, .detto_poi = "", .cambiati = nuovo_giorno,
     .impostazioni_dopo = impostazioni_prima_esecuzione},
    {.nome = "SettingsShort", .op = operazione::avvio,
     .guasta = con_impostazioni("05-03-2023\r\n07\r\n45\r\n"),
     .detto_prima = "it holds only 3 of its 5 lines", .mostrato = prima_esecuzione,
     .detto_poi = "", .cambiati = nuovo_giorno, .impostazioni_dopo = impostazioni_prima_esecuzione},
    {.nome = "SettingsWithLineFeeds", .op = operazione::avvio,
     .guasta = con_impostazioni("05-03-2023\n07\n45\n15\n32\n"), .detto_prima = "",
     .mostrato = marzo_mostrato, .detto_poi = "", .cambiati = {impostazioni_file},
     .impostazioni_dopo = std::string(marzo)},
    data_sbagliata("DateShort", "5-3-2023", formato),
    data_sbagliata("DateSlashes", "05/03/2023", formato),
    data_sbagliata("DateYearFirst", "2023-03-05", formato),
    data_sbagliata("DateEmpty", "", formato),
    data_sbagliata("DateLetters", "ab-cd-efgh", formato),
    data_sbagliata("DateYearWithExponent", "05-03-9E99", formato),
    data_sbagliata("DateSlashInTheYear", "05-03-/../", formato),
    data_sbagliata("DateMonth13", "05-13-2023", mese),
    data_sbagliata("DateApril31", "31-04-2023", giorno),
    data_sbagliata("DateFebruary29", "29-02-2023", giorno),
    // The box keeps ten characters: a different day, so the start is at 00:00.
    {.nome = "DateTooLong", .op = operazione::avvio, .guasta = data_impostata("05-03-2023x"),
     .detto_prima = "", .mostrato = marzo_mostrato, .detto_poi = "", .cambiati = {impostazioni_file},
     .impostazioni_dopo = "05-03-2023\r\n00\r\n00\r\n15\r\n1\r\n"},
    {.nome = "SettingsBinaryInFiveLines", .op = operazione::avvio,
     .guasta =
         [](banco& b) {
             std::string byte;
             for (int k = 0; k < 512; ++k)
                 byte.push_back(static_cast<char>(k));
             scrivi(b.percorso(impostazioni_file), byte);
         },
     .detto_prima = "", .mostrato = std::string("\0\1\2\3\4\5\6\7\b\t", 10) + " 00 00 15",
     .detto_poi = formato},
    {.nome = "SettingsBinaryWithoutLineEnds", .op = operazione::avvio,
     .guasta = con_impostazioni(std::string(300, '\x80')),
     .detto_prima = "its line 1 is longer than 256 characters", .mostrato = prima_esecuzione,
     .detto_poi = "", .cambiati = nuovo_giorno, .impostazioni_dopo = impostazioni_prima_esecuzione},
    {.nome = "Settings10MBWithoutLineEnds", .op = operazione::avvio,
     .guasta = [](banco& b) { scrivi(b.percorso(impostazioni_file), dieci_mega("0123456789")); },
     .detto_prima = "its line 1 is longer than 256 characters", .mostrato = prima_esecuzione,
     .detto_poi = "", .cambiati = nuovo_giorno, .impostazioni_dopo = impostazioni_prima_esecuzione},
    {.nome = "Settings10MBOfLines", .op = operazione::avvio,
     .guasta = [](banco& b) { scrivi(b.percorso(impostazioni_file), dieci_mega(marzo)); },
     .detto_prima = "", .mostrato = marzo_mostrato, .detto_poi = "",
     .cambiati = {impostazioni_file}, .impostazioni_dopo = std::string(marzo)},
    {.nome = "SettingsIsAFolder", .op = operazione::avvio,
     .guasta = [](banco& b) {
         fs::remove(b.percorso(impostazioni_file));
         fs::create_directory(b.percorso(impostazioni_file));
     },
     .detto_prima = "cannot be used: it is a folder", .mostrato = prima_esecuzione,
     .detto_poi = "Cannot write setting.txt in ", .cambiati = {risultati_prima_esecuzione}},
    {.nome = "SettingsUnreadable", .op = operazione::avvio,
     .guasta = permessi(impostazioni_file, fs::perms::none), .permessi = true,
     .detto_prima = "it cannot be read (Permission denied)", .mostrato = prima_esecuzione,
     .detto_poi = "", .cambiati = nuovo_giorno, .impostazioni_dopo = impostazioni_prima_esecuzione},
    {.nome = "WorkingFolderReadOnly", .op = operazione::avvio,
     .guasta = permessi(".", fs::perms(0555)), .permessi = true, .detto_prima = "",
     .mostrato = marzo_mostrato, .detto_poi = "Cannot write setting.txt in "},

    // The ionograms folder, and the day's results file at the start.
    {.nome = "IonogramsFolderMissing", .op = operazione::avvio,
     .guasta = [](banco& b) { fs::remove_all(b.percorso(cartella_ionogrammi)); },
     .detto_prima = "", .mostrato = marzo_mostrato, .detto_poi = "",
     .cambiati = {cartella_ionogrammi, risultati_marzo}},
    {.nome = "IonogramsFolderIsAFile", .op = operazione::avvio,
     .guasta = [](banco& b) {
         fs::remove_all(b.percorso(cartella_ionogrammi));
         scrivi(b.percorso(cartella_ionogrammi), "not a folder");
     },
     .detto_prima = "", .mostrato = marzo_mostrato,
     .detto_poi = "ionograms: a file of that name is in the way!!"},
    {.nome = "ResultsMissingAtTheStart", .op = operazione::avvio,
     .guasta = [](banco& b) { fs::remove(b.percorso(risultati_marzo)); }, .detto_prima = "",
     .mostrato = marzo_mostrato, .detto_poi = "", .cambiati = {risultati_marzo}},
    {.nome = "ResultsIsAFolder", .op = operazione::avvio,
     .guasta = [](banco& b) {
         fs::remove(b.percorso(risultati_marzo));
         fs::create_directory(b.percorso(risultati_marzo));
     },
     .detto_prima = "", .mostrato = marzo_mostrato,
     .detto_poi = "Cannot use QX106_05032023_15.txt in "},
    {.nome = "NewDayInAReadOnlyIonogramsFolder", .op = operazione::avvio,
     .guasta = [](banco& b) {
         data_impostata("06-03-2023")(b);
         fs::permissions(b.percorso(cartella_ionogrammi), fs::perms(0555));
     },
     .permessi = true, .detto_prima = "", .mostrato = "06-03-2023 07 45 15",
     .detto_poi = "Cannot write QX106_06032023_15.txt in "},

    // The day's results file at the main window's load and close.
    {.nome = "ResultsVanished", .op = operazione::caricamento,
     .guasta = [](banco& b) { fs::remove(b.percorso(risultati_marzo)); },
     .detto_prima = "QX106_05032023_15.txt cannot be opened (No such file or directory): the "
                    "boxes are empty and this sounding will not be saved.",
     .mostrato = "|||", .detto_poi = non_salvato},
    {.nome = "ResultsShorterThanTheDay", .op = operazione::caricamento,
     .guasta = [](banco& b) { fs::resize_file(b.percorso(risultati_marzo), 10 * record + 7); },
     .detto_prima = "No ionogram for this time", .mostrato = "|||", .detto_poi = "",
     .risultati_dopo =
         [](const std::string& prima, const std::string& dopo) {
             // Extended with blank records up to record 32, which holds the boxes.
             ASSERT_EQ(dopo.size(), 32 * record);
             EXPECT_TRUE(dopo.substr(0, prima.size()) == prima);
             std::string vuoti;
             for (std::size_t p = prima.size(); p < record_32; ++p)
                 vuoti += (p % record) < 246 ? ' ' : ((p % record) == 246 ? '\r' : '\n');
             EXPECT_TRUE(dopo.substr(prima.size(), record_32 - prima.size()) == vuoti);
             EXPECT_EQ(dopo.substr(record_32, 20), "07:45 fmin    =     ");
             EXPECT_EQ(dopo.substr(record_32 + 155, 15), " foF2    = 53  ");
         }},
    {.nome = "ResultsLongerThanTheDay", .op = operazione::caricamento,
     .guasta = [](banco& b) {
         std::ofstream(b.percorso(risultati_marzo), std::ios::binary | std::ios::app)
             << "a foreign line\r\n";
     },
     .detto_prima = "No ionogram for this time", .mostrato = "52|D|305|61", .detto_poi = ""},
    {.nome = "ResultsBinaryGarbage", .op = operazione::caricamento,
     .guasta = [](banco& b) {
         std::string byte(96 * record, '\0');
         for (std::size_t k = 0; k < byte.size(); ++k)
             byte[k] = static_cast<char>((k * 131 + k / 7) % 256);
         scrivi(b.percorso(risultati_marzo), byte);
     },
     .detto_prima = "No ionogram for this time", .mostrato = "*", .detto_poi = "",
     .risultati_dopo =
         [](const std::string& prima, const std::string& dopo) {
             // Only record 32 changes; its fields are what the boxes took
             // from the garbage, so only the edited one is looked for.
             ASSERT_EQ(dopo.size(), prima.size());
             EXPECT_TRUE(dopo.substr(0, record_32) == prima.substr(0, record_32));
             EXPECT_TRUE(dopo.substr(record_32 + record) == prima.substr(record_32 + record));
             EXPECT_NE(dopo.substr(record_32, record).find(" foF2    = 53"), std::string::npos);
         }},
    {.nome = "ResultsReadOnly", .op = operazione::caricamento,
     .guasta = permessi(risultati_marzo, fs::perms(0444)), .permessi = true,
     .detto_prima = "No ionogram for this time", .mostrato = "52|D|305|61",
     .detto_poi = "could not be written: Permission denied"},
    {.nome = "ResultsWithoutReadPermission", .op = operazione::caricamento,
     .guasta = permessi(risultati_marzo, fs::perms(0200)), .permessi = true,
     .detto_prima = "cannot be opened (Permission denied): the boxes are empty", .mostrato = "|||",
     .detto_poi = non_salvato},
    {.nome = "ResultsInAReadOnlyFolder", .op = operazione::caricamento,
     .guasta = permessi(cartella_ionogrammi, fs::perms(0555)), .permessi = true,
     .detto_prima = "No ionogram for this time", .mostrato = "52|D|305|61", .detto_poi = ""},
    {.nome = "IonogramsFolderVanished", .op = operazione::caricamento,
     .guasta = [](banco& b) { fs::remove_all(b.percorso(cartella_ionogrammi)); },
     .detto_prima = "No ionogram for this time", .mostrato = "|||", .detto_poi = non_salvato},

    // The ionogram file of the sounding: every reason it cannot be shown. The
    // stored record is shown and saved back with the edit; the file stays.
    ionogramma_rifiutato("IonogramMissing", nullptr, "No ionogram for this time"),
    ionogramma_rifiutato("IonogramEmpty", ionogramma(con_campi("", 0, -197)),
                         "size 0 bytes leaves no room for amplitudes"),
    ionogramma_rifiutato("IonogramOnlyAHeader", ionogramma(con_campi("01.000 20.000 0.050", 0)),
                         "size 197 bytes leaves no room for amplitudes"),
    ionogramma_rifiutato("IonogramOneByteLong",
                         ionogramma(con_campi("01.000 20.000 0.050", 381, 1)),
                         "is not 197 + 150 x 381"),
    ionogramma_rifiutato("IonogramOneFrequencyShort",
                         ionogramma(con_campi("01.000 20.000 0.050", 380)),
                         "is not 197 + 150 x 381"),
    ionogramma_rifiutato("IonogramWithoutHeader",
                         [](banco& b) {
                             prova::rdf_di_prova rdf;
                             rdf.a_capo_197 = false;
                             ionogramma(rdf)(b);
                         },
                         "has no header"),
    ionogramma_rifiutato("IonogramZeroStep", ionogramma(con_campi("01.000 20.000 0.000")),
                         "gives a frequency step of 0 MHz"),
    ionogramma_rifiutato("IonogramTooManyFrequencies",
                         ionogramma(con_campi("00.000 32.767 0.001", 32768)),
                         "32768 sounding frequencies, more than 32767"),
    ionogramma_rifiutato("IonogramUnreadable",
                         [](banco& b) {
                             ionogramma(prova::rdf_di_prova{})(b);
                             fs::permissions(b.percorso(ionogramma_0745), fs::perms::none);
                         },
                         "cannot be opened (Permission denied)", true),
    ionogramma_rifiutato("IonogramIsAFolder",
                         [](banco& b) { fs::create_directory(b.percorso(ionogramma_0745)); },
                         "is a folder, not a file. It is left as it is."),
    ionogramma_rifiutato("IonogramLinkLoop",
                         [](banco& b) {
                             fs::create_symlink("QX106_2023064074500.rdf",
                                                b.percorso(ionogramma_0745));
                         },
                         "Too many levels of symbolic links"),
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Tabella, FileDanneggiati, ::testing::ValuesIn(casi),
                         [](const auto& info) { return std::string(info.param.nome); });
