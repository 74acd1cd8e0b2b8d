#include "cli/CommandTable.h"

#include "cli/Assignment.h"
#include "cli/CheckCommand.h"
#include "cli/ConfigCommand.h"
#include "cli/DiffCommand.h"
#include "cli/ListCommand.h"
#include "cli/LogCommand.h"
#include "cli/ProfileCommands.h"
#include "cli/PublishCommand.h"
#include "cli/ServerCommands.h"
#include "cli/ShowCommand.h"
#include "cli/TargetsCommand.h"

#include "text/Translated.h"

#include <array>

namespace {

constexpr std::array<OptionSpec, 1> kListOptions{{
    {"--json", "", TranslatedLater("print a JSON array of the names")},
}};

constexpr std::array<OptionSpec, 2> kShowOptions{{
    {"--format", "FORMAT",
        TranslatedLater("table (the default), json, or set: the KEY=VALUE lines set accepts")},
    {"--json", "", TranslatedLater("the same as --format=json")},
}};

constexpr std::array<OptionSpec, 6> kPublishOptions{{
    {"--to", "TARGET",
        TranslatedLater("server (the local install and every chosen server), server:NAME (one "
                        "server), game, both (server, then game) or cwd")},
    {"--to-dir", "DIR", TranslatedLater("publish into the folder DIR instead")},
    {"--to-url", "URL",
        TranslatedLater("publish to the server at URL (sftp://, ftps://, ftp://) instead")},
    {"--backup", "",
        TranslatedLater("first keep the file being replaced as CustomCombat.wst.DATE-TIME.bak")},
    {"--cwd-only", "", TranslatedLater("allow only --to cwd, and read no registry")},
    {"--force", "",
        TranslatedLater("replace a CustomCombat.wst changed since it was published from here")},
}};

constexpr std::array<OptionSpec, 1> kCheckOptions{{
    {"--json", "", TranslatedLater("print a JSON array: each file, whether it loads, and why not")},
}};

constexpr std::array<OptionSpec, 2> kDiffOptions{{
    {"--format", "FORMAT",
        TranslatedLater(
            "text (the default), set: -KEY=VALUE and +KEY=VALUE lines, or json: the two operands "
            "and each difference with its key, name and both values as set spells them and in "
            "words")},
    {"--json", "", TranslatedLater("the same as --format=json")},
}};

constexpr std::array<OptionSpec, 1> kLogOptions{{
    {"--json", "",
        TranslatedLater("print a JSON array: each record with its UTC time and whole SHA-256")},
}};

constexpr std::array<OptionSpec, 3> kTargetsOptions{{
    {"--cwd-only", "",
        TranslatedLater("show the targets left when publishing is restricted to cwd")},
    {"--check", "", TranslatedLater("connect to every server at once and tell what was found")},
    {"--json", "", TranslatedLater("print JSON for scripts instead of text")},
}};

std::string ListDetails()
{
    return Translated(
        "Lists the profiles of the current folder: \"Default\", the built-in profile,\n"
        "then one line per .wst file other than Default.wst, without \".wst\".\n");
}

std::string DiffDetails()
{
    return Translated(
        "Compares A and B setting by setting and prints, for each setting that\n"
        "differs, its name as the window shows it and A's and B's value in words:\n"
        "  Red Team: NVA / Viet Cong\n"
        "  Blue Team, Scout kit, secondary: allowed / not allowed\n"
        "  Substitute for M-113: M-113 / Patton\n"
        "or \"No differences\". A and B are profiles of the current folder,\n"
        "\"Default\" (the built-in profile), or what a publish target holds: @server,\n"
        "@game or @cwd, the CustomCombat.wst that publish --to writes.\n"
        "Exit status, as diff's: 0 the same, 1 they differ, 2 trouble.\n");
}

std::string LogDetails()
{
    return Translated(
        "Shows the journal of publishing, oldest first: the time (in your time zone),\n"
        "the profile, the size and the start of the SHA-256 of the file written, and\n"
        "where it was written. The window and quavel-cli record every publish in\n"
        "$XDG_STATE_HOME/quavel/publish.journal (~/.local/state/quavel), keeping the\n"
        "last 10000; targets tells from it what each target holds now.\n");
}

std::string ShowDetails()
{
    return Translated(
        "Shows a profile: the team of each side, its kits per class (Pri. and Sec.),\n"
        "its weapon slots #1 to #6, and the substitute of every vehicle, grouped Land,\n"
        "Sea and Air. \"Default\" shows the built-in profile. A substitute the game\n"
        "does not know shows as \"unknown\" (null in JSON).\n"
        "JSON holds the name and the \"settings\", keyed by set's keys. --format=set\n"
        "prints the lines that set accepts (leaving out unknown substitutes), so that\n"
        "a profile can be kept as text and applied again:\n"
        "  quavel-cli show CustomCombat --format=set > combat.txt\n"
        "  quavel-cli set Weekend $(cat combat.txt)\n");
}

std::string SetDetails()
{
    return Translated(
               "Changes settings of the profile NAME.wst and saves it. Every assignment is\n"
               "checked first; the file is written once, with all of them or none. Both sides\n"
               "must play different teams. \"Default\" cannot be changed: it is rewritten from\n"
               "the built-in profile whenever it is loaded. Names ignore letter case, spaces,\n"
               "hyphens, underscores and dots. On/off values also accept true/false and 1/0.\n"
               "An argument \"-\" reads assignments from standard input, one a line, and\n"
               "\"@FILE\" from FILE; blank lines and lines starting with \"#\" are skipped.\n"
               "Keys:\n")
        + AssignmentHelp()
        + Translated("Example: quavel-cli set CustomCombat red.team=NVA blue.kit.scout.sec=off "
                     "vehicle.uaz=t54\n"
                     "Copying settings: quavel-cli show A --format=set | quavel-cli set B -\n");
}

std::string NewDetails()
{
    return Translated(
        "Creates the profile NAME.wst as a copy of Default.wst, which is first written\n"
        "from the built-in profile when the folder has none. An existing file is never\n"
        "replaced.\n");
}

std::string PublishDetails()
{
    return Translated(
        "Saves the profile NAME.wst, then copies it to CustomCombat.wst, where the game\n"
        "or its dedicated server reads it: in the folder\n"
        "\\Mods\\bfvietnam\\save\\GameModeSettings under the install folder in use\n"
        "(see \"quavel-cli targets\"), in the current folder for cwd, or in DIR for\n"
        "--to-dir. Missing settings folders are created. \"Default\" publishes the\n"
        "built-in profile. Each publish is recorded in the journal (see log). A\n"
        "CustomCombat.wst changed since it was last published from here is replaced\n"
        "only with --force.\n");
}

std::string TargetsDetails()
{
    return std::string(Translated(
               "Shows the settings file; for the server and the game the publish path in use,\n"
               "or why there is none, and every install found (* marks the one in use) with\n"
               "the Wine prefix or chosen folder it came from: $WINEPREFIX, the chosen\n"
               "folders and prefix, ~/.wine, then the prefixes of Lutris, Bottles,\n"
               "PlayOnLinux, Steam's Proton, Heroic and CrossOver. Then the path of cwd.\n"
               "Under each target, what it holds by the publish journal (see log): the\n"
               "profile published there and when, whether that profile was edited since,\n"
               "or whether the file was changed there. Then the servers of the settings\n"
               "file with their locations and what they hold (their files are fetched);\n"
               "--check connects to each and tells: reachable, host key unknown (with its\n"
               "fingerprint), login refused, folder missing, or what else failed.\n"
               "Creates nothing.\n"))
        + Translated("With --check the exit status is 1 when a server is not reachable.\n");
}

std::string ConfigDetails()
{
    return Translated(
        "Reads or changes the settings file shared with the window,\n"
        "$XDG_CONFIG_HOME/quavel/quavel.conf (else ~/.config/quavel/quavel.conf).\n"
        "Keys: installs.prefix (a Wine prefix searched first after $WINEPREFIX),\n"
        "installs.game and installs.server (install folders chosen by hand, used\n"
        "without any registry). Folders are stored as absolute paths. \"get\" exits\n"
        "with 1 when the key is not set.\n"
        "add-server NAME URL [PIN] adds a server that publish --to server writes to\n"
        "(URL: sftp://HOST/PATH, ftps://USER@HOST/PATH, ftp://..., or a folder; PIN:\n"
        "sha256//BASE64, the key of an FTPS server's own certificate);\n"
        "remove-server NAME removes it.\n");
}

std::string TrustHostDetails()
{
    return Translated(
        "Connects to the SSH host HOST (an ~/.ssh/config alias, a name or an\n"
        "address, with :PORT or USER@ as ssh takes them), shows the SHA256 fingerprint\n"
        "of its key and adds the key to known_hosts as ssh would. Compare the\n"
        "fingerprint with the server's own (ssh-keygen -l on the server). A key that\n"
        "changed is refused; remove the old one from known_hosts yourself.\n");
}

std::string ImportDetails()
{
    return Translated("Fetches the CustomCombat.wst of SOURCE and saves it as the new profile\n"
                      "NEWNAME.wst of the current folder. SOURCE is server (the local install),\n"
                      "game, cwd, server:NAME (a server of the settings file), a URL or a folder.\n"
                      "The file is read as the editor reads a profile first: one that is refused,\n"
                      "or larger than 16 MiB, creates nothing. An existing profile is never\n"
                      "replaced.\n");
}

std::string CheckDetails()
{
    return Translated(
        "Reads each FILE, at any path, as the editor reads a profile, and prints\n"
        "\"FILE: OK\" or the reason the file is refused. \"-\" reads a document from\n"
        "standard input. Exits with 1 when any is refused.\n");
}

constexpr std::array<CommandSpec, 12> kCommands{{
    {"list", "", TranslatedLater("list the profiles"), 0, 0, kListOptions, ListDetails, RunList},
    {"show", "NAME", TranslatedLater("show a profile"), 1, 1, kShowOptions, ShowDetails, RunShow},
    {"set", "NAME KEY=VALUE|-|@FILE...", TranslatedLater("change settings of a profile"), 2,
        kAnyNumber, {}, SetDetails, RunSet},
    {"new", "NAME", TranslatedLater("create a profile from Default.wst"), 1, 1, {}, NewDetails,
        RunNew},
    {"publish", "NAME", TranslatedLater("publish a profile for the server or the game"), 1, 1,
        kPublishOptions, PublishDetails, RunPublish},
    {"targets", "", TranslatedLater("show where publish writes"), 0, 0, kTargetsOptions,
        TargetsDetails, RunTargets},
    {"config", "get|set|unset KEY [VALUE] | add-server NAME URL [PIN] | remove-server NAME",
        TranslatedLater("read or change the settings file"), 2, 4, {}, ConfigDetails, RunConfig},
    {"trust-host", "HOST", TranslatedLater("trust the SSH key of a server after showing it"), 1, 1,
        {}, TrustHostDetails, RunTrustHost},
    {"import", "SOURCE NEWNAME",
        TranslatedLater("fetch a server's CustomCombat.wst as a new profile"), 2, 2, {},
        ImportDetails, RunImport},
    {"diff", "A B", TranslatedLater("show the settings in which two profiles differ"), 2, 2,
        kDiffOptions, DiffDetails, RunDiff},
    {"log", "", TranslatedLater("show the journal of publishing"), 0, 0, kLogOptions, LogDetails,
        RunLog},
    {"check", "FILE...", TranslatedLater("check that files load as profiles"), 1, kAnyNumber,
        kCheckOptions, CheckDetails, RunCheck},
}};

}  // namespace

std::span<const CommandSpec> Commands()
{
    return kCommands;
}
