// The main window through the day: the moves to the previous and the next
// sounding, the companion window, Esc and the closing. The sequences live in
// src/session; here they meet the widgets.

#include "immagine.h"

#include "session/spostamento.h"
#include "rules/lettere.h"
#include "session/uscita.h"
#include "windows/etichetta_cliccabile.h"
#include "windows/immagine_next_ionogram.h"
#include "windows/testo_qt.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace velaris {

immagine::~immagine() { delete m_compagna; }

void immagine::collega_spostamenti() {
    connect(findChild<etichetta_cliccabile*>("prima"), &etichetta_cliccabile::cliccata, this,
            &immagine::prima_Click);
    connect(findChild<etichetta_cliccabile*>("successivo"), &etichetta_cliccabile::cliccata, this,
            &immagine::successivo_Click);
    connect(findChild<QPushButton*>("show_next_ionogram"), &QPushButton::clicked, this,
            &immagine::show_next_ionogram_Click);
    connect(this, &immagine::spostamentoRichiesto, this, &immagine::vai_al_sondaggio);
}

immagine_next_ionogram* immagine::compagna() const { return m_compagna; }

void immagine::prima_Click() { sposta(verso::precedente); }

void immagine::successivo_Click() { sposta(verso::successivo); }

void immagine::sposta(verso v) {
    sposta_con([v](contesto_principale& f) { return spostamento(v, f); });
}

void immagine::vai_al_sondaggio(int numero) {
    sposta_con([numero](contesto_principale& f) { return spostamento_a(numero, f); });
}

void immagine::sposta_con(const std::function<esito_spostamento(contesto_principale&)>& mossa) {
    const lasciando_sondaggio guardia(*this);
    vista_ionogramma& vista = *this;
    contesto_principale finestra{m_stato, m_caselle,      m_messaggi,
                                 m_dati,  vista,          m_giorno_notte,
                                 m_controllo_si->isChecked()};
    const esito_spostamento esito = mossa(finestra);
    if (esito == esito_spostamento::completato) fof2_corrente();
    if (!finestra.caselle_controllo.empty()) evidenzia(finestra.caselle_controllo);
    if (finestra.record_salvato) emit recordSalvato();
}

immagine::lasciando_sondaggio::lasciando_sondaggio(immagine& finestra) : m_finestra(finestra) {
    // The focus-leave work of the box being typed in belongs to this
    // sounding: it is done now, before anything is saved, and the focus
    // changes the way out makes later derive nothing.
    if (QWidget* fuoco = finestra.focusWidget())
        uscita_da_casella_lettera(testo_std(fuoco->objectName()), finestra.m_caselle);
    finestra.m_lasciando = true;
}

immagine::lasciando_sondaggio::~lasciando_sondaggio() { m_finestra.m_lasciando = false; }

void immagine::fof2_corrente() {
    applica_selezione(selezione_fof2());
    if (QLineEdit* d = m_caselle.casella_per_nome("lettera_descrittiva_fof2")) d->setFocus();
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

void immagine::salva_e_torna_all_entrata() {
    const lasciando_sondaggio guardia(*this);
    std::vector<std::string_view> da_evidenziare;
    const esito_uscita esito = salvataggio_per_uscita(
        m_stato, m_caselle, m_messaggi, m_controllo_si->isChecked(), &da_evidenziare);
    if (!da_evidenziare.empty()) evidenzia(da_evidenziare);
    if (esito.record_salvato) emit recordSalvato();
    if (!esito.prosegue) return;
    // No characteristic is current until the operator picks one again.
    m_grandezza_corrente.clear();
    const QColor normale = palette().color(QPalette::HighlightedText);
    for (const auto& [chiave, etichetta] : m_etichette) {
        QPalette p = etichetta->palette();
        p.setColor(QPalette::WindowText, normale);
        etichetta->setPalette(p);
    }
    // The start window's load closes this window at once: Esc has just
    // checked and saved it, so the closing asks nothing again.
    m_salvata_da_esc = true;
    emit tornaAllEntrata();
    m_salvata_da_esc = false;
}

void immagine::closeEvent(QCloseEvent* evento) {
    if (!m_salvata_da_esc) {
        const lasciando_sondaggio guardia(*this);
        std::vector<std::string_view> da_evidenziare;
        const esito_uscita esito = chiusura_principale(
            m_stato, m_caselle, m_messaggi, m_controllo_si->isChecked(), &da_evidenziare);
        if (!da_evidenziare.empty()) evidenzia(da_evidenziare);
        if (esito.record_salvato) emit recordSalvato();
        if (!esito.prosegue) {
            evento->ignore();
            return;
        }
    }
    if (m_compagna) m_compagna->close();
    evento->accept();
}

} // namespace velaris
