#include <gtest/gtest.h>

#include <QStringList>

#include "foundation/OwningList.h"

namespace {

// A record with a name, a value and a nested list, counting live copies so
// that tests see which records a list deletes.
struct Node {
    static inline int live = 0;
    QString NAME;
    int32_t value = 0;
    OwningList<Node> children;

    Node() { ++live; }
    Node(const Node& other) : NAME(other.NAME), value(other.value), children(other.children) { ++live; }
    Node& operator=(const Node&) = default;
    ~Node() { --live; }
};

OwningList<Node> MakeList(std::initializer_list<const char*> names)
{
    OwningList<Node> list;
    int32_t value = 0;
    for (const char* name : names) {
        Node* node = list.AddNew();
        node->NAME = name;
        node->value = ++value;
        node->children.AddNew()->NAME = QString(name) + "/child";
    }
    return list;
}

QStringList Names(const OwningList<Node>& list)
{
    QStringList names;
    for (const Node& node : list)
        names << node.NAME;
    return names;
}

}  // namespace

TEST(OwningList, AssignToItselfChangesNothing)
{
    OwningList<Node> list = MakeList({"a", "b"});
    Node* first = list.First();
    list.Assign(list);
    list = *&list;
    EXPECT_EQ(Names(list), QStringList({"a", "b"}));
    EXPECT_EQ(list.First(), first);
    EXPECT_EQ(first->children.First()->NAME, "a/child");
}

TEST(OwningList, AssigningAnEmptyListDeletesTheRecords)
{
    const int before = Node::live;
    OwningList<Node> list = MakeList({"a", "b", "c"});
    EXPECT_EQ(Node::live, before + 6);
    list.Assign(OwningList<Node>());
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(Node::live, before);
}

TEST(OwningList, CopiesAreDeepDownToNestedLists)
{
    const OwningList<Node> source = MakeList({"a", "b"});
    OwningList<Node> target = MakeList({"x"});
    target.Assign(source);
    ASSERT_EQ(Names(target), QStringList({"a", "b"}));
    EXPECT_EQ(target[1].value, 2);

    target[0].NAME = "changed";
    target[0].children.First()->NAME = "changed";
    target[1].children.AddNew();
    EXPECT_EQ(source[0].NAME, "a");
    EXPECT_EQ(source[0].children.First()->NAME, "a/child");
    EXPECT_EQ(source[1].children.Size(), 1);
    EXPECT_NE(target.First(), source.First());
}

TEST(OwningList, GetAtOrNullOutsideTheListIsNull)
{
    const OwningList<Node> list = MakeList({"a", "b"});
    const std::pair<int32_t, const char*> cases[] = {{-1, nullptr}, {0, "a"}, {1, "b"}, {2, nullptr}};
    for (const auto& [index, name] : cases) {
        const Node* node = list.GetAtOrNull(index);
        if (name) {
            EXPECT_TRUE(node && node->NAME == name) << index;
        } else {
            EXPECT_EQ(node, nullptr) << index;
        }
    }
    EXPECT_EQ(OwningList<Node>().GetAtOrNull(0), nullptr);
}

TEST(OwningList, NameLookUpIsExactAndTakesTheFirst)
{
    OwningList<Node> list = MakeList({"Seal", "seal", "seal"});
    EXPECT_EQ(list.IndexOfName(&Node::NAME, "seal"), 1);
    EXPECT_EQ(list.FindByName(&Node::NAME, "seal"), list.GetAtOrNull(1));
    EXPECT_EQ(list.IndexOfName(&Node::NAME, "SEAL"), -1);
    EXPECT_EQ(list.FindByName(&Node::NAME, "none"), nullptr);
}

TEST(OwningList, RemoveDeletesOnlyARecordOfTheList)
{
    const int before = Node::live;
    OwningList<Node> list = MakeList({"a", "b"});
    Node stranger;
    EXPECT_FALSE(list.Remove(&stranger));
    EXPECT_TRUE(list.Remove(list.GetAtOrNull(0)));
    EXPECT_EQ(Names(list), QStringList({"b"}));
    EXPECT_EQ(Node::live, before + 3);  // b, its child and the stranger
}
