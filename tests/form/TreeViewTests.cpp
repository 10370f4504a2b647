#include <gtest/gtest.h>

#include "form/Form.h"
#include "form/TreeView.h"

namespace tolmo::form::test {
namespace {

struct Albero : ::testing::Test {
    Form f{QStringLiteral("frm")};
    TreeView tv{&f, QStringLiteral("tv")};
    QStringList seen;
    void SetUp() override {
        ASSERT_TRUE(tv.addNode({}, "R1", "Lazio", "keyPlus", "1"));
        ASSERT_TRUE(tv.addNode("R1", "C1", "Roma", "keyPlus", "58091"));
        ASSERT_TRUE(tv.addNode("C1", "U1", "TRIBUNALE", "keyDot", "TRI058091"));
        for (EventKind k : {EventKind::Click, EventKind::Choose, EventKind::Expand, EventKind::Collapse})
            tv.on(k, [this](ControlEvent& e) { seen << eventKindName(e.kind) + u':' + e.node; });
    }
};

TEST_F(Albero, KeysAreUniqueAndParentsMustExist) {
    EXPECT_FALSE(tv.addNode({}, "R1", "Doppio", "keyPlus", ""));
    EXPECT_FALSE(tv.addNode("R9", "C9", "Orfano", "keyPlus", ""));
    EXPECT_FALSE(tv.addNode({}, "", "Senza chiave", "keyPlus", ""));
    EXPECT_EQ(tv.nodeCount(), 3);
    EXPECT_EQ(tv.childKeys({}), QStringList{"R1"});
    EXPECT_EQ(tv.parentKey("U1"), "C1");
    tv.clear();
    EXPECT_EQ(tv.nodeCount(), 0);
    EXPECT_TRUE(tv.addNode({}, "R1", "Lazio", "keyPlus", "1"));  // a cleared tree takes its keys again
}

TEST_F(Albero, EventsCarryTheNodeAndALeafNeverOpens) {
    tv.clickNode("C1");
    tv.setExpanded("C1", true);
    tv.setExpanded("C1", true);  // no change, no event
    tv.setExpanded("U1", true);  // a leaf has nothing to open
    tv.moveToNode("U1");
    tv.clickNode("X");  // unknown: nothing
    EXPECT_EQ(seen, (QStringList{"Click:C1", "Expand:C1", "Choose:U1"}));
    EXPECT_EQ(tv.selectedKey(), "U1");
    EXPECT_FALSE(tv.node("U1")->expanded);
    tv.setSelectedKey("X");
    EXPECT_EQ(tv.selectedKey(), "");
}

}  // namespace
}  // namespace tolmo::form::test
