#pragma once
// The people of the firm on a case (tab "Riferimenti"): the accounting owner, the referent, the
// responsible user and the procurer, the web export, and who may see a reserved case.

#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"

namespace tolmo::extras {

using core::ControlKind;

struct ReferenceFields {
    explicit ReferenceFields(form::Form& form) : f(&form) {}
    form::Form* f;
    core::Control frameRiferimenti{f, QStringLiteral("frameRiferimenti"), ControlKind::Frame};
    /// Columns: NomeUtente, Id_Utente (the first row blank: no owner).
    core::ListControl cmbContabilita{f, QStringLiteral("cmbContabilita"), ControlKind::ComboBox, 2};
    core::ListControl cmbReferente{f, QStringLiteral("cmbReferente"), ControlKind::ComboBox, 2};
    /// Columns: name, user id or group, "UTENTE" or "GRUPPO".
    core::ListControl cmbRiservata{f, QStringLiteral("cmbRiservata"), ControlKind::ComboBox, 3};
    core::Control frameResponsabile{f, QStringLiteral("frameResponsabile"), ControlKind::Frame};
    core::ListControl cmbResponsabile{f, QStringLiteral("cmbResponsabile"), ControlKind::ComboBox, 2};
    core::Control FrameProcacciatore{f, QStringLiteral("FrameProcacciatore"), ControlKind::Frame};
    /// Columns: Cognome, Nome, ID_Ana.
    core::ListControl cmbProcacciatore{f, QStringLiteral("cmbProcacciatore"), ControlKind::ComboBox, 3};
    core::Control FrameWeb{f, QStringLiteral("FrameWeb"), ControlKind::Frame};
    core::CheckBox chkWeb{f, QStringLiteral("chkWeb")};
};

class References : public core::CaseSection {
public:
    References(core::ComponentServices& services, core::PraticaForm& form);

    ReferenceFields fields;

    /// Fills the accounting-owner, referent, responsible and reserved-visibility lists for user
    /// `idUt`, whose row is preselected among the owners; false when nothing was filled.
    bool SettaContabilita(int idUt);
    /// Lists the accounting owners of the firm-wide archive and opens the three reference frames.
    void SbloccaRiferimentiStorico();
    /// Fills cmbProcacciatore with every procurer of the register (once, at start).
    void CaricaProcacciatori();

    /// The accounting owner held for the case (a user id, 0 when none).
    int idContabilita() const { return m_idContab; }
    /// The reserved-visibility choice: a user id (-1 for none) and a group name.
    int riservataUtente() const { return m_riservataUtente; }
    const QString& riservataGruppo() const { return m_riservataGruppo; }

    /// The referent, responsible and procurer chosen are forgotten (a new edit begins).
    void resetSelezioni();

    void start() override { CaricaProcacciatori(); }
    /// A cleared form holds none of the previous case's people: referent, responsible,
    /// procurer and reserved visibility are emptied (the accounting owner stays).
    void clear() override;
    void consult() override;
    void tabChanged(int tab, short editState) override;
    void show(core::ShowContext& ctx) override;
    void writeRow(core::SaveContext& ctx) override;

private:
    // Referent, responsible user and procurer: the selection stored with the case and the one
    // chosen since, each an id as text ("" when none).
    struct Selezione {
        QString memorizzata, nuova;
    };
    enum SelezioneIndex { SelReferente, SelResponsabile, SelProcacciatore, SelCount };

    void attachSelezioni();
    /// The id the save writes for a selection: the new one for an insertion, the stored one otherwise.
    int idSelezione(SelezioneIndex which, bool nuova) const;
    /// A row of cmbRiservata chosen: a user or a group may see the case.
    void sceltaRiservata(int row);
    /// Fills cmbContabilita with the blank row and the accounting owners read on `conn`
    /// (with no owner the list stays empty unless `blankAlways`); the row of `preselect`
    /// (when not 0) is noted in `*found`.
    void riempieContabilita(ConnectionPtr conn, bool blankAlways, int preselect, int* found);
    void abilitaCornici(bool on);

    core::ComponentServices& m_services;
    core::PraticaForm& m_form;
    Selezione m_selezioni[SelCount];
    int m_idContab = 0;
    int m_utenteContabilita = 0;  // the user last passed to SettaContabilita
    int m_riservataUtente = -1;   // -1 when a group (or nothing) was chosen
    QString m_riservataGruppo;    // empty when a user (or nothing) was chosen
};

}  // namespace tolmo::extras
