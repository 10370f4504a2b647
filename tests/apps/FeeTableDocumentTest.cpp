// The court-fee table the calculator opens: written as a PDF from the firm's brackets, under
// the folder PathEXE names, and drawn with every bracket's fee.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "apps/studio/FeeTableDocument.h"
#include "fees/FrmCalcolaCU.h"
#include "platform/Settings.h"
#include "schema/Schema.h"

namespace tolmo::studio::test {
namespace {

TEST(FeeTableDocument, WrittenUnderPathExeFromTheFirmsBrackets) {
    QTemporaryDir dir;
    ConnectionPtr conn =
        schema::openDatabase(QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("demo.sqlite")));
    platform::MemorySettings settings;
    settings.setValue(QStringLiteral("startup"), QStringLiteral("PathEXE"), dir.path());
    const QString path = preparaTabellaContributo(settings, *conn);
    EXPECT_EQ(path, fees::FrmCalcolaCU::percorsoDocumentazione(dir.path()));
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    EXPECT_GT(pdf.size(), 1000);

    // The same drawing on an image: something is drawn on each bracket's line.
    const QList<fees::Scaglione> scaglioni = fees::scaglioniInVigore(*conn);
    ASSERT_EQ(scaglioni.size(), 7);
    QImage page(620, 877, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    disegnaTabellaContributo(painter, page.width(), page.height(), scaglioni);
    painter.end();
    const int riga = page.height() / 40, primaRiga = page.width() / 12 + riga * 5 / 2 + riga;
    for (int i = 0; i < scaglioni.size(); ++i) {
        const int y = primaRiga + i * riga + riga / 2;
        int scuri = 0;
        for (int x = 0; x < page.width(); ++x) scuri += qGray(page.pixel(x, y)) < 128;
        EXPECT_GT(scuri, 10) << "bracket " << i;
    }
}

TEST(FeeTableDocument, AnEmptyPathExeIsSetToTheStudiosDataFolder) {
    QTemporaryDir dir;
    ConnectionPtr conn =
        schema::openDatabase(QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("demo.sqlite")));
    platform::MemorySettings settings;
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
    const QString path = preparaTabellaContributo(settings, *conn);
    const QString pathExe = settings.value(QStringLiteral("startup"), QStringLiteral("PathEXE"));
    EXPECT_TRUE(pathExe.startsWith(dir.filePath(QStringLiteral("data"))));
    EXPECT_TRUE(QFile::exists(path));
}

}  // namespace
}  // namespace tolmo::studio::test
