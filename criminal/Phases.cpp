// How the criminal tab is arranged for a phase, filled from a case, and how its fields react.

#include <QScopedValueRollback>

#include "Criminal.h"
#include "FrmFisGiudice.h"
#include "FrmInsertImpugnazione.h"
#include "core/model/CaseHeader.h"
#include "core/model/CaseValues.h"
#include "core/model/DateField.h"
#include "core/model/ListFill.h"

namespace tolmo::criminal {

namespace {

using form::ControlEvent;
using form::EventKind;

const QStringList kModelli = {QStringLiteral("21"), QStringLiteral("21bis"), QStringLiteral("44"),
                              QStringLiteral("45")};
const QStringList kRiti = {QString(), QStringLiteral("Patteggiamento"), QStringLiteral("Rito Abbreviato")};
const QStringList kTipiSentenza = {QStringLiteral("Rinvio"), QStringLiteral("Senza Rinvio")};
const QStringList kDepositi = {kContestuale, kOrdinario, kFissatoDalGiudice};
const QStringList kCorti = {
    QStringLiteral("Tribunale Monocratico"),
    QStringLiteral("Tribunale Collegiale"),
    QStringLiteral("Corte di Assise"),
    QStringLiteral("Giudice di Pace"),
    QStringLiteral("Tribunale Minori"),
    QStringLiteral("Tribunale Militare"),
    QStringLiteral("Corte d'Appello"),
    QStringLiteral("Corte costituz. e cassaz."),
    QStringLiteral("Gip e Gup"),
};
const QString kCrLf = QStringLiteral("\r\n");

/// The phase court of the case's authority; "" for none (and for "Gip e Gup").
QString cortePerAutorita(const QString& autorita) {
    static const QList<std::pair<QString, QString>> table = {
        {QStringLiteral("Giudice di pace"), QStringLiteral("Giudice di Pace")},
        {QStringLiteral("Tribunale in comp. monocratica"), QStringLiteral("Tribunale Monocratico")},
        {QStringLiteral("Tribunale in comp. collegiale"), QStringLiteral("Tribunale Collegiale")},
        {QStringLiteral("Corte d'Assise e d'Assise d'Appello"), QStringLiteral("Corte di Assise")},
        {QStringLiteral("Corte d'Appello"), QStringLiteral("Corte d'Appello")},
        {QStringLiteral("Corte Costituzionale e Cassazione"), QStringLiteral("Corte costituz. e cassaz.")},
    };
    for (const auto& [from, to] : table)
        if (from == autorita) return to;
    return {};
}

/// A fixed list rebuilt each time it opens, keeping the text it shows.
void listaFissa(ListControl& list, const QStringList& rows) {
    list.on(EventKind::DropDown, [&list, rows](ControlEvent&) {
        const QString shown = list.text();
        list.setRows(rows);
        list.setText(shown);
    });
}

/// The leading whole number of a text: "3 Dibattimento" gives 3.
int numeroIniziale(const QString& text) { return static_cast<int>(core::numeroIniziale(text.trimmed())); }

QDate dataDi(const Control& campo) { return core::dataDelCampo(campo.text()); }

}  // namespace

void SelezionaRigaCombo(ListControl& list, int column, int value) {
    for (int r = 0; r < list.rowCount(); ++r) {
        if (numeroIniziale(list.cell(r, column)) == value) {
            list.setSelectedRow(r);
            return;
        }
    }
}

Criminal::Sentenza Criminal::sentenza(int n) {
    CriminalFields& f = fields;
    if (n == 2)
        return {&f.fpDepMotUdi,    &f.fdDatSenUdi,     &f.fdDepMotUdi,
                &f.fdTerDepMotUdi, &f.lblTerDepMotUdi, &f.fdNotDepMotUdi};
    if (n == 3)
        return {&f.cmbDepMotDib, &f.fdDatSenDib,  &f.fdDepMot,
                &f.fdTerDepMot,  &f.lblTerDepMot, &f.fdNotDepMot};
    return {&f.cmbDepMot4, &f.fdDatSen4, &f.fdDatDep4, &f.fdTerDepMot4, &f.lblTerDepMot4, &f.fdNotDepMot4};
}

void Criminal::attach() {
    CriminalFields& f = fields;
    f.cmbFase.on(EventKind::Choose, [this](ControlEvent& e) {
        m_faseCorrente = numeroIniziale(fields.cmbFase.cell(e.row, 0));
        fields.cmbFase.setText(fields.cmbFase.cell(e.row, 1));
        SettaFase(m_faseCorrente);
    });
    f.cmbAutorita.on(EventKind::Change, [this](ControlEvent&) {
        if (!m_services.filling()) SettaAutoritaFase();
    });
    f.cmbAutGiuDib.on(EventKind::Choose, [this](ControlEvent&) {
        const QString corte = fields.cmbAutGiuDib.text().toUpper();
        mostraGiudice(corte == QStringLiteral("TRIBUNALE MONOCRATICO") ||
                      corte == QStringLiteral("GIUDICE DI PACE"));
    });
    for (ListControl* corti : {&f.cmbAutGiuDib, &f.cmbAut4}) listaFissa(*corti, kCorti);
    listaFissa(f.cmbModRegRea, kModelli);
    listaFissa(f.fpRitAlt, kRiti);
    listaFissa(f.cmbTipSen, kTipiSentenza);
    f.fpRitAlt.on(EventKind::Choose, [this](ControlEvent&) { sceltaRito(); });
    f.optEsito.on(EventKind::Click, [this](ControlEvent& e) {
        if (e.index == 0) fields.fraSentUdiPre.setVisible(!fields.fpRitAlt.text().trimmed().isEmpty());
        if (e.index == 1 && m_faseCorrente == 2) fields.fraSentUdiPre.setVisible(true);
    });
    for (int n = 2; n <= 4; ++n) attachSentenza(n);
    const QString avviso =
        QStringLiteral("Il campo 'data notifica deposito sentenza' interviene nel calcolo della scadenza") +
        kCrLf +
        QStringLiteral(
            "per la presentazione delle impugnazioni, come meglio documentato nel manuale d’uso;") +
        kCrLf +
        QStringLiteral(
            "si consiglia, pertanto, di inserire la relativa data unicamente in caso di notifica ") +
        kCrLf + QStringLiteral("al contumace o di deposito della sentenza fuori del termine previsto. ");
    for (Control* info : {&f.cmdInfo, &f.cmdInfoDib, &f.cmdInfoApp}) {
        info->on(EventKind::Click, [this, avviso](ControlEvent&) {
            m_services.ui().messageBox(avviso, QStringLiteral("ATTENZIONE..."), form::MsgButtons::OK,
                                       form::MsgIcon::Information);
            m_services.raiseSetDummy();
        });
    }
}

void Criminal::attachSentenza(int n) {
    const Sentenza s = sentenza(n);
    listaFissa(*s.deposito, kDepositi);
    s.deposito->on(EventKind::Choose, [this, n](ControlEvent&) { sceltaDeposito(n); });
    // Another sentence date asks for its deposit again.
    s.data->on(EventKind::Change, [this, s](ControlEvent&) {
        if (m_riempiendo || m_services.filling()) return;
        s.deposito->setSelectedRow(-1);
        s.deposito->setText(QString());
        s.termine->setText(QString());
    });
    Control* calcolo = n == 2   ? &fields.cmdCalScadImp2
                       : n == 3 ? &fields.cmdCalScadImp3
                                : &fields.cmdCalScadImp4;
    calcolo->on(EventKind::Click, [this, n](ControlEvent&) { calcola(n); });
}

void Criminal::mostraFrame(int n) {
    fields.fraIndPre.setVisible(n == 1 || n == 2);
    fields.fraDibatt.setVisible(n == 3);
    fields.fraAppello.setVisible(n == 4);
    fields.fraCassaz.setVisible(n == 5);
}

// The register number read with the case, while it is not a new one.
void Criminal::copiaRegistro(Control& campo) {
    if (m_services.editState() != 3 && m_services.header().isPenale()) campo.setText(m_numRGNotDiReato);
}

void Criminal::mostraGiudice(bool shown) {
    fields.txtLblGiuDib.setVisible(shown);
    fields.lblGiuDib.setVisible(shown);
}

void Criminal::SettaFase(int n) {
    if (n < 1 || n > 5) return;
    CriminalFields& f = fields;
    mostraFrame(n);
    if (n == 1 || n == 2) {
        const bool prima = n == 1;
        f.lblGip.setVisible(prima);
        f.txtGip0.setVisible(prima);
        f.lblGup.setVisible(!prima);
        f.txtGip1.setVisible(!prima);
        copiaRegistro(f.txtnRg);
        f.cmbModRegRea.setVisible(prima);
        f.lblModRg.setVisible(prima);
        if (prima) {
            f.fraSentUdiPre.setVisible(false);
        } else {
            f.fraSentUdiPre.setVisible(!f.fpRitAlt.text().isEmpty() || f.optEsito.index() != 0);
            f.optEsito.setIndex(0);
        }
        for (Control* c : {&f.lblRitAlt, static_cast<Control*>(&f.fpRitAlt),
                           static_cast<Control*>(&f.optEsito), &f.lblEsi})
            c->setVisible(!prima);
        f.cmdCalScadImp2.setVisible(!prima);
        f.lblAvviso.setVisible(prima);
        f.fdAvvChius.setVisible(prima);
    } else if (n == 3) {
        f.lblProGen.setVisible(false);
        f.lblPm3.setVisible(true);
        mostraGiudice(false);
        f.lblnRgDibatt.setCaption(QStringLiteral("n° R.G. Dibattimento"));
        copiaRegistro(f.txtNrgReDibat);
        if (m_services.editState() != 3 && !f.txtLblGiuDib.text().isEmpty()) mostraGiudice(true);
        SettaAutoritaFase();
    } else if (n == 4) {
        f.lblProGen.setVisible(true);
        f.lblPm3.setVisible(false);
        mostraGiudice(false);
        copiaRegistro(f.txtnRegRea4);
        SettaAutoritaFase();
    } else {
        copiaRegistro(f.txtNrgCass);
        m_form.txtUfficioIscrizione.setText(QStringLiteral("CASSAZIONE"));
    }
}

void Criminal::SettaAutoritaFase() {
    const QString corte = cortePerAutorita(fields.cmbAutorita.text());
    if (corte.isEmpty()) {
        fields.cmbAut4.setText(QString());
        fields.cmbAutGiuDib.setText(QString());
        return;
    }
    ListControl* list = m_faseCorrente == 3   ? &fields.cmbAutGiuDib
                        : m_faseCorrente == 4 ? &fields.cmbAut4
                                              : nullptr;
    if (!list) return;
    list->setRows(kCorti);  // CaricaAutoritaGiudiziarie
    core::SelezionaInLista(0, corte, 0, *list);
}

void Criminal::VisualizzaDatiPenale(Recordset& row) {
    const QScopedValueRollback<bool> filling(m_riempiendo, true);
    CriminalFields& f = fields;
    const int n = row.value(QStringLiteral("ID_Fase")).toInt();
    if (n >= 1 && n <= 5) mostraFrame(n);
    CaricaFasiPenale();
    SelezionaRigaCombo(f.cmbFase, 0, n);
    if (f.cmbFase.selectedRow() >= 0) f.cmbFase.setText(f.cmbFase.selectedCell(1));  // the phase's name
    m_faseCorrente = n;
    m_numRGNotDiReato = row.text(QStringLiteral("NumRGNotDiReato"));
    if (n == 1 || n == 2) {
        const bool prima = n == 1;
        for (Control* c :
             {&f.lblGip, &f.txtGip0, &f.lblModRg, static_cast<Control*>(&f.cmbModRegRea), &f.lblAvviso})
            c->setVisible(prima);
        f.lblGup.setVisible(!prima);
        f.txtGip1.setVisible(!prima);
        f.cmdCalScadImp2.setVisible(!prima);
    } else if (n == 3) {
        f.lblProGen.setVisible(false);
        f.lblPm3.setVisible(true);
        mostraGiudice(true);
    }
    f.fdAvvChius.setVisible(n == 1);
    riempieCampi(m_colonne, row);
    for (int p = 2; p <= 4; ++p) {
        const Sentenza s = sentenza(p);
        const bool termine =
            row.text(QStringLiteral("DepositoMotivazione_") + QString::number(p)) != kContestuale;
        s.termine->setVisible(termine);
        s.etichettaTermine->setVisible(termine);
    }
    f.optEsito.setIndex(row.text(QStringLiteral("Esito_2")) == QStringLiteral("O") ? 0 : 1);
    const QString corte = row.text(QStringLiteral("AutoritaGiudiziaria_3"));
    mostraGiudice(corte == QStringLiteral("Giudice di Pace") ||
                  corte == QStringLiteral("Tribunale Monocratico"));
}

void Criminal::sceltaRito() {
    CriminalFields& f = fields;
    f.fpDepMotUdi.setText(QString());
    f.fdTerDepMotUdi.setText(QString());
    if (!f.fpRitAlt.text().isEmpty()) {
        f.fraSentUdiPre.setVisible(true);
        f.optEsito.setIndex(1);
        f.optEsito.setEnabled(false);
    } else {
        f.optEsito.setEnabled(true);
        f.fraSentUdiPre.setVisible(f.optEsito.index() != 0);
    }
}

// The term of the deposit proposed from the sentence date; "Contestuale" deposits with the
// sentence and needs no term.
void Criminal::sceltaDeposito(int n) {
    const Sentenza s = sentenza(n);
    const QString kind = s.deposito->text();
    const QDate data = dataDi(*s.data);
    if (kind == kContestuale) {
        if (data.isValid()) s.depositoMotivazione->setText(data.toString(QStringLiteral("dd/MM/yyyy")));
        s.termine->setVisible(false);
        s.etichettaTermine->setVisible(false);
        return;
    }
    s.termine->setVisible(true);
    s.etichettaTermine->setVisible(true);
    if (!data.isValid()) return;
    if (kind == kOrdinario) {
        const int giorni = n == 2 && fields.fpRitAlt.text().isEmpty() ? 30 : 15;
        s.termine->setText(data.addDays(giorni).toString(QStringLiteral("dd/MM/yyyy")));
        return;
    }
    FrmFisGiudice giudice(m_services.ui());
    m_services.ui().showModal(giudice);
    if (giudice.giorni() != 0)
        s.termine->setText(data.addDays(giudice.giorni()).toString(QStringLiteral("dd/MM/yyyy")));
    m_services.raiseSetDummy();
    m_form.SSTabPratica.setFocus();
}

Scadenza Criminal::scadenzaImpugnazione(int n) {
    const Sentenza s = sentenza(n);
    if (n == 2 && s.deposito->text() != kContestuale &&
        fields.fpRitAlt.text() == QStringLiteral("Patteggiamento"))
        return {QStringLiteral("Non  è  possibile  calcolare la data ") + kCrLf +
                    QStringLiteral("scadenza impugnazione causa diversi ") + kCrLf +
                    QStringLiteral("orientamenti degli uffici giudiziari. ") + kCrLf,
                kDataZero};
    const DatiSentenza dati{s.deposito->text(), dataDi(*s.data), dataDi(*s.depositoMotivazione),
                            dataDi(*s.termine), dataDi(*s.notifica)};
    const QDate r = CalcolaScadenzaImpugnazione(dati, sospensione());
    if (r <= kDataZero)
        return {QStringLiteral("Non è possibile procedere al calcolo della data scadenza impugnazione") +
                    kCrLf + QStringLiteral("verificare i dati relativi alla sentenza "),
                r};
    return {QStringLiteral("La data scadenza impugnazione calcolata é : ") + kCrLf + kCrLf +
                r.toString(QStringLiteral("dd/MM/yyyy")),
            r};
}

// The agenda form opens whatever the outcome: the person may still type a date there.
void Criminal::calcola(int n) {
    const Scadenza scadenza = scadenzaImpugnazione(n);
    FrmInsertImpugnazione agenda(m_services);
    agenda.SettaFormImpugnazione(scadenza.messaggio, scadenza.data, m_services.connReadWrite(),
                                 m_services.currentId(), m_services.editState());
    if (n == 3) m_services.raiseSetDummy();
}

}  // namespace tolmo::criminal
