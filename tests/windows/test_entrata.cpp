// The start window driven with real keys and clicks, offscreen, in a scratch
// working folder.

#include "common/fakes.h"
#include "windows/entrata.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace velaris;

namespace {

const QByteArray marzo = "05-03-2023\r\n07\r\n45\r\n15\r\n32\r\n";

QByteArray contenuto(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void scrivi(const QByteArray& byte) {
    QFile f("setting.txt");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(byte);
}

} // namespace

class TestEntrata : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_cartella = std::make_unique<QTemporaryDir>();
        m_precedente = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_cartella->path()));
        m_stato = stato_programma{};
        m_messaggi.mostrati.clear();
    }

    void cleanup() {
        m_finestra.reset();
        QDir::setCurrent(m_precedente);
        m_cartella.reset();
    }

    void mostraLUltimaPosizione() {
        scrivi(marzo);
        m_stato.ionogramma_presente = true;
        apri();
        QCOMPARE(giorno()->text(), QString("05-03-2023"));
        QCOMPARE(mostrati(), QString("07 45 15"));
        QCOMPARE(voci("minutes"), QStringList({"00", "15", "30", "45"}));
        QCOMPARE(voci("hour").size(), 24);
        QCOMPARE(voci("incremento"), QStringList({"05", "10", "15", "30", "60"}));
        QCOMPARE(m_stato.sessione.numero_ionogramma, std::int16_t{32});
        QVERIFY(!m_stato.ionogramma_presente);
        QCOMPARE(QString::fromStdString(m_stato.sessione.cartella_lavoro.string()),
                 QDir::currentPath());
        for (const char* nome : {"hour", "minutes", "incremento"})
            QVERIFY(!lista(nome)->isEditable());
    }

    void laDataAccettaSoloCifreETrattino() {
        scrivi(marzo);
        apri();
        giorno()->setFocus();
        QTest::keyClicks(giorno(), "a/. Z");
        QCOMPARE(giorno()->text(), QString("05-03-2023"));
        QTest::keyClick(giorno(), Qt::Key_Backspace);
        QTest::keyClicks(giorno(), "4");
        QCOMPARE(giorno()->text(), QString("05-03-2024"));
        giorno()->clear();
        QTest::keyClicks(giorno(), "1-2-3x4y5678901");
        QCOMPARE(giorno()->text(), QString("1-2-345678")); // ten characters at most
    }

    void cambiareGiornoRiportaAMezzanotte() {
        scrivi(marzo);
        apri();
        scriviData("06-03-2023");
        QTest::keyClick(giorno(), Qt::Key_Tab);
        QVERIFY(!giorno()->hasFocus());
        QCOMPARE(mostrati(), QString("00 00 15"));
        QCOMPARE(m_stato.sessione.numero_ionogramma, std::int16_t{1});
        // Back to the stored day: leaving the box does not bring the time back.
        scriviData("05-03-2023");
        QTest::keyClick(giorno(), Qt::Key_Tab);
        QCOMPARE(mostrati(), QString("00 00 15"));
    }

    void sceltaDellIntervallo() {
        scrivi(marzo);
        apri();
        lista("incremento")->setFocus();
        QTest::keyClick(lista("incremento"), Qt::Key_Down);
        QCOMPARE(mostrati(), QString("00 00 30"));
        QCOMPARE(voci("minutes"), QStringList({"00", "30"}));
        QCOMPARE(m_stato.sessione.numero_ionogramma, std::int16_t{1});
        QTest::keyClick(lista("incremento"), Qt::Key_Up);
        QCOMPARE(mostrati(), QString("07 45 15"));
        QCOMPARE(voci("minutes"), QStringList({"00", "15", "30", "45"}));
    }

    void invioOvunqueAvvia_data() {
        QTest::addColumn<QString>("controllo");
        QTest::addColumn<bool>("tastierino");
        for (const char* nome : {"giorno", "hour", "minutes", "incremento", "Label5"}) {
            QTest::newRow(nome) << QString(nome) << false;
            QTest::newRow(QByteArray(nome) + " keypad") << QString(nome) << true;
        }
    }

    void invioOvunqueAvvia() {
        QFETCH(QString, controllo);
        QFETCH(bool, tastierino);
        scrivi(marzo);
        apri();
        QSignalSpy avviata(m_finestra.get(), &entrata::sessioneAvviata);
        auto* widget = m_finestra->findChild<QWidget*>(controllo);
        widget->setFocus();
        QTest::keyClick(widget, tastierino ? Qt::Key_Enter : Qt::Key_Return,
                        tastierino ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(avviata.count(), 1);
        verificaAvvio();
    }

    void clicSuLabel5Avvia() {
        scrivi(marzo);
        apri();
        QSignalSpy avviata(m_finestra.get(), &entrata::sessioneAvviata);
        QTest::mouseClick(m_finestra->findChild<QLabel*>("Label5"), Qt::LeftButton);
        QCOMPARE(avviata.count(), 1);
        verificaAvvio();
    }

    void dataErrataNonScriveNulla() {
        scrivi(marzo);
        apri();
        QSignalSpy avviata(m_finestra.get(), &entrata::sessioneAvviata);
        scriviData("31-04-2023");
        QTest::keyClick(giorno(), Qt::Key_Return);
        QCOMPARE(avviata.count(), 0);
        QCOMPARE(m_messaggi.testi(),
                 std::vector<std::string>{"The day of the date is not correct!!"});
        QCOMPARE(m_messaggi.mostrati[0].titolo, std::string("Be careful!!"));
        QCOMPARE(contenuto("setting.txt"), marzo);
        QVERIFY(!QFileInfo::exists("ionograms"));
    }

    void primaEsecuzioneEFileDanneggiato() {
        const QString prima = QDateTime::currentDateTimeUtc().date().toString("dd-MM-yyyy");
        apri();
        const QString dopo = QDateTime::currentDateTimeUtc().date().toString("dd-MM-yyyy");
        QVERIFY(giorno()->text() == prima || giorno()->text() == dopo);
        QCOMPARE(mostrati(), QString("00 00 15"));
        QCOMPARE(m_stato.sessione.numero_ionogramma, std::int16_t{1});
        QVERIFY(!QFileInfo::exists("setting.txt"));

        const QByteArray danneggiato = "garbage\r\n7\r\n20\r\n5\r\n99999999\r\n";
        scrivi(danneggiato);
        m_stato.sessione.numero_ionogramma = 5;
        apri();
        QCOMPARE(giorno()->text(), QString("garbage"));
        QCOMPARE(mostrati(), QString("07 20 05"));
        QCOMPARE(m_stato.sessione.numero_ionogramma, std::int16_t{1});
        // The filter holds even while the box shows text it would never accept.
        giorno()->setFocus();
        QTest::keyClicks(giorno(), "a/-1");
        QCOMPARE(giorno()->text(), QString("garbage-1"));
        QCOMPARE(contenuto("setting.txt"), danneggiato);
        QVERIFY(m_messaggi.mostrati.empty());
    }

    void nomiAccessibili() {
        apri();
        QCOMPARE(m_finestra->windowTitle(),
                 QString("VELARIS - Parameters Setting - Ionograms Scaling - KORVAN Ionosonde"));
        QMap<QString, QWidget*> compagni;
        for (const QLabel* etichetta : m_finestra->findChildren<QLabel*>())
            compagni[etichetta->text()] = etichetta->buddy();
        for (auto [controllo, didascalia] :
             {std::pair{"giorno", "Date (dd-mm-yyyy)"},
              {"hour", "Hour of the sounding"},
              {"minutes", "Minutes of the sounding"},
              {"incremento", "Difference in minutes between two consecutive ionograms"}}) {
            auto* widget = m_finestra->findChild<QWidget*>(controllo);
            QCOMPARE(widget->accessibleName(), QString(didascalia));
            QCOMPARE(compagni.value(didascalia), widget);
        }
        auto* label5 = m_finestra->findChild<QLabel*>("Label5");
        QVERIFY(!label5->accessibleName().isEmpty());
        QCOMPARE(label5->cursor().shape(), Qt::PointingHandCursor);
    }

    void larghezzaDelloSchermo() {
        QVERIFY(!schermo_sufficiente(800));
        QVERIFY(schermo_sufficiente(801));
        const bool adatto = controllo_schermo(m_messaggi);
        QCOMPARE(adatto, schermo_sufficiente(QGuiApplication::primaryScreen()->geometry().width()));
        QCOMPARE(m_messaggi.mostrati.size(), std::size_t{adatto ? 0u : 1u});
        if (!adatto) {
            QCOMPARE(m_messaggi.mostrati[0].testo,
                     std::string("To use this software the monitor resolution has to be at "
                                 "least 1024 X 768"));
            QVERIFY(m_messaggi.mostrati[0].icona == icona_messaggio::informazione);
        }
    }

private:
    void apri() {
        m_finestra = std::make_unique<entrata>(m_stato, m_messaggi);
        m_finestra->show();
        m_finestra->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_finestra.get()));
    }

    QLineEdit* giorno() const { return m_finestra->findChild<QLineEdit*>("giorno"); }
    QComboBox* lista(const char* nome) const { return m_finestra->findChild<QComboBox*>(nome); }
    QStringList voci(const char* nome) const {
        QStringList elenco;
        for (int i = 0; i < lista(nome)->count(); ++i)
            elenco << lista(nome)->itemText(i);
        return elenco;
    }
    // Hour, minutes and interval as the lists show them.
    QString mostrati() const {
        return lista("hour")->currentText() + " " + lista("minutes")->currentText() + " " +
               lista("incremento")->currentText();
    }
    // Types a whole new date, as the operator would after clearing the box.
    void scriviData(const char* data) {
        giorno()->setFocus();
        giorno()->selectAll();
        QTest::keyClick(giorno(), Qt::Key_Backspace);
        QTest::keyClicks(giorno(), data);
    }

    void verificaAvvio() {
        QCOMPARE(contenuto("setting.txt"), marzo);
        QCOMPARE(QFileInfo("ionograms/QX106_05032023_15.txt").size(), qint64{96 * 248});
        QCOMPARE(m_stato.sessione.numero_ionogramma, std::int16_t{32});
        QVERIFY(m_messaggi.mostrati.empty());
    }

    std::unique_ptr<QTemporaryDir> m_cartella;
    QString m_precedente;
    stato_programma m_stato;
    prova::messaggi_finti m_messaggi;
    std::unique_ptr<entrata> m_finestra;
};

QTEST_MAIN(TestEntrata)
#include "test_entrata.moc"
