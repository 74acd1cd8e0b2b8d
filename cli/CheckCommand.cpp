#include "cli/CheckCommand.h"

#include "profile/AtomicFile.h"
#include "profile/ProfileReader.h"
#include "profile/XmlAccess.h"

#include <cstring>
#include <filesystem>

namespace {

// The reader's reason for refusing the file, or none when it loads. A file
// that cannot be read at all is reported as such, not as a document without
// a gameMode tag, which is how the reader sees it.
std::optional<std::string> ProblemOf(const std::string& file, XmlDocument& document)
{
    std::string bytes;
    if (const int error = ReadFileBytes(file, bytes))
        return "cannot read the file: " + std::string(std::strerror(error));
    LoadXmlText(document, bytes);
    std::string reason;
    if (!ReadProfile(document, std::filesystem::path(file).stem().string(), reason))
        return reason;
    return std::nullopt;
}

}  // namespace

ExitStatus RunCheck(const Invocation& invocation, Console& console)
{
    const std::unique_ptr<XmlDocument> document = CreateXmlDocument();
    bool allLoad = true;
    for (const std::string& file : invocation.arguments) {
        if (const std::optional<std::string> problem = ProblemOf(file, *document)) {
            console.out.flush();
            console.err << file << ": " << *problem << '\n';
            allLoad = false;
        } else {
            console.out << file << ": OK\n";
        }
    }
    return allLoad ? ExitStatus::Success : ExitStatus::Failed;
}
