// Amounts as typed: an amount that is read is shown in Italian and read back as the same amount.

#include "FuzzText.h"
#include "access/Currency.h"
#include "core/model/CaseValues.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolmo;
    const QString typed = fuzz::testo(data, size);
    if (const std::optional<Currency> amount = Currency::parse(typed)) {
        const QString shown = amount->toItalian(4);
        const std::optional<Currency> again = Currency::parse(shown);
        fuzz::promessa(again && *again == *amount, "an amount shown in Italian reads back", typed);
    }
    // The lenient readers of numbers typed: an answer for anything, never a crash.
    core::numeroDigitato(typed);
    core::numeroDecimale(typed);
    core::numeroIniziale(typed);
    core::rilevanzaArrotondata(typed);
    return 0;
}
