#pragma once
// frmFrazionata ("Registrazioni frazionate"): the split group a service joins, chosen among the
// first services of the professional's split groups, or the code proposed for a new group.

#include <optional>

#include "access/Connection.h"
#include "core/model/ComponentServices.h"
#include "form/Form.h"

namespace tolmo::aml {

class FrmFrazionata : public form::Form {
public:
    explicit FrmFrazionata(core::ComponentServices& services);

    /// The connection, the proposed code (the registration identifier on the service form) and the
    /// professional whose groups are offered: by his VAT number, or by his code when he has none.
    void ValorizzaFrazionate(ConnectionPtr conn, const QString& proposto, const QString& partitaIva,
                             const QString& codiceAR);
    /// The group code "&Imposta frazionata" set; nullopt after "&Annulla".
    const std::optional<QString>& codice() const { return m_codice; }

    /// Columns: ProgressivoAR, CodicePU, ImportoPrest, DataRegPrest, R_IdPra, DescrPrest.
    form::ListControl cmbFrazreg{this, QStringLiteral("cmbFrazreg"), form::ControlKind::ComboBox, 6};
    form::Control lblCodice{this, QStringLiteral("lblCodice"), form::ControlKind::Label};
    form::Control lblSeleziona{this, QStringLiteral("lblSeleziona"), form::ControlKind::Label};
    form::Control lblNota{this, QStringLiteral("lblNota"), form::ControlKind::Label};
    form::Control cmdImposta{this, QStringLiteral("cmdImposta"), form::ControlKind::Button};
    form::Control cmdAnnulla{this, QStringLiteral("cmdAnnulla"), form::ControlKind::Button};

private:
    void riempi();

    core::ComponentServices& m_services;
    ConnectionPtr m_conn;
    QString m_partitaIva;
    QString m_codiceAR;
    QString m_scelto;
    std::optional<QString> m_codice;
};

}  // namespace tolmo::aml
