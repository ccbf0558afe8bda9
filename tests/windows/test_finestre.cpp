// The windows offscreen, for what only the widgets do: the rules behind each
// answer are the logic's and the session's own tests. Here a click, a key or a
// menu item reaches the session and its answer shows, the focus goes where the
// operator types next, the value labels show what the session reads, the keys
// the main window reads begin no shortcut and are found by their place on the
// keyboard, the start window starts one session, and the companion and the day
// overview do their part. What assistive technology reads of every control,
// and the derived letters of a box left by F3, are checked from outside, in
// the real program through the accessibility interface (make outside-check).

#include "common/giornata_di_prova.h"
#include "display/geometria_grafico.h"
#include "windows/applicazione.h"
#include "windows/caselle_qt.h"
#include "windows/entrata.h"
#include "windows/filtro_caselle.h"
#include "windows/immagine.h"
#include "windows/immagine_next_ionogram.h"
#include "windows/panoramica_giorno.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QtTest>

#include <fstream>

using namespace velaris;

namespace {

const geometria_grafico g = geometria_grafico::finestra_principale();

} // namespace

class TestFinestre : public QObject {
    Q_OBJECT

    std::unique_ptr<prova::cartella_temporanea> m_cartella;
    stato_programma m_stato;
    prova::messaggi_finti m_messaggi;
    std::unique_ptr<immagine> m_w;
    std::unique_ptr<entrata> m_e;
    std::unique_ptr<applicazione> m_programma;

    template <typename T = QWidget> T* c(const char* nome, QWidget* in = nullptr) const {
        T* trovato = (in ? in : m_w.get())->findChild<T*>(nome);
        if (trovato == nullptr) qFatal("no control %s", nome);
        return trovato;
    }
    QString testo(const char* n) const { return QString::fromStdString(m_w->caselle().testo(n)); }
    void scrivi(const char* casella, const char* t) { m_w->caselle().imposta_testo(casella, t); }
    QString corrente() const { return m_w->sessione().grandezza_corrente().c_str(); }
    QString codice() const { return m_stato.codice_caso_particolare.c_str(); }
    int numero() const { return m_stato.sessione.numero_ionogramma; }
    void clic(const char* nome) { QTest::mouseClick(c(nome), Qt::LeftButton); }
    QAccessibleInterface* a11y(const char* n) const {
        return QAccessible::queryAccessibleInterface(c(n));
    }
    QString letto(const char* n) const { return a11y(n)->text(QAccessible::Name); }
    void premi(Qt::Key t, Qt::KeyboardModifiers m = {}) {
        QTest::keyClick(m_w->focusWidget(), t, m);
    }
    /// A mouse event 0.6 pixel into plot pixel (x, y): it counts as that pixel.
    void sul_grafico(QEvent::Type tipo, int x, int y, Qt::MouseButton b = Qt::NoButton) {
        const QPointF p(g.colonna(x) + 0.6, g.riga(y) + 0.6);
        QMouseEvent evento(tipo, p, m_w->centralWidget()->mapToGlobal(p), b, b, {});
        QApplication::sendEvent(m_w->centralWidget(), &evento);
    }
    void apri() {
        m_w = std::make_unique<immagine>(m_stato, m_messaggi);
        collega_panoramica_giorno(*m_w, m_stato);
        m_w->show();
        QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
        m_w->caricamento_ionogramma();
        c<QRadioButton>("Option2")->setChecked(true); // moves here are not about the check
    }
    void apri_entrata() {
        m_e = std::make_unique<entrata>(m_stato, m_messaggi);
        m_e->show();
        QVERIFY(QTest::qWaitForWindowActive(m_e.get()));
    }
    QComboBox* lista(const char* nome) const { return c<QComboBox>(nome, m_e.get()); }
    QLineEdit* giorno() const { return c<QLineEdit>("giorno", m_e.get()); }
    /// Hour, minutes and interval as the start window's lists show them.
    QString mostrati() const {
        return lista("hour")->currentText() + " " + lista("minutes")->currentText() + " " +
               lista("incremento")->currentText();
    }
    /// Enter in the program's start window: the main window of the stored sounding.
    immagine* avvia() {
        QTest::keyClick(c("giorno", m_programma->finestra_entrata()), Qt::Key_Return);
        immagine* principale = m_programma->finestra_principale();
        if (principale) c<QRadioButton>("Option2", principale)->setChecked(true);
        // Its load closes the start window, which goes at the next turn of the event loop.
        return QTest::qWaitFor([this] { return !m_programma->finestra_entrata(); }) ? principale
                                                                                    : nullptr;
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        m_stato = {};
        m_messaggi = {};
        m_cartella = std::make_unique<prova::cartella_temporanea>();
        QDir::setCurrent(QString::fromStdString(m_cartella->percorso().string()));
        QSettings().remove("proposals"); // as on a first run
        prova::prepara_sessione(m_stato, m_cartella->percorso());
        std::ofstream(prova::file_impostazioni(m_stato)) << prova::impostazioni_attese(7, 45, 32);
        for (auto [h, m] : {std::pair{7, 30}, {7, 45}, {8, 0}})
            prova::scrivi_ionogramma(m_stato, h, m);
        prova::scrivi_record(m_stato, 33, {{"Text13", "61"}});
    }

    void cleanup() {
        m_programma.reset();
        m_w.reset();
        m_e.reset();
        m_cartella.reset();
    }

    void valueLabelsShowWhatTheSessionReads() {
        apri();
        sul_grafico(QEvent::MouseMove, 44, 102);
        QCOMPARE(letto("Label1") + " " + letto("Label2"), "2.000 200,000");
        sul_grafico(QEvent::MouseMove, 765, 300);
        QCOMPARE(letto("Label1"), QString());
        QVERIFY(c<QAction>("proposte")->isChecked()); // until the operator turns them off
    }

    void clicksAndMenuItemsReachTheSession() {
        apri();
        clic("hE");
        QVERIFY(corrente() == "hE" && !c<QLineEdit>("Text33")->isReadOnly() &&
                c<QLineEdit>("Text13")->isReadOnly());
        clic("Text17"); // a letter box selects its row; its descriptive letter takes the focus
        QVERIFY(corrente() == "fmin" && QApplication::focusWidget() == c("Text23"));
        clic("foF2");
        sul_grafico(QEvent::MouseButtonPress, 265, 190, Qt::LeftButton); // 7.525 MHz
        clic("hF");
        sul_grafico(QEvent::MouseButtonPress, 100, 279, Qt::LeftButton); // 399.375 km
        QCOMPARE(testo("Text13") + " " + testo("Text8"), "75 399");
        scrivi("Text1", "15");
        sul_grafico(QEvent::MouseButtonPress, 785, 300, Qt::RightButton); // no foE: night
        QCOMPARE(codice(), "01");
        premi(Qt::Key_F8);
        QCOMPARE(codice() + c<QLabel>("Label11")->text(), "xx");
        scrivi("Text3", "345");
        c<QAction>("mancanza_es_di_giorno_principale")->trigger();
        QVERIFY(codice() == "02" && !c<QLabel>("Label11")->text().isEmpty());
        scrivi("Text7", "H1");
        clic("tipoEs");
        clic("Esup");
        QCOMPARE(testo("Text7"), "H2");
        clic("successivo");
        QVERIFY(numero() == 33 && testo("Text13") == "61");
    }

    // Each key from the box that has the focus, after writing a box: what shows.
    void keysReachTheSessionFromTheFocusedBox() {
        apri();
        const std::tuple<const char*, const char*, Qt::Key, Qt::KeyboardModifiers, const char*,
                         const char*>
            passi[] = {
                {"Text13", "52", Qt::Key_F3, {}, "Text47", "52"}, // 08:00, 07:45's foF2 previous
                {"", "", Qt::Key_F4, {}, "Text13", "52"},
                {"Text13", "7", Qt::Key_F12, {}, "Text13", ""},
                {"Text13", "7", Qt::Key_Control, {}, "Text13", ""},
                {"", "", Qt::Key_F2, {}, "", "hF2"},
                {"", "", Qt::Key_F2, {}, "", "MUF3000F1"},
                {"", "", Qt::Key_F2, {}, "", "foF1"},
                {"", "", Qt::Key_Space, {}, "", "foF2"},
                {"Text13", "75", Qt::Key_F1, {}, "", "fxI"},
                {"", "", Qt::Key_F1, {}, "Text15", "151"}, // MUF(3000)F2 and its curve
                {"", "", Qt::Key_Down, {}, "Text15", "152"},
                {"", "", Qt::Key_Up, Qt::ControlModifier, "Text15", "132"},
                {"", "", Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier, "Text15", "131"},
                {"", "", Qt::Key_2, {}, "Text15", "151"},
                {"", "", Qt::Key_3, Qt::KeypadModifier, "Text15", "151"}, // the keypad's digits
                {"", "", Qt::Key_Down, Qt::KeypadModifier, "Text15", "152"}};
        for (auto [casella, scritto, tasto, mod, letta, atteso] : passi) {
            if (*casella) scrivi(casella, scritto);
            premi(tasto, mod);
            QCOMPARE(*letta ? testo(letta) : corrente(), atteso);
        }
        QCOMPARE(QApplication::focusWidget(), c("lettera_descrittiva_muf3000f2"));
        // The backslash key where a French layout types "*": no F1 layer.
        scrivi("Text9", "345");
        QKeyEvent asterisco(QEvent::KeyPress, Qt::Key_Asterisk, {}, 51, 0, 0, "*");
        QApplication::sendEvent(m_w->focusWidget(), &asterisco);
        QCOMPARE(testo("Text9") + testo("lettera_descrittiva_fof1"), "L");
    }

    // The key handler reads Ctrl, F1-F12, Esc, Space, the digits 1-4, the
    // arrows and the backslash key before any shortcut could fire: a shortcut
    // beginning with one of them would first clear or move something.
    void noShortcutBeginsWithAKeyTheHandlerReads() {
        apri();
        const QList<int> letti = {Qt::Key_Control, Qt::Key_Escape, Qt::Key_Space,
                                  Qt::Key_1,       Qt::Key_2,      Qt::Key_3,
                                  Qt::Key_4,       Qt::Key_Up,     Qt::Key_Down,
                                  Qt::Key_Left,    Qt::Key_Right,  Qt::Key_Backslash};
        QList<QKeySequence> scorciatoie;
        for (QAction* a : m_w->findChildren<QAction*>()) scorciatoie += a->shortcuts();
        for (QShortcut* s : m_w->findChildren<QShortcut*>()) scorciatoie += s->keys();
        for (const QKeySequence& sequenza : scorciatoie) {
            const int primo = sequenza[0].key();
            QVERIFY2(!sequenza[0].keyboardModifiers().testFlag(Qt::ControlModifier) &&
                         !letti.contains(primo) && !(primo >= Qt::Key_F1 && primo <= Qt::Key_F12),
                     qPrintable(sequenza.toString()));
        }
    }

    // The digits and the backslash key are places on the keyboard: a French
    // layout types &é"' and * there; the keypad and another layout's place
    // for those characters are none of the table's keys.
    void tableKeysAreFoundByTheirPlace() {
        const std::tuple<int, unsigned, unsigned, const char*, int> casi[] = {
            {Qt::Key_Ampersand, 10, 0, "xcb", Qt::Key_1},
            {Qt::Key_Dollar, 13, 0, "xcb", Qt::Key_4}, // Shift+4, US
            {Qt::Key_Asterisk, 51, 0, "xcb", Qt::Key_Backslash},
            {Qt::Key_1, 87, 0, "xcb", Qt::Key_unknown},         // keypad
            {Qt::Key_4, 83, 0, "xcb", Qt::Key_unknown},         // keypad, the last digit
            {Qt::Key_Backslash, 94, 0, "xcb", Qt::Key_unknown}, // ISO key beside Shift
            {Qt::Key_Ampersand, 0x02, 0, "windows", Qt::Key_1},
            {Qt::Key_Ampersand, 0, 0x12, "cocoa", Qt::Key_1},
            {Qt::Key_3, 0, 0, "offscreen", Qt::Key_3}}; // no scan code: the key as it is
        for (auto [tasto, scansione, virtuale, piattaforma, atteso] : casi)
            QCOMPARE(tasto_della_tabella(tasto, scansione, virtuale, piattaforma), atteso);
    }

    void typingGoesThroughTheFiltersAndMovesTheFocus() {
        apri();
        auto* q = c<QLineEdit>("lettera_qualificativa_fof2");
        auto* d = c<QLineEdit>("lettera_descrittiva_fof2");
        QVERIFY(!d->acceptDrops()); // dropped text would pass by the filters
        q->setFocus();
        QTest::keyClicks(q, "x7"); // refused, with a message and silently
        QCOMPARE(q->text() + QString::number(m_messaggi.mostrati.size()), "1");
        QTest::keyClick(q, 'a');
        QVERIFY(q->text() == "A" && QApplication::focusWidget() == d);
        // The Es types box: filtered, four characters, arrows and Delete swallowed.
        clic("tipoEs");
        auto* tipi = c<QLineEdit>("Text7");
        QCOMPARE(QApplication::focusWidget(), tipi);
        tipi->clear();
        QTest::keyClicks(tipi, "n1c0 2h1sX");
        QCOMPARE(tipi->text(), "C2H1");
        for (Qt::Key tasto : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Delete})
            QTest::keyClick(tipi, tasto);
        QCOMPARE(tipi->cursorPosition(), 4);
        // The window never swallows a key: 3 is a MUF key for it and a count for the box.
        tipi->clear();
        QTest::keyClicks(tipi, "C3");
        premi(Qt::Key_F1);
        QCOMPARE(corrente() + " " + testo("Text7"), "fbEs C3");
    }

    void withoutAnIonogramTheStatusLineSaysWhy() {
        std::filesystem::remove(prova::file_ionogramma(m_stato, 7, 45));
        apri();
        for (QAction* a : c<QMenu>("casi_particolari")->actions())
            QVERIFY(a->objectName().isEmpty() ||
                    a->isEnabled() == (a->objectName() == "no_ionogramma"));
        auto* stato = c<QLabel>("stato_file");
        QVERIFY(!stato->text().isEmpty() && stato->sizeHint().width() <= stato->width());
        QCOMPARE(stato->palette().color(QPalette::WindowText), QColor(Qt::yellow)); // on blue
        QCOMPARE(stato->toolTip(),
                 QString::fromStdString(prova::file_ionogramma(m_stato, 7, 45).string()));
        scrivi("Text1", "15");
        clic("Text7");
        premi(Qt::Key_F6); // the function keys work whatever the menu
        QCOMPARE(codice(), "01");
    }

    void theCompanionStepsOnItsOwnAgainstTheRightEdge() {
        prova::scrivi_ionogramma(m_stato, 8, 0, {.a_capo_50 = true, .a_capo_197 = false});
        apri();
        clic("show_next_ionogram");
        immagine_next_ionogram* k = m_w->compagna();
        QVERIFY(k && k->isVisible() && k->windowTitle().contains("08:00"));
        // The short header only the main window reads.
        QVERIFY(c<QLabel>("stato_file", k)->text().contains("byte 197 is not a line feed"));
        const QRect area = k->screen()->availableGeometry(), cornice = k->frameGeometry();
        QCOMPARE(cornice.x(), area.x() + 2 * ((area.width() - cornice.width()) / 2));
        for (auto [pulsante, ora] : {std::pair{"next_new_form", "08:15"}, {"previous_new_form", "08:00"}}) {
            QTest::mouseClick(c(pulsante, k), Qt::LeftButton);
            QVERIFY2(k->windowTitle().contains(ora), ora);
        }
        clic("successivo"); // the main window's moves leave it where it is
        QVERIFY(k->windowTitle().contains("08:00"));
        clic("show_next_ionogram"); // asked again, it follows the main window
        QVERIFY(m_w->compagna() == k && k->windowTitle().contains("08:15"));
    }

    void theOverviewOpensOnceFollowsTheSavesAndMovesTheWindow() {
        apri();
        for (int volte = 0; volte < 2; ++volte) c<QAction>("panoramica_giorno")->trigger();
        QCOMPARE(m_w->findChildren<panoramica_giorno*>().size(), 1); // asked again, raised
        auto* panoramica = m_w->findChild<panoramica_giorno*>();
        const QImage prima = panoramica->immagine_panoramica();
        clic("successivo");
        QTRY_VERIFY(panoramica->isVisible() && panoramica->immagine_panoramica() != prima);
        QTest::mouseClick(panoramica, Qt::LeftButton, {}, QPoint(64 + 36 * 9, 400)); // 09:00
        QVERIFY(numero() == 37 && m_w->windowTitle().contains("09:00"));
    }

    void theStartWindowShowsTheStoredPositionCentred() {
        apri_entrata();
        QCOMPARE(giorno()->text() + " " + mostrati(), "05-03-2023 07 45 15");
        QVERIFY(!lista("hour")->isEditable() && !lista("minutes")->isEditable());
        const QRect area = m_e->screen()->availableGeometry(), cornice = m_e->frameGeometry();
        QCOMPARE(cornice.topLeft(), area.topLeft() + QPoint((area.width() - m_e->width()) / 2,
                                                            (area.height() - m_e->height()) / 2));
        QList<QRect> posti; // no control covers another
        for (QWidget* w : m_e->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            for (const QRect& p : posti) QVERIFY(!w->isVisible() || !p.intersects(w->geometry()));
            posti << w->geometry();
        }
    }

    // Another interval brings back midnight, the stored one the stored time,
    // but only on the stored day; leaving a changed date brings back midnight.
    void theIntervalAndTheDate() {
        apri_entrata();
        QComboBox* incremento = lista("incremento");
        incremento->setFocus();
        for (auto [tasto, atteso] :
             {std::pair{Qt::Key_Down, "00 00 30"}, {Qt::Key_Up, "07 45 15"}}) {
            QTest::keyClick(incremento, tasto);
            QCOMPARE(mostrati(), atteso);
        }
        giorno()->setText("06-03-2023");
        QTest::keyClick(incremento, Qt::Key_Down);
        QTest::keyClick(incremento, Qt::Key_Up);
        QCOMPARE(mostrati(), "00 00 15");
        apri_entrata();
        giorno()->setFocus();
        QTest::keyClick(giorno(), Qt::Key_Backspace);
        QTest::keyClick(giorno(), Qt::Key_Tab);
        QCOMPARE(mostrati(), "00 00 15");
        // Only digits, "-" and the keys that type nothing reach the date (a
        // wrong date refused at the start is checked from outside).
        giorno()->selectAll();
        QTest::keyClicks(giorno(), "3a1-04/-2023.");
        QCOMPARE(giorno()->text(), "31-04-2023");
    }

    // Return or keypad Enter in any control, Space on the start label or a
    // click on it start the session, once: what follows before the window has
    // gone (Enter pressed twice, a bouncing key, a double click) starts nothing.
    void everyStartControlStartsOnce() {
        const std::pair<const char*, Qt::Key> casi[] = {
            {"giorno", Qt::Key_Return},    {"hour", Qt::Key_Enter},   {"minutes", Qt::Key_Return},
            {"incremento", Qt::Key_Enter}, {"Label5", Qt::Key_Space}, {"Label5", Qt::Key_unknown}};
        for (auto [nome, tasto] : casi) {
            apri_entrata();
            QSignalSpy avviata(m_e.get(), &entrata::sessioneAvviata);
            QWidget* controllo = c(nome, m_e.get());
            tasto == Qt::Key_unknown ? QTest::mouseClick(controllo, Qt::LeftButton)
                                     : QTest::keyClick(controllo, tasto);
            QTest::keyClick(controllo, Qt::Key_Return);
            QTest::mouseClick(c("Label5", m_e.get()), Qt::LeftButton);
            QVERIFY2(avviata.count() == 1, nome);
        }
    }

    // The offscreen screen is 800 pixels wide: too narrow for the main window.
    // Every load of the start window checks it: a screen that has become too
    // narrow by the time of Esc ends the program there.
    void theScreenMustBeWiderThan800Pixels() {
        QVERIFY(schermo_sufficiente(801) && !schermo_sufficiente(800) &&
                !controllo_schermo(m_messaggi));
        QCOMPARE(m_messaggi.testi(),
                 std::vector<std::string>{
                     "To use this software the monitor resolution has to be at least 1024 X 768"});
        int controlli = 0;
        m_programma =
            std::make_unique<applicazione>(m_messaggi, [&](messaggi&) { return ++controlli == 1; });
        m_programma->apri_entrata();
        QVERIFY(avvia());
        QTimer::singleShot(
            0, this, [&] { m_programma->finestra_principale()->Form_KeyDown(Qt::Key_Escape, {}); });
        QTimer::singleShot(5000, this, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(controlli == 2 && m_programma->finestra_entrata() == nullptr);
    }

    // Enter opens the stored sounding and the start window goes; Esc saves and
    // brings the start window back, whose load closes the main window without
    // ending the program (and the companion with it, checked from outside);
    // Enter goes on where the operator left.
    void escapeAndEnterGoBackAndForth() {
        m_programma = std::make_unique<applicazione>(m_messaggi, prova::schermo_largo);
        m_programma->apri_entrata();
        QPointer<immagine> principale = avvia();
        QVERIFY(principale && principale->windowTitle().contains("07:45"));
        QTest::mouseClick(c("successivo", principale), Qt::LeftButton);
        bool visto = false;
        QTimer::singleShot(0, this,
                           [&] { QTest::keyClick(principale->focusWidget(), Qt::Key_Escape); });
        QTimer::singleShot(200, this, [&] {
            visto = m_programma->finestra_entrata() &&
                    m_programma->finestra_entrata()->isVisible() && principale.isNull();
            QCoreApplication::exit(7);
        });
        QCOMPARE(QCoreApplication::exec(), 7); // only the test ends the program
        QVERIFY(visto);
        principale = avvia();
        QVERIFY(principale && principale->windowTitle().contains("08:00"));
        // A main window that refuses to close keeps the day: no start window beside it.
        principale->caselle().imposta_testo("Text7", "C1F");
        m_programma->apri_entrata();
        QVERIFY(m_programma->finestra_entrata() == nullptr);
        QVERIFY(principale->isVisible() && m_messaggi.testi().size() == 1);
    }
};

QTEST_MAIN(TestFinestre)
#include "test_finestre.moc"
