#include "resa_ionogramma.h"

#include "base/codifiche_qt.h"
#include "display/disegno.h"
#include "display/echi.h"
#include "ionogram/lettore_rdf.h"

#include "codifica_png.h"

#include <QCoreApplication>
#include <QFile>

#include <atomic>
#include <exception>
#include <system_error>

namespace velaris {

resa_ionogramma rendi_ionogramma(const std::filesystem::path& file, bool solo_grafico) {
    QImage superficie = crea_superficie(geometria_grafico::finestra_principale());
    return rendi_ionogramma(file, solo_grafico, superficie);
}

resa_ionogramma rendi_ionogramma(const std::filesystem::path& file, bool solo_grafico,
                                 QImage& superficie) {
    lettura_rdf letto = carica_rdf(file, intestazione_corta::accettata);
    if (!letto) {
        const errore_rdf& e = letto.errore();
        switch (e.motivo) {
        case motivo_errore::file_mancante:
        case motivo_errore::cartella:
            return {QImage(), file.string() + ": no such file"};
        case motivo_errore::dimensione_errata:
            return {QImage(), file.string() + ": not an ionogram: " + e.dettaglio};
        default:
            // The reader's sentences already name the file.
            return {QImage(), e.messaggio};
        }
    }

    dati_ionogramma& dati = letto->dati;
    const auto geometria = geometria_grafico::finestra_principale();
    pulisci_superficie(superficie);
    try {
        normalizzazione_ampiezze(dati);
    } catch (const std::exception& e) {
        return {QImage(), file.string() + ": " + e.what()};
    }
    disegno_ionogramma(superficie, geometria, dati, Qt::white);
    if (!solo_grafico) return {superficie, {}};
    // Plot columns x = 0 .. 765 and rows y = 601 .. 0: the frame and all inside it.
    return {superficie.copy(geometria.colonna(0), geometria.riga(601), 766, 602), {}};
}

std::string salva_png(const QImage& immagine, const QString& destinazione) {
    std::vector<unsigned char> png;
    if (const std::string perche = codifica_png(immagine, png); !perche.empty())
        return destinazione.toStdString() + ": the PNG picture could not be encoded (" + perche +
               ")";

    // A name of its own per call: two files of the same name from different
    // folders may be saved to the same picture at the same time.
    static std::atomic<unsigned> contatore{0};
    const QString temporaneo =
        destinazione +
        QString(".%1.%2.tmp").arg(QCoreApplication::applicationPid()).arg(contatore.fetch_add(1));
    QFile file(temporaneo);
    const auto errore = [&] {
        const std::string motivo = file.errorString().toStdString();
        file.close();
        QFile::remove(temporaneo);
        return destinazione.toStdString() + ": cannot be written (" + motivo + ")";
    };
    if (!file.open(QIODevice::WriteOnly)) return errore();
    const auto quanti = static_cast<qint64>(png.size());
    if (file.write(reinterpret_cast<const char*>(png.data()), quanti) != quanti || !file.flush())
        return errore();
    file.close();
    std::error_code ec;
    std::filesystem::rename(percorso_std(temporaneo), percorso_std(destinazione), ec);
    if (ec) {
        QFile::remove(temporaneo);
        return destinazione.toStdString() + ": cannot be written (" + ec.message() + ")";
    }
    return {};
}

} // namespace velaris
