#pragma once
// Starting a scaling session from the start window: the date check, the
// settings file, the session record and the day's results file, without any
// widget. The start window passes its control texts and shows the outcome.

#include "base/porte.h"
#include "session/stato_programma.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velaris {

/// Title of the start window's message boxes.
inline constexpr std::string_view titolo_avviso_avvio = "Be careful!!";

/// The texts of the start window's controls, and the date the settings file
/// held when the window was loaded.
struct richiesta_avvio {
    std::string giorno, hour, minutes, incremento;
    std::string data_impostata;
};

/// What the start window must do next.
struct esito_avvio {
    bool apri_finestra_principale = false;
    /// What the hour and minutes lists must now show ("00" on a new day).
    std::string hour, minutes;
};

/// The interval texts the start window offers, and the one a first run uses.
inline constexpr std::string_view intervalli_ammessi[] = {"05", "10", "15", "30", "60"};
inline constexpr std::string_view intervallo_iniziale = "15";

/// The minutes an interval allows, as the minutes list offers them ("00",
/// "15", "30", "45" for "15"); nullopt for any other text, whose list is left
/// as it is.
std::optional<std::vector<std::string>> minuti_ammessi(std::string_view incremento);

/// The item a list shows for a text read from the settings file: the text
/// itself when it is an item; else, when its numeric value v lies in
/// 0 <= v < limite, the last item not above v ("7" -> "07"; minute "20" among
/// 00/15/30/45 -> "15"); else the first item. A hand-edited file so still
/// lands on a time the list can show, as close to the stored one as it gets.
std::string voce_da_mostrare(const std::vector<std::string>& voci, std::string_view testo,
                             double limite);

/// The interval item for a text read from the settings file: the text when it
/// is one of the five, the two-digit form of its value when that is ("5" ->
/// "05"), else the first-run interval "15".
std::string intervallo_da_mostrare(std::string_view testo);

/// The message for a date the session cannot start with, or nullopt when the
/// date passes: wrong DD-MM-YYYY shape (any character other than a digit or
/// "-" included: only a damaged settings file can hold one), a month over 12,
/// or a day over the month's limit (February has 29 days in every fourth
/// year). A day or month "00" passes.
std::optional<std::string_view> errore_data(std::string_view data);

/// A start worked out without touching a file.
struct avvio_preparato {
    /// The message to show instead of starting; empty when the start may go on.
    std::string rifiuto;
    /// The session record the start sets (the record given, when refused).
    parametri_sessione sessione;
    /// What the hour and minutes lists must now show ("00" on a new day).
    std::string hour, minutes;
};

/// The checks and the session record of a start, before anything is written:
/// the date rule, the new-day rule, the ionogram number, the file names. An
/// interval other than the five is refused, as no results file could be named
/// for it. Total over its texts: it never throws.
avvio_preparato preparazione_avvio(const richiesta_avvio& richiesta,
                                   const parametri_sessione& attuale);

/// Starts the session. A refused start is shown (title "Be careful!!", OK, no
/// icon) and nothing is written. Otherwise the ionograms folder is created
/// when missing, the day's results file is created with blank records when it
/// does not exist (an existing one is never touched), and "setting.txt" in the
/// working folder is rewritten, last, so that a start that fails on the way
/// leaves the settings as they were. The session record in `stato` changes
/// only when the start succeeds; a file that cannot be written is reported in
/// a message naming it and the reason, and the main window does not open.
esito_avvio avvio_sessione(const richiesta_avvio& richiesta, stato_programma& stato,
                           messaggi& messaggi);

} // namespace velaris
