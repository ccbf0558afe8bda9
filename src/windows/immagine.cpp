#include "immagine.h"

#include "display/lettura_cursore.h"
#include "scaling/tabella_grandezze.h"
#include "windows/etichetta_cliccabile.h"
#include "windows/etichetta_valore.h"
#include "windows/filtro_caselle.h"
#include "windows/immagine_next_ionogram.h"
#include "windows/pannello_grafico.h"
#include "windows/testo_qt.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

namespace velaris {

namespace {

// Where the View menu's proposal switch is kept (QSettings).
const QString chiave_proposte = QStringLiteral("proposals");

// Style of a box the failed check is about.
constexpr const char* proprieta_evidenziata = "evidenziata";
const QString stile_evidenziata = QStringLiteral("border: 2px solid rgb(255, 0, 0);");

std::int16_t codice_pulsante(Qt::MouseButton pulsante) {
    switch (pulsante) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

} // namespace

immagine::immagine(stato_programma& stato, messaggi& messaggi, QWidget* parent)
    : QMainWindow(parent), m_stato(stato), m_messaggi(messaggi),
      m_pannello(new pannello_grafico(geometria_grafico::finestra_principale(), 8, 46, this)),
      m_caselle(m_pannello), m_controlli(crea_controlli_immagine(*this, *m_pannello)),
      m_sessione(stato, m_caselle, messaggi, *this) {
    setObjectName("immagine");
    setCentralWidget(m_pannello);
    collega();
    collega_caselle();
    installa_anteprima_tasti();
    // The operator's choice outlives the window: a preference of the
    // desktop's, not a line of "setting.txt", which holds where the day
    // stands.
    const bool proposte = QSettings().value(chiave_proposte, true).toBool();
    m_controlli.proposte->setChecked(proposte);
    applica(m_sessione.mostra_proposte(proposte));
    adjustSize();
    setFixedSize(size());
    centra_sullo_schermo(this);
}

immagine::~immagine() { delete m_compagna; }

const QImage& immagine::superficie() const { return m_pannello->immagine(); }

immagine_next_ionogram* immagine::compagna() const { return m_compagna; }

void immagine::caricamento_ionogramma() { applica(m_sessione.carica()); }

void immagine::applica(const esito_comando& esito) {
    if (esito.record_salvato) emit recordSalvato();
    if (esito.poi == seguito::entrata) emit tornaAllEntrata();
}

void immagine::collega() {
    const controlli_immagine& c = m_controlli;
    for (const auto& [chiave, etichetta] : c.etichette) {
        if (!trova_grandezza(chiave)->selezionabile) continue;
        connect(etichetta, &etichetta_cliccabile::cliccata, this,
                [this, chiave] { applica(m_sessione.seleziona(chiave)); });
    }
    const std::pair<const char*, const char*> casi[] = {
        {"mancanza_es_di_giorno_principale", "02"},
        {"mancanza_es_di_notte_principale", "01"},
        {"giorno_singola_riflessione", "3a"},
        {"giorno_doppia_riflessione_magfoEs", "3b"},
        {"giorno_doppia_riflessione_minfoEs", "3c"},
        {"notte_singola_riflessione", "4a"},
        {"notte_doppia_riflessione_magfoEs", "4b"},
        {"notte_doppia_riflessione_minfoEs", "4c"},
        {"assorbimento_parziale", "05"},
        {"no_ionogramma", "06"},
    };
    for (const auto& [nome, codice] : casi)
        connect(c.voci_menu.at(nome), &QAction::triggered, this,
                [this, codice] { applica(m_sessione.caso_particolare(codice)); });
    connect(c.voci_menu.at("annulla_caso_particolare"), &QAction::triggered, this,
            [this] { applica(m_sessione.annulla_caso_particolare()); });
    connect(c.panoramica, &QAction::triggered, this, &immagine::panoramicaGiornoRichiesta);
    connect(c.proposte, &QAction::triggered, this, &immagine::proposte_Click);
    connect(c.es_su, &QPushButton::clicked, this, [this] { applica(m_sessione.es_su()); });
    connect(c.es_giu, &QPushButton::clicked, this, [this] { applica(m_sessione.es_giu()); });
    connect(c.prima, &etichetta_cliccabile::cliccata, this,
            [this] { applica(m_sessione.sposta(verso::precedente)); });
    connect(c.successivo, &etichetta_cliccabile::cliccata, this,
            [this] { applica(m_sessione.sposta(verso::successivo)); });
    connect(c.mostra_compagna, &QPushButton::clicked, this, &immagine::show_next_ionogram_Click);
    connect(this, &immagine::spostamentoRichiesto, this,
            [this](int numero) { applica(m_sessione.vai_a(numero)); });
    connect(m_pannello, &pannello_grafico::puntatoreMosso, this, &immagine::puntatore_mosso);
    connect(m_pannello, &pannello_grafico::premuto, this, &immagine::premuto_sul_grafico);
}

void immagine::collega_caselle() {
    // The filter sees the keys, clicks and focus changes of the letter boxes
    // and the Es types box, and the function keys that reach the window.
    auto* filtro = new filtro_caselle(*this, m_caselle);
    installEventFilter(filtro);
    for (const grandezza& g : tabella_grandezze) {
        for (std::string_view nome : {g.valore, g.qualificativa, g.descrittiva}) {
            QLineEdit* c = nome.empty() ? nullptr : m_caselle.casella_per_nome(nome);
            if (c == nullptr) continue;
            // Any change of a box ends the highlighting of a failed check.
            connect(c, &QLineEdit::textChanged, this, [this] { evidenzia({}); });
            if (nome != g.valore || g.chiave == chiave_tipi_es) c->installEventFilter(filtro);
        }
    }
}

bool immagine::tasto_caso_particolare(int tasto_qt) {
    const char* codice = nullptr;
    switch (tasto_qt) {
    case Qt::Key_F5:
        codice = "02";
        break;
    case Qt::Key_F6:
        codice = "01";
        break;
    case Qt::Key_F7:
        codice = "05";
        break;
    case Qt::Key_F8:
        applica(m_sessione.annulla_caso_particolare());
        return true;
    case Qt::Key_F9:
        codice = "06";
        break;
    default:
        return false;
    }
    applica(m_sessione.caso_particolare(codice));
    return true;
}

void immagine::premuto_sul_grafico(Qt::MouseButton pulsante, int x, int y) {
    const std::int16_t codice = codice_pulsante(pulsante);
    if (codice != 0) applica(m_sessione.clic(codice, static_cast<float>(x), static_cast<float>(y)));
}

void immagine::puntatore_mosso(int x, int y) {
    const lettura_cursore lettura =
        calcola_lettura_cursore(x, y, m_sessione.grandezza_corrente(),
                                m_sessione.ionogramma_presente(), separatore_decimale_sistema());
    switch (lettura.cosa) {
    case lettura_cursore::azione::invariata:
        return;
    case lettura_cursore::azione::svuota:
        m_pannello->unsetCursor();
        mostra_valore(m_controlli.lettura_frequenza, QString());
        mostra_valore(m_controlli.lettura_altezza, QString());
        return;
    case lettura_cursore::azione::mostra:
        static const QCursor croce(QPixmap::fromImage(immagine_puntatore_croce()), 16, 16);
        m_pannello->setCursor(croce);
        mostra_valore(m_controlli.lettura_frequenza, QString::fromStdString(lettura.frequenza));
        mostra_valore(m_controlli.lettura_altezza, QString::fromStdString(lettura.altezza));
        return;
    }
}

void immagine::show_next_ionogram_Click() {
    if (!m_compagna) {
        m_compagna = new immagine_next_ionogram(m_stato, m_messaggi);
        m_compagna->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_compagna->esegui(operazione_compagna::mostra);
    // At the last sounding nothing opens: a window never shown goes again.
    if (!m_compagna->isVisible()) delete m_compagna;
}

void immagine::proposte_Click(bool attive) {
    QSettings().setValue(chiave_proposte, attive);
    applica(m_sessione.mostra_proposte(attive));
}

void immagine::closeEvent(QCloseEvent* evento) {
    const esito_comando esito = m_sessione.chiusura();
    applica(esito);
    if (esito.poi == seguito::resta) {
        evento->ignore();
        return;
    }
    if (m_compagna) m_compagna->close();
    evento->accept();
}

// vista_principale

vista_ionogramma& immagine::grafico() { return *m_pannello; }

void immagine::abilita_casi_particolari(bool tutti) {
    for (const char* nome : {"mancanza_es_di_giorno_principale", "mancanza_es_di_notte_principale",
                             "es_occultante_di_giorno", "es_occultante_di_notte",
                             "assorbimento_parziale", "annulla_caso_particolare"})
        m_controlli.voci_menu.at(nome)->setEnabled(tutti);
    m_controlli.voci_menu.at("no_ionogramma")->setEnabled(true);
}

void immagine::imposta_caso_particolare(const std::string& didascalia) {
    mostra_valore(m_controlli.caso_particolare, testo_qt(didascalia));
}

void immagine::ridisegna_ionogramma(bool pulisci) {
    m_pannello->ridisegna_ionogramma(m_sessione.dati(), pulisci);
}

void immagine::disegna_curva_trasmissione(const std::vector<punto_grafico>& vertici) {
    m_pannello->disegna_curva(vertici);
}

void immagine::ridisegna_grafico_vuoto() { m_pannello->ridisegna_grafico_vuoto(); }

void immagine::mostra_corrente(std::string_view chiave) {
    const QColor normale = palette().color(QPalette::HighlightedText);
    for (const auto& [k, etichetta] : m_controlli.etichette)
        colora(etichetta, k == chiave ? colore_corrente : normale);
}

void immagine::apri_casella(std::string_view casella, bool aperta) {
    if (QLineEdit* c = m_caselle.casella_per_nome(casella)) c->setReadOnly(!aperta);
}

void immagine::mostra_pulsanti_es(bool visibili) {
    m_controlli.es_su->setVisible(visibili);
    m_controlli.es_giu->setVisible(visibili);
}

void immagine::mostra_proposta(const std::optional<punto_grafico>& punto,
                               const std::string& testo) {
    if (punto) m_pannello->disegna_proposta(*punto);
    m_pannello->imposta_proposta(QString::fromStdString(testo));
}

bool immagine::controllo_attivo() const { return m_controlli.controllo_si->isChecked(); }

void immagine::evidenzia(const std::vector<std::string_view>& caselle) {
    for (QLineEdit* c : m_evidenziate) {
        c->setProperty(proprieta_evidenziata, false);
        c->setStyleSheet(QString());
    }
    m_evidenziate.clear();
    for (std::string_view nome : caselle) {
        QLineEdit* c = m_caselle.casella_per_nome(nome);
        if (c == nullptr) continue;
        c->setProperty(proprieta_evidenziata, true);
        c->setStyleSheet(stile_evidenziata);
        m_evidenziate.push_back(c);
    }
}

std::string immagine::casella_con_fuoco() const {
    const QWidget* fuoco = focusWidget();
    return fuoco == nullptr ? std::string() : testo_std(fuoco->objectName());
}

void immagine::metti_fuoco(std::string_view casella) {
    if (QLineEdit* c = m_caselle.casella_per_nome(casella)) c->setFocus();
}

} // namespace velaris
