#include "ColumnLimits.h"

#include "schema/Schema.h"

namespace tolmo::core {

namespace {

struct Colonna {
    const char* control;
    const char* column;
};

// The text entries of the case form and of its header, and the Pratica columns they are saved in.
constexpr Colonna kColonnePratica[] = {
    {"txtPosizione", "Posizione"},
    {"txtNumeroRegGenerale", "NumeroRegGenerale"},
    {"txtCognomeControparte", "ControCognome"},
    {"txtNomeControparte", "ControNome"},
    {"txtUfficioIscrizione", "UfficioGiudiziario"},
    {"txtSezione", "Sezione"},
    {"txtIstruttore", "Istruttore"},
    {"cmbOggetto", "Oggetto"},
    {"cmbCodOggetto", "CodiceOggetto"},
    {"fpStatoPra", "Stato"},
    {"txtCollocazione", "Collocazione"},
    {"mskImportoContributo", "ImportoContributo"},
    {"cmbAutorita", "Autorita"},
    {"cmbCognomeLegaleCP", "AcpCognome"},
    {"txtNomeLegaleControparte", "AcpNome"},
    {"cmbCorrispondente", "CognomeCorrispondente"},
    {"txtNomeCorrispondente", "NomeCorrispondente"},
    {"cmbResponsabile", "ResponsabileFascicolo"},
};

constexpr int kCampiLiberi = 20;

}  // namespace

int lunghezzaColonna(const QString& table, const QString& column) {
    const schema::TableInfo* t = schema::table(table);
    const schema::ColumnInfo* c = t ? t->column(column) : nullptr;
    return c && c->type == schema::ColumnType::Text ? c->length : 0;
}

QString entroColonna(const QString& table, const QString& column, const QString& text) {
    const int n = lunghezzaColonna(table, column);
    return n > 0 ? text.left(n) : text;
}

void limitaAlleColonne(form::Form& form) {
    const QString pratica = QStringLiteral("Pratica");
    for (const Colonna& c : kColonnePratica)
        if (form::Control* control = form.find(QLatin1String(c.control)))
            control->setMaxLength(lunghezzaColonna(pratica, QLatin1String(c.column)));
    for (int i = 0; i < kCampiLiberi; ++i)
        if (form::Control* campo = form.find(form::arrayName(QStringLiteral("txtCampo"), i)))
            campo->setMaxLength(lunghezzaColonna(pratica, QStringLiteral("Campo") + QString::number(i + 1)));
}

}  // namespace tolmo::core
