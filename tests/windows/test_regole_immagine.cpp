// Drives the real main window offscreen through the letters, the particular
// cases, the Es types and the check on closing: keys typed into the real
// boxes, the real menu entries and buttons.

#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "common/sessione_di_prova.h"
#include "session/file_risultati.h"
#include "windows/immagine.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace velaris;

class TestRegoleImmagine : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<prova::cartella_temporanea> m_cartella;
    stato_programma m_stato;
    prova::messaggi_finti m_messaggi;

    std::unique_ptr<immagine> apri() {
        auto w = std::make_unique<immagine>(m_stato, m_messaggi);
        w->show();
        QApplication::setActiveWindow(w.get());
        if (!QTest::qWaitForWindowActive(w.get())) qFatal("the window never became active");
        w->caricamento_ionogramma();
        return w;
    }

    template <typename T = QLineEdit> static T* figlio(QWidget* w, const char* nome) {
        T* trovato = w->findChild<T*>(nome);
        if (trovato == nullptr) qFatal("no control %s", nome);
        return trovato;
    }
    static QString testo(QWidget* w, const char* nome) { return figlio(w, nome)->text(); }
    static void clic(QWidget* w, const char* nome) {
        QTest::mouseClick(figlio<QWidget>(w, nome), Qt::LeftButton);
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        m_cartella = std::make_unique<prova::cartella_temporanea>();
        prova::prepara_sessione(m_stato, m_cartella->percorso());
        m_stato.codice_caso_particolare = "xx";
        m_messaggi = prova::messaggi_finti{};
        prova::caselle_finte corrente;
        corrente.imposta_testo("Text2", "105");
        corrente.imposta_testo("Text3", "345");
        corrente.imposta_testo("Text1", "15");
        scrittura_record(m_stato.sessione.file_risultati, 32, composizione_record(corrente, 7, 45));
        prova::scrivi_file(prova::file_ionogramma_0745(m_stato), prova::rdf_di_prova{}.byte());
    }

    void cleanup() { m_cartella.reset(); }

    void lettersTypedAndClicked() {
        auto w = apri();
        QLineEdit* q = figlio(w.get(), "lettera_qualificativa_fof2");
        QLineEdit* d = figlio(w.get(), "lettera_descrittiva_fof2");
        clic(w.get(), "lettera_qualificativa_fof2"); // selects foF2, ends in its d.l.
        QCOMPARE(QApplication::focusWidget(), d);
        q->setFocus();
        QTest::keyClicks(q, "x7"); // a refusal with its message, a silent one
        QCOMPARE(m_messaggi.mostrati.size(), std::size_t{1});
        QCOMPARE(q->text(), QString());
        QTest::keyClick(q, 'a');
        QCOMPARE(q->text(), QString("A"));
        QCOMPARE(QApplication::focusWidget(), d);
        QTest::keyClicks(d, "u[x");
        QCOMPARE(m_messaggi.mostrati.size(), std::size_t{2});
        QCOMPARE(d->text(), QString("X"));
        QTest::keyClick(d, Qt::Key_Backspace);
        QCOMPARE(d->text(), QString());
        QCOMPARE(QApplication::focusWidget(), d);
        clic(w.get(), "Text17");
        QCOMPARE(w->sessione().grandezza_corrente(), std::string("fmin"));
        QCOMPARE(QApplication::focusWidget(), figlio(w.get(), "Text23"));
        clic(w.get(), "lettera_descrittiva_muf3000f2");
        QCOMPARE(QApplication::focusWidget(), figlio(w.get(), "lettera_descrittiva_muf3000f2"));
        clic(w.get(), "lettera_qualificativa_m3000f1"); // derived letters select nothing
        QCOMPARE(w->sessione().grandezza_corrente(), std::string("MUF3000F2"));
    }

    void leavingAnF1LetterDerivesTheM3000F1Letters() {
        auto w = apri();
        w->caselle().imposta_testo("Text11", "300");
        w->caselle().imposta_testo("lettera_qualificativa_fof1", "U");
        w->caselle().imposta_testo("lettera_descrittiva_muf3000f1", "A");
        clic(w.get(), "foF1");
        QTest::keyClick(figlio(w.get(), "lettera_descrittiva_fof1"), 'a');
        clic(w.get(), "Text23");
        QCOMPARE(testo(w.get(), "lettera_qualificativa_m3000f1"), QString("U"));
        QCOMPARE(testo(w.get(), "lettera_descrittiva_m3000f1"), QString("A"));
    }

    // The real focus: the box typed in is left on its own sounding, and the
    // focus the load puts into foF2's box derives nothing (test_spostamento).
    void derivedLettersGoWithTheSoundingLeft() {
        prova::caselle_finte seguente;
        seguente.imposta_testo("Text16", "410");
        seguente.imposta_testo("lettera_descrittiva_fof2", "S");
        scrittura_record(m_stato.sessione.file_risultati, 33, composizione_record(seguente, 8, 0));
        auto w = apri();
        figlio<QRadioButton>(w.get(), "Option2")->setChecked(true);
        w->caselle().imposta_testo("Text16", "367");
        clic(w.get(), "lettera_descrittiva_muf3000f2");
        QTest::keyClick(figlio(w.get(), "lettera_descrittiva_muf3000f2"), 'b');
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
        QCOMPARE(testo(w.get(), "lettera_descrittiva_m3000f2"), QString());
        const std::string record = lettura_record(m_stato.sessione.file_risultati, 32);
        QCOMPARE(record.substr(243, 2), std::string(" B")); // the letters of M(3000)F2
    }

    void esTypesBoxAndButtons() {
        auto w = apri();
        auto* su = figlio<QPushButton>(w.get(), "Esup");
        auto* giu = figlio<QPushButton>(w.get(), "Esdown");
        w->caselle().imposta_testo("Text5", "170");
        clic(w.get(), "tipoEs");
        QLineEdit* tipi = figlio(w.get(), "Text7");
        QCOMPARE(tipi->text(), QString("H1"));
        QVERIFY(su->isVisible() && giu->isVisible());
        QTest::mouseClick(su, Qt::LeftButton);
        QCOMPARE(tipi->text(), QString("H2"));
        QTest::mouseClick(giu, Qt::LeftButton);
        QCOMPARE(tipi->text(), QString("H1"));
        tipi->clear();
        tipi->setFocus();
        QTest::keyClicks(tipi, "n1c0 2h1s");
        QCOMPARE(tipi->text(), QString("C2H1"));
        for (const Qt::Key tasto : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Delete})
            QTest::keyClick(tipi, tasto);
        QCOMPARE(tipi->cursorPosition(), 4);
        QTest::keyClick(tipi, Qt::Key_Backspace);
        QCOMPARE(tipi->text(), QString("C2H"));
        clic(w.get(), "hE");
        QVERIFY(!su->isVisible());
    }

    void withoutAnIonogramFunctionKeysWork() {
        std::filesystem::remove(prova::file_ionogramma_0745(m_stato));
        auto w = apri();
        clic(w.get(), "Text7"); // a click into the box selects the Es types
        QVERIFY(!figlio<QAction>(w.get(), "mancanza_es_di_giorno_principale")->isEnabled());
        QTest::keyClick(figlio(w.get(), "Text7"), Qt::Key_F5);
        QCOMPARE(m_stato.codice_caso_particolare, std::string("02"));
        QCOMPARE(testo(w.get(), "Text6"), QString("35"));
    }

    void particularCasesFromTheMenuAndTheFunctionKeys() {
        auto w = apri();
        QLabel* caso = figlio<QLabel>(w.get(), "Label11");
        figlio<QAction>(w.get(), "mancanza_es_di_giorno_principale")->trigger();
        QCOMPARE(m_stato.codice_caso_particolare, std::string("02"));
        QCOMPARE(w->sessione().grandezza_corrente(), std::string("hF"));
        QVERIFY(!caso->text().isEmpty());
        QTest::keyClick(figlio(w.get(), "Text38"), Qt::Key_F8);
        QCOMPARE(testo(w.get(), "Text4"), QString());
        QCOMPARE(caso->text(), QString());
        QCOMPARE(m_stato.codice_caso_particolare, std::string("xx"));
        for (const auto& [nome, t] : {std::pair{"Text4", "50"}, {"Text5", "110"}, {"Text7", "C1"}})
            w->caselle().imposta_testo(nome, t);
        figlio<QAction>(w.get(), "giorno_doppia_riflessione_magfoEs")->trigger();
        QCOMPARE(m_stato.codice_caso_particolare, std::string("3b"));
        QCOMPARE(testo(w.get(), "Text6"), QString("50"));
        QTest::keyClick(w.get(), Qt::Key_F6); // refused at day
        QCOMPARE(m_messaggi.mostrati.size(), std::size_t{1});
        QTest::keyClick(figlio(w.get(), "Text38"), Qt::Key_F7);
        QCOMPARE(m_stato.codice_caso_particolare, std::string("05"));
        const QString assorbimento = caso->text();
        QTest::keyClick(w.get(), Qt::Key_F9);
        QCOMPARE(m_stato.codice_caso_particolare, std::string("06"));
        QCOMPARE(caso->text(), assorbimento);
        QCOMPARE(testo(w.get(), "Text23"), QString("C"));
    }

    void closingIsStoppedByTheCheckAndThePointedBoxesAreFramed() {
        auto w = apri();
        QVERIFY(!w->close()); // fmin has a value: fbEs is the first missing
        QCOMPARE(m_messaggi.mostrati.size(), std::size_t{1});
        QLineEdit* valore = figlio(w.get(), "Text6");
        QVERIFY(valore->property("evidenziata").toBool());
        QVERIFY(figlio(w.get(), "Text37")->property("evidenziata").toBool());
        QVERIFY(!valore->styleSheet().isEmpty());
        QVERIFY(!figlio(w.get(), "Text1")->property("evidenziata").toBool());
        w->caselle().imposta_testo("Text13", "52"); // any change ends the frames
        QVERIFY(!valore->property("evidenziata").toBool());
        QVERIFY(valore->styleSheet().isEmpty());
        QCOMPARE(lettura_record(m_stato.sessione.file_risultati, 32).substr(165, 3), std::string("   "));
        figlio<QRadioButton>(w.get(), "Option2")->setChecked(true);
        QVERIFY(w->close());
    }
};

QTEST_MAIN(TestRegoleImmagine)
#include "test_regole_immagine.moc"
