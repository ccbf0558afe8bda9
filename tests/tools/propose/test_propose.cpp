// velaris-propose run as the operator runs it: a row per good file valued as
// the boxes show it, a stderr line per bad one, and the rest still written.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

/// A 1-20 MHz station file whose only echo is a flat trace at height cell 5
/// (108 km) from 1.5 MHz up to 3.0 MHz, `mancanti` bytes short.
void scrivi_rdf(const QString& percorso, int mancanti = 0) {
    QByteArray byte(197, ' ');
    byte.replace(0, 19, "01.000 20.000 0.050");
    byte.replace(59, 2, "xx");
    byte.replace(122, 5, "QX106");
    byte[196] = '\n';
    QByteArray ampiezze(150 * 381, '\0');
    for (int i = 11; i <= 41; ++i) // 1.5 .. 3.0 MHz
        for (int j = 5; j <= 7; ++j)
            ampiezze[150 * (i - 1) + j - 1] = static_cast<char>(200);
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(byte + ampiezze.left(ampiezze.size() - mancanti));
}

} // namespace

TEST(Propose, RowPerGoodFileAndOneLinePerBadOne) {
    QTemporaryDir d;
    scrivi_rdf(d.filePath("a.rdf"));
    scrivi_rdf(d.filePath("corto.rdf"), 1);
    QProcess p;
    p.start(VELARIS_PROPOSE,
            {d.filePath("corto.rdf"), d.filePath("a.rdf"), d.filePath("manca.rdf")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    // A flat trace alone is a sporadic E: fmin, foEs to tenths, h'Es to whole km.
    EXPECT_EQ(p.readAllStandardOutput().toStdString(),
              "file,fmin,hE,foE,foEs,hEs,hF,foF1,foF2\na.rdf,1.5,,,3.0,108,,,\n");
    const QStringList errori =
        QString::fromLocal8Bit(p.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(errori.size(), 2) << errori.join('\n').toStdString();
    EXPECT_TRUE(errori[0].contains("corto.rdf") && errori[1].contains("manca.rdf"));
}
