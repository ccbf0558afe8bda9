#include "immagine_controlli.h"

#include "display/superficie.h"
#include "scaling/tabella_grandezze.h"
#include "windows/caselle_qt.h"
#include "windows/etichetta_cliccabile.h"
#include "windows/etichetta_valore.h"
#include "windows/pannello_grafico.h"
#include "windows/testo_qt.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace velaris {

namespace {

// Layout of the table in the plot's left margin (surface pixels). The margin
// is 220 pixels wide, so the boxes are narrow and the font small.
constexpr int riga_intestazione = 6;
constexpr int prima_riga = 26;
constexpr int passo_riga = 24;
constexpr int altezza_casella = 21;
constexpr int colonna_etichetta = 4;
constexpr int colonna_valore = 84;
constexpr int larghezza_valore = 30;
constexpr int colonna_qualificativa = 116;
constexpr int colonna_descrittiva = 136;
constexpr int larghezza_lettera = 18;
constexpr int colonna_precedente = 158;
constexpr int larghezza_precedente = 58;
// The Es types row: the box, then the u and d buttons, all left of the
// previous column, so that the previous sounding's Es types stay readable
// while the operator steps the reflections.
constexpr int larghezza_pulsante_es = 15;
constexpr int colonna_esdown = colonna_precedente - 2 - larghezza_pulsante_es;
constexpr int colonna_esup = colonna_esdown - 1 - larghezza_pulsante_es;
constexpr int larghezza_tipi_es = colonna_esup - 2 - colonna_valore;
constexpr int sotto_tabella = prima_riga + 16 * passo_riga + 8;

/// The window's own translation context.
QString tr(const char* testo) { return QCoreApplication::translate("velaris::immagine", testo); }

const QColor colore_didascalia_lettura(255, 255, 0);
const QColor colore_lettura(255, 128, 0);

QLabel* etichetta_fissa(const QString& nome, const QString& testo, QWidget* parent) {
    auto* l = new QLabel(testo, parent);
    l->setObjectName(nome);
    l->setAccessibleName(testo);
    return l;
}

QColor colore_testo(const QWidget& w) { return w.palette().color(QPalette::HighlightedText); }

/// The Particular Cases menu, its submenus of Es blanketing, and View.
void crea_menu(QMainWindow& finestra, controlli_immagine& c) {
    QMenu* menu = finestra.menuBar()->addMenu(tr("&Particular Cases"));
    menu->setObjectName("casi_particolari");
    const auto voce = [&c](QMenu* dove, const std::string& nome, const QString& testo) {
        QAction* a = dove->addAction(testo);
        a->setObjectName(testo_qt(nome));
        c.voci_menu.emplace(nome, a);
    };
    const auto sottomenu = [&c](QMenu* dove, const std::string& nome, const QString& testo) {
        QMenu* m = dove->addMenu(testo);
        m->setObjectName(testo_qt(nome));
        m->menuAction()->setObjectName(testo_qt(nome));
        c.voci_menu.emplace(nome, m->menuAction());
        return m;
    };
    voce(menu, "mancanza_es_di_giorno_principale", "Daytime Es missing (F5)");
    voce(menu, "mancanza_es_di_notte_principale", "Nighttime Es missing(F6)");
    for (const std::string p : {"giorno", "notte"}) {
        const bool giorno = p == "giorno";
        QMenu* occultante =
            sottomenu(menu, giorno ? "es_occultante_di_giorno" : "es_occultante_di_notte",
                      giorno ? "&Daytime Es blanketing" : "&Nighttime Es blanketing");
        voce(occultante, p + "_singola_riflessione", "single reflection");
        QMenu* doppia = sottomenu(occultante, p + "_doppia_riflessione", "multiple reflections");
        voce(doppia, p + "_doppia_riflessione_magfoEs", "Case a) (second reflection>=foEs)");
        voce(doppia, p + "_doppia_riflessione_minfoEs", "Case b) (second reflection<foEs)");
    }
    voce(menu, "assorbimento_parziale", "Partial absorption (F7)");
    voce(menu, "annulla_caso_particolare", "DELETE PARTICULAR CASE (F8)");
    voce(menu, "no_ionogramma", "NO IONOGRAM (F9)");

    // Reached by their mnemonics (Alt+V, O and Alt+V, P) only: every key the
    // window's key handler reads (Ctrl, the function keys, Esc, Space, the
    // digits 1 to 4, the arrows, the backslash key, Enter) already does
    // something to the scaling, and a chord beginning with one of them would
    // do that first.
    QMenu* vista = finestra.menuBar()->addMenu(tr("&View"));
    vista->setObjectName("vista");
    c.panoramica = vista->addAction(tr("Day &overview"));
    c.panoramica->setObjectName("panoramica_giorno");
    // Its accessible name is its text without the "&": "Show proposals".
    c.proposte = vista->addAction(tr("Show &proposals"));
    c.proposte->setObjectName("proposte");
    c.proposte->setCheckable(true);
    c.proposte->setChecked(true);
}

/// The headings over the table. Each ends where its column ends, so
/// "  Value" may reach into the label column, which has no heading.
void crea_intestazioni(QWidget& superficie, const QFont& carattere) {
    const std::pair<const char*, int> intestazioni[] = {
        {"  Value", colonna_valore + larghezza_valore},
        {"q.l.", colonna_qualificativa + larghezza_lettera + 1},
        {"d.l.", colonna_descrittiva + larghezza_lettera + 1},
        {"Previous", colonna_precedente + larghezza_precedente}};
    QFont piccolo = carattere;
    piccolo.setPointSizeF(7.0);
    for (const auto& [testo, fine] : intestazioni) {
        QLabel* l = etichetta_fissa(QString(), testo, &superficie);
        l->setFont(piccolo);
        colora(l, colore_testo(superficie));
        l->adjustSize();
        l->move(fine - l->width(), riga_intestazione);
    }
}

/// One row of the table: the clickable label and the boxes of `g`.
void crea_riga(QWidget& superficie, const QFont& carattere, const grandezza& g, int riga,
               controlli_immagine& c) {
    const QString didascalia = testo_qt(g.didascalia);
    auto* etichetta = new etichetta_cliccabile(testo_qt(g.etichetta), didascalia, &superficie);
    etichetta->setFont(carattere);
    etichetta->setGeometry(colonna_etichetta, riga, colonna_valore - colonna_etichetta - 2,
                           altezza_casella);
    colora(etichetta, colore_testo(superficie));
    c.etichette.emplace(std::string(g.chiave), etichetta);

    const auto nuova = [&](std::string_view nome, int limite, const QString& accessibile,
                           int colonna, int larghezza) {
        auto* box = new casella(testo_qt(nome), limite, &superficie);
        box->setFont(carattere);
        box->setAccessibleName(accessibile);
        box->setGeometry(colonna, riga, larghezza, altezza_casella);
        box->setReadOnly(true);
        return box;
    };
    if (g.chiave == chiave_tipi_es) {
        auto* tipi = nuova(g.valore, 4, didascalia, colonna_valore, larghezza_tipi_es);
        tipi->setReadOnly(false);
    } else {
        nuova(g.valore, 3, didascalia + " value", colonna_valore, larghezza_valore);
        nuova(g.qualificativa, 1, didascalia + " q.l.", colonna_qualificativa, larghezza_lettera);
        nuova(g.descrittiva, 1, didascalia + " d.l.", colonna_descrittiva, larghezza_lettera);
    }
    nuova(g.precedente, 5, didascalia + " previous", colonna_precedente, larghezza_precedente);
}

/// Below the table: the check options, the move labels, the companion button.
void crea_comandi(QWidget& superficie, controlli_immagine& c) {
    auto* cornice = new QGroupBox(tr("Check the scaling before leaving"), &superficie);
    cornice->setObjectName("Frame1");
    cornice->setAccessibleName(cornice->title());
    colora(cornice, colore_testo(superficie));
    c.controllo_si = new QRadioButton(tr("Yes"), cornice);
    c.controllo_si->setObjectName("Option1");
    c.controllo_si->setAccessibleName(tr("Yes"));
    c.controllo_si->setChecked(true);
    auto* no = new QRadioButton(tr("No"), cornice);
    no->setObjectName("Option2");
    no->setAccessibleName(tr("No"));
    cornice->setGeometry(colonna_etichetta, sotto_tabella, 212, 48);
    c.controllo_si->move(10, 22);
    no->move(90, 22);

    c.prima = new etichetta_cliccabile("prima", tr("Previous Ionogram (F4)"), &superficie);
    c.successivo = new etichetta_cliccabile("successivo", tr("Next Ionogram (F3)"), &superficie);
    colora(c.prima, Qt::white);
    colora(c.successivo, colore_testo(superficie));
    c.prima->move(colonna_etichetta, sotto_tabella + 60);
    c.successivo->move(colonna_etichetta, sotto_tabella + 84);
    for (auto* l : {c.prima, c.successivo}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setCursor(Qt::PointingHandCursor);
        l->adjustSize();
    }

    c.mostra_compagna = new QPushButton(tr("show simultaneously"), &superficie);
    c.mostra_compagna->setObjectName("show_next_ionogram");
    c.mostra_compagna->setAccessibleName(c.mostra_compagna->text());
    c.mostra_compagna->setGeometry(colonna_etichetta, sotto_tabella + 112, 150, 26);
}

/// The Es multiple-reflection buttons stand beside the Es types box and show
/// only while the Es types are being scaled.
void crea_pulsanti_es(QWidget& superficie, controlli_immagine& c) {
    const int riga_tipi_es = prima_riga + 6 * passo_riga;
    c.es_su = new QPushButton("u", &superficie);
    c.es_su->setObjectName("Esup");
    c.es_su->setAccessibleName(tr("Es types up"));
    c.es_giu = new QPushButton("d", &superficie);
    c.es_giu->setObjectName("Esdown");
    c.es_giu->setAccessibleName(tr("Es types down"));
    c.es_su->setGeometry(colonna_esup, riga_tipi_es, larghezza_pulsante_es, altezza_casella);
    c.es_giu->setGeometry(colonna_esdown, riga_tipi_es, larghezza_pulsante_es, altezza_casella);
    c.es_su->hide();
    c.es_giu->hide();
}

/// The read-out above the plot, and Label11 under it.
void crea_lettura(pannello_grafico& pannello, controlli_immagine& c) {
    const int sinistra = pannello.geometria().colonna(0) + 8;
    QFont lettura("Arial");
    lettura.setPointSizeF(9.75);
    lettura.setBold(true);
    QLabel* label3 = etichetta_fissa("Label3", "FREQUENCY (MHz):", &pannello);
    c.lettura_frequenza =
        crea_etichetta_valore("Label1", tr("Frequency under the pointer"), &pannello);
    QLabel* label4 = etichetta_fissa("Label4", "HEIGHT(km):", &pannello);
    c.lettura_altezza = crea_etichetta_valore("Label2", tr("Height under the pointer"), &pannello);
    int x = sinistra;
    for (QLabel* l : {label3, c.lettura_frequenza, label4, c.lettura_altezza}) {
        l->setFont(lettura);
        const bool valore = l == c.lettura_frequenza || l == c.lettura_altezza;
        colora(l, valore ? colore_lettura : colore_didascalia_lettura);
        l->setAutoFillBackground(true);
        l->setGeometry(x, 6, valore ? 80 : 140, 20);
        x += valore ? 100 : (l == label3 ? 140 : 100);
    }

    c.caso_particolare = crea_etichetta_valore("Label11", tr("Particular case"), &pannello);
    colora(c.caso_particolare, colore_testo(pannello));
    c.caso_particolare->setGeometry(sinistra, 28, 760, 18);
}

} // namespace

void colora(QWidget* controllo, const QColor& testo) {
    QPalette p = controllo->palette();
    p.setColor(QPalette::WindowText, testo);
    p.setColor(QPalette::Window, QColor::fromRgb(colore_sfondo));
    controllo->setPalette(p);
}

controlli_immagine crea_controlli_immagine(QMainWindow& finestra, pannello_grafico& pannello) {
    controlli_immagine c;
    crea_menu(finestra, c);
    QFont carattere = finestra.font();
    carattere.setPointSizeF(8.25);
    crea_intestazioni(pannello, carattere);
    int riga = prima_riga;
    for (const grandezza& g : tabella_grandezze) {
        crea_riga(pannello, carattere, g, riga, c);
        riga += passo_riga;
    }
    crea_comandi(pannello, c);
    crea_pulsanti_es(pannello, c);
    crea_lettura(pannello, c);
    return c;
}

} // namespace velaris
