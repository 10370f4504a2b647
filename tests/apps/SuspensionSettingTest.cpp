// The firm's summer suspension span: set once, read back the canonical way, a wrong span refused.

#include "AppsFixture.h"
#include "apps/common/SuspensionSetting.h"

namespace tolmo::test {
namespace {

using SuspensionSetting = DemoFirmTest;

TEST_P(SuspensionSetting, SetOnceReadBackAndAWrongSpanRefused) {
    EXPECT_EQ(hostkit::leggiSospensione(*rw), QStringLiteral("01/08-15/09"));  // the long span by default
    EXPECT_EQ(hostkit::impostaSospensione(*rw, QStringLiteral(" 1/8 - 31/8 ")),
              QStringLiteral("01/08-31/08"));
    EXPECT_EQ(hostkit::leggiSospensione(*rw), QStringLiteral("01/08-31/08"));
    for (const char* wrong : {"15/09-01/08", "agosto", "'; DROP TABLE ConfigGenerale; --"})
        EXPECT_THROW(hostkit::impostaSospensione(*rw, QString::fromUtf8(wrong)), hostkit::SpanRefused)
            << wrong;
    EXPECT_EQ(hostkit::leggiSospensione(*rw), QStringLiteral("01/08-31/08"));
}

INSTANTIATE_TEST_SUITE_P(Engines, SuspensionSetting, ::testing::ValuesIn(enginesUnderTest()),
                         engineParamName);

}  // namespace
}  // namespace tolmo::test
