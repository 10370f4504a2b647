// The catalogue lists of the case form: classifiers, areas, types, criminal phases,
// procurers, and the people of the firm.

#include "TolmoPratica.h"

namespace tolmo {

namespace {
// The id column of the referent and responsible lists is column 1 (name, id); the procurer
// list shows surname, first name and id.
constexpr int kColonnaId[] = {1, 1, 2};

QString joinColumns(Recordset& rs, const QStringList& fields) {
    QStringList cols;
    for (const QString& f : fields) cols << rs.text(f);
    return cols.join(QLatin1Char('\t'));
}
}  // namespace

// Fills `list` with one row per record: every column of the query, TAB-joined.
void TolmoPratica::riempieLista(form::ListControl& list, const QString& sql) {
    list.clear();
    AccessoDati dati;
    dati.Apri(m_connReadOnly, sql, adLockReadOnly);
    Recordset& rs = dati.recordset();
    const QStringList fields = rs.fieldNames();
    for (; !rs.Eof(); rs.MoveNext()) list.addRow(joinColumns(rs, fields));
    dati.Chiudi();
}

void TolmoPratica::RiempieClassificatore() {
    trap(QStringLiteral("Caricamento Classificatori"), [&] {
        m_header.setConnection(m_connReadOnly, currentUserId());
        riempieLista(m_form.cmbClassificatore,
                     QStringLiteral("SELECT Descrizione,ID_Cla FROM Classificatore") +
                         QStringLiteral(" ORDER BY Descrizione"));
    });
}

void TolmoPratica::RiempieSottoarea() {
    trap(QStringLiteral("Caricamento Aree"), [&] {
        m_header.setConnection(m_connReadOnly, currentUserId());
        riempieLista(m_form.cmbSottoarea,
                     QStringLiteral("SELECT DescrizioneArea,ID_Area FROM SottoClassificazione") +
                         QStringLiteral(" ORDER BY DescrizioneArea"));
    });
}

void TolmoPratica::RiempieTipologia() {
    trap(QStringLiteral("Caricamento Tipologie"), [&] {
        m_header.setConnection(m_connReadOnly, currentUserId());
        riempieLista(m_form.cmbTipologia,
                     QStringLiteral("SELECT Tipologia,ID_Tipologia FROM TipologiaPratica") +
                         QStringLiteral(" ORDER BY Tipologia"));
    });
}

void TolmoPratica::CaricaFasiPenale() {
    trap(QStringLiteral("Caricamento Fasi Penali"), [&] {
        m_form.cmbFase.setSelectedRow(-1);
        m_form.cmbFase.clear();
        AccessoDati dati;
        dati.Apri(m_connReadOnly, QStringLiteral("SELECT * FROM PraPenaleFasi"), adLockReadOnly);
        Recordset& rs = dati.recordset();
        for (; !rs.Eof(); rs.MoveNext())
            m_form.cmbFase.addRow(joinColumns(
                rs, {QStringLiteral("id_fase"), QStringLiteral("fase"), QStringLiteral("NumFase")}));
        dati.Chiudi();
    });
}

int TolmoPratica::GetIdPenale() {
    AccessoDati dati;
    dati.Apri(m_connReadOnly,
              QStringLiteral("SELECT ID_Cla FROM Classificatore WHERE Descrizione = 'PENALE'"),
              adLockReadOnly);
    const int id = dati.recordset().Eof() ? 0 : dati.recordset().value(QStringLiteral("ID_Cla")).toInt();
    dati.Chiudi();
    return id;
}

void TolmoPratica::sceltaClassificatore(int row) {
    m_idClassificatore = m_form.cmbClassificatore.cell(row, 1).toInt();
    trap(QStringLiteral("Caricamento Campi Liberi"), [&] {
        m_freeFields.RipristinaCampiLiberi();
        m_freeFields.SelezionaClassificatore(m_idClassificatore);
    });
    classifierChosenExtensions(m_idClassificatore);
}

void TolmoPratica::riempieContabilita(ConnectionPtr conn, bool blankAlways, int preselect, int* found) {
    form::ListControl& list = m_form.cmbContabilita;
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

bool TolmoPratica::SettaContabilita(int idUt) {
    bool filled = false;
    form::BusyPointer busy(m_ui);
    trap(QStringLiteral("Caricamento Utenti titolari di Contabilita"), [&] {
        m_utenteContabilita = idUt;
        int noted = -1;
        riempieContabilita(m_connReadWrite, false, idUt, &noted);
        form::ListControl& owners = m_form.cmbContabilita;
        if (owners.rowCount() == 0) return;

        int chosen = noted;
        if (chosen < 0) chosen = owners.rowCount() > 2 ? 0 : 1;
        owners.setSelectedRow(chosen);
        if (chosen > 0) m_idContab = owners.cell(chosen, 1).toInt();

        form::ListControl* people[] = {&m_form.cmbRiservata, &m_form.cmbReferente, &m_form.cmbResponsabile};
        for (form::ListControl* l : people) {
            l->clear();
            l->addRow(QString());
        }
        AccessoDati utenti;
        utenti.Apri(m_connReadWrite,
                    QStringLiteral("SELECT Id_Utente, NomeUtente FROM Utenti ORDER BY NomeUtente"),
                    adLockReadOnly);
        for (Recordset& rs = utenti.recordset(); !rs.Eof(); rs.MoveNext()) {
            const QString nome = rs.text(QStringLiteral("NomeUtente")).toUpper();
            const QString id = rs.text(QStringLiteral("Id_Utente"));
            m_form.cmbRiservata.addRow(QStringList{nome, id, QStringLiteral("UTENTE")});
            m_form.cmbReferente.addRow(QStringList{nome, id});
            m_form.cmbResponsabile.addRow(QStringList{nome, id});
        }
        utenti.Chiudi();

        AccessoDati gruppi;
        gruppi.Apri(m_connReadWrite, QStringLiteral("SELECT * FROM Gruppi ORDER BY Gruppo"), adLockReadOnly);
        for (Recordset& rs = gruppi.recordset(); !rs.Eof(); rs.MoveNext()) {
            const QString gruppo = rs.text(QStringLiteral("Gruppo"));
            if (gruppo.toUpper() == QStringLiteral("TUTTI")) continue;
            m_form.cmbRiservata.addRow(QStringList{gruppo.toUpper(), gruppo, QStringLiteral("GRUPPO")});
        }
        gruppi.Chiudi();
        filled = true;
    });
    return filled;
}

void TolmoPratica::sceltaRiservata(int row) {
    const QString kind = m_form.cmbRiservata.cell(row, 2).toUpper();
    if (kind == QStringLiteral("GRUPPO")) {
        m_riservataUtente = -1;
        m_riservataGruppo = m_form.cmbRiservata.cell(row, 1);
    } else if (kind == QStringLiteral("UTENTE")) {
        m_riservataUtente = m_form.cmbRiservata.cell(row, 1).toInt();
        m_riservataGruppo.clear();
    }
}

void TolmoPratica::SbloccaRiferimentiStorico() {
    trap(QStringLiteral("Caricamento Utenti titolari di Contabilita Tolmo Studio"),
         [&] { riempieContabilita(m_connTolmo, true, 0, nullptr); });
    // The tab first: selecting it in consultation disables its frames, which are unlocked here.
    m_form.SSTabPratica.setCurrent(core::TabRiferimenti);
    for (form::Control* c : {&m_form.frameRiferimenti, &m_form.frameResponsabile, &m_form.FrameProcacciatore})
        c->setEnabled(true);
}

void TolmoPratica::attachSelezioni() {
    form::ListControl* lists[SelCount] = {&m_form.cmbReferente, &m_form.cmbResponsabile,
                                          &m_form.cmbProcacciatore};
    for (int which = 0; which < SelCount; ++which) {
        form::ListControl* list = lists[which];
        list->on(form::EventKind::Choose, [this, list, which](form::ControlEvent& e) {
            Selezione& s = m_selezioni[which];
            s.nuova = list->cell(e.row, kColonnaId[which]);
            // While a stored case is modified the choice replaces the stored one, so the save
            // keeps what the person picked.
            if (m_editState == Modifica_) s.memorizzata = s.nuova;
        });
    }
}

void TolmoPratica::resetSelezioni() {
    for (Selezione& s : m_selezioni) s = {};
}

int TolmoPratica::idSelezione(SelezioneIndex which, bool nuova) const {
    const Selezione& s = m_selezioni[which];
    return (nuova ? s.nuova : s.memorizzata).toInt();
}

}  // namespace tolmo
