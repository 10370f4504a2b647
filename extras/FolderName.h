#pragma once
// The name of a case's document folder: client, counterparty and position in the order the firm
// chose, then "_PID_", the case id and "_P", so that the folder is found again after the names
// in it change. The name is one folder that both Linux and Windows accept, and never a path.

#include <QString>

namespace tolmo::extras {

struct PartiCartella {
    QString cliente;      ///< the client's surname
    QString controparte;  ///< the counterparty's surname ("" or "." when there is none)
    QString posizione;    ///< the case position as typed
    int idPratica = 0;
};

/// "Pos_" and the position with every "/" and "\" made "_"; empty for an empty position.
QString parteposizione(const QString& posizione);

/// The folder name for `struttura` ("CLI_CO_POS", "CO_CLI_POS", "POS_CLI_CO", "CLI_CO",
/// "CO_CLI"); empty for any other structure.
QString nomeCartella(const QString& struttura, const PartiCartella& parti);

/// `nome` made one folder name every common file system takes: no separator, no character
/// Windows refuses (control characters, < > : " / \ | ? *), no name Windows reserves for a
/// device (CON, NUL, COM1...), no trailing dot or blank, at most 255 bytes in UTF-8.
QString nomeSicuro(const QString& nome);

/// The most UTF-8 bytes a name part (client, counterparty, position) keeps.
inline constexpr int kByteParte = 64;

}  // namespace tolmo::extras
