// Hostile input everywhere: every string of the naughty list typed into every control a person
// types into, on the case form, its header and the dialogs, then confirmed. A control whose text
// the save stores must give it back as typed (trimmed, cut to its length); every other control
// must take the strings with no database error: the save goes through or a message says why.

#include <QFile>
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
bool resoComeScritto(const QString& letto, QString scritto, const Campo& campo, bool sqlite) {
    const int lunghezza = campo.lunghezza;
    if (sqlite && letto.contains(QChar(0xFFFD))) scritto.replace(QChar(0xFFFE), QChar(0xFFFD));
    const QString spuntato = scritto.trimmed();
    if (spuntato.isEmpty() || letto == scritto || letto == spuntato) return true;
    const bool libero = campo.nome.startsWith(QLatin1String("txtCampo("));
    const int tiene = libero && lunghezza > kMostratiCampiLiberi ? kMostratiCampiLiberi : lunghezza;
    if (tiene <= 0) return false;  // no length: nothing may be cut
    return letto.size() >= tiene - 1 && (scritto.startsWith(letto) || spuntato.startsWith(letto.trimmed()));
}

/// The naughty strings swept: all of them, or every TOLMO_SWEEP_PASSO-th (the sanitizer build).
QStringList stringhe() {
    const QStringList tutte = allNaughtyStrings();
    const int passo = std::max(1, qEnvironmentVariableIntValue("TOLMO_SWEEP_PASSO"));
    QStringList scelte;
    for (qsizetype i = 0; i < tutte.size(); i += passo) scelte << tutte.at(i);
    return scelte;
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
        return send({{"dump", form}})
            .value("form")
            .toObject()
            .value(campo.mid(dot + 1))
            .toObject()
            .value("text")
            .toString();
    }
    /// Fails on an error reply or an error report among the boxes of the last command.
    void nessunErrore(const QString& dove) {
        for (const QJsonObject& h : happened) {
            EXPECT_FALSE(h.contains("error"))
                << dove.toStdString() << ": "
                << QJsonDocument(h).toJson(QJsonDocument::Compact).toStdString();
            if (h.contains("msgbox")) {
                EXPECT_FALSE(h.value("msgbox").toObject().value("text").toString().startsWith("Azione : "))
                    << dove.toStdString() << ": "
                    << QJsonDocument(h).toJson(QJsonDocument::Compact).toStdString();
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
    const QStringList strings = stringhe();
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
                EXPECT_TRUE(resoComeScritto(letto, testi.at(i), gruppo.at(i), sqlite))
                    << gruppo.at(i).nome.toStdString() << ": typed "
                    << QJsonDocument(QJsonArray{testi.at(i)}).toJson(QJsonDocument::Compact).toStdString()
                    << ", read back "
                    << QJsonDocument(QJsonArray{letto}).toJson(QJsonDocument::Compact).toStdString();
            }
        }
    }
    std::cout << "[ sweep    ] case form on " << engineName(GetParam()).toStdString() << ": " << tutti.size()
              << " controls (" << memorizzati.size() << " stored, " << rifiutati.size() << " checked), "
              << strings.size() << " strings; " << salvate << " saves, " << rifiutate
              << " refused with a message, " << confronti << " values read back" << std::endl;
}

/// The dialogs swept, as hostile-dialogs.json describes how a person reaches and confirms each.
QJsonArray dialoghi() {
    QFile file(QStringLiteral(TOLMO_HOST_TEST_DIR "/hostile-dialogs.json"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    return QJsonDocument::fromJson(file.readAll()).array();
}

QJsonArray unite(std::initializer_list<QJsonArray> parti) {
    QJsonArray out;
    for (const QJsonArray& a : parti)
        for (const QJsonValue& v : a) out.append(v);
    return out;
}

// Each dialog: its text controls found by a first dump, then round k types string k + i into
// control i and confirms; the controls whose texts are checked (dates, amounts, codes) one at
// a time. Nothing may end in an error report or an error reply; a refusal is a message.
TEST_P(HostileSweep, EveryTextOfEveryDialogIsTakenOrRefusedInWords) {
    const QStringList strings = stringhe();
    int campiTotali = 0, sessioni = 0;
    for (const QJsonValue& voce : dialoghi()) {
        const QJsonObject d = voce.toObject();
        if (d.value("soloStudio").toBool()) continue;  // no host command shows it
        const QString form = d.value("form").toString();
        const QJsonArray apri = d.value("apri").toArray(), conferma = d.value("conferma").toArray();
        // The commands before, the dialog's script registered, the command that shows it (and
        // any dialog it opens from), the commands after; no error anywhere.
        const auto sessione = [&](const QJsonArray& script, const QString& dove) {
            for (const QJsonValue& c : d.value("prima").toArray()) send(c.toObject());
            send({{"onshow", form}, {"script", unite({apri, script})}});
            QList<QJsonObject> out;
            for (const QJsonValue& c : d.value("apriCon").toArray()) {
                send(c.toObject());
                nessunErrore(form + QLatin1Char(' ') + dove);
                for (const QJsonObject& h : happened)
                    if (h.contains("form")) out << h.value("form").toObject();
            }
            for (const QJsonValue& c : d.value("dopo").toArray()) {
                send(c.toObject());
                nessunErrore(form + QLatin1Char(' ') + dove + QStringLiteral(" dopo"));
            }
            ++sessioni;
            return out;
        };
        const QList<QJsonObject> primo = sessione({kDump}, QStringLiteral("aperta"));
        ASSERT_FALSE(primo.isEmpty()) << form.toStdString() << " did not show";
        QStringList batch, soli;
        const QJsonObject controlli = primo.first();
        const QJsonArray controllati = d.value("controllati").toArray();
        for (auto it = controlli.begin(); it != controlli.end(); ++it) {
            const QJsonObject c = it.value().toObject();
            if (!c.contains("kind") || !c.value("enabled").toBool() || c.value("locked").toBool()) continue;
            (controllati.contains(it.key()) ? soli : batch).append(it.key());
        }
        EXPECT_EQ(batch.size() + soli.size() > 0, !d.value("senzaTesti").toBool()) << form.toStdString();
        campiTotali += static_cast<int>(batch.size() + soli.size());
        std::cout << "[ sweep    ]   " << form.toStdString() << ": " << batch.size() + soli.size()
                  << " text controls" << std::endl;
        QList<QStringList> gruppi;
        if (!batch.isEmpty()) gruppi.append(batch);
        for (const QString& c : soli) gruppi.append({c});
        for (const QStringList& gruppo : gruppi) {
            for (qsizetype k = 0; k < strings.size(); ++k) {
                QJsonArray script;
                for (qsizetype i = 0; i < gruppo.size(); ++i)
                    script.append(
                        set(gruppo.at(i).toUtf8().constData(), strings.at((k + i) % strings.size())));
                sessione(unite({script, conferma}), QStringLiteral("giro %1 ").arg(k) + gruppo.join(u','));
            }
        }
    }
    std::cout << "[ sweep    ] dialogs on " << engineName(GetParam()).toStdString() << ": "
              << dialoghi().size() << " dialogs, " << campiTotali << " text controls, " << strings.size()
              << " strings, " << sessioni << " sessions" << std::endl;
}

INSTANTIATE_TEST_SUITE_P(Engines, HostileSweep, ::testing::ValuesIn(enginesUnderTest()),
                         [](const auto& info) { return engineName(info.param).toStdString(); });

}  // namespace
}  // namespace tolmo::test
