// The classifier, area and type lists of the case form.

#include "TolmoPratica.h"

namespace tolmo {

namespace {

QString joinColumns(Recordset& rs, const QStringList& fields) {
    QStringList cols;
    for (const QString& f : fields) cols << rs.text(f);
    return cols.join(QLatin1Char('\t'));
}
}  // namespace

// Fills `list` with one row per record: every column of the query, TAB-joined.
void TolmoPratica::riempieLista(form::ListControl& list, const QString& sql) {
    list.clear();
    AccessoDati dati;
    dati.Apri(m_connReadOnly, sql, adLockReadOnly);
    Recordset& rs = dati.recordset();
    const QStringList fields = rs.fieldNames();
    for (; !rs.Eof(); rs.MoveNext()) list.addRow(joinColumns(rs, fields));
    dati.Chiudi();
}

void TolmoPratica::RiempieClassificatore() {
    trap(QStringLiteral("Caricamento Classificatori"), [&] {
        m_header.setConnection(m_connReadOnly, currentUserId());
        riempieLista(m_form.cmbClassificatore,
                     QStringLiteral("SELECT Descrizione,ID_Cla FROM Classificatore") +
                         QStringLiteral(" ORDER BY Descrizione"));
    });
}

void TolmoPratica::RiempieSottoarea() {
    trap(QStringLiteral("Caricamento Aree"), [&] {
        m_header.setConnection(m_connReadOnly, currentUserId());
        riempieLista(m_form.cmbSottoarea,
                     QStringLiteral("SELECT DescrizioneArea,ID_Area FROM SottoClassificazione") +
                         QStringLiteral(" ORDER BY DescrizioneArea"));
    });
}

void TolmoPratica::RiempieTipologia() {
    trap(QStringLiteral("Caricamento Tipologie"), [&] {
        m_header.setConnection(m_connReadOnly, currentUserId());
        riempieLista(m_form.cmbTipologia,
                     QStringLiteral("SELECT Tipologia,ID_Tipologia FROM TipologiaPratica") +
                         QStringLiteral(" ORDER BY Tipologia"));
    });
}

void TolmoPratica::sceltaClassificatore(int row) {
    m_classificatore = {m_form.cmbClassificatore.cell(row, 1).toInt(),
                        m_form.cmbClassificatore.cell(row, 0).trimmed() == QStringLiteral("PENALE")};
    perSection([this](core::CaseSection& s) { s.classifierChosen(m_classificatore); });
}

int TolmoPratica::currentUserId() const {
    return m_settings.value(QStringLiteral("Shared"), QStringLiteral("Id_Utente"), QStringLiteral("1"))
        .toInt();
}

}  // namespace tolmo
