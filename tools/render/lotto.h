#pragma once
// A batch of ionogram files to PNG pictures on several threads at once: each
// thread takes the next file, draws it on a surface of its own and saves it.
// The pictures and the reported errors are the same, in the same order, as
// when the files are drawn one after the other.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace velaris {

struct opzioni_lotto {
    std::filesystem::path cartella_uscita; ///< must exist
    bool solo_grafico = false;
    int lavori = 1; ///< threads; 1 draws on the calling thread
};

/// Draws every file into cartella_uscita/NAME.png. Returns one text per file,
/// in the order given: empty when its picture was written, otherwise the
/// reason for the operator. `avanzamento`, when given, is called after each
/// file with the number of files done so far, from whichever thread finished
/// it (one call at a time). Call from the GUI thread: it draws the axis
/// labels once there before any other thread starts.
std::vector<std::string> rendi_lotto(const std::vector<std::filesystem::path>& file,
                                     const opzioni_lotto& opzioni,
                                     const std::function<void(int)>& avanzamento = {});

} // namespace velaris
