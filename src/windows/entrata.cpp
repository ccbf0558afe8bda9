#include "entrata.h"

#include "base/numeri.h"
#include "session/avvio_sessione.h"
#include "session/impostazioni.h"
#include "windows/etichetta_cliccabile.h"
#include "windows/testo_qt.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFont>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>

#include <chrono>
#include <filesystem>
#include <system_error>

namespace velaris {

namespace {

constexpr int larghezza_minima = 800;

std::vector<std::string> voci_ore(const parametri_sessione& sessione) {
    return {sessione.tabella_ore.begin(), sessione.tabella_ore.end()};
}

QStringList lista_qt(const std::vector<std::string>& voci) {
    QStringList lista;
    for (const auto& voce : voci) lista << testo_qt(voce);
    return lista;
}

bool tasto_invio(const QKeyEvent* tasto) {
    return tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter;
}

// Only digits and "-" may be typed into the date; backspace and the keys that
// type nothing printable (arrows, Delete, Ctrl+C/V/Z) pass, so the operator
// can still move, correct and copy. Pasting is guarded by the box's validator.
bool carattere_rifiutato(const QKeyEvent* tasto) {
    for (const QChar c : tasto->text())
        if (c.isPrint() && !(c >= u'0' && c <= u'9') && c != u'-') return true;
    return false;
}

QLabel* didascalia(const QString& testo, QWidget* controllo, QWidget* genitore) {
    auto* etichetta = new QLabel(testo, genitore);
    etichetta->setBuddy(controllo);
    controllo->setAccessibleName(testo);
    return etichetta;
}

QComboBox* lista_chiusa(const char* nome, QWidget* genitore) {
    // Not editable: the hour, minutes and interval can only be chosen, so the
    // session always starts with a time and an interval the day has.
    auto* lista = new QComboBox(genitore);
    lista->setObjectName(QString::fromLatin1(nome));
    lista->setEditable(false);
    return lista;
}

/// Label5, the start label: large, framed, reached by Tab too.
etichetta_cliccabile* etichetta_avvio(QWidget* genitore) {
    auto* label5 = new etichetta_cliccabile(QStringLiteral("Label5"),
                                            QStringLiteral("START SCALING OF IONOGRAMS"), genitore);
    label5->setAccessibleDescription(
        QStringLiteral("Starts the scaling session; Enter anywhere in the window does the same"));
    label5->setCursor(Qt::PointingHandCursor);
    label5->setAlignment(Qt::AlignCenter);
    label5->setFocusPolicy(Qt::TabFocus);
    QFont carattere = label5->font();
    carattere.setPointSize(carattere.pointSize() * 2);
    carattere.setBold(true);
    label5->setFont(carattere);
    label5->setFrameShape(QFrame::Box);
    label5->setMargin(12);
    return label5;
}

} // namespace

bool schermo_sufficiente(int larghezza_pixel) { return larghezza_pixel > larghezza_minima; }

bool controllo_schermo(messaggi& messaggi) {
    // Device-independent pixels: that is the room the windows really get on a
    // scaled high-density screen.
    const QScreen* schermo = QGuiApplication::primaryScreen();
    const int larghezza = schermo ? schermo->geometry().width() : 0;
    if (schermo_sufficiente(larghezza)) return true;
    // No window is open yet to lend the box a title: it carries the program's name.
    messaggi.avviso("VELARIS",
                    "To use this software the monitor resolution has to be at least 1024 X 768",
                    icona_messaggio::informazione);
    return false;
}

entrata::entrata(stato_programma& stato, messaggi& messaggi, QWidget* parent)
    : QWidget(parent), m_stato(stato), m_messaggi(messaggi) {
    setWindowTitle(
        QStringLiteral("VELARIS - Parameters Setting - Ionograms Scaling - KORVAN Ionosonde"));

    m_giorno = new QLineEdit(this);
    m_giorno->setObjectName(QStringLiteral("giorno"));
    m_giorno->setMaxLength(10);
    m_giorno->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9-]*")), m_giorno));

    m_hour = lista_chiusa("hour", this);
    m_hour->addItems(lista_qt(voci_ore(m_stato.sessione)));
    m_minutes = lista_chiusa("minutes", this);
    m_minutes->addItems(lista_qt(*minuti_ammessi("05")));
    m_incremento = lista_chiusa("incremento", this);
    for (std::string_view voce : intervalli_ammessi) m_incremento->addItem(testo_qt(voce));

    auto* label5 = etichetta_avvio(this);
    m_label5 = label5;

    auto* griglia = new QGridLayout;
    griglia->addWidget(didascalia(QStringLiteral("Date (dd-mm-yyyy)"), m_giorno, this), 0, 0);
    griglia->addWidget(m_giorno, 0, 1);
    griglia->addWidget(didascalia(QStringLiteral("Hour of the sounding"), m_hour, this), 1, 0);
    griglia->addWidget(m_hour, 1, 1);
    griglia->addWidget(didascalia(QStringLiteral("Minutes of the sounding"), m_minutes, this), 2,
                       0);
    griglia->addWidget(m_minutes, 2, 1);
    griglia->addWidget(
        didascalia(QStringLiteral("Difference in minutes between two consecutive ionograms"),
                   m_incremento, this),
        3, 0);
    griglia->addWidget(m_incremento, 3, 1);

    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(griglia);
    colonna->addSpacing(16);
    colonna->addWidget(m_label5);

    // The window sees every key before the focused control: Enter starts the
    // session from anywhere, and the date box gets only what it may hold.
    for (QWidget* controllo :
         std::initializer_list<QWidget*>{m_giorno, m_hour, m_minutes, m_incremento, m_label5})
        controllo->installEventFilter(this);

    connect(label5, &etichetta_cliccabile::cliccata, this, &entrata::Label5_Click);
    connect(m_incremento, &QComboBox::activated, this, &entrata::incremento_Click);

    caricamento();

    adjustSize();
    centra_sullo_schermo(this);
}

void entrata::caricamento() {
    parametri_sessione& sessione = m_stato.sessione;
    m_stato.ionogramma_presente = false;

    std::error_code ec;
    sessione.cartella_lavoro = std::filesystem::current_path(ec);
    if (ec) sessione.cartella_lavoro = ".";

    // A missing file is a first run; a damaged one is said so. Nothing is
    // written here, so a damaged file stays for the operator to look at until
    // a session starts.
    const impostazioni_iniziali iniziali =
        impostazioni_per_entrata(sessione.cartella_lavoro / nome_file_impostazioni,
                                 std::chrono::year_month_day{std::chrono::floor<std::chrono::days>(
                                     std::chrono::system_clock::now())});
    if (!iniziali.avviso.empty()) m_messaggi.avviso(titolo_avviso_avvio, iniziali.avviso);
    const impostazioni& valori = iniziali.valori;

    m_data_impostata = valori.data;
    m_incremento_impostato = intervallo_da_mostrare(valori.incremento);
    m_ora_impostata = voce_da_mostrare(voci_ore(sessione), valori.ora, 24);
    m_minuti_impostati =
        voce_da_mostrare(*minuti_ammessi(m_incremento_impostato), valori.minuti, 60);
    m_numero_impostato = valori.numero;

    m_giorno->setText(testo_qt(m_data_impostata));
    m_hour->setCurrentText(testo_qt(m_ora_impostata));
    m_incremento->setCurrentText(testo_qt(m_incremento_impostato));
    riempi_minuti(testo_qt(m_incremento_impostato));
    m_minutes->setCurrentText(testo_qt(m_minuti_impostati));

    sessione.ora_corrente = intero16_da_testo(m_ora_impostata);
    sessione.minuti_correnti = intero16_da_testo(m_minuti_impostati);
    try {
        sessione.numero_ionogramma = intero16_da_testo(m_numero_impostato);
    } catch (const errore_overflow&) {
        // Only a damaged file holds such a number; the start recomputes it
        // from the time anyway.
        sessione.numero_ionogramma = 1;
    }
}

void entrata::Label5_Click() {
    if (m_sessione_avviata) return;
    const richiesta_avvio richiesta{testo_std(m_giorno->text()), testo_std(m_hour->currentText()),
                                    testo_std(m_minutes->currentText()),
                                    testo_std(m_incremento->currentText()), m_data_impostata};
    const esito_avvio esito = avvio_sessione(richiesta, m_stato, m_messaggi);
    m_hour->setCurrentText(testo_qt(esito.hour));
    m_minutes->setCurrentText(testo_qt(esito.minutes));
    if (esito.apri_finestra_principale) {
        m_sessione_avviata = true;
        emit sessioneAvviata();
    }
}

void entrata::azzera_orario() {
    m_stato.sessione.ora_corrente = 0;
    m_hour->setCurrentText(QStringLiteral("00"));
    m_stato.sessione.minuti_correnti = 0;
    m_minutes->setCurrentText(QStringLiteral("00"));
    m_stato.sessione.numero_ionogramma = 1;
}

void entrata::giorno_LostFocus() {
    if (testo_std(m_giorno->text()) != m_data_impostata) azzera_orario();
}

void entrata::riempi_minuti(const QString& incremento) {
    const auto voci = minuti_ammessi(testo_std(incremento));
    if (!voci) return;
    m_minutes->clear();
    m_minutes->addItems(lista_qt(*voci));
}

void entrata::incremento_Click() {
    const QString incremento = m_incremento->currentText();
    riempi_minuti(incremento);
    if (testo_std(m_giorno->text()) != m_data_impostata ||
        testo_std(incremento) != m_incremento_impostato) {
        azzera_orario();
    } else {
        m_hour->setCurrentText(testo_qt(m_ora_impostata));
        m_minutes->setCurrentText(testo_qt(m_minuti_impostati));
    }
}

bool entrata::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        if (tasto_invio(tasto) || (oggetto == m_label5 && tasto->key() == Qt::Key_Space)) {
            Label5_Click();
            return true;
        }
        if (oggetto == m_giorno && carattere_rifiutato(tasto)) return true;
    } else if (evento->type() == QEvent::FocusOut && oggetto == m_giorno) {
        // Leaving the box for another control of this window; a message box or
        // a switch to another application is not the operator leaving the date.
        const auto motivo = static_cast<QFocusEvent*>(evento)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason)
            giorno_LostFocus();
    }
    return QWidget::eventFilter(oggetto, evento);
}

void entrata::keyPressEvent(QKeyEvent* evento) {
    if (tasto_invio(evento)) {
        Label5_Click();
        return;
    }
    QWidget::keyPressEvent(evento);
}

} // namespace velaris
