// The found-items tree's rules on a plain model: how marks spread when the
// user ticks and unticks, the Recycle Bin's all-or-nothing, what counts as
// a choice, and which found items a cleaning run takes.
#include "FoundTreeRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

struct Node {
    std::wstring text;
    Node* parent;
    bool checked = true; // a scan leaves every node ticked
};

// The calls of CTreeCtrl over nodes kept in tree order.
struct ModelTree {
    std::vector<std::unique_ptr<Node>> nodes;

    Node* Add(const std::wstring& text, Node* parent = nullptr) {
        nodes.push_back(std::make_unique<Node>(Node{text, parent}));
        return nodes.back().get();
    }
    Node* GetRoot() const { return Next(nullptr, 0); }
    Node* GetChild(Node* node) const { return Next(node, 0); }
    Node* GetNextSibling(Node* node) const { return Next(node->parent, IndexOf(node) + 1); }
    Node* GetParentItem(Node* node) const { return node->parent; }
    bool GetCheck(Node* node) const { return node->checked; }
    void SetCheck(Node* node, bool checked) const { node->checked = checked; }
    std::wstring GetItemText(Node* node) const { return node->text; }

private:
    size_t IndexOf(Node* node) const {
        return static_cast<size_t>(
            std::find_if(nodes.begin(), nodes.end(), [&](auto& n) { return n.get() == node; }) -
            nodes.begin());
    }
    Node* Next(Node* parent, size_t from) const {
        for (; from < nodes.size(); ++from) {
            if (nodes[from]->parent == parent) {
                return nodes[from].get();
            }
        }
        return nullptr;
    }
};

// What a scan of a user's machine leaves: two Windows items (one the
// Recycle Bin) and Internet Explorer and Opera under the browsers.
class FoundTree : public ::testing::Test {
protected:
    ModelTree tree;
    Node* windows = tree.Add(L"Windows");
    Node* temp = tree.Add(L" Temp Folder", windows);
    Node* tempFile = tree.Add(L"C:\\users\\me\\Temp\\~DF3A.tmp", temp);
    Node* setupLog = tree.Add(L"C:\\users\\me\\Temp\\setup.log", temp);
    Node* bin = tree.Add(L"Flush Recycle bin", windows);
    Node* letter = tree.Add(L"old letter.doc", bin);
    Node* photo = tree.Add(L"photo.jpg", bin);
    Node* run = tree.Add(L" Run command History", windows);
    Node* runEntry =
        tree.Add(L"HKEY_CURRENT_USER||Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU=a", run);
    Node* browsers = tree.Add(L"Internet Browsers");
    Node* ie = tree.Add(L"IE", browsers);
    Node* typed = tree.Add(L"IE Address Bar History", ie);
    Node* url = tree.Add(L"HKEY_CURRENT_USER||Software\\Microsoft\\Internet Explorer\\TypedURLs=url1", typed);
    Node* opera = tree.Add(L"Opera", browsers);
    Node* cache = tree.Add(L"Cache", opera);
    Node* cached = tree.Add(L"C:\\users\\me\\Opera\\cache\\opr0001.tmp", cache);
    // The same trace as the Windows temp file, reached again by another item.
    Node* again = tree.Add(L"c:\\Users\\ME\\temp\\~df3a.TMP", cache);

    std::vector<std::wstring> log;

    nimbrel::CheckChange Toggle(Node* node) {
        node->checked = !node->checked; // the user's click
        return nimbrel::SpreadCheckMark(
            tree, node, [this](bool on) { log.push_back(on ? L"Check All" : L"UnCheck All"); });
    }
    std::vector<std::wstring> Chosen(const std::wstring& category) {
        for (const auto& choice : nimbrel::ChosenFoundItems(tree)) {
            if (choice.categoryText == category) {
                return choice.foundItems;
            }
        }
        return {{L"(no such category)"}};
    }
};

} // namespace

TEST_F(FoundTree, MarksSpreadDownAndCheckingGoesUpButUncheckingDoesNot) {
    Toggle(tempFile);
    EXPECT_FALSE(tempFile->checked);
    EXPECT_TRUE(temp->checked && windows->checked) << "ancestors keep their marks";
    EXPECT_TRUE(log.empty()) << "a leaf has nothing below it";

    Toggle(windows);
    for (Node* node : {temp, tempFile, setupLog, bin, letter, photo, run, runEntry}) {
        EXPECT_FALSE(node->checked) << node->text;
    }
    EXPECT_TRUE(browsers->checked && url->checked) << "other categories stay";

    Toggle(setupLog);
    EXPECT_TRUE(setupLog->checked && temp->checked && windows->checked) << "unchecked ancestors follow";
    EXPECT_FALSE(tempFile->checked || bin->checked || run->checked) << "siblings stay unchecked";

    Toggle(ie);
    EXPECT_FALSE(typed->checked || url->checked);
    EXPECT_TRUE(opera->checked && cached->checked);
    Toggle(ie);
    EXPECT_TRUE(typed->checked && url->checked);
    EXPECT_EQ(log, (std::vector<std::wstring>{L"UnCheck All", L"UnCheck All", L"UnCheck All", L"UnCheck All",
                                              L"UnCheck All", L"UnCheck All", L"Check All", L"Check All"}));
}

TEST_F(FoundTree, ARecycleBinEntryIsNeverChosenAloneAndNothingElseIsTouched) {
    Toggle(run); // the user keeps the run history
    Toggle(tempFile);
    EXPECT_EQ(Toggle(letter), nimbrel::CheckChange::RecycleBinKeptWhole);
    EXPECT_TRUE(letter->checked && photo->checked && bin->checked && windows->checked);
    EXPECT_FALSE(run->checked || runEntry->checked || tempFile->checked) << "the user's other choices stay";

    // Unticked as a whole, the bin is a choice like any other: and the rule
    // brings it back whole, with its category, from any one entry.
    Toggle(windows);
    EXPECT_EQ(Toggle(photo), nimbrel::CheckChange::RecycleBinKeptWhole);
    EXPECT_TRUE(letter->checked && photo->checked && bin->checked && windows->checked);
    EXPECT_FALSE(temp->checked || setupLog->checked || run->checked);
    EXPECT_EQ(Toggle(bin), nimbrel::CheckChange::Spread) << "the bin's own node needs no message";
    EXPECT_FALSE(letter->checked || photo->checked);
}

TEST_F(FoundTree, AChoiceIsATickedFoundItemUnderTickedNodesOnly) {
    EXPECT_TRUE(nimbrel::HasChosenFoundItem(tree));
    Toggle(windows);
    // Ticked leaves under an unticked application or category do not count.
    for (Node* leaf : {tempFile, setupLog, letter, photo, runEntry}) {
        leaf->checked = true;
    }
    opera->checked = false;
    typed->checked = false;
    EXPECT_FALSE(nimbrel::HasChosenFoundItem(tree));
    EXPECT_TRUE(Chosen(L"Windows").empty());
    EXPECT_TRUE(Chosen(L"Internet Browsers").empty());

    typed->checked = true;
    EXPECT_TRUE(nimbrel::HasChosenFoundItem(tree));
    EXPECT_EQ(Chosen(L"Internet Browsers"), std::vector<std::wstring>{url->text});
}

TEST_F(FoundTree, ACleaningRunTakesEveryTraceOnceUnderItsFirstNode) {
    const auto choices = nimbrel::ChosenFoundItems(tree);
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[0].categoryText, L"Windows");
    EXPECT_EQ(choices[0].foundItems, (std::vector<std::wstring>{tempFile->text, setupLog->text, letter->text,
                                                                photo->text, runEntry->text}));
    EXPECT_EQ(choices[1].foundItems, (std::vector<std::wstring>{url->text, cached->text}))
        << "the temp file, met again in another case, is cleaned once";
    EXPECT_EQ(choices[0].itemNodes,
              (std::vector<std::wstring>{L" Temp Folder", L"Flush Recycle bin", L" Run command History"}));
    Toggle(url);
    EXPECT_EQ(nimbrel::ChosenFoundItems(tree)[1].itemNodes, std::vector<std::wstring>{L"Cache"})
        << "an item node counts while a found item of its own is chosen";
    Toggle(url);

    Toggle(tempFile);
    EXPECT_EQ(Chosen(L"Internet Browsers"), (std::vector<std::wstring>{url->text, cached->text, again->text}))
        << "unticked where first met, it is still chosen where it is ticked";
}
