#include "PartyCards.h"

#include "core/model/CaseHeader.h"
#include "core/model/MailText.h"

namespace tolmo::parties {

namespace {
using form::ControlEvent;
using form::EventKind;
}  // namespace

PartyCards::PartyCards(core::ComponentServices& services, core::PraticaForm& form, PartyLookups& lookups,
                       InvolvedSubjects& subjects)
    : frmInfoAnagrafica(services),
      frmAggiungiAnag(services),
      m_services(services),
      m_form(form),
      m_lookups(lookups),
      m_subjects(subjects) {
    const auto button = [this](Control& c, std::function<int()> id) {
        c.on(EventKind::Click, [this, id](ControlEvent&) { mostra(id()); });
    };
    PartyFields& f = lookups.fields;
    button(f.cmdInfoAvvCp, [this] { return m_lookups.choices().idAcp; });
    button(f.cmdInfoCorr, [this] { return m_lookups.choices().idCorrispondente; });
    button(f.cmdInfoFatt, [this] { return m_lookups.choices().idFatturareA; });
    button(form.cmdInfoIstruttore, [this] { return m_lookups.choices().idIstruttore; });
    button(subjects.fields.cmdInfoSoggetti, [this] { return m_subjects.idSoggetto(); });
    subjects.fields.cmdaggiungiAnag.on(EventKind::Click, [this](ControlEvent&) { aggiungiAnagrafica(); });
    QObject::connect(&services.header(), &core::CaseHeader::parteCliccata, &services.header(),
                     [this](int id) { parteDellaTestata(id); });
}

void PartyCards::mostra(int id) {
    mostraScheda(m_services, frmInfoAnagrafica, id, m_form.cmbOggetto.text(),
                 core::TestoMailPratica(m_services, m_form));
}

void PartyCards::parteDellaTestata(int id) {
    if (id == 0) return;
    if (m_services.editState() != 1 || id == 1) {
        mostra(id);
        return;
    }
    QVariantMap parte;
    const bool letta = m_services.trap(QStringLiteral("Informazioni Anagrafica"), [&] {
        form::BusyPointer busy(m_services.ui());
        AccessoDati dati;
        dati.Apri(m_services.connReadOnly(),
                  QStringLiteral("SELECT * FROM Anagrafica WHERE ID_Ana = ") + QString::number(id),
                  adLockReadOnly);
        Recordset& rs = dati.recordset();
        if (!rs.Eof()) {
            parte.insert(QStringLiteral("ID"), rs.value(QStringLiteral("ID_Ana")));
            parte.insert(QStringLiteral("COGNOME"), rs.text(QStringLiteral("Cognome")));
            parte.insert(QStringLiteral("NOME"), rs.text(QStringLiteral("Nome")));
            parte.insert(QStringLiteral("EMAIL"), rs.text(QStringLiteral("Email")));
            parte.insert(QStringLiteral("ISFISICAGIURIDICA"), rs.value(QStringLiteral("IsFisicaGiuridica")));
        }
        dati.Chiudi();
    });
    if (!letta || parte.isEmpty()) return;
    parte.insert(QStringLiteral("OGGETTO"), m_form.cmbOggetto.text());
    parte.insert(QStringLiteral("BODY"), core::TestoMailPratica(m_services, m_form));
    frmAggiungiAnag.modifica(parte, m_services.connReadWrite());
    // The header shows the party as it is stored now.
    core::CaseHeader& header = m_services.header();
    m_services.trap(QStringLiteral("Informazioni Anagrafica"), [&] {
        QString cognome, nome;
        if (!m_lookups.nomiAnagrafica(id, &cognome, &nome)) return;
        if (id == header.idCliente()) {
            header.setCognomeCliente(cognome);
            header.setNomeCliente(nome);
        }
        if (id == header.idControparte()) {
            header.setCognomeControparte(cognome);
            header.setNomeControparte(nome);
        }
    });
}

void PartyCards::aggiungiAnagrafica() {
    Control& target = m_subjects.fields.cmdInfoSoggetti;
    target.setTag(QString());
    frmAggiungiAnag.nuova(target, m_services.connReadWrite());
    m_services.raiseSetDummy();
    m_subjects.fields.cmbSoggetto.setSelectedRow(-1);
    if (!target.tag().isEmpty()) m_subjects.selezionaSoggetto(target.tag().toInt());
}

}  // namespace tolmo::parties
