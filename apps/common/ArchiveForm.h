#pragma once
// "Apri archivio" (frmApriArchivio): the archive a host works on, a SQLite file on this
// computer or a database on the firm's PostgreSQL server, chosen among the recent ones or
// typed. "Apri" opens it for real: a new archive gets the schema (and the demo firm when
// asked), an older one is upgraded after saying so; an archive that cannot be opened is told
// in one sentence and the form stays open for another choice. The password is never asked:
// libpq reads it from PGPASSWORD, ~/.pgpass or the service file.

#include <QStringList>

#include "form/Form.h"
#include "form/Interaction.h"
#include "platform/Settings.h"

namespace tolmo::hostkit {

class ArchiveForm : public form::Form {
public:
    enum Tipo { File = 0, Server = 1 };

    ArchiveForm(platform::Settings& settings, form::Interaction& ui);

    /// Lists the recent archives and shows the last one; `avviso` (why the last archive did not
    /// open, say) is written above the buttons.
    void prepara(const QString& avviso = {});
    /// Shows `url` in the fields, as choosing it among the recent ones does.
    void mostra(const QString& url);
    /// The URL of the archive "Apri" opened, "" when the form was closed without opening one.
    const QString& archivio() const { return m_aperto; }

    form::OptionGroup optTipo{this, QStringLiteral("optTipo"), 2};
    form::ListControl lstRecenti{this, QStringLiteral("lstRecenti"), form::ControlKind::ListBox};
    form::Control txtFile{this, QStringLiteral("txtFile"), form::ControlKind::TextBox};
    form::Control cmdSfoglia{this, QStringLiteral("cmdSfoglia"), form::ControlKind::Button};
    form::Control txtServer{this, QStringLiteral("txtServer"), form::ControlKind::TextBox};
    form::Control txtPorta{this, QStringLiteral("txtPorta"), form::ControlKind::TextBox};
    form::Control txtDatabase{this, QStringLiteral("txtDatabase"), form::ControlKind::TextBox};
    form::Control txtUtente{this, QStringLiteral("txtUtente"), form::ControlKind::TextBox};
    form::Control lblPassword{this, QStringLiteral("lblPassword"), form::ControlKind::Label};
    form::CheckBox chkDemo{this, QStringLiteral("chkDemo")};
    form::Control lblAvviso{this, QStringLiteral("lblAvviso"), form::ControlKind::Label};
    form::Control cmdApri{this, QStringLiteral("cmdApri"), form::ControlKind::Button};
    form::Control cmdAnnulla{this, QStringLiteral("cmdAnnulla"), form::ControlKind::Button};

private:
    void abilita();
    /// The URL the fields describe; "" after telling the person what is missing.
    QString indirizzo();
    QString indirizzoFile();
    QString indirizzoServer();
    void rifiuta(const QString& testo, form::Control& campo);
    /// Why the PostgreSQL server of `url` cannot be opened, "" when it can (or for a file).
    QString provaServer(const QString& url);
    void apri();

    platform::Settings& m_settings;
    form::Interaction& m_ui;
    QStringList m_recenti;
    QString m_aperto;
};

/// Why a component in `editState` may not leave its archive, "" when it may: a case being modified
/// or inserted is confirmed or cancelled first.
QString cambioArchivioNegato(short editState);

/// Shows "Apri archivio" through `ui`, with `avviso` written in it; the URL of the archive the
/// person opened, "" when they gave up.
QString scegliArchivio(platform::Settings& settings, form::Interaction& ui, const QString& avviso = {});

}  // namespace tolmo::hostkit
