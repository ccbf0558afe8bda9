// An operator's day with the real windows (offscreen), from the start window
// on: letters typed on several soundings, moves forwards and backwards over
// soundings with, without and with a damaged ionogram, the companion window,
// Esc and the closing. Afterwards every record holds exactly what was typed
// at its place and nothing else of the results file has changed,
// "setting.txt" names the last sounding and a new start resumes there.

#include "base/numeri.h"
#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "windows/applicazione.h"
#include "windows/entrata.h"
#include "windows/immagine.h"
#include "windows/immagine_next_ionogram.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <iterator>
#include <map>

using namespace velaris;
namespace fs = std::filesystem;

namespace {

std::string leggi(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string due(int v) { return due_cifre(v); }

/// Record k of the day before the session: the time, the sixteen labels and
/// an fmin of 10 + k with qualifying letter "E". Built from the layout, so
/// the test does not lean on the program's own composing.
std::string record_iniziale(int k) {
    const int minuti = (k - 1) * 15;
    std::string r = due(minuti / 60) + ":" + due(minuti % 60);
    const char* etichette[] = {" fmin    =", " h'E     =", " foE     =", " foEs    =",
                               " h'Es    =", " Es Type =", " fbEs    =", " h'F     =",
                               " foF1    =", " h'F2    =", " foF2    =", " fxI     =",
                               " MUF F1  =", " M3000 F1=", " MUF F2  =", " M3000 F2="};
    for (const char* e : etichette) {
        r += e;
        r.append(5, ' ');
    }
    r += " \r\n";
    const std::string fmin = std::to_string(10 + k);
    r.replace(18 - fmin.size(), fmin.size(), fmin); // fmin value, right-aligned in 16-18
    r[18] = 'E'; // its qualifying letter, 19
    return r;
}

} // namespace

class TestGiornata : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<prova::cartella_temporanea> m_cartella;
    QString m_prima;
    prova::messaggi_finti m_messaggi;
    std::unique_ptr<applicazione> m_programma;
    std::map<int, std::string> m_attesi; // record k as the results file must hold it
    fs::path m_risultati;
    std::map<fs::path, std::string> m_ionogrammi;

    fs::path ionogramma(int ora, int minuti) const {
        return m_cartella->percorso() / "ionograms" /
               ("QX106_2023064" + due(ora) + due(minuti) + "00.rdf");
    }

    immagine* principale() const { return m_programma->finestra_principale(); }

    template <typename T> T* figlio(QWidget* w, const char* nome) {
        T* trovato = w->findChild<T*>(nome);
        if (trovato == nullptr) qFatal("no control %s", nome);
        return trovato;
    }

    void avvia() {
        m_programma->apri_entrata();
        QTest::keyClick(figlio<QLineEdit>(m_programma->finestra_entrata(), "giorno"),
                        Qt::Key_Return);
        QVERIFY(principale() != nullptr);
        QTRY_VERIFY(m_programma->finestra_entrata() == nullptr); // closed by the load
        // The consistency check has its own tests; this day is about the files.
        figlio<QRadioButton>(principale(), "Option2")->setChecked(true);
    }

    int numero() const { return m_programma->stato().sessione.numero_ionogramma; }

    /// Types the h'F letters D and S on the sounding shown.
    void lettere_hf() {
        QTest::mouseClick(figlio<QLabel>(principale(), "hF"), Qt::LeftButton);
        QTest::keyClicks(figlio<QLineEdit>(principale(), "Text24"), "D");
        QTest::keyClicks(figlio<QLineEdit>(principale(), "Text38"), "S");
        m_attesi[numero()].replace(123, 2, "DS"); // positions 124-125
    }

    void tipi_es(const char* tipi) {
        QTest::mouseClick(figlio<QLabel>(principale(), "tipoEs"), Qt::LeftButton);
        QTest::keyClicks(figlio<QLineEdit>(principale(), "Text7"), tipi);
        m_attesi[numero()].replace(90, 5, (std::string(tipi) + "     ").substr(0, 5));
    }

    void muovi(const char* etichetta, int numero_atteso) {
        QTest::mouseClick(figlio<QLabel>(principale(), etichetta), Qt::LeftButton);
        QCOMPARE(numero(), numero_atteso);
    }

    void controlla_file() {
        std::string attesi;
        for (const auto& [k, r] : m_attesi) attesi += r;
        const std::string letti = leggi(m_risultati);
        QCOMPARE(letti.size(), attesi.size());
        for (int k = 1; k <= 96; ++k)
            QVERIFY2(letti.substr((k - 1) * 248, 248) == m_attesi[k],
                     qPrintable("record " + QString::number(k) + ": " +
                                QString::fromStdString(letti.substr((k - 1) * 248, 248))));
        for (const auto& [file, byte] : m_ionogrammi)
            QVERIFY2(leggi(file) == byte, file.c_str());
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        m_cartella = std::make_unique<prova::cartella_temporanea>();
        m_prima = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(m_cartella->percorso().string()));
        std::ofstream(m_cartella->percorso() / "setting.txt", std::ios::binary)
            << "05-03-2023\r\n07\r\n45\r\n15\r\n32\r\n";
        fs::create_directories(m_cartella->percorso() / "ionograms");
        m_risultati = m_cartella->percorso() / "ionograms" / "QX106_05032023_15.txt";
        m_attesi.clear();
        std::ofstream risultati(m_risultati, std::ios::binary);
        for (int k = 1; k <= 96; ++k) risultati << (m_attesi[k] = record_iniziale(k));
        risultati.close();
        // Files at 07:30, 07:45, 08:00; none at 08:15; one too short at 08:30.
        m_ionogrammi.clear();
        prova::rdf_di_prova corto;
        corto.scarto = -1;
        for (auto [h, m, rdf] : {std::tuple{7, 30, prova::rdf_di_prova{}}, {7, 45, {}}, {8, 0, {}},
                                 {8, 30, corto}}) {
            prova::scrivi_file(ionogramma(h, m), rdf.byte());
            m_ionogrammi[ionogramma(h, m)] = leggi(ionogramma(h, m));
        }
        m_messaggi = prova::messaggi_finti{};
        m_programma = std::make_unique<applicazione>(m_messaggi, prova::schermo_largo);
    }

    void cleanup() {
        if (principale()) {
            principale()->caselle().imposta_testo("Text7", "");
            principale()->close();
        }
        m_programma.reset();
        QDir::setCurrent(m_prima);
        m_cartella.reset();
    }

    void aDayOfMovesLeavesEachValueWhereItWasTyped() {
        avvia();
        lettere_hf();                  // 07:45
        muovi("successivo", 33);       // 08:00
        tipi_es("C1");
        muovi("successivo", 34);       // 08:15, no file
        lettere_hf();
        muovi("successivo", 35);       // 08:30, too short
        muovi("prima", 34);
        QCOMPARE(principale()->caselle().testo("Text38"), std::string("S"));
        muovi("prima", 33);
        QCOMPARE(principale()->caselle().testo("Text7"), std::string("C1"));
        QCOMPARE(principale()->caselle().testo("Text38"), std::string(""));
        // The day overview asks for a sounding: the same steps as a move.
        emit principale()->spostamentoRichiesto(31); // 07:30
        QCOMPARE(principale()->caselle().testo("Text1"), std::string("41"));
        lettere_hf();
        QCOMPARE(principale()->sessione().grandezza_corrente(), std::string("hF"));

        // The companion opens on 07:45 and steps to 08:00; the main window
        // keeps its sounding.
        QTest::mouseClick(figlio<QPushButton>(principale(), "show_next_ionogram"), Qt::LeftButton);
        QPointer<immagine_next_ionogram> compagna = principale()->compagna();
        QVERIFY(compagna && compagna->windowTitle().contains("07:45"));
        QTest::mouseClick(figlio<QPushButton>(compagna, "next_new_form"), Qt::LeftButton);
        QVERIFY(compagna->windowTitle().contains("08:00"));
        QVERIFY(principale()->windowTitle().contains("07:30"));
        QCOMPARE(numero(), 31);

        QVERIFY(principale()->close());
        QTRY_VERIFY(compagna.isNull());
        QVERIFY(m_messaggi.mostrati.empty());
        controlla_file();
        QCOMPARE(leggi(m_cartella->percorso() / "setting.txt"),
                 std::string("05-03-2023\r\n07\r\n30\r\n15\r\n31\r\n"));

        // A new start resumes at 07:30 with what was typed there.
        m_programma = std::make_unique<applicazione>(m_messaggi, prova::schermo_largo);
        m_programma->apri_entrata();
        QCOMPARE(figlio<QComboBox>(m_programma->finestra_entrata(), "minutes")->currentText(),
                 QString("30"));
        avvia();
        QCOMPARE(numero(), 31);
        QVERIFY(principale()->windowTitle().contains("07:30"));
        QCOMPARE(principale()->caselle().testo("Text24"), std::string("D"));
        QCOMPARE(principale()->caselle().testo("Text38"), std::string("S"));
        QCOMPARE(principale()->caselle().testo("Text1"), std::string("41"));
    }

    // Esc saves and brings back the start window, whose load closes the main
    // and companion windows; Enter goes on where the operator left.
    void escapeGoesBackToTheStartWindow() {
        avvia();
        muovi("successivo", 33);
        lettere_hf();
        QTest::mouseClick(figlio<QPushButton>(principale(), "show_next_ionogram"), Qt::LeftButton);
        QPointer<immagine_next_ionogram> compagna = principale()->compagna();
        QPointer<immagine> vecchia = principale();
        QTest::keyClick(vecchia->focusWidget(), Qt::Key_Escape);
        QVERIFY(m_programma->finestra_entrata() != nullptr);
        QVERIFY(m_programma->finestra_entrata()->isVisible());
        QTRY_VERIFY(vecchia.isNull());
        QTRY_VERIFY(compagna.isNull());
        QCOMPARE(figlio<QComboBox>(m_programma->finestra_entrata(), "hour")->currentText(),
                 QString("08"));
        QCOMPARE(figlio<QComboBox>(m_programma->finestra_entrata(), "minutes")->currentText(),
                 QString("00"));
        controlla_file();
        QTest::keyClick(figlio<QLineEdit>(m_programma->finestra_entrata(), "giorno"),
                        Qt::Key_Return);
        QVERIFY(principale() != nullptr);
        QCOMPARE(numero(), 33);
        QCOMPARE(principale()->caselle().testo("Text38"), std::string("S"));
        QVERIFY(m_messaggi.mostrati.empty());
    }

    // A main window that refuses to close keeps the day: the start window
    // does not open beside it.
    void aRefusedClosingKeepsTheMainWindowAlone() {
        avvia();
        principale()->caselle().imposta_testo("Text7", "C1F");
        m_programma->apri_entrata();
        QCOMPARE(m_messaggi.testi(),
                 std::vector<std::string>{"The format Es Types is not correct!!"});
        QVERIFY(m_programma->finestra_entrata() == nullptr);
        QVERIFY(principale() != nullptr && principale()->isVisible());
        QCOMPARE(numero(), 32);
    }

    // Every load of the start window checks the screen: one that has become
    // too narrow by the time of Esc ends the program there.
    void aNarrowScreenAfterEscapeEndsTheProgram() {
        int controlli = 0;
        m_programma = std::make_unique<applicazione>(
            m_messaggi, [&](messaggi&) { return ++controlli == 1; });
        avvia();
        QTimer::singleShot(0, this, [&] { principale()->Form_KeyDown(Qt::Key_Escape, {}); });
        QTimer::singleShot(5000, this, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(controlli, 2);
        QVERIFY(m_programma->finestra_entrata() == nullptr);
    }

    // Closing the main window for the start window must not end the program.
    void theProgramGoesOnAfterEscape() {
        avvia();
        int uscite = 0;
        connect(qApp, &QCoreApplication::aboutToQuit, this, [&] { ++uscite; });
        bool visto = false;
        QTimer::singleShot(0, this, [&] { principale()->Form_KeyDown(Qt::Key_Escape, {}); });
        QTimer::singleShot(200, this, [&] {
            visto = m_programma->finestra_entrata() && m_programma->finestra_entrata()->isVisible() &&
                    principale() == nullptr;
            QCoreApplication::exit(7);
        });
        QCOMPARE(QCoreApplication::exec(), 7);
        QVERIFY(visto);
        QCOMPARE(uscite, 1); // only the test's own exit
        if (m_programma->finestra_entrata()) m_programma->finestra_entrata()->close();
    }
};

QTEST_MAIN(TestGiornata)
#include "test_giornata.moc"
