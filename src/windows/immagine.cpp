#include "immagine.h"

#include "display/disegno.h"
#include "display/echi.h"
#include "display/lettura_cursore.h"
#include "display/superficie.h"
#include "ionogram/stazioni.h"
#include "rules/tipi_es.h"
#include "scaling/tabella_grandezze.h"
#include "windows/etichetta_cliccabile.h"
#include "windows/etichetta_valore.h"
#include "windows/superficie_grafico.h"
#include "windows/testo_qt.h"

#include <QCloseEvent>
#include <algorithm>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
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

const QColor colore_corrente(255, 0, 0);
const QColor colore_didascalia_lettura(255, 255, 0);
const QColor colore_lettura(255, 128, 0);

void colora(QWidget* w, const QColor& testo) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, testo);
    p.setColor(QPalette::Window, QColor::fromRgb(colore_sfondo));
    w->setPalette(p);
}

QLabel* etichetta_fissa(const QString& nome, const QString& testo, QWidget* parent) {
    auto* l = new QLabel(testo, parent);
    l->setObjectName(nome);
    l->setAccessibleName(testo);
    return l;
}

} // namespace

immagine::immagine(stato_programma& stato, messaggi& messaggi, QWidget* parent)
    : QMainWindow(parent), m_stato(stato), m_messaggi(messaggi),
      m_grafico(new superficie_grafico(geometria_grafico::finestra_principale(), this)),
      m_caselle(m_grafico), m_scalatura(m_caselle, m_messaggi, *this, stazione_sistema) {
    setObjectName("immagine");
    setCentralWidget(m_grafico);
    crea_menu();
    crea_tabella();
    crea_controlli();
    collega_regole();
    collega_spostamenti();
    connect(m_grafico, &superficie_grafico::puntatoreMosso, this, &immagine::puntatore_mosso);
    connect(m_grafico, &superficie_grafico::premuto, this, &immagine::premuto_sul_grafico);
    installa_anteprima_tasti();
    disegno_grafico_vuoto(m_grafico->immagine(), m_grafico->geometria(),
                          palette().color(QPalette::HighlightedText));
    adjustSize();
    setFixedSize(size());
    centra_sullo_schermo(this);
}


const QImage& immagine::superficie() const { return m_grafico->immagine(); }

void immagine::crea_menu() {
    QMenu* menu = menuBar()->addMenu(tr("&Particular Cases"));
    menu->setObjectName("casi_particolari");
    const auto voce = [this](QMenu* dove, const char* nome, const QString& testo) {
        QAction* a = dove->addAction(testo);
        a->setObjectName(nome);
        m_voci_menu.emplace(nome, a);
    };
    const auto sottomenu = [this](QMenu* dove, const char* nome, const QString& testo) {
        QMenu* m = dove->addMenu(testo);
        m->setObjectName(nome);
        m->menuAction()->setObjectName(nome);
        m_voci_menu.emplace(nome, m->menuAction());
        return m;
    };
    voce(menu, "mancanza_es_di_giorno_principale", "Daytime Es missing (F5)");
    voce(menu, "mancanza_es_di_notte_principale", "Nighttime Es missing(F6)");
    for (const char* periodo : {"giorno", "notte"}) {
        const bool giorno = std::string_view(periodo) == "giorno";
        QMenu* occultante =
            sottomenu(menu, giorno ? "es_occultante_di_giorno" : "es_occultante_di_notte",
                      giorno ? "&Daytime Es blanketing" : "&Nighttime Es blanketing");
        const std::string p = periodo;
        voce(occultante, (p + "_singola_riflessione").c_str(), "single reflection");
        QMenu* doppia =
            sottomenu(occultante, (p + "_doppia_riflessione").c_str(), "multiple reflections");
        voce(doppia, (p + "_doppia_riflessione_magfoEs").c_str(),
             "Case a) (second reflection>=foEs)");
        voce(doppia, (p + "_doppia_riflessione_minfoEs").c_str(),
             "Case b) (second reflection<foEs)");
    }
    voce(menu, "assorbimento_parziale", "Partial absorption (F7)");
    voce(menu, "annulla_caso_particolare", "DELETE PARTICULAR CASE (F8)");
    voce(menu, "no_ionogramma", "NO IONOGRAM (F9)");

    // Reached by its mnemonic (Alt+V, O) only: every key the window's key
    // handler reads (Ctrl, the function keys, Esc, Space, the digits 1 to 4,
    // the arrows, the backslash key) already does something to the scaling,
    // and a chord beginning with one of them would do that first.
    QMenu* vista = menuBar()->addMenu(tr("&View"));
    vista->setObjectName("vista");
    QAction* panoramica = vista->addAction(tr("Day &overview"));
    panoramica->setObjectName("panoramica_giorno");
    connect(panoramica, &QAction::triggered, this, &immagine::panoramicaGiornoRichiesta);
}

void immagine::crea_tabella() {
    QFont carattere = font();
    carattere.setPointSizeF(8.25);
    const QColor colore_etichette = palette().color(QPalette::HighlightedText);

    // Each heading ends where its column ends, so "  Value" may reach into
    // the label column, which has no heading.
    const std::pair<const char*, int> intestazioni[] = {
        {"  Value", colonna_valore + larghezza_valore},
        {"q.l.", colonna_qualificativa + larghezza_lettera + 1},
        {"d.l.", colonna_descrittiva + larghezza_lettera + 1},
        {"Previous", colonna_precedente + larghezza_precedente}};
    QFont piccolo = carattere;
    piccolo.setPointSizeF(7.0);
    for (const auto& [testo, fine] : intestazioni) {
        QLabel* l = etichetta_fissa(QString(), testo, m_grafico);
        l->setFont(piccolo);
        colora(l, colore_etichette);
        l->adjustSize();
        l->move(fine - l->width(), riga_intestazione);
    }

    int riga = prima_riga;
    for (const grandezza& g : tabella_grandezze) {
        const QString didascalia = testo_qt(g.didascalia);
        auto* etichetta = new etichetta_cliccabile(testo_qt(g.etichetta), didascalia, m_grafico);
        etichetta->setFont(carattere);
        etichetta->setGeometry(colonna_etichetta, riga, colonna_valore - colonna_etichetta - 2,
                               altezza_casella);
        colora(etichetta, colore_etichette);
        m_etichette.emplace(std::string(g.chiave), etichetta);
        if (g.selezionabile) {
            const std::string chiave(g.chiave);
            connect(etichetta, &etichetta_cliccabile::cliccata, this,
                    [this, chiave] { seleziona(chiave); });
        }

        const auto nuova = [&](std::string_view nome, int limite, const QString& accessibile,
                               int colonna, int larghezza) {
            auto* c = new casella(testo_qt(nome), limite, m_grafico);
            c->setFont(carattere);
            c->setAccessibleName(accessibile);
            c->setGeometry(colonna, riga, larghezza, altezza_casella);
            c->setReadOnly(true);
            return c;
        };
        if (g.chiave == chiave_tipi_es) {
            auto* tipi = nuova(g.valore, 4, didascalia, colonna_valore, larghezza_tipi_es);
            tipi->setReadOnly(false);
            nuova(g.precedente, 5, didascalia + " previous", colonna_precedente,
                  larghezza_precedente);
        } else {
            nuova(g.valore, 3, didascalia + " value", colonna_valore, larghezza_valore);
            nuova(g.qualificativa, 1, didascalia + " q.l.", colonna_qualificativa,
                  larghezza_lettera);
            nuova(g.descrittiva, 1, didascalia + " d.l.", colonna_descrittiva, larghezza_lettera);
            nuova(g.precedente, 5, didascalia + " previous", colonna_precedente,
                  larghezza_precedente);
        }
        riga += passo_riga;
    }
}

void immagine::crea_controlli() {
    const QColor colore_testo = palette().color(QPalette::HighlightedText);
    const int sotto_tabella = prima_riga + 16 * passo_riga + 8;

    auto* cornice = new QGroupBox(tr("Check the scaling before leaving"), m_grafico);
    cornice->setObjectName("Frame1");
    cornice->setAccessibleName(cornice->title());
    colora(cornice, colore_testo);
    m_controllo_si = new QRadioButton(tr("Yes"), cornice);
    m_controllo_si->setObjectName("Option1");
    m_controllo_si->setAccessibleName(tr("Yes"));
    m_controllo_si->setChecked(true);
    auto* no = new QRadioButton(tr("No"), cornice);
    no->setObjectName("Option2");
    no->setAccessibleName(tr("No"));
    cornice->setGeometry(colonna_etichetta, sotto_tabella, 212, 48);
    m_controllo_si->move(10, 22);
    no->move(90, 22);

    auto* prima = new etichetta_cliccabile("prima", tr("Previous Ionogram (F4)"), m_grafico);
    auto* successivo = new etichetta_cliccabile("successivo", tr("Next Ionogram (F3)"), m_grafico);
    colora(prima, Qt::white);
    colora(successivo, colore_testo);
    prima->move(colonna_etichetta, sotto_tabella + 60);
    successivo->move(colonna_etichetta, sotto_tabella + 84);
    for (auto* l : {prima, successivo}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setCursor(Qt::PointingHandCursor);
        l->adjustSize();
    }

    auto* mostra = new QPushButton(tr("show simultaneously"), m_grafico);
    mostra->setObjectName("show_next_ionogram");
    mostra->setAccessibleName(mostra->text());
    mostra->setGeometry(colonna_etichetta, sotto_tabella + 112, 150, 26);

    // The Es multiple-reflection buttons stand beside the Es types box and
    // show only while the Es types are being scaled.
    const int riga_tipi_es = prima_riga + 6 * passo_riga;
    m_es_su = new QPushButton("u", m_grafico);
    m_es_su->setObjectName("Esup");
    m_es_su->setAccessibleName(tr("Es types up"));
    m_es_giu = new QPushButton("d", m_grafico);
    m_es_giu->setObjectName("Esdown");
    m_es_giu->setAccessibleName(tr("Es types down"));
    m_es_su->setGeometry(colonna_esup, riga_tipi_es, larghezza_pulsante_es, altezza_casella);
    m_es_giu->setGeometry(colonna_esdown, riga_tipi_es, larghezza_pulsante_es, altezza_casella);
    m_es_su->hide();
    m_es_giu->hide();

    // Read-out above the plot.
    const geometria_grafico& g = m_grafico->geometria();
    const int sinistra = g.colonna(0) + 8;
    QFont lettura("Arial");
    lettura.setPointSizeF(9.75);
    lettura.setBold(true);
    QLabel* label3 = etichetta_fissa("Label3", "FREQUENCY (MHz):", m_grafico);
    m_lettura_frequenza =
        crea_etichetta_valore("Label1", tr("Frequency under the pointer"), m_grafico);
    QLabel* label4 = etichetta_fissa("Label4", "HEIGHT(km):", m_grafico);
    m_lettura_altezza = crea_etichetta_valore("Label2", tr("Height under the pointer"), m_grafico);
    int x = sinistra;
    for (QLabel* l : {label3, m_lettura_frequenza, label4, m_lettura_altezza}) {
        l->setFont(lettura);
        const bool valore = l == m_lettura_frequenza || l == m_lettura_altezza;
        colora(l, valore ? colore_lettura : colore_didascalia_lettura);
        l->setAutoFillBackground(true);
        l->setGeometry(x, 6, valore ? 80 : 140, 20);
        x += valore ? 100 : (l == label3 ? 140 : 100);
    }

    m_caso_particolare = crea_etichetta_valore("Label11", tr("Particular case"), m_grafico);
    colora(m_caso_particolare, colore_testo);
    m_caso_particolare->setGeometry(sinistra, 28, 760, 18);
    // The status line may hold two sentences about two files: it wraps onto
    // a second line in a smaller font, down to the plot frame, and names the
    // files in full in its tooltip.
    m_stato_file = crea_etichetta_valore("stato_file", tr("Ionogram file status"), m_grafico);
    colora(m_stato_file, colore_didascalia_lettura);
    QFont piccolo = font();
    piccolo.setPointSizeF(7.0);
    m_stato_file->setFont(piccolo);
    m_stato_file->setWordWrap(true);
    m_stato_file->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_stato_file->setGeometry(sinistra, 46, g.larghezza_superficie() - g.colonna(0) - 8 - 4,
                              g.riga(601) - 46);
}

void immagine::caricamento_ionogramma() {
    velaris::caricamento_ionogramma(m_stato, m_dati, *this, m_caselle, m_messaggi);
    applica_selezione(selezione_fof2());
    if (QLineEdit* d = m_caselle.casella_per_nome("lettera_descrittiva_fof2")) d->setFocus();
}

void immagine::seleziona(std::string_view chiave) {
    applica_selezione(
        seleziona_grandezza(chiave, m_caselle, m_giorno_notte, m_stato.ionogramma_presente));
    if (chiave == chiave_tipi_es) selezione_tipi_es();
    seleziona_muf(chiave);
}

void immagine::applica_selezione(const esito_selezione& esito) {
    if (esito.grandezza_corrente.empty()) return;
    m_grandezza_corrente = esito.grandezza_corrente;
    m_es_su->hide(); // shown again only by the Es types selection
    m_es_giu->hide();
    const QColor normale = palette().color(QPalette::HighlightedText);
    for (const auto& [chiave, etichetta] : m_etichette)
        colora(etichetta, chiave == m_grandezza_corrente ? colore_corrente : normale);
    for (std::string_view nome : caselle_lettera()) {
        const bool aperta = std::find(esito.sbloccate.begin(), esito.sbloccate.end(), nome) !=
                            esito.sbloccate.end();
        if (QLineEdit* c = m_caselle.casella_per_nome(nome)) c->setReadOnly(!aperta);
    }
    if (!esito.fuoco.empty())
        if (QLineEdit* c = m_caselle.casella_per_nome(esito.fuoco)) c->setFocus();
    ridisegna(esito.plot);
}

void immagine::ridisegna(ridisegno come) {
    const QColor testo = palette().color(QPalette::HighlightedText);
    switch (come) {
    case ridisegno::ionogramma:
        disegno_ionogramma(m_grafico->immagine(), m_grafico->geometria(), m_dati, testo);
        m_es_su->hide();
        m_es_giu->hide();
        break;
    case ridisegno::grafico_vuoto:
        disegno_grafico_vuoto(m_grafico->immagine(), m_grafico->geometria(), testo);
        break;
    case ridisegno::nessuno:
        return;
    }
    m_grafico->update();
}

void immagine::puntatore_mosso(int x, int y) {
    const lettura_cursore lettura = calcola_lettura_cursore(
        x, y, m_grandezza_corrente, m_stato.ionogramma_presente, separatore_decimale());
    switch (lettura.cosa) {
    case lettura_cursore::azione::invariata:
        return;
    case lettura_cursore::azione::svuota:
        m_grafico->unsetCursor();
        mostra_valore(m_lettura_frequenza, QString());
        mostra_valore(m_lettura_altezza, QString());
        return;
    case lettura_cursore::azione::mostra:
        static const QCursor croce(QPixmap::fromImage(immagine_puntatore_croce()), 16, 16);
        m_grafico->setCursor(croce);
        mostra_valore(m_lettura_frequenza, QString::fromStdString(lettura.frequenza));
        mostra_valore(m_lettura_altezza, QString::fromStdString(lettura.altezza));
        return;
    }
}

// Every load of a sounding passes here: the frames of a check failed on the
// sounding before go with it.
void immagine::mostra_ionogramma(dati_ionogramma& dati) {
    togli_evidenziazione();
    m_grafico->mostra_ionogramma(dati, palette().color(QPalette::HighlightedText));
}

void immagine::mostra_grafico_vuoto() {
    togli_evidenziazione();
    m_grafico->mostra_grafico_vuoto(palette().color(QPalette::HighlightedText));
}

void immagine::imposta_titolo(const std::string& titolo) { setWindowTitle(testo_qt(titolo)); }

void immagine::abilita_casi_particolari(bool tutti) {
    for (const char* nome :
         {"mancanza_es_di_giorno_principale", "mancanza_es_di_notte_principale",
          "es_occultante_di_giorno", "es_occultante_di_notte", "assorbimento_parziale",
          "annulla_caso_particolare"})
        m_voci_menu.at(nome)->setEnabled(tutti);
    m_voci_menu.at("no_ionogramma")->setEnabled(true);
}

void immagine::imposta_caso_particolare(const std::string& didascalia) {
    mostra_valore(m_caso_particolare, testo_qt(didascalia));
}

void immagine::imposta_stato_file(const std::string& testo, const std::string& percorsi) {
    mostra_valore(m_stato_file, QString::fromStdString(testo));
    m_stato_file->setToolTip(QString::fromStdString(percorsi));
}

char immagine::separatore_decimale() const { return separatore_decimale_sistema(); }

} // namespace velaris
