#pragma once
// The staging export: firms that also run an outside practice system get one row per saved case
// in ST_CommesseGamma, refreshed by every save, with the case's state, practice area, client and
// responsible person translated into that system's codes.

#include <QList>
#include <QString>
#include <QVariant>
#include <utility>

#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"

namespace tolmo::extras {

/// The staging values of a case, keyed, in the order they are gathered: "STATO", "TOKEN",
/// "AREAPRACTICE", "ID_UTENTE", "RESPONSABILE", "COGNOMERESPONSABILE", "NOMERESPONSABILE",
/// "INDIRIZZO_RESP".
using DatiStaging = QList<std::pair<QString, QVariant>>;

/// Translates the case's state text, client, classifier and responsible user on `conn`; a missing
/// mapping gives its default ("", "0"). Throws DbError.
DatiStaging RetrieveDatiStaging(const ConnectionPtr& conn, const QString& szStato, int idCliente, int idCla,
                                int idReferente);
/// True when the firm exports its cases to the staging table (ConfigGenerale.GammaMod).
bool VerificaStaging(const ConnectionPtr& conn);

class Staging : public core::CaseSection {
public:
    Staging(core::ComponentServices& services, core::PraticaForm& form);

    /// The staging values of the stored case on screen, for a host. Throws DbError.
    DatiStaging datiDelCaso(const QString& szStato);
    /// Writes (or refreshes) the staging row of case `ctx.caseId` from the row being saved.
    void EsportaStaging(core::SaveContext& ctx);

    /// Inside the case's save, when the firm exports.
    void save(core::SaveContext& ctx) override;

private:
    core::ComponentServices& m_services;
    core::PraticaForm& m_form;
};

}  // namespace tolmo::extras
