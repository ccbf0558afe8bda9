// The main window's keys beside the MUF moves, pressed on the real window
// (offscreen) where the operator presses them: in the box that has the focus.
// The window acts first, and the key still reaches the box.

#include "common/fakes.h"
#include "common/giornata_di_prova.h"
#include "common/sessione_di_prova.h"
#include "session/file_risultati.h"
#include "windows/filtro_caselle.h"
#include "windows/immagine.h"

#include <QAction>
#include <QLineEdit>
#include <QShortcut>
#include <QRadioButton>
#include <QtTest>

using namespace velaris;

class TestTastieraGiornata : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<prova::cartella_temporanea> m_cartella;
    stato_programma m_stato;
    prova::messaggi_finti m_messaggi;

    std::unique_ptr<immagine> apri() {
        auto finestra = std::make_unique<immagine>(m_stato, m_messaggi);
        finestra->show();
        finestra->caricamento_ionogramma();
        finestra->findChild<QRadioButton*>("Option2")->setChecked(true);
        return finestra;
    }

    static void premi(immagine& w, Qt::Key tasto, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QWidget* fuoco = w.focusWidget();
        QVERIFY(fuoco != nullptr);
        QTest::keyClick(fuoco, tasto, mod);
    }

    static std::string testo(immagine& w, const char* nome) { return w.caselle().testo(nome); }

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        m_cartella = std::make_unique<prova::cartella_temporanea>();
        prova::prepara_sessione(m_stato, m_cartella->percorso());
        m_messaggi = prova::messaggi_finti{};
        for (auto [h, m] : {std::pair{7, 30}, {7, 45}, {8, 0}})
            prova::scrivi_ionogramma(m_stato, h, m);
        prova::caselle_finte c;
        c.imposta_testo("Text13", "61");
        scrittura_record(m_stato.sessione.file_risultati, 33, composizione_record(c, 8, 0));
    }

    void cleanup() { m_cartella.reset(); }

    void f3AndF4MoveFromAnyBox() {
        auto w = apri();
        w->caselle().imposta_testo("Text13", "52");
        premi(*w, Qt::Key_F3);
        QCOMPARE(m_stato.sessione.numero_ionogramma, std::int16_t{33});
        QCOMPARE(testo(*w, "Text13"), std::string("61"));
        QCOMPARE(testo(*w, "Text47"), std::string("52"));
        QCOMPARE(w->focusWidget()->objectName(), QString("lettera_descrittiva_fof2"));
        QTest::mouseClick(w->findChild<QWidget*>("tipoEs"), Qt::LeftButton);
        premi(*w, Qt::Key_F4);
        QCOMPARE(m_stato.sessione.numero_ionogramma, std::int16_t{32});
        QCOMPARE(w->sessione().grandezza_corrente(), std::string("foF2"));
        QCOMPARE(testo(*w, "Text13"), std::string("52"));
        QVERIFY(m_messaggi.mostrati.empty());
    }

    void characteristicKeys() {
        auto w = apri();
        // F1 and F2 from foF2, then Space from h'F.
        premi(*w, Qt::Key_F1);
        QCOMPARE(w->sessione().grandezza_corrente(), std::string("fxI"));
        QCOMPARE(w->focusWidget()->objectName(), QString("Text44"));
        for (int i = 0; i < 5; ++i) premi(*w, Qt::Key_F2);
        QCOMPARE(w->sessione().grandezza_corrente(), std::string("hF"));
        premi(*w, Qt::Key_Space);
        QCOMPARE(w->sessione().grandezza_corrente(), std::string("foF2"));

        // F12 and Ctrl clear the current characteristic; an fxI "X" goes too.
        for (Qt::Key tasto : {Qt::Key_F12, Qt::Key_Control}) {
            for (const char* nome : {"Text13", "lettera_qualificativa_fof2",
                                     "lettera_descrittiva_fof2", "Text16"})
                w->caselle().imposta_testo(nome, "7");
            w->caselle().imposta_testo("Text44", "X");
            premi(*w, tasto);
            for (const char* nome : {"Text13", "lettera_qualificativa_fof2",
                                     "lettera_descrittiva_fof2", "Text16", "Text44"})
                QCOMPARE(testo(*w, nome), std::string());
        }

        // The backslash key: no F1 layer, then foF2.
        QTest::mouseClick(w->findChild<QWidget*>("fmin"), Qt::LeftButton);
        w->caselle().imposta_testo("Text9", "345");
        premi(*w, Qt::Key_Backslash);
        QCOMPARE(testo(*w, "Text9"), std::string());
        QCOMPARE(testo(*w, "lettera_descrittiva_fof1"), std::string("L"));
        QCOMPARE(testo(*w, "Text42"), std::string("L"));
        QCOMPARE(w->sessione().grandezza_corrente(), std::string("foF2"));
    }

    // The key handler reads Ctrl, F1-F12, Esc, Space, the digits 1-4, the
    // arrows and the backslash key before any shortcut could fire: a
    // shortcut beginning with one of them (Ctrl+D once) would first clear
    // or move something.
    void noShortcutBeginsWithAKeyTheHandlerReads() {
        auto w = apri();
        const QList<int> lette = {Qt::Key_Control, Qt::Key_Escape, Qt::Key_Space,
                                  Qt::Key_1,       Qt::Key_2,      Qt::Key_3,
                                  Qt::Key_4,       Qt::Key_Up,     Qt::Key_Down,
                                  Qt::Key_Left,    Qt::Key_Right,  Qt::Key_Backslash};
        QList<QKeySequence> scorciatoie;
        for (QAction* a : w->findChildren<QAction*>()) scorciatoie += a->shortcuts();
        for (QShortcut* s : w->findChildren<QShortcut*>()) scorciatoie += s->keys();
        for (const QKeySequence& sequenza : scorciatoie) {
            if (sequenza.isEmpty()) continue;
            const QKeyCombination primo = sequenza[0];
            const int tasto = primo.key();
            QVERIFY2(!primo.keyboardModifiers().testFlag(Qt::ControlModifier) &&
                         !lette.contains(tasto) && !(tasto >= Qt::Key_F1 && tasto <= Qt::Key_F12),
                     qPrintable(sequenza.toString()));
        }
    }

    // The table's digits and backslash key are places on the keyboard: on
    // a French layout the top row types &é"' and the backslash place types
    // *; the keypad and a layout's other places for those characters are
    // none of the table's keys. Without scan codes the key is taken as is.
    void tableKeysAreFoundByTheirPlace() {
        struct caso {
            int tasto;
            unsigned scansione, virtuale;
            const char* piattaforma;
            int atteso;
        };
        const caso casi[] = {
            {Qt::Key_Ampersand, 10, 0, "xcb", Qt::Key_1},
            {Qt::Key_Eacute, 11, 0, "wayland", Qt::Key_2},
            {Qt::Key_QuoteDbl, 12, 0, "xcb", Qt::Key_3},
            {Qt::Key_Dollar, 13, 0, "xcb", Qt::Key_4}, // Shift+4, US
            {Qt::Key_Asterisk, 51, 0, "xcb", Qt::Key_Backslash},
            {Qt::Key_1, 87, 0, "xcb", Qt::Key_unknown}, // keypad
            {Qt::Key_Backslash, 94, 0, "xcb", Qt::Key_unknown}, // ISO key beside Shift
            {Qt::Key_A, 38, 0, "xcb", Qt::Key_A},
            {Qt::Key_Ampersand, 0x02, 0, "windows", Qt::Key_1},
            {Qt::Key_Asterisk, 0x2B, 0, "windows", Qt::Key_Backslash},
            {Qt::Key_Ampersand, 0, 0x12, "cocoa", Qt::Key_1},
            {Qt::Key_3, 0, 0, "offscreen", Qt::Key_3},
        };
        for (const caso& c : casi)
            QCOMPARE(tasto_della_tabella(c.tasto, c.scansione, c.virtuale, c.piattaforma), c.atteso);

        // The real window: the French backslash place, typing "*".
        auto w = apri();
        w->caselle().imposta_testo("Text9", "345");
        QKeyEvent asterisco(QEvent::KeyPress, Qt::Key_Asterisk, Qt::NoModifier, 51, 0, 0, "*");
        QApplication::sendEvent(w->focusWidget(), &asterisco);
        QCOMPARE(testo(*w, "Text9"), std::string());
        QCOMPARE(testo(*w, "lettera_descrittiva_fof1"), std::string("L"));
    }

    // A key the window acts on still reaches the box: a digit in the Es
    // types box is a MUF key for the window (a repaint without a MUF) and a
    // count for the box.
    void theWindowNeverSwallowsAKey() {
        auto w = apri();
        QTest::mouseClick(w->findChild<QWidget*>("tipoEs"), Qt::LeftButton);
        auto* tipi = w->findChild<QLineEdit*>("Text7");
        QCOMPARE(w->focusWidget(), tipi);
        tipi->clear();
        QTest::keyClicks(tipi, "C");
        premi(*w, Qt::Key_3);
        QCOMPARE(tipi->text(), QString("C3"));
        // F1 moves on from the Es types and the box keeps its text.
        premi(*w, Qt::Key_F1);
        QCOMPARE(w->sessione().grandezza_corrente(), std::string("fbEs"));
        QCOMPARE(tipi->text(), QString("C3"));
    }
};

QTEST_MAIN(TestTastieraGiornata)
#include "test_tastiera_giornata.moc"
