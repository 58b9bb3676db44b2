// How the boxes of an option tree follow the store and one another, on a
// plain tree: "Browsers" with "Opera" (Cache, Cookies), "AOL" (History) and
// "Gaim", an application without items.
#include "CheckTreeRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

struct Node {
    Node* parent;
    bool isItem; // a leaf with a stored value, else a group node
    bool stored = false;
    bool checked = true; // whatever the tree showed before
};

// The calls of CTreeCtrl over a fixed set of nodes, children in order.
struct ModelTree {
    std::vector<Node*> nodes;
    Node* GetChild(Node* node) const { return Next(node, nodes.begin()); }
    Node* GetNextSibling(Node* node) const {
        return Next(node->parent, std::find(nodes.begin(), nodes.end(), node) + 1);
    }
    Node* GetParentItem(Node* node) const { return node->parent; }
    bool GetCheck(Node* node) const { return node->checked; }
    void SetCheck(Node* node, bool checked) const { node->checked = checked; }

private:
    Node* Next(Node* parent, std::vector<Node*>::const_iterator from) const {
        for (; from != nodes.end(); ++from) {
            if ((*from)->parent == parent) {
                return *from;
            }
        }
        return nullptr;
    }
};

class CheckRules : public ::testing::Test {
protected:
    Node root{nullptr, false}, opera{&root, false}, cache{&opera, true}, cookies{&opera, true},
        aol{&root, false}, history{&aol, true}, gaim{&root, false};
    ModelTree tree{{&root, &opera, &cache, &cookies, &aol, &history, &gaim}};

    void Load() {
        nimbrel::LoadChecks(tree, &root, [](Node* node) {
            return node->isItem ? std::optional<bool>(node->stored) : std::nullopt;
        });
    }
    void Toggle(Node& node) {
        node.checked = !node.checked; // the user's click
        nimbrel::ApplyCheckChange(tree, &node);
    }
};

} // namespace

TEST_F(CheckRules, GroupsShowCheckedWhenAnythingBelowThemIsOn) {
    cookies.stored = true;
    Load();
    EXPECT_TRUE(cookies.checked);
    EXPECT_FALSE(cache.checked);
    EXPECT_TRUE(opera.checked) << "one item on is enough";
    EXPECT_FALSE(aol.checked);
    EXPECT_FALSE(gaim.checked) << "an application without items";
    EXPECT_TRUE(root.checked);

    cookies.stored = false;
    Load();
    EXPECT_FALSE(opera.checked);
    EXPECT_FALSE(root.checked);

    Node bare{nullptr, false};
    ModelTree empty{{&bare}};
    nimbrel::LoadChecks(empty, &bare, [](Node*) { return std::optional<bool>(false); });
    EXPECT_TRUE(bare.checked) << "a tree not built yet keeps its look";
}

TEST_F(CheckRules, ACheckSpreadsDownAndUpAnUncheckOnlyDown) {
    Load();
    Toggle(cookies);
    EXPECT_TRUE(opera.checked);
    EXPECT_TRUE(root.checked);
    EXPECT_FALSE(cache.checked) << "siblings keep their state";
    EXPECT_FALSE(aol.checked);

    Toggle(opera);
    EXPECT_FALSE(cookies.checked);
    EXPECT_TRUE(root.checked) << "unchecking never reaches upwards";
    Toggle(cookies);
    EXPECT_FALSE(cache.checked);
    Toggle(cookies);
    EXPECT_TRUE(opera.checked) << "unchecking the last item leaves its application checked";

    Toggle(root);
    EXPECT_FALSE(opera.checked || aol.checked || history.checked || gaim.checked);
    Toggle(root);
    EXPECT_TRUE(opera.checked && cache.checked && cookies.checked && aol.checked && history.checked);
}
