#include "profile/NodeIndex.h"

NodeIndex::NodeIndex(XmlNode root)
{
    int parent = -1;
    XmlNode current = root;
    while (!current.IsEmpty()) {
        const int position = static_cast<int>(nodes_.size());
        nodes_.push_back(current);
        parentOf_.push_back(parent);
        subtreeEnd_.push_back(position + 1);
        names_.push_back(current.Name());
        if (XmlNode child = current.FirstChild(); !child.IsEmpty()) {
            parent = position;
            current = child;
            continue;
        }
        while (parent >= 0 && current.NextSibling().IsEmpty()) {
            subtreeEnd_[static_cast<std::size_t>(parent)] = static_cast<int>(nodes_.size());
            current = nodes_[static_cast<std::size_t>(parent)];
            parent = parentOf_[static_cast<std::size_t>(parent)];
        }
        current = current.NextSibling();
    }
}

NodeIndex::Entry NodeIndex::Find(const Entry& start, std::string_view name) const
{
    if (start.position < 0)
        return {};
    const int parent = parentOf_[static_cast<std::size_t>(start.position)];
    const auto end
        = static_cast<std::size_t>(parent < 0 ? static_cast<int>(nodes_.size())
                                              : subtreeEnd_[static_cast<std::size_t>(parent)]);
    for (auto position = static_cast<std::size_t>(start.position); position < end; ++position) {
        if (names_[position] == name)
            return At(position);
    }
    return {};
}

NodeIndex::Entry NodeIndex::At(std::size_t position) const
{
    if (position >= nodes_.size())
        return {};
    return {nodes_[position], static_cast<int>(position)};
}
