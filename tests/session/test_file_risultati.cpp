#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "session/file_risultati.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace velaris;
using prova::caselle_finte;

namespace {

std::string leggi_tutto(const std::filesystem::path& file) {
    const auto byte = prova::contenuto_file(file);
    return {byte.begin(), byte.end()};
}

/// 1-based positions, as the record layout counts them.
std::string campo(const std::string& record, int da, int a) {
    return record.substr(static_cast<std::size_t>(da - 1), static_cast<std::size_t>(a - da + 1));
}

} // namespace

TEST(Record, LabelsAndFieldsStandAtTheirPositions) {
    caselle_finte caselle;
    caselle.imposta_testo("Text13", "52");  // foF2, rule A
    caselle.imposta_testo("Text3", "310");  // foE, rule B
    caselle.imposta_testo("Text2", "95");   // h'E, rule A: right-aligned
    caselle.imposta_testo("Text18", "E");
    caselle.imposta_testo("Text33", "S");
    caselle.imposta_testo("Text7", "C1");
    const std::string r = composizione_record(caselle, 7, 45);
    ASSERT_EQ(r.size(), 248u);
    const std::pair<int, const char*> attesi[] = {
        {1, "07:45 fmin    =     "}, {21, " h'E     = 95ES"}, {36, " foE     =310  "},
        {51, " foEs    =     "},     {66, " h'Es    =     "}, {81, " Es Type =C1   "},
        {96, " fbEs    =     "},     {111, " h'F     =     "}, {126, " foF1    =     "},
        {141, " h'F2    =     "},    {156, " foF2    = 52  "}, {171, " fxI     =     "},
        {186, " MUF F1  =     "},    {201, " M3000 F1=     "}, {216, " MUF F2  =     "},
        {231, " M3000 F2=     "},    {246, " \r\n"}};
    for (const auto& [da, testo] : attesi)
        EXPECT_EQ(campo(r, da, da + static_cast<int>(std::string(testo).size()) - 1), testo);
    caselle.imposta_testo("Text7", "C2H1");
    EXPECT_EQ(campo(composizione_record(caselle, 0, 0), 91, 95), "C2H1 ");
    // Rule B keeps a two-character value as it stands and shifts what follows.
    caselle.imposta_testo("Text11", "95");
    EXPECT_EQ(campo(composizione_record(caselle, 0, 0), 245, 247), " \r\n");
}

TEST(Record, BoxesRoundTripThroughARecord) {
    caselle_finte scritte;
    for (const auto& [nome, testo] : {std::pair{"Text1", "14"}, {"Text17", "E"}, {"Text23", "E"},
                                      {"Text7", "C2H1"}, {"lettera_descrittiva_fof1", "L"},
                                      {"Text13", "85"}, {"lettera_qualificativa_fof2", "D"},
                                      {"Text16", "327"}})
        scritte.imposta_testo(nome, testo);
    const std::string r = composizione_record(scritte, 12, 0);
    caselle_finte lette;
    lette.imposta_testo("Text2", "old"); // a blank field empties its box
    riempimento_caselle_testo_ionogramma_corrente(lette, decodifica_record(r));
    EXPECT_EQ(lette.testo("Text2"), "");
    EXPECT_EQ(composizione_record(lette, 12, 0), r);

    caselle_finte precedenti;
    riempimento_caselle_testo_ionogramma_precedente(precedenti, decodifica_record(r));
    EXPECT_EQ(precedenti.testo("Text47"), "85D");
    EXPECT_EQ(precedenti.testo("Text25"), "14EE");
    EXPECT_EQ(precedenti.testo("Text39"), "C2H1");
    svuotamento_caselle_precedenti(precedenti);
    EXPECT_EQ(precedenti.testo("Text47"), "");
}

TEST(FileRisultati, WritingARecordChangesOnlyItsBytes) {
    prova::cartella_temporanea cartella;
    const auto file = cartella.percorso() / "giorno.txt";
    std::string giorno;
    for (int k = 0; k < 96; ++k) giorno += record_vuoto();
    giorno[0] = 'x'; // a foreign byte elsewhere must survive
    std::ofstream(file, std::ios::binary) << giorno;
    caselle_finte caselle;
    caselle.imposta_testo("Text13", "52");
    const std::string r = composizione_record(caselle, 7, 45);
    scrittura_record(file, 32, r);
    EXPECT_EQ(leggi_tutto(file), giorno.replace(31 * 248, 248, r));
    EXPECT_EQ(lettura_record(file, 32), r);
}

TEST(FileRisultati, AShortFileReadsBlankBeyondItsEndAndIsExtendedNeverCut) {
    prova::cartella_temporanea cartella;
    const auto file = cartella.percorso() / "corto.txt";
    const std::string inizio = record_vuoto() + "07:";
    std::ofstream(file, std::ios::binary) << inizio;
    EXPECT_EQ(lettura_record(file, 10), record_vuoto());
    EXPECT_EQ(lettura_record(file, 2), "07:" + record_vuoto().substr(3));

    const std::string r = composizione_record(caselle_finte{}, 1, 0);
    scrittura_record(file, 4, r);
    const std::string dopo = leggi_tutto(file);
    ASSERT_EQ(dopo.size(), 4u * 248u);
    EXPECT_EQ(dopo.substr(0, inizio.size()), inizio);
    EXPECT_EQ(dopo.substr(2 * 248, 248), record_vuoto());
    EXPECT_EQ(dopo.substr(3 * 248), r);
}

TEST(FileRisultati, FailuresNameTheFileAndCreateNothing) {
    prova::cartella_temporanea cartella;
    const auto manca = cartella.percorso() / "manca.txt";
    EXPECT_THROW(lettura_record(manca, 1), errore_file_risultati);
    EXPECT_THROW(scrittura_record(manca, 1, record_vuoto()), errore_file_risultati);
    EXPECT_FALSE(std::filesystem::exists(manca));
    try {
        scrittura_record(cartella.percorso(), 1, record_vuoto()); // a folder, not a file
        FAIL();
    } catch (const errore_file_risultati& e) {
        EXPECT_NE(std::string(e.what()).find(cartella.percorso().string()), std::string::npos);
    }
}
