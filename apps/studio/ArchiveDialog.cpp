#include "ArchiveDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "apps/common/ArchiveForm.h"
#include "ui/binder/QtInteraction.h"
#include "ui/dialogs/AnswerDialog.h"
#include "ui_ApriArchivio.h"

namespace tolmo::studio {

void registraApriArchivio(ui::QtInteraction& interaction) {
    interaction.registerView(QStringLiteral("frmApriArchivio"), [](form::Form& f) {
        auto& archive = static_cast<hostkit::ArchiveForm&>(f);
        auto* dialog = new ui::AnswerDialog;
        Ui::ApriArchivio view;
        view.setupUi(dialog);
        dialog->setEscapeButton(view.cmdAnnulla);
        // An existing archive or the name of a new one: the file need not be there yet.
        QObject::connect(view.cmdSfoglia, &QPushButton::clicked, dialog, [dialog, &archive] {
            const QString typed = archive.txtFile.text().trimmed();
            const QString start =
                typed.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : typed;
            const QString file = QFileDialog::getSaveFileName(
                dialog, QStringLiteral("Apri archivio"), start,
                QStringLiteral("Archivi SQLite (*.sqlite *.db);;Tutti i file (*)"), nullptr,
                QFileDialog::DontConfirmOverwrite);
            if (!file.isEmpty()) archive.txtFile.setText(QDir::toNativeSeparators(file));
        });
        return dialog;
    });
}

}  // namespace tolmo::studio
