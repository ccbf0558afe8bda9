// velaris-render on generated .rdf files: the pictures must show what the
// main window draws, and bad files must be reported without stopping the rest.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

/// A station file: the 197-byte header with the three frequency fields, then
/// 150 amplitude bytes per frequency, less `mancanti` bytes at the end.
void scrivi_rdf(const QString& percorso, const char* campi, int nfreq,
                std::initializer_list<std::array<int, 3>> celle = {}, int mancanti = 0) {
    QByteArray byte(197, ' ');
    byte.replace(0, 19, campi);
    byte.replace(59, 2, "xx");
    byte.replace(122, 5, "QX106");
    byte[196] = '\n';
    QByteArray ampiezze(150 * nfreq - mancanti, '\0');
    for (const auto& [i, j, valore] : celle)
        ampiezze[150 * (i - 1) + (j - 1)] = char(valore);
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(byte + ampiezze);
}

struct esecuzione {
    int uscita;
    QStringList righe_errore; ///< the tool's own lines (Qt may add warnings)
    QString testo;
};

esecuzione rendi(const QStringList& argomenti) {
    QProcess processo;
    // No platform in the environment: the tool must choose one by itself.
    auto ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.remove("QT_QPA_PLATFORM");
    processo.setProcessEnvironment(ambiente);
    processo.start(VELARIS_RENDER, argomenti);
    EXPECT_TRUE(processo.waitForFinished(60000));
    const QString errori = QString::fromLocal8Bit(processo.readAllStandardError());
    return {processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1,
            errori.split('\n').filter(QRegularExpression("^velaris-render: ")),
            QString::fromLocal8Bit(processo.readAllStandardOutput())};
}

/// Colour at plot (x, y) of a main-window picture (plot origin at column 220, row 670).
QRgb a(const QImage& s, int x, int y) {
    return s.pixel(220 + x, 670 - y) & 0xffffffu;
}
QRgb grigio(int g) {
    return qRgb(g, g, g) & 0xffffffu;
}

std::vector<int> linee_verticali(const QImage& s) {
    std::vector<int> colonne;
    for (int x = 1; x <= 764; ++x)
        if (a(s, x, 300) == grigio(100)) colonne.push_back(x);
    return colonne;
}

class Render : public testing::Test {
protected:
    QString in(const QString& nome) const { return m_dir.filePath(nome); }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(Render, DrawsGoodFilesAndReportsBadOnes) {
    scrivi_rdf(in("a.rdf"), "01.000 20.000 0.050", 381, {{2, 10, 127}, {100, 20, 7}});
    scrivi_rdf(in("b.rdf"), "02.000 12.000 0.050", 201);
    scrivi_rdf(in("c.rdf"), "01.000 20.000 0.040", 476, {{2, 10, 127}, {200, 20, 99}});
    scrivi_rdf(in("corto.rdf"), "01.000 20.000 0.050", 381, {}, 1);
    scrivi_rdf(in("zero.rdf"), "01.000 20.000 0.000", 381);
    const auto r = rendi({"-o", in("png"), in("corto.rdf"), in("a.rdf"), in("manca.rdf"),
                          in("b.rdf"), in("zero.rdf"), in("c.rdf")});
    EXPECT_EQ(r.uscita, 1);
    ASSERT_EQ(r.righe_errore.size(), 3) << r.righe_errore.join('\n').toStdString();
    EXPECT_TRUE(r.righe_errore[0].contains("corto.rdf") &&
                r.righe_errore[0].contains("not an ionogram"));
    EXPECT_TRUE(r.righe_errore[1].contains("manca.rdf"));
    EXPECT_TRUE(r.righe_errore[2].contains("zero.rdf"));
    EXPECT_EQ(QDir(in("png")).entryList(QDir::Files), (QStringList{"a.png", "b.png", "c.png"}));

    const QImage s(in("png/a.png"));
    ASSERT_EQ(s.size(), QSize(1015, 721));
    for (const auto& [x, y] : {std::pair{0, 0}, {0, 601}, {765, 0}, {765, 601}})
        EXPECT_EQ(a(s, x, y), 0xffff00u) << x << "," << y;
    std::vector<int> ogni_40;
    for (int x = 4; x <= 764; x += 40)
        ogni_40.push_back(x);
    EXPECT_EQ(linee_verticali(s), ogni_40);
    // 1.05 MHz (i = 2) on columns 5-6, height sample 10 on rows 37..40; the
    // largest amplitude 127 becomes grey 254 and 7 becomes 14.
    for (int y = 36; y <= 41; ++y)
        for (int x = 4; x <= 7; ++x)
            EXPECT_EQ(a(s, x, y) == grigio(254), x >= 5 && x <= 6 && y >= 37 && y <= 40)
                << x << "," << y;
    EXPECT_EQ(a(s, 201, 77), grigio(14));

    const QImage stretto(in("png/b.png"));
    EXPECT_EQ(linee_verticali(stretto).size(), 11u);
    EXPECT_EQ(linee_verticali(stretto).front(), 44);
    // The labels 1 .. 20 all stand below the frame: white ink under each one.
    for (int k = 1; k <= 20; ++k) {
        int inchiostro = 0;
        for (int y = -4; y > -24; --y)
            for (int x = 40 * k - 46; x <= 40 * k - 26; ++x)
                inchiostro += qRed(a(stretto, x, y)) > 200;
        EXPECT_GT(inchiostro, 3) << "label " << k;
    }

    const QImage ignoto(in("png/c.png")); // step 0.04: no echoes at all
    EXPECT_EQ(a(ignoto, 5, 37), 0u);
    EXPECT_EQ(linee_verticali(ignoto).size(), 20u);
}

TEST_F(Render, FolderPlotOnlyAndHelp) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("giorno"));
    scrivi_rdf(in("giorno/QX106_2023272101500.rdf"), "01.000 20.000 0.050", 381, {{2, 10, 9}});
    scrivi_rdf(in("giorno/QX106_2023272103000.rdf"), "01.000 20.000 0.100", 191);
    QFile(in("giorno/note.txt")).open(QIODevice::WriteOnly);
    const auto r = rendi({"--plot-only", "-o", in("png"), in("giorno")});
    EXPECT_EQ(r.uscita, 0) << r.righe_errore.join('\n').toStdString();
    EXPECT_EQ(QDir(in("png")).entryList(QDir::Files),
              (QStringList{"QX106_2023272101500.png", "QX106_2023272103000.png"}));
    const QImage grafico(in("png/QX106_2023272101500.png"));
    ASSERT_EQ(grafico.size(), QSize(766, 602)); // plot x = 0 .. 765, y = 601 .. 0
    EXPECT_EQ(grafico.pixel(0, 0) & 0xffffffu, 0xffff00u);
    EXPECT_EQ(grafico.pixel(765, 601) & 0xffffffu, 0xffff00u);
    EXPECT_EQ(grafico.pixel(5, 601 - 37) & 0xffffffu, grigio(254));

    const auto aiuto = rendi({"--help"});
    EXPECT_EQ(aiuto.uscita, 0);
    EXPECT_TRUE(aiuto.testo.startsWith("Usage: velaris-render"));
    EXPECT_EQ(rendi({}).uscita, 2);
    EXPECT_EQ(rendi({"--bogus", in("x.rdf")}).uscita, 2);
}

int main(int argc, char** argv) {
    QCoreApplication applicazione(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
