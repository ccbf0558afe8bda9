#pragma once
// The main scaling window: the ionogram plot with the table of the sixteen
// characteristics in its left margin, the cursor read-out above the plot, the
// particular-case menu and the move labels.
//
// The window is widgets and forwarding: every event that is an operator
// command becomes one call on its session object (sessione_principale), which
// owns what the window knows, and the window applies the one answer it gets.
// It shows what the session decides through the port it implements
// (vista_principale). The boxes are the one store of the scaled values.

#include "base/porte.h"
#include "session/sessione_principale.h"
#include "session/stato_programma.h"
#include "session/vista_principale.h"
#include "windows/caselle_qt.h"
#include "windows/immagine_controlli.h"

#include <QMainWindow>
#include <QPointer>

#include <string>
#include <vector>

class QLineEdit;

namespace velaris {

class pannello_grafico;
class immagine_next_ionogram;

class immagine : public QMainWindow, private vista_principale {
    Q_OBJECT
public:
    /// `stato` (the application's) and `messaggi` must outlive the window.
    immagine(stato_programma& stato, messaggi& messaggi, QWidget* parent = nullptr);
    ~immagine() override;

    /// The load of the window: the ionogram of the session's time, its
    /// results, foF2 current and the focus in foF2's descriptive letter.
    void caricamento_ionogramma();

    caselle_testo& caselle() { return m_caselle; }
    const sessione_principale& sessione() const { return m_sessione; }
    const QImage& superficie() const;
    /// The companion window, or nullptr when it is not open.
    immagine_next_ionogram* compagna() const;

    /// Form_KeyDown: the window's key handler. It sees every key pressed in
    /// the window before the control with the focus and never swallows it:
    /// the key goes on to that control afterwards. (immagine_tastiera.cpp)
    void Form_KeyDown(int tasto, Qt::KeyboardModifiers modificatori);
    /// F5 to F9 as the window's key handler runs them, whether or not the
    /// menu items are enabled; false for any other key.
    bool tasto_caso_particolare(int tasto_qt);
    /// What the window does with the answer of a command of its session.
    void applica(const esito_comando& esito);
    sessione_principale& sessione() { return m_sessione; }

signals:
    /// View > Day overview.
    void panoramicaGiornoRichiesta();
    /// The current record has just been written to the results file.
    void recordSalvato();
    /// Something outside the window (the day overview) asks to go to sounding
    /// `numero` (1-based): the window moves there through the steps of a move.
    void spostamentoRichiesto(int numero);
    /// Esc has saved the sounding: the start window is to be shown, whose
    /// load closes this window.
    void tornaAllEntrata();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    // vista_principale
    vista_ionogramma& grafico() override;
    void abilita_casi_particolari(bool tutti) override;
    void imposta_caso_particolare(const std::string& didascalia) override;
    void ridisegna_ionogramma(bool pulisci) override;
    void disegna_curva_trasmissione(const std::vector<punto_grafico>& vertici) override;
    void ridisegna_grafico_vuoto() override;
    void mostra_corrente(std::string_view chiave) override;
    void apri_casella(std::string_view casella, bool aperta) override;
    void mostra_pulsanti_es(bool visibili) override;
    void mostra_proposta(const std::optional<punto_grafico>& punto,
                         const std::string& testo) override;
    bool controllo_attivo() const override;
    void evidenzia(const std::vector<std::string_view>& caselle) override;
    std::string casella_con_fuoco() const override;
    void metti_fuoco(std::string_view casella) override;

    void collega();
    void collega_caselle();
    void premuto_sul_grafico(Qt::MouseButton pulsante, int x, int y);
    void puntatore_mosso(int x, int y);
    void show_next_ionogram_Click();
    void proposte_Click(bool attive);
    void installa_anteprima_tasti(); // immagine_tastiera.cpp

    stato_programma& m_stato;
    messaggi& m_messaggi;
    pannello_grafico* m_pannello;
    caselle_qt m_caselle;
    controlli_immagine m_controlli;
    sessione_principale m_sessione;
    std::vector<QLineEdit*> m_evidenziate; ///< framed by a failed check
    QPointer<immagine_next_ionogram> m_compagna;
};

} // namespace velaris
