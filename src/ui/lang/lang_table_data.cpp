#include "ui/lang/lang_table_data.h"

namespace qavi::ui {

// Interim contents: the message rows in the working column, English and Polish.
// The full eight-language table replaces this.
std::span<const LangCell> langTableData() {
    static const LangCell cells[] = {
        {0, 0, " - Błąd napięcia"}, {0, 2, " - Voltage error"},
        {1, 0, " - Zbyt wysokie ciśnienie LPG"}, {1, 2, " - LPG pressure too high"},
        {2, 0, " - Zbyt niskie ciśnienie LPG"}, {2, 2, " - LPG pressure too low"},
        {3, 0, " - Zbyt niskie napięcie zapłonu"}, {3, 2, " - Ignition voltage too low"},
        {4, 0, " - Błąd sygnału wtrysku benzyny"}, {4, 2, " - Fuel injection signal error"},
        {5, 0, " - Nieprawidłowa praca sterownika benzyny"}, {5, 2, " - Incorrect Work Petrol Controller"},
        {6, 0, " - Błąd wtryskiwacza :"}, {6, 2, " - Injector Error :"},
        {7, 0, " - Nieprawidłowe ustawienia"}, {7, 2, " - Incorrect settings"},
        {8, 0, " - Błąd napięcia zasilania"}, {8, 2, " - Voltage error"},
        {9, 0, " - Zbyt długi czas wtrysku gazu"}, {9, 2, " - Too long gas injection time"},
        {10, 0, "Czy chcesz wykonać reset sterownika i przywrócić ustawienia fabryczne ?"},
        {10, 2, "Reset Will Restore original controller settings"},
        {10, 3, "Reset przywróci ustawienia fabryczne"},
        {11, 0, "Time out - błąd w transmisji (Brak Strownika) "}, {11, 2, "No LPG Controller"},
        {11, 3, "Brak Sterownika"},
        {137, 0, "Użyj wersji wyższej niż"}, {137, 2, "Use the version higher than"},
    };
    return cells;
}

}  // namespace qavi::ui
