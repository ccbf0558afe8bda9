// velaris-render run as the operator runs it, on .rdf files written here: one
// PNG per good file, one stderr line per bad one, and the window's drawing.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

/// A station file: the 197-byte header with the three frequency fields, then
/// 150 amplitude bytes per frequency (less `mancanti`), `eco` at cell [2][10].
void scrivi_rdf(const QString& percorso, const char* campi, int nfreq, char eco, int mancanti = 0) {
    QByteArray byte(197, ' ');
    byte.replace(0, 19, campi);
    byte.replace(59, 2, "xx");
    byte.replace(122, 5, "QX106");
    byte[196] = '\n';
    QByteArray ampiezze(150 * nfreq - mancanti, '\0');
    ampiezze[150 + 9] = eco;
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(byte + ampiezze);
}

/// Exit status and the tool's own stderr lines (Qt may add warnings).
std::pair<int, QStringList> rendi(const QStringList& argomenti) {
    QProcess processo;
    auto ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.remove("QT_QPA_PLATFORM"); // the tool must choose a platform by itself
    processo.setProcessEnvironment(ambiente);
    processo.start(VELARIS_RENDER, argomenti);
    EXPECT_TRUE(processo.waitForFinished(60000));
    const QString errori = QString::fromLocal8Bit(processo.readAllStandardError());
    return {processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1,
            errori.split('\n').filter(QRegularExpression("^velaris-render: "))};
}

} // namespace

TEST(Render, PicturePerGoodFileAndOneLinePerBadOne) {
    QTemporaryDir d;
    scrivi_rdf(d.filePath("a.rdf"), "01.000 20.000 0.050", 381, 127);
    scrivi_rdf(d.filePath("corto.rdf"), "01.000 20.000 0.050", 381, 127, 1);
    const auto [uscita, errori] = rendi({"-o", d.filePath("png"), d.filePath("corto.rdf"),
                                         d.filePath("a.rdf"), d.filePath("manca.rdf")});
    EXPECT_EQ(uscita, 1);
    ASSERT_EQ(errori.size(), 2) << errori.join('\n').toStdString();
    EXPECT_TRUE(errori[0].contains("corto.rdf") && errori[1].contains("manca.rdf"));
    EXPECT_EQ(QDir(d.filePath("png")).entryList(QDir::Files), QStringList{"a.png"});
    // As the main window draws it (plot origin at column 220, row 670): the
    // frame corner, and 1.05 MHz at height sample 10 on x = 5..6, y = 37..40,
    // the strongest echo as grey 254.
    const QImage s(d.filePath("png/a.png"));
    ASSERT_EQ(s.size(), QSize(1015, 721));
    EXPECT_EQ(s.pixel(220, 670), qRgb(255, 255, 0));
    for (const auto& [x, y, grigio] : {std::tuple{5, 37, 254}, {6, 40, 254}, {7, 40, 0}})
        EXPECT_EQ(s.pixel(220 + x, 670 - y), qRgb(grigio, grigio, grigio)) << x << "," << y;
}

TEST(Render, FolderWithPlotOnly) {
    QTemporaryDir d;
    ASSERT_TRUE(QDir(d.path()).mkdir("giorno"));
    scrivi_rdf(d.filePath("giorno/QX106_2023272101500.rdf"), "01.000 20.000 0.050", 381, 9);
    scrivi_rdf(d.filePath("giorno/QX106_2023272103000.rdf"), "01.000 20.000 0.100", 191, 0);
    QFile(d.filePath("giorno/note.txt")).open(QIODevice::WriteOnly);
    const auto [uscita, errori] =
        rendi({"--plot-only", "-o", d.filePath("png"), d.filePath("giorno")});
    EXPECT_EQ(uscita, 0) << errori.join('\n').toStdString();
    const QStringList png = QDir(d.filePath("png")).entryList(QDir::Files);
    EXPECT_EQ(png, (QStringList{"QX106_2023272101500.png", "QX106_2023272103000.png"}));
    for (const QString& nome : png) { // the frame and all inside it
        const QImage grafico(d.filePath("png/" + nome));
        EXPECT_TRUE(grafico.size() == QSize(766, 602) && grafico.pixel(0, 0) == qRgb(255, 255, 0) &&
                    grafico.pixel(765, 601) == qRgb(255, 255, 0)) << nome.toStdString();
    }
    EXPECT_EQ(rendi({"--bogus", d.filePath("x.rdf")}).first, 2);
}

TEST(Render, ThreadsGiveTheSamePicturesAndMessages) {
    QTemporaryDir d;
    ASSERT_TRUE(QDir(d.path()).mkdir("giorno"));
    for (int n = 0; n < 12; ++n)
        scrivi_rdf(d.filePath(QString("giorno/QX106_20232721%1000.rdf").arg(n, 2, 10, QChar('0'))),
                   "01.000 20.000 0.050", 381, static_cast<char>(10 + 20 * n), n == 5 ? 3 : 0);
    const auto [uno, errori_uno] = rendi({"--jobs", "1", "-o", d.filePath("uno"), d.filePath("giorno")});
    const auto [tre, errori_tre] = rendi({"--jobs", "3", "-o", d.filePath("tre"), d.filePath("giorno")});
    EXPECT_TRUE(uno == 1 && tre == 1);
    ASSERT_EQ(errori_uno.size(), 1); // the cut file, and no progress line off a terminal
    EXPECT_EQ(errori_tre, errori_uno);
    const QStringList png = QDir(d.filePath("uno")).entryList(QDir::Files);
    ASSERT_EQ(png.size(), 11);
    EXPECT_EQ(QDir(d.filePath("tre")).entryList(QDir::Files), png);
    for (const QString& nome : png) {
        QFile a(d.filePath("uno/" + nome)), b(d.filePath("tre/" + nome));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        EXPECT_EQ(a.readAll(), b.readAll()) << nome.toStdString();
    }
    for (const char* sbagliato : {"0", "x", "-2"})
        EXPECT_EQ(rendi({"--jobs", sbagliato, d.filePath("giorno")}).first, 2) << sbagliato;
}

int main(int argc, char** argv) {
    QCoreApplication applicazione(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
