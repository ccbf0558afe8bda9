// The command-line tools run as the operator runs them, from one working
// folder of files written here: a row per command line with its exit status,
// the tool's own lines on standard error (its name taken off) and, where
// given, its standard output byte for byte; then what the rows left on disk.
// What the exported tables hold is checked in tests/results, the drawing in
// tests/display, the proposals in tests/proposals.

#include "results/giorno_di_prova.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

TEST(Strumenti, CommandLines) {
    QTemporaryDir d;
    const auto scrivi = [&](const QString& nome, const QByteArray& byte) {
        QFile f(d.filePath(nome));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(f).path()) && f.open(QIODevice::WriteOnly) &&
                    f.write(byte) == byte.size());
    };
    // A day of interval 60 with foF2 6.1 MHz, qualified U, at 12:00.
    QDir(d.path()).mkdir("ionograms");
    velaris::prova::scrivi_risultati(d.filePath("ionograms").toStdString(), "QX106_01032023_60.txt",
                                     24, {{13, velaris::prova::record_con({{166, " 61UR"}})}});
    // A 1-20 MHz station file (381 frequencies) whose only echo is a flat
    // trace at height cells 5 .. 7 from 1.5 to 3.0 MHz, and the same one byte short.
    QByteArray rdf = QByteArray(197, ' ').replace(0, 19, "01.000 20.000 0.050");
    rdf.replace(59, 2, "xx").replace(122, 5, "QX106")[196] = '\n';
    rdf += QByteArray(150 * 381, '\0');
    for (int i = 11; i <= 41; ++i) rdf.replace(197 + 150 * (i - 1) + 4, 3, "\xc8\xc8\xc8");
    scrivi("a.rdf", rdf);
    scrivi("corto.rdf", rdf.chopped(1));
    scrivi("mese.txt", "a month\n");
    scrivi("uscita/123403.23", "not a day record\r\n"); // M(3000)F2 of 2023, from elsewhere

    const char *day = VELARIS_DAY, *demo = VELARIS_DEMO, *esporta = VELARIS_EXPORT;
    const char *proponi = VELARIS_PROPOSE, *rendi = VELARIS_RENDER;
    const QString m = "ionograms/QX106_01032023_60.txt",
                  no = ": size 57346 bytes is not 197 + 150 x 381.";
    // A flat trace alone is a sporadic E: fmin 1.5 MHz, foEs 3.025 MHz shown to
    // tenths, h'Es 85.5 + 4.5 x 5 = 108 km.
    // clang-format off
    const struct { const char* strumento; QStringList argomenti; int uscita; QStringList errori;
                   std::optional<QString> standard; } casi[] = {
        {day, {m, "-o"}, 2, {"-o needs a value; see --help"}, ""},
        {day, {"manca.txt", "-o", "no.png"}, 1, {"manca.txt: no such file"}, ""},
        {day, {m, "--at", "10:00", "-o", "giorno.png"}, 0, {}, ""},
        {rendi, {"--jobs", "0", "a.rdf"}, 2, {"--jobs needs a whole number of at least 1"}, {}},
        {rendi, {"-o", "png", "corto.rdf", "a.rdf"}, 1, {"corto.rdf: not an ionogram" + no}, ""},
        {proponi, {"--x"}, 2, {"unknown option --x"}, ""},
        {proponi, {"corto.rdf", "a.rdf"}, 1, {"corto.rdf" + no},
         "file,fmin,hE,foE,foEs,hEs,hF,foF1,foF2\na.rdf,1.5,,,3.0,108,,,\n"},
        {esporta, {"month", "foF2", "2023-13"}, 2,
         {"the month must be written YYYY-MM, not 2023-13; see --help"}, ""},
        {esporta, {"csv", m, "manca.txt"}, 1, {"manca.txt: no such file"}, {}},
        {esporta, {"hourly", "--station", "1234", "-o", "uscita", m}, 1,
         {"uscita/123403.23: line 1 is not a day record of this station and characteristic",
          "no hourly file is written, so that the year files stay one set"}, ""},
        {esporta, {"month", "hF", "2023-03", "rse", "-o", "mese.txt"}, 1,
         {"rse: no such file", "nothing to export: no results file of 2023-03 could be read"}, ""},
        {demo, {"--interval", "7", "x"}, 2, {"--interval must be 5, 10, 15, 30 or 60, not 7"}, ""},
        {demo, {"--interval", "60", "demo"}, 0, {}, "velaris-demo: 21 ionograms of 05-03-2023 "
         "written to demo/ionograms, setting.txt opens the day at 00:00\n  no file for: 06:00 "
         "14:00 19:00\n  one byte short: 09:00\n"},
    };
    // clang-format on
    std::vector<QByteArray> standard;
    for (const auto& c : casi) {
        QProcess p;
        auto ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.remove("QT_QPA_PLATFORM"); // each tool chooses its platform itself,
        ambiente.remove("XDG_RUNTIME_DIR"); // as under cron
        p.setProcessEnvironment(ambiente);
        p.setWorkingDirectory(d.path());
        p.start(c.strumento, c.argomenti);
        ASSERT_TRUE(p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit);
        const QString nome = QFileInfo(c.strumento).fileName() + ": ";
        SCOPED_TRACE((nome + c.argomenti.join(' ')).toStdString());
        EXPECT_EQ(p.exitCode(), c.uscita);
        const QStringList righe =
            QString::fromLocal8Bit(p.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        QStringList errori = righe.filter(nome);
        EXPECT_EQ(errori.replaceInStrings(nome, "").join('\n').toStdString(),
                  c.errori.join('\n').toStdString());
        // velaris-day keeps Qt's word about the missing runtime folder out of a cron mail.
        EXPECT_TRUE(c.strumento != day || errori.size() == righe.size());
        standard.push_back(p.readAllStandardOutput());
        EXPECT_EQ(QString::fromUtf8(standard.back()), c.standard.value_or(standard.back()));
    }
    // velaris-day marks 10:00 (column 64 + 10 x 36) and draws nothing when
    // refused; velaris-render draws the good file only.
    EXPECT_EQ(QImage(d.filePath("giorno.png")).pixel(424, 150), qRgb(255, 220, 150));
    EXPECT_FALSE(QFile::exists(d.filePath("no.png")));
    EXPECT_EQ(QDir(d.filePath("png")).entryList(QDir::Files), QStringList{"a.png"});
    // velaris-export: the CSV of the day, a header and 24 records; no year
    // file written when one cannot be merged; the month table left as it was.
    EXPECT_EQ(standard[8].count("\r\n"), 25);
    EXPECT_EQ(QDir(d.filePath("uscita")).entryList(QDir::Files), QStringList{"123403.23"});
    EXPECT_EQ(QFileInfo(d.filePath("mese.txt")).size(), 8);
    // velaris-demo: the start window opens the day at its first sounding.
    QFile impostazioni(d.filePath("demo/setting.txt"));
    ASSERT_TRUE(impostazioni.open(QIODevice::ReadOnly));
    EXPECT_EQ(impostazioni.readAll(), "05-03-2023\r\n00\r\n00\r\n60\r\n1\r\n");
}
