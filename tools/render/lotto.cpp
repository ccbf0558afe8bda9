#include "lotto.h"

#include "base/codifiche_qt.h"
#include "display/disegno.h"
#include "display/superficie.h"
#include "resa_ionogramma.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace velaris {

std::vector<std::string> rendi_lotto(const std::vector<std::filesystem::path>& file,
                                     const opzioni_lotto& opzioni,
                                     const std::function<void(int)>& avanzamento) {
    std::vector<std::string> errori(file.size());
    const auto geometria = geometria_grafico::finestra_principale();
    {
        // The label pixels are made here, once; the threads only copy them.
        QImage prova = crea_superficie(geometria);
        disegno_grafico_vuoto(prova, geometria, Qt::white);
    }

    std::atomic<std::size_t> prossimo{0};
    std::mutex guardia_avanzamento;
    int fatti = 0;
    const auto lavoro = [&] {
        QImage superficie = crea_superficie(geometria);
        for (std::size_t n; (n = prossimo.fetch_add(1)) < file.size();) {
            const std::filesystem::path& f = file[n];
            const resa_ionogramma resa = rendi_ionogramma(f, opzioni.solo_grafico, superficie);
            if (resa.immagine.isNull())
                errori[n] = resa.errore;
            else
                errori[n] =
                    salva_png(resa.immagine, percorso_qt(opzioni.cartella_uscita /
                                                         f.filename().replace_extension(".png")));
            if (avanzamento) {
                const std::lock_guard<std::mutex> chiusura(guardia_avanzamento);
                avanzamento(++fatti);
            }
        }
    };

    const std::size_t lavori =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(opzioni.lavori, 1)),
                              std::max<std::size_t>(file.size(), 1));
    if (lavori == 1) {
        lavoro();
        return errori;
    }
    std::vector<std::thread> fili;
    for (std::size_t k = 0; k < lavori; ++k) fili.emplace_back(lavoro);
    for (auto& t : fili) t.join();
    return errori;
}

} // namespace velaris
