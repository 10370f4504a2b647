#pragma once
// A tolmo-host session on a fresh demo firm, for each engine under test.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <memory>

#include "apps/host/HostSession.h"
#include "support/DocumentsRoot.h"
#include "support/TestDb.h"

namespace tolmo::test {

class HostTest : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override;

    /// Sends one command; returns the reply and keeps what happened before it.
    QJsonObject send(const QJsonObject& command);
    QJsonObject call(const QString& name, const QJsonArray& args = {});
    QJsonObject state();
    QJsonObject control(const QString& name);
    /// Names of the events that happened during the last command.
    QStringList events() const;

    std::unique_ptr<ScratchDatabase> db;
    platform::MemorySettings settings;
    DocumentsRoot documents{settings};
    std::unique_ptr<host::HostSession> session;
    QList<QJsonObject> happened;     // during the last command
    QList<QJsonObject> allHappened;  // since SetUp
};

}  // namespace tolmo::test
