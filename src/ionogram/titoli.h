#pragma once
// The texts that name an ionogram in a window: the date and time of the
// sounding read from the file name and the window title.

#include <optional>
#include <string>
#include <string_view>

namespace velaris {

/// Date text of an ionogram file name laid out as "QX106_" + year + day of the
/// year + hour + minutes + ...: "QX106_2023272101500.rdf" gives
/// "2023-September-29  10:15 [UT]". Years divisible by 4 are leap years (2100
/// too). A day that is in neither month column leaves month and day empty
/// ("2023--  10:15 [UT]"); characters missing from a short name count as empty.
std::string data_ionogramma(std::string_view nome_file);

/// Window title: "VELARIS - file: " + name + " * " + station + " * " + date,
/// followed by "  (sounding frequency step = " + step + " MHz)" when a step is
/// given (an accepted file). The step is its shortest float text with the
/// given decimal separator.
std::string titolo_finestra(std::string_view nome_file, std::string_view stazione,
                            std::string_view testo_data, std::optional<float> passo,
                            char separatore_decimale);

} // namespace velaris
