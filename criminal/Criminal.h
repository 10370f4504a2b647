#pragma once
// The criminal side of a case, shown for a case of the 'PENALE' classifier: the authority
// beside the general data, and the criminal tab with the phase of the proceedings and the
// judicial data of each phase, kept in the case's PraPenale row.

#include <QDate>
#include <optional>

#include "AppealDeadline.h"
#include "CriminalFields.h"
#include "PhaseColumns.h"
#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"

namespace tolmo::criminal {

/// The message and the date an appeal-deadline computation hands to the agenda form.
struct Scadenza {
    QString messaggio;
    QDate data;  ///< kDataZero when none could be computed
};

/// Selects the first row of `list` whose column `column` starts with the number `value`; none
/// leaves the selection as it is.
void SelezionaRigaCombo(ListControl& list, int column, int value);

class Criminal : public core::CaseSection {
public:
    /// The phase of appeal in cmbFase.
    static constexpr int kFaseAppello = 4;

    Criminal(core::ComponentServices& services, core::PraticaForm& form);

    CriminalFields fields;

    /// The id of the classifier described 'PENALE', 0 when there is none. Throws DbError.
    int GetIdPenale();
    /// Fills the phase list from PraPenaleFasi; errors are reported with "Caricamento Fasi Penali".
    void CaricaFasiPenale();
    /// The phase shown: chosen by the person or read with the case; 0 when none.
    int faseCorrente() const { return m_faseCorrente; }
    /// Arranges the tab for phase `n` (1 to 5; any other phase changes nothing).
    void SettaFase(int n);
    /// Fills the tab from the case's row joined with its criminal row.
    void VisualizzaDatiPenale(Recordset& row);
    /// Gives the phase court lists the court of the case's authority.
    void SettaAutoritaFase();
    /// Empties every field bound to the criminal row.
    void PulisciDatiPenale();
    /// The appeal deadline of phase `n` (2, 3 or 4) from the fields as they stand, with the
    /// message that goes with it. Reads the firm's suspension span.
    Scadenza scadenzaImpugnazione(int n);
    /// The firm's summer suspension of terms (ConfigGenerale.SospensioneFeriale); the long span
    /// when it is not set or not readable.
    Sospensione sospensione();
    /// Hides the criminal tab, moving to the general tab when it was the one shown.
    void nascondiScheda();
    /// Withdraws the criminal side from the form: the authority list and the criminal tab.
    void ritira();

    void start() override { CaricaFasiPenale(); }
    void clear() override;
    void beginEdit() override { abilita(true); }
    void consult() override { abilita(false); }
    void classifierChosen(const core::Classifier& classifier) override;
    void show(core::ShowContext& ctx) override;
    std::optional<core::Refusal> validate() override;
    void writeRow(core::SaveContext& ctx) override;
    void save(core::SaveContext& ctx) override;
    void remove(core::DeleteContext& ctx) override;

private:
    /// The deposit fields of one of phases 2, 3 and 4.
    struct Sentenza {
        ListControl* deposito;
        Control* data;
        Control* depositoMotivazione;
        Control* termine;
        Control* etichettaTermine;
        Control* notifica;
    };
    Sentenza sentenza(int n);
    void attach();
    void attachSentenza(int n);
    void abilita(bool on);
    void mostraAutorita(bool shown);
    void mostraFrame(int n);
    void copiaRegistro(Control& campo);
    void mostraGiudice(bool shown);
    void sceltaRito();
    void sceltaDeposito(int n);
    void calcola(int n);
    /// SalvaDatiPenale: the criminal row of the case written inside the save's transaction.
    void SalvaDatiPenale(core::SaveContext& ctx);

    core::ComponentServices& m_services;
    core::PraticaForm& m_form;
    QList<Colonna> m_colonne;
    int m_faseCorrente = 0;
    QString m_numRGNotDiReato;  ///< as the case was read
    bool m_riempiendo = false;  ///< while the tab is filled or emptied
};

}  // namespace tolmo::criminal
