#pragma once
// The party editor (TolmoAnag1) and the form that hosts it (frmAggiungiAnag): a new party
// inserted on the spot without leaving the case, or a party of the register modified. The tax
// code and the VAT number are checked as they are typed; one that does not check is flagged,
// and can still be saved once the person confirms it.

#include <QVariantMap>

#include "core/model/ComponentServices.h"
#include "form/Form.h"

namespace tolmo::parties {

using form::Control;
using form::ControlKind;

/// The editor's fields, registered in the form that hosts it.
struct TolmoAnag {
    explicit TolmoAnag(form::Form& host) : f(&host) {}
    form::Form* f;
    /// 0 natural person, 1 company.
    form::OptionGroup optTipo{f, QStringLiteral("optTipo"), 2};
    Control txtCognome{f, QStringLiteral("txtCognome"), ControlKind::TextBox};
    Control txtNome{f, QStringLiteral("txtNome"), ControlKind::TextBox};
    /// 0 male, 1 female.
    form::OptionGroup optSesso{f, QStringLiteral("optSesso"), 2};
    Control txtDataNascita{f, QStringLiteral("txtDataNascita"), ControlKind::TextBox};
    Control txtLuogoNascita{f, QStringLiteral("txtLuogoNascita"), ControlKind::TextBox};
    Control txtCodiceFiscale{f, QStringLiteral("txtCodiceFiscale"), ControlKind::TextBox};
    Control lblEsitoCodiceFiscale{f, QStringLiteral("lblEsitoCodiceFiscale"), ControlKind::Label};
    Control cmdDaCodiceFiscale{f, QStringLiteral("cmdDaCodiceFiscale"), ControlKind::Button};
    Control txtPartitaIva{f, QStringLiteral("txtPartitaIva"), ControlKind::TextBox};
    Control lblEsitoPartitaIva{f, QStringLiteral("lblEsitoPartitaIva"), ControlKind::Label};
    Control txtIndirizzoRes{f, QStringLiteral("txtIndirizzoRes"), ControlKind::TextBox};
    Control txtNumCivicoRes{f, QStringLiteral("txtNumCivicoRes"), ControlKind::TextBox};
    Control txtCapRes{f, QStringLiteral("txtCapRes"), ControlKind::TextBox};
    Control txtCittaRes{f, QStringLiteral("txtCittaRes"), ControlKind::TextBox};
    Control txtProvinciaRes{f, QStringLiteral("txtProvinciaRes"), ControlKind::TextBox};
    Control txtNumeroTel{f, QStringLiteral("txtNumeroTel"), ControlKind::TextBox};
    Control txtNumeroFax{f, QStringLiteral("txtNumeroFax"), ControlKind::TextBox};
    Control txtEmail{f, QStringLiteral("txtEmail"), ControlKind::TextBox};
    form::ListControl cmbCategoria{f, QStringLiteral("cmbCategoria"), ControlKind::ComboBox, 1};
};

class FrmAggiungiAnag : public form::Form {
public:
    explicit FrmAggiungiAnag(core::ComponentServices& services);

    TolmoAnag TolmoAnag1{*this};
    Control cmdConferma{this, QStringLiteral("cmdConferma"), ControlKind::Button};
    Control cmdAnnulla{this, QStringLiteral("cmdAnnulla"), ControlKind::Button};
    Control Label1{this, QStringLiteral("Label1"), ControlKind::Label};
    /// The party's e-mail while it is modified: a click writes the mail about the case.
    Control lblInfo2{this, QStringLiteral("lblInfo2"), ControlKind::Button};

    /// Opens the form for a new party (SettaADDAnagrafica with an object): once stored, the
    /// party's id is written into `target`'s Tag; cancelling leaves the Tag as it was.
    void nuova(form::Control& target, ConnectionPtr rw);
    /// Opens the form to modify the party described by `parte` (keys "ID", "ISFISICAGIURIDICA",
    /// "COGNOME", "NOME", "EMAIL", "OGGETTO", "BODY"). True when the changes were stored.
    bool modifica(const QVariantMap& parte, ConnectionPtr rw);

    /// The tax code and the VAT number as typed, checked: the flags the labels show.
    void verificaCodiceFiscale();
    void verificaPartitaIva();
    /// Birth date, sex and birthplace from a tax code that checks.
    void compilaDaCodiceFiscale();

private:
    void svuota();
    void carica(int id);
    void conferma();
    /// The warning on the tax identifiers that do not check; true when the person saves anyway.
    bool accettaAvvisi();

    core::ComponentServices& m_services;
    ConnectionPtr m_rw;
    form::Control* m_target = nullptr;
    int m_id = 0;
    bool m_registrata = false;
    QString m_oggetto, m_corpo;
};

}  // namespace tolmo::parties
