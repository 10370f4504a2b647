#include "QuickParty.h"

namespace tolmo::hostkit {

int insertParty(ConnectionPtr rw, const QString& cognome, const QString& nome, const QString& categoria,
                const QString& codiceFiscale, const QString& citta) {
    return parties::registraAnagrafica(rw,
                                       {{QStringLiteral("Cognome"), QStringLiteral("Cognome"), cognome},
                                        {QStringLiteral("Nome"), QStringLiteral("Nome"), nome},
                                        {QStringLiteral("Categoria"), QStringLiteral("Categoria"), categoria},
                                        {QStringLiteral("CodiceFiscale"), QStringLiteral("Codice fiscale"),
                                         codiceFiscale.trimmed().toUpper()},
                                        {QStringLiteral("CittaRes"), QStringLiteral("Città"), citta}});
}

}  // namespace tolmo::hostkit
