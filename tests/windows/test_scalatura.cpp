// Scaling on the real main window, offscreen: presses inside a pixel count as
// that pixel, the MUF selection draws its curve, the MUF keys reach
// Form_KeyDown through the focused box and still reach the box, and numbers
// keep their point under a locale with a decimal comma.

#include "common/curva_attesa.h"
#include "common/fakes.h"
#include "common/locale_virgola.h"
#include "common/rdf_di_prova.h"
#include "common/sessione_di_prova.h"
#include "display/geometria_grafico.h"
#include "session/file_risultati.h"
#include "windows/immagine.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QtTest>

using namespace velaris;

/// Counts the key presses that reach a widget.
class contatore_tasti : public QObject {
public:
    int tasti = 0;
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress) return false;
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        tasti += tasto != Qt::Key_Control && tasto != Qt::Key_Shift; // QTest presses them too
        return false;
    }
};

class TestScalatura : public QObject {
    Q_OBJECT

    std::unique_ptr<prova::cartella_temporanea> m_cartella;
    stato_programma m_stato;
    prova::messaggi_finti m_messaggi;
    const geometria_grafico m_g = geometria_grafico::finestra_principale();

    std::unique_ptr<immagine> apri(const char* fof2 = "") {
        prova::caselle_finte record;
        record.imposta_testo("Text13", fof2);
        scrittura_record(m_stato.sessione.file_risultati, 32, composizione_record(record, 7, 45));
        auto w = std::make_unique<immagine>(m_stato, m_messaggi);
        w->show();
        w->caricamento_ionogramma();
        return w;
    }
    static QString testo(immagine& w, const char* nome) { return w.findChild<QLineEdit*>(nome)->text(); }
    static void seleziona(immagine& w, const char* etichetta) {
        QTest::mouseClick(w.findChild<QWidget*>(etichetta), Qt::LeftButton);
    }
    /// A press at plot pixel (x, y), 0.6 pixel right of and below its corner.
    void premi(immagine& w, int x, int y, Qt::MouseButton pulsante = Qt::LeftButton) {
        const QPointF p(m_g.colonna(x) + 0.6, m_g.riga(y) + 0.6);
        QMouseEvent evento(QEvent::MouseButtonPress, p, w.centralWidget()->mapToGlobal(p), pulsante,
                           pulsante, Qt::NoModifier);
        QApplication::sendEvent(w.centralWidget(), &evento);
    }
    bool rosso(immagine& w, int x, int y) const {
        return w.superficie().pixel(m_g.colonna(x), m_g.riga(y)) == qRgb(200, 0, 0);
    }
    int pixel_rossi(immagine& w) const {
        int n = 0;
        for (int x = 0; x <= 765; ++x)
            for (int y = 0; y <= 601; ++y) n += rosso(w, x, y);
        return n;
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        m_cartella = std::make_unique<prova::cartella_temporanea>();
        prova::prepara_sessione(m_stato, m_cartella->percorso());
        m_messaggi = prova::messaggi_finti{};
        prova::scrivi_file(prova::file_ionogramma_0745(m_stato), prova::rdf_di_prova{}.byte());
    }
    void cleanup() { m_cartella.reset(); }

    void clicksCountThePixelUnderThePointer() {
        auto w = apri();
        premi(*w, 265, 190); // 7.525 MHz -> "75"; the next column would give "76"
        QCOMPARE(testo(*w, "Text13"), QString("75"));
        QCOMPARE(w->sessione().variabili().altezza_click_fof2, 299.25f);
        seleziona(*w, "hF");
        premi(*w, 100, 279); // 399.375 km -> "399"; the row above would give "398"
        QCOMPARE(testo(*w, "Text8"), QString("399"));
        premi(*w, 100, 0); // off the plot: nothing
        QCOMPARE(testo(*w, "Text8"), QString("399"));
        // The right button applies an Es-missing case, anywhere: no foE, so night.
        w->caselle().imposta_testo("Text1", "15");
        premi(*w, 785, 300, Qt::RightButton);
        QCOMPARE(m_stato.codice_caso_particolare, std::string("01"));
    }

    void mufSelectionDrawsTheCurveAndKeysMoveIt() {
        auto w = apri("75");
        seleziona(*w, "MUF3000F2");
        QCOMPARE(w->focusWidget(), w->findChild<QWidget*>("lettera_descrittiva_muf3000f2"));
        QCOMPARE(testo(*w, "Text15"), QString("151"));
        QCOMPARE(testo(*w, "Text16"), QString("201"));
        const auto vertici = prova::vertici_curva_attesi(15.1f); // each segment starts red
        for (std::size_t n = 1; n < vertici.size(); ++n)
            if (vertici[n] != vertici[n - 1]) QVERIFY(rosso(*w, vertici[n - 1].first, vertici[n - 1].second));

        const struct {
            Qt::Key tasto;
            Qt::KeyboardModifiers modificatori;
            const char* muf;
            const char* m;
        } passi[] = {
            {Qt::Key_Down, Qt::NoModifier, "152", "203"},
            {Qt::Key_Up, Qt::ControlModifier, "132", "176"},
            {Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier, "131", "175"},
            {Qt::Key_2, Qt::NoModifier, "151", "201"},
            {Qt::Key_1, Qt::NoModifier, "131", "175"},
            {Qt::Key_4, Qt::ControlModifier, "151", "201"},
            {Qt::Key_3, Qt::NoModifier, "150", "200"},
            // The keypad's digits never move the curve; its arrows do.
            {Qt::Key_3, Qt::KeypadModifier, "150", "200"},
            {Qt::Key_Down, Qt::KeypadModifier, "151", "201"},
        };
        contatore_tasti arrivati;
        w->focusWidget()->installEventFilter(&arrivati);
        for (const auto& p : passi) {
            QTest::keyClick(w->focusWidget(), p.tasto, p.modificatori);
            QCOMPARE(testo(*w, "Text15"), QString(p.muf));
            QCOMPARE(testo(*w, "Text16"), QString(p.m));
        }
        // Every key went on to the focused box.
        QCOMPARE(arrivati.tasti, static_cast<int>(std::size(passi)));
        w->focusWidget()->removeEventFilter(&arrivati);

        // Another selection removes the curve; the MUF keys then do nothing.
        seleziona(*w, "foF2");
        QCOMPARE(pixel_rossi(*w), 0);
        QTest::keyClick(w->focusWidget(), Qt::Key_Down);
        QCOMPARE(testo(*w, "Text15"), QString("151"));
    }

    void underACommaLocaleNumbersKeepTheirPoint() {
        const prova::locale_con_virgola locale;
        if (!locale.attivo()) QSKIP(prova::locale_con_virgola::motivo);
        auto w = apri();
        premi(*w, 264, 190);
        QCOMPARE(testo(*w, "Text13"), QString("75"));
        seleziona(*w, "MUF3000F2");
        QCOMPARE(testo(*w, "Text15"), QString("275")); // the estimate 27.4 of the click, moved once
        QCOMPARE(testo(*w, "Text16"), QString("367"));
        seleziona(*w, "hF");
        premi(*w, 100, 279);
        QCOMPARE(testo(*w, "Text8"), QString("399"));
    }
};

QTEST_MAIN(TestScalatura)
#include "test_scalatura.moc"
