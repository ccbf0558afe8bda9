// The start window driven with real keys and clicks, offscreen, in a scratch
// working folder that holds the settings of 05-03-2023 07:45, interval 15.

#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "windows/entrata.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include <memory>

using namespace velaris;

constexpr std::string_view marzo = "05-03-2023\r\n07\r\n45\r\n15\r\n32\r\n";

class TestEntrata : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(m_cartella.path())); }

    void init() {
        QDir("ionograms").removeRecursively();
        prova::scrivi_file("setting.txt", byte(marzo));
        m_messaggi.mostrati.clear();
    }

    // The stored values, the names screen readers give the controls, and the
    // interval rule: another interval brings back midnight, the stored one
    // the stored time, but only on the stored day. The load forgets the main
    // window's ionogram.
    void mostraLUltimaPosizione() {
        m_stato.ionogramma_presente = true; // left so by a main window before Esc
        apri();
        QVERIFY(!m_stato.ionogramma_presente);
        QCOMPARE(giorno()->text() + " " + mostrati(), QString("05-03-2023 07 45 15"));
        QVERIFY(!lista("hour")->isEditable() && !lista("minutes")->isEditable());
        QStringList nomi;
        for (const char* controllo : {"giorno", "hour", "minutes", "Label5", "incremento"})
            nomi << m_finestra->findChild<QWidget*>(controllo)->accessibleName();
        QCOMPARE(nomi, QStringList({"Date (dd-mm-yyyy)", "Hour of the sounding",
                                    "Minutes of the sounding", "START SCALING OF IONOGRAMS",
                                    "Difference in minutes between two consecutive ionograms"}));

        lista("incremento")->setFocus();
        QTest::keyClick(lista("incremento"), Qt::Key_Down);
        QCOMPARE(mostrati(), QString("00 00 30"));
        QCOMPARE(lista("minutes")->count(), 2);
        QTest::keyClick(lista("incremento"), Qt::Key_Up);
        QCOMPARE(mostrati(), QString("07 45 15"));

        // On another day the stored interval does not bring back the stored time.
        giorno()->setText("06-03-2023");
        QTest::keyClick(lista("incremento"), Qt::Key_Down);
        QTest::keyClick(lista("incremento"), Qt::Key_Up);
        QCOMPARE(mostrati(), QString("00 00 15"));
    }

    // Only digits, "-" and backspace reach the date; leaving it changed brings
    // back midnight; a wrong date shows why and writes nothing.
    void casellaDellaData() {
        apri();
        QSignalSpy avviata(m_finestra.get(), &entrata::sessioneAvviata);
        giorno()->setFocus();
        giorno()->selectAll();
        QTest::keyClick(giorno(), Qt::Key_Backspace);
        QTest::keyClicks(giorno(), "3a1-04/-2023.");
        QCOMPARE(giorno()->text(), QString("31-04-2023"));
        QTest::keyClick(giorno(), Qt::Key_Tab);
        QCOMPARE(mostrati(), QString("00 00 15"));
        QTest::keyClick(lista("hour"), Qt::Key_Return);
        QCOMPARE(avviata.count(), 0);
        QCOMPARE(m_messaggi.testi(),
                 std::vector<std::string>{"The day of the date is not correct!!"});
        QVERIFY(prova::contenuto_file("setting.txt") == byte(marzo));
    }

    // Return or keypad Enter in any control, or a click on the start label.
    void ogniControlloAvvia() {
        const std::pair<const char*, Qt::Key> casi[] = {
            {"giorno", Qt::Key_Return},    {"hour", Qt::Key_Enter},    {"minutes", Qt::Key_Return},
            {"incremento", Qt::Key_Enter}, {"Label5", Qt::Key_Return}, {"Label5", Qt::Key_unknown},
        };
        for (auto [nome, tasto] : casi) {
            apri();
            QSignalSpy avviata(m_finestra.get(), &entrata::sessioneAvviata);
            auto* controllo = m_finestra->findChild<QWidget*>(nome);
            tasto == Qt::Key_unknown ? QTest::mouseClick(controllo, Qt::LeftButton)
                                     : QTest::keyClick(controllo, tasto);
            QVERIFY2(avviata.count() == 1, nome);
        }
        QCOMPARE(QFileInfo("ionograms/QX106_05032023_15.txt").size(), qint64{96 * 248});
    }

    // No file: today, 00:00, interval 15, silently; a short one the same,
    // with a warning. A damaged one shows the nearest time the lists hold and
    // stays as it is until a session starts. The date box holds ten
    // characters at most.
    void primaEsecuzioneEFileDanneggiato() {
        QFile::remove("setting.txt");
        const QString prima = QDateTime::currentDateTimeUtc().date().toString("dd-MM-yyyy");
        apri();
        const QString dopo = QDateTime::currentDateTimeUtc().date().toString("dd-MM-yyyy");
        QVERIFY(giorno()->text() == prima || giorno()->text() == dopo);
        QCOMPARE(mostrati(), QString("00 00 15"));
        QVERIFY(m_messaggi.mostrati.empty()); // a first run is nothing to warn about
        // A file that is there but unusable is said so, once, at the load.
        prova::scrivi_file("setting.txt", byte("05-03-2023\r\n07\r\n"));
        apri();
        QCOMPARE(m_messaggi.mostrati.size(), std::size_t{1});
        QCOMPARE(m_messaggi.mostrati.at(0).titolo, std::string("Be careful!!"));
        QVERIFY(m_messaggi.mostrati.at(0).testo.starts_with(
            "The settings file setting.txt cannot be used: it holds only 2 of its 5 lines."));
        QCOMPARE(mostrati(), QString("00 00 15"));
        m_messaggi.mostrati.clear();
        for (auto [file, attesi] : {std::pair{"x\r\n7\r\n20\r\n5\r\n99999999\r\n", "07 20 05"},
                                    {"x\r\n9E999\r\n20\r\n20\r\n1\r\n", "00 15 15"}}) {
            prova::scrivi_file("setting.txt", byte(file));
            apri();
            QCOMPARE(mostrati(), QString(attesi));
            QVERIFY(prova::contenuto_file("setting.txt") == byte(file));
        }
        // The key filter holds even while the box shows a date it would refuse.
        giorno()->setFocus();
        QTest::keyClicks(giorno(), "a/.-1234567890");
        QCOMPARE(giorno()->text(), QString("x-12345678"));
    }

    // The offscreen screen is 800 pixels wide: too narrow for the main window.
    void schermoTroppoStretto() {
        QVERIFY(schermo_sufficiente(801) && !controllo_schermo(m_messaggi));
        QCOMPARE(m_messaggi.testi(),
                 std::vector<std::string>{
                     "To use this software the monitor resolution has to be at least 1024 X 768"});
    }

private:
    void apri() {
        m_finestra = std::make_unique<entrata>(m_stato, m_messaggi);
        m_finestra->show();
        QVERIFY(QTest::qWaitForWindowActive(m_finestra.get()));
    }

    static std::vector<unsigned char> byte(std::string_view s) { return {s.begin(), s.end()}; }
    QLineEdit* giorno() const { return m_finestra->findChild<QLineEdit*>("giorno"); }
    QComboBox* lista(const char* nome) const { return m_finestra->findChild<QComboBox*>(nome); }
    QString voce(const char* nome) const { return lista(nome)->currentText(); }
    // Hour, minutes and interval as the lists show them.
    QString mostrati() const {
        return voce("hour") + " " + voce("minutes") + " " + voce("incremento");
    }

    QTemporaryDir m_cartella;
    stato_programma m_stato;
    prova::messaggi_finti m_messaggi;
    std::unique_ptr<entrata> m_finestra;
};

QTEST_MAIN(TestEntrata)
#include "test_entrata.moc"
