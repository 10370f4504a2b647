#include "CourtFee.h"

#include "FeeProposal.h"
#include "access/TolmoAccess.h"
#include "core/model/CaseValues.h"
#include "core/model/FieldRules.h"

namespace tolmo::fees {

namespace {
const QString kTipiContributo[] = {QStringLiteral("ES"), QStringLiteral("NV"), QStringLiteral("VE")};
constexpr int kOpzioniContributo = 3;
}  // namespace

QString codiceContributo(int option) {
    return option >= 0 && option < kOpzioniContributo ? kTipiContributo[option] : QString();
}

int opzioneContributo(const QString& codice) {
    for (int i = 0; i < kOpzioniContributo; ++i)
        if (codice == kTipiContributo[i]) return i;
    return -1;
}

CourtFee::CourtFee(core::ComponentServices& services, core::PraticaForm& form)
    : fields(form), calcolatore(services), estremi(services), m_services(services), m_form(form) {
    core::comeImporto(fields.mskImportoContributo);
    fields.chkDebito.setCaption(QStringLiteral("a debito"));
    fields.cmdCalcola.setToolTip(QStringLiteral("Calcola Importo del Contributo Unificato"));
    fields.optCU.on(form::EventKind::Click, [this](form::ControlEvent& e) { mostraVista(e.index); });
    fields.optContributo.on(form::EventKind::Click, [this](form::ControlEvent& e) { sceltoTipo(e.index); });
    fields.cmdCalcola.on(form::EventKind::Click, [this](form::ControlEvent&) { calcola(); });
    fields.cmdEstremi.on(form::EventKind::Click, [this](form::ControlEvent&) { mostraEstremi(); });
}

// "C. U." and "Note" share one area of the form.
void CourtFee::mostraVista(int vista) {
    const bool contributo = vista == 0;
    fields.FraContributo_2.setVisible(contributo);
    fields.cmdEstremi.setVisible(contributo);
    m_form.txtNOTE.setVisible(!contributo);
}

void CourtFee::mostraNote() {
    fields.optCU.setIndex(1);
    mostraVista(1);
}

// The notes take the court fee's place until a case says otherwise.
void CourtFee::clear() {
    fields.mskImportoContributo.setText(QString());
    mostraNote();
    fields.optContributo.setIndex(-1);
    applicaTipo(-1);
    fields.chkDebito.setChecked(false);
}

// A criminal case has no court fee: the notes take its place. Any other classifier offers the
// choice between the two views. The type's effect on the fields is applied again even when the
// stored type is the one already selected.
void CourtFee::show(core::ShowContext& ctx) {
    Recordset& rs = ctx.row;
    const int tipo = opzioneContributo(rs.text(QStringLiteral("TipoContributo")));
    // Selecting an option applies it (the filling flag is up, so nothing is asked); the same
    // option, or none, selects nothing new and is applied here.
    if (tipo < 0 || tipo == fields.optContributo.index()) applicaTipo(tipo);
    fields.optContributo.setIndex(tipo);
    fields.mskImportoContributo.setAmount(core::importoMemorizzato(rs, QStringLiteral("ImportoContributo")));
    fields.chkDebito.setChecked(rs.value(QStringLiteral("A_Debito")).toBool());
    if (ctx.classifier.id <= 1) return;
    if (ctx.classifier.penale) {
        mostraNote();
        fields.optCU.setVisible(false);
    } else {
        fields.optCU.setVisible(true);
    }
}

// An amount that is no number refuses the save with the field's name, like the case's value.
void CourtFee::writeRow(core::SaveContext& ctx) {
    Recordset& rs = ctx.row;
    const QString contributo = codiceContributo(fields.optContributo.index());
    if (!contributo.isEmpty()) rs.setValue(QStringLiteral("TipoContributo"), contributo);
    const bool conImporto = !fields.mskImportoContributo.text().trimmed().isEmpty();
    rs.setValue(
        QStringLiteral("ImportoContributo"),
        conImporto ? QVariant::fromValue(core::importoDigitato(fields.mskImportoContributo)) : QVariant());
    rs.setValue(QStringLiteral("A_Debito"), fields.chkDebito.checked());
}

void CourtFee::sceltoTipo(int tipo) {
    if ((tipo == kEsente || tipo == kNonVersato) && !m_services.filling() && !pagamentiRinunciati()) {
        fields.optContributo.setIndex(kVersato);  // applies "Versato" again
        return;
    }
    applicaTipo(tipo);
}

// Payments exist only under "Versato". Their deletion is immediate: it is not part of the
// case's save, and cancelling the edit does not bring them back.
bool CourtFee::pagamentiRinunciati() {
    const QString caso = QString::number(m_services.currentId());
    bool rinunciati = false;
    m_services.trap(QStringLiteral("Cambio Tipo Contributo"), [&] {
        bool esistono = false;
        {
            AccessoDati pagamenti;
            pagamenti.Apri(m_services.connReadWrite(),
                           QStringLiteral("Select * from EstremiPagamento where R_Id_Pratica = ") + caso,
                           adLockReadOnly);
            esistono = !pagamenti.recordset().Eof();
        }
        if (esistono && m_services.ui().messageBox(
                            QStringLiteral("Cambiando il tipo di contributo verranno eliminati i pagamenti "
                                           "registrati.\n\nContinuare ?"),
                            QStringLiteral("Estremi Pagamento"), form::MsgButtons::YesNo,
                            form::MsgIcon::Question) != form::MsgAnswer::Yes)
            return;
        if (esistono)
            m_services.connReadWrite()->Execute(
                QStringLiteral("DELETE FROM EstremiPagamento WHERE R_Id_Pratica = ") + caso);
        rinunciati = true;
    });
    return rinunciati;
}

// "Esente" fixes the amount at nothing; payments are recorded only under "Versato"; only an
// unpaid fee can be booked as owed. With no type chosen the amount and the calculation are
// open and nothing else is.
void CourtFee::applicaTipo(int tipo) {
    CourtFeeFields& f = fields;
    if (tipo == kEsente) f.mskImportoContributo.setAmount(Currency());
    core::EnableControl(f.mskImportoContributo, tipo != kEsente);
    core::EnableControl(f.cmdEstremi, tipo == kVersato);
    core::EnableControl(f.cmdCalcola, tipo != kEsente);
    if (tipo >= 0) f.chkDebito.setChecked(false);
    core::EnableControl(f.chkDebito, tipo == kNonVersato);
}

void CourtFee::calcola() {
    FrmCalcolaCU& c = calcolatore;
    c.ValoreCalcolo = m_form.TEDDenaroValore.amount().value_or(Currency());
    const Proposta proposta =
        propostaContributo(core::codiceCompatto(m_form.cmbCodOggetto.text()), c.ValoreCalcolo);
    c.ImportoProposto = proposta.importo;
    c.Dimezzato = proposta.dimezzato;
    c.SettaFormCU(m_services.connReadWrite());
    c.mostra();
    fields.mskImportoContributo.setAmount(c.ValoreCalcolo);
}

void CourtFee::mostraEstremi() {
    estremi.SettaFormEstremiPag(m_services.connReadWrite(), m_services.currentId());
    estremi.bIsModifica = m_services.editState() == 2;
    estremi.mostra();
}

}  // namespace tolmo::fees
