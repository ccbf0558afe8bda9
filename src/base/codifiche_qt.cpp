#include "codifiche_qt.h"

#include <QByteArray>
#include <QFile>

namespace velaris {

QString testo_qt(std::string_view testo) {
    return QString::fromLatin1(testo.data(), static_cast<qsizetype>(testo.size()));
}

std::string testo_std(const QString& testo) { return testo.toLatin1().toStdString(); }

QString percorso_qt(const std::filesystem::path& percorso) {
    return QFile::decodeName(QByteArray::fromStdString(percorso.string()));
}

std::filesystem::path percorso_std(const QString& percorso) {
    return QFile::encodeName(percorso).toStdString();
}

} // namespace velaris
