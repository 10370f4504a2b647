#include "PhaseColumns.h"

#include <stdexcept>

#include "core/model/CaseValues.h"
#include "core/model/DateField.h"

namespace tolmo::criminal {

QList<Colonna> colonnePenale(CriminalFields& f) {
    const unsigned f12 = fase(1) | fase(2);
    using T = Tipo;
    return {
        {QStringLiteral("PM_1_2_3"), &f.txtPm, T::Testo, f12, QStringLiteral("Pubblico Ministero")},
        {QStringLiteral("NumRGNotDiReato"), &f.txtnRg, T::Testo, f12,
         QStringLiteral("n° R.G. not. di reato")},
        {QStringLiteral("NumRGGIP_1_2"), &f.txtRegGip, T::Testo, f12, QStringLiteral("n° R.G. GIP")},
        {QStringLiteral("ModRGNotDiReato_1"), &f.cmbModRegRea, T::Lista, f12, QStringLiteral("mod.")},
        {QStringLiteral("GIP_1"), &f.txtGip0, T::Testo, fase(1), QStringLiteral("GIP")},
        {QStringLiteral("AvvisoChiusura_1"), &f.fdAvvChius, T::Data, fase(1),
         QStringLiteral("Data not.avviso")},
        {QStringLiteral("GUP_2"), &f.txtGip1, T::Testo, fase(2), QStringLiteral("GUP")},
        {QStringLiteral("RitiAlternativi_2"), &f.fpRitAlt, T::Lista, fase(2),
         QStringLiteral("Riti Alternativi"), true},
        {QStringLiteral("DataSentenza_2"), &f.fdDatSenUdi, T::Data, fase(2), QStringLiteral("Data Sentenza")},
        {QStringLiteral("NumSentenza_2"), &f.txtNumSenUdi, T::Testo, fase(2), QStringLiteral("Num. Sen."),
         true},
        {QStringLiteral("DepositoMotivazione_2"), &f.fpDepMotUdi, T::Lista, fase(2),
         QStringLiteral("Deposito motivazione")},
        {QStringLiteral("DataDepMotivazione_2"), &f.fdDepMotUdi, T::Data, fase(2),
         QStringLiteral("Data dep. motivazione")},
        {QStringLiteral("TermineDepMotivazione_2"), &f.fdTerDepMotUdi, T::Data, fase(2),
         QStringLiteral("Term. dep. motivaz.")},
        {QStringLiteral("DataNotificaDepMotivazione_2"), &f.fdNotDepMotUdi, T::Data, fase(2),
         QStringLiteral("Data not. dep. motivaz.")},
        {QStringLiteral("PM_1_2_3"), &f.txtPmDib, T::Testo, fase(3), QStringLiteral("Pubblico Ministero")},
        {QStringLiteral("NumRGNotDiReato"), &f.txtNrgReDibat, T::Testo, fase(3),
         QStringLiteral("n° R.G. not. di reato")},
        {QStringLiteral("NumRGDibattimento_3"), &f.txtnRegDib, T::Testo, fase(3),
         QStringLiteral("n° R.G. Dibattimento")},
        {QStringLiteral("AutoritaGiudiziaria_3"), &f.cmbAutGiuDib, T::Lista, fase(3),
         QStringLiteral("Autorità giudiziaria")},
        {QStringLiteral("Giudice_3"), &f.txtLblGiuDib, T::Testo, fase(3), QStringLiteral("Giudice")},
        {QStringLiteral("Sezione_3"), &f.txtSez, T::Testo, fase(3), QStringLiteral("Sezione")},
        {QStringLiteral("DataSentenza_3"), &f.fdDatSenDib, T::Data, fase(3), QStringLiteral("Data Sentenza")},
        {QStringLiteral("NumSentenza_3"), &f.txtNumSen, T::Testo, fase(3), QStringLiteral("Num. Sen.")},
        {QStringLiteral("DepositoMotivazione_3"), &f.cmbDepMotDib, T::Lista, fase(3),
         QStringLiteral("Deposito motivazione")},
        {QStringLiteral("DataDepMotivazione_3"), &f.fdDepMot, T::Data, fase(3),
         QStringLiteral("Data dep. motivazione")},
        {QStringLiteral("TermineDepMotivazione_3"), &f.fdTerDepMot, T::Data, fase(3),
         QStringLiteral("Term. dep. motivaz.")},
        {QStringLiteral("DataNotificaDepMotivazione_3"), &f.fdNotDepMot, T::Data, fase(3),
         QStringLiteral("Data not. dep. motivaz.")},
        {QStringLiteral("ProcuratoreGenerale_4"), &f.txtPg4, T::Testo, fase(4),
         QStringLiteral("Procuratore Generale")},
        {QStringLiteral("NumRGNotDiReato"), &f.txtnRegRea4, T::Testo, fase(4),
         QStringLiteral("n° R.G. not. di reato")},
        {QStringLiteral("NumRGAppello_4"), &f.txtRegApp4, T::Testo, fase(4),
         QStringLiteral("n° R.G. Appello")},
        {QStringLiteral("AutoritaGiudiziaria_4"), &f.cmbAut4, T::Lista, fase(4),
         QStringLiteral("Autorità giudiziaria")},
        {QStringLiteral("Sezione_4"), &f.txtSez4, T::Testo, fase(4), QStringLiteral("Sezione")},
        {QStringLiteral("DataSentenza_4"), &f.fdDatSen4, T::Data, fase(4), QStringLiteral("Data Sentenza")},
        {QStringLiteral("NumSentenza_4"), &f.txtSen4, T::Testo, fase(4), QStringLiteral("Num. Sen.")},
        {QStringLiteral("DepositoMotivazione_4"), &f.cmbDepMot4, T::Lista, fase(4),
         QStringLiteral("Deposito motivazione")},
        {QStringLiteral("DataDepMotivazione_4"), &f.fdDatDep4, T::Data, fase(4),
         QStringLiteral("Data dep. motivazione")},
        {QStringLiteral("TermineDepMotivazione_4"), &f.fdTerDepMot4, T::Data, fase(4),
         QStringLiteral("Term. dep. motivaz.")},
        {QStringLiteral("DataNotificaDepMotivazione_4"), &f.fdNotDepMot4, T::Data, fase(4),
         QStringLiteral("Data not. dep. motivaz.")},
        {QStringLiteral("ProcuratoreGenerale_5"), &f.txtPmCass, T::Testo, fase(5),
         QStringLiteral("Procuratore Generale")},
        {QStringLiteral("NumRGNotDiReato"), &f.txtNrgCass, T::Testo, fase(5),
         QStringLiteral("n° R.G. not. di reato")},
        {QStringLiteral("NumRGCassazione_5"), &f.txtnRgCass5, T::Testo, fase(5),
         QStringLiteral("n° R.G.Cassazione")},
        {QStringLiteral("Sezione_5"), &f.txtSezCass, T::Testo, fase(5), QStringLiteral("Sezione")},
        {QStringLiteral("TipoSentenza_5"), &f.cmbTipSen, T::Lista, fase(5), QStringLiteral("Tipo Sentenza")},
        {QStringLiteral("NumSentenza_5"), &f.txtNumSenCass, T::Testo, fase(5), QStringLiteral("Num. Sen.")},
        {QStringLiteral("DataSentenza_5"), &f.fdDatSen5, T::Data, fase(5), QStringLiteral("Data Sentenza")},
        {QStringLiteral("DataDepMotivazione_5"), &f.fdDepMotCass, T::Data, fase(5),
         QStringLiteral("Data dep. mot.")},
    };
}

void riempieCampi(const QList<Colonna>& colonne, Recordset& row) {
    const QStringList names = row.fieldNames();
    for (const Colonna& c : colonne) {
        if (!names.contains(c.colonna, Qt::CaseInsensitive)) continue;
        const QVariant value = row.value(c.colonna);
        c.campo->setText(c.tipo == Tipo::Data ? core::testoData(value) : value.toString());
    }
}

void scriviFase(const QList<Colonna>& colonne, int n, Recordset& row) {
    for (const Colonna& c : colonne) {
        if (!(c.fasi & fase(n))) continue;
        const QString text = c.campo->text();
        if (c.tipo == Tipo::Data) {
            // An emptied date reads back empty.
            row.setValue(c.colonna, core::dataVuota(text) ? QVariant()
                                                          : QVariant(core::dataDigitata(
                                                                core::dataNormalizzata(text), c.etichetta)));
        } else {
            const QString value = c.taglia ? text.trimmed() : text;
            row.setValue(c.colonna, value.isNull() ? QStringLiteral("") : value);
        }
    }
}

QString dataNonValida(const QList<Colonna>& colonne, int n) {
    for (const Colonna& c : colonne) {
        if (c.tipo != Tipo::Data || !(c.fasi & fase(n)) || core::dataVuota(c.campo->text())) continue;
        try {
            core::dataDigitata(core::dataNormalizzata(c.campo->text()), c.etichetta);
        } catch (const std::invalid_argument& e) {
            return QString::fromStdString(e.what());
        }
    }
    return {};
}

}  // namespace tolmo::criminal
