// Scaling on the real main window, offscreen: clicks at plot positions
// (positions inside a pixel, which must count as that pixel), the MUF
// selection with its curve on the surface, and the MUF keys as the focused
// box receives them, once under a locale with a decimal comma.

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

class TestScalatura : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<prova::cartella_temporanea> m_cartella;
    stato_programma m_stato;
    prova::messaggi_finti m_messaggi;
    const geometria_grafico m_g = geometria_grafico::finestra_principale();

    std::unique_ptr<immagine> apri() {
        auto finestra = std::make_unique<immagine>(m_stato, m_messaggi);
        finestra->show();
        finestra->caricamento_ionogramma();
        return finestra;
    }

    static QString testo(immagine& w, const char* nome) {
        return w.findChild<QLineEdit*>(nome)->text();
    }

    /// A press at plot pixel (x, y), 0.6 pixel right of and below its corner.
    void premi(immagine& w, int x, int y, Qt::MouseButton pulsante = Qt::LeftButton) {
        QWidget* superficie = w.centralWidget();
        const QPointF p(m_g.colonna(x) + 0.6, m_g.riga(y) + 0.6);
        QMouseEvent evento(QEvent::MouseButtonPress, p, superficie->mapToGlobal(p), pulsante,
                           pulsante, Qt::NoModifier);
        QApplication::sendEvent(superficie, &evento);
    }

    void seleziona(immagine& w, const char* etichetta) {
        QTest::mouseClick(w.findChild<QWidget*>(etichetta), Qt::LeftButton);
    }

    /// A key pressed where the window has its focus.
    static void tasto(immagine& w, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* fuoco = w.focusWidget() ? w.focusWidget() : &w;
        QTest::keyClick(fuoco, k, m);
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

    void foF2_dal_record(const char* valore) {
        prova::caselle_finte corrente;
        corrente.imposta_testo("Text13", valore);
        scrittura_record(m_stato.sessione.file_risultati, 32, composizione_record(corrente, 7, 45));
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
        // x = 265 is 7.525 MHz -> "75"; the next column would give "76".
        premi(*w, 265, 190);
        QCOMPARE(testo(*w, "Text13"), QString("75"));
        QCOMPARE(w->variabili().altezza_click_fof2, 299.25f);
        seleziona(*w, "hF");
        // Row 279 is 399.375 km -> "399"; the row above would give "398".
        premi(*w, 100, 279);
        QCOMPARE(testo(*w, "Text8"), QString("399"));
        premi(*w, 100, 280);
        QCOMPARE(testo(*w, "Text8"), QString("400"));
        // Off the plot, and with the right button (no particular case yet):
        // nothing changes.
        premi(*w, 100, 0);
        premi(*w, 100, 200, Qt::RightButton);
        QCOMPARE(testo(*w, "Text8"), QString("400"));
        QVERIFY(m_messaggi.mostrati.empty());
    }

    void clickAsksThroughTheMessagePort() {
        auto w = apri();
        seleziona(*w, "foE");
        premi(*w, 364, 100);
        QCOMPARE(m_messaggi.mostrati.size(), std::size_t(1));
        QCOMPARE(m_messaggi.mostrati[0].titolo, std::string("Be careful"));
        QCOMPARE(testo(*w, "Text3"), QString());
        premi(*w, 363, 100);
        QCOMPARE(testo(*w, "Text3"), QString("998"));
    }

    void mufSelectionDrawsTheCurveAndKeysMoveIt() {
        foF2_dal_record("75");
        auto w = apri();
        QCOMPARE(pixel_rossi(*w), 0);
        seleziona(*w, "MUF3000F2");
        QCOMPARE(w->focusWidget(), w->findChild<QWidget*>("lettera_descrittiva_muf3000f2"));
        QCOMPARE(testo(*w, "Text15"), QString("151"));
        QCOMPARE(testo(*w, "Text16"), QString("201"));
        // The curve of 15.1 MHz: every segment starts on a red pixel.
        const auto vertici = prova::vertici_curva_attesi(15.1f);
        for (std::size_t n = 1; n < vertici.size(); ++n)
            if (vertici[n] != vertici[n - 1])
                QVERIFY2(rosso(*w, vertici[n - 1].first, vertici[n - 1].second),
                         qPrintable(QString("vertex %1").arg(n - 1)));
        QVERIFY(pixel_rossi(*w) >= static_cast<int>(vertici.size()) / 2);

        const struct {
            Qt::Key tasto;
            Qt::KeyboardModifiers modificatori;
            const char* muf;
            const char* m;
        } passi[] = {
            {Qt::Key_Down, Qt::NoModifier, "152", "203"},
            {Qt::Key_Up, Qt::ControlModifier, "132", "176"},
            {Qt::Key_Down, Qt::ControlModifier, "152", "203"},
            {Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier, "151", "201"},
            {Qt::Key_1, Qt::NoModifier, "131", "175"},
            {Qt::Key_2, Qt::NoModifier, "151", "201"},
            {Qt::Key_3, Qt::NoModifier, "150", "200"},
            {Qt::Key_4, Qt::NoModifier, "151", "201"},
            {Qt::Key_3, Qt::ControlModifier, "131", "175"},
            // The numeric keypad never moves the curve; its arrows do.
            {Qt::Key_3, Qt::KeypadModifier, "131", "175"},
            {Qt::Key_2, Qt::KeypadModifier, "131", "175"},
            {Qt::Key_Down, Qt::KeypadModifier, "132", "176"},
        };
        for (const auto& passo : passi) {
            tasto(*w, passo.tasto, passo.modificatori);
            QCOMPARE(testo(*w, "Text15"), QString(passo.muf));
            QCOMPARE(testo(*w, "Text16"), QString(passo.m));
        }
        // The keys went on to the focused box: its own limit kept one digit.
        QCOMPARE(testo(*w, "lettera_descrittiva_muf3000f2"), QString("1"));
        QVERIFY(pixel_rossi(*w) > 0);

        // Any other selection redraws the plot without the curve, and the
        // MUF keys then change nothing.
        seleziona(*w, "foF2");
        QCOMPARE(pixel_rossi(*w), 0);
        tasto(*w, Qt::Key_Down);
        QCOMPARE(testo(*w, "Text15"), QString("132"));
    }

    void withoutIonogramTheMufSelectionOnlySelects() {
        foF2_dal_record("75");
        std::filesystem::remove(prova::file_ionogramma_0745(m_stato));
        auto w = apri();
        seleziona(*w, "MUF3000F2");
        QCOMPARE(w->grandezza_corrente(), std::string("MUF3000F2"));
        tasto(*w, Qt::Key_Down);
        QCOMPARE(testo(*w, "Text15"), QString());
        QCOMPARE(pixel_rossi(*w), 0);
        premi(*w, 264, 190);
        QCOMPARE(testo(*w, "Text13"), QString("75"));
    }

    void underACommaLocaleNumbersKeepTheirPoint() {
        std::string precedente;
        if (const auto motivo = prova::attiva_locale_virgola(precedente))
            QSKIP(motivo->c_str());
        auto w = apri();
        premi(*w, 264, 190);
        const QString fof2 = testo(*w, "Text13");
        seleziona(*w, "MUF3000F2");
        const QString muf = testo(*w, "Text15"), m = testo(*w, "Text16");
        seleziona(*w, "hF");
        premi(*w, 100, 279);
        const QString hf = testo(*w, "Text8");
        prova::ripristina_locale(precedente);
        QCOMPARE(fof2, QString("75"));
        QCOMPARE(muf, QString("275"));
        QCOMPARE(m, QString("367"));
        QCOMPARE(hf, QString("399"));
    }
};

QTEST_MAIN(TestScalatura)
#include "test_scalatura.moc"
