// The day overview window from the main window: View > Day overview
// opens it on the day's results, a save redraws it, a click on a time asks
// the main window for that sounding.

#include "common/fakes.h"
#include "common/sessione_di_prova.h"
#include "common/rdf_di_prova.h"
#include "display/panoramica_giorno.h"
#include "session/file_risultati.h"
#include "windows/immagine.h"
#include "windows/panoramica_giorno.h"

#include <QAction>
#include <QSignalSpy>
#include <QRadioButton>
#include <QtTest>

using namespace velaris;

namespace {

/// foF2 of the session's day (interval 15) at hour:00, through the results
/// file as the main window writes it.
void scrivi_fof2(const stato_programma& stato, int ora, const char* valore) {
    prova::caselle_finte caselle;
    caselle.imposta_testo("Text13", valore);
    scrittura_record(stato.sessione.file_risultati, ora * 4 + 1, composizione_record(caselle, ora, 0));
}

/// Where foF2 = tenths / 10 MHz at hour:00 stands: 36 columns an hour from
/// column 64, 9 rows a MHz above the frequency panel's bottom row 252.
QPoint punto_fof2(int ora, int decimi) { return {64 + 36 * ora, 252 - decimi * 9 / 10}; }

} // namespace

class TestPanoramica : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<prova::cartella_temporanea> m_cartella;
    stato_programma m_stato;
    prova::messaggi_finti m_messaggi;

private slots:
    void init() {
        m_cartella = std::make_unique<prova::cartella_temporanea>();
        prova::prepara_sessione(m_stato, m_cartella->percorso());
        scrivi_fof2(m_stato, 6, " 50");
    }
    void cleanup() { m_cartella.reset(); }

    void menuOpensUpdatesAndPassesClicksOn() {
        immagine principale(m_stato, m_messaggi);
        collega_panoramica_giorno(principale, m_stato);
        principale.show();
        principale.caricamento_ionogramma();
        QAction* voce = principale.findChild<QAction*>("panoramica_giorno");
        QVERIFY(voce != nullptr);
        QCOMPARE(voce->text(), QString("Day &overview"));
        QVERIFY(principale.findChild<panoramica_giorno*>() == nullptr);

        voce->trigger();
        auto* finestra = principale.findChild<panoramica_giorno*>();
        QVERIFY(finestra != nullptr);
        QVERIFY(finestra->isVisible());
        QCOMPARE(finestra->windowTitle(), QString("Day overview"));
        const QRgb rosso = qRgb(200, 0, 0);
        QCOMPARE(finestra->immagine_panoramica().pixel(punto_fof2(6, 50)), rosso);
        // The sounding being scaled (07:45) is marked.
        QCOMPARE(finestra->immagine_panoramica().pixel(64 + 36 * 7 + 27, 150),
                 colore_sondaggio_corrente);

        // A record saved elsewhere shows once the saving operation has ended.
        scrivi_fof2(m_stato, 12, " 80");
        emit principale.recordSalvato();
        QVERIFY(finestra->immagine_panoramica().pixel(punto_fof2(12, 80)) != rosso);
        QTRY_COMPARE(finestra->immagine_panoramica().pixel(punto_fof2(12, 80)), rosso);

        // A write by any other path (a move's save) shows too: the window
        // watches the file.
        scrivi_fof2(m_stato, 15, " 90");
        QTRY_COMPARE(finestra->immagine_panoramica().pixel(punto_fof2(15, 90)), rosso);

        // Asked again, it raises the same window.
        voce->trigger();
        QCOMPARE(principale.findChildren<panoramica_giorno*>().size(), 1);

        QSignalSpy richieste(&principale, &immagine::spostamentoRichiesto);
        QTest::mouseClick(finestra, Qt::LeftButton, {}, QPoint(64 + 36 * 9, 400));
        QTest::mouseClick(finestra, Qt::LeftButton, {}, QPoint(10, 400)); // left of 00:00
        QTest::mouseClick(finestra, Qt::LeftButton, {}, QPoint(64 + 36 * 9, 20)); // the title
        QCOMPARE(richieste.size(), 1);
        QCOMPARE(richieste.front().front().toInt(), 37);
    }

    void closingSavesAndSaysSo() {
        auto principale = std::make_unique<immagine>(m_stato, m_messaggi);
        principale->show();
        principale->caricamento_ionogramma();
        QSignalSpy salvati(principale.get(), &immagine::recordSalvato);
        // The saving is under test, not the consistency check.
        principale->findChild<QRadioButton*>("Option2")->setChecked(true);
        principale->close();
        QCOMPARE(salvati.size(), 1);
    }

    void unreadableResultsShowEmptyPanelsAndTheReason() {
        std::filesystem::resize_file(m_stato.sessione.file_risultati, 100);
        panoramica_giorno finestra(m_stato);
        // Beside the 06:00 grid line, where the value's disc would be.
        QCOMPARE(finestra.immagine_panoramica().pixel(punto_fof2(6, 50) + QPoint(2, 0)),
                 qRgb(255, 255, 255));
        QSignalSpy richieste(&finestra, &panoramica_giorno::ionogrammaRichiesto);
        QTest::mouseClick(&finestra, Qt::LeftButton, {}, QPoint(64 + 36 * 9, 400));
        QCOMPARE(richieste.size(), 0);
    }
};

QTEST_MAIN(TestPanoramica)
#include "test_panoramica.moc"
