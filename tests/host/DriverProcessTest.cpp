// The tolmo-host executable itself: JSON lines in, JSON lines out.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "support/TestDb.h"

namespace tolmo::test {
namespace {

QList<QJsonObject> runHost(const QStringList& args, const QByteArray& input, int* exitCode, QByteArray* err) {
    QProcess p;
    p.start(QStringLiteral(TOLMO_HOST_BINARY), args);
    EXPECT_TRUE(p.waitForStarted());
    p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(120000));
    *exitCode = p.exitCode();
    *err = p.readAllStandardError();
    QList<QJsonObject> lines;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
        if (!line.isEmpty()) lines << QJsonDocument::fromJson(line).object();
    return lines;
}

TEST(DriverProcess, CreatesTheDemoFirmAndAnswersLineByLine) {
    QTemporaryDir dir;
    int code = -1;
    QByteArray err;
    const QString url = QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("nuovo.sqlite"));
    const QList<QJsonObject> out = runHost({QStringLiteral("--db"), url},
                                           "{\"dump\":\"state\"}\n"
                                           "{\"call\":\"Start\",\"args\":[]}\n"
                                           "{\"answer\":[\"Yes\"]}\n"
                                           "not json\n"
                                           "{\"dump\":\"state\"}\n",
                                           &code, &err);
    EXPECT_EQ(code, 0) << err.toStdString();
    ASSERT_EQ(out.size(), 5);
    EXPECT_EQ(out[0].value("state").toObject().value("editState").toInt(), 0);
    EXPECT_TRUE(out[1].contains("result"));
    EXPECT_EQ(out[2].value("ok").toBool(), true);
    EXPECT_TRUE(out[3].contains("error"));
    EXPECT_EQ(out[4].value("state").toObject().value("title").toString(), "Tolmo Studio");
}

TEST(DriverProcess, ADatabaseThatCannotBeOpenedGivesOneSentence) {
    int code = -1;
    QByteArray err;
    for (const QString& url :
         {QStringLiteral("mysql://nessuno"), QStringLiteral("postgresql://tolmo@127.0.0.1:1/nessuno"),
          QStringLiteral("sqlite:/cartella/che/non/esiste/db.sqlite")}) {
        runHost({QStringLiteral("--db"), url}, "", &code, &err);
        EXPECT_EQ(code, 2) << url.toStdString();
        const QString text = QString::fromUtf8(err).trimmed();
        EXPECT_FALSE(text.isEmpty());
        EXPECT_FALSE(text.contains('\n')) << text.toStdString();
    }
}

}  // namespace
}  // namespace tolmo::test
