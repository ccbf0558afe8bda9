#pragma once
// The main scaling window: the ionogram plot with the table of the sixteen
// characteristics in its left margin, the cursor read-out above the plot, the
// particular-case menu and the move labels.
//
// The window owns its ionogram in memory and its drawing surface; the boxes
// are the one store of the scaled values. Logic lives in the libraries below:
// the window only applies what they decide.

#include "base/porte.h"
#include "ionogram/dati_ionogramma.h"
#include "rules/casi_particolari.h"
#include "scaling/scalatura.h"
#include "scaling/selezione.h"
#include "session/caricamento.h"
#include "session/orario.h"
#include "session/spostamento.h"
#include "session/stato_programma.h"
#include "windows/caselle_qt.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QRadioButton;
class QPushButton;

namespace velaris {

class superficie_grafico;
class etichetta_cliccabile;
class filtro_caselle;
class immagine_next_ionogram;

class immagine : public QMainWindow, private vista_ionogramma, private vista_scalatura {
    Q_OBJECT
public:
    immagine(stato_programma& stato, messaggi& messaggi, QWidget* parent = nullptr);
    ~immagine() override;

    /// The load of the window: the ionogram of the session's time, its
    /// results, foF2 current and the focus in foF2's descriptive letter.
    void caricamento_ionogramma();

    /// Makes `chiave` the characteristic being scaled, as a click on its label.
    void seleziona(std::string_view chiave);

    const std::string& grandezza_corrente() const { return m_grandezza_corrente; }
    caselle_testo& caselle() { return m_caselle; }
    const QImage& superficie() const;

    /// The mouse-button handler of the window on plot coordinates: button 1
    /// left, 2 right, 4 middle; `shift` is not used. A right click applies an
    /// Es-missing case, any other click on the plot scales the current
    /// characteristic. (immagine_scala.cpp)
    void Form_MouseDown(std::int16_t pulsante, std::int16_t shift, float x, float y);

    /// The window's key handler. It sees every key pressed in the window
    /// before the control with the focus and never swallows it: the key goes
    /// on to that control afterwards. (immagine_tastiera.cpp)
    void Form_KeyDown(int tasto, Qt::KeyboardModifiers modificatori);

    /// The variables of the clicks and of the MUF curve.
    const variabili_scalatura& variabili() const { return m_scalatura.variabili(); }

    /// The right click on the plot: Daytime or Nighttime Es missing, by foE.
    void clic_destro_mancanza_es();

    /// F5 to F9 as the window's key handler runs them, whether or not the
    /// menu items are enabled; false for any other key.
    bool tasto_caso_particolare(int tasto_qt);

public slots:
    // The particular-case commands of the menu and of F5 to F9.
    void mancanza_es_di_giorno_principale_Click();
    void mancanza_es_di_notte_principale_Click();
    void giorno_singola_riflessione_Click();
    void giorno_doppia_riflessione_magfoEs_Click();
    void giorno_doppia_riflessione_minfoEs_Click();
    void notte_singola_riflessione_Click();
    void notte_doppia_riflessione_magfoEs_Click();
    void notte_doppia_riflessione_minfoEs_Click();
    void assorbimento_parziale_Click();
    void no_ionogramma_Click();
    void annulla_caso_particolare_Click();
    // One reflection more or less for the single Es type.
    void Esup_Click();
    void Esdown_Click();

    /// The moves to the previous and the next sounding (the labels `prima`
    /// and `successivo`, F4 and F3).
    void prima_Click();
    void successivo_Click();
    /// Opens (or re-centres) the companion window one interval after this
    /// window's sounding.
    void show_next_ionogram_Click();
    /// Esc: checks and saves the sounding, leaves no characteristic current
    /// and asks for the start window (tornaAllEntrata).
    void salva_e_torna_all_entrata();

    /// The companion window, or nullptr when it is not open.
    immagine_next_ionogram* compagna() const;

signals:
    /// View > Day overview.
    void panoramicaGiornoRichiesta();
    /// The current record has just been written to the results file.
    void recordSalvato();
    /// Something outside the window (the day overview) asks to go to sounding
    /// `numero` (1-based): the window moves there through the steps of a move
    /// (its checks, the save, the load).
    void spostamentoRichiesto(int numero);
    /// Esc has saved the sounding: the start window is to be shown, whose
    /// load closes this window.
    void tornaAllEntrata();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    // vista_ionogramma
    void mostra_ionogramma(dati_ionogramma& dati) override;
    void mostra_grafico_vuoto() override;
    void imposta_titolo(const std::string& titolo) override;
    void abilita_casi_particolari(bool tutti) override;
    void imposta_caso_particolare(const std::string& didascalia) override;
    void imposta_stato_file(const std::string& testo, const std::string& percorsi) override;
    char separatore_decimale() const override;

    // vista_scalatura (immagine_scala.cpp)
    void ridisegna_ionogramma(bool pulisci) override;
    void disegna_curva_trasmissione(const std::vector<punto_grafico>& vertici) override;
    void caso_es_mancante_da_clic() override;

    // immagine_scala.cpp
    void premuto_sul_grafico(Qt::MouseButton pulsante, int x, int y);
    void seleziona_muf(std::string_view chiave);
    void tasto_muf(int passo_decimi);
    // immagine_tastiera.cpp
    void installa_anteprima_tasti();

    void crea_tabella();
    void crea_controlli();
    void crea_menu();
    void applica_selezione(const esito_selezione& esito);
    void ridisegna(ridisegno come);
    void puntatore_mosso(int x, int y);
    void collega_spostamenti();
    void sposta(verso v);
    void vai_al_sondaggio(int numero);
    void sposta_con(const std::function<esito_spostamento(contesto_principale&)>& mossa);
    void fof2_corrente();
    /// While a way out of the sounding runs (a move, Esc, the closing): the
    /// box with the focus has finished its focus-leave work on the sounding
    /// being left, and no focus change derives anything until it ends.
    class lasciando_sondaggio {
    public:
        explicit lasciando_sondaggio(immagine& finestra);
        ~lasciando_sondaggio();
        lasciando_sondaggio(const lasciando_sondaggio&) = delete;
        lasciando_sondaggio& operator=(const lasciando_sondaggio&) = delete;

    private:
        immagine& m_finestra;
    };

    // Letters, particular cases, Es types and the check (immagine_regole.cpp).
    friend class filtro_caselle;
    void collega_regole();
    void selezione_tipi_es();
    void applica_caso(std::string_view codice);
    void mostra_esito_caso(const esito_caso_particolare& esito);
    /// Frames in red the boxes a failed consistency check is about, until
    /// the next change of any box.
    void evidenzia(const std::vector<std::string_view>& caselle);
    void togli_evidenziazione();

    stato_programma& m_stato;
    messaggi& m_messaggi;
    dati_ionogramma m_dati;
    superficie_grafico* m_grafico = nullptr;
    caselle_qt m_caselle;
    scalatura m_scalatura;
    std::string m_grandezza_corrente = "foF2";
    std::string m_giorno_notte = "d";
    std::map<std::string, etichetta_cliccabile*, std::less<>> m_etichette;
    std::map<std::string, QAction*, std::less<>> m_voci_menu;
    QLabel* m_lettura_frequenza = nullptr; // Label1
    QLabel* m_lettura_altezza = nullptr;   // Label2
    QLabel* m_caso_particolare = nullptr;  // Label11
    QLabel* m_stato_file = nullptr;
    QRadioButton* m_controllo_si = nullptr; // Option1
    QPushButton* m_es_su = nullptr;         // Esup
    QPushButton* m_es_giu = nullptr;        // Esdown
    bool m_lasciando = false;      // see lasciando_sondaggio
    bool m_salvata_da_esc = false; // Esc saved: the closing that follows asks nothing
    filtro_caselle* m_filtro = nullptr;
    std::vector<QLineEdit*> m_evidenziate;
    QPointer<immagine_next_ionogram> m_compagna;
};

} // namespace velaris
