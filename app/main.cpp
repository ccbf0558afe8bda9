// velaris: the scaling tool. Works in the current directory: "setting.txt"
// there, the ionogram and results files in its "ionograms" folder.

#include "windows/applicazione.h"
#include "windows/messaggi_qt.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

/// Without a display the toolkit would abort with a long diagnostic; say it
/// plainly instead.
bool display_disponibile() {
#if defined(Q_OS_LINUX)
    const auto impostato = [](const char* nome) {
        const char* v = std::getenv(nome);
        return v != nullptr && *v != '\0';
    };
    return impostato("DISPLAY") || impostato("WAYLAND_DISPLAY") || impostato("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    if (!display_disponibile()) {
        std::fputs("velaris: there is no display here; run it under Xvfb: "
                   "xvfb-run -a -s '-screen 0 1280x1024x24' velaris\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("VELARIS");

    velaris::messaggi_qt messaggi;
    velaris::applicazione programma(messaggi);
    if (!programma.apri_entrata()) return 0;
    return QApplication::exec();
}
