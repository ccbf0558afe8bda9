// From the start window to the main window, as the operator goes: the
// settings file drives the start window, Enter opens the day's sounding.

#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "windows/applicazione.h"
#include "windows/entrata.h"
#include "windows/immagine.h"

#include <QLineEdit>
#include <QtTest>

#include <fstream>
#include <iterator>

using namespace velaris;

class TestSessione : public QObject {
    Q_OBJECT

private slots:
    void enterOpensTheStoredSoundingAndCreatesTheResults() {
        prova::cartella_temporanea cartella;
        const QString prima = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(cartella.percorso().string()));
        std::ofstream(cartella.percorso() / "setting.txt", std::ios::binary)
            << "05-03-2023\r\n07\r\n45\r\n15\r\n32\r\n";

        prova::messaggi_finti messaggi;
        applicazione programma(messaggi, prova::schermo_largo);
        programma.apri_entrata();
        QVERIFY(programma.finestra_entrata() != nullptr);
        QTest::keyClick(programma.finestra_entrata()->findChild<QLineEdit*>("giorno"),
                        Qt::Key_Return);

        QVERIFY(messaggi.mostrati.empty());
        immagine* principale = programma.finestra_principale();
        QVERIFY(principale != nullptr);
        QVERIFY(principale->isVisible());
        QTRY_VERIFY(programma.finestra_entrata() == nullptr); // closed and deleted
        QVERIFY(principale->windowTitle().startsWith(
            "VELARIS - file: QX106_2023064074500.rdf *  * 2023-March-5  07:45 [UT]"));
        QCOMPARE(programma.stato().sessione.numero_ionogramma, std::int16_t{32});

        const auto risultati = cartella.percorso() / "ionograms" / "QX106_05032023_15.txt";
        QCOMPARE(std::filesystem::file_size(risultati), std::uintmax_t{96 * 248});
        std::ifstream in(cartella.percorso() / "setting.txt", std::ios::binary);
        const std::string impostazioni{std::istreambuf_iterator<char>(in), {}};
        QCOMPARE(impostazioni, std::string("05-03-2023\r\n07\r\n45\r\n15\r\n32\r\n"));

        principale->close();
        QDir::setCurrent(prima);
    }
};

QTEST_MAIN(TestSessione)
#include "test_sessione.moc"
