#include "FrmGestAR.h"

#include <QDate>
#include <QSqlQuery>
#include <optional>

#include "access/RowVersion.h"
#include "access/TolmoAccess.h"
#include "core/model/CaseValues.h"
#include "core/model/Clash.h"
#include "core/model/DateField.h"
#include "core/model/ListFill.h"

namespace tolmo::aml {

namespace {

using form::ControlEvent;
using form::EventKind;
using form::MsgAnswer;
using form::MsgButtons;
using form::MsgIcon;

const QString kRegistra = QStringLiteral("&Registra prestazione");
const QString kModifica = QStringLiteral("&Modifica prestazione");
const QString kRettifica = QStringLiteral("&Rettifica prestazione");
const QString kGiaRegistrata = QStringLiteral("Prestazione già registrata");
const QString kCrLf = QStringLiteral("\r\n");
constexpr long kNero = 0;
const Currency kSoglia = Currency::fromUnits(12500);
const QString kPrestazioneDelCaso = QStringLiteral("SELECT * FROM PrestazioniAR WHERE R_IdPra = ?");

enum ColonnaSoggetto { SId, SNome, SCodice, SCoinvolto, SIdAr, SIdentificazione, SPerConto, SIdPerConto };
enum ColonnaProfessionista { PId, PCoinvolto, PNome, PCodice };

/// Selects the row of `list` whose `column` is `value`; none (and no text) when there is none.
void scegli(form::ListControl& list, int column, const QString& value) {
    const int row = value.isEmpty() ? -1 : list.findRow(column, value);
    list.setSelectedRow(row);
    if (row < 0) list.setText(QString());
}

// The firm's users as the two professional lists show them: NOMEUTENTE, id, VAT number, code.
void riempieUtenti(form::ListControl& list, const ConnectionPtr& conn, const QString& condizione) {
    core::riempieLista(
        list, conn,
        QStringLiteral("SELECT UPPER(NomeUtente) AS NomeUtente, Id_Utente, Piva, CodUteAR FROM Utenti "
                       "WHERE ") +
            condizione + QStringLiteral(" <> '' ORDER BY NomeUtente"),
        {QStringLiteral("NomeUtente"), QStringLiteral("Id_Utente"), QStringLiteral("Piva"),
         QStringLiteral("CodUteAR")});
}

}  // namespace

FrmGestAR::FrmGestAR(core::ComponentServices& services)
    : form::Form(QStringLiteral("frmGestAR")), frmFrazionata(services), m_services(services) {
    setCaption(QStringLiteral("Prestazione per antiriciclaggio"));
    core::comeData(DTDataReg);
    lblNotaCodice.setCaption(QStringLiteral("(*) Necessario solo se il professionista non ha partita iva"));
    chkFrazionata.setCaption(QStringLiteral("Registrazione frazionata"));
    chkdaInse.setCaption(QStringLiteral("Da considerare per l'archivio antiriciclaggio"));
    lblStato2.setCaption(QStringLiteral("Prestazione già consolidata"));
    lblRett.setCaption(QStringLiteral("PRESTAZIONE IN RETTIFICA"));
    lblRett.setForeColor(form::kColoreRosso);
    cmdAnagAR.setCaption(QStringLiteral("Inserisci identificazione"));
    fraCongiunta.setCaption(QStringLiteral("Prestazione congiunta"));
    cmdConferma.setCaption(kRegistra);
    cmdVerificaDati.setCaption(QStringLiteral("&Verifica Dati"));
    cmdCancella.setCaption(QStringLiteral("&Cancella prestazione"));
    cmdAnnulla.setCaption(QStringLiteral("&Esci"));
    GrigliaARPrest.setColumnCaptions(
        {QStringLiteral("ID"), QStringLiteral("Cliente"), QStringLiteral("Codice fiscale"),
         QStringLiteral("Coinvolto"), QStringLiteral("ID_AR"), QStringLiteral("Identificazione di"),
         QStringLiteral("Soggetto per conto del quale agisce"), QStringLiteral("id_SoggPerConto")});
    TDBGridAvv.setColumnCaptions({QStringLiteral("ID_Utente"), QStringLiteral("Coinvolto"),
                                  QStringLiteral("Professionisti coinvolti"), QStringLiteral("Cod(*)")});

    cmbProfessionista.on(EventKind::Choose, [this](ControlEvent& e) { sceltoProfessionista(e.row); });
    cmbCodUte.on(EventKind::Choose, [this](ControlEvent& e) { sceltoCodice(e.row); });
    chkFrazionata.on(EventKind::Click, [this](ControlEvent&) { frazionata(); });
    GrigliaARPrest.on(EventKind::Click, [this](ControlEvent&) {
        m_soggetto = GrigliaARPrest.cell(GrigliaARPrest.row(), SId).toInt();
    });
    GrigliaARPrest.on(EventKind::Change, [this](ControlEvent& e) { soggettoModificato(e.row, e.index); });
    GrigliaARPrest.on(EventKind::DropDown, [this](ControlEvent&) { tendina(); });
    DropDownUtenti.on(EventKind::Choose, [this](ControlEvent& e) { sceltaIdentificazione(e.row); });
    DropDownSoggetti.on(EventKind::Choose, [this](ControlEvent& e) { sceltaPerConto(e.row); });
    TDBGridAvv.on(EventKind::Change, [this](ControlEvent& e) { professionistaModificato(e.row, e.index); });
    cmdAnagAR.on(EventKind::Click, [this](ControlEvent&) {
        if (m_soggetto <= 0 || !apriIdentificazione) return;
        apriIdentificazione(m_soggetto);
        riempiSoggetti(lblStato1.caption() == kGiaRegistrata);
    });
    cmdVerificaDati.on(EventKind::Click, [this](ControlEvent&) {
        const QString mancano = VerificaDatiMancanti();
        m_services.ui().messageBox(
            mancano.isEmpty() ? QStringLiteral("Dati completi per l'identificazione") : mancano,
            QStringLiteral("Dati Mancanti"), MsgButtons::OK, MsgIcon::Information);
    });
    cmdConferma.on(EventKind::Click, [this](ControlEvent&) { conferma(); });
    cmdCancella.on(EventKind::Click, [this](ControlEvent&) { EliminaPrestazione(); });
    cmdAnnulla.on(EventKind::Click, [this](ControlEvent&) { setShown(false); });
}

void FrmGestAR::ValorizzaAR(ConnectionPtr conn, int caseId, int userId, const QString& importo) {
    m_conn = std::move(conn);
    m_caseId = caseId;
    m_professionista = userId;
    m_importo = importo;
}

bool FrmGestAR::registrata() const { return cmdConferma.caption() != kRegistra; }

void FrmGestAR::apri() {
    m_caricamento = true;
    m_soggetto = 0;
    cmdConferma.setCaption(kRegistra);
    cmdCancella.setEnabled(true);
    lblStato2.setVisible(false);
    lblRett.setVisible(false);
    chkFrazionata.setChecked(false);
    chkFrazionata.setForeColor(kNero);
    chkdaInse.setChecked(false);
    txtpartitaIva.setText(QString());
    GrigliaARPrest.setTable({});
    TDBGridAvv.setTable({});
    m_services.trap(QStringLiteral("Prestazioni Antiriciclaggio"), [&] {
        DTDataReg.setText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        m_services.trap(QStringLiteral("Caricamento tipo prestazioni"), [&] {
            core::riempieLista(cmbPresFornita, m_conn,
                               QStringLiteral("SELECT id_prest, DescrPrest FROM TipiPrestazione WHERE "
                                              "IsNotaiAvvocati = ? ORDER BY id_prest"),
                               {QStringLiteral("id_prest"), QStringLiteral("DescrPrest")}, {true});
        });
        core::riempieLista(
            cmbDivisa, m_conn,
            QStringLiteral("SELECT id_divisa, swift, DescrDivisa FROM Divisa ORDER BY swift"),
            {QStringLiteral("id_divisa"), QStringLiteral("swift"), QStringLiteral("DescrDivisa")});
        m_services.trap(QStringLiteral("Caricamento Utenti"), [&] {
            riempieUtenti(cmbProfessionista, m_conn, QStringLiteral("Piva"));
            riempieUtenti(cmbCodUte, m_conn, QStringLiteral("CodUteAR"));
        });
        scegli(cmbDivisa, 1, QStringLiteral("EUR"));
        scegli(cmbPresFornita, 0, QString());
        CaricaPrestazione();
        if (registrata()) {
            riempiSoggetti(true);
        } else {
            // A professional without a VAT number is chosen by his code alone.
            const QString utente = QString::number(m_professionista);
            scegli(cmbProfessionista, 1, utente);
            scegli(cmbCodUte, 1, cmbProfessionista.selectedRow() < 0 ? utente : QString());
            txtpartitaIva.setText(cmbProfessionista.selectedCell(2));
            TDImportoPrest.setText(m_importo);
            fdIdeReg.setText(QString::number(m_caseId));
            riempiSoggetti(false);
        }
        CaricaProfessionisti();
    });
    m_caricamento = false;
}

void FrmGestAR::ricordaRiga(Recordset& rs) {
    m_versione = rs.Eof() ? QVariant() : rs.value(kVersioneRiga);
    m_idPrest = rs.Eof() ? QVariant() : rs.value(QStringLiteral("id_prest"));
}

void FrmGestAR::CaricaPrestazione() {
    m_services.trap(QStringLiteral("Controllo registrazione"), [&] {
        Recordset rs(m_conn, kPrestazioneDelCaso, adLockReadOnly, {m_caseId});
        ricordaRiga(rs);
        if (rs.Eof()) {
            lblStato1.setCaption(QStringLiteral("Prestazione non registrata"));
            return;
        }
        if (rs.value(QStringLiteral("IsarchiviatoXML")).toBool()) {
            lblStato2.setVisible(true);
            cmdConferma.setCaption(kRettifica);
            cmdCancella.setEnabled(false);
        } else {
            cmdConferma.setCaption(kModifica);
            const bool inRettifica = rs.value(QStringLiteral("StatoRegP")).toInt() == 1;
            cmdCancella.setEnabled(!inRettifica);
            lblRett.setVisible(inRettifica);
        }
        lblStato1.setCaption(kGiaRegistrata);
        scegli(cmbPresFornita, 0, rs.text(QStringLiteral("R_TipoPrest")));
        DTDataReg.setText(core::testoData(rs.value(QStringLiteral("DataRegPrest"))));
        TDImportoPrest.setAmount(rs.currency(QStringLiteral("ImportoPrest")));
        chkdaInse.setChecked(rs.value(QStringLiteral("IsDaSegnalare")).toBool());
        chkFrazionata.setChecked(rs.value(QStringLiteral("IsFrazionata")).toBool());
        if (chkFrazionata.checked()) chkFrazionata.setForeColor(form::kColoreRosso);
        fdIdeReg.setText(rs.text(QStringLiteral("ProgressivoAR")));
        scegli(cmbDivisa, 1, rs.text(QStringLiteral("DivisaPrest")));
        scegli(cmbProfessionista, 2, rs.text(QStringLiteral("Codice")));
        scegli(cmbCodUte, 3, rs.text(QStringLiteral("CodicePU")));
        txtpartitaIva.setText(cmbProfessionista.selectedCell(2));
        if (rs.value(QStringLiteral("R_IdUte")).toInt() > 0)
            m_professionista = rs.value(QStringLiteral("R_IdUte")).toInt();
    });
}

Professionista FrmGestAR::professionista() const {
    return {txtpartitaIva.text().trimmed(), cmbCodUte.selectedCell(3)};
}

void FrmGestAR::riempiSoggetti(bool registrati) {
    QList<Soggetto> letti;
    std::optional<DbError> ricerca;  // a failed identification look-up is told as such
    const bool fatto = m_services.trap(
        registrati ? QStringLiteral("Caricamento anagrafica da prestazioni")
                   : QStringLiteral("Riempimento griglia prestazioni"),
        [&] {
            try {
                letti = registrati ? soggettiRegistrati(*m_conn, m_caseId, professionista())
                                   : soggettiDellaPratica(*m_conn, m_caseId, professionista());
            } catch (const LookupFailed& e) {
                ricerca = e;
            }
        });
    if (ricerca) m_services.trap(QStringLiteral("GetAnagrafica"), [&] { throw *ricerca; });
    if (fatto && !ricerca) mostraSoggetti(letti);
}

void FrmGestAR::mostraSoggetti(const QList<Soggetto>& soggetti) {
    QVector<QVector<QVariant>> table;
    for (const Soggetto& s : soggetti)
        table.append({s.id, s.nome, s.codice, s.coinvolto, s.idAr, s.identificazione, s.perConto,
                      s.perConto.isEmpty() ? QVariant() : QVariant(s.idPerConto)});
    GrigliaARPrest.setTable(table);
    // A party nobody identified is written in red, and cannot be ticked.
    for (int r = 0; r < GrigliaARPrest.rowCount(); ++r) {
        const bool manca = GrigliaARPrest.cell(r, SIdentificazione).toString().trimmed() == kMancante;
        GrigliaARPrest.setCellForeColor(r, SIdentificazione, manca ? form::kColoreRosso : kNero);
        GrigliaARPrest.setCellLocked(r, SCoinvolto, manca);
    }
}

QList<Soggetto> FrmGestAR::soggetti() const {
    QList<Soggetto> out;
    for (int r = 0; r < GrigliaARPrest.rowCount(); ++r) {
        const auto cell = [&](int c) { return GrigliaARPrest.cell(r, c); };
        out.append({cell(SId).toInt(), cell(SNome).toString(), cell(SCodice).toString(),
                    cell(SCoinvolto).toBool(), cell(SIdAr).toInt(), cell(SIdentificazione).toString(),
                    cell(SPerConto).toString(), cell(SIdPerConto).toInt()});
    }
    return out;
}

void FrmGestAR::CaricaProfessionisti() {
    QList<Coinvolto> letti;
    if (!m_services.trap(QStringLiteral("Caricamento professionista"),
                         [&] { letti = professionisti(*m_conn, m_caseId, m_professionista); }))
        return;
    QVector<QVector<QVariant>> table;
    for (const Coinvolto& p : letti) table.append({p.id, p.coinvolto, p.nome, p.codiceAR});
    TDBGridAvv.setTable(table);
}

QList<Coinvolto> FrmGestAR::coinvolti() const {
    QList<Coinvolto> out;
    for (int r = 0; r < TDBGridAvv.rowCount(); ++r)
        out.append({TDBGridAvv.cell(r, PId).toInt(), TDBGridAvv.cell(r, PCoinvolto).toBool(),
                    TDBGridAvv.cell(r, PNome).toString(), TDBGridAvv.cell(r, PCodice).toString()});
    return out;
}

void FrmGestAR::sceltoProfessionista(int row) {
    if (row < 0) scegli(cmbProfessionista, 1, QString());  // none chosen: the code alone names him
    txtpartitaIva.setText(cmbProfessionista.cell(row, 2));
    scegli(cmbCodUte, 1, QString());
    if (row >= 0) {
        m_professionista = cmbProfessionista.cell(row, 1).toInt();
        riempiSoggetti(false);
    }
    CaricaProfessionisti();
}

void FrmGestAR::sceltoCodice(int row) {
    if (row < 0) scegli(cmbCodUte, 1, QString());
    if (row >= 0) {
        m_professionista = cmbCodUte.cell(row, 1).toInt();
        riempiSoggetti(false);
    }
    CaricaProfessionisti();
}

void FrmGestAR::frazionata() {
    if (m_caricamento) return;
    if (!chkFrazionata.checked()) {
        fdIdeReg.setText(QString::number(m_caseId));
        chkFrazionata.setForeColor(kNero);
        return;
    }
    chkFrazionata.setForeColor(form::kColoreRosso);
    if (fdIdeReg.text().trimmed().isEmpty()) return;
    frmFrazionata.ValorizzaFrazionate(m_conn, fdIdeReg.text().trimmed(), txtpartitaIva.text().trimmed(),
                                      cmbCodUte.selectedCell(3));
    m_services.ui().showModal(frmFrazionata);
    if (frmFrazionata.codice())
        fdIdeReg.setText(*frmFrazionata.codice());
    else
        chkFrazionata.setChecked(false);  // and the case's own identifier again
}

// A subject is involved only once every involved professional has identified it.
void FrmGestAR::soggettoModificato(int row, int column) {
    if (column != SCoinvolto || !GrigliaARPrest.cell(row, SCoinvolto).toBool()) return;
    const int anagrafica = GrigliaARPrest.cell(row, SId).toInt();
    QString mancano;
    m_services.trap(QStringLiteral("Caricamento griglia AR"), [&] {
        for (const Coinvolto& p : coinvolti())
            if (p.coinvolto && !identificatoDa(*m_conn, anagrafica, p.codiceAR))
                mancano += QLatin1Char('-') + p.nome + kCrLf;
    });
    if (mancano.isEmpty()) return;
    m_services.ui().messageBox(
        QStringLiteral("Non è possibile selezionare l'anagrafica poichè mancano ") + kCrLf +
            QStringLiteral("le identificazioni dei seguenti professionisti coinvolti :") + kCrLf + kCrLf +
            mancano,
        QStringLiteral("Dati mancanti"), MsgButtons::OK, MsgIcon::Information);
    GrigliaARPrest.setCell(row, SCoinvolto, false);
}

// A professional is involved only when he has identified every involved subject, and the party
// each acts for.
void FrmGestAR::professionistaModificato(int row, int column) {
    if (column != PCoinvolto || !TDBGridAvv.cell(row, PCoinvolto).toBool()) return;
    const QString codice = TDBGridAvv.cell(row, PCodice).toString();
    const QString nome = TDBGridAvv.cell(row, PNome).toString();
    QString mancano;
    // A party both involved and acted for is listed once.
    const auto manca = [&](int anagrafica, const QString& chi) {
        const QString riga = QLatin1Char('-') + chi + QStringLiteral(" di ") + nome + kCrLf;
        if (!mancano.contains(riga) && !identificatoDa(*m_conn, anagrafica, codice)) mancano += riga;
    };
    m_services.trap(QStringLiteral("Caricamento griglia AR"), [&] {
        for (const Soggetto& s : soggetti()) {
            if (!s.coinvolto) continue;
            manca(s.id, s.nome);
            if (s.idPerConto > 0) manca(s.idPerConto, s.perConto);
        }
    });
    if (mancano.isEmpty()) return;
    m_services.ui().messageBox(
        QStringLiteral("Non è possibile selezionare il professionista poichè mancano ") + kCrLf +
            QStringLiteral("le identificazioni delle seguenti anagrafiche :") + kCrLf + kCrLf + mancano,
        QStringLiteral("Dati mancanti"), MsgButtons::OK, MsgIcon::Information);
    TDBGridAvv.setCell(row, PCoinvolto, false);
}

// The drop-down of the grid's current cell: the subject's identifications, or the parties it may act for.
void FrmGestAR::tendina() {
    const int row = GrigliaARPrest.row();
    if (row < 0) return;
    m_soggetto = GrigliaARPrest.cell(row, SId).toInt();
    form::BusyPointer busy(m_services.ui());
    if (GrigliaARPrest.col() == SIdentificazione) {
        m_services.trap(QStringLiteral("Caricamento griglia AR"), [&] {
            core::riempieLista(
                DropDownUtenti, m_conn,
                QStringLiteral("SELECT u.NomeUtente, a.id_ar, a.codiceprof FROM AnagraficaAR a "
                               "INNER JOIN Utenti u ON ") +
                    kIdentificatoreDi + QStringLiteral(" WHERE a.R_Id_Anag = ? ORDER BY a.id_ar"),
                {QStringLiteral("NomeUtente"), QStringLiteral("id_ar"), QStringLiteral("codiceprof")},
                {m_soggetto});
        });
    } else if (GrigliaARPrest.col() == SPerConto) {
        QStringList candidati, visti;
        for (const Soggetto& s : soggetti()) {
            const QString id = QString::number(s.id);
            if (s.id == m_soggetto || s.identificazione.trimmed() == kMancante || visti.contains(id))
                continue;
            visti.append(id);
            candidati.append(
                QStringList{id, s.nome, QString::number(s.idAr), s.codice}.join(QLatin1Char('\t')));
        }
        DropDownSoggetti.setRows(candidati);
    }
}

void FrmGestAR::sceltaIdentificazione(int row) {
    const int r = GrigliaARPrest.row();
    if (r < 0) return;
    if (row < 0) {
        GrigliaARPrest.setCell(r, SIdentificazione, kMancante);
    } else {
        GrigliaARPrest.setCell(r, SIdentificazione, DropDownUtenti.cell(row, 0));
        GrigliaARPrest.setCell(r, SIdAr, DropDownUtenti.cell(row, 1).toInt());
    }
    mostraSoggetti(soggetti());
}

void FrmGestAR::sceltaPerConto(int row) {
    const int r = GrigliaARPrest.row();
    if (r < 0) return;
    GrigliaARPrest.setCell(r, SPerConto, row < 0 ? QString() : DropDownSoggetti.cell(row, 1));
    GrigliaARPrest.setCell(r, SIdPerConto,
                           row < 0 ? QVariant() : QVariant(DropDownSoggetti.cell(row, 0).toInt()));
}

void FrmGestAR::ControllaSoglia() {
    if (chkFrazionata.checked() || TDImportoPrest.text().trimmed().isEmpty()) return;
    const std::optional<Currency> importo = TDImportoPrest.amount();
    if (importo && *importo < kSoglia)
        m_services.ui().messageBox(QStringLiteral("Il valore della prestazione è inferiore a  € 12.500"),
                                   QStringLiteral("Valore errato"), MsgButtons::OK, MsgIcon::Information);
}

QString FrmGestAR::VerificaDatiMancanti() {
    ControllaSoglia();
    QString mancano;
    if (fdIdeReg.text().trimmed().isEmpty())
        mancano += QStringLiteral("-Identificativo registrazione") + kCrLf;
    if (cmbDivisa.text().trimmed().isEmpty() || TDImportoPrest.text().trimmed().isEmpty())
        mancano += QStringLiteral("-Dati Importo") + kCrLf;
    if (!core::dataDelCampo(DTDataReg.text()).isValid())
        mancano += QStringLiteral("-Data registrazione") + kCrLf;
    if (cmbPresFornita.text().trimmed().isEmpty()) mancano += QStringLiteral("-Prestazione fornita") + kCrLf;
    if (mancano.isEmpty()) return {};
    return QStringLiteral("Dati non sufficenti per l'identificazione ") + kCrLf +
           QStringLiteral("ai fini dell'archivio antiriciclaggio.") + kCrLf + QStringLiteral("Mancano  : ") +
           kCrLf + kCrLf + mancano;
}

bool FrmGestAR::chiedi(const QString& domanda) {
    return m_services.ui().messageBox(domanda, QStringLiteral("Dati Mancanti"), MsgButtons::YesNo,
                                      MsgIcon::Information) == MsgAnswer::Yes;
}

void FrmGestAR::conferma() {
    const QString caption = cmdConferma.caption();
    const Modo modo = caption == kModifica ? Modifica : caption == kRettifica ? Rettifica : Registra;
    const QString incompleti = QStringLiteral("Dati incompleti");
    const QString nonPossibile =
        QStringLiteral("Non è possibile registrare la prestazione se non è presente") + kCrLf;
    if (txtpartitaIva.text().trimmed().isEmpty() && cmbCodUte.text().trimmed().isEmpty()) {
        m_services.ui().messageBox(
            nonPossibile + QStringLiteral("la partita iva del professionista o il suo codice"), incompleti,
            MsgButtons::OK, MsgIcon::Information);
        return;
    }
    const QList<Soggetto> tutti = soggetti();
    if (std::none_of(tutti.begin(), tutti.end(), [](const Soggetto& s) { return s.coinvolto; })) {
        m_services.ui().messageBox(nonPossibile + QStringLiteral("almeno un anagrafica coinvolta"),
                                   incompleti, MsgButtons::OK, MsgIcon::Information);
        return;
    }
    // What was typed must be what is stored: a registration code or an amount that is no number is refused.
    bool numero = false;
    const int codice = fdIdeReg.text().trimmed().toInt(&numero);
    if (chkFrazionata.checked() && !fdIdeReg.text().trimmed().isEmpty() && (!numero || codice <= 0)) {
        m_services.ui().messageBox(
            QStringLiteral("L'identificativo della registrazione è un numero intero positivo."), incompleti,
            MsgButtons::OK, MsgIcon::Information);
        fdIdeReg.setFocus();
        return;
    }
    if (!TDImportoPrest.text().trimmed().isEmpty() && !TDImportoPrest.amount()) {
        m_services.ui().messageBox(QStringLiteral("L'importo della prestazione non è un numero."), incompleti,
                                   MsgButtons::OK, MsgIcon::Information);
        TDImportoPrest.setFocus();
        return;
    }
    const QString mancano = VerificaDatiMancanti();
    bool salva = true;
    if (mancano.isEmpty()) {
        if (modo == Rettifica)
            salva = chiedi(
                QStringLiteral("Si sta procedendo alla rettifica di un record già consolidato con data di "
                               "rettifica ") +
                DTDataReg.text() + QStringLiteral(". Proseguire?"));
    } else {
        salva = chiedi(modo == Rettifica ? QStringLiteral("Si sta procedendo alla rettifica di un record già "
                                                          "consolidato, con dati mancanti. Proseguire?")
                                         : mancano);
    }
    // A save that failed was reported, and leaves the form open with everything entered.
    if (salva && !SalvaPrestazione(modo)) return;
    setShown(false);
}

// The service, its subjects and its professionals are written in one transaction: all of it or,
// after a failure, nothing.
bool FrmGestAR::SalvaPrestazione(Modo modo) {
    core::SeCambiato cambiata;
    cambiata.titolo = QStringLiteral("ATTENZIONE!!");
    cambiata.cambiato = QStringLiteral(
        "La prestazione antiriciclaggio è stata modificata su un'altra postazione dopo che è stata mostrata "
        "qui.");
    cambiata.preparaSovrascrittura = [this] {
        Recordset rs(m_conn, kPrestazioneDelCaso, adLockReadOnly, {m_caseId});
        ricordaRiga(rs);
    };
    cambiata.mostraAltra = [this] { apri(); };
    return core::scriviSeNonCambiato(m_services, QStringLiteral("Aggiornamento delle prestazioni"), cambiata,
                                     [&] { scriviPrestazione(modo); });
}

void FrmGestAR::scriviPrestazione(Modo modo) {
    Transaction transaction(*m_conn);
    Recordset rs(m_conn, kPrestazioneDelCaso, adLockOptimistic, {m_caseId});
    const bool nuova = rs.Eof();
    // Registered, or registered anew, elsewhere since this one showed it: not written over unasked.
    if (!nuova && rs.value(QStringLiteral("id_prest")).toLongLong() != m_idPrest.toLongLong())
        throw DbError(rigaCambiataSentence(), QStringLiteral("PrestazioniAR"), DbError::kRigaCambiata);
    if (!nuova) rs.expectVersion(m_versione);
    if (nuova) {
        rs.AddNew();
        rs.setValue(QStringLiteral("R_IdPra"), m_caseId);
    }
    const bool split = chkFrazionata.checked();
    rs.setValue(QStringLiteral("ProgressivoAR"), split ? fdIdeReg.text().trimmed().toInt() : m_caseId);
    rs.setValue(QStringLiteral("IsFrazionata"), split);
    core::scriviTesto(rs, QStringLiteral("Codice"), cmbProfessionista.selectedCell(2));
    core::scriviTesto(rs, QStringLiteral("CodicePU"), cmbCodUte.selectedCell(3));
    const QString perCodice = cmbCodUte.selectedCell(3);
    rs.setValue(
        QStringLiteral("R_IdUte"),
        (perCodice.isEmpty() ? cmbProfessionista.selectedCell(1) : cmbCodUte.selectedCell(1)).toInt());
    const QDate data = core::dataDelCampo(DTDataReg.text());
    rs.setValue(QStringLiteral("DataRegPrest"),
                data.isValid() ? QVariant(data) : QVariant(QMetaType::fromType<QDate>()));
    rs.setValue(QStringLiteral("IsVerificata"), true);
    core::scriviTesto(rs, QStringLiteral("DivisaPrest"), cmbDivisa.selectedCell(1));
    rs.setValue(QStringLiteral("ImportoPrest"),
                QVariant::fromValue(TDImportoPrest.amount().value_or(Currency())));
    rs.setValue(QStringLiteral("R_TipoPrest"), cmbPresFornita.selectedCell(0).toInt());
    if (modo == Rettifica) {
        rs.setValue(QStringLiteral("IsarchiviatoXML"), false);
        rs.setValue(QStringLiteral("StatoRegP"), 1);
    } else if (modo == Registra) {
        rs.setValue(QStringLiteral("StatoRegP"), 0);
    }
    rs.setValue(QStringLiteral("IsDaSegnalare"), chkdaInse.checked());
    try {
        rs.Update();
    } catch (const DbError& error) {
        // PostgreSQL: another workstation registered the case's service in the same moment.
        if (nuova && error.code() == QLatin1String("23505"))
            throw DbError(rigaCambiataSentence(), error.source(), DbError::kRigaCambiata);
        throw;
    }
    const int idPrest = rs.value(QStringLiteral("id_prest")).toInt();
    const QVariant versione = rs.value(kVersioneRiga);
    rs.Close();
    salvaSoggetti(*m_conn, m_caseId, idPrest, nuova, soggetti(), coinvolti());
    transaction.commit();
    m_versione = versione;
    m_idPrest = idPrest;
}

// The subjects and the professionals stay: a new registration shows them again.
void FrmGestAR::EliminaPrestazione() {
    if (m_services.ui().messageBox(QStringLiteral("Si sta eliminando la registrazione.Proseguire?"),
                                   QStringLiteral("ATTENZIONE!!"), MsgButtons::YesNo,
                                   MsgIcon::Exclamation) != MsgAnswer::Yes)
        return;
    const bool fatto = m_services.trap(QStringLiteral("Eliminazione delle prestazioni"), [&] {
        Transaction transaction(*m_conn);
        m_conn->Execute(QStringLiteral("DELETE FROM PrestazioniAR WHERE R_IdPra = ?"), {m_caseId});
        transaction.commit();
    });
    if (fatto) setShown(false);
}

}  // namespace tolmo::aml
