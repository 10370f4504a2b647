#pragma once
// Carries the answers of modal dialogs back to the case form.

#include <QString>

namespace tolmo {

class clsIDToPrat {
public:
    int PraticaToOpen = 0;     ///< case to open after the dialog, 0 = none
    short Risposta = 0;        ///< yes/no dialog: 1 yes, 0 no
    short BloccaRichiedi = 0;  ///< "do not ask again" ticked: 1
    QString CodiceUfficio;     ///< office picker: code of the chosen office
    QString Ufficio;           ///< office picker: its name
};

}  // namespace tolmo
