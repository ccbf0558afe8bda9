#include "common/fakes.h"
#include "session/compagna.h"
#include "session/nomi_file.h"
#include "session/orario.h"

#include <gtest/gtest.h>

using namespace velaris;

// One step each way, at the hour boundaries and at the ends of the day.
TEST(Orario, OneStepEachWay) {
    struct caso {
        const char* incremento;
        orario da;
        verso v;
        esito_passo esito;
        orario nuovo;
    };
    const auto P = verso::precedente;
    const auto S = verso::successivo;
    const caso casi[] = {
        {"15", {7, 45}, S, esito_passo::fatto, {8, 0}},
        {"15", {8, 0}, P, esito_passo::fatto, {7, 45}},
        {"30", {10, 0}, P, esito_passo::fatto, {9, 30}},
        {"05", {12, 50}, S, esito_passo::fatto, {12, 55}},
        // Back over the hour: the last sounding of the hour before.
        {"05", {1, 0}, P, esito_passo::fatto, {0, 55}},
        {"10", {1, 0}, P, esito_passo::fatto, {0, 50}},
        {"15", {1, 0}, P, esito_passo::fatto, {0, 45}},
        {"30", {1, 0}, P, esito_passo::fatto, {0, 30}},
        {"60", {1, 0}, P, esito_passo::fatto, {0, 0}},
        {"60", {22, 0}, S, esito_passo::fatto, {23, 0}},
        // No step across midnight.
        {"05", {0, 0}, P, esito_passo::primo, {0, 0}},
        {"60", {0, 0}, P, esito_passo::primo, {0, 0}},
        {"60", {23, 0}, S, esito_passo::ultimo, {23, 0}},
        {"15", {23, 45}, S, esito_passo::ultimo, {23, 45}},
        {"05", {23, 55}, S, esito_passo::ultimo, {23, 55}},
        // Not an interval: the time stays.
        {"20", {7, 45}, S, esito_passo::fermo, {7, 45}},
        {"", {7, 45}, P, esito_passo::fermo, {7, 45}},
    };
    for (const caso& c : casi) {
        const passo p = passo_orario(c.da, c.v, c.incremento);
        EXPECT_EQ(p.esito, c.esito) << c.incremento << " " << c.da.ora << ":" << c.da.minuti;
        EXPECT_EQ(p.nuovo, c.nuovo) << c.incremento << " " << c.da.ora << ":" << c.da.minuti;
    }
}

// Walking the whole day forwards visits every sounding once, in the order of
// the day's numbering, and stops at the last; backwards it comes home.
TEST(Orario, AWalkThroughTheDayVisitsEverySounding) {
    for (const char* incremento : {"05", "10", "15", "30", "60"}) {
        const int n = numero_record(incremento);
        orario t{0, 0};
        int visti = 1;
        for (;;) {
            const passo p = passo_orario(t, verso::successivo, incremento);
            if (p.esito == esito_passo::ultimo) break;
            ASSERT_EQ(p.esito, esito_passo::fatto);
            t = p.nuovo;
            ++visti;
            ASSERT_EQ(numero_ionogramma_per(incremento, t.ora, t.minuti), visti) << incremento;
        }
        EXPECT_EQ(visti, n) << incremento;
        for (int k = n; k > 1; --k)
            t = passo_orario(t, verso::precedente, incremento).nuovo;
        EXPECT_EQ(t, (orario{0, 0})) << incremento;
        EXPECT_EQ(passo_orario(t, verso::precedente, incremento).esito, esito_passo::primo);
    }
}

namespace {

struct Compagna : ::testing::Test {
    parametri_sessione s;
    prova::messaggi_finti messaggi;
    void SetUp() override {
        s.incremento_minuti = "15";
        s.ora_corrente = 7;
        s.minuti_correnti = 45;
    }
    orario tempo() const { return {s.ora_successivo, s.minuti_successivo}; }
};

} // namespace

// At the ends of the day: the operation's own message, and the companion keeps
// the time of the picture it shows.
TEST_F(Compagna, EndsOfTheDayKeepTheCompanionsTime) {
    struct caso {
        operazione_compagna operazione;
        orario principale, compagna;
        const char* titolo;
        const char* testo;
    };
    const caso casi[] = {
        {operazione_compagna::mostra, {23, 45}, {10, 0}, "LAST IONOGRAM",
         "This is the last ionogram you can scale"},
        {operazione_compagna::successivo, {7, 45}, {23, 45}, "LAST IONOGRAM",
         "This is the last ionogram you can view"},
        {operazione_compagna::precedente, {7, 45}, {0, 0}, "FIRST IONOGRAM",
         "This is the first ionogram you can view"},
    };
    for (const caso& c : casi) {
        messaggi = prova::messaggi_finti{};
        s.ora_corrente = c.principale.ora;
        s.minuti_correnti = c.principale.minuti;
        s.ora_successivo = c.compagna.ora;
        s.minuti_successivo = c.compagna.minuti;
        EXPECT_FALSE(orario_compagna(c.operazione, s, messaggi));
        ASSERT_EQ(messaggi.mostrati.size(), 1u);
        EXPECT_EQ(messaggi.mostrati[0].titolo, c.titolo);
        EXPECT_EQ(messaggi.mostrati[0].testo, c.testo);
        EXPECT_EQ(tempo(), c.compagna);
    }
}
