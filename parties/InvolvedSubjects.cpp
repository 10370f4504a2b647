#include "InvolvedSubjects.h"

#include "PartyLookups.h"
#include "access/TolmoAccess.h"
#include "core/model/CaseValues.h"
#include "core/model/ColumnLimits.h"
#include "core/model/ListFill.h"

namespace tolmo::parties {

namespace {

using form::ControlEvent;
using form::EventKind;

bool vuota(const QVariant& v) { return v.isNull() || v.toString().trimmed().isEmpty(); }

QString nomeCompleto(const QString& cognome, const QString& nome) {
    return cognome + QLatin1Char(' ') + nome;
}

}  // namespace

InvolvedSubjects::InvolvedSubjects(core::ComponentServices& services, core::PraticaForm& form)
    : fields(form), m_services(services) {
    fields.TDBGridSoggetti.setColumnCaptions({QStringLiteral("ID"), QStringLiteral("Soggetto"),
                                              QStringLiteral("Qualifica"), QStringLiteral("IdAna"),
                                              QStringLiteral("IdQual"), QStringLiteral("Rappresenta"),
                                              QStringLiteral("IdRappresentato")});
    fields.TDBGrigliaRapp.setColumnCaptions(fields.TDBGridSoggetti.columnCaptions());
    // Neither grid is typed into: the subjects come from the picker, whom they represent from the
    // drop-down, which F4 opens on the representatives' grid (its view allows no editing).
    fields.TDBGridSoggetti.setLocked(true);
    fields.DropDownRappresentati.setVisible(false);
    wire();
}

void InvolvedSubjects::wire() {
    SubjectFields& f = fields;
    f.cmbSoggetto.on(EventKind::DropDown,
                     [this](ControlEvent&) { CercaAnagrafica(m_services, fields.cmbSoggetto); });
    f.cmbSoggetto.on(EventKind::Choose, [this](ControlEvent& e) {
        const bool riga = e.row >= 0 && e.row < fields.cmbSoggetto.rowCount();
        m_idSoggetto = riga ? fields.cmbSoggetto.cell(e.row, 2).toInt() : 0;
        fields.lblNomeSoggetto.setCaption(riga ? fields.cmbSoggetto.cell(e.row, 1) : QString());
        fields.cmdInfoSoggetti.setTag(m_idSoggetto > 0 ? QString::number(m_idSoggetto) : QString());
        abilitaInserisci();
    });
    f.cmbQualifiche.on(EventKind::DropDown, [this](ControlEvent&) { CaricaQualifiche(); });
    f.cmbQualifiche.on(EventKind::Choose, [this](ControlEvent& e) {
        const bool riga = e.row >= 0 && e.row < fields.cmbQualifiche.rowCount();
        m_idQualifica = riga ? fields.cmbQualifiche.cell(e.row, 1).toInt() : 0;
        abilitaInserisci();
    });
    f.cmdInserisci.on(EventKind::Click, [this](ControlEvent&) { CaricaSoggetti(0); });
    f.TDBGridSoggetti.on(EventKind::Click, [this](ControlEvent& e) { selezionaRiga(e.row); });
    f.cmdCancella.on(EventKind::Click, [this](ControlEvent&) { cancellaRiga(); });
    f.cmdPulisciSoggetti.on(EventKind::Click, [this](ControlEvent&) { AzzeraSelezioneSoggetto(); });
    f.TDBGrigliaRapp.on(EventKind::DropDown, [this](ControlEvent&) { CaricaRappresentati(); });
    f.DropDownRappresentati.on(EventKind::Choose, [this](ControlEvent& e) { scegliRappresentato(e.row); });
    f.DropDownRappresentati.on(EventKind::KeyDown, [this](ControlEvent& e) {
        if (e.key != form::keys::Esc) return;
        fields.DropDownRappresentati.setVisible(false);
        fields.TDBGrigliaRapp.setFocus();
    });
    f.cmdPulisciRappresent.on(EventKind::Click, [this](ControlEvent&) {
        const int row = fields.TDBGrigliaRapp.row();
        if (row < 0 || row >= m_tabella.size()) return;
        m_tabella[row][kSogRappresentato] = QVariant();
        m_tabella[row][kSogIdRappresentato] = QVariant();
        rilega();
    });
}

void InvolvedSubjects::abilitaInserisci() {
    fields.cmdInserisci.setEnabled(m_idSoggetto >= 1 && m_idQualifica >= 1);
}

// Both grids show the one table; each keeps its current row where it can.
void InvolvedSubjects::rilega() {
    for (core::Grid* g : {&fields.TDBGridSoggetti, &fields.TDBGrigliaRapp}) {
        const int row = g->row(), col = g->col();
        g->setTable(m_tabella);
        if (row >= 0 && row < m_tabella.size()) g->setCurrentCell(row, col);
    }
}

void InvolvedSubjects::CaricaQualifiche() {
    m_services.trap(QStringLiteral("Caricamento Qualifiche"), [&] {
        form::BusyPointer busy(m_services.ui());
        fields.cmbQualifiche.setSelectedRow(-1);
        core::riempieLista(fields.cmbQualifiche, m_services.connReadWrite(),
                           QStringLiteral("SELECT Id,COD, Qualifica FROM TabQualifiche ORDER BY Qualifica"),
                           {QStringLiteral("Qualifica"), QStringLiteral("Id")});
    });
}

void InvolvedSubjects::CaricaSoggetti(int caseId, const ConnectionPtr& conn) {
    if (caseId == 0) {
        QVector<QVariant> riga(kSogColonne);
        riga[kSogNome] = nomeCompleto(fields.cmbSoggetto.text(), fields.lblNomeSoggetto.caption());
        riga[kSogQualifica] = fields.cmbQualifiche.text();
        riga[kSogIdAna] = m_idSoggetto;
        riga[kSogIdQual] = m_idQualifica;
        m_tabella.append(riga);
        rilega();
        return;
    }
    QVector<QVector<QVariant>> tabella;
    AccessoDati dati;
    dati.Apri(
        conn ? conn : m_services.connReadWrite(),
        QStringLiteral("SELECT TabQualifiche.ID, TabQualifiche.COD, TabQualifiche.QUALIFICA, "
                       "Anagrafica.ID_Ana, Anagrafica.Cognome, Anagrafica.Nome, "
                       "R_PraQualifiche.ID AS R_PRAQUALIFICHEID, R_PraQualifiche.IdPra, "
                       "R_PraQualifiche.IdAna, R_PraQualifiche.IdQual, R_PraQualifiche.NomeRappresentato, "
                       "R_PraQualifiche.R_IDRappresentato "
                       "FROM TabQualifiche INNER JOIN (Anagrafica INNER JOIN R_PraQualifiche ON "
                       "Anagrafica.ID_Ana = R_PraQualifiche.IdAna) ON TabQualifiche.ID = "
                       "R_PraQualifiche.IdQual WHERE IDPRA = ") +
            QString::number(caseId) + QStringLiteral(" ORDER BY R_PraQualifiche.ID"),
        adLockReadOnly);
    for (Recordset& rs = dati.recordset(); !rs.Eof(); rs.MoveNext()) {
        QVector<QVariant> riga(kSogColonne);
        riga[kSogId] = rs.value(QStringLiteral("R_PRAQUALIFICHEID"));
        riga[kSogNome] = nomeCompleto(rs.text(QStringLiteral("Cognome")), rs.text(QStringLiteral("Nome")));
        riga[kSogQualifica] = rs.text(QStringLiteral("Qualifica"));
        riga[kSogIdAna] = rs.value(QStringLiteral("IdAna"));
        riga[kSogIdQual] = rs.value(QStringLiteral("IdQual"));
        riga[kSogRappresentato] = rs.value(QStringLiteral("NomeRappresentato"));
        riga[kSogIdRappresentato] = rs.value(QStringLiteral("R_IDRappresentato"));
        tabella.append(riga);
    }
    dati.Chiudi();
    m_tabella = std::move(tabella);
    m_rimossi.clear();
    rilega();
}

// A stored row keeps its subject and qualification: only whom it represents is written again.
void InvolvedSubjects::SalvaSoggetti(const ConnectionPtr& conn, int caseId, bool modifica) {
    if (modifica) {
        for (int id : m_rimossi)
            conn->Execute(QStringLiteral("DELETE FROM R_PraQualifiche WHERE ID = ") + QString::number(id) +
                          QStringLiteral(" AND IdPra = ") + QString::number(caseId));
    }
    m_idsNuovi.clear();
    for (int r = 0; r < m_tabella.size(); ++r) {
        const QVector<QVariant>& riga = m_tabella.at(r);
        const bool nuova = vuota(riga[kSogId]);
        AccessoDati dati;
        dati.Apri(conn,
                  nuova ? QStringLiteral("R_PraQualifiche")
                        : QStringLiteral("SELECT * FROM R_PraQualifiche WHERE ID=") +
                              QString::number(riga[kSogId].toInt()),
                  adLockOptimistic);
        Recordset& rs = dati.recordset();
        if (nuova) {
            rs.AddNew();
            rs.setValue(QStringLiteral("IdPra"), caseId);
            rs.setValue(QStringLiteral("IdAna"), riga[kSogIdAna].toInt());
            rs.setValue(QStringLiteral("IdQual"), riga[kSogIdQual].toInt());
        }
        if (nuova || !rs.Eof()) {
            // No one represented is an empty name and party 0, never NULL.
            const QString rappresentato = riga[kSogRappresentato].toString();
            core::scriviTesto(rs, QStringLiteral("NomeRappresentato"),
                              core::entroColonna(QStringLiteral("R_PraQualifiche"),
                                                 QStringLiteral("NomeRappresentato"), rappresentato));
            rs.setValue(QStringLiteral("R_IDRappresentato"), riga[kSogIdRappresentato].toInt());
            rs.Update();
            if (nuova) m_idsNuovi.append({r, rs.value(QStringLiteral("ID")).toInt()});
        }
        dati.Chiudi();
    }
}

// No row chosen is no subject and no qualification: nothing can be added until both are chosen again.
void InvolvedSubjects::AzzeraSelezioneSoggetto() {
    fields.cmbSoggetto.setSelectedRow(-1);
    fields.cmbQualifiche.setSelectedRow(-1);
    m_idSoggetto = m_idQualifica = 0;
    fields.lblNomeSoggetto.setCaption(QString());
    fields.cmdInfoSoggetti.setTag(QString());
    fields.cmdCancella.setEnabled(false);
    abilitaInserisci();
}

bool InvolvedSubjects::selezionaSoggetto(int id) {
    ListControl& picker = fields.cmbSoggetto;
    QString cognome;
    m_services.trap(QStringLiteral("Ricerca Anagrafica"),
                    [&] { nomiAnagrafica(m_services.connReadOnly(), id, &cognome, nullptr); });
    // The search starts from the party's surname: the row is then among the first few read.
    picker.setText(cognome);
    CercaAnagrafica(m_services, picker);
    int row = picker.findRow(2, QString::number(id));
    while (row < 0 && picker.canFetchMore()) {
        picker.fetchMore();
        row = picker.findRow(2, QString::number(id));
    }
    if (row < 0) return false;
    core::SelezionaInLista(2, QString::number(id), 0, picker);
    m_idSoggetto = id;
    fields.lblNomeSoggetto.setCaption(picker.cell(row, 1));
    fields.cmdInfoSoggetti.setTag(QString::number(id));
    abilitaInserisci();
    return true;
}

void InvolvedSubjects::selezionaRiga(int row) {
    AzzeraSelezioneSoggetto();
    if (row < 0 || row >= m_tabella.size() || vuota(m_tabella[row][kSogIdAna])) return;
    selezionaSoggetto(m_tabella[row][kSogIdAna].toInt());
    CaricaQualifiche();
    core::SelezionaInLista(1, QString::number(m_tabella[row][kSogIdQual].toInt()), 0, fields.cmbQualifiche);
    m_idQualifica = m_tabella[row][kSogIdQual].toInt();
    fields.cmdCancella.setEnabled(true);
    fields.cmdInserisci.setEnabled(false);
}

void InvolvedSubjects::cancellaRiga() {
    const int row = fields.TDBGridSoggetti.row();
    if (row < 0 || row >= m_tabella.size()) return;
    if (m_services.editState() == 2 && !vuota(m_tabella[row][kSogId]))
        m_rimossi.append(m_tabella[row][kSogId].toInt());
    m_tabella.remove(row);
    rilega();
    for (core::Grid* g : {&fields.TDBGridSoggetti, &fields.TDBGrigliaRapp})
        g->setCurrentCell(m_tabella.isEmpty() ? -1 : 0, m_tabella.isEmpty() ? -1 : 0);
    AzzeraSelezioneSoggetto();
}

// Legal persons are told apart by their VAT number, natural persons by their tax code.
void InvolvedSubjects::CaricaRappresentati() {
    ListControl& drop = fields.DropDownRappresentati;
    m_services.trap(QStringLiteral("Caricamento Rappresentati"), [&] {
        form::BusyPointer busy(m_services.ui());
        QStringList righe{QStringLiteral("0\t\t\t")};
        AccessoDati dati;
        dati.Apri(m_services.connReadWrite(),
                  QStringLiteral("SELECT Cognome, Nome, ID_Ana, IsFisicaGiuridica, CodiceFiscale, PartitaIva "
                                 "FROM TabQualifiche INNER JOIN (Anagrafica INNER JOIN R_PraQualifiche ON "
                                 "Anagrafica.ID_Ana = R_PraQualifiche.IdAna) ON TabQualifiche.ID = "
                                 "R_PraQualifiche.IdQual WHERE IDPRA = ") +
                      QString::number(m_services.currentId()) + QStringLiteral(" ORDER BY Cognome,Nome"),
                  adLockReadOnly);
        for (Recordset& rs = dati.recordset(); !rs.Eof(); rs.MoveNext()) {
            const bool fisica = rs.value(QStringLiteral("IsFisicaGiuridica")).toBool();
            QStringList colonne{
                rs.text(QStringLiteral("ID_Ana")),
                nomeCompleto(rs.text(QStringLiteral("Cognome")), rs.text(QStringLiteral("Nome"))),
                fisica ? QStringLiteral("1") : QStringLiteral("0"),
                rs.text(fisica ? QStringLiteral("CodiceFiscale") : QStringLiteral("PartitaIva"))};
            for (QString& c : colonne) c.replace(QLatin1Char('\t'), QLatin1Char(' '));
            righe.append(colonne.join(QLatin1Char('\t')));
        }
        dati.Chiudi();
        drop.setRows(righe);
    });
    drop.setVisible(true);
    drop.setSelectedRow(0);
    drop.setFocus();
}

void InvolvedSubjects::scegliRappresentato(int dropRow) {
    ListControl& drop = fields.DropDownRappresentati;
    drop.setVisible(false);
    const int row = fields.TDBGrigliaRapp.row();
    if (dropRow < 0 || dropRow >= drop.rowCount() || row < 0 || row >= m_tabella.size()) return;
    m_tabella[row][kSogRappresentato] = drop.cell(dropRow, 1);
    m_tabella[row][kSogIdRappresentato] = drop.cell(dropRow, 0).toInt();
    rilega();
    fields.TDBGrigliaRapp.setFocus();
}

void InvolvedSubjects::clear() {
    m_tabella.clear();
    m_rimossi.clear();
    m_idSoggetto = m_idQualifica = 0;
    fields.lblNomeSoggetto.setCaption(QString());
    fields.cmdInfoSoggetti.setTag(QString());
    rilega();
}

void InvolvedSubjects::newCase() {
    clear();
    fields.DropDownRappresentati.clear();
}

void InvolvedSubjects::consult() {
    fields.fraSoggetti.setEnabled(false);
    fields.fraRappresentanti.setEnabled(false);
}

void InvolvedSubjects::tabChanged(int tab, short editState) {
    const bool editing = editState == 2 || editState == 3;
    if (tab == core::TabSoggetti) {
        fields.fraSoggetti.setEnabled(editing);
        fields.cmbSoggetto.clear();
        AzzeraSelezioneSoggetto();
        CercaAnagrafica(m_services, fields.cmbSoggetto);
    } else if (tab == core::TabRappresentanti) {
        fields.fraRappresentanti.setEnabled(editing);
    }
}

// Every filling of the form reads the case's subjects, so a case opened for modification never
// keeps the subjects, nor the choice, of the one shown before.
void InvolvedSubjects::show(core::ShowContext& ctx) {
    AzzeraSelezioneSoggetto();
    CaricaSoggetti(ctx.caseId);
}

void InvolvedSubjects::save(core::SaveContext& ctx) { SalvaSoggetti(ctx.conn, ctx.caseId, !ctx.nuova); }

// Once stored, the rows just written get their ids: a second save updates them instead of adding
// them again. A save that failed leaves the table as it was, ready for the next try.
void InvolvedSubjects::afterCommit(const core::SaveContext&) {
    for (const auto& [riga, id] : std::as_const(m_idsNuovi))
        if (riga < m_tabella.size()) m_tabella[riga][kSogId] = id;
    m_idsNuovi.clear();
    m_rimossi.clear();
    rilega();
}

// A deleted case leaves no subject rows behind for a later case to inherit.
void InvolvedSubjects::remove(core::DeleteContext& ctx) {
    ctx.conn->Execute(QStringLiteral("DELETE FROM R_PraQualifiche WHERE IdPra = ") +
                      QString::number(ctx.caseId));
}

}  // namespace tolmo::parties
