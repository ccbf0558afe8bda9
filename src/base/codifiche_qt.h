#pragma once
// The two encodings at the border between the logic's bytes and Qt's texts.
// Box texts, titles and the files the operator scales are single-byte
// (Latin-1), so that every byte a results file holds shows in its box and is
// written back unchanged. Paths are in the system's own encoding of file
// names, so that a file named in any encoding is found again.
//
// A target of its own (velaris_base_qt, Qt Core), so that the rest of base
// stays with the standard library.

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace velaris {

/// A single-byte text as Qt text, byte by byte (Latin-1).
QString testo_qt(std::string_view testo);
/// Qt text as single bytes (Latin-1); a character beyond Latin-1 becomes "?".
std::string testo_std(const QString& testo);

/// A path for Qt, decoded from the system's encoding of file names.
QString percorso_qt(const std::filesystem::path& percorso);
/// A path given by Qt, encoded in the system's encoding of file names.
std::filesystem::path percorso_std(const QString& percorso);

} // namespace velaris
