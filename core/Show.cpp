// Showing a stored case: reading it and copying every column into the form.

#include <QScopedValueRollback>

#include "CaseSql.h"
#include "CaseValues.h"
#include "TolmoPratica.h"

namespace tolmo {

namespace {

using parties::SelezionaInLista;

const QString kLetturaPratica = QStringLiteral("Lettura Pratica");

// How much of a free field's column the field shows.
constexpr int kCampiLiberiMostrati = 64;

bool hasField(Recordset& rs, const QString& field) {
    return rs.fieldNames().contains(field, Qt::CaseInsensitive);
}

}  // namespace

void TolmoPratica::VisualizzaPratica(int Id) {
    form::BusyPointer busy(m_ui);
    trap(kLetturaPratica, [&] {
        if (m_header.caseId() != Id) m_header.caricaPratica(Id);
        m_currentId = Id;
        AccessoDati pratica;
        pratica.Apri(m_connReadOnly, core::sqlVisualizzaPratica(Id, m_header.isPenale()), adLockReadOnly);
        if (pratica.recordset().Eof()) {
            pratica.Chiudi();
            return;
        }
        RiempeCampiAVideo(pratica.recordset());
        pratica.Chiudi();

        AccessoDati multi;
        multi.Apri(m_connReadOnly,
                   QStringLiteral("SELECT * FROM MultiIntesta WHERE ID_Pra = ") + QString::number(Id),
                   adLockReadOnly);
        showCaseExtensions(Id, multi.recordset());
        multi.Chiudi();
    });
}

void TolmoPratica::RiempeCampiAVideo(Recordset& rs) {
    const QScopedValueRollback<bool> filling(m_filling, true);
    form::BusyPointer busy(m_ui);
    trap(kLetturaPratica, [&] {
        riempieRiferimenti(rs);
        riempieParti(rs);
        core::PraticaForm& f = m_form;

        f.txtUfficioIscrizione.setText(rs.text(QStringLiteral("UfficioGiudiziario")).trimmed());
        f.txtUfficioIscrizione.setTag(rs.text(QStringLiteral("CodUfficio")).trimmed());
        f.txtUfficioIscrizione.setToolTip(rs.text(QStringLiteral("UfficioGiudiziario")));
        f.txtSezione.setText(rs.text(QStringLiteral("Sezione")));
        f.txtIstruttore.setText(rs.text(QStringLiteral("Istruttore")));
        m_parties.choices().idIstruttore = rs.value(QStringLiteral("Id_Istruttore")).toInt();

        f.cmbOggetto.setText(rs.text(QStringLiteral("Oggetto")));
        f.cmbCodOggetto.setText(rs.text(QStringLiteral("CodiceOggetto")));
        m_catalogues.regolaSommaIngiunta(rs.text(QStringLiteral("CodiceOggetto")));
        f.fpStatoPra.setText(rs.text(QStringLiteral("Stato")));

        f.TedDataInizio.setText(core::testoData(rs.value(QStringLiteral("DataInizio"))));
        f.TDataUdienza.setText(core::testoData(rs.value(QStringLiteral("Data_ProxUdienza"))));
        f.TolDataChiusura.setText(core::testoData(rs.value(QStringLiteral("DataChiusura"))));
        f.TolDataArch.setText(core::testoData(rs.value(QStringLiteral("Data_Arc"))));

        f.txtCollocazione.setText(rs.text(QStringLiteral("Collocazione")));
        f.chkStraordinariaImportanza.setChecked(
            rs.value(QStringLiteral("IsStraordinariaImportanza")).toBool());
        f.optContributo.setIndex(core::opzioneContributo(rs.text(QStringLiteral("TipoContributo"))));
        f.mskImportoContributo.setText(rs.text(QStringLiteral("ImportoContributo")));
        f.chkDebito.setChecked(rs.value(QStringLiteral("A_Debito")).toBool());
        f.chkWeb.setChecked(rs.value(QStringLiteral("ExportToWeb")).toBool());

        riempieClassificatore(rs, GetIdPenale());
        riempieValori(rs);
        f.txtNOTE.setText(rs.text(QStringLiteral("Note")));
        riempieCampiLiberi(rs);
        riempieTariffa(rs);
        loadInvolvedSubjects(m_currentId);
    });
}

// The people of the firm and the lists chosen for the case. A list holding no matching row
// keeps the selection it had.
void TolmoPratica::riempieRiferimenti(Recordset& rs) {
    core::PraticaForm& f = m_form;
    m_idCliente = rs.value(QStringLiteral("ID_Cliente")).toInt();
    m_idContab = rs.value(QStringLiteral("ID_Contab")).toInt();
    SelezionaInLista(1, QString::number(m_idContab), 0, f.cmbContabilita);

    const QString ids[SelCount] = {rs.text(QStringLiteral("ID_Referente")),
                                   rs.text(QStringLiteral("ID_UtenteRiferimento")),
                                   rs.text(QStringLiteral("ID_UtenteProcacciatore"))};
    for (int which = 0; which < SelCount; ++which) m_selezioni[which].memorizzata = ids[which];
    SelezionaInLista(1, ids[SelReferente], 0, f.cmbReferente);
    SelezionaInLista(1, ids[SelResponsabile], 0, f.cmbResponsabile);
    SelezionaInLista(2, ids[SelProcacciatore], 0, f.cmbProcacciatore);

    const int utente = rs.value(QStringLiteral("ID_Riservata")).toInt();
    const QString gruppo = rs.text(QStringLiteral("Fk_Gruppo"));
    form::ListControl& riservata = f.cmbRiservata;
    if (!gruppo.isEmpty()) {
        m_riservataUtente = -1;
        m_riservataGruppo = gruppo;
        for (int r = 0; r < riservata.rowCount(); ++r)
            if (riservata.cell(r, 1) == gruppo && riservata.cell(r, 2) == QStringLiteral("GRUPPO"))
                riservata.setSelectedRow(r);
    } else if (utente > 0) {
        m_riservataUtente = utente;
        m_riservataGruppo.clear();
        for (int r = 0; r < riservata.rowCount(); ++r)
            if (riservata.cell(r, 1) == QString::number(utente) &&
                riservata.cell(r, 2) == QStringLiteral("UTENTE"))
                riservata.setSelectedRow(r);
    } else {
        // Not reserved: the blank row.
        m_riservataUtente = -1;
        m_riservataGruppo.clear();
        if (riservata.rowCount() > 0 && riservata.cell(0, 0).isEmpty()) riservata.setSelectedRow(0);
    }

    SelezionaInLista(1, rs.text(QStringLiteral("R_IdArea")), 0, f.cmbSottoarea);
    SelezionaInLista(1, rs.text(QStringLiteral("R_IdTipologia")), 0, f.cmbTipologia);
}

// Counterparty, counterparty's lawyer, invoice party and correspondent.
namespace {

struct NomiParte {
    int id = 1;
    QString cognome, nome;
};

// A party of the case that is either registered (its names come from the register) or typed
// by hand (id 1, the names stored in the case row).
NomiParte nomiParte(parties::PartyLookups& parties, Recordset& rs, const QString& idColumn,
                    const QString& cognomeColumn, const QString& nomeColumn) {
    NomiParte p;
    const int id = rs.value(idColumn).toInt();
    if (id > 1) {
        p.id = id;
        parties.nomiAnagrafica(id, &p.cognome, &p.nome);
    } else {
        p.cognome = rs.text(cognomeColumn);
        p.nome = rs.text(nomeColumn);
    }
    return p;
}

}  // namespace

void TolmoPratica::riempieParti(Recordset& rs) {
    core::PraticaForm& f = m_form;
    parties::PartyChoices& scelte = m_parties.choices();
    QString cognome, nome;

    m_idControparte = rs.value(QStringLiteral("ID_Controparte")).toInt();
    if (m_idControparte != 1 && m_parties.nomiAnagrafica(m_idControparte, &cognome, &nome)) {
        m_header.setCognomeControparte(cognome);
        m_header.setNomeControparte(nome);
    }

    const NomiParte acp = nomiParte(m_parties, rs, QStringLiteral("ID_Acp"), QStringLiteral("AcpCognome"),
                                    QStringLiteral("AcpNome"));
    scelte.idAcp = acp.id;
    scelte.nomeAcp = acp.nome;
    f.cmbCognomeLegaleCP.setText(acp.cognome);
    f.txtNomeLegaleControparte.setText(acp.nome);

    // No invoice party (1) shows nothing: the fields keep no name of the case shown before.
    scelte.idFatturareA = rs.value(QStringLiteral("ID_FatturareA")).toInt();
    cognome.clear();
    nome.clear();
    if (scelte.idFatturareA > 1) m_parties.nomiAnagrafica(scelte.idFatturareA, &cognome, &nome);
    f.cmbFatturaACognome.setText(cognome);
    f.lblNomeFatturareA.setCaption(nome);

    const NomiParte corrispondente =
        nomiParte(m_parties, rs, QStringLiteral("ID_Corrispondente"), QStringLiteral("CognomeCorrispondente"),
                  QStringLiteral("NomeCorrispondente"));
    scelte.idCorrispondente = corrispondente.id;
    scelte.nomeCorrispondente = corrispondente.nome;
    f.cmbCorrispondente.setText(corrispondente.cognome);
    f.txtNomeCorrispondente.setText(corrispondente.nome);
}

// Which sections a case of this classifier shows: the criminal tab for "PENALE", the court fee
// for the others, neither authority nor criminal tab without a classifier.
void TolmoPratica::riempieClassificatore(Recordset& rs, int idPenale) {
    core::PraticaForm& f = m_form;
    const int idCla = rs.value(QStringLiteral("ID_Cla")).toInt();
    const auto civile = [&](bool shown) {
        for (form::Control* c : {static_cast<form::Control*>(&f.cmbCodOggetto), &f.Label1, f.picXP[0]})
            c->setVisible(shown);
    };
    const auto sezioneGiudice = [&](bool shown) {
        for (form::Control* c :
             {&f.txtSezione, &f.lblSezione, static_cast<form::Control*>(&f.txtIstruttore), &f.lblIstruttore})
            c->setVisible(shown);
    };
    const auto autorita = [&](bool shown) {
        f.cmbAutorita.setVisible(shown);
        f.lblAutorita.setVisible(shown);
    };

    if (idCla <= 1) {
        f.cmbClassificatore.setSelectedRow(-1);
        f.cmbClassificatore.setText(QString());
        autorita(false);
        sezioneGiudice(true);
        nascondiSchedaPenale();
        civile(true);
        m_idClassificatore = 1;
        m_freeFields.RipristinaCampiLiberi();
        return;
    }

    f.cmbClassificatore.setSelectedRow(f.cmbClassificatore.findRow(1, QString::number(idCla)));
    f.cmbClassificatore.setText(m_freeFields.GetClassificatore(idCla));
    m_idClassificatore = idCla;
    m_freeFields.SelezionaClassificatore(idCla);
    if (idCla == idPenale) {
        // A criminal case has no court fee: the notes take its place.
        f.optCU.setIndex(1);
        f.FraContributo_2.setVisible(false);
        f.cmdEstremi.setVisible(false);
        f.optCU.setVisible(false);
        f.txtNOTE.setVisible(true);
        autorita(true);
        f.cmbAutorita.setText(rs.text(QStringLiteral("Autorita")));
        f.SSTabPratica.setTabCaption(core::TabSoggetti, QStringLiteral("S. COINV."));
        f.SSTabPratica.setTabVisible(core::TabPenale, true);
        f.SSTabPratica.setCurrent(core::TabPenale);
        if (m_editState == Consultazione) {
            fillCriminalFields(rs);
            if (hasField(rs, QStringLiteral("IsParteCivile")))
                f.chkImpPartCiv.setChecked(rs.value(QStringLiteral("IsParteCivile")).toBool());
        }
    } else {
        f.optCU.setVisible(true);
        autorita(false);
        sezioneGiudice(true);
        f.SSTabPratica.setTabCaption(core::TabSoggetti, QStringLiteral("SOGG. COINVOLTI"));
        nascondiSchedaPenale();
        civile(true);
    }
}

// Currency, value, injunction sum and relevance.
void TolmoPratica::riempieValori(Recordset& rs) {
    core::PraticaForm& f = m_form;
    const QString valuta = rs.text(QStringLiteral("Valuta"));
    const Currency cambio = rs.currency(QStringLiteral("Cambio"));
    SettaValuta(valuta, cambio);
    SettaCambioValuta(cambio, valuta);
    const auto importo = [&](const QString& field) -> std::optional<Currency> {
        if (rs.isNull(field)) return std::nullopt;
        return rs.currency(field);
    };
    f.TEDDenaroValore.setAmount(importo(QStringLiteral("Valore")));
    f.TedDenaroSommaIng.setAmount(importo(QStringLiteral("SommaIngiunta")));
    f.TEDNumRilevanza.setText(rs.text(QStringLiteral("Rilevanza")));
}

// The classifier's free fields that are in use show the first 64 characters of their column.
void TolmoPratica::riempieCampiLiberi(Recordset& rs) {
    for (int i = 0; i < core::PraticaForm::kCampiLiberi; ++i) {
        if (!m_form.lblCampo[i]->visible()) continue;
        try {
            const QString testo = rs.text(QStringLiteral("Campo") + QString::number(i + 1)).trimmed();
            m_form.txtCampo[i]->setText(testo.left(kCampiLiberiMostrati));
        } catch (const DbError&) {
            // A column that cannot be read leaves the field as it was.
        }
    }
}

void TolmoPratica::riempieTariffa(Recordset& rs) {
    if (!m_tariffa) m_tariffa = std::make_unique<clsTariffa>();
    m_tariffa->TipoTariffa = static_cast<short>(core::numeroIniziale(rs.text(QStringLiteral("TipoTariffa"))));
    m_tariffa->Maggiorazione = rs.value(QStringLiteral("Maggiorazione")).toDouble();
    m_tariffa->ImportoFlat = rs.currency(QStringLiteral("Flat"));
    mostraTariffa();
}

void TolmoPratica::mostraTariffa() {
    const clsTariffa nessuna;
    const clsTariffa& t = m_tariffa ? *m_tariffa : nessuna;
    m_form.lblTariffaImpostata.setCaption(etichettaTariffa(t));
    m_form.lblTarDati.setCaption(dettaglioTariffa(t));
}

void TolmoPratica::ricaricaPratica() {
    trap(kLetturaPratica, [&] {
        m_header.caricaPratica(m_currentId);
        AccessoDati pratica;
        pratica.Apri(m_connReadOnly, core::sqlVisualizzaPratica(m_currentId, m_header.isPenale()),
                     adLockReadOnly);
        if (!pratica.recordset().Eof()) RiempeCampiAVideo(pratica.recordset());
        pratica.Chiudi();
    });
}

void TolmoPratica::Annulla() {
    commitGridEdits();
    const short stato = m_editState;
    // The stored case comes back whole, in consultation: criminal fields included.
    m_editState = Consultazione;
    if (stato == Inserimento_) {
        if (m_header.provvisorio()) abandonInsertionExtensions();
        if (m_currentId == 0) {
            ClearForm();
            m_header.clear();
            nascondiSchedaPenale();
        } else {
            ricaricaPratica();
        }
    } else if (stato == Modifica_) {
        ricaricaPratica();
    }
    // The row Modifica opened is let go unwritten.
    m_pratica.reset();
    m_header.setMode(core::CaseHeader::Consultation);
    DisabilitaInput();
}

}  // namespace tolmo
