// Drives the real main window offscreen: what the load shows, selection by
// label clicks, typing limits, the cursor read-out, the status line and the
// saving on close.

#include "common/rdf_di_prova.h"
#include "common/sessione_di_prova.h"
#include "display/geometria_grafico.h"
#include "common/fakes.h"
#include "session/file_risultati.h"
#include "windows/immagine.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QtTest>

#include <unistd.h>


using namespace velaris;

class TestImmagine : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<prova::cartella_temporanea> m_cartella;
    stato_programma m_stato;
    prova::messaggi_finti m_messaggi;

    std::filesystem::path file_ionogramma() const { return prova::file_ionogramma_0745(m_stato); }

    std::unique_ptr<immagine> apri() {
        auto finestra = std::make_unique<immagine>(m_stato, m_messaggi);
        finestra->show();
        finestra->caricamento_ionogramma();
        return finestra;
    }

    template <typename T> static T* figlio(QWidget* w, const char* nome) {
        T* trovato = w->findChild<T*>(nome);
        if (trovato == nullptr) qFatal("no control %s", nome);
        return trovato;
    }

    /// Moves the pointer onto plot pixel (x, y), `dentro` into that pixel.
    void muovi(immagine& w, int x, int y, QPointF dentro = {}) {
        QWidget* superficie = w.centralWidget();
        const geometria_grafico g = geometria_grafico::finestra_principale();
        const QPointF p = QPointF(g.colonna(x), g.riga(y)) + dentro;
        QMouseEvent evento(QEvent::MouseMove, p, superficie->mapToGlobal(p), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(superficie, &evento);
    }

    static QString testo(QWidget* w, const char* nome) { return figlio<QLabel>(w, nome)->text(); }

    /// The label's whole text fits in it.
    static bool tutto_visibile(const QLabel* l) {
        const QSize serve = l->wordWrap() ? QSize(l->width(), l->heightForWidth(l->width()))
                                          : l->sizeHint();
        return serve.width() <= l->width() && serve.height() <= l->height();
    }

    /// What assistive technology reads of a control: its name and description.
    static QStringList accessibile(QWidget* w, const char* nome) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(figlio<QWidget>(w, nome));
        return {i->text(QAccessible::Name), i->text(QAccessible::Description)};
    }

    /// Writes record 32 as the operator left it: foF2 52 D, foE 305 A.
    void scrivi_record_32() {
        prova::caselle_finte corrente;
        corrente.imposta_testo("Text13", "52");
        corrente.imposta_testo("lettera_qualificativa_fof2", "D");
        corrente.imposta_testo("Text3", "305");
        corrente.imposta_testo("Text19", "A");
        scrittura_record(m_stato.sessione.file_risultati, 32, composizione_record(corrente, 7, 45));
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        m_cartella = std::make_unique<prova::cartella_temporanea>();
        prova::prepara_sessione(m_stato, m_cartella->percorso());
        m_messaggi = prova::messaggi_finti{};
        const auto& risultati = m_stato.sessione.file_risultati;
        prova::caselle_finte precedente;
        precedente.imposta_testo("Text13", "52");
        precedente.imposta_testo("lettera_qualificativa_fof2", "D");
        scrittura_record(risultati, 31, composizione_record(precedente, 7, 30));
        prova::caselle_finte corrente;
        corrente.imposta_testo("Text3", "310");
        corrente.imposta_testo("Text7", "C1");
        scrittura_record(risultati, 32, composizione_record(corrente, 7, 45));
        prova::scrivi_file(file_ionogramma(), prova::rdf_di_prova{}.byte());
    }

    void cleanup() { m_cartella.reset(); }

    void loadShowsTheIonogramAndTheDaysResults() {
        auto w = apri();
        QCOMPARE(w->windowTitle(), QString("VELARIS - file: QX106_2023064074500.rdf * Ostrand * "
                                           "2023-March-5  07:45 [UT]  (sounding frequency step = "
                                           "0.05 MHz)"));
        QCOMPARE(figlio<QLineEdit>(w.get(), "Text3")->text(), QString("310"));
        QCOMPARE(figlio<QLineEdit>(w.get(), "Text7")->text(), QString("C1"));
        QCOMPARE(figlio<QLineEdit>(w.get(), "Text47")->text(), QString("52D"));
        QCOMPARE(w->focusWidget(), figlio<QWidget>(w.get(), "lettera_descrittiva_fof2"));
        QVERIFY(!figlio<QLineEdit>(w.get(), "lettera_qualificativa_fof2")->isReadOnly());
        for (const char* bloccata : {"Text17", "Text7", "Text13"})
            QVERIFY(figlio<QLineEdit>(w.get(), bloccata)->isReadOnly());
        for (const char* nome : {"mancanza_es_di_giorno_principale", "es_occultante_di_notte",
                                 "no_ionogramma", "annulla_caso_particolare"})
            QVERIFY(figlio<QAction>(w.get(), nome)->isEnabled());
        // The plot: yellow frame corners, black inside.
        const geometria_grafico g = geometria_grafico::finestra_principale();
        QCOMPARE(w->superficie().pixel(g.colonna(0), g.riga(0)), qRgb(255, 255, 0));
        QCOMPARE(w->superficie().pixel(g.colonna(765), g.riga(601)), qRgb(255, 255, 0));
        QCOMPARE(w->superficie().pixel(-g.x_sinistra() + 2, 700), qRgb(0, 0, 192));
    }

    void missingFileGivesTheNoIonogramState() {
        std::filesystem::remove(file_ionogramma());
        auto w = apri();
        QVERIFY(figlio<QAction>(w.get(), "no_ionogramma")->isEnabled());
        for (const char* nome : {"mancanza_es_di_giorno_principale", "mancanza_es_di_notte_principale",
                                 "es_occultante_di_giorno", "es_occultante_di_notte",
                                 "assorbimento_parziale", "annulla_caso_particolare"})
            QVERIFY(!figlio<QAction>(w.get(), nome)->isEnabled());
        QCOMPARE(testo(w.get(), "Label11"), QString());
        QVERIFY(!testo(w.get(), "stato_file").isEmpty());
        // Without an ionogram the read-out stays as the window opened.
        muovi(*w, 100, 100);
        QCOMPARE(testo(w.get(), "Label1"), QString());
    }

    void boxesCarryTheirRowsAccessibleNames() {
        auto w = apri();
        const std::pair<const char*, const char*> nomi[] = {
            {"Text13", "foF2 value"},        {"Text18", "h'E q.l."},
            {"lettera_descrittiva_muf3000f2", "MUF(3000)F2 d.l."},
            {"Text45", "M(3000)F1 previous"}, {"Text7", "Es Types"}, {"Text39", "Es Types previous"}};
        for (const auto& [nome, accessibile] : nomi)
            QCOMPARE(figlio<QWidget>(w.get(), nome)->accessibleName(), QString(accessibile));
        QCOMPARE(figlio<QLabel>(w.get(), "MUF3000F1")->accessibleName(), QString("MUF(3000)F1"));
    }

    void clickingALabelSelectsItsCharacteristic() {
        auto w = apri();
        QTest::mouseClick(figlio<QWidget>(w.get(), "hE"), Qt::LeftButton);
        QCOMPARE(w->sessione().grandezza_corrente(), std::string("hE"));
        QVERIFY(!figlio<QLineEdit>(w.get(), "Text33")->isReadOnly());
        QVERIFY(figlio<QLineEdit>(w.get(), "lettera_descrittiva_fof2")->isReadOnly());
        QCOMPARE(figlio<QLabel>(w.get(), "hE")->palette().color(QPalette::WindowText),
                 QColor(255, 0, 0));
        QVERIFY(figlio<QLabel>(w.get(), "foF2")->palette().color(QPalette::WindowText) !=
                QColor(255, 0, 0));
        // The derived M(3000) labels do nothing.
        QTest::mouseClick(figlio<QWidget>(w.get(), "M3000F2"), Qt::LeftButton);
        QCOMPARE(w->sessione().grandezza_corrente(), std::string("hE"));
    }

    void typingLimitsDoNotCutProgramWrites() {
        auto w = apri();
        QTest::mouseClick(figlio<QWidget>(w.get(), "tipoEs"), Qt::LeftButton);
        auto* tipi = figlio<QLineEdit>(w.get(), "Text7");
        QVERIFY(!tipi->isReadOnly());
        tipi->clear();
        QTest::keyClicks(tipi, "C2H1X");
        QCOMPARE(tipi->text(), QString("C2H1"));
        auto* lettera = figlio<QLineEdit>(w.get(), "lettera_descrittiva_fof2");
        QTest::mouseClick(figlio<QWidget>(w.get(), "foF2"), Qt::LeftButton);
        QTest::keyClicks(lettera, "AB");
        QCOMPARE(lettera->text(), QString("A"));
        w->caselle().imposta_testo("Text13", "1234");
        QCOMPARE(figlio<QLineEdit>(w.get(), "Text13")->text(), QString("1234"));
    }

    void cursorReadOut() {
        auto w = apri();
        muovi(*w, 4, 1);
        QCOMPARE(testo(w.get(), "Label1"), QString("1.000"));
        QCOMPARE(testo(w.get(), "Label2"), QString("86.625"));
        QCOMPARE(w->centralWidget()->cursor().shape(), Qt::BitmapCursor);
        // The pixel under the pointer, not the nearest one.
        muovi(*w, 4, 1, {0.6, 0.6});
        QCOMPARE(testo(w.get(), "Label1"), QString("1.000"));
        QCOMPARE(testo(w.get(), "Label2"), QString("86.625"));
        muovi(*w, 2, 102);
        QCOMPARE(testo(w.get(), "Label1"), QString("1,000"));
        QCOMPARE(testo(w.get(), "Label2"), QString("200,000"));
        muovi(*w, 765, 300);
        QCOMPARE(testo(w.get(), "Label1"), QString());
        QCOMPARE(testo(w.get(), "Label2"), QString());
        QCOMPARE(w->centralWidget()->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseClick(figlio<QWidget>(w.get(), "tipoEs"), Qt::LeftButton);
        muovi(*w, 100, 100);
        QCOMPARE(testo(w.get(), "Label1"), QString());
    }

    // The operator's stored record survives a sounding whose file is damaged
    // (byte 197 not a line feed): it shows as a file without ionogram, and
    // closing writes back exactly what was there.
    void aDamagedFileKeepsTheStoredRecord() {
        scrivi_record_32();
        prova::rdf_di_prova rdf;
        rdf.a_capo_197 = false;
        prova::scrivi_file(file_ionogramma(), rdf.byte());
        const auto risultati = prova::contenuto_file(m_stato.sessione.file_risultati);
        auto w = apri();
        QCOMPARE(w->windowTitle(),
                 QString("VELARIS - file: QX106_2023064074500.rdf *  * 2023-March-5  07:45 [UT]"));
        QCOMPARE(figlio<QLineEdit>(w.get(), "Text47")->text(), QString("52D"));

        // The whole reason can be read, the full path is in the tooltip, and
        // assistive technology reads what is shown.
        auto* stato = figlio<QLabel>(w.get(), "stato_file");
        QVERIFY(stato->text().contains("QX106_2023064074500.rdf has no header: neither byte 50 "
                                       "nor byte 197 is a line feed. The file is left as it is."));
        QVERIFY2(tutto_visibile(stato), qPrintable(stato->text()));
        QCOMPARE(stato->toolTip(), QString::fromStdString(file_ionogramma().string()));
        QCOMPARE(accessibile(w.get(), "stato_file"),
                 QStringList({stato->text(), "Ionogram file status"}));
        QVERIFY(m_messaggi.mostrati.empty());

        figlio<QRadioButton>(w.get(), "Option2")->setChecked(true); // saving, not checking
        QVERIFY(w->close());
        QVERIFY(prova::contenuto_file(m_stato.sessione.file_risultati) == risultati);
        QVERIFY(prova::contenuto_file(file_ionogramma()) == rdf.byte());
    }

    // A results file that cannot be read: one message, empty boxes, a window
    // that still works, and a record that is never written, even once the
    // file could be written again.
    void unreadableResultsAreNeverWritten() {
        scrivi_record_32();
        prova::rdf_di_prova rdf;
        rdf.scarto = -1; // and a rejected file: both reasons in the status line
        prova::scrivi_file(file_ionogramma(), rdf.byte());
        const auto& file = m_stato.sessione.file_risultati;
        const auto risultati = prova::contenuto_file(file);
        const bool root = ::geteuid() == 0; // root reads whatever the permissions say
        if (root) {
            std::filesystem::remove(file);
            std::filesystem::create_directory(file);
        } else {
            std::filesystem::permissions(file, std::filesystem::perms::owner_write);
        }
        auto w = apri();
        auto* stato = figlio<QLabel>(w.get(), "stato_file");
        QVERIFY(stato->text().contains("QX106_2023064074500.rdf is not a valid ionogram"));
        QVERIFY(stato->text().contains("QX106_05032023_15.txt cannot be"));
        QVERIFY2(tutto_visibile(stato), qPrintable(stato->text()));
        QCOMPARE(stato->toolTip(), QString::fromStdString(file_ionogramma().string() + "\n" +
                                                          file.string()));
        QTest::mouseClick(figlio<QWidget>(w.get(), "hE"), Qt::LeftButton);
        QTest::keyClicks(figlio<QLineEdit>(w.get(), "Text33"), "S");

        if (root) std::filesystem::remove(file);
        if (root) prova::scrivi_file(file, risultati);
        else std::filesystem::permissions(file, std::filesystem::perms::owner_all);
        figlio<QRadioButton>(w.get(), "Option2")->setChecked(true);
        QVERIFY(w->close());
        QCOMPARE(m_messaggi.mostrati.size(), std::size_t{1});
        QVERIFY(prova::contenuto_file(file) == risultati);
    }

    // Labels that show a value are read by the value they show; what the
    // value is, is their description.
    void valueLabelsExposeTheirText() {
        prova::rdf_di_prova rdf;
        rdf.codice = "3a";
        prova::scrivi_file(file_ionogramma(), rdf.byte());
        auto w = apri();
        QCOMPARE(accessibile(w.get(), "Label11"),
                 QStringList({"Particular Case: Daytime Es blanketing - single reflection",
                              "Particular case"}));
        muovi(*w, 44, 102);
        QCOMPARE(accessibile(w.get(), "Label1"),
                 QStringList({"2.000", "Frequency under the pointer"}));
        QCOMPARE(accessibile(w.get(), "Label2"),
                 QStringList({"200,000", "Height under the pointer"}));
        muovi(*w, 765, 100);
        QCOMPARE(accessibile(w.get(), "Label1").front(), QString());
    }

    void closingSavesTheRecordOfTheBoxes() {
        auto w = apri();
        figlio<QRadioButton>(w.get(), "Option2")->setChecked(true); // saving, not checking
        QTest::keyClicks(figlio<QLineEdit>(w.get(), "lettera_descrittiva_fof2"), "S");
        QVERIFY(w->close());
        const std::string record = lettura_record(m_stato.sessione.file_risultati, 32);
        QCOMPARE(record.substr(0, 5), std::string("07:45"));
        QCOMPARE(record.substr(165, 5), std::string("    S"));
        QCOMPARE(record.substr(45, 3), std::string("310"));
        QCOMPARE(record.substr(90, 5), std::string("C1   "));
        QCOMPARE(prova::contenuto_file(file_ionogramma())[59], static_cast<unsigned char>('x'));
    }
};

QTEST_MAIN(TestImmagine)
#include "test_immagine.moc"
