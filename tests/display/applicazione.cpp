// The label text needs a QGuiApplication; gtest_main runs the tests, so the
// application lives in a global environment set up before the first test.

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ambiente_qt : public testing::Environment {
    int m_argc = 1;
    char m_nome[13] = "test_display";
    char* m_argv[2] = {m_nome, nullptr};
    std::unique_ptr<QGuiApplication> m_applicazione;

public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        m_applicazione = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_applicazione.reset(); }
};

[[maybe_unused]] testing::Environment* const ambiente =
    testing::AddGlobalTestEnvironment(new ambiente_qt);

} // namespace
