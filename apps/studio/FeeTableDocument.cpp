#include "FeeTableDocument.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>

#include "core/model/MoneyField.h"
#include "fees/FrmCalcolaCU.h"

namespace tolmo::studio {

namespace {

/// The brackets' lower and upper bounds as a sentence ("da € 1.100,01 a € 5.200,00").
QString fascia(const fees::Scaglione& s) {
    constexpr double kSenzaLimite = 1e11;  // an upper bound past any case value: "oltre"
    if (s.minoreUguale.toDouble() >= kSenzaLimite)
        return QStringLiteral("oltre ") + core::testoEuro(s.maggiore);
    if (s.maggiore == Currency()) return QStringLiteral("fino a ") + core::testoEuro(s.minoreUguale);
    return QStringLiteral("oltre %1 e fino a %2")
        .arg(core::testoEuro(s.maggiore), core::testoEuro(s.minoreUguale));
}

}  // namespace

void disegnaTabellaContributo(QPainter& p, int width, int height, const QList<fees::Scaglione>& scaglioni) {
    const int margine = width / 12;
    const int riga = height / 40;
    QFont titolo(QStringLiteral("DejaVu Sans"));
    titolo.setPixelSize(riga * 3 / 4);
    titolo.setBold(true);
    QFont testo = titolo;
    testo.setBold(false);
    testo.setPixelSize(riga / 2);

    int y = margine;
    p.setFont(titolo);
    p.drawText(QRect(margine, y, width - 2 * margine, riga), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Contributo unificato"));
    y += riga;
    p.setFont(testo);
    p.drawText(QRect(margine, y, width - 2 * margine, riga), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Importi per scaglione di valore della controversia in vigore al %1")
                   .arg(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))));
    y += riga * 3 / 2;

    const int colonna = (width - 2 * margine) * 7 / 10;
    const auto cella = [&](int x, int w, const QString& t, Qt::Alignment a, bool testata) {
        const QRect r(x, y, w, riga);
        if (testata) p.fillRect(r, QColor(0xE0, 0xE0, 0xE0));
        p.drawRect(r);
        p.drawText(r.adjusted(riga / 4, 0, -riga / 4, 0), a | Qt::AlignVCenter, t);
    };
    QFont grassetto = testo;
    grassetto.setBold(true);
    p.setFont(grassetto);
    cella(margine, colonna, QStringLiteral("Valore della controversia"), Qt::AlignLeft, true);
    cella(margine + colonna, width - 2 * margine - colonna, QStringLiteral("Contributo"), Qt::AlignRight,
          true);
    y += riga;
    p.setFont(testo);
    for (const fees::Scaglione& s : scaglioni) {
        cella(margine, colonna, fascia(s), Qt::AlignLeft, false);
        cella(margine + colonna, width - 2 * margine - colonna, core::testoEuro(s.valore), Qt::AlignRight,
              false);
        y += riga;
    }
    y += riga / 2;
    const QString note =
        QStringLiteral(
            "Valore indeterminabile: %1.  Valore pari a zero: %2.  Decreto ingiuntivo: la metà "
            "dell'importo dello scaglione.")
            .arg(core::testoEuro(fees::kContributoIndeterminabile), core::testoEuro(fees::kContributoMinimo));
    p.drawText(QRect(margine, y, width - 2 * margine, riga * 3), Qt::AlignLeft | Qt::TextWordWrap, note);
}

bool scriviTabellaContributo(const QString& path, const QList<fees::Scaglione>& scaglioni) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(150);
    pdf.setTitle(QStringLiteral("Contributo unificato"));
    pdf.setCreator(QStringLiteral("Tolmo Studio"));
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    disegnaTabellaContributo(painter, pdf.width(), pdf.height(), scaglioni);
    return painter.end();
}

QString preparaTabellaContributo(platform::Settings& settings, Connection& conn) {
    const QString startup = QStringLiteral("startup"), chiave = QStringLiteral("PathEXE");
    QString cartella = settings.value(startup, chiave);
    if (cartella.isEmpty()) {
        cartella =
            QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
        settings.setValue(startup, chiave, cartella);
    }
    const QString path = fees::FrmCalcolaCU::percorsoDocumentazione(cartella);
    return scriviTabellaContributo(path, fees::scaglioniInVigore(conn)) ? path : QString();
}

}  // namespace tolmo::studio
