#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include "SampleForm.h"

namespace tolmo::form::test {
namespace {

// A few lines from the "Big List of Naughty Strings",
// Copyright (c) 2015-2020 Max Woolf, MIT License.
const char* const kNaughty[] = {
    "undefined",
    "\\\\",
    "1'000'000,00",
    "<>?:\"{}|_+",
    "Ω≈ç√∫˜µ≤≥÷",
    "'; DROP TABLE pratiche; --",
    "\xe2\x80\xaa\xe2\x80\xaetest\xe2\x80\xaa",
    "👾 🙇 💁 🙅 🙆 🙋 🙎 🙍",
    "<script>alert(123)</script>",
    "Ṱ̺̺̕o͞ ̷i̲̬͇̪͙n̝̗͕v̟̜̘̦͟o̶̙̰̠kè͚̮̺̪̹̱̤",
};

// The whole list shipped in data/ (same attribution as above).
QStringList allNaughtyStrings() {
    QFile file(QStringLiteral(TOLMO_DATA_DIR "/naughty-strings.json"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList out;
    for (const QJsonValue& v : QJsonDocument::fromJson(file.readAll()).array()) out.append(v.toString());
    return out;
}

TEST(ListControl, CellsComeFromTabSeparatedColumns) {
    SampleForm f;
    f.cmbStato.addRow(QStringList{QStringLiteral("Aperta"), QStringLiteral("1")});
    f.cmbStato.addRow(QStringLiteral("Chiusa\t2\textra"));
    f.cmbStato.addRow(QStringLiteral("Sospesa"));
    EXPECT_EQ(f.cmbStato.cell(0, 1), QStringLiteral("1"));
    EXPECT_EQ(f.cmbStato.cell(1, 2), QStringLiteral("extra"));
    EXPECT_EQ(f.cmbStato.cell(2, 1), QString());
    EXPECT_EQ(f.cmbStato.cell(3, 0), QString());
    EXPECT_EQ(f.cmbStato.findRow(1, QStringLiteral("2")), 1);
    EXPECT_EQ(f.cmbStato.findRow(0, QStringLiteral("chiusa")), -1);
    EXPECT_EQ(f.cmbStato.selectedCell(0), QString());
}

TEST(ListControl, SelectingShowsFirstColumnAndChangesOnlyWhenTextDiffers) {
    SampleForm f;
    f.cmbStato.setRows(
        {QStringLiteral("Aperta\t1"), QStringLiteral("Aperta\t2"), QStringLiteral("Chiusa\t3")});
    int changes = 0;
    f.cmbStato.on(EventKind::Change, [&](ControlEvent&) { ++changes; });
    f.cmbStato.setSelectedRow(0);
    f.cmbStato.setSelectedRow(1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(f.cmbStato.selectedCell(1), QStringLiteral("2"));
    f.cmbStato.setSelectedRow(-1);
    EXPECT_EQ(f.cmbStato.text(), QStringLiteral("Aperta"));
    f.cmbStato.setSelectedRow(2);
    f.cmbStato.setSelectedRow(40);
    EXPECT_EQ(f.cmbStato.selectedRow(), -1);
    f.cmbStato.setSelectedRow(2);
    f.cmbStato.setRows({QStringLiteral("Nuova")});
    EXPECT_EQ(f.cmbStato.selectedRow(), -1);
    EXPECT_EQ(f.cmbStato.text(), QStringLiteral("Chiusa"));
}

TEST(ListControl, HostileStringsKeepTheirColumns) {
    QStringList strings = allNaughtyStrings();
    ASSERT_GT(strings.size(), 500);
    for (const char* s : kNaughty) strings.append(QString::fromUtf8(s));
    SampleForm f;
    for (int i = 0; i < strings.size(); ++i) f.cmbStato.addRow(QStringList{strings[i], QString::number(i)});
    for (int i = 0; i < strings.size(); ++i) {
        const QString shown = QString(strings[i]).replace(QLatin1Char('\t'), QLatin1Char(' '));
        ASSERT_EQ(f.cmbStato.cell(i, 1), QString::number(i)) << "row " << i;
        ASSERT_EQ(f.cmbStato.cell(i, 0), shown) << "row " << i;
        const int found = f.cmbStato.findRow(0, shown);
        ASSERT_LE(found, i);
        f.cmbStato.setSelectedRow(found);
        ASSERT_EQ(f.cmbStato.text(), shown);
    }
}

}  // namespace
}  // namespace tolmo::form::test
