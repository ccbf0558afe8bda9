#include "resa_ionogramma.h"

#include "display/disegno.h"
#include "display/echi.h"
#include "ionogram/lettore_rdf.h"

#include <QSaveFile>

#include <exception>

namespace velaris {

resa_ionogramma rendi_ionogramma(const std::filesystem::path& file, bool solo_grafico) {
    caricamento_rdf caricamento;
    try {
        caricamento = carica_rdf(file, variante_finestra::principale);
    } catch (const std::exception& e) {
        // The reader's errors are sentences that already name the file.
        return {QImage(), e.what()};
    }
    switch (caricamento.esito) {
    case esito_caricamento::mancante:
        return {QImage(), file.string() + ": no such file"};
    case esito_caricamento::rifiutato:
        return {QImage(), file.string() + ": not an ionogram: " + caricamento.motivo};
    case esito_caricamento::accettato:
        break;
    }

    dati_ionogramma& dati = caricamento.ionogramma.dati;
    const auto geometria = geometria_grafico::finestra_principale();
    QImage superficie = crea_superficie(geometria);
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
    QSaveFile file(destinazione);
    if (!file.open(QIODevice::WriteOnly))
        return destinazione.toStdString() + ": cannot be written (" +
               file.errorString().toStdString() + ")";
    if (!immagine.save(&file, "PNG")) {
        file.cancelWriting();
        return destinazione.toStdString() + ": the PNG picture could not be encoded";
    }
    if (!file.commit())
        return destinazione.toStdString() + ": cannot be written (" +
               file.errorString().toStdString() + ")";
    return {};
}

} // namespace velaris
