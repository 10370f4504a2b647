// Hostile input everywhere: every string of the naughty list typed into every control a person
// types into, on the case form, its header and the dialogs, then confirmed. A control whose text
// the save stores must give it back as typed (trimmed, cut to its length); every other control
// must take the strings with no database error: the save goes through or a message says why.

#include <QJsonDocument>
#include <algorithm>
#include <iostream>

#include "CaseFixture.h"
#include "schema/DemoFirm.h"
#include "support/NaughtyStrings.h"

namespace tolmo::test {
namespace {

using namespace schema::demo;

const QString kMarcatore = QStringLiteral("Prova marcatore 7");

struct Campo {
    QString nome;  ///< as the driver names it: "txtNOTE", "ctlTestata1.txtPosizione"
    int lunghezza = 0;
};

/// Free fields show the first 64 characters of what they hold.
constexpr int kMostratiCampiLiberi = 64;

/// True when `letto` is `scritto` as a save keeps it: whole or trimmed, or cut to what the
/// control holds (its length; never half a surrogate pair). SQLite gives U+FFFE back as U+FFFD.
/// An empty text leaves some columns as they were, and is not compared.
bool resoComeScritto(const QString& letto, QString scritto, int lunghezza, bool sqlite) {
    if (sqlite && letto.contains(QChar(0xFFFD))) scritto.replace(QChar(0xFFFE), QChar(0xFFFD));
    const QString spuntato = scritto.trimmed();
    if (spuntato.isEmpty() || letto == scritto || letto == spuntato) return true;
    const int tiene = lunghezza > 0 ? std::min(lunghezza, kMostratiCampiLiberi) : kMostratiCampiLiberi;
    return letto.size() >= tiene - 1 && (scritto.startsWith(letto) || spuntato.startsWith(letto.trimmed()));
}

class HostileSweep : public CaseTest {
protected:
    /// The controls of `form` ("form", "ctlTestata1") a person can type into now.
    QList<Campo> campi(const QString& form) {
        QList<Campo> out;
        const QJsonObject dump = send({{"dump", form}}).value("form").toObject();
        for (auto it = dump.begin(); it != dump.end(); ++it) {
            const QJsonObject c = it.value().toObject();
            if (!c.contains("kind") || !c.value("enabled").toBool() || c.value("locked").toBool()) continue;
            out.append({form == "form" ? it.key() : form + '.' + it.key(), c.value("maxLength").toInt()});
        }
        return out;
    }
    /// The case as stored, nothing left over from what was typed.
    void rileggi(int caso) {
        call("ClearAllForm");
        call("VisualizzaPratica", {caso});
    }
    QString testo(const QString& campo) {
        const int dot = campo.indexOf('.');
        const QString form = dot > 0 ? campo.left(dot) : QStringLiteral("form");
        return send({{"dump", form}}).value("form").toObject().value(campo.mid(dot + 1)).toObject().value("text").toString();
    }
    /// Fails on an error reply or an error report among the boxes of the last command.
    void nessunErrore(const QString& dove) {
        for (const QJsonObject& h : happened) {
            EXPECT_FALSE(h.contains("error")) << dove.toStdString() << ": " << QJsonDocument(h).toJson(QJsonDocument::Compact).toStdString();
            if (h.contains("msgbox")) {
                EXPECT_FALSE(h.value("msgbox").toObject().value("text").toString().startsWith("Azione : "))
                    << dove.toStdString() << ": " << QJsonDocument(h).toJson(QJsonDocument::Compact).toStdString();
            }
        }
    }
    /// Types `testi[i]` into `campi[i]` in a modification of `caso`, confirms; true when saved.
    bool scrivi(int caso, const QList<Campo>& campi, const QStringList& testi, const QString& dove) {
        EXPECT_TRUE(call("Modifica", {caso}).value("result").toBool()) << dove.toStdString();
        for (qsizetype i = 0; i < campi.size(); ++i) {
            send({{"set", campi.at(i).nome}, {"text", testi.at(i)}});
            nessunErrore(dove + " " + campi.at(i).nome);
        }
        const bool salvata = call("Conferma").value("result").toBool();
        nessunErrore(dove + " Conferma");
        if (!salvata) {
            // Refused: a message says why; nothing else to check.
            EXPECT_FALSE(boxes().isEmpty()) << dove.toStdString() << ": refused without a word";
            call("Annulla");
        }
        return salvata;
    }
};

TEST_P(HostileSweep, EveryTextOfTheCaseFormIsStoredAsTypedOrRefusedInWords) {
    const QStringList strings = allNaughtyStrings();
    const int caso = kPraEsposito;
    const bool sqlite = GetParam() == Engine::SQLite;
    ASSERT_TRUE(call("Modifica", {caso}).value("result").toBool());
    QList<Campo> tutti = campi("form") + campi("ctlTestata1");
    call("Annulla");

    // A plain text typed into each control alone tells the controls whose text the save stores,
    // those whose text it refuses (dates, amounts), and those it does not show again.
    QList<Campo> memorizzati, rifiutati, altri;
    for (const Campo& c : tutti) {
        const bool salvata = scrivi(caso, {c}, {kMarcatore}, c.nome);
        rileggi(caso);
        (!salvata ? rifiutati : testo(c.nome) == kMarcatore ? memorizzati : altri).append(c);
    }
    ASSERT_FALSE(memorizzati.isEmpty());
    ASSERT_FALSE(rifiutati.isEmpty());

    // The stored ones and the others each in one batch: round k gives control i string k + i,
    // so every control meets every string. A refusing control alone, one string at a time.
    QList<QList<Campo>> gruppi = {memorizzati, altri};
    for (const Campo& c : rifiutati) gruppi.append({c});
    int salvate = 0, rifiutate = 0, confronti = 0;
    for (const QList<Campo>& gruppo : gruppi) {
        const bool rileggere = &gruppo == &gruppi.first();
        for (qsizetype k = 0; k < strings.size(); ++k) {
            QStringList testi;
            for (qsizetype i = 0; i < gruppo.size(); ++i) testi << strings.at((k + i) % strings.size());
            const QString dove = QStringLiteral("giro %1").arg(k);
            if (!scrivi(caso, gruppo, testi, dove)) {
                ++rifiutate;
                continue;
            }
            ++salvate;
            if (!rileggere) continue;
            rileggi(caso);
            for (qsizetype i = 0; i < gruppo.size(); ++i, ++confronti) {
                const QString letto = testo(gruppo.at(i).nome);
                EXPECT_TRUE(resoComeScritto(letto, testi.at(i), gruppo.at(i).lunghezza, sqlite))
                    << gruppo.at(i).nome.toStdString() << ": typed "
                    << QJsonDocument(QJsonArray{testi.at(i)}).toJson(QJsonDocument::Compact).toStdString()
                    << ", read back " << QJsonDocument(QJsonArray{letto}).toJson(QJsonDocument::Compact).toStdString();
            }
        }
    }
    std::cout << "[ sweep    ] case form on " << engineName(GetParam()).toStdString() << ": " << tutti.size()
              << " controls (" << memorizzati.size() << " stored, " << rifiutati.size() << " checked), " << strings.size() << " strings; "
              << salvate << " saves, " << rifiutate << " refused with a message, " << confronti
              << " values read back" << std::endl;
}

INSTANTIATE_TEST_SUITE_P(Engines, HostileSweep, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
