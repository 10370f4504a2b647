#include "PartyCard.h"

#include <QUrl>

namespace tolmo::parties {

namespace {

const QString kAcapo = QStringLiteral("\n");
/// The line break the mail texts of the case carry, already encoded for a link.
const QString kFineRigaMail = QStringLiteral("%0D%0A");

/// Percent-encodes a text for a link, leaving its encoded line breaks as they are.
QString codificaMail(const QString& testo) {
    QStringList parti = testo.split(kFineRigaMail);
    for (QString& p : parti) p = QString::fromLatin1(QUrl::toPercentEncoding(p));
    return parti.join(kFineRigaMail);
}

}  // namespace

SchedaAnagrafica ComponiScheda(Recordset& rs) {
    SchedaAnagrafica s;
    const auto campo = [&rs](const char* nome) { return rs.text(QString::fromLatin1(nome)).trimmed(); };
    const QString intestazione = rs.text(QStringLiteral("Cognome")).toUpper() + QStringLiteral("  ") +
                                 rs.text(QStringLiteral("Nome")).toUpper() + kAcapo + kAcapo;
    if (intestazione.contains(QStringLiteral("NULLO"))) {
        s.testo = QStringLiteral("ANAGRAFICA INESISTENTE");
        return s;
    }
    const bool fisica = rs.value(QStringLiteral("IsFisicaGiuridica")).toBool();
    const QString residenza = fisica ? QStringLiteral("residente in ") : QStringLiteral("con sede in ");
    const QString nascita = !fisica                                 ? QStringLiteral("costituita ")
                            : campo("Sesso") == QStringLiteral("M") ? QStringLiteral("nato ")
                                                                    : QStringLiteral("nata ");
    QString t = intestazione;
    const QString luogo = campo("LuogoNascita");
    const QDate data = rs.value(QStringLiteral("DataNascita")).toDate();
    const QString giorno = data.isValid() ? data.toString(QStringLiteral("dd/MM/yyyy")) : QString();
    if (!luogo.isEmpty() || !giorno.isEmpty()) {
        t += nascita;
        if (!luogo.isEmpty()) t += QStringLiteral("in ") + luogo;
        if (!giorno.isEmpty()) t += QStringLiteral(" il ") + giorno;
    }
    if (!campo("CittaRes").isEmpty()) {
        t += kAcapo + residenza + campo("CittaRes");
        if (!campo("IndirizzoRes").isEmpty()) {
            t += kAcapo + campo("IndirizzoRes");
            if (!campo("NumCivicoRes").isEmpty()) t += QStringLiteral(" n. ") + campo("NumCivicoRes");
        }
    }
    const QString fiscale = fisica ? campo("CodiceFiscale") : campo("PartitaIva");
    if (!fiscale.isEmpty())
        t += kAcapo + (fisica ? QStringLiteral("C.F. :  ") : QStringLiteral("P.I. :  ")) + fiscale;
    const std::pair<const char*, const char*> telefoni[] = {{"Tel :  ", "NumeroTel"},
                                                            {"Fax :  ", "NumeroFax"},
                                                            {"Tel 2:  ", "NumeroTel_2"},
                                                            {"Tel 3 :  ", "NumeroTel_3"},
                                                            {"Tel 4 :  ", "NumeroTel_4"}};
    for (const auto& [etichetta, colonna] : telefoni)
        if (!campo(colonna).isEmpty()) t += kAcapo + QString::fromLatin1(etichetta) + campo(colonna);
    s.testo = t;
    s.mail = campo("Email");
    if (!s.mail.isEmpty()) s.etichettaMail = QStringLiteral("E-mail :  ");
    return s;
}

QString indirizzoMail(const QString& indirizzo, const QString& oggetto, const QString& corpo) {
    QString link = QStringLiteral("mailto:") + QString::fromLatin1(QUrl::toPercentEncoding(indirizzo, "@"));
    if (!oggetto.isEmpty()) link += QStringLiteral("?subject=") + codificaMail(oggetto);
    if (!corpo.isEmpty())
        link += (oggetto.isEmpty() ? QStringLiteral("?") : QStringLiteral("&")) + QStringLiteral("body=") +
                codificaMail(corpo);
    return link;
}

bool ApriMail(form::Interaction& ui, const QString& indirizzo, const QString& oggetto, const QString& corpo,
              form::Form* owner) {
    return ui.shellOpen(indirizzoMail(indirizzo, oggetto, corpo), owner);
}

void scriviMail(core::ComponentServices& services, const QString& indirizzo, const QString& oggetto,
                const QString& corpo, form::Form* owner) {
    if (!ApriMail(services.ui(), indirizzo, oggetto, corpo, owner))
        services.ui().messageBox(QStringLiteral("Impossibile aprire e-mail !"), services.messageTitle(),
                                 form::MsgButtons::OK, form::MsgIcon::Information);
}

FrmInfoAnagrafica::FrmInfoAnagrafica(core::ComponentServices& services)
    : form::Form(QStringLiteral("frmInfoAnagrafica")), m_services(services) {
    setCaption(QStringLiteral("Informazioni Anagrafica"));
    cmdChiudi.setCaption(QStringLiteral("&Chiudi"));
    lblInfo2.on(form::EventKind::Click, [this](form::ControlEvent&) { scrivi(); });
    cmdChiudi.on(form::EventKind::Click, [this](form::ControlEvent&) { setShown(false); });
}

void FrmInfoAnagrafica::ComponiInfoAnagrafica(Recordset& rs, const QString& oggetto, const QString& corpo) {
    const SchedaAnagrafica s = ComponiScheda(rs);
    lblInfo.setCaption(s.testo);
    Label1.setCaption(s.etichettaMail);
    lblInfo2.setCaption(s.mail);
    lblInfo2.setVisible(!s.mail.isEmpty());
    m_oggetto = s.mail.isEmpty() ? QString() : oggetto;
    m_corpo = s.mail.isEmpty() ? QString() : corpo;
    m_services.ui().showModal(*this);
}

void FrmInfoAnagrafica::scrivi() {
    QString indirizzo = lblInfo2.caption();
    if (indirizzo.isEmpty()) return;
    indirizzo.remove(QStringLiteral("E-mail :  "));
    scriviMail(m_services, indirizzo, m_oggetto, m_corpo, this);
    setShown(false);
}

void mostraScheda(core::ComponentServices& services, FrmInfoAnagrafica& card, int id, const QString& oggetto,
                  const QString& corpo) {
    if (id == 0) return;
    services.trap(QStringLiteral("Informazioni Anagrafica"), [&] {
        AccessoDati dati;
        {
            form::BusyPointer busy(services.ui());
            dati.Apri(services.connReadOnly(),
                      QStringLiteral("SELECT * FROM Anagrafica WHERE ID_Ana = ") + QString::number(id),
                      adLockReadOnly);
        }
        if (!dati.recordset().Eof()) card.ComponiInfoAnagrafica(dati.recordset(), oggetto, corpo);
        dati.Chiudi();
    });
}

}  // namespace tolmo::parties
