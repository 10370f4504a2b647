#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include "SampleForm.h"
#include "form/FormJson.h"

namespace tolmo::form::test {
namespace {

QJsonObject json(const char* text) { return QJsonDocument::fromJson(QByteArray(text)).object(); }

class FormJsonTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.cmbStato.setRows({QStringLiteral("Aperta\t1"), QStringLiteral("Chiusa\t2")});
        for (Control* c : {static_cast<Control*>(&f.txtNome), static_cast<Control*>(&f.cmbStato),
                           static_cast<Control*>(&f.chkUrgente), static_cast<Control*>(&f.optTipo),
                           static_cast<Control*>(&f.tabPagine)}) {
            for (EventKind k : {EventKind::Change, EventKind::Click, EventKind::Choose, EventKind::DropDown})
                log.watch(*c, k);
        }
    }
    SampleForm f;
    EventLog log;
};

TEST_F(FormJsonTest, DumpCarriesCommonAndPerKindState) {
    f.txtNome.setBackColor(0xC0FFFF);
    f.txtNome.setFormat(QStringLiteral("dd/MM/yyyy"), QStringLiteral("##/##/####"));
    f.tabPagine.setTabVisible(1, false);
    f.grdParti.setTable({{QStringLiteral("Rossi"), QVariant()}});
    const QJsonObject all = dumpForm(f);
    EXPECT_EQ(all.size(), 8);
    const QJsonObject txt = all[QStringLiteral("txtNome")].toObject();
    EXPECT_EQ(txt[QStringLiteral("backColor")].toInteger(), 0xC0FFFF);
    EXPECT_EQ(txt[QStringLiteral("mask")].toString(), QStringLiteral("##/##/####"));
    EXPECT_FALSE(all[QStringLiteral("lblNome")].toObject().contains(QStringLiteral("backColor")));
    EXPECT_EQ(all[QStringLiteral("cmbStato")].toObject()[QStringLiteral("rows")].toArray().at(1).toString(),
              QStringLiteral("Chiusa\t2"));
    EXPECT_EQ(all[QStringLiteral("optTipo")].toObject()[QStringLiteral("index")].toInt(), -1);
    const QJsonArray tabs = all[QStringLiteral("tabPagine")].toObject()[QStringLiteral("tabs")].toArray();
    EXPECT_FALSE(tabs.at(1).toObject()[QStringLiteral("visible")].toBool());
    const QJsonArray row =
        all[QStringLiteral("grdParti")].toObject()[QStringLiteral("table")].toArray().at(0).toArray();
    EXPECT_EQ(row.at(0).toString(), QStringLiteral("Rossi"));
    EXPECT_TRUE(row.at(1).isNull());
    EXPECT_EQ(QJsonDocument::fromJson(QJsonDocument(all).toJson()).object(), all);
}

TEST_F(FormJsonTest, SetActsAsThePersonWould) {
    f.txtNome.setLocked(true);
    EXPECT_EQ(applySet(f, json(R"({"set":"txtNome","text":"Rossi"})")), QString());
    EXPECT_EQ(applySet(f, json(R"({"set":"chkUrgente","value":1})")), QString());
    EXPECT_EQ(applySet(f, json(R"({"set":"optTipo","value":2})")), QString());
    EXPECT_EQ(applySet(f, json(R"({"set":"tabPagine","index":1})")), QString());
    EXPECT_EQ(applySet(f, json(R"({"set":"cmbStato","row":1})")), QString());
    EXPECT_EQ(f.txtNome.text(), QStringLiteral("Rossi"));
    EXPECT_EQ(f.cmbStato.text(), QStringLiteral("Chiusa"));
    EXPECT_EQ(log.events,
              (std::vector<QString>{QStringLiteral("txtNome.Change"), QStringLiteral("chkUrgente.Click"),
                                    QStringLiteral("optTipo.Click:2"), QStringLiteral("tabPagine.Click:1"),
                                    QStringLiteral("cmbStato.Change"), QStringLiteral("cmbStato.Choose@1")}));
}

TEST_F(FormJsonTest, ListValueSelectsAMatchingRowOrKeepsTheTypedText) {
    EXPECT_EQ(applySet(f, json(R"({"set":"cmbStato","value":"Chiusa"})")), QString());
    EXPECT_EQ(f.cmbStato.selectedRow(), 1);
    EXPECT_EQ(applySet(f, json(R"({"set":"cmbStato","value":"Archiviata"})")), QString());
    EXPECT_EQ(f.cmbStato.selectedRow(), -1);
    EXPECT_EQ(f.cmbStato.text(), QStringLiteral("Archiviata"));
    EXPECT_EQ(applySet(f, json(R"({"set":"grdParti","row":0,"col":1})")), QString());
    EXPECT_EQ(f.grdParti.col(), 1);
}

TEST_F(FormJsonTest, SetReportsWhatItCannotDo) {
    EXPECT_EQ(applySet(f, json(R"({"set":"txtFantasma","text":"x"})")),
              QStringLiteral("controllo sconosciuto: txtFantasma"));
    EXPECT_FALSE(applySet(f, json(R"({"set":"chkUrgente","checked":2})")).isEmpty());
    EXPECT_FALSE(applySet(f, json(R"({"set":"txtNome","index":1})")).isEmpty());
    EXPECT_FALSE(applySet(f, json(R"({"set":"cmbStato","row":9})")).isEmpty());
    EXPECT_FALSE(applySet(f, json(R"({"set":"txtNome"})")).isEmpty());
    EXPECT_FALSE(f.chkUrgente.checked());
    EXPECT_TRUE(log.events.empty());
}

TEST_F(FormJsonTest, FireBuildsTheEvent) {
    std::vector<int> keys;
    f.txtNome.on(EventKind::KeyPress, [&](ControlEvent& e) {
        keys.push_back(e.key);
        if (e.key == '\'') e.key = 0;
    });
    EXPECT_EQ(applyFire(f, json(R"({"fire":"txtNome","event":"KeyPress","key":"è"})")), QString());
    EXPECT_EQ(applyFire(f, json(R"({"fire":"txtNome","event":"KeyPress","key":13})")), QString());
    EXPECT_EQ(applyFire(f, json(R"({"fire":"txtNome","event":"KeyPress","key":"'"})")), QString());
    EXPECT_EQ(keys, (std::vector<int>{0xE8, 13, '\''}));
    EXPECT_FALSE(applyFire(f, json(R"({"fire":"txtNome","event":"KeyPress"})")).isEmpty());
    EXPECT_FALSE(applyFire(f, json(R"({"fire":"txtNome","event":"KeyPress","key":"ab"})")).isEmpty());
    EXPECT_EQ(applyFire(f, json(R"({"fire":"txtNome","event":"Trascina"})")),
              QStringLiteral("evento sconosciuto: Trascina"));

    EXPECT_EQ(applyFire(f, json(R"({"fire":"optTipo","event":"Click","index":1})")), QString());
    EXPECT_EQ(applyFire(f, json(R"({"fire":"cmbStato","event":"DropDown"})")), QString());
    EXPECT_EQ(applyFire(f, json(R"({"fire":"cmbStato","event":"Choose","row":0})")), QString());
    EXPECT_EQ(f.cmbStato.selectedRow(), 0);
    EXPECT_EQ(applyFire(f, json(R"({"fire":"txtNome","event":"GotFocus"})")), QString());
    EXPECT_EQ(f.focus(), &f.txtNome);
    EXPECT_EQ(log.events,
              (std::vector<QString>{QStringLiteral("optTipo.Click:1"), QStringLiteral("cmbStato.DropDown"),
                                    QStringLiteral("cmbStato.Change"), QStringLiteral("cmbStato.Choose@0")}));
}

}  // namespace
}  // namespace tolmo::form::test
