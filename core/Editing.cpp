// Starting an edit: a new case, or the stored one opened for update.

#include <QDate>

#include "Builtin.h"
#include "CaseSql.h"
#include "access/RowVersion.h"

namespace tolmo {

namespace {
const QString kStartup = QStringLiteral("startup");
}  // namespace

void TolmoPratica::Inserimento() {
    m_editState = Inserimento_;
    // A new case starts with an empty header and the accounting owner last shown.
    m_header.clear();
    m_header.setMode(core::CaseHeader::Insertion);
    form::ListControl& contabilita = m_builtin->references.fields.cmbContabilita;
    const QString titolare = contabilita.text();
    NuovaPratica();
    contabilita.setText(titolare);
}

void TolmoPratica::NuovaPratica() {
    core::PraticaForm& f = m_form;
    m_ufficioModifica.clear();
    m_idCliente = 0;
    ClearForm();

    SettaNumAuto();

    abilitaModifica();
    perSection([](core::CaseSection& s) { s.newCase(); });

    if (m_settings.value(kStartup, QStringLiteral("ConfPenale")) == QStringLiteral("1")) {
        f.SSTabPratica.setTabVisible(core::TabPenale, true);
        f.SSTabPratica.setCurrent(core::TabPenale);
        RiempieClassificatore();
        const int penale = f.cmbClassificatore.findRow(0, QStringLiteral("PENALE"));
        if (penale >= 0) {
            f.cmbClassificatore.setSelectedRow(penale);
            form::ControlEvent chosen;
            chosen.kind = form::EventKind::Choose;
            chosen.row = penale;
            f.cmbClassificatore.fire(chosen);
        }
    } else {
        f.cmbClassificatore.setSelectedRow(-1);
        f.cmbClassificatore.setText(QString());
        m_classificatore = {};
    }

    for (form::ListControl* list : {&f.cmbSottoarea, &f.cmbTipologia}) {
        list->setSelectedRow(-1);
        list->setText(QString());
    }
    const int scheda = f.SSTabPratica.current();
    f.SSTabPratica.setCurrent(core::TabGenerale);
    f.txtNOTE.setLocked(false);
    f.SSTabPratica.setCurrent(scheda);

    f.TedDataInizio.setText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    const QString rilevanza = m_settings.value(kStartup, QStringLiteral("Rilevanza"));
    f.TEDNumRilevanza.setText(rilevanza.isEmpty() ? QStringLiteral("100") : rilevanza);
    f.cmdTariffa.setEnabled(true);
}

void TolmoPratica::SettaNumAuto() {
    const bool ok = trap(QStringLiteral("Caricamento Numero di Posizione"), [&] {
        if (GetIsNumAuto()) m_header.proponiPosizione(core::prossimaPosizione(m_connReadWrite));
    });
    if (!ok) m_header.setPosizione(QString());
}

bool TolmoPratica::GetIsNumAuto() {
    AccessoDati dati;
    dati.Apri(m_connReadWrite, QStringLiteral("SELECT * FROM ConfigGenerale"), adLockReadOnly);
    const bool numAuto =
        !dati.recordset().Eof() && dati.recordset().value(QStringLiteral("NumAuto")).toBool();
    dati.Chiudi();
    return numAuto;
}

bool TolmoPratica::Modifica() { return modifica(0); }

bool TolmoPratica::Modifica(int Id) { return modifica(Id); }

bool TolmoPratica::modifica(int Id) {
    if (Id > 1) m_currentId = Id;
    m_ufficioModifica = m_form.txtUfficioIscrizione.text();
    if (m_currentId == 0) {
        message(QStringLiteral("Nessuna Pratica è Selezionata."), form::MsgButtons::OK,
                form::MsgIcon::Information);
        emit SetDummy();
        return false;
    }

    m_builtin->references.resetSelezioni();
    m_editState = Modifica_;
    if (!ModificaPratica()) {
        // The row could not be opened: nothing to edit.
        m_editState = Consultazione;
        m_header.setMode(core::CaseHeader::Consultation);
        emit SetDummy();
        return false;
    }
    abilitaModifica();
    m_form.txtNOTE.setLocked(false);
    m_form.cmdTariffa.setEnabled(true);
    emit SetDummy();
    return true;
}

bool TolmoPratica::ModificaPratica() {
    bool aperta = false;
    trap(QStringLiteral("Lettura Pratica"), [&] {
        auto pratica = std::make_unique<AccessoDati>();
        pratica->Apri(m_connReadWrite, core::sqlPratica(m_currentId), adLockOptimistic);
        if (pratica->recordset().Eof()) {
            message(QStringLiteral("Nessuna Pratica è Selezionata."), form::MsgButtons::OK,
                    form::MsgIcon::Information);
            return;
        }
        m_pratica = std::move(pratica);
        // The header shows the case being modified: the save writes its position and parties.
        // Saved elsewhere since it was shown, it is read again with the rest.
        if (m_header.caseId() != m_currentId || m_pratica->recordset().value(kVersioneRiga) != m_versione)
            m_header.caricaPratica(m_currentId);
        m_header.setMode(core::CaseHeader::Modification);
        // A case that cannot be read whole is not opened: the fields could still hold the
        // previous case's values, and the save would write them into this one.
        if (!m_header.isPenale()) {
            aperta = RiempeCampiAVideo(m_pratica->recordset());
            return;
        }
        // The access layer writes to one table only: the save writes through the Pratica row
        // opened above, and the join with the criminal row is read for the form alone. A
        // criminal case still without its criminal row shows its Pratica row.
        AccessoDati penale;
        penale.Apri(m_connReadWrite, core::sqlPraticaPenale(m_currentId), adLockOptimistic);
        aperta = RiempeCampiAVideo(penale.recordset().Eof() ? m_pratica->recordset() : penale.recordset());
        penale.Chiudi();
    });
    if (!aperta) m_pratica.reset();
    return aperta;
}

}  // namespace tolmo
