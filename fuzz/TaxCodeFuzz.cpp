// Tax codes and VAT numbers: whatever is checked gets an answer, a refusal with its reason, and
// the omocodia forms of a valid code are valid codes of the same person.

#include "FuzzText.h"
#include "taxcodes/TaxCodes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolmo;
    const QString code = fuzz::testo(data, size);
    const taxcodes::EsitoCodiceFiscale esito = taxcodes::verificaCodiceFiscale(code, {}, QDate(2026, 12, 1));
    fuzz::promessa(esito.valido == esito.motivo.isEmpty(), "a refusal says why, an accepted code does not",
                   code);
    if (esito.valido) {
        for (int n = 0; n <= 7; ++n) {
            const taxcodes::EsitoCodiceFiscale altro = taxcodes::verificaCodiceFiscale(
                taxcodes::omocodia(code.trimmed().toUpper(), n), {}, QDate(2026, 12, 1));
            fuzz::promessa(altro.valido && altro.nascita == esito.nascita && altro.femmina == esito.femmina,
                           "an omocodia form is the same person", code);
        }
    }
    const taxcodes::EsitoPartitaIva iva = taxcodes::verificaPartitaIva(code);
    fuzz::promessa(iva.valido == iva.motivo.isEmpty(), "a refused VAT number says why", code);
    return 0;
}
