// A random run through the real windows (offscreen): clicks anywhere on the
// plot and on the controls, keys, the particular-case menu, the day overview's
// jumps, the companion, Esc and the start window, every message box answered
// at random, all drawn from one seeded generator. After every event the files
// the operator depends on must hold: the results file keeps its size, no
// record of a sounding never shown changes, every record carries its own
// time, the ionogram files change at most in the particular-case code of a
// sounding shown, and "setting.txt" is five valid lines.
//
// VELARIS_EVENTI sets the number of events (default 1500), VELARIS_SEMI the
// seeds, separated by blanks or commas (default 1). A failure names the seed
// and the event; rerunning that seed with that many events replays it.

#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "windows/applicazione.h"
#include "windows/entrata.h"
#include "windows/etichetta_cliccabile.h"
#include "windows/immagine.h"
#include "windows/immagine_next_ionogram.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <unistd.h>

using namespace velaris;
namespace fs = std::filesystem;

namespace {

constexpr int soundings = 96; // interval 15
constexpr std::size_t lunghezza = 248;

std::string leggi(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string due(int v) {
    std::string testo = std::to_string(v);
    if (testo.size() < 2) testo.insert(0, 1, '0');
    return testo;
}

std::string ora_di(int numero) {
    const int minuti = (numero - 1) * 15;
    return due(minuti / 60) + ":" + due(minuti % 60);
}

/// Record k before the run: its time, then text of its own, so that a write
/// into the wrong place shows. Not a layout the program composes.
std::string record_iniziale(int k) {
    std::string r = ora_di(k) + " record " + std::to_string(k) + " untouched";
    r.resize(lunghezza - 2, '.');
    return r + "\r\n";
}

/// Yes/No boxes answered from the run's generator; every box is counted by
/// its text for the figures.
class messaggi_casuali : public messaggi {
public:
    explicit messaggi_casuali(std::mt19937& caso) : m_caso(caso) {}
    std::map<std::string, int> conteggio;
    int si = 0;
    int no = 0;

    void avviso(std::string_view, std::string_view testo, icona_messaggio) override {
        ++conteggio[prima_riga(testo)];
    }
    bool domanda(std::string_view, std::string_view testo) override {
        ++conteggio["(Yes/No) " + prima_riga(testo)];
        const bool risposta = std::bernoulli_distribution(0.5)(m_caso);
        ++(risposta ? si : no);
        return risposta;
    }
    void segnale_acustico() override { ++conteggio["(beep)"]; }

private:
    static std::string prima_riga(std::string_view testo) {
        std::string t(testo.substr(0, testo.find_first_of("\r\n")));
        // Paths and times vary; the figures group by the sentence.
        for (char& c : t)
            if (c >= '0' && c <= '9') c = '#';
        return t.substr(0, 90);
    }
    std::mt19937& m_caso;
};

// What a fatal signal prints: the seed and the event being run.
char g_evento_in_corso[512] = "before the first event";

extern "C" void segnale_fatale(int numero) {
    const char testa[] = "\nFATAL signal during the random run: ";
    [[maybe_unused]] auto a = write(2, testa, sizeof testa - 1);
    [[maybe_unused]] auto b = write(2, g_evento_in_corso, std::strlen(g_evento_in_corso));
    [[maybe_unused]] auto c = write(2, "\n", 1);
    std::signal(numero, SIG_DFL);
    std::raise(numero);
}

QtMessageHandler g_gestore_precedente = nullptr;

void filtra_messaggi(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
    if (testo.contains(QLatin1String("does not support raise()"))) return;
    g_gestore_precedente(tipo, contesto, testo);
}

std::vector<unsigned> semi_da_ambiente() {
    std::vector<unsigned> semi;
    if (const char* t = std::getenv("VELARIS_SEMI")) {
        std::string s(t);
        for (char& c : s)
            if (c == ',') c = ' ';
        std::istringstream in(s);
        for (unsigned v; in >> v;) semi.push_back(v);
    }
    if (semi.empty()) semi.push_back(1);
    return semi;
}

int eventi_da_ambiente() {
    if (const char* t = std::getenv("VELARIS_EVENTI")) {
        const int n = std::atoi(t);
        if (n > 0) return n;
    }
    return 1500;
}

} // namespace

class TestEventiCasuali : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<prova::cartella_temporanea> m_cartella;
    QString m_prima;
    std::mt19937 m_caso;
    std::unique_ptr<messaggi_casuali> m_messaggi;
    std::unique_ptr<applicazione> m_programma;
    fs::path m_risultati;
    fs::path m_impostazioni;
    std::map<int, std::string> m_ionogrammi; // sounding -> bytes before the run
    std::set<int> m_visitati;
    std::set<int> m_rimossi; // ionogram files the run took away
    std::map<std::string, int> m_tipi_evento;
    int m_ritorni_entrata = 0;
    int m_chiusure = 0;

    fs::path ionogramma(int numero) const {
        const int minuti = (numero - 1) * 15;
        return m_cartella->percorso() / "ionograms" /
               ("QX106_2023064" + due(minuti / 60) + due(minuti % 60) + "00.rdf");
    }

    immagine* principale() const { return m_programma->finestra_principale(); }

    int casuale(int da, int a) { return std::uniform_int_distribution<int>(da, a)(m_caso); }
    bool moneta(double p) { return std::bernoulli_distribution(p)(m_caso); }

    void prepara_giornata() {
        m_cartella = std::make_unique<prova::cartella_temporanea>();
        QDir::setCurrent(QString::fromStdString(m_cartella->percorso().string()));
        m_impostazioni = m_cartella->percorso() / "setting.txt";
        std::ofstream(m_impostazioni, std::ios::binary) << "05-03-2023\r\n07\r\n45\r\n15\r\n32\r\n";
        fs::create_directories(m_cartella->percorso() / "ionograms");
        m_risultati = m_cartella->percorso() / "ionograms" / "QX106_05032023_15.txt";
        std::ofstream risultati(m_risultati, std::ios::binary);
        for (int k = 1; k <= soundings; ++k) risultati << record_iniziale(k);
        risultati.close();
        // Files around the starting time and at the ends of the day, with
        // gaps; one too short to be read, one with a particular-case code
        // already set, a folder where a file should be.
        m_ionogrammi.clear();
        for (int k : {1, 2, 28, 29, 30, 31, 32, 33, 35, 37, 38, 48, 95, 96}) {
            prova::rdf_di_prova rdf;
            if (k == 35) rdf.scarto = -1;
            if (k == 30) rdf.codice = "05";
            prova::scrivi_file(ionogramma(k), rdf.byte());
            m_ionogrammi[k] = leggi(ionogramma(k));
        }
        fs::create_directories(ionogramma(34));
        m_visitati.clear();
        m_rimossi.clear();
        m_tipi_evento.clear();
        m_ritorni_entrata = 0;
        m_chiusure = 0;
    }

    /// Starts a session from the start window (which must be open): sometimes
    /// at another time of the day first.
    bool avvia_da_entrata() {
        entrata* e = m_programma->finestra_entrata();
        if (e == nullptr) return false;
        if (moneta(0.3)) {
            auto* ore = e->findChild<QComboBox*>("hour");
            auto* minuti = e->findChild<QComboBox*>("minutes");
            if (ore && ore->count() > 0) ore->setCurrentIndex(casuale(0, ore->count() - 1));
            if (minuti && minuti->count() > 0)
                minuti->setCurrentIndex(casuale(0, minuti->count() - 1));
        }
        QTest::keyClick(e->findChild<QLineEdit*>("giorno"), Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return principale() != nullptr;
    }

    std::string evento_mouse(QWidget* base, QPoint punto) {
        QWidget* sotto = base->childAt(punto);
        QWidget* bersaglio = sotto ? sotto : base;
        const QPoint locale = bersaglio->mapFrom(base, punto);
        const int b = casuale(0, 9);
        const Qt::MouseButton pulsante =
            b < 6 ? Qt::LeftButton : (b < 9 ? Qt::RightButton : Qt::MiddleButton);
        const char* nome_pulsante = b < 6 ? "left" : (b < 9 ? "right" : "middle");
        std::ostringstream d;
        d << "click " << nome_pulsante << " at (" << punto.x() << "," << punto.y() << ") on "
          << (bersaglio->objectName().isEmpty() ? bersaglio->metaObject()->className()
                                                : qPrintable(bersaglio->objectName()));
        annota(d.str());
        QTest::mouseClick(bersaglio, pulsante, {}, locale);
        return d.str();
    }

    void annota(const std::string& descrizione) {
        std::snprintf(g_evento_in_corso, sizeof g_evento_in_corso, "%s", descrizione.c_str());
    }

    std::string clic_sul_grafico() {
        QWidget* grafico = principale()->centralWidget();
        ++m_tipi_evento["click on the plot"];
        return evento_mouse(grafico, {casuale(0, grafico->width() - 1),
                                      casuale(0, grafico->height() - 1)});
    }

    std::string clic_su_controllo() {
        std::vector<QWidget*> controlli;
        for (QWidget* w : principale()->findChildren<QWidget*>()) {
            if (!w->isVisible() || !w->isEnabled()) continue;
            if (qobject_cast<etichetta_cliccabile*>(w) || qobject_cast<QLineEdit*>(w) ||
                qobject_cast<QAbstractButton*>(w))
                controlli.push_back(w);
        }
        if (controlli.empty()) return clic_sul_grafico();
        QWidget* w = controlli[static_cast<std::size_t>(casuale(0, int(controlli.size()) - 1))];
        ++m_tipi_evento["click on a control"];
        QWidget* grafico = principale()->centralWidget();
        const QPoint dentro(casuale(0, std::max(0, w->width() - 1)),
                            casuale(0, std::max(0, w->height() - 1)));
        return evento_mouse(grafico, w->mapTo(grafico, dentro));
    }

    std::string tasto() {
        struct voce {
            int tasto;
            const char* nome;
        };
        static const voce speciali[] = {
            {Qt::Key_F1, "F1"},         {Qt::Key_F2, "F2"},       {Qt::Key_F3, "F3"},
            {Qt::Key_F4, "F4"},         {Qt::Key_F5, "F5"},       {Qt::Key_F6, "F6"},
            {Qt::Key_F7, "F7"},         {Qt::Key_F8, "F8"},       {Qt::Key_F9, "F9"},
            {Qt::Key_F10, "F10"},       {Qt::Key_F11, "F11"},     {Qt::Key_F12, "F12"},
            {Qt::Key_Up, "Up"},         {Qt::Key_Down, "Down"},   {Qt::Key_Left, "Left"},
            {Qt::Key_Right, "Right"},   {Qt::Key_Space, "Space"}, {Qt::Key_Backslash, "\\"},
            {Qt::Key_Backspace, "Backspace"}, {Qt::Key_Delete, "Delete"}, {Qt::Key_Tab, "Tab"},
            {Qt::Key_Return, "Return"}, {Qt::Key_Control, "Ctrl"}, {Qt::Key_Minus, "-"},
            {Qt::Key_Period, "."},      {Qt::Key_Comma, ","},
        };
        QWidget* fuoco = principale()->focusWidget();
        if (fuoco == nullptr) fuoco = principale();
        Qt::KeyboardModifiers modificatori;
        int t = 0;
        std::string nome;
        const int tipo = casuale(0, 99);
        if (tipo < 3) {
            t = Qt::Key_Escape;
            nome = "Esc";
        } else if (tipo < 40) {
            const voce& v = speciali[static_cast<std::size_t>(
                casuale(0, int(std::size(speciali)) - 1))];
            t = v.tasto;
            nome = v.nome;
        } else if (tipo < 70) {
            const int cifra = casuale(0, 9);
            t = Qt::Key_0 + cifra;
            nome = std::to_string(cifra);
            if (moneta(0.3)) {
                modificatori |= Qt::KeypadModifier;
                nome = "keypad " + nome;
            }
        } else {
            const int lettera = casuale(0, 25);
            t = Qt::Key_A + lettera;
            nome = std::string(1, char('A' + lettera));
            if (moneta(0.5)) {
                modificatori |= Qt::ShiftModifier;
                nome = "Shift+" + nome;
            }
        }
        if (moneta(0.1) && t != Qt::Key_Escape && t != Qt::Key_Control) {
            modificatori |= Qt::ControlModifier;
            nome = "Ctrl+" + nome;
        }
        ++m_tipi_evento["key"];
        const std::string d = "key " + nome + " to " +
                              (fuoco->objectName().isEmpty()
                                   ? std::string(fuoco->metaObject()->className())
                                   : fuoco->objectName().toStdString());
        annota(d);
        // A letter types its character: QTest gives it the text of its key.
        QTest::keyClick(fuoco, static_cast<Qt::Key>(t), modificatori);
        return d;
    }

    std::string comando_menu() {
        std::vector<QAction*> voci;
        const QMenu* menu = principale()->findChild<QMenu*>("casi_particolari");
        for (QAction* a : menu->findChildren<QAction*>()) {
            if (a->menu() == nullptr && !a->objectName().isEmpty() && a->isEnabled() &&
                !a->isSeparator())
                voci.push_back(a);
        }
        if (voci.empty()) return tasto();
        QAction* a = voci[static_cast<std::size_t>(casuale(0, int(voci.size()) - 1))];
        ++m_tipi_evento["menu command"];
        const std::string d = "menu " + a->objectName().toStdString();
        annota(d);
        a->trigger();
        return d;
    }

    /// The day overview: opening it, and its clicks on a time (also outside
    /// the day).
    std::string panoramica() {
        if (moneta(0.2)) {
            ++m_tipi_evento["day overview opened"];
            annota("View > Day overview");
            principale()->findChild<QAction*>("panoramica_giorno")->trigger();
            return "View > Day overview";
        }
        const int numero = casuale(0, soundings + 1);
        ++m_tipi_evento["day overview jump"];
        const std::string d = "overview asks for sounding " + std::to_string(numero);
        annota(d);
        emit principale()->spostamentoRichiesto(numero);
        return d;
    }

    std::string compagna() {
        immagine_next_ionogram* c = principale()->compagna();
        if (c == nullptr) {
            ++m_tipi_evento["companion opened"];
            annota("show simultaneously");
            QTest::mouseClick(principale()->findChild<QPushButton*>("show_next_ionogram"),
                              Qt::LeftButton);
            return "show simultaneously";
        }
        const char* nome = moneta(0.5) ? "next_new_form" : "previous_new_form";
        ++m_tipi_evento["companion step"];
        const std::string d = std::string("companion ") + nome;
        annota(d);
        if (auto* b = c->findChild<QPushButton*>(nome)) QTest::mouseClick(b, Qt::LeftButton);
        return d;
    }

    std::string chiusura() {
        ++m_tipi_evento["main window closed"];
        annota("close the main window");
        if (principale()->close()) ++m_chiusure;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return "close the main window";
    }

    /// An ionogram file taken away while it is shown or about to be (the
    /// sounder's disk unmounted, a file moved by hand), or put back as it
    /// was: the savings and loads that then fail must lose nothing.
    std::string file_tolto_o_rimesso() {
        // Half the time the file of the sounding shown, whose saving needs it.
        int k = m_programma->stato().sessione.numero_ionogramma;
        if (!m_ionogrammi.contains(k) || moneta(0.5))
            k = std::next(m_ionogrammi.begin(), casuale(0, int(m_ionogrammi.size()) - 1))->first;
        std::string d;
        if (m_rimossi.contains(k)) {
            d = "the ionogram file of " + ora_di(k) + " comes back";
            annota(d);
            std::ofstream(ionogramma(k), std::ios::binary) << m_ionogrammi[k];
            m_rimossi.erase(k);
            ++m_tipi_evento["ionogram file put back"];
        } else {
            d = "the ionogram file of " + ora_di(k) + " goes away";
            annota(d);
            fs::remove(ionogramma(k));
            m_rimossi.insert(k);
            ++m_tipi_evento["ionogram file taken away"];
        }
        return d;
    }

    std::string evento() {
        const int tipo = casuale(0, 999);
        if (tipo < 300) return clic_sul_grafico();
        if (tipo < 550) return clic_su_controllo();
        if (tipo < 900) return tasto();
        if (tipo < 960) return comando_menu();
        if (tipo < 980) return panoramica();
        if (tipo < 993) return compagna();
        if (tipo < 997) return file_tolto_o_rimesso();
        return chiusura();
    }

    /// What must hold after every event; the empty text when it does.
    std::string controlla(bool completo) {
        if (QWidget* modale = QApplication::activeModalWidget())
            return "a modal window is open: " + modale->objectName().toStdString();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && qobject_cast<QDialog*>(w))
                return "a dialog is open: " + w->windowTitle().toStdString();

        const std::string risultati = leggi(m_risultati);
        if (risultati.size() != soundings * lunghezza)
            return "the results file holds " + std::to_string(risultati.size()) + " bytes";
        for (int k = 1; k <= soundings; ++k) {
            const std::string r = risultati.substr((k - 1) * lunghezza, lunghezza);
            if (r.compare(0, 5, ora_di(k)) != 0 || r.compare(lunghezza - 2, 2, "\r\n") != 0)
                return "record " + std::to_string(k) + " is not the record of " + ora_di(k) +
                       ": " + r;
            if (!m_visitati.contains(k) && r != record_iniziale(k))
                return "record " + std::to_string(k) + " of a sounding never shown changed: " + r;
        }

        for (const auto& [k, prima] : m_ionogrammi) {
            if (m_rimossi.contains(k)) {
                if (fs::exists(ionogramma(k)))
                    return "the ionogram file of " + ora_di(k) + " was made again";
                continue;
            }
            const std::string ora = completo ? leggi(ionogramma(k)) : [&] {
                std::ifstream in(ionogramma(k), std::ios::binary);
                std::string testa(197, '\0');
                in.read(testa.data(), 197);
                return testa;
            }();
            const std::string attesa = completo ? prima : prima.substr(0, 197);
            if (fs::file_size(ionogramma(k)) != prima.size())
                return "the ionogram file of " + ora_di(k) + " changed its size";
            for (std::size_t i = 0; i < attesa.size(); ++i) {
                const bool codice = i == 59 || i == 60;
                if (ora[i] != attesa[i] && (!codice || !m_visitati.contains(k)))
                    return "the ionogram file of " + ora_di(k) + " changed at byte " +
                           std::to_string(i + 1);
            }
        }

        // The window shows the sounding whose record a saving writes.
        if (principale()) {
            const parametri_sessione& s = m_programma->stato().sessione;
            const std::string file = "QX106_2023064" + due(s.ora_corrente) + due(s.minuti_correnti);
            const std::string titolo = principale()->windowTitle().toStdString();
            if (titolo.find(file) == std::string::npos)
                return "the session is at " + due(s.ora_corrente) + ":" + due(s.minuti_correnti) +
                       ", the window shows " + titolo;
            if (s.numero_ionogramma != (s.ora_corrente * 60 + s.minuti_correnti) / 15 + 1)
                return "the session's sounding number is not its time's";
        }

        const std::string impostazioni = leggi(m_impostazioni);
        std::vector<std::string> righe;
        for (std::size_t inizio = 0; inizio < impostazioni.size();) {
            const std::size_t fine = impostazioni.find("\r\n", inizio);
            if (fine == std::string::npos) return "setting.txt has a line without CR LF";
            righe.push_back(impostazioni.substr(inizio, fine - inizio));
            inizio = fine + 2;
        }
        const auto cifre = [](const std::string& s) {
            return s.size() == 2 && std::isdigit(static_cast<unsigned char>(s[0])) &&
                   std::isdigit(static_cast<unsigned char>(s[1]));
        };
        if (righe.size() != 5 || righe[0] != "05-03-2023" || !cifre(righe[1]) ||
            !cifre(righe[2]) || righe[3] != "15")
            return "setting.txt is not five valid lines: " + impostazioni;
        const int ora = std::stoi(righe[1]);
        const int minuti = std::stoi(righe[2]);
        if (ora > 23 || minuti % 15 != 0 || righe[4] != std::to_string((ora * 60 + minuti) / 15 + 1))
            return "setting.txt names no sounding of the day: " + impostazioni;
        return {};
    }

    /// After an event: popups closed, deferred deletes done, the start
    /// window driven back to a session.
    std::string riordina() {
        while (QWidget* p = QApplication::activePopupWidget()) p->close();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (principale() != nullptr) return {};
        for (int tentativo = 0; tentativo < 20; ++tentativo) {
            if (m_programma->finestra_entrata() == nullptr) {
                // The main window closed: the program would end; start again.
                m_programma->apri_entrata();
            } else {
                ++m_ritorni_entrata;
            }
            if (avvia_da_entrata()) return {};
        }
        return "the start window does not start a session";
    }

    void esegui(unsigned seme, int eventi) {
        m_caso.seed(seme);
        prepara_giornata();
        m_messaggi = std::make_unique<messaggi_casuali>(m_caso);
        m_programma = std::make_unique<applicazione>(*m_messaggi, prova::schermo_largo);
        m_programma->apri_entrata();
        QVERIFY(avvia_da_entrata());
        m_visitati.insert(m_programma->stato().sessione.numero_ionogramma);

        QElapsedTimer orologio;
        orologio.start();
        std::string ultimo;
        for (int i = 0; i < eventi; ++i) {
            const std::string prefisso = "seed " + std::to_string(seme) + ", event " +
                                         std::to_string(i) + " of " + std::to_string(eventi);
            std::string descrizione;
            std::string errore;
            try {
                descrizione = evento();
                annota(prefisso + ": " + descrizione + " (tidying up)");
                errore = riordina();
            } catch (const std::exception& e) {
                errore = std::string("exception: ") + e.what();
            }
            if (principale())
                m_visitati.insert(m_programma->stato().sessione.numero_ionogramma);
            if (errore.empty()) errore = controlla(i % 100 == 99 || i == eventi - 1);
            if (!errore.empty())
                QFAIL(qPrintable(QString::fromStdString(
                    prefisso + " (" + descrizione + ", after " + ultimo + "): " + errore +
                    "\nreplay: VELARIS_SEMI=" + std::to_string(seme) +
                    " VELARIS_EVENTI=" + std::to_string(i + 1))));
            ultimo = descrizione;
        }
        const qint64 ms = orologio.elapsed();

        std::ostringstream cifre;
        cifre << "seed " << seme << ": " << eventi << " events in " << ms << " ms, "
              << m_visitati.size() << " soundings shown, " << m_ritorni_entrata
              << " returns to the start window, " << m_chiusure << " closings; questions "
              << m_messaggi->si << " yes / " << m_messaggi->no << " no";
        qInfo("%s", cifre.str().c_str());
        for (const auto& [tipo, n] : m_tipi_evento) qInfo("  %6d %s", n, tipo.c_str());
        for (const auto& [testo, n] : m_messaggi->conteggio)
            qInfo("  %6d box: %s", n, testo.c_str());

        if (principale()) {
            principale()->findChild<QRadioButton*>("Option2")->setChecked(true);
            principale()->caselle().imposta_testo("Text7", "");
            // A closing that still refuses must not leave a window behind
            // on a program state about to go.
            if (!principale()->close()) delete principale();
        }
        if (m_programma->finestra_entrata()) m_programma->finestra_entrata()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_programma.reset();
        QDir::setCurrent(m_prima);
        m_cartella.reset();
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        // The offscreen platform cannot raise a window; the overview's raise
        // would fill the log.
        g_gestore_precedente = qInstallMessageHandler(filtra_messaggi);
        m_prima = QDir::currentPath();
        for (int s : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL}) std::signal(s, segnale_fatale);
    }

    void cleanup() {
        m_programma.reset();
        QDir::setCurrent(m_prima);
        m_cartella.reset();
    }

    void randomEventsKeepEveryFileWhole() {
        const int eventi = eventi_da_ambiente();
        for (unsigned seme : semi_da_ambiente()) {
            esegui(seme, eventi);
            if (QTest::currentTestFailed()) return;
        }
    }
};

QTEST_MAIN(TestEventiCasuali)
#include "test_eventi_casuali.moc"
