// The main window's table as the operator sees it: no control covers another,
// in the state after the load and while the Es types are being scaled, and
// the Es types boxes are wide enough for two Es types.

#include "common/rdf_di_prova.h"
#include "common/sessione_di_prova.h"
#include "common/fakes.h"
#include "windows/immagine.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtTest>

using namespace velaris;

class TestDisposizione : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<prova::cartella_temporanea> m_cartella;
    stato_programma m_stato;
    prova::messaggi_finti m_messaggi;

    std::unique_ptr<immagine> apri() {
        auto finestra = std::make_unique<immagine>(m_stato, m_messaggi);
        finestra->show();
        finestra->caricamento_ionogramma();
        return finestra;
    }

    /// The visible boxes and buttons, each with its rectangle in window coordinates.
    static std::vector<std::pair<QWidget*, QRect>> controlli_visibili(QWidget* w) {
        std::vector<std::pair<QWidget*, QRect>> trovati;
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (!c->isVisible() || !(qobject_cast<QLineEdit*>(c) || qobject_cast<QPushButton*>(c)))
                continue;
            trovati.emplace_back(c, QRect(c->mapTo(w, QPoint(0, 0)), c->size()));
        }
        return trovati;
    }

    static QString sovrapposizioni(QWidget* w) {
        const auto controlli = controlli_visibili(w);
        QStringList coppie;
        for (std::size_t i = 0; i < controlli.size(); ++i)
            for (std::size_t j = i + 1; j < controlli.size(); ++j)
                if (controlli[i].second.intersects(controlli[j].second))
                    coppie << controlli[i].first->objectName() + "/" +
                                  controlli[j].first->objectName();
        return coppie.join(", ");
    }

    /// The width a box has for its text, inside its frame and margins.
    static int larghezza_testo(QLineEdit* c) {
        QStyleOptionFrame opzioni;
        opzioni.initFrom(c);
        opzioni.lineWidth = c->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opzioni, c);
        const QRect contenuto =
            c->style()->subElementRect(QStyle::SE_LineEditContents, &opzioni, c);
        const QMargins margini = c->textMargins();
        constexpr int margine_orizzontale = 2; // QLineEdit's own, on each side
        return contenuto.width() - margini.left() - margini.right() - 2 * margine_orizzontale;
    }

private slots:
    void init() {
        m_cartella = std::make_unique<prova::cartella_temporanea>();
        prova::prepara_sessione(m_stato, m_cartella->percorso());
        m_messaggi = prova::messaggi_finti{};
        prova::scrivi_file(prova::file_ionogramma_0745(m_stato), prova::rdf_di_prova{}.byte());
    }

    void cleanup() { m_cartella.reset(); }

    void noControlCoversAnotherAfterTheLoad() {
        auto w = apri();
        QCOMPARE(sovrapposizioni(w.get()), QString());
    }

    // The u and d buttons show while the Es types are scaled, which is when
    // the operator compares with the previous sounding's Es types.
    void esButtonsLeaveThePreviousEsTypesVisible() {
        auto w = apri();
        w->sessione().seleziona("tipoEs");
        QVERIFY(w->findChild<QPushButton*>("Esup")->isVisible());
        QVERIFY(w->findChild<QPushButton*>("Esdown")->isVisible());
        QCOMPARE(sovrapposizioni(w.get()), QString());
    }

    void esTypesBoxesHoldTwoEsTypes() {
        auto w = apri();
        for (const char* nome : {"Text7", "Text39"}) {
            auto* c = w->findChild<QLineEdit*>(nome);
            // Q is the widest of the Es type letters.
            const int serve = c->fontMetrics().horizontalAdvance(QStringLiteral("Q9Q9"));
            QVERIFY2(serve <= larghezza_testo(c),
                     qPrintable(QStringLiteral("%1: %2 pixels for %3").arg(nome)
                                    .arg(larghezza_testo(c)).arg(serve)));
        }
    }
};

QTEST_MAIN(TestDisposizione)
#include "test_disposizione.moc"
