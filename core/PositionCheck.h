#pragma once
// The position number of a case is advisory: saving one that another case holds asks first.

#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"

namespace tolmo::core {

class PositionCheck : public CaseSection {
public:
    PositionCheck(ComponentServices& services, PraticaForm& form);

    /// True when another case than `idPratica` holds the position (0: every stored case is
    /// another). Throws DbError.
    bool EsistePosizione(const QString& posizione, int idPratica);

    /// A position held by another case asks whether to go on; no stops the save.
    std::optional<Refusal> validate() override;

private:
    ComponentServices& m_services;
};

}  // namespace tolmo::core
