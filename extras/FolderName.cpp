#include "FolderName.h"

#include <QRegularExpression>
#include <QStringList>

namespace tolmo::extras {

namespace {

const QString kSep = QStringLiteral("_");

/// The longest beginning of `text` that takes at most `bytes` bytes in UTF-8, never half a
/// surrogate pair.
QString entroByte(const QString& text, int bytes) {
    int used = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const bool coppia =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const qsizetype units = coppia ? 2 : 1;
        const int size = static_cast<int>(text.mid(i, units).toUtf8().size());
        if (used + size > bytes) break;
        used += size;
        i += units;
    }
    return text.left(i);
}

bool riservatoWindows(const QString& nome) {
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM[0-9¹²³]|LPT[0-9¹²³])$"),
                                           QRegularExpression::CaseInsensitiveOption);
    // Windows reads "NUL.txt" and "nul " as the device too.
    return device.match(nome.section(QLatin1Char('.'), 0, 0).trimmed()).hasMatch();
}

}  // namespace

QString parteposizione(const QString& posizione) {
    if (posizione.isEmpty()) return {};
    QString p = posizione;
    p.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return QStringLiteral("Pos_") + p;
}

QString nomeCartella(const QString& struttura, const PartiCartella& parti) {
    const QString cli = entroByte(parti.cliente, kByteParte);
    const QString co = entroByte(parti.controparte, kByteParte);
    const QString pos = entroByte(parteposizione(parti.posizione), kByteParte);
    const bool conControparte = !parti.controparte.isEmpty() && parti.controparte != QLatin1String(".");
    QStringList ordine;
    if (struttura == QLatin1String("CLI_CO_POS"))
        ordine = conControparte ? QStringList{cli, co, pos} : QStringList{cli, pos};
    else if (struttura == QLatin1String("CO_CLI_POS"))
        ordine = conControparte ? QStringList{co, cli, pos} : QStringList{cli, pos};
    else if (struttura == QLatin1String("POS_CLI_CO"))
        ordine = conControparte ? QStringList{pos, cli, co} : QStringList{pos, cli};
    else if (struttura == QLatin1String("CLI_CO"))
        ordine = conControparte ? QStringList{cli, co} : QStringList{cli};
    else if (struttura == QLatin1String("CO_CLI"))
        ordine = conControparte ? QStringList{co, cli} : QStringList{cli};
    else
        return {};
    // An empty part still leaves its separator.
    return nomeSicuro(ordine.join(kSep) + QStringLiteral("_PID_") + QString::number(parti.idPratica) +
                      QStringLiteral("_P"));
}

QString nomeSicuro(const QString& nome) {
    QString n;
    n.reserve(nome.size());
    for (const QChar c : nome) {
        const bool rifiutato =
            c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("<>:\"/\\|?*").contains(c);
        n += rifiutato ? QLatin1Char('_') : c;
    }
    if (riservatoWindows(n)) n.prepend(QLatin1Char('_'));
    n = entroByte(n, 255);
    // Windows drops a trailing dot or blank: the name would no longer be the one recorded.
    while (!n.isEmpty() && (n.endsWith(QLatin1Char('.')) || n.endsWith(QLatin1Char(' ')))) n.chop(1);
    return n.isEmpty() ? kSep : n;
}

}  // namespace tolmo::extras
