// The sections of the case form, in the order the component calls them at each step of the
// case cycle. A subsystem joins the case with one line here.

#include "Builtin.h"
#include "PositionCheck.h"
#include "aml/AmlGuard.h"
#include "core/lists/CatalogueLists.h"
#include "extras/Accounting.h"
#include "extras/CaseFolder.h"
#include "extras/MailText.h"
#include "extras/Staging.h"
#include "fees/CourtFee.h"
#include "fees/Tariff.h"
#include "links/CaseLinks.h"
#include "offices/CaseOffice.h"
#include "parties/InvolvedSubjects.h"
#include "parties/MultiParties.h"
#include "parties/PartyCards.h"

namespace tolmo {

// No errors are caught in these three: a database error reaches the caller.
QVariant TolmoPratica::CreaTxtMail() { return extras::CreaTxtMail(*this, m_builtin->references); }
void TolmoPratica::CreaTxtAvvCoinvolti(int idP) { links::CreaTxtAvvCoinvolti(m_connReadWrite, idP); }
void TolmoPratica::AggIdNew(int idNew, bool bClear) { links::AggIdNew(m_connReadWrite, idNew, bClear); }

QVariantMap TolmoPratica::RetrieveDatiStaging(const QString& szStato) {
    QVariantMap dati;
    for (const auto& [chiave, valore] : section<extras::Staging>()->datiDelCaso(szStato))
        dati.insert(chiave, valore);
    return dati;
}

const clsTariffa* TolmoPratica::tariffa() const {
    const auto* s = section<fees::Tariff>();
    return s ? s->tariffa() : nullptr;
}

void TolmoPratica::registerSections() {
    addSection<core::CatalogueLists>();
    auto& penale = addSection<criminal::Criminal>();
    auto& lookups = addSection<parties::PartyLookups>();
    addSection<parties::MultiParties>();
    // The save hands the lawyers to a new case before it writes the involved subjects.
    addSection<links::CaseLinks>();
    addSection<offices::CaseOffice>();
    auto& subjects = addSection<parties::InvolvedSubjects>();
    addSection<parties::PartyCards>(lookups, subjects);
    auto& references = addSection<extras::References>();
    addSection<core::PositionCheck>();
    auto& freeFields = addSection<extras::FreeFields>();
    addSection<fees::CourtFee>();
    addSection<fees::Tariff>();
    addSection<extras::Accounting>();
    addSection<extras::Staging>();
    addSection<extras::CaseFolder>();
    addSection<aml::AmlGuard>();
    m_builtin.reset(new Builtin{lookups, references, freeFields, penale});
}

}  // namespace tolmo
