#pragma once
// dlgUffici ("Elenco degli uffici"): the judicial offices as a tree of regions, sites and
// offices, the tax offices grouped by site, and the offices of the latest cases. It hands the
// chosen office's code and description back through a clsIDToPrat.

#include "core/model/ComponentServices.h"
#include "form/Form.h"
#include "form/TreeView.h"
#include "links/ClsIDToPrat.h"

namespace tolmo::offices {

/// Images of the tree nodes: a closed branch, an open one, a leaf.
inline const QString kKeyPlus = QStringLiteral("keyPlus");
inline const QString kKeyMinus = QStringLiteral("keyMinus");
inline const QString kKeyDot = QStringLiteral("keyDot");

class DlgUffici : public form::Form {
public:
    enum Scheda { ElencoUffici = 0, UfficiTributari = 1, UfficiRecenti = 2 };
    /// The most offices the recent list shows.
    static constexpr int kMaxRecenti = 15;

    explicit DlgUffici(core::ComponentServices& services);

    /// Prepares an opening: every view starts empty and is filled when its tab is first shown.
    void SettaFormUffici(ConnectionPtr conn, clsIDToPrat* answer, int caseId);

    /// The description an office node gives: "TEXT REGION (SITE)" for a regional office,
    /// "TEXT di SITE" otherwise.
    static QString descrizioneUfficio(const QString& ufficio, const QString& sito, const QString& regione);

    form::TabStrip tsUffici{this, QStringLiteral("tsUffici"), 3};
    form::TreeView tvUffici{this, QStringLiteral("tvUffici")};
    form::TreeView tvUffTributari{this, QStringLiteral("tvUffTributari")};
    /// Columns: Ufficio, Data, the office's code (not shown).
    form::ListControl lvUfficiRecenti{this, QStringLiteral("lvUfficiRecenti"), form::ControlKind::ListBox, 3};
    form::Control lblAttendere{this, QStringLiteral("lblAttendere"), form::ControlKind::Label};
    form::Control cmdOk{this, QStringLiteral("cmdOk"), form::ControlKind::Button};
    form::Control cmdAnnulla{this, QStringLiteral("cmdAnnulla"), form::ControlKind::Button};
    form::Control cmdHelp{this, QStringLiteral("cmdHelp"), form::ControlKind::Button};

private:
    void attiva();
    void schedaScelta(int tab);
    void riempieAlbero();
    void riempieTributari();
    void riempieRecenti();
    /// Shows the wait, locks the tabs and runs `fill`; everything back as it was afterwards.
    void riempie(const QString& action, const std::function<void()>& fill);
    void nodoScelto(form::TreeView& tree, const QString& key, bool alterna);
    void recenteScelto(int row);
    void conferma();
    void azzeraScelta();

    core::ComponentServices& m_services;
    ConnectionPtr m_conn;
    clsIDToPrat* m_answer = nullptr;
    QString m_tipo;  ///< the kind of the selected node ("R", "C", "U"), empty for none
    QString m_descrizione;
    QString m_codice;
    int m_recenti = 0;
};

}  // namespace tolmo::offices
