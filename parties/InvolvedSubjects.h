#pragma once
// The subjects involved in a case (witnesses, experts, heirs) with their qualification, and whom
// each represents: the tabs "SOGG. COINVOLTI" and "Rappresentanti". Changes stay in memory and
// are written with the case, inside its save's transaction.

#include <QList>
#include <QVariant>
#include <QVector>

#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"

namespace tolmo::parties {

/// The columns of the subject table both grids show.
enum SubjectColumn {
    kSogId = 0,           ///< R_PraQualifiche.ID; empty for a row added since the case was loaded
    kSogNome,             ///< Cognome + " " + Nome
    kSogQualifica,        ///< the qualification's text
    kSogIdAna,            ///< the subject's party id
    kSogIdQual,           ///< the qualification's id
    kSogRappresentato,    ///< the represented subject's name
    kSogIdRappresentato,  ///< the represented subject's party id
    kSogColonne
};

struct SubjectFields {
    explicit SubjectFields(form::Form& form) : f(&form) {}
    form::Form* f;
    core::Control fraSoggetti{f, QStringLiteral("fraSoggetti"), core::ControlKind::Frame};
    /// The general party search. Columns: Cognome, Nome, ID_Ana.
    core::ListControl cmbSoggetto{f, QStringLiteral("cmbSoggetto"), core::ControlKind::ComboBox, 3};
    core::Control lblNomeSoggetto{f, QStringLiteral("lblNomeSoggetto"), core::ControlKind::Label};
    /// Columns: Qualifica, Id.
    core::ListControl cmbQualifiche{f, QStringLiteral("cmbQualifiche"), core::ControlKind::ComboBox, 2};
    core::Control cmdInserisci{f, QStringLiteral("cmdInserisci"), core::ControlKind::Button};
    core::Control cmdCancella{f, QStringLiteral("cmdCancella"), core::ControlKind::Button};
    core::Control cmdPulisciSoggetti{f, QStringLiteral("cmdPulisciSoggetti"), core::ControlKind::Button};
    core::Control cmdInfoSoggetti{f, QStringLiteral("cmdInfoSoggetti"), core::ControlKind::Button};
    core::Control cmdaggiungiAnag{f, QStringLiteral("cmdaggiungiAnag"), core::ControlKind::Button};
    core::Grid TDBGridSoggetti{f, QStringLiteral("TDBGridSoggetti"), kSogColonne};
    core::Control fraRappresentanti{f, QStringLiteral("fraRappresentanti"), core::ControlKind::Frame};
    core::Grid TDBGrigliaRapp{f, QStringLiteral("TDBGrigliaRapp"), kSogColonne};
    /// The subjects stored for the case. Columns: ID_Ana, Cognome Nome, IsFisicaGiuridica, code.
    core::ListControl DropDownRappresentati{f, QStringLiteral("DropDownRappresentati"),
                                            core::ControlKind::ListBox, 4};
    core::Control cmdPulisciRappresent{f, QStringLiteral("cmdPulisciRappresent"), core::ControlKind::Button};
};

class InvolvedSubjects : public core::CaseSection {
public:
    InvolvedSubjects(core::ComponentServices& services, core::PraticaForm& form);

    SubjectFields fields;

    /// Fills the qualification list from TabQualifiche.
    void CaricaQualifiche();
    /// With a case id: the subjects of that case, read on `conn`; with 0: the chosen subject
    /// and qualification appended.
    void CaricaSoggetti(int caseId, const ConnectionPtr& conn = nullptr);
    /// Writes the subject table to R_PraQualifiche on `conn` (inside the case save).
    void SalvaSoggetti(const ConnectionPtr& conn, int caseId, bool modifica);
    /// The picker and the qualification list lose their choice; remove is disabled.
    void AzzeraSelezioneSoggetto();
    /// Fills the represented-subject drop-down with the subjects stored for the case.
    void CaricaRappresentati();
    /// Refills the picker from the register and selects party `id` in it (false when absent).
    bool selezionaSoggetto(int id);

    int idSoggetto() const { return m_idSoggetto; }

    void clear() override;
    void newCase() override;
    void consult() override;
    /// Tab 7 opens the subjects for an edit and refills the subject list from the register
    /// (in consultation too); tab 8 opens the representatives.
    void tabChanged(int tab, short editState) override;
    void show(core::ShowContext& ctx) override;
    void save(core::SaveContext& ctx) override;
    void afterCommit(const core::SaveContext& ctx) override;
    void remove(core::DeleteContext& ctx) override;

private:
    void wire();
    void rilega();
    void abilitaInserisci();
    void selezionaRiga(int row);
    void cancellaRiga();
    void scegliRappresentato(int row);

    core::ComponentServices& m_services;
    QVector<QVector<QVariant>> m_tabella;
    QList<int> m_rimossi;                   ///< R_PraQualifiche ids removed since the case was loaded
    QList<std::pair<int, int>> m_idsNuovi;  ///< row, ID of the rows the save added
    int m_idSoggetto = 0;
    int m_idQualifica = 0;
};

}  // namespace tolmo::parties
