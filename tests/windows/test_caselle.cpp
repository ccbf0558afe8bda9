// The operator's text reaches a box only by typing: pasted and dropped text
// would pass by the letter and Es types filters.

#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "common/sessione_di_prova.h"
#include "windows/caselle_qt.h"
#include "windows/immagine.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QtTest>

using namespace velaris;

class TestCaselle : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<prova::cartella_temporanea> m_cartella;
    stato_programma m_stato;
    prova::messaggi_finti m_messaggi;
    std::unique_ptr<immagine> m_finestra;

    casella* box(const char* nome) { return m_finestra->findChild<casella*>(nome); }

private slots:
    void init() {
        m_cartella = std::make_unique<prova::cartella_temporanea>();
        prova::prepara_sessione(m_stato, m_cartella->percorso());
        m_messaggi = prova::messaggi_finti{};
        prova::scrivi_file(prova::file_ionogramma_0745(m_stato), prova::rdf_di_prova{}.byte());
        m_finestra = std::make_unique<immagine>(m_stato, m_messaggi);
        m_finestra->show();
        m_finestra->caricamento_ionogramma();
    }

    void cleanup() {
        m_finestra.reset();
        m_cartella.reset();
    }

    void pasteKeysAreRefused_data() {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("appunti");
        QTest::addColumn<QString>("battuto"); // typing the same text gives this
        QTest::newRow("digits into a letter") << "foF2" << "lettera_descrittiva_fof2" << "90" << "";
        QTest::newRow("a letter into a letter") << "foF2" << "lettera_qualificativa_fof2" << "a" << "A";
        QTest::newRow("Es types") << "tipoEs" << "Text7" << "C1" << "C1";
    }

    void pasteKeysAreRefused() {
        QFETCH(QString, chiave);
        QFETCH(QString, nome);
        QFETCH(QString, appunti);
        QFETCH(QString, battuto);
        m_finestra->sessione().seleziona(chiave.toStdString());
        casella* c = box(qPrintable(nome));
        QVERIFY(!c->isReadOnly());
        QGuiApplication::clipboard()->setText(appunti);
        // As the window system reports them: Ctrl+V types the control
        // character 22, Shift+Insert nothing.
        for (auto [tasto, modificatore, testo] :
             {std::tuple{Qt::Key_V, Qt::ControlModifier, QString(QChar(22))},
              std::tuple{Qt::Key_Insert, Qt::ShiftModifier, QString()}}) {
            QKeyEvent premuto(QEvent::KeyPress, tasto, modificatore, testo);
            QApplication::sendEvent(c, &premuto);
        }
        QCOMPARE(c->text(), QString());
        // Typed, the same characters still go through the filter.
        c->setFocus();
        QTest::keyClicks(c, appunti);
        QCOMPARE(c->text(), battuto);
        QVERIFY(m_messaggi.mostrati.empty());
    }

    void noBoxTakesADropOrOffersPaste() {
        const auto caselle = m_finestra->findChildren<casella*>();
        QCOMPARE(caselle.size(), 16 + 30 + 16);
        for (casella* c : caselle) {
            QVERIFY2(!c->acceptDrops(), qPrintable(c->objectName()));
            std::unique_ptr<QMenu> menu(c->menu_contestuale());
            QStringList voci;
            for (const QAction* a : menu->actions()) voci << a->text().section('\t', 0, 0);
            QVERIFY2(!voci.contains(QLineEdit::tr("&Paste")), qPrintable(c->objectName()));
            QVERIFY(voci.contains(QLineEdit::tr("&Copy")));
        }
    }
};

QTEST_MAIN(TestCaselle)
#include "test_caselle.moc"
