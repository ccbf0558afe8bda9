// The companion window beside the real main window (offscreen): where it
// opens, what it shows, how it steps, and that the main window never notices.

#include "common/fakes.h"
#include "common/giornata_di_prova.h"
#include "common/sessione_di_prova.h"
#include "display/geometria_grafico.h"
#include "session/file_risultati.h"
#include "windows/immagine.h"
#include "windows/immagine_next_ionogram.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

using namespace velaris;

namespace {

const QString titolo_0800 = "VELARIS - file: QX106_2023064080000.rdf * Ostrand * "
                            "2023-March-5  08:00 [UT]  (sounding frequency step = 0.05 MHz)";

} // namespace

class TestCompagna : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<prova::cartella_temporanea> m_cartella;
    stato_programma m_stato;
    prova::messaggi_finti m_messaggi;

    std::unique_ptr<immagine> apri() {
        auto finestra = std::make_unique<immagine>(m_stato, m_messaggi);
        finestra->show();
        finestra->caricamento_ionogramma();
        // The moves here are about the companion, not the consistency check.
        finestra->findChild<QRadioButton*>("Option2")->setChecked(true);
        return finestra;
    }

    static void clic(QWidget* w, const char* nome) {
        auto* b = w->findChild<QPushButton*>(nome);
        QVERIFY2(b != nullptr, nome);
        QTest::mouseClick(b, Qt::LeftButton);
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        m_cartella = std::make_unique<prova::cartella_temporanea>();
        prova::prepara_sessione(m_stato, m_cartella->percorso());
        m_messaggi = prova::messaggi_finti{};
        for (auto [h, m] : {std::pair{7, 30}, {7, 45}, {8, 0}})
            prova::scrivi_ionogramma(m_stato, h, m);
        prova::caselle_finte corrente;
        corrente.imposta_testo("Text13", "52");
        scrittura_record(m_stato.sessione.file_risultati, 32, composizione_record(corrente, 7, 45));
    }

    void cleanup() { m_cartella.reset(); }

    void opensOnTheNextSoundingAgainstTheRightEdge() {
        auto w = apri();
        const QString titolo = w->windowTitle();
        clic(w.get(), "show_next_ionogram");
        immagine_next_ionogram* c = w->compagna();
        QVERIFY(c != nullptr);
        QVERIFY(c->isVisible());
        QCOMPARE(c->windowTitle(), titolo_0800);
        // The plot of the companion's margins: its frame corner at (30, 670).
        const geometria_grafico g = geometria_grafico::finestra_compagna();
        QCOMPARE(c->superficie().size(), QSize(825, 721));
        QCOMPARE(c->superficie().pixel(g.colonna(0), g.riga(0)), qRgb(255, 255, 0));
        QCOMPARE(c->superficie().pixel(g.colonna(4), g.riga(300)), qRgb(100, 100, 100));
        const QRect area = c->screen()->availableGeometry();
        QCOMPARE(c->frameGeometry().x(), area.x() + 2 * ((area.width() - c->frameGeometry().width()) / 2));
        // The main window is as it was.
        QCOMPARE(w->windowTitle(), titolo);
        QCOMPARE(w->findChild<QLineEdit*>("Text13")->text(), QString("52"));
        QVERIFY(m_messaggi.mostrati.empty());
    }

    void stepsOnItsOwnThroughMissingFiles() {
        auto w = apri();
        const QString titolo = w->windowTitle();
        clic(w.get(), "show_next_ionogram");
        immagine_next_ionogram* c = w->compagna();
        clic(c, "next_new_form"); // 08:15: no file
        QCOMPARE(c->windowTitle(), QString("VELARIS - file: QX106_2023064081500.rdf * Ostrand * "
                                           "2023-March-5  08:15 [UT]"));
        QVERIFY(!m_stato.successivo_presente);
        QVERIFY(!c->findChild<QLabel*>("stato_file")->text().isEmpty());
        const geometria_grafico g = geometria_grafico::finestra_compagna();
        QCOMPARE(c->superficie().pixel(g.colonna(4), g.riga(300)), qRgb(0, 0, 0)); // no grid
        for (const char* atteso : {"08:00", "07:45", "07:30"}) {
            clic(c, "previous_new_form");
            QVERIFY2(c->windowTitle().contains(atteso), atteso);
            QVERIFY(m_stato.successivo_presente);
        }
        QCOMPARE(w->windowTitle(), titolo);

        // The main window moves on; the companion stays until asked again.
        QTest::mouseClick(w->findChild<QLabel*>("successivo"), Qt::LeftButton);
        QVERIFY(c->windowTitle().contains("07:30"));
        clic(w.get(), "show_next_ionogram");
        QCOMPARE(w->compagna(), c);
        QVERIFY(c->windowTitle().contains("08:15"));
        QVERIFY(m_messaggi.mostrati.empty());
    }

    // At the main window's last sounding nothing opens (the messages at the
    // ends of the day are the companion time's own tests).
    void nothingOpensAtTheLastSounding() {
        m_stato.sessione.ora_corrente = 23;
        m_stato.sessione.minuti_correnti = 45;
        m_stato.sessione.numero_ionogramma = 96;
        auto w = apri();
        clic(w.get(), "show_next_ionogram");
        QCOMPARE(m_messaggi.testi(),
                 std::vector<std::string>{"This is the last ionogram you can scale"});
        QVERIFY(w->compagna() == nullptr);
    }
};

QTEST_MAIN(TestCompagna)
#include "test_compagna.moc"
