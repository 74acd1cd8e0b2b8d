#pragma once

// FindNode's recursive answers for many names over one document after a single
// walk. FindNode searches from its start node to the end of the start's parent
// in document order; the index lays the nodes' names out in that order, so that
// each search is a scan over a flat array instead of another walk over the
// tree. Valid while the document's structure is unchanged; values may change.

#include "profile/XmlNode.h"

#include <cstddef>
#include <string_view>
#include <vector>

class NodeIndex {
public:
    // A node together with its place in document order (-1 for none).
    struct Entry {
        XmlNode node;
        int position = -1;
    };

    // Indexes root, its descendants, its following siblings and theirs.
    explicit NodeIndex(XmlNode root);

    Entry Root() const { return At(0); }
    // What FindNode(start.node, name, Search::Recursive) gives.
    Entry Find(const Entry& start, std::string_view name) const;

    std::size_t size() const { return nodes_.size(); }
    Entry At(std::size_t position) const;

private:
    std::vector<XmlNode> nodes_;
    std::vector<std::string_view> names_;
    std::vector<int> parentOf_;    // -1 above the root's level
    std::vector<int> subtreeEnd_;  // one past the last descendant
};
