#include "FreeFields.h"

#include <QDate>

#include "access/TolmoAccess.h"
#include "core/model/CaseValues.h"
#include "core/model/DateField.h"
#include "core/model/FieldRules.h"
#include "form/Interaction.h"

namespace tolmo::extras {

namespace {

using form::ControlEvent;
using form::EventKind;

constexpr int kPrimaPagina = 10;  ///< fields 1-10 sit on the first free-fields page
/// How much of a free field's column the field shows.
constexpr int kCampiLiberiMostrati = 64;

struct Formato {
    QString format, mask;
};

Formato formatoDi(const QString& kind) {
    if (kind == kKindDate) return {QStringLiteral("ddddd"), QStringLiteral("##/##/####")};
    if (kind == kKindMoney) return {QStringLiteral("€ #,##0.00;(€ #,##0.00)"), QString()};
    if (kind == kKindNumber) return {QStringLiteral("0"), QString()};
    return {};
}

// Dates are typed through their mask, whose separators are typed too.
bool tastoAmmesso(const QString& kind, int key) {
    if (kind == kKindMoney) return core::tastoImporto(key);
    if (kind == kKindDate) return core::tastoCifra(key) || key == '/';
    if (kind == kKindNumber) return core::tastoCifra(key);
    return true;
}

// A number in the Italian form ("1.234,56") or the C form ("1234.56"); a money field may
// still show the euro sign of its display format.
bool numerico(const QString& text) { return core::numeroDecimale(text).has_value(); }

/// True when the caption "n. ..." has nothing but blanks after its first ".".
bool didascaliaVuota(const QString& caption) {
    const qsizetype dot = caption.indexOf(QLatin1Char('.'));
    return caption.isEmpty() || (dot >= 0 && caption.mid(dot + 1).trimmed().isEmpty());
}

}  // namespace

QString valoreNormalizzato(const QString& kind, const QString& text) {
    const QString t = text.trimmed();
    if (kind != kKindDate || t == kEmptyDateMask) return t;
    return core::dataNormalizzata(t);
}

bool valoreValido(const QString& kind, const QString& text) {
    if (kind == kKindDate)
        return text.isEmpty() || text == kEmptyDateMask ||
               QDate::fromString(valoreNormalizzato(kind, text), QStringLiteral("dd/MM/yyyy")).isValid();
    if (kind == kKindMoney || kind == kKindNumber) return text.isEmpty() || numerico(text);
    return true;
}

FreeFieldControls::FreeFieldControls(form::Form& form) : f(&form) {
    for (int i = 0; i < kCampiLiberi; ++i) {
        m_owned[2 * i] = std::make_unique<core::Control>(f, form::arrayName(QStringLiteral("lblCampo"), i),
                                                         core::ControlKind::Label);
        m_owned[2 * i + 1] = std::make_unique<core::Control>(
            f, form::arrayName(QStringLiteral("txtCampo"), i), core::ControlKind::TextBox);
        lblCampo[i] = m_owned[2 * i].get();
        txtCampo[i] = m_owned[2 * i + 1].get();
        txtCampo[i]->setSelectOnEntry(true);
    }
}

FreeFields::FreeFields(core::ComponentServices& services, core::PraticaForm& form)
    : fields(form), m_services(services), m_form(form) {
    attach();
}

QString FreeFields::kind(int i) const {
    if (i < 0 || i >= kCampiLiberi) return {};
    return fields.txtCampo[i]->tag();
}

QString FreeFields::GetClassificatore(int id) {
    AccessoDati dati;
    dati.Apri(m_services.connReadOnly(),
              QStringLiteral("SELECT Descrizione FROM Classificatore WHERE ID_Cla = ") + QString::number(id),
              adLockReadOnly);
    QString descrizione;
    if (!dati.recordset().Eof()) descrizione = dati.recordset().text(QStringLiteral("Descrizione")).trimmed();
    dati.Chiudi();
    return descrizione;
}

void FreeFields::SelezionaClassificatore(int id) {
    if (id == 0) return;
    AccessoDati dati;
    dati.Apri(m_services.connReadOnly(),
              QStringLiteral("SELECT * FROM Classificatore WHERE ") + QStringLiteral("ID_Cla = ") +
                  QString::number(id),
              adLockReadOnly);
    Recordset& rs = dati.recordset();
    const bool trovato = !rs.Eof();
    bool primaPagina = false, secondaPagina = false;
    for (int n = 1; n <= kCampiLiberi; ++n) {
        const int i = n - 1;
        const QString campo = trovato ? rs.text(QStringLiteral("Campo%1").arg(n)) : QString();
        const QString tipo = trovato ? rs.text(QStringLiteral("TipoCampo%1").arg(n)).trimmed() : QString();
        fields.lblCampo[i]->setCaption(QString::number(n) + QStringLiteral(". ") + campo);
        fields.txtCampo[i]->setTag(tipo);
        const Formato formato = formatoDi(tipo);
        fields.txtCampo[i]->setFormat(formato.format, formato.mask);
        if (!campo.isEmpty()) (n <= kPrimaPagina ? primaPagina : secondaPagina) = true;
    }
    dati.Chiudi();
    m_form.SSTabPratica.setTabVisible(core::TabCampiLiberi2, secondaPagina);
    if (!primaPagina) {
        RipristinaCampiLiberi();
        return;
    }
    for (int i = 0; i < kCampiLiberi; ++i) {
        const bool visibile = !didascaliaVuota(fields.lblCampo[i]->caption());
        fields.lblCampo[i]->setVisible(visibile);
        fields.txtCampo[i]->setVisible(visibile);
    }
}

void FreeFields::RipristinaCampiLiberi() {
    for (int i = 0; i < kCampiLiberi; ++i) {
        fields.lblCampo[i]->setVisible(true);
        fields.txtCampo[i]->setVisible(true);
        fields.lblCampo[i]->setCaption(QStringLiteral("CAMPO ") + QString::number(i + 1));
    }
    m_form.SSTabPratica.setTabVisible(core::TabCampiLiberi2, true);
}

void FreeFields::azzeraTipi() {
    for (core::Control* campo : fields.txtCampo) {
        campo->setTag(QString());
        campo->setFormat(QString(), QString());
    }
}

// Entering a field selects its text in the view; the headless form keeps no selection.
void FreeFields::attach() {
    for (int i = 0; i < kCampiLiberi; ++i) {
        form::Control& campo = *fields.txtCampo[i];
        campo.on(EventKind::KeyPress, [&campo](ControlEvent& e) {
            if (!tastoAmmesso(campo.tag(), e.key)) e.key = 0;
        });
        campo.on(EventKind::LostFocus, [this, &campo](ControlEvent& e) {
            const QString testo = valoreNormalizzato(campo.tag(), campo.text());
            if (!valoreValido(campo.tag(), testo)) {
                m_services.ui().messageBox(QStringLiteral("Valore non valido per il campo."),
                                           m_services.messageTitle(), form::MsgButtons::OK,
                                           form::MsgIcon::Information);
                e.cancel = true;
                return;
            }
            campo.setText(testo);
        });
    }
}

int FreeFields::campoLiberoNonValido() const {
    for (int i = 0; i < kCampiLiberi; ++i) {
        const core::Control& campo = *fields.txtCampo[i];
        if (campo.visible() && !valoreValido(kind(i), campo.text().trimmed())) return i;
    }
    return -1;
}

void FreeFields::clear() {
    RipristinaCampiLiberi();
    azzeraTipi();
    for (core::Control* c : fields.txtCampo) c->setText(QString());
}

void FreeFields::consult() {
    fields.fraCampiLiberi.setEnabled(false);
    fields.fraCampiLiberi2.setEnabled(false);
}

void FreeFields::classifierChosen(const core::Classifier& classifier) {
    m_services.trap(QStringLiteral("Caricamento Campi Liberi"), [&] {
        RipristinaCampiLiberi();
        SelezionaClassificatore(classifier.id);
    });
}

void FreeFields::tabChanged(int tab, short editState) {
    fields.fraCampiLiberi.setEnabled(false);
    if (tab != core::TabCampiLiberi) return;
    const bool editing = editState == 2 || editState == 3;
    fields.fraCampiLiberi.setEnabled(editing);
    fields.fraCampiLiberi2.setEnabled(editing);
}

// The classifier's free fields that are in use show the first 64 characters of their column.
void FreeFields::show(core::ShowContext& ctx) {
    if (ctx.classifier.id <= 1) {
        RipristinaCampiLiberi();
        azzeraTipi();
    } else {
        SelezionaClassificatore(ctx.classifier.id);
    }
    for (int i = 0; i < kCampiLiberi; ++i) {
        if (!fields.lblCampo[i]->visible()) continue;
        try {
            const QString testo = ctx.row.text(QStringLiteral("Campo") + QString::number(i + 1)).trimmed();
            fields.txtCampo[i]->setText(testo.left(kCampiLiberiMostrati));
        } catch (const DbError&) {
            // A column that cannot be read leaves the field as it was.
        }
    }
}

std::optional<core::Refusal> FreeFields::validate() {
    const int campo = campoLiberoNonValido();
    if (campo < 0) return std::nullopt;
    return core::Refusal{QStringLiteral("Il valore del campo ") + fields.lblCampo[campo]->caption() +
                             QStringLiteral(" non è valido.") + QStringLiteral("Impossibile salvare."),
                         form::MsgIcon::Information, false};
}

void FreeFields::writeRow(core::SaveContext& ctx) {
    for (int i = 0; i < kCampiLiberi; ++i) {
        const core::Control& campo = *fields.txtCampo[i];
        if (!campo.visible()) continue;
        const QString testo = valoreNormalizzato(kind(i), campo.text());
        core::scriviTesto(ctx.row, QStringLiteral("Campo") + QString::number(i + 1),
                          testo == kEmptyDateMask ? QString() : testo);
    }
}

}  // namespace tolmo::extras
