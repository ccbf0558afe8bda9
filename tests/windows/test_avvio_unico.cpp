// One session per start window: Enter pressed again, or the start label
// clicked again, before the window has gone opens no second main window.

#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "windows/entrata.h"

#include <QLineEdit>
#include <QtTest>

using namespace velaris;

class TestAvvioUnico : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(m_cartella.path())); }

    void aSecondEnterOrClickStartsNothing() {
        const std::string_view impostazioni = "05-03-2023\r\n07\r\n45\r\n15\r\n32\r\n";
        prova::scrivi_file("setting.txt", {impostazioni.begin(), impostazioni.end()});
        stato_programma stato;
        prova::messaggi_finti messaggi;
        entrata finestra(stato, messaggi);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowActive(&finestra));
        QSignalSpy avviata(&finestra, &entrata::sessioneAvviata);
        auto* giorno = finestra.findChild<QWidget*>("giorno");

        QTest::keyClick(giorno, Qt::Key_Return);
        QCOMPARE(avviata.count(), 1);
        QTest::keyClick(giorno, Qt::Key_Return);
        QTest::keyClick(giorno, Qt::Key_Enter);
        QTest::mouseClick(finestra.findChild<QWidget*>("Label5"), Qt::LeftButton);
        QCOMPARE(avviata.count(), 1);
        QVERIFY(messaggi.mostrati.empty());
    }

    // A refused start leaves the window ready for the corrected one.
    void aRefusedStartDoesNotCount() {
        stato_programma stato;
        prova::messaggi_finti messaggi;
        entrata finestra(stato, messaggi);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowActive(&finestra));
        QSignalSpy avviata(&finestra, &entrata::sessioneAvviata);
        auto* giorno = finestra.findChild<QLineEdit*>("giorno");
        giorno->setText("31-04-2023");
        QTest::keyClick(giorno, Qt::Key_Return);
        QCOMPARE(avviata.count(), 0);
        giorno->setText("30-04-2023");
        QTest::keyClick(giorno, Qt::Key_Return);
        QCOMPARE(avviata.count(), 1);
    }

private:
    QTemporaryDir m_cartella;
};

QTEST_MAIN(TestAvvioUnico)
#include "test_avvio_unico.moc"
