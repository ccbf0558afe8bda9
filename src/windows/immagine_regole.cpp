// The main window's letters, particular cases, Es types and consistency
// check: the wiring of the menu, the buttons and the boxes to the rules.

#include "immagine.h"

#include "rules/controllo_coerenza.h"
#include "rules/lettere.h"
#include "rules/tipi_es.h"
#include "scaling/tabella_grandezze.h"
#include "windows/filtro_caselle.h"

#include <QAction>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace velaris {

namespace {

// Style of a box the failed check is about.
constexpr const char* proprieta_evidenziata = "evidenziata";
const QString stile_evidenziata = QStringLiteral("border: 2px solid rgb(255, 0, 0);");

} // namespace

void immagine::collega_regole() {
    const std::pair<const char*, void (immagine::*)()> comandi[] = {
        {"mancanza_es_di_giorno_principale", &immagine::mancanza_es_di_giorno_principale_Click},
        {"mancanza_es_di_notte_principale", &immagine::mancanza_es_di_notte_principale_Click},
        {"giorno_singola_riflessione", &immagine::giorno_singola_riflessione_Click},
        {"giorno_doppia_riflessione_magfoEs", &immagine::giorno_doppia_riflessione_magfoEs_Click},
        {"giorno_doppia_riflessione_minfoEs", &immagine::giorno_doppia_riflessione_minfoEs_Click},
        {"notte_singola_riflessione", &immagine::notte_singola_riflessione_Click},
        {"notte_doppia_riflessione_magfoEs", &immagine::notte_doppia_riflessione_magfoEs_Click},
        {"notte_doppia_riflessione_minfoEs", &immagine::notte_doppia_riflessione_minfoEs_Click},
        {"assorbimento_parziale", &immagine::assorbimento_parziale_Click},
        {"no_ionogramma", &immagine::no_ionogramma_Click},
        {"annulla_caso_particolare", &immagine::annulla_caso_particolare_Click},
    };
    for (const auto& [nome, comando] : comandi)
        connect(m_voci_menu.at(nome), &QAction::triggered, this, comando);
    connect(m_es_su, &QPushButton::clicked, this, &immagine::Esup_Click);
    connect(m_es_giu, &QPushButton::clicked, this, &immagine::Esdown_Click);

    // The filter sees the keys, clicks and focus changes of the letter boxes
    // and the Es types box, and the function keys that reach the window.
    m_filtro = new filtro_caselle(*this);
    installEventFilter(m_filtro);
    for (const grandezza& g : tabella_grandezze) {
        for (std::string_view nome : {g.valore, g.qualificativa, g.descrittiva}) {
            QLineEdit* c = nome.empty() ? nullptr : m_caselle.casella_per_nome(nome);
            if (c == nullptr) continue;
            // Any change of a box ends the highlighting of a failed check.
            connect(c, &QLineEdit::textChanged, this, &immagine::togli_evidenziazione);
            if (nome != g.valore || g.chiave == chiave_tipi_es) c->installEventFilter(m_filtro);
        }
    }
}

bool immagine::tasto_caso_particolare(int tasto_qt) {
    switch (tasto_qt) {
    case Qt::Key_F5: mancanza_es_di_giorno_principale_Click(); return true;
    case Qt::Key_F6: mancanza_es_di_notte_principale_Click(); return true;
    case Qt::Key_F7: assorbimento_parziale_Click(); return true;
    case Qt::Key_F8: annulla_caso_particolare_Click(); return true;
    case Qt::Key_F9: no_ionogramma_Click(); return true;
    default: return false;
    }
}

void immagine::mancanza_es_di_giorno_principale_Click() { applica_caso("02"); }
void immagine::mancanza_es_di_notte_principale_Click() { applica_caso("01"); }
void immagine::giorno_singola_riflessione_Click() { applica_caso("3a"); }
void immagine::giorno_doppia_riflessione_magfoEs_Click() { applica_caso("3b"); }
void immagine::giorno_doppia_riflessione_minfoEs_Click() { applica_caso("3c"); }
void immagine::notte_singola_riflessione_Click() { applica_caso("4a"); }
void immagine::notte_doppia_riflessione_magfoEs_Click() { applica_caso("4b"); }
void immagine::notte_doppia_riflessione_minfoEs_Click() { applica_caso("4c"); }
void immagine::assorbimento_parziale_Click() { applica_caso("05"); }
void immagine::no_ionogramma_Click() { applica_caso("06"); }

void immagine::annulla_caso_particolare_Click() {
    mostra_esito_caso(annullamento_caso_particolare(m_caselle, m_stato.codice_caso_particolare));
}

void immagine::clic_destro_mancanza_es() {
    mostra_esito_caso(
        mancanza_es_clic_destro(m_caselle, m_stato.codice_caso_particolare, m_messaggi));
}

void immagine::applica_caso(std::string_view codice) {
    mostra_esito_caso(applicazione_caso_particolare(codice, m_caselle,
                                                    m_stato.codice_caso_particolare, m_messaggi));
}

void immagine::mostra_esito_caso(const esito_caso_particolare& esito) {
    if (!esito.applicato) return;
    if (esito.seleziona_hf) seleziona("hF");
    if (esito.didascalia) imposta_caso_particolare(*esito.didascalia);
}

void immagine::selezione_tipi_es() {
    if (!m_stato.ionogramma_presente) return;
    proposta_selezione_tipi_es(m_caselle);
    m_es_su->show();
    m_es_giu->show();
}

void immagine::Esup_Click() { aumento_riflessioni_es(m_caselle, m_messaggi); }
void immagine::Esdown_Click() { diminuzione_riflessioni_es(m_caselle, m_messaggi); }

void immagine::evidenzia(const std::vector<std::string_view>& caselle) {
    togli_evidenziazione();
    for (std::string_view nome : caselle) {
        QLineEdit* c = m_caselle.casella_per_nome(nome);
        if (c == nullptr) continue;
        c->setProperty(proprieta_evidenziata, true);
        c->setStyleSheet(stile_evidenziata);
        m_evidenziate.push_back(c);
    }
}

void immagine::togli_evidenziazione() {
    for (QLineEdit* c : m_evidenziate) {
        c->setProperty(proprieta_evidenziata, false);
        c->setStyleSheet(QString());
    }
    m_evidenziate.clear();
}

} // namespace velaris
