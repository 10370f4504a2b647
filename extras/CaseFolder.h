#pragma once
// The document folder of a case: under "Documenti Pratiche" below the firm's documents root, named
// after the client, the counterparty and the position in the order the firm chose, and always
// ending with the case's marker "_PID_<id>_P". It is created after a case is saved, renamed when
// the names in it change, and recorded in Documenti.

#include <QString>
#include <memory>

#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"

namespace tolmo::extras {

/// The folders on disk. Tests put a disk that refuses in its place.
class Disco {
public:
    virtual ~Disco() = default;
    virtual bool esiste(const QString& cartella) const;
    /// Creates `cartella` and any folder missing above it.
    virtual bool crea(const QString& cartella);
    virtual bool rinomina(const QString& da, const QString& a);
    /// Removes `cartella`, which must be empty.
    virtual bool rimuovi(const QString& cartella);
};

/// The documents root when "PathRicerche" is not set: a folder under the person's documents.
QString radicePredefinita();

class CaseFolder : public core::CaseSection {
public:
    CaseFolder(core::ComponentServices& services, core::PraticaForm& form);

    /// The path of the case's newest folder row, or "" (reported as "Nome Cartella Pratica pre
    /// modifica").
    QString CercaCartellaPratica();
    /// Creates the case's folder, or renames the one remembered when the modification began.
    void CreaCartellaPratica(const QString& posizione);
    /// The folder name for the case on screen; "" for a structure the firm has not chosen.
    QString NomeCartellaPratica(const QString& posizione);
    /// Records a new folder of the case; false when it could not be written (reported).
    bool RegistraCartellaPratica(const QString& percorso, const QString& nome);
    /// Rewrites the folder row and every stored path under `vecchio` to `nuovo`, on `conn` (the
    /// caller's transaction). Throws DbError.
    void RinominaCartellaPratica(const QString& vecchio, const QString& nuovo, const QString& nome);

    /// "Documenti Pratiche" under the root "PathRicerche" names (or the default root).
    QString cartellaDocumenti() const;
    /// The folder remembered when the modification began ("" when none).
    const QString& cartellaRicordata() const { return m_ricordata; }
    void setDisco(std::unique_ptr<Disco> disco) { m_disco = std::move(disco); }

    void beginEdit() override;
    void consult() override { m_ricordata.clear(); }
    void afterCommit(const core::SaveContext& ctx) override;

private:
    /// The root the person chose ("PathRicerche"), "" when none.
    QString radiceScelta() const;
    /// Makes `cartella` and the folders above it; throws when the disk refuses.
    void crea(const QString& cartella);
    /// Makes the folder and records it; a folder whose row cannot be written is removed again.
    void creaERegistra(const QString& percorso, const QString& nome);
    /// The remembered folder renamed to `percorso` with its rows; false when the disk refused.
    bool rinomina(const QString& percorso, const QString& nome);

    core::ComponentServices& m_services;
    std::unique_ptr<Disco> m_disco;
    QString m_ricordata;
};

}  // namespace tolmo::extras
