// velaris-export run as the operator would: bad and missing files are named
// on stderr and the rest is exported; the hourly files and the monthly table
// land where they should.

#include "results/giorno_di_prova.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

using velaris::prova::record_con;

namespace {

struct esito {
    int uscita;
    QByteArray standard;
    QStringList errori; ///< the tool's own stderr lines
};

esito esporta(const QStringList& argomenti, const QString& cartella_lavoro = {}) {
    QProcess processo;
    if (!cartella_lavoro.isEmpty()) processo.setWorkingDirectory(cartella_lavoro);
    processo.start(VELARIS_EXPORT, argomenti);
    EXPECT_TRUE(processo.waitForFinished(60000));
    const QString errori = QString::fromLocal8Bit(processo.readAllStandardError());
    return {processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1,
            processo.readAllStandardOutput(),
            errori.split('\n').filter(QRegularExpression("^velaris-export: "))};
}

std::filesystem::path percorso(const QTemporaryDir& d) {
    return d.path().toStdString();
}

QByteArray contenuto(const QString& file) {
    QFile f(file);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
    return f.readAll();
}

} // namespace

TEST(Esportazione, CsvNamesBadFilesAndExportsTheRest) {
    QTemporaryDir d;
    velaris::prova::scrivi_risultati(percorso(d), "QX106_05032023_60.txt", 24,
                                     {{13, record_con({{166, " 61UR"}})}});
    velaris::prova::scrivi_risultati(percorso(d), "QX106_04032023_60.txt", 23, {}); // one short
    // The same day at another interval, blank: one file per day, the other named.
    velaris::prova::scrivi_risultati(percorso(d), "QX106_05032023_15.txt", 96, {});
    const esito e =
        esporta({"csv", "-o", d.filePath("giorno.csv"), d.filePath("QX106_05032023_15.txt"),
                 d.filePath("QX106_05032023_60.txt"), d.filePath("QX106_04032023_60.txt"),
                 d.filePath("manca.txt")});
    EXPECT_EQ(e.uscita, 1);
    ASSERT_EQ(e.errori.size(), 3) << e.errori.join('\n').toStdString();
    EXPECT_EQ(e.errori.filter("manca.txt: no such file").size(), 1);
    EXPECT_EQ(e.errori.filter("QX106_04032023_60.txt: holds 5704 bytes").size(), 1);
    EXPECT_EQ(e.errori.filter("QX106_05032023_15.txt: the day 2023-03-05 is also in").size(), 1);
    const QList<QByteArray> righe = contenuto(d.filePath("giorno.csv")).split('\n');
    ASSERT_EQ(righe.size(), 26); // header, 24 rows, nothing after the last line end
    EXPECT_TRUE(righe[13].startsWith("2023-03-05,12:00,") && righe[13].contains(",6.1,U,R,"))
        << righe[13].toStdString();

    // To standard output when no file is given.
    const esito su_schermo = esporta({"csv", d.filePath("QX106_05032023_60.txt")});
    EXPECT_EQ(su_schermo.uscita, 0);
    EXPECT_EQ(su_schermo.standard, contenuto(d.filePath("giorno.csv")));
}

TEST(Esportazione, HourlyWritesAFilePerCharacteristicAndYearAndMerges) {
    QTemporaryDir d;
    QDir(d.path()).mkdir("giorni");
    const auto giorni = percorso(d) / "giorni";
    velaris::prova::scrivi_risultati(
        giorni, "QX106_05032023_15.txt", 96,
        {{1, record_con({{166, " 52UR"}})}, {49, record_con({{166, "120"}})}});
    const esito e =
        esporta({"hourly", "--station", "1234", "-o", d.filePath("uscita"), d.filePath("giorni")});
    EXPECT_EQ(e.uscita, 0) << e.errori.join('\n').toStdString();
    EXPECT_EQ(QDir(d.filePath("uscita")).entryList(QDir::Files).size(), 15);
    const QByteArray fof2 = contenuto(d.filePath("uscita/123400.23"));
    ASSERT_EQ(fof2.size(), 134);
    EXPECT_TRUE(fof2.startsWith("123400230305U052R") && fof2.mid(12 + 5 * 12, 5) == " 120 " &&
                fof2.endsWith("\r\n"))
        << fof2.toStdString();

    // A later export of another day adds its line and keeps the first.
    velaris::prova::scrivi_risultati(giorni, "QX106_04032023_60.txt", 24, {});
    EXPECT_EQ(esporta({"hourly", "--station", "1234", "-o", d.filePath("uscita"),
                       d.filePath("giorni/QX106_04032023_60.txt")})
                  .uscita,
              0);
    const QByteArray dopo = contenuto(d.filePath("uscita/123400.23"));
    EXPECT_TRUE(dopo.size() == 2 * 134 && dopo.startsWith("123400230304") && dopo.mid(134) == fof2);

    // One year file that cannot be merged: none is written, so the set stays whole.
    QFile estraneo(d.filePath("uscita/123403.23"));
    ASSERT_TRUE(estraneo.open(QIODevice::Append));
    estraneo.write("not a day record\r\n");
    estraneo.close();
    velaris::prova::scrivi_risultati(giorni, "QX106_06032023_60.txt", 24, {});
    const esito rifiuto = esporta({"hourly", "--station", "1234", "-o", d.filePath("uscita"),
                                   d.filePath("giorni/QX106_06032023_60.txt")});
    EXPECT_EQ(rifiuto.uscita, 1);
    EXPECT_EQ(rifiuto.errori.filter("123403.23: line 3 ").size(), 1);
    EXPECT_EQ(contenuto(d.filePath("uscita/123400.23")), dopo);

    EXPECT_EQ(esporta({"hourly", "-o", d.filePath("uscita"), d.filePath("giorni")}).uscita, 2);
    EXPECT_EQ(esporta({"hourly", "--station", "12a4", d.filePath("giorni")}).uscita, 2);
}

TEST(Esportazione, MonthTabulatesTheFolderOfTheWorkingDirectory) {
    QTemporaryDir d;
    QDir(d.path()).mkdir("ionograms");
    const auto cartella = percorso(d) / "ionograms";
    // Two days of March and one of April, h'F at 00:00.
    for (const auto& [nome, hf] : {std::pair{"QX106_01032023_60.txt", "250"},
                                   {"QX106_02032023_60.txt", "270"},
                                   {"QX106_01042023_60.txt", "900"}})
        velaris::prova::scrivi_risultati(cartella, nome, 24, {{1, record_con({{121, hf}})}});
    const esito e = esporta({"month", "h'F", "2023-03", "-o", "marzo.txt"}, d.path());
    EXPECT_EQ(e.uscita, 0) << e.errori.join('\n').toStdString();
    const QList<QByteArray> righe = contenuto(d.filePath("marzo.txt")).split('\n');
    ASSERT_GT(righe.size(), 36);
    EXPECT_TRUE(righe[0].startsWith("Ostrand   h'F   URSI code 16   unit km   2023-03"));
    EXPECT_TRUE(righe[3].startsWith("01  250  ")) << righe[3].toStdString();
    EXPECT_TRUE(righe[36].startsWith("MED 260U ")) << righe[36].toStdString();

    // No day read (a mistyped folder): the good table is not replaced by an empty one.
    EXPECT_EQ(esporta({"month", "hF", "2023-03", "rse", "-o", "marzo.txt"}, d.path()).uscita, 1);
    EXPECT_EQ(contenuto(d.filePath("marzo.txt")).split('\n'), righe);

    EXPECT_EQ(esporta({"month", "foo", "2023-03"}, d.path()).uscita, 2);
    EXPECT_EQ(esporta({"month", "foF2", "2023-13"}, d.path()).uscita, 2);
    // A file of another month named on the command line is reported and left out.
    const esito altro = esporta({"month", "hF", "2023-03", "ionograms/QX106_01042023_60.txt",
                                 "ionograms/QX106_01032023_60.txt"},
                                d.path());
    EXPECT_EQ(altro.uscita, 1);
    EXPECT_EQ(altro.errori.filter("QX106_01042023_60.txt: the day 2023-04-01 is not in").size(), 1);
    EXPECT_TRUE(altro.standard.contains("CNT   1  "));
}
