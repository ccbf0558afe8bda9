#pragma once
// Results files made by hand for the export tests: records are blank lines
// with texts put at the 1-based positions of the record layout, so the
// expected values never come from the code that reads them.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace velaris::prova {

/// A text at a 1-based position of a record.
struct testo_a {
    int posizione;
    std::string testo;
};

/// A record of 248 bytes: 246 blanks and CR LF, with the texts put in.
std::string record_con(const std::vector<testo_a>& testi);

/// Writes `nome` in `cartella` with `quanti` records, blank but for those
/// given by record number (1-based). Returns the path.
std::filesystem::path scrivi_risultati(const std::filesystem::path& cartella, const std::string& nome,
                                       int quanti, const std::map<int, std::string>& record);

/// The lines of a text whose lines end in CR LF; text after the last line end
/// is a line of its own, so a missing line end shows.
std::vector<std::string> righe_crlf(const std::string& testo);

/// `testa` followed by 24 hourly cells: those given by hour, `altrimenti` for the rest.
std::string per_ora(std::string testa, const std::map<int, std::string>& celle, const std::string& altrimenti);

} // namespace velaris::prova
