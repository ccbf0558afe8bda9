// velaris: the scaling tool. Works in the current directory: "setting.txt"
// there, the ionogram and results files in its "ionograms" folder.

#include "windows/applicazione.h"
#include "windows/messaggi_qt.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

/// Without a display the toolkit would abort with a long diagnostic; say it
/// plainly instead. A platform named on the command line (-platform
/// offscreen) is the toolkit's to judge.
bool display_disponibile(int argc, char* argv[]) {
#if defined(Q_OS_LINUX)
    const auto impostato = [](const char* nome) {
        const char* v = std::getenv(nome);
        return v != nullptr && *v != '\0';
    };
    for (int k = 1; k < argc; ++k)
        if (std::strcmp(argv[k], "-platform") == 0 || std::strcmp(argv[k], "--platform") == 0)
            return true;
    return impostato("DISPLAY") || impostato("WAYLAND_DISPLAY") || impostato("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    // The desktop's preferences (the View menu's switches) are kept under
    // these names; setting.txt stays the day's alone.
    QApplication::setOrganizationName("VELARIS");
    QApplication::setApplicationName("VELARIS");
    QApplication::setApplicationVersion(VELARIS_VERSION);
    QCommandLineParser opzioni;
    opzioni.setApplicationDescription(
        "Scales ionograms by hand, one sounding after another through a day.\n"
        "Works in the current folder: setting.txt there, the ionogram and\n"
        "results files in its ionograms folder.");
    opzioni.addHelpOption();
    opzioni.addVersionOption();

    if (!display_disponibile(argc, argv)) {
        // --help and --version need no window: a core application is enough
        // to answer them (process() exits), in a shell or a package check.
        const QCoreApplication senza_schermo(argc, argv);
        opzioni.process(senza_schermo);
        std::fputs("velaris: there is no display here; run it under Xvfb: "
                   "xvfb-run -a -s '-screen 0 1280x1024x24' velaris\n",
                   stderr);
        return 1;
    }
    // The toolkit's own options (-platform, -style...) are taken out of the
    // arguments here, before ours are read.
    QApplication app(argc, argv);
    opzioni.process(app);

    velaris::messaggi_qt messaggi;
    velaris::applicazione programma(messaggi);
    if (!programma.apri_entrata()) return 0;
    return QApplication::exec();
}
