// How the boxes of an option tree follow the store and one another, on a
// plain tree: "Browsers" with "Opera" (Cache, Cookies) and "AOL" (History).
#include "CheckTreeRules.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>

using nimbrel::ApplyCheckChange;
using nimbrel::LoadChecks;

namespace {

struct Node {
    std::string label;
    Node* parent = nullptr;
    std::vector<Node*> children;
    bool isItem = false; // a leaf with a stored value; else a group node
    bool checked = false;
};

class ModelTree {
public:
    Node* Add(const std::string& label, Node* parent = nullptr, bool isItem = false) {
        Node& node = nodes_.emplace_back(Node{label, parent, {}, isItem, false});
        if (parent) {
            parent->children.push_back(&node);
        }
        return &node;
    }
    Node* GetChild(Node* node) const { return node->children.empty() ? nullptr : node->children.front(); }
    Node* GetNextSibling(Node* node) const {
        if (!node->parent) {
            return nullptr;
        }
        const auto& siblings = node->parent->children;
        for (size_t i = 0; i + 1 < siblings.size(); ++i) {
            if (siblings[i] == node) {
                return siblings[i + 1];
            }
        }
        return nullptr;
    }
    Node* GetParentItem(Node* node) const { return node->parent; }
    bool GetCheck(Node* node) const { return node->checked; }
    void SetCheck(Node* node, bool checked) const { node->checked = checked; }

private:
    std::deque<Node> nodes_;
};

class CheckRules : public ::testing::Test {
protected:
    ModelTree tree;
    Node* root = tree.Add("Browsers");
    Node* opera = tree.Add("Opera", root);
    Node* cache = tree.Add("Cache", opera, true);
    Node* cookies = tree.Add("Cookies", opera, true);
    Node* aol = tree.Add("AOL", root);
    Node* history = tree.Add("History", aol, true);

    // Loads the tree from stored item states (items absent from the map are
    // off); group nodes have no stored state.
    void Load(std::map<Node*, bool> stored) {
        LoadChecks(tree, root, [&](Node* node) -> std::optional<bool> {
            return node->isItem ? std::optional<bool>(stored[node]) : std::nullopt;
        });
    }
};

} // namespace

TEST_F(CheckRules, AnApplicationShowsCheckedWhenAnyOfItsItemsIsOn) {
    for (Node* node : {root, opera, cache, cookies, aol, history}) {
        node->checked = true; // whatever the tree showed before
    }
    Load({{cookies, true}});
    EXPECT_TRUE(cookies->checked);
    EXPECT_FALSE(cache->checked);
    EXPECT_TRUE(opera->checked) << "one item on is enough";
    EXPECT_FALSE(aol->checked);
    EXPECT_FALSE(history->checked);
    EXPECT_TRUE(root->checked);

    Load({});
    EXPECT_FALSE(opera->checked);
    EXPECT_FALSE(root->checked) << "nothing on anywhere";
}

TEST_F(CheckRules, AnApplicationWithoutItemsShowsUncheckedAndAnEmptyTreeIsLeftAlone) {
    Node* empty = tree.Add("Gaim", root);
    empty->checked = true;
    Load({{history, true}});
    EXPECT_FALSE(empty->checked);
    EXPECT_TRUE(root->checked);

    ModelTree bare;
    Node* lonely = bare.Add("Windows");
    lonely->checked = true;
    LoadChecks(bare, lonely, [](Node*) -> std::optional<bool> { return false; });
    EXPECT_TRUE(lonely->checked) << "a tree not built yet keeps its look";
}

TEST_F(CheckRules, CheckingAnItemChecksItsApplicationAndTheRootOnly) {
    Load({});
    cookies->checked = true; // the user's click
    ApplyCheckChange(tree, cookies);
    EXPECT_TRUE(opera->checked);
    EXPECT_TRUE(root->checked);
    EXPECT_FALSE(cache->checked) << "siblings keep their state";
    EXPECT_FALSE(aol->checked);
    EXPECT_FALSE(history->checked);
}

TEST_F(CheckRules, AGroupPassesItsNewStateToEverythingBelowIt) {
    Load({{cookies, true}});
    opera->checked = false;
    ApplyCheckChange(tree, opera);
    EXPECT_FALSE(cache->checked);
    EXPECT_FALSE(cookies->checked);
    EXPECT_TRUE(root->checked) << "unchecking never reaches upwards";

    aol->checked = true;
    ApplyCheckChange(tree, aol);
    EXPECT_TRUE(history->checked);

    root->checked = false;
    ApplyCheckChange(tree, root);
    for (Node* node : {opera, cache, cookies, aol, history}) {
        EXPECT_FALSE(node->checked) << node->label;
    }
    root->checked = true;
    ApplyCheckChange(tree, root);
    for (Node* node : {opera, cache, cookies, aol, history}) {
        EXPECT_TRUE(node->checked) << node->label;
    }
}
