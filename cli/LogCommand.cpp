#include "cli/LogCommand.h"

#include "cli/JsonWriter.h"
#include "cli/TextTable.h"
#include "session/PublishJournal.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <system_error>

namespace {

// Enough of the digest to tell two files apart at a glance; --json has it whole.
constexpr std::size_t kShortDigest = 12;

void WriteText(const std::vector<PublishRecord>& records, std::ostream& out)
{
    TextTable table;
    for (const PublishRecord& record : records)
        table.AddRow({LocalTimeText(record.time), record.profile,
            Formatted(TranslatedCount("%s bytes", "%s bytes", record.size),
                {std::to_string(record.size)}),
            record.sha256.substr(0, kShortDigest), record.destination});
    table.Write(out);
}

void WriteJson(const std::vector<PublishRecord>& records, std::ostream& out)
{
    JsonWriter json(out);
    json.BeginArray();
    for (const PublishRecord& record : records) {
        json.BeginObject();
        json.Key("time");
        json.String(UtcTimeText(record.time));
        json.Key("profile");
        json.String(record.profile);
        json.Key("profileFile");
        json.String(record.profileFile.string());
        json.Key("destination");
        json.String(record.destination);
        json.Key("size");
        json.Number(record.size);
        json.Key("sha256");
        json.String(record.sha256);
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace

ExitStatus RunLog(const Invocation& invocation, Console& console)
{
    const PublishJournal journal;
    const JournalReading reading = journal.Read();
    for (const std::string& warning : reading.warnings)
        console.err << "quavel-cli: " << warning << '\n';
    if (reading.error != 0) {
        console.Error(Formatted(Translated("cannot read the publish journal %s: %s"),
            {journal.file().string(), std::generic_category().message(reading.error)}));
        return ExitStatus::Failed;
    }
    if (invocation.Has("--json"))
        WriteJson(reading.records, console.out);
    else
        WriteText(reading.records, console.out);
    return ExitStatus::Success;
}
