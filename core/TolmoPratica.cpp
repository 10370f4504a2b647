#include "TolmoPratica.h"

#include <QDate>

#include "Builtin.h"
#include "core/model/ColumnLimits.h"

namespace tolmo {

using form::MsgAnswer;
using form::MsgButtons;
using form::MsgIcon;

namespace {

// The component's own background, which the picture strip takes on.
constexpr long kBackColour = 0xF0F0F0;

// A rate as the firm writes it: decimal comma, no grouping, no trailing zeros ("1936,27").
QString plainItalian(Currency value) {
    QString s = value.toSqlText();
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0'))) s.chop(1);
        if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    }
    return s.replace(QLatin1Char('.'), QLatin1Char(','));
}

}  // namespace

TolmoPratica::TolmoPratica(form::Interaction& ui, platform::Settings& settings, QObject* parent)
    : QObject(parent), m_ui(ui), m_settings(settings) {
    registerSections();
    initialize();
    core::limitaAlleColonne(m_form);
    core::limitaAlleColonne(m_header.controls());
}

TolmoPratica::~TolmoPratica() { Terminate(); }

void TolmoPratica::initialize() {
    for (form::Control* pic : m_form.picXP) pic->setBackColor(kBackColour);
    m_form.cmbCodOggetto.setVisible(true);
    m_form.Label1.setVisible(true);

    // The three catalogue lists are read again each time they drop down.
    m_form.cmbClassificatore.on(form::EventKind::DropDown,
                                [this](form::ControlEvent&) { RiempieClassificatore(); });
    m_form.cmbSottoarea.on(form::EventKind::DropDown, [this](form::ControlEvent&) { RiempieSottoarea(); });
    m_form.cmbTipologia.on(form::EventKind::DropDown, [this](form::ControlEvent&) { RiempieTipologia(); });
    m_form.cmbClassificatore.on(form::EventKind::Choose,
                                [this](form::ControlEvent& e) { sceltaClassificatore(e.row); });
    m_form.SSTabPratica.on(form::EventKind::Click, [this](form::ControlEvent& e) { cambiaScheda(e.index); });
    m_form.TEDNumRilevanza.on(form::EventKind::LostFocus,
                              [this](form::ControlEvent&) { controllaRilevanza(); });
    m_header.setServices(this);
    connect(&m_header, &core::CaseHeader::praticaScelta, this, [this](int id) {
        emit SettaPratica(id);
        emit ChangePratica();
    });
}

// ---------------------------------------------------------------- properties

void TolmoPratica::InitProperties() {
    m_anagIns = false;
    m_cambio = Currency();
    m_valuta = QStringLiteral("LIRA");
}

void TolmoPratica::ReadProperties(const core::PropertyBag& bag) {
    m_anagIns = bag.read(QStringLiteral("AnagIns"), false).toBool();
    m_cambio = Currency::fromVariant(bag.read(QStringLiteral("Cambio"), 0));
    m_valuta = bag.read(QStringLiteral("Valuta"), QStringLiteral("LIRA")).toString();
}

void TolmoPratica::WriteProperties(core::PropertyBag& bag) const {
    bag.write(QStringLiteral("AnagIns"), m_anagIns, false);
    bag.write(QStringLiteral("Cambio"), m_cambio.toSqlText(), Currency().toSqlText());
    bag.write(QStringLiteral("Valuta"), m_valuta, QStringLiteral("LIRA"));
}

void TolmoPratica::setConnTolmo(ConnectionPtr c) {
    m_connTolmo = std::move(c);
    markChanged(QStringLiteral("ConnTolmo"));
}

void TolmoPratica::setConnReadOnly(ConnectionPtr c) {
    m_connReadOnly = std::move(c);
    markChanged(QStringLiteral("ConnReadOnly"));
}

void TolmoPratica::setConnReadWrite(ConnectionPtr c) {
    m_connReadWrite = std::move(c);
    markChanged(QStringLiteral("ConnReadWrite"));
}

void TolmoPratica::setAnagIns(bool v) {
    m_anagIns = v;
    markChanged(QStringLiteral("AnagIns"));
}

void TolmoPratica::setCAMBIO(Currency v) {
    m_cambio = v;
    markChanged(QStringLiteral("Cambio"));
}

void TolmoPratica::setVALUTA(const QString& v) {
    m_valuta = v;
    markChanged(QStringLiteral("Valuta"));
}

// ---------------------------------------------------------------- lifecycle

void TolmoPratica::Start() {
    m_title = QStringLiteral("Tolmo Studio");
    m_editState = Consultazione;

    RiempieClassificatore();
    RiempieSottoarea();
    RiempieTipologia();
    for (form::ListControl* list : {&m_form.cmbClassificatore, &m_form.cmbSottoarea, &m_form.cmbTipologia}) {
        list->setSelectedRow(-1);
        list->setText(QString());
    }

    ClearForm();
    DisabilitaInput();
    m_form.SSTabPratica.setCurrent(core::TabGenerale);
    perSection([](core::CaseSection& s) { s.start(); });
}

void TolmoPratica::Terminate() {
    perSection([](core::CaseSection& s) { s.release(); });
    m_editState = NotStarted;
    m_currentId = 0;
    m_idCliente = 0;
    m_classificatore = {};
    m_title.clear();
}

void TolmoPratica::perSection(const std::function<void(core::CaseSection&)>& step) {
    for (const auto& s : m_sections) step(*s);
}

// ---------------------------------------------------------------- errors and messages

bool TolmoPratica::trap(const QString& action, const std::function<void()>& body) {
    // Inside a save or a deletion the failure belongs to the routine that owns the transaction.
    if (m_writing) {
        body();
        return true;
    }
    try {
        body();
        return true;
    } catch (const DbError& e) {
        m_error = {e.description(), e.source(), e.number(), true};
    } catch (const std::exception& e) {
        m_error = {QString::fromUtf8(e.what()), QStringLiteral("TolmoPratica"), -1, true};
    }
    GestTolmoErrors(action);
    return false;
}

void TolmoPratica::GestTolmoErrors(const QString& szOriginatoDa) {
    m_ui.messageBox(core::errorReportText(szOriginatoDa, m_error), core::kErrorReportTitle, MsgButtons::OK,
                    MsgIcon::Critical);
    m_error = {};
    m_ui.setPointer(form::PointerDefault);
}

MsgAnswer TolmoPratica::message(const QString& text, MsgButtons buttons, MsgIcon icon, int defaultButton) {
    return m_ui.messageBox(text, m_title, buttons, icon, defaultButton);
}

// ---------------------------------------------------------------- small public helpers

bool TolmoPratica::IsExport(int Id) {
    bool exported = false;
    trap(QStringLiteral("Tabella Pratica"), [&] {
        Recordset rs(m_connReadWrite,
                     QStringLiteral("SELECT Export FROM Pratica WHERE ID_Pra = ") + QString::number(Id),
                     adLockReadOnly);
        exported = !rs.Eof() && rs.value(QStringLiteral("Export")).toBool();
    });
    return exported;
}

void TolmoPratica::SetCambioLiraEuro() {
    if (m_connReadOnly && m_connReadOnly->connectionString().contains(QStringLiteral("Storico"))) return;
    trap(QStringLiteral("Lettura Cambio Lira Euro"), [&] {
        AccessoDati dati;
        dati.Apri(m_connReadOnly, QStringLiteral("SELECT * FROM ConfigGenerale"), adLockPessimistic);
        if (!dati.recordset().Eof()) {
            CambioLiraEuro = plainItalian(dati.recordset().currency(QStringLiteral("CambioLiraEuro")));
            m_form.TEDDenaroValore.setCambioLiraEuro(CambioLiraEuro);
        }
        dati.Chiudi();
    });
}

void TolmoPratica::SettaCliente(int Id, const QString&, const QString&) { m_header.setIdCliente(Id); }

void TolmoPratica::SettaValuta(const QString& szValuta, Currency cCambio) {
    m_form.TEDDenaroValore.setValuta(szValuta, cCambio);
    m_form.TedDenaroSommaIng.setValuta(szValuta, cCambio);
}

void TolmoPratica::SettaDecimali(bool Decimali) {
    m_form.TEDDenaroValore.setDecimali(Decimali);
    m_form.TedDenaroSommaIng.setDecimali(Decimali);
}

void TolmoPratica::SettaFocusValore() { m_form.TEDDenaroValore.setFocus(); }

void TolmoPratica::SettaCambioValuta(Currency cCambio, const QString& cValuta) {
    setCAMBIO(cCambio);
    setVALUTA(cValuta);
}

void TolmoPratica::FuocoPosizione() { emit SetDummy(); }

void TolmoPratica::CambiaIntestazione(bool IntStorico) {
    m_form.HIStorico.setVisible(IntStorico);
    m_form.TolDataArch.setVisible(IntStorico);
    for (form::Control* c :
         {&m_form.cmdAR, &m_form.cmdPratCollegate, &m_form.TedDataInizio, &m_form.TolDataChiusura})
        c->setVisible(!IntStorico);
    m_form.lblDataInizio.setCaption(IntStorico ? QStringLiteral("Data Arch.")
                                               : QStringLiteral("Data Inizio"));
}

QVariant TolmoPratica::RedimensioningUserControl(bool b800) {
    if (b800) return {};
    auto shift = [](form::Control& c, int right, int down) {
        c.setLeft(c.left() + right);
        c.setTop(c.top() + down);
    };
    shift(m_form.ctlTestata1, 750, 500);
    for (const char* name :
         {"FramePraticaGenerale", "SSTabPratica", "cmdInfoAvvCp", "cmdInfoFatt", "cmdInfoIstruttore"})
        shift(m_form.control(QLatin1String(name)), 750, 1000);
    m_form.HIStorico.setLeft(m_form.HITitolo.width());
    return {};
}

QString TolmoPratica::GetUtenteContabStorico() { return m_builtin->references.fields.cmbContabilita.text(); }

bool TolmoPratica::SettaContabilita(int idUt) { return m_builtin->references.SettaContabilita(idUt); }

void TolmoPratica::SbloccaRiferimentiStorico() { m_builtin->references.SbloccaRiferimentiStorico(); }

int TolmoPratica::idContabilita() const { return m_builtin->references.idContabilita(); }

QString TolmoPratica::CreaStringaRecenti() {
    const QString registro =
        m_header.isPenale() ? m_builtin->criminal.fields.txtnRg.text() : m_header.numeroRegGenerale();
    return QStringList{QString::number(m_currentId),
                       m_header.posizione(),
                       registro,
                       m_header.descrizione() + QLatin1Char('\\') + m_header.cognomeControparte(),
                       GetUtenteContabStorico(),
                       QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))}
        .join(QLatin1Char('|'));
}

const platform::CurrentUser& TolmoPratica::currentUser() {
    const int id = currentUserId();
    if (!m_user || m_user->id() != id) m_user = std::make_unique<core::FirmUser>(m_connReadOnly, id);
    return *m_user;
}

}  // namespace tolmo
