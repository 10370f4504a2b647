#pragma once
// A fresh demo firm on each engine under test.

#include <gtest/gtest.h>

#include <memory>

#include "schema/Schema.h"
#include "support/TestDb.h"

namespace tolmo::test {

class DemoFirmTest : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        db = std::make_unique<ScratchDatabase>(GetParam());
        rw = schema::openDatabase(db->url());  // schema and demo firm
    }

    std::unique_ptr<ScratchDatabase> db;
    ConnectionPtr rw;
};

inline std::string engineParamName(const ::testing::TestParamInfo<Engine>& info) {
    return engineName(info.param).toStdString();
}

}  // namespace tolmo::test
