// The names of the case folders: the firm's five structures, and hostile names that must give
// one folder inside the documents folder, which Linux and Windows both accept.

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "extras/FolderName.h"
#include "support/NaughtyStrings.h"

namespace tolmo::extras {
namespace {

TEST(FolderName, TheFiveStructuresWithAndWithoutCounterparty) {
    const PartiCartella rossi{"ROSSI", "BIANCHI", "12/2024\\A", 45};
    EXPECT_EQ(parteposizione(rossi.posizione), "Pos_12_2024_A");
    EXPECT_EQ(nomeCartella("CLI_CO_POS", rossi), "ROSSI_BIANCHI_Pos_12_2024_A_PID_45_P");
    EXPECT_EQ(nomeCartella("CO_CLI_POS", rossi), "BIANCHI_ROSSI_Pos_12_2024_A_PID_45_P");
    EXPECT_EQ(nomeCartella("POS_CLI_CO", rossi), "Pos_12_2024_A_ROSSI_BIANCHI_PID_45_P");
    EXPECT_EQ(nomeCartella("CLI_CO", rossi), "ROSSI_BIANCHI_PID_45_P");
    EXPECT_EQ(nomeCartella("CO_CLI", rossi), "BIANCHI_ROSSI_PID_45_P");
    EXPECT_EQ(nomeCartella("cli_co", rossi), "");  // no structure, no folder
    EXPECT_EQ(nomeCartella("", rossi), "");
    // "." is no counterparty; an empty position keeps its separator.
    EXPECT_EQ(nomeCartella("CLI_CO_POS", {"ROSSI", ".", "7", 45}), "ROSSI_Pos_7_PID_45_P");
    EXPECT_EQ(nomeCartella("CO_CLI_POS", {"ROSSI", "", "7", 45}), "ROSSI_Pos_7_PID_45_P");
    EXPECT_EQ(nomeCartella("CLI_CO_POS", {"ROSSI", "BIANCHI", "", 45}), "ROSSI_BIANCHI__PID_45_P");
    // Names with slashes never make a path.
    EXPECT_EQ(nomeCartella("CLI_CO", {"A/B", "C\\D", "", 3}), "A_B_C_D_PID_3_P");
}

TEST(FolderName, WindowsDevicesAndRefusedCharactersAreAvoided) {
    EXPECT_EQ(nomeSicuro("CON"), "_CON");
    EXPECT_EQ(nomeSicuro("nul.txt"), "_nul.txt");
    EXPECT_EQ(nomeSicuro("Com1 .x"), "_Com1 .x");
    EXPECT_EQ(nomeSicuro("CONTE"), "CONTE");
    EXPECT_EQ(nomeSicuro("a<b>c:d\"e|f?g*h\ti"), "a_b_c_d_e_f_g_h_i");
    EXPECT_EQ(nomeSicuro("fine. "), "fine");
    EXPECT_EQ(nomeSicuro(".."), "_");
}

// Every naughty string as client, counterparty and position: the folder is made, it is a direct
// child of the documents folder, and Windows would take its name too.
TEST(FolderName, NaughtyNamesGiveOneFolderInsideTheDocumentsFolder) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QDir documenti(root.path());
    static const QRegularExpression rifiutati(QStringLiteral("[<>:\"/\\\\|?*\\x00-\\x1f\\x7f]"));
    static const QRegularExpression dispositivo(QStringLiteral("^(CON|PRN|AUX|NUL|COM[0-9¹²³]|LPT[0-9¹²³])$"),
                                                QRegularExpression::CaseInsensitiveOption);
    int id = 0, fatte = 0;
    for (const QString& s : tolmo::test::allNaughtyStrings()) {
        for (const PartiCartella& p :
             {PartiCartella{s, "BIANCHI", "1", ++id}, PartiCartella{"ROSSI", s, "1", ++id},
              PartiCartella{"ROSSI", "", s, ++id}}) {
            const QString nome = nomeCartella("POS_CLI_CO", p);
            SCOPED_TRACE(s.left(60).toStdString());
            ASSERT_FALSE(nome.isEmpty());
            EXPECT_TRUE(nome.endsWith(QStringLiteral("_PID_%1_P").arg(p.idPratica)));
            EXPECT_FALSE(nome.contains(rifiutati));
            EXPECT_FALSE(nome.section(u'.', 0, 0).trimmed().contains(dispositivo));
            EXPECT_FALSE(nome.endsWith(u'.') || nome.endsWith(u' '));
            EXPECT_LE(nome.toUtf8().size(), 255);
            ASSERT_TRUE(documenti.mkdir(nome)) << nome.toStdString();
            const QFileInfo fatta(documenti.filePath(nome));
            EXPECT_TRUE(fatta.isDir());
            EXPECT_EQ(fatta.absoluteDir().canonicalPath(), documenti.canonicalPath());
            ++fatte;
        }
    }
    EXPECT_EQ(documenti.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), fatte);
}

}  // namespace
}  // namespace tolmo::extras
