#include "DeadlineExport.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>

#include "UserChooser.h"
#include "core/TolmoPratica.h"
#include "extras/Calendar.h"

namespace tolmo::studio {

namespace {

const QString kTitolo = QStringLiteral("Esporta scadenze");

}  // namespace

QString esportaScadenze(QWidget* parent, TolmoPratica& component) {
    const ConnectionPtr conn = component.ConnReadOnly();
    if (!conn) return {};
    try {
        QStringList scelte;
        const int pratica = component.currentId();
        if (pratica > 1) scelte << QStringLiteral("Pratica sullo schermo");
        const QList<std::pair<int, QString>> persone = utentiDelloStudio(conn);
        for (const auto& [id, nome] : persone)
            scelte << QStringLiteral("Tutto lo studio: responsabile ") + nome;
        bool ok = false;
        const QString scelta = QInputDialog::getItem(
            parent, kTitolo, QStringLiteral("Scadenze aperte da esportare:"), scelte, 0, false, &ok);
        if (!ok) return {};
        const qsizetype i = scelte.indexOf(scelta) - (pratica > 1 ? 1 : 0);
        const QString file = QFileDialog::getSaveFileName(
            parent, kTitolo,
            QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                .filePath("scadenze.ics"),
            QStringLiteral("Calendario iCalendar (*.ics)"));
        if (file.isEmpty()) return {};
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const QList<extras::VoceAgenda> voci =
            i < 0 ? extras::scadenzeDellaPratica(conn, pratica)
                  : extras::scadenzeDelResponsabile(conn, persone.at(i).first);
        QSaveFile out(file);
        const bool scritto = out.open(QIODevice::WriteOnly) &&
                             out.write(extras::calendario(voci, QDateTime::currentDateTimeUtc())) >= 0 &&
                             out.commit();
        QApplication::restoreOverrideCursor();
        if (!scritto) {
            QMessageBox::warning(parent, kTitolo,
                                 QStringLiteral("Impossibile scrivere il file %1: %2.")
                                     .arg(QDir::toNativeSeparators(file), out.errorString()));
            return {};
        }
        return QStringLiteral("%1 scadenze esportate in %2")
            .arg(voci.size())
            .arg(QDir::toNativeSeparators(file));
    } catch (const DbError& e) {
        QApplication::restoreOverrideCursor();
        QMessageBox::critical(parent, kTitolo, e.description());
        return {};
    }
}

}  // namespace tolmo::studio
