#include "ArchiveForm.h"

#include <QDir>
#include <QFileInfo>
#include <atomic>
#include <thread>
#include <tuple>

#include "HostKit.h"
#include "RecentArchives.h"
#include "access/DatabaseUrl.h"
#include "core/TolmoPratica.h"
#include "schema/Schema.h"

namespace tolmo::hostkit {

namespace {
const QString kTitolo = QStringLiteral("Apri archivio");
constexpr int kPortaPostgres = 5432;
}  // namespace

ArchiveForm::ArchiveForm(platform::Settings& settings, form::Interaction& ui)
    : form::Form(QStringLiteral("frmApriArchivio")), m_settings(settings), m_ui(ui) {
    setCaption(kTitolo);
    optTipo.setCaption(QStringLiteral("Dove si trova l'archivio"));
    cmdSfoglia.setCaption(QStringLiteral("&Sfoglia..."));
    lblPassword.setCaption(
        QStringLiteral("La password non si scrive qui: PostgreSQL la legge da PGPASSWORD, da ~/.pgpass o dal "
                       "file di servizio, e il programma non la conserva."));
    chkDemo.setCaption(QStringLiteral("Se l'archivio è nuovo, riempirlo con lo studio &dimostrativo"));
    lblAvviso.setForeColor(form::kColoreRosso);
    cmdApri.setCaption(QStringLiteral("&Apri"));
    cmdAnnulla.setCaption(QStringLiteral("Annulla"));
    optTipo.on(form::EventKind::Click, [this](form::ControlEvent&) { abilita(); });
    lstRecenti.on(form::EventKind::Choose, [this](form::ControlEvent& e) {
        if (e.row >= 0 && e.row < m_recenti.size()) mostra(m_recenti.at(e.row));
    });
    cmdApri.on(form::EventKind::Click, [this](form::ControlEvent&) { apri(); });
    cmdAnnulla.on(form::EventKind::Click, [this](form::ControlEvent&) {
        m_aperto.clear();
        setShown(false);
    });
}

void ArchiveForm::prepara(const QString& avviso) {
    m_aperto.clear();
    m_recenti = RecentArchives(m_settings).elenco();
    QStringList righe;
    for (const QString& url : m_recenti) righe.append(descriviArchivio(url));
    lstRecenti.setRows(righe);
    chkDemo.setChecked(false);
    lblAvviso.setCaption(avviso);
    mostra(m_recenti.isEmpty() ? QString() : m_recenti.first());
}

void ArchiveForm::mostra(const QString& url) {
    const auto parsed = DatabaseUrl::parse(url);
    const bool server = parsed && parsed->dialect == Dialect::PostgreSQL;
    txtFile.setText(parsed && !server ? QDir::toNativeSeparators(parsed->path) : QString());
    txtServer.setText(server ? parsed->host : QStringLiteral("localhost"));
    txtPorta.setText(QString::number(server ? parsed->port : kPortaPostgres));
    txtDatabase.setText(server ? parsed->database : QString());
    txtUtente.setText(server ? parsed->user : qEnvironmentVariable("USER"));
    optTipo.setIndex(server ? Server : File);
    abilita();
}

void ArchiveForm::abilita() {
    const bool server = optTipo.index() == Server;
    txtFile.setEnabled(!server);
    cmdSfoglia.setEnabled(!server);
    for (form::Control* c : {&txtServer, &txtPorta, &txtDatabase, &txtUtente}) c->setEnabled(server);
}

void ArchiveForm::rifiuta(const QString& testo, form::Control& campo) {
    m_ui.messageBox(testo, kTitolo, form::MsgButtons::OK, form::MsgIcon::Information);
    campo.setFocus();
}

QString ArchiveForm::indirizzo() { return optTipo.index() == Server ? indirizzoServer() : indirizzoFile(); }

QString ArchiveForm::indirizzoFile() {
    const QString typed = txtFile.text().trimmed();
    if (typed.isEmpty()) {
        rifiuta(QStringLiteral("Indicare il file dell'archivio."), txtFile);
        return {};
    }
    const QFileInfo file(QDir::fromNativeSeparators(typed));
    if (file.isDir()) {
        rifiuta(QStringLiteral("«%1» è una cartella: indicare il file dell'archivio.").arg(typed), txtFile);
        return {};
    }
    if (!file.exists() &&
        m_ui.messageBox(QStringLiteral("Il file «%1» non esiste: creare un nuovo archivio?").arg(typed),
                        kTitolo, form::MsgButtons::YesNo, form::MsgIcon::Question) != form::MsgAnswer::Yes) {
        txtFile.setFocus();
        return {};
    }
    DatabaseUrl url;
    url.path = file.absoluteFilePath();
    return url.toString();
}

QString ArchiveForm::indirizzoServer() {
    const struct {
        form::Control& campo;
        const char* manca;
    } richiesti[] = {{txtServer, "Indicare il server PostgreSQL."},
                     {txtDatabase, "Indicare il database dell'archivio."},
                     {txtUtente, "Indicare l'utente del server."}};
    for (const auto& r : richiesti)
        if (r.campo.text().trimmed().isEmpty()) {
            rifiuta(QString::fromUtf8(r.manca), r.campo);
            return {};
        }
    DatabaseUrl url;
    url.dialect = Dialect::PostgreSQL;
    url.host = txtServer.text().trimmed();
    url.database = txtDatabase.text().trimmed();
    url.user = txtUtente.text().trimmed();
    const QString porta = txtPorta.text().trimmed();
    bool numero = true;
    url.port = porta.isEmpty() ? kPortaPostgres : porta.toInt(&numero);
    if (!numero || url.port < 1 || url.port > 65535) {
        rifiuta(QStringLiteral("La porta del server è un numero da 1 a 65535."), txtPorta);
        return {};
    }
    if (url.database.contains(u'/')) {
        rifiuta(QStringLiteral("Il nome del database non può contenere «/»."), txtDatabase);
        return {};
    }
    const QString text = url.toString();
    const auto back = DatabaseUrl::parse(text);
    if (!back || back->host.compare(url.host, Qt::CaseInsensitive) != 0) {
        rifiuta(QStringLiteral("«%1» non è un nome di server valido.").arg(url.host), txtServer);
        return {};
    }
    // Unicode's noncharacters do not survive an address.
    for (auto [campo, scritto, letto] : {std::tuple{&txtDatabase, url.database, back->database},
                                         std::tuple{&txtUtente, url.user, back->user}})
        if (scritto != letto) {
            rifiuta(QStringLiteral("«%1» contiene caratteri che l'indirizzo del database non può portare.")
                        .arg(scritto),
                    *campo);
            return {};
        }
    return text;
}

// A server is first tried on another thread, so that one slow to answer leaves the window
// painting under the busy pointer until the connection attempt gives up.
QString ArchiveForm::provaServer(const QString& url) {
    if (DatabaseUrl::parse(url).value_or(DatabaseUrl{}).dialect != Dialect::PostgreSQL) return {};
    std::atomic<bool> finito{false};
    QString motivo;
    std::thread prova([&] {
        try {
            Connection::open(url);
        } catch (const DbError& e) {
            motivo = e.description();
        }
        finito = true;
    });
    m_ui.attendi([&] { return finito.load(); });
    prova.join();
    return motivo;
}

void ArchiveForm::apri() {
    const QString url = indirizzo();
    if (url.isEmpty()) return;
    try {
        form::BusyPointer busy(m_ui);
        if (const QString motivo = provaServer(url); !motivo.isEmpty()) throw DbError(motivo, url, -1);
        const auto avvisa = [this](int from, int to) {
            m_ui.messageBox(testoAggiornamento(from, to), kTitolo, form::MsgButtons::OK,
                            form::MsgIcon::Information);
        };
        schema::openDatabase(url, avvisa,
                             chkDemo.checked() ? schema::NuovoArchivio::StudioDimostrativo
                                               : schema::NuovoArchivio::StudioVuoto);
    } catch (const DbError& e) {
        lblAvviso.setCaption(e.description());
        m_ui.messageBox(
            e.description() + QStringLiteral("\n\nScegliere un altro archivio o correggere i dati."), kTitolo,
            form::MsgButtons::OK, form::MsgIcon::Exclamation);
        return;
    }
    RecentArchives(m_settings).ricorda(url);
    m_aperto = url;
    setShown(false);
}

QString cambioArchivioNegato(short editState) {
    if (editState != TolmoPratica::Modifica_ && editState != TolmoPratica::Inserimento_) return {};
    return QStringLiteral("Confermare o annullare la pratica prima di aprire un altro archivio.");
}

QString scegliArchivio(platform::Settings& settings, form::Interaction& ui, const QString& avviso) {
    ArchiveForm form(settings, ui);
    form.prepara(avviso);
    ui.showModal(form);
    return form.archivio();
}

}  // namespace tolmo::hostkit
