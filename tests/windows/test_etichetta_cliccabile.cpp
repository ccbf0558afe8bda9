// The labels that act as buttons, as assistive technology reaches them: a
// "Press" action that does what a left click does, only where a click does
// something.

#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "common/sessione_di_prova.h"
#include "windows/etichetta_cliccabile.h"
#include "windows/immagine.h"

#include <QAccessible>
#include <QtTest>

using namespace velaris;

namespace {

QAccessibleActionInterface* azioni(QObject* o) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    return i ? i->actionInterface() : nullptr;
}

} // namespace

class TestEtichettaCliccabile : public QObject {
    Q_OBJECT

private slots:
    void pressDoesWhatAClickDoes() {
        QWidget finestra;
        etichetta_cliccabile attiva("Label5", "START SCALING OF IONOGRAMS", &finestra);
        etichetta_cliccabile muta("M3000F2", "M(3000)F2", &finestra);
        int clic = 0;
        connect(&attiva, &etichetta_cliccabile::cliccata, [&clic] { ++clic; });

        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(&attiva);
        QCOMPARE(i->role(), QAccessible::StaticText);
        QCOMPARE(i->text(QAccessible::Name), QString("START SCALING OF IONOGRAMS"));
        QVERIFY(azioni(&attiva)->actionNames().contains(QAccessibleActionInterface::pressAction()));
        azioni(&attiva)->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clic, 1);
        QTest::mouseClick(&attiva, Qt::RightButton);
        QCOMPARE(clic, 1);

        // A label whose click does nothing offers nothing to press.
        const QStringList niente = azioni(&muta) ? azioni(&muta)->actionNames() : QStringList();
        QVERIFY(!niente.contains(QAccessibleActionInterface::pressAction()));
    }

    void pressingACharacteristicSelectsIt() {
        prova::cartella_temporanea cartella;
        stato_programma stato;
        prova::messaggi_finti messaggi;
        prova::prepara_sessione(stato, cartella.percorso());
        prova::scrivi_file(prova::file_ionogramma_0745(stato), prova::rdf_di_prova{}.byte());
        immagine w(stato, messaggi);
        w.show();
        w.caricamento_ionogramma();
        azioni(w.findChild<QLabel*>("hE"))->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(w.sessione().grandezza_corrente(), std::string("hE"));
        QVERIFY(!w.findChild<QLineEdit*>("Text33")->isReadOnly());
    }
};

QTEST_MAIN(TestEtichettaCliccabile)
#include "test_etichetta_cliccabile.moc"
