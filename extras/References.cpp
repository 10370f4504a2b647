#include "References.h"

#include "core/model/CaseValues.h"
#include "core/model/ListFill.h"
#include "parties/PartyLookups.h"

namespace tolmo::extras {

namespace {

using form::ControlEvent;
using form::EventKind;

// The id column of the referent and responsible lists is column 1 (name, id); the procurer
// list shows surname, first name and id.
constexpr int kColonnaId[] = {1, 1, 2};

}  // namespace

References::References(core::ComponentServices& services, core::PraticaForm& form)
    : fields(form), m_services(services), m_form(form) {
    fields.cmbRiservata.on(EventKind::Choose, [this](ControlEvent& e) { sceltaRiservata(e.row); });
    // The accounting owner chosen is the one the case is saved with (the blank row: none).
    fields.cmbContabilita.on(EventKind::Choose, [this](ControlEvent& e) {
        m_idContab = fields.cmbContabilita.cell(e.row, 1).toInt();
    });
    attachSelezioni();
}

// The list is read with its field empty, whatever it shows: every procurer is offered.
void References::CaricaProcacciatori() {
    form::ListControl& list = fields.cmbProcacciatore;
    const QString shown = list.text();
    list.setText(QString());
    parties::riempieDaRegistro(m_services, list, parties::PartyLookups::queryProcacciatori(),
                               QStringLiteral("Caricamento Procacciatori"));
    while (list.canFetchMore()) list.fetchMore();  // a case's procurer is chosen among them all
    list.setText(shown);
}

void References::clear() {
    fields.chkWeb.setChecked(false);
    for (form::ListControl* list :
         {&fields.cmbReferente, &fields.cmbResponsabile, &fields.cmbProcacciatore, &fields.cmbRiservata}) {
        list->setSelectedRow(-1);
        list->setText(QString());
    }
    m_riservataUtente = -1;
    m_riservataGruppo.clear();
    resetSelezioni();
}

void References::riempieContabilita(ConnectionPtr conn, bool blankAlways, int preselect, int* found) {
    form::ListControl& list = fields.cmbContabilita;
    list.clear();
    AccessoDati dati;
    dati.Apri(conn,
              QStringLiteral(
                  "SELECT Id_Utente, NomeUtente FROM Utenti WHERE TitContabilita = TRUE ORDER BY NomeUtente"),
              adLockReadOnly);
    Recordset& rs = dati.recordset();
    if (rs.Eof() && !blankAlways) return;
    list.addRow(QStringList{QStringLiteral(" "), QStringLiteral("0")});
    for (; !rs.Eof(); rs.MoveNext()) {
        const int id = rs.value(QStringLiteral("Id_Utente")).toInt();
        if (found && preselect != 0 && id == preselect) *found = list.rowCount();
        list.addRow(QStringList{rs.text(QStringLiteral("NomeUtente")), QString::number(id)});
    }
    dati.Chiudi();
}

bool References::SettaContabilita(int idUt) {
    bool filled = false;
    form::BusyPointer busy(m_services.ui());
    m_services.trap(QStringLiteral("Caricamento Utenti titolari di Contabilita"), [&] {
        m_utenteContabilita = idUt;
        int noted = -1;
        riempieContabilita(m_services.connReadWrite(), false, idUt, &noted);
        form::ListControl& owners = fields.cmbContabilita;
        if (owners.rowCount() == 0) return;

        int chosen = noted;
        if (chosen < 0) chosen = owners.rowCount() > 2 ? 0 : 1;
        owners.setSelectedRow(chosen);
        if (chosen > 0) m_idContab = owners.cell(chosen, 1).toInt();

        form::ListControl* people[] = {&fields.cmbRiservata, &fields.cmbReferente, &fields.cmbResponsabile};
        for (form::ListControl* l : people) {
            l->clear();
            l->addRow(QString());
        }
        AccessoDati utenti;
        utenti.Apri(m_services.connReadWrite(),
                    QStringLiteral("SELECT Id_Utente, NomeUtente FROM Utenti ORDER BY NomeUtente"),
                    adLockReadOnly);
        for (Recordset& rs = utenti.recordset(); !rs.Eof(); rs.MoveNext()) {
            const QString nome = rs.text(QStringLiteral("NomeUtente")).toUpper();
            const QString id = rs.text(QStringLiteral("Id_Utente"));
            fields.cmbRiservata.addRow(QStringList{nome, id, QStringLiteral("UTENTE")});
            fields.cmbReferente.addRow(QStringList{nome, id});
            fields.cmbResponsabile.addRow(QStringList{nome, id});
        }
        utenti.Chiudi();

        AccessoDati gruppi;
        gruppi.Apri(m_services.connReadWrite(), QStringLiteral("SELECT * FROM Gruppi ORDER BY Gruppo"),
                    adLockReadOnly);
        for (Recordset& rs = gruppi.recordset(); !rs.Eof(); rs.MoveNext()) {
            const QString gruppo = rs.text(QStringLiteral("Gruppo"));
            if (gruppo.toUpper() == QStringLiteral("TUTTI")) continue;
            fields.cmbRiservata.addRow(QStringList{gruppo.toUpper(), gruppo, QStringLiteral("GRUPPO")});
        }
        gruppi.Chiudi();
        filled = true;
    });
    return filled;
}

void References::sceltaRiservata(int row) {
    const QString kind = fields.cmbRiservata.cell(row, 2).toUpper();
    if (kind == QStringLiteral("GRUPPO")) {
        m_riservataUtente = -1;
        m_riservataGruppo = fields.cmbRiservata.cell(row, 1);
    } else if (kind == QStringLiteral("UTENTE")) {
        m_riservataUtente = fields.cmbRiservata.cell(row, 1).toInt();
        m_riservataGruppo.clear();
    }
}

void References::SbloccaRiferimentiStorico() {
    m_services.trap(QStringLiteral("Caricamento Utenti titolari di Contabilita Tolmo Studio"),
                    [&] { riempieContabilita(m_services.connTolmo(), true, 0, nullptr); });
    // The tab first: selecting it in consultation disables its frames, which are unlocked here.
    m_form.SSTabPratica.setCurrent(core::TabRiferimenti);
    for (core::Control* c : {&fields.frameRiferimenti, &fields.frameResponsabile, &fields.FrameProcacciatore})
        c->setEnabled(true);
}

void References::attachSelezioni() {
    form::ListControl* lists[SelCount] = {&fields.cmbReferente, &fields.cmbResponsabile,
                                          &fields.cmbProcacciatore};
    for (int which = 0; which < SelCount; ++which) {
        form::ListControl* list = lists[which];
        list->on(EventKind::Choose, [this, list, which](ControlEvent& e) {
            Selezione& s = m_selezioni[which];
            s.nuova = list->cell(e.row, kColonnaId[which]);
            // While a stored case is modified the choice replaces the stored one, so the save
            // keeps what the person picked.
            if (m_services.editState() == 2) s.memorizzata = s.nuova;
        });
    }
}

void References::resetSelezioni() {
    for (Selezione& s : m_selezioni) s = {};
}

int References::idSelezione(SelezioneIndex which, bool nuova) const {
    const Selezione& s = m_selezioni[which];
    return (nuova ? s.nuova : s.memorizzata).toInt();
}

void References::abilitaCornici(bool on) {
    for (core::Control* c :
         {&fields.frameRiferimenti, &fields.FrameWeb, &fields.frameResponsabile, &fields.FrameProcacciatore})
        c->setEnabled(on);
}

void References::consult() { abilitaCornici(false); }

void References::tabChanged(int tab, short editState) {
    const bool editing = editState == 2 || editState == 3;
    abilitaCornici(tab == core::TabRiferimenti && editing);
    if (tab == core::TabRiferimenti && editing && fields.cmbContabilita.text().isEmpty())
        SettaContabilita(m_utenteContabilita);
}

// The people of the firm chosen for the case. A list holding no matching row keeps the
// selection it had.
void References::show(core::ShowContext& ctx) {
    Recordset& rs = ctx.row;
    m_idContab = rs.value(QStringLiteral("ID_Contab")).toInt();
    core::SelezionaInLista(1, QString::number(m_idContab), 0, fields.cmbContabilita);

    const QString ids[SelCount] = {rs.text(QStringLiteral("ID_Referente")),
                                   rs.text(QStringLiteral("ID_UtenteRiferimento")),
                                   rs.text(QStringLiteral("ID_UtenteProcacciatore"))};
    for (int which = 0; which < SelCount; ++which) m_selezioni[which].memorizzata = ids[which];
    core::SelezionaInLista(1, ids[SelReferente], 0, fields.cmbReferente);
    core::SelezionaInLista(1, ids[SelResponsabile], 0, fields.cmbResponsabile);
    core::SelezionaInLista(2, ids[SelProcacciatore], 0, fields.cmbProcacciatore);

    const int utente = rs.value(QStringLiteral("ID_Riservata")).toInt();
    const QString gruppo = rs.text(QStringLiteral("Fk_Gruppo"));
    form::ListControl& riservata = fields.cmbRiservata;
    const auto seleziona = [&](const QString& chiave, const QString& tipo) {
        for (int r = 0; r < riservata.rowCount(); ++r)
            if (riservata.cell(r, 1) == chiave && riservata.cell(r, 2) == tipo) riservata.setSelectedRow(r);
    };
    if (!gruppo.isEmpty()) {
        m_riservataUtente = -1;
        m_riservataGruppo = gruppo;
        seleziona(gruppo, QStringLiteral("GRUPPO"));
    } else if (utente > 0) {
        m_riservataUtente = utente;
        m_riservataGruppo.clear();
        seleziona(QString::number(utente), QStringLiteral("UTENTE"));
    } else {
        // Not reserved: the blank row.
        m_riservataUtente = -1;
        m_riservataGruppo.clear();
        if (riservata.rowCount() > 0 && riservata.cell(0, 0).isEmpty()) riservata.setSelectedRow(0);
    }
    fields.chkWeb.setChecked(rs.value(QStringLiteral("ExportToWeb")).toBool());
}

void References::writeRow(core::SaveContext& ctx) {
    Recordset& rs = ctx.row;
    rs.setValue(QStringLiteral("ID_Contab"), m_idContab);

    const bool gruppo = !m_riservataGruppo.isEmpty();
    const bool utente = !gruppo && m_riservataUtente > 0;
    const bool riservata = !fields.cmbRiservata.text().isEmpty();
    rs.setValue(QStringLiteral("ID_Riservata"), riservata && utente ? m_riservataUtente : 0);
    rs.setValue(QStringLiteral("Fk_Gruppo"), riservata && gruppo ? QVariant(m_riservataGruppo) : QVariant());

    rs.setValue(QStringLiteral("ID_Referente"), idSelezione(SelReferente, ctx.nuova));
    rs.setValue(QStringLiteral("ID_UtenteRiferimento"), idSelezione(SelResponsabile, ctx.nuova));
    core::scriviTesto(rs, QStringLiteral("ResponsabileFascicolo"), fields.cmbResponsabile.text());
    rs.setValue(QStringLiteral("ID_UtenteProcacciatore"), idSelezione(SelProcacciatore, ctx.nuova));
    rs.setValue(QStringLiteral("ExportToWeb"), fields.chkWeb.checked());
}

}  // namespace tolmo::extras
