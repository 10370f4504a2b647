#pragma once
// dlgPratCollegate ("Pratiche collegate"): the other cases of the current case's group, the
// ungrouped cases that can join it, and the moves that link, unlink and open them. Every case of
// a group carries the group's key in Pratica.R_IdCollegamento (0: not linked).

#include "ClsIDToPrat.h"
#include "core/model/Clash.h"
#include "core/model/ComponentServices.h"
#include "form/Form.h"

namespace tolmo::links {

/// The texts a row of the candidate list or of the grid shows, computed alike on both engines.
struct TestiPratica {
    /// "Cognome Nome" of a party, the first name left out when there is none.
    static QString nomeParte(const QString& cognome, const QString& nome);
    /// The counterparty of a case: the one typed by hand when the case names the placeholder
    /// party (1), else the registered one.
    static QString controparte(int idControparte, const QString& digitata, const QString& registrata);
    /// The text without its leading blanks.
    static QString ltrim(const QString& testo);
};

class DlgPratCollegate : public form::Form {
public:
    explicit DlgPratCollegate(core::ComponentServices& services);

    /// Prepares the dialog for case `caseId`: its group, the grid, the candidates.
    void SettaFormPraticheCollegate(ConnectionPtr conn, int caseId, clsIDToPrat* answer);
    /// Fills the candidate list: every ungrouped case but this one, by position, a page at a time.
    void FillCmbPosizioni();
    /// Fills the grid with the other cases of the group.
    void caricaGriglia();
    /// Links the chosen candidate and the current case under the group key.
    void collega();
    /// Takes the selected linked case out of the group; re-keys or dissolves what remains.
    void eliminaCollegamento();
    /// What to ask when the group changed elsewhere; `sopra` becomes true when the person
    /// writes all the same.
    core::SeCambiato seCambiato(bool& sopra);

    /// Columns: Posizione, Cliente, Controparte, Oggetto, Pra.
    form::ListControl cmbPosizione{this, QStringLiteral("cmbPosizione"), form::ControlKind::ComboBox, 5};
    form::Control lblPratica{this, QStringLiteral("lblPratica"), form::ControlKind::Label};
    /// Columns: id_pratica, Posizione, Num.Reg.Generale, Cliente, Controparte, Oggetto.
    form::Grid GrigliaImport{this, QStringLiteral("GrigliaImport"), 6};
    form::Control cmdCollega{this, QStringLiteral("cmdCollega"), form::ControlKind::Button};
    form::Control cmdElimina{this, QStringLiteral("cmdElimina"), form::ControlKind::Button};
    form::Control cmdChiudi{this, QStringLiteral("cmdChiudi"), form::ControlKind::Button};

private:
    void scegliCandidato(int row);
    void selezionaRiga(int row);
    void apriRiga(int row);

    core::ComponentServices& m_services;
    ConnectionPtr m_conn;
    clsIDToPrat* m_answer = nullptr;
    int m_caseId = 0;
    int m_chiave = 0;
    int m_chiaveLetta = 0;  ///< the case's stored group key when the dialog read it (0: no group)
    int m_candidato = 0;
    int m_selezionata = 0;
};

}  // namespace tolmo::links
