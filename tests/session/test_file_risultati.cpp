#include "common/rdf_di_prova.h"
#include "common/fakes.h"
#include "session/file_risultati.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace velaris;
using prova::caselle_finte;

namespace {

std::string leggi_tutto(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void scrivi_tutto(const std::filesystem::path& file, const std::string& dati) {
    std::ofstream(file, std::ios::binary) << dati;
}

std::string giorno_vuoto(int record) {
    std::string dati;
    for (int k = 0; k < record; ++k)
        dati += record_vuoto();
    return dati;
}

/// 1-based positions, as the record layout counts them.
std::string campo(const std::string& record, int da, int a) {
    return record.substr(static_cast<std::size_t>(da - 1), static_cast<std::size_t>(a - da + 1));
}

} // namespace

TEST(Record, LeavingWithFoF2OnlyPutsItAt166) {
    caselle_finte caselle;
    caselle.imposta_testo("Text13", "52");
    const std::string r = composizione_record(caselle, 7, 45);
    ASSERT_EQ(r.size(), 248u);
    EXPECT_EQ(r.substr(0, 5), "07:45");
    EXPECT_EQ(campo(r, 156, 170), " foF2    = 52  ");
    EXPECT_EQ(r.substr(245), " \r\n");
    const std::pair<int, const char*> etichette[] = {
        {6, " fmin    ="},   {21, " h'E     ="},  {36, " foE     ="},  {51, " foEs    ="},
        {66, " h'Es    ="},  {81, " Es Type ="},  {96, " fbEs    ="},  {111, " h'F     ="},
        {126, " foF1    ="}, {141, " h'F2    ="}, {156, " foF2    ="}, {171, " fxI     ="},
        {186, " MUF F1  ="}, {201, " M3000 F1="}, {216, " MUF F2  ="}, {231, " M3000 F2="}};
    for (const auto& [da, etichetta] : etichette)
        EXPECT_EQ(campo(r, da, da + 9), etichetta);
    // Everything but the labels, the time and foF2 is blank.
    for (int p = 6; p <= 245; ++p) {
        const bool in_etichetta =
            std::any_of(std::begin(etichette), std::end(etichette),
                        [&](auto& e) { return p >= e.first && p < e.first + 10; });
        if (!in_etichetta && (p < 166 || p > 168)) {
            EXPECT_EQ(r[p - 1], ' ') << p;
        }
    }
}

TEST(Record, ValueRulesPadTwoCharactersAndKeepThree) {
    caselle_finte caselle;
    caselle.imposta_testo("Text3", "310"); // foE, rule B
    caselle.imposta_testo("Text2", "95");  // h'E, rule A: right-aligned
    caselle.imposta_testo("Text18", "E");
    caselle.imposta_testo("Text33", "S");
    caselle.imposta_testo("Text7", "C1");
    caselle.imposta_testo("Text15", " 7 "); // rule A trims before measuring
    const std::string r = composizione_record(caselle, 0, 0);
    EXPECT_EQ(campo(r, 46, 48), "310");
    EXPECT_EQ(campo(r, 31, 35), " 95ES");
    EXPECT_EQ(campo(r, 91, 95), "C1   ");
    EXPECT_EQ(campo(r, 226, 228), " 7 ");
    caselle.imposta_testo("Text7", "C2H1");
    EXPECT_EQ(campo(composizione_record(caselle, 0, 0), 91, 95), "C2H1 ");
}

TEST(Record, RuleBKeepsATwoCharacterValueAsItStandsAndShiftsTheRest) {
    caselle_finte caselle;
    caselle.imposta_testo("Text11", "95"); // M(3000)F1 is never right-aligned
    const std::string r = composizione_record(caselle, 1, 2);
    EXPECT_EQ(r.size(), 248u);
    EXPECT_EQ(campo(r, 211, 212), "95");
    EXPECT_EQ(campo(r, 245, 247), " \r\n"); // one position early
}

TEST(Record, BoxesRoundTripThroughARecord) {
    caselle_finte scritte;
    scritte.imposta_testo("Text1", "14");
    scritte.imposta_testo("Text17", "E");
    scritte.imposta_testo("Text23", "E");
    scritte.imposta_testo("Text7", "C2H1");
    scritte.imposta_testo("Text9", "430");
    scritte.imposta_testo("lettera_descrittiva_fof1", "L");
    scritte.imposta_testo("Text13", "85");
    scritte.imposta_testo("lettera_qualificativa_fof2", "D");
    scritte.imposta_testo("Text16", "327");
    const std::string r = composizione_record(scritte, 12, 0);

    caselle_finte lette;
    lette.imposta_testo("Text2", "old"); // a blank field empties its box
    riempimento_caselle_testo_ionogramma_corrente(lette, r);
    EXPECT_EQ(lette.testo("Text1"), "14");
    EXPECT_EQ(lette.testo("Text2"), "");
    EXPECT_EQ(lette.testo("Text7"), "C2H1");
    EXPECT_EQ(lette.testo("lettera_descrittiva_fof1"), "L");
    EXPECT_EQ(lette.testo("Text16"), "327");
    EXPECT_EQ(composizione_record(lette, 12, 0), r);

    caselle_finte precedenti;
    riempimento_caselle_testo_ionogramma_precedente(precedenti, r);
    EXPECT_EQ(precedenti.testo("Text47"), "85D");
    EXPECT_EQ(precedenti.testo("Text25"), "14EE");
    EXPECT_EQ(precedenti.testo("Text39"), "C2H1");
    EXPECT_EQ(precedenti.testo("Text41"), "430L");
    EXPECT_EQ(precedenti.testo("Text26"), "");
    svuotamento_caselle_precedenti(precedenti);
    EXPECT_EQ(precedenti.testo("Text47"), "");
}

TEST(FileRisultati, WritingARecordChangesOnlyItsBytes) {
    prova::cartella_temporanea cartella;
    const auto file = cartella.percorso() / "QX106_05032023_15.txt";
    std::string giorno = giorno_vuoto(96);
    giorno[0] = 'x'; // a foreign byte elsewhere must survive
    scrivi_tutto(file, giorno);
    caselle_finte caselle;
    caselle.imposta_testo("Text13", "52");
    const std::string r = composizione_record(caselle, 7, 45);
    scrittura_record(file, 32, r);
    std::string atteso = giorno;
    atteso.replace(31 * 248, 248, r);
    EXPECT_EQ(leggi_tutto(file), atteso);
    EXPECT_EQ(lettura_record(file, 32), r);
}

TEST(FileRisultati, AShortFileReadsBlankBeyondItsEndAndIsExtendedNeverCut) {
    prova::cartella_temporanea cartella;
    const auto file = cartella.percorso() / "corto.txt";
    const std::string inizio = giorno_vuoto(2) + "07:";
    scrivi_tutto(file, inizio);
    EXPECT_EQ(lettura_record(file, 10), record_vuoto());
    EXPECT_EQ(lettura_record(file, 3), "07:" + record_vuoto().substr(3));

    caselle_finte caselle;
    caselle.imposta_testo("Text1", "15");
    const std::string r = composizione_record(caselle, 1, 0);
    scrittura_record(file, 5, r);
    const std::string dopo = leggi_tutto(file);
    ASSERT_EQ(dopo.size(), 5u * 248u);
    EXPECT_EQ(dopo.substr(0, inizio.size()), inizio);
    EXPECT_EQ(dopo.substr(3 * 248, 248), record_vuoto());
    EXPECT_EQ(dopo.substr(4 * 248), r);
}

TEST(FileRisultati, FailuresNameTheFile) {
    prova::cartella_temporanea cartella;
    const auto manca = cartella.percorso() / "manca.txt";
    EXPECT_THROW(lettura_record(manca, 1), errore_file_risultati);
    EXPECT_THROW(scrittura_record(manca, 1, record_vuoto()), errore_file_risultati);
    EXPECT_FALSE(std::filesystem::exists(manca)); // a write never creates a results file
    try {
        scrittura_record(cartella.percorso(), 1, record_vuoto()); // a folder, not a file
        FAIL();
    } catch (const errore_file_risultati& e) {
        EXPECT_NE(std::string(e.what()).find(cartella.percorso().string()), std::string::npos);
    }
}
