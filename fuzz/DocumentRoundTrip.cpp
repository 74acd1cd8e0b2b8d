#include "fuzz/DocumentRoundTrip.h"

#include "profile/NodeIndex.h"
#include "profile/ProfileReader.h"
#include "profile/ProfileWriter.h"
#include "profile/XmlAccess.h"

#include <exception>

namespace {

// Comparing every start with every name is quadratic; small documents suffice.
constexpr std::size_t kIndexCheckLimit = 64;

// The reader finds its elements through a NodeIndex, which must answer as
// FindNode does.
bool IndexAgreesWithFindNode(XmlNode root)
{
    const NodeIndex index(root);
    if (index.size() > kIndexCheckLimit)
        return true;
    for (std::size_t start = 0; start < index.size(); ++start) {
        for (std::size_t named = 0; named < index.size(); ++named) {
            const std::string_view name = index.At(named).node.Name();
            if (index.Find(index.At(start), name).node
                != FindNode(index.At(start).node, name, Search::Recursive))
                return false;
        }
    }
    return true;
}

std::string CheckThroughout(std::string_view bytes)
{
    XmlDocument document;
    const bool parsed = LoadXmlText(document, bytes);
    if (parsed == GetDocumentElement(document).IsEmpty())
        return "the parse result and the root element disagree";
    if (!IndexAgreesWithFindNode(GetDocumentElement(document)))
        return "the node index and FindNode disagree";

    std::string error;
    const std::optional<Profile> profile = ReadProfile(document, "Fuzz", error);
    if (!profile)
        return error.empty() ? "refused without a reason" : "";
    if (!WriteProfile(document, *profile))
        return "the writer refused a document the reader accepted";

    const std::string saved = document.Serialize();
    XmlDocument reloaded;
    if (!LoadXmlText(reloaded, saved))
        return "the saved document does not parse";
    if (ReadProfile(reloaded, "Fuzz", error) != profile)
        return "the saved document reads as another profile";
    if (reloaded.Serialize() != saved)
        return "saving the reloaded document writes other bytes";
    return {};
}

}  // namespace

std::string CheckDocumentRoundTrip(std::string_view bytes)
{
    try {
        return CheckThroughout(bytes);
    } catch (const std::exception& exception) {
        return std::string("raised: ") + exception.what();
    }
}
