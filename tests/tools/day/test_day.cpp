// velaris-day draws the window's overview headless: a filled value, the
// marked sounding, and a clear refusal for a file that is not a day.

#include "results/giorno_di_prova.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using velaris::prova::record_con;

namespace {

int disegna(const QStringList& argomenti, QString* errori = nullptr) {
    QProcess processo;
    auto ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.remove("QT_QPA_PLATFORM"); // the tool must choose a platform by itself
    ambiente.remove("XDG_RUNTIME_DIR"); // as under cron: no warning about it either
    processo.setProcessEnvironment(ambiente);
    processo.start(VELARIS_DAY, argomenti);
    EXPECT_TRUE(processo.waitForFinished(60000));
    if (errori) *errori = QString::fromLocal8Bit(processo.readAllStandardError());
    return processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1;
}

} // namespace

TEST(Day, DrawsTheOverviewOfAResultsFile) {
    QTemporaryDir d;
    // foF2 6.0 MHz at 06:00 (interval 30: record 13): column 64 + 6 x 36,
    // 54 rows above the frequency panel's bottom row 252.
    const auto file = velaris::prova::scrivi_risultati(
        d.path().toStdString(), "QX106_05032023_30.txt", 48, {{13, record_con({{166, " 60"}})}});
    QString errori;
    EXPECT_EQ(disegna({QString::fromStdString(file.string()), "--at", "10:00", "-o",
                       d.filePath("giorno.png")},
                      &errori),
              0);
    EXPECT_EQ(errori, "");
    const QImage immagine(d.filePath("giorno.png"));
    ASSERT_EQ(immagine.size(), QSize(1000, 760));
    EXPECT_EQ(immagine.pixel(64 + 6 * 36, 252 - 54), qRgb(200, 0, 0));
    EXPECT_EQ(immagine.pixel(64 + 10 * 36, 150), qRgb(255, 220, 150));

    const auto corto =
        velaris::prova::scrivi_risultati(d.path().toStdString(), "QX106_06032023_30.txt", 47, {});
    EXPECT_EQ(
        disegna({QString::fromStdString(corto.string()), "-o", d.filePath("no.png")}, &errori), 1);
    EXPECT_TRUE(errori.contains("QX106_06032023_30.txt: holds") && !errori.contains("export"))
        << errori.toStdString();
    EXPECT_FALSE(QFile::exists(d.filePath("no.png")));
    EXPECT_EQ(disegna({d.filePath("nosuch.txt"), "-o", d.filePath("no.png")}, &errori), 1);
    EXPECT_TRUE(errori.endsWith("nosuch.txt: no such file\n")) << errori.toStdString();
    // A usage error is one line, not the whole usage.
    EXPECT_EQ(disegna({QString::fromStdString(file.string())}, &errori), 2);
    EXPECT_EQ(errori, "velaris-day: no picture given: -o PNG; see --help\n");
}
