// Dates as the case form reads them: whatever is typed, a day that is read is written in full
// and read back as the same day.

#include "FuzzText.h"
#include "core/model/CaseValues.h"
#include "core/model/DateField.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolmo;
    const QString typed = fuzz::testo(data, size);
    const QDate day = core::dataDelCampo(typed);
    const QString full = core::dataNormalizzata(typed);
    if (day.isValid()) {
        fuzz::promessa(core::dataDelCampo(full) == day, "the day written in full reads back", typed);
        fuzz::promessa(!core::dataVuota(typed), "a day is not an empty date", typed);
    }
    try {
        const QDate checked = core::dataDigitata(typed, QStringLiteral("Data"));
        fuzz::promessa(!checked.isValid() || checked == day, "the checked day is the day read", typed);
    } catch (const std::invalid_argument&) {
        // refused with its sentence
    }
    return 0;
}
